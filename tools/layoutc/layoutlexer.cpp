#include "tools/layoutc/layoutlexer.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/names.h"
#include "gui/classes/textencoding.h"

#include <charconv>

namespace {

constexpr std::string_view Symbols = "=:[](),<>{}+-";
constexpr std::string_view Spaces = " \t\r\n";
constexpr std::uint64_t MaxCodePoint = 0x10FFFF;

bool IsHexDigit(char c) {
    return HexDigitValue(c) >= 0;
}

} // namespace

TLayoutLexer::TLayoutLexer(std::string_view text) : FText(text) {
    Next();
}

void TLayoutLexer::Next() {
    SkipSpace();
    FToken = TToken();
    FToken.Line = FLine;
    if (FPos >= FText.size())
        return;
    const char c = FText[FPos];
    if (IsIdentStart(c)) {
        ReadIdent();
    } else if (IsDigit(c) || c == '$') {
        ReadNumber();
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (Symbols.find(c) != std::string_view::npos) {
        FToken.Kind = tkSymbol;
        FToken.Text = std::string(1, c);
        ++FPos;
    } else {
        Error("Unexpected character #" + std::to_string(std::uint8_t(c)));
    }
}

bool TLayoutLexer::IsKeyword(std::string_view keyword) const {
    return FToken.Kind == tkIdent && SameText(FToken.Text, keyword);
}

TLayoutLexer::TBraced TLayoutLexer::ReadBraced() {
    const size_t end = FText.find('}', FPos);
    if (end == std::string_view::npos)
        Error("Missing } after binary value");
    TBraced braced{std::string(FText.substr(FPos, end - FPos)), FToken.Line};
    for (char c : braced.Text)
        FLine += c == '\n';
    FPos = end + 1;
    Next();
    return braced;
}

void TLayoutLexer::ErrorAt(int line, const std::string& message) {
    throw EParserError("Line " + std::to_string(line) + ": " + message);
}

void TLayoutLexer::SkipSpace() {
    while (FPos < FText.size() && Spaces.find(FText[FPos]) != std::string_view::npos) {
        FLine += FText[FPos] == '\n';
        ++FPos;
    }
}

void TLayoutLexer::ReadIdent() {
    const size_t start = FPos;
    while (FPos < FText.size() &&
           (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos]) || FText[FPos] == '.'))
        ++FPos;
    FToken.Kind = tkIdent;
    FToken.Text = std::string(FText.substr(start, FPos - start));
}

void TLayoutLexer::ReadNumber() {
    const bool hex = FText[FPos] == '$';
    const size_t start = hex ? FPos + 1 : FPos;
    FPos = start;
    const auto digit = hex ? IsHexDigit : IsDigit;
    while (FPos < FText.size() && digit(FText[FPos]))
        ++FPos;
    bool isFloat = false;
    if (!hex && FPos + 1 < FText.size() && FText[FPos] == '.' && IsDigit(FText[FPos + 1])) {
        isFloat = true;
        for (++FPos; FPos < FText.size() && IsDigit(FText[FPos]);)
            ++FPos;
    }
    if (!hex && FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
        size_t exponent = FPos + 1;
        if (exponent < FText.size() && (FText[exponent] == '+' || FText[exponent] == '-'))
            ++exponent;
        if (exponent < FText.size() && IsDigit(FText[exponent])) {
            isFloat = true;
            for (FPos = exponent; FPos < FText.size() && IsDigit(FText[FPos]);)
                ++FPos;
        }
    }
    const std::string_view number = FText.substr(start, FPos - start);
    if (number.empty() ||
        (FPos < FText.size() && (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos]))))
        Error("Invalid number");
    const char* first = number.data();
    const char* last = first + number.size();
    const std::from_chars_result result =
        isFloat ? std::from_chars(first, last, FToken.Float)
                : std::from_chars(first, last, FToken.Integer, hex ? 16 : 10);
    if (result.ec != std::errc() || result.ptr != last)
        Error("Number out of range: " + std::string(number));
    FToken.Kind = isFloat ? tkFloat : tkInteger;
}

void TLayoutLexer::ReadString() {
    FToken.Kind = tkString;
    while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
        if (FText[FPos] == '\'')
            ReadQuoted();
        else
            ReadCharCode();
    }
}

void TLayoutLexer::ReadQuoted() {
    for (++FPos;; ++FPos) {
        if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
            Error("Unterminated string");
        if (FText[FPos] == '\'') {
            if (FPos + 1 >= FText.size() || FText[FPos + 1] != '\'') {
                ++FPos;
                return;
            }
            ++FPos;
        }
        FToken.Text += FText[FPos];
    }
}

void TLayoutLexer::ReadCharCode() {
    ++FPos;
    const bool hex = FPos < FText.size() && FText[FPos] == '$';
    if (hex)
        ++FPos;
    const auto digit = hex ? IsHexDigit : IsDigit;
    const size_t start = FPos;
    std::uint64_t code = 0;
    while (FPos < FText.size() && digit(FText[FPos])) {
        const char c = FText[FPos++];
        code = code * (hex ? 16 : 10) + std::uint64_t(HexDigitValue(c));
        if (code > MaxCodePoint)
            Error("Invalid character code");
    }
    if (FPos == start || !AppendUtf8(FToken.Text, char32_t(code)))
        Error("Invalid character code");
}
