#include "gui/classes/valuereader.h"
#include "tools/layoutc/layouttext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int IndentStep = 2;
constexpr size_t BytesPerLine = 32;

// Writes a string as quoted runs of printable characters and #codes for the others.
std::string Quoted(std::string_view text) {
    if (text.empty())
        return "''";
    std::string result;
    bool quoted = false;
    for (char c : text) {
        const auto byte = std::uint8_t(c);
        const bool printable = byte >= 0x20 && byte != 0x7F;
        if (printable != quoted) {
            result += '\'';
            quoted = printable;
        }
        if (!printable)
            result += '#' + std::to_string(byte);
        else
            result += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (quoted)
        result += '\'';
    return result;
}

// The shortest text that reads back as the same double, always with a point or exponent so
// that it reads back as a float.
std::string FloatText(double value) {
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    std::string result(text, end.ptr);
    if (std::isfinite(value) && result.find_first_of(".e") == std::string::npos)
        result += ".0";
    return result;
}

class TLayoutPrinter : public TValueReader {
public:
    explicit TLayoutPrinter(TStream& stream) : TValueReader(stream) {}

    std::string Print() {
        ReadSignature();
        PrintObject(0);
        return FText;
    }

private:
    void PrintObject(int indent);
    void PrintProperties(int indent);
    // Prints one value on a new line that starts with lead ("Name = ", or nothing for an
    // item of a list); lists, collections and binary values go on over further lines.
    void PrintValue(int indent, const std::string& lead);
    std::string ScalarText(TValueType type);
    void PrintListItems(int indent);
    void PrintCollectionItems(int indent);
    void PrintHexLines(int indent);

    void Line(int indent, const std::string& text) {
        FText += std::string(size_t(indent), ' ') + text + '\n';
    }
    // Appends to the last line, before its line break.
    void Append(const std::string& text) {
        if (!FText.empty() && FText.back() == '\n')
            FText.pop_back();
        FText += text + '\n';
    }

    std::string FText;
};

void TLayoutPrinter::PrintObject(int indent) {
    TNesting nesting(*this);
    SkipFilerFlags();
    const std::string className = ReadStr();
    const std::string name = ReadStr();
    Line(indent, "object " + (name.empty() ? className : name + ": " + className));
    PrintProperties(indent + IndentStep);
    while (!EndOfList())
        PrintObject(indent + IndentStep);
    ReadListEnd();
    Line(indent, "end");
}

void TLayoutPrinter::PrintProperties(int indent) {
    while (!EndOfList()) {
        const std::string name = ReadStr();
        PrintValue(indent, name + " = ");
    }
    ReadListEnd();
}

void TLayoutPrinter::PrintValue(int indent, const std::string& lead) {
    const TValueType type = ReadValue();
    switch (type) {
    case vaList:
        Line(indent, lead + "(");
        PrintListItems(indent + IndentStep);
        Append(")");
        return;
    case vaCollection:
        Line(indent, lead + "<");
        PrintCollectionItems(indent + IndentStep);
        Append(">");
        return;
    case vaBinary:
        Line(indent, lead + "{");
        PrintHexLines(indent + IndentStep);
        Append("}");
        return;
    default:
        Line(indent, lead + ScalarText(type));
    }
}

std::string TLayoutPrinter::ScalarText(TValueType type) {
    switch (type) {
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    case vaIdent:
        return ReadStr();
    case vaSet: {
        std::string text;
        for (const std::string& ident : ReadSetBody())
            text += (text.empty() ? "" : ", ") + ident;
        return "[" + text + "]";
    }
    case vaExtended:
        return FloatText(ReadFloatBody(type));
    default:
        if (IsIntegerType(type))
            return std::to_string(ReadIntegerBody(type));
        if (IsStringType(type))
            return Quoted(ReadStringBody(type));
        InvalidValue();
    }
}

void TLayoutPrinter::PrintListItems(int indent) {
    TNesting nesting(*this);
    while (!EndOfList())
        PrintValue(indent, "");
    ReadListEnd();
}

void TLayoutPrinter::PrintCollectionItems(int indent) {
    TNesting nesting(*this);
    while (!EndOfList()) {
        if (IsIntegerType(NextValue()))
            ReadInteger();
        ReadListBegin();
        Line(indent, "item");
        PrintProperties(indent + IndentStep);
        Line(indent, "end");
    }
    ReadListEnd();
}

void TLayoutPrinter::PrintHexLines(int indent) {
    const std::vector<std::uint8_t> bytes = ReadBinaryBody();
    for (size_t start = 0; start < bytes.size(); start += BytesPerLine) {
        std::string hex;
        for (size_t i = start; i < bytes.size() && i < start + BytesPerLine; ++i) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
            hex += digits;
        }
        Line(indent, hex);
    }
}

} // namespace

std::string ObjectBinaryToText(std::span<const std::uint8_t> stream) {
    TReadOnlyMemoryStream input(stream.data(), std::int64_t(stream.size()));
    return TLayoutPrinter(input).Print();
}
