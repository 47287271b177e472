#include "gui/classes/valuereader.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/extended.h"
#include "gui/classes/textencoding.h"

#include <cstdio>

namespace {

bool IsKnownType(std::uint8_t tag) {
    return tag <= vaCollection || (tag >= vaWString && tag <= vaUTF8String);
}

} // namespace

void TValueReader::ReadSignature() {
    std::array<std::uint8_t, FormStreamSignature.size()> signature{};
    if (FStream.Read(signature.data(), std::int64_t(signature.size())) !=
            std::int64_t(signature.size()) ||
        signature != FormStreamSignature)
        throw EReadError("Invalid stream format");
}

void TValueReader::SkipFilerFlags() {
    const std::uint8_t prefix = ReadByte();
    if ((prefix & 0xF0) != FilerFlagsPrefix) {
        FStream.Seek(-1, soCurrent);
        return;
    }
    if (prefix & ffChildPos)
        ReadInteger();
}

TValueType TValueReader::ReadValue() {
    const std::uint8_t tag = ReadByte();
    if (!IsKnownType(tag)) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X", tag);
        throw EReadError(std::string("Invalid value tag ") + text);
    }
    return TValueType(tag);
}

TValueType TValueReader::NextValue() {
    const std::uint8_t tag = ReadByte();
    FStream.Seek(-1, soCurrent);
    return TValueType(tag);
}

std::int64_t TValueReader::ReadInteger() {
    return ReadIntegerBody(ReadValue());
}

bool TValueReader::ReadBoolean() {
    const TValueType type = ReadValue();
    if (type != vaFalse && type != vaTrue)
        InvalidValue();
    return type == vaTrue;
}

std::string TValueReader::ReadString() {
    return ReadStringBody(ReadValue());
}

std::string TValueReader::ReadIdent() {
    CheckValue(vaIdent);
    return ReadStr();
}

std::vector<std::uint8_t> TValueReader::ReadBinary() {
    CheckValue(vaBinary);
    return ReadBinaryBody();
}

void TValueReader::SkipValue() {
    const TValueType type = ReadValue();
    switch (type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        return;
    case vaList: {
        TNesting nesting(*this);
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        return;
    }
    case vaCollection: {
        TNesting nesting(*this);
        while (!EndOfList()) {
            if (IsIntegerType(NextValue()))
                ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    }
    case vaIdent:
        ReadStr();
        return;
    case vaSet:
        ReadSetBody();
        return;
    case vaBinary:
        FStream.Seek(std::int64_t(ReadLength(1)), soCurrent);
        return;
    case vaExtended:
        ReadFloatBody(type);
        return;
    default:
        if (IsIntegerType(type))
            ReadIntegerBody(type);
        else
            ReadStringBody(type);
    }
}

std::int64_t TValueReader::ReadIntegerBody(TValueType type) {
    switch (type) {
    case vaInt8:
        return ReadLittleEndian<std::int8_t>();
    case vaInt16:
        return ReadLittleEndian<std::int16_t>();
    case vaInt32:
        return ReadLittleEndian<std::int32_t>();
    case vaInt64:
        return ReadLittleEndian<std::int64_t>();
    default:
        InvalidValue();
    }
}

double TValueReader::ReadFloatBody(TValueType type) {
    if (IsIntegerType(type))
        return double(ReadIntegerBody(type));
    if (type != vaExtended)
        InvalidValue();
    TExtendedBytes bytes;
    FStream.ReadBuffer(bytes.data(), std::int64_t(bytes.size()));
    return ExtendedToDouble(bytes);
}

std::string TValueReader::ReadStringBody(TValueType type) {
    switch (type) {
    case vaString:
        return Latin1ToUtf8(ReadStr());
    case vaLString: {
        std::string text(ReadLength(1), '\0');
        FStream.ReadBuffer(text.data(), std::int64_t(text.size()));
        return Latin1ToUtf8(text);
    }
    case vaUTF8String: {
        std::string text(ReadLength(1), '\0');
        FStream.ReadBuffer(text.data(), std::int64_t(text.size()));
        return text;
    }
    case vaWString: {
        std::vector<char16_t> units(ReadLength(2));
        for (char16_t& unit : units)
            unit = ReadLittleEndian<std::uint16_t>();
        return Utf16ToUtf8(units);
    }
    default:
        InvalidValue();
    }
}

std::vector<std::string> TValueReader::ReadSetBody() {
    std::vector<std::string> idents;
    for (std::string ident = ReadStr(); !ident.empty(); ident = ReadStr())
        idents.push_back(std::move(ident));
    return idents;
}

std::vector<std::uint8_t> TValueReader::ReadBinaryBody() {
    std::vector<std::uint8_t> bytes(ReadLength(1));
    FStream.ReadBuffer(bytes.data(), std::int64_t(bytes.size()));
    return bytes;
}

std::string TValueReader::ReadStr() {
    std::string text(ReadByte(), '\0');
    FStream.ReadBuffer(text.data(), std::int64_t(text.size()));
    return text;
}

bool TValueReader::IsIntegerType(TValueType type) {
    return type == vaInt8 || type == vaInt16 || type == vaInt32 || type == vaInt64;
}

bool TValueReader::IsStringType(TValueType type) {
    return type == vaString || type == vaLString || type == vaWString || type == vaUTF8String;
}

TValueReader::TNesting::TNesting(TValueReader& reader) : FReader(reader) {
    if (++FReader.FDepth > MaxNestingDepth) {
        --FReader.FDepth;
        throw EReadError("Stream nested too deeply");
    }
}

void TValueReader::InvalidValue() {
    throw EReadError("Invalid property value");
}

std::uint8_t TValueReader::ReadByte() {
    std::uint8_t byte = 0;
    FStream.ReadBuffer(&byte, 1);
    return byte;
}

template <class T>
T TValueReader::ReadLittleEndian() {
    std::array<std::uint8_t, sizeof(T)> bytes;
    FStream.ReadBuffer(bytes.data(), std::int64_t(bytes.size()));
    std::uint64_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return T(value);
}

std::size_t TValueReader::ReadLength(std::size_t unitSize) {
    const auto length = ReadLittleEndian<std::uint32_t>();
    const std::int64_t remaining = FStream.Size() - FStream.Position();
    if (std::int64_t(length) * std::int64_t(unitSize) > remaining)
        throw EReadError("Stream read error");
    return length;
}

void TValueReader::CheckValue(TValueType expected) {
    if (ReadValue() != expected)
        InvalidValue();
}
