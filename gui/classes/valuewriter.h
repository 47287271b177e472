#pragma once
// Writing the tagged values of the binary form-stream format. Integers take the smallest
// tag that holds them; strings are written as short or long strings when they are ASCII
// and as UTF-8 strings otherwise.

#include "gui/classes/stream.h"
#include "gui/classes/streamformat.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TValueWriter {
public:
    explicit TValueWriter(TStream& stream) : FStream(stream) {}
    TValueWriter(const TValueWriter&) = delete;
    TValueWriter& operator=(const TValueWriter&) = delete;
    virtual ~TValueWriter() = default;

    void WriteSignature();
    void WriteValue(TValueType type);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }

    void WriteInteger(std::int64_t value);
    void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
    void WriteFloat(double value);
    void WriteString(std::string_view value);
    void WriteIdent(std::string_view ident);
    void WriteSet(const std::vector<std::string>& idents);
    void WriteBinary(std::span<const std::uint8_t> bytes);
    // A short string without tag (class, object and property names); EWriteError beyond
    // 255 bytes.
    void WriteStr(std::string_view text);

private:
    void WriteLength(std::size_t length);
    template <class T>
    void WriteLittleEndian(T value);

    TStream& FStream;
};
