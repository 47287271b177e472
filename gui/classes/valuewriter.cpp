#include "gui/classes/valuewriter.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/extended.h"
#include "gui/classes/textencoding.h"

#include <array>
#include <limits>

namespace {

template <class T>
bool Fits(std::int64_t value) {
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

} // namespace

void TValueWriter::WriteSignature() {
    FStream.WriteBuffer(FormStreamSignature.data(), std::int64_t(FormStreamSignature.size()));
}

void TValueWriter::WriteValue(TValueType type) {
    const std::uint8_t tag = type;
    FStream.WriteBuffer(&tag, 1);
}

void TValueWriter::WriteInteger(std::int64_t value) {
    if (Fits<std::int8_t>(value)) {
        WriteValue(vaInt8);
        WriteLittleEndian(std::int8_t(value));
    } else if (Fits<std::int16_t>(value)) {
        WriteValue(vaInt16);
        WriteLittleEndian(std::int16_t(value));
    } else if (Fits<std::int32_t>(value)) {
        WriteValue(vaInt32);
        WriteLittleEndian(std::int32_t(value));
    } else {
        WriteValue(vaInt64);
        WriteLittleEndian(value);
    }
}

void TValueWriter::WriteFloat(double value) {
    WriteValue(vaExtended);
    const TExtendedBytes bytes = DoubleToExtended(value);
    FStream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TValueWriter::WriteString(std::string_view value) {
    if (IsAscii(value) && value.size() <= MaxShortString) {
        WriteValue(vaString);
        WriteStr(value);
        return;
    }
    WriteValue(IsAscii(value) ? vaLString : vaUTF8String);
    WriteLength(value.size());
    FStream.WriteBuffer(value.data(), std::int64_t(value.size()));
}

void TValueWriter::WriteIdent(std::string_view ident) {
    WriteValue(vaIdent);
    WriteStr(ident);
}

void TValueWriter::WriteSet(const std::vector<std::string>& idents) {
    WriteValue(vaSet);
    for (const std::string& ident : idents)
        WriteStr(ident);
    WriteStr("");
}

void TValueWriter::WriteBinary(std::span<const std::uint8_t> bytes) {
    WriteValue(vaBinary);
    WriteLength(bytes.size());
    FStream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TValueWriter::WriteStr(std::string_view text) {
    if (text.size() > MaxShortString)
        throw EWriteError("Name too long for a stream: " + std::string(text.substr(0, 32)) + "...");
    const auto length = std::uint8_t(text.size());
    FStream.WriteBuffer(&length, 1);
    FStream.WriteBuffer(text.data(), std::int64_t(text.size()));
}

void TValueWriter::WriteLength(std::size_t length) {
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Value too long for a stream");
    WriteLittleEndian(std::uint32_t(length));
}

template <class T>
void TValueWriter::WriteLittleEndian(T value) {
    std::array<std::uint8_t, sizeof(T)> bytes;
    auto bits = std::uint64_t(value);
    for (std::uint8_t& byte : bytes) {
        byte = std::uint8_t(bits);
        bits >>= 8;
    }
    FStream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}
