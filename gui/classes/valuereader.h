#pragma once
// Reading the tagged values of the binary form-stream format. Every length is checked
// against what is left of the stream before anything is allocated or read, so truncated or
// corrupt input raises EReadError and never reads past the stream's end.

#include "gui/classes/stream.h"
#include "gui/classes/streamformat.h"

#include <cstdint>
#include <string>
#include <vector>

class TValueReader {
public:
    explicit TValueReader(TStream& stream) : FStream(stream) {}
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;
    virtual ~TValueReader() = default;

    // Raises EReadError "Invalid stream format" unless the signature comes next.
    void ReadSignature();
    // Reads past the filer flags that may open an object (and the child position they
    // may announce).
    void SkipFilerFlags();
    // The next tag, consumed; EReadError for a byte that is no tag.
    TValueType ReadValue();
    // The next byte as a tag, left in the stream (and not checked: it may also be the
    // filer flags that open an object).
    TValueType NextValue();
    // Consumes the next tag; EReadError "Invalid property value" unless it is expected.
    void CheckValue(TValueType expected);
    bool EndOfList() { return NextValue() == vaNull; }
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }

    // Each reads one tagged value of its kind and raises EReadError "Invalid property
    // value" for a value of another kind. Integers accept every integer width; strings
    // accept every string encoding, returned as UTF-8.
    std::int64_t ReadInteger();
    bool ReadBoolean();
    std::string ReadString();
    std::string ReadIdent();
    std::vector<std::uint8_t> ReadBinary();
    // Reads past one value of any kind.
    void SkipValue();

    // The bodies of values whose tag has been read.
    std::int64_t ReadIntegerBody(TValueType type);
    double ReadFloatBody(TValueType type);
    std::string ReadStringBody(TValueType type);
    std::vector<std::string> ReadSetBody();
    std::vector<std::uint8_t> ReadBinaryBody();
    // A short string without tag (class, object and property names).
    std::string ReadStr();

    static bool IsIntegerType(TValueType type);
    static bool IsStringType(TValueType type);

    // Counts one level of nesting for as long as it lives; raises EReadError when the
    // input nests deeper than MaxNestingDepth.
    class TNesting {
    public:
        explicit TNesting(TValueReader& reader);
        TNesting(const TNesting&) = delete;
        TNesting& operator=(const TNesting&) = delete;
        ~TNesting() { --FReader.FDepth; }

    private:
        TValueReader& FReader;
    };

protected:
    TStream& Stream() { return FStream; }
    [[noreturn]] static void InvalidValue();

private:
    std::uint8_t ReadByte();
    template <class T>
    T ReadLittleEndian();
    // A 32-bit count of units of unitSize bytes, checked against the rest of the stream.
    std::size_t ReadLength(std::size_t unitSize);

    TStream& FStream;
    int FDepth = 0;
};
