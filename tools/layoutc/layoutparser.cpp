#include "gui/classes/exceptions.h"
#include "gui/classes/names.h"
#include "gui/classes/streamformat.h"
#include "gui/classes/valuewriter.h"
#include "tools/layoutc/layoutlexer.h"
#include "tools/layoutc/layouttext.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <utility>

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view spaces = " \t\r\n";
    const size_t first = text.find_first_not_of(spaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

// Converts layout text to a form stream: the text's structure maps one to one onto the
// stream's, so no class needs to be known.
class TLayoutParser {
public:
    TLayoutParser(std::string_view text, const TLayoutOptions& options, TStream& output)
        : FLexer(text), FOptions(options), FWriter(output) {}

    void Parse();

private:
    void ParseObject();
    void ParseProperty();
    void ParseValue();
    void ParseNumber(bool negative);
    void ParseString();
    void ParseSet();
    void ParseList();
    void ParseCollection();
    void ParseBinary();
    std::vector<std::uint8_t> DecodeHex(std::string_view hex, int line) const;
    std::vector<std::uint8_t> ReadIncludedFile(std::string_view reference, int line) const;

    std::string ExpectIdent(const char* what);
    void ExpectSymbol(char symbol);
    void ExpectKeyword(std::string_view keyword);
    void WriteName(const std::string& name);
    // Names and identifiers are short strings: EParserError beyond 255 bytes.
    const std::string& CheckedName(const std::string& name) const;
    // Counts one level of nesting for as long as it lives.
    class TNesting {
    public:
        explicit TNesting(TLayoutParser& parser) : FParser(parser) {
            if (++FParser.FDepth > MaxNestingDepth)
                FParser.FLexer.Error("Layout nested too deeply");
        }
        TNesting(const TNesting&) = delete;
        TNesting& operator=(const TNesting&) = delete;
        ~TNesting() { --FParser.FDepth; }

    private:
        TLayoutParser& FParser;
    };

    TLayoutLexer FLexer;
    const TLayoutOptions& FOptions;
    TValueWriter FWriter;
    int FDepth = 0;
};

void TLayoutParser::Parse() {
    FWriter.WriteSignature();
    ParseObject();
    if (FLexer.Current().Kind != tkEnd)
        FLexer.Error("Text after the end of the layout");
}

void TLayoutParser::ParseObject() {
    TNesting nesting(*this);
    ExpectKeyword("object");
    std::string name = ExpectIdent("an object name or class");
    std::string className;
    if (FLexer.IsSymbol(':')) {
        FLexer.Next();
        className = ExpectIdent("a class name");
    } else {
        className = std::exchange(name, std::string());
    }
    // A component begins with its class name, whose length byte from the filer flags' prefix
    // up would read as those flags.
    if (className.size() >= FilerFlagsPrefix)
        FLexer.Error("Class name too long: " + className.substr(0, 32) + "...");
    WriteName(className);
    WriteName(name);
    while (FLexer.Current().Kind == tkIdent && !FLexer.IsKeyword("object") &&
           !FLexer.IsKeyword("end"))
        ParseProperty();
    FWriter.WriteListEnd();
    while (FLexer.IsKeyword("object"))
        ParseObject();
    FWriter.WriteListEnd();
    ExpectKeyword("end");
}

void TLayoutParser::ParseProperty() {
    WriteName(ExpectIdent("a property name"));
    ExpectSymbol('=');
    ParseValue();
}

void TLayoutParser::ParseValue() {
    const TToken& token = FLexer.Current();
    switch (token.Kind) {
    case tkInteger:
    case tkFloat:
        ParseNumber(false);
        return;
    case tkString:
        ParseString();
        return;
    case tkIdent:
        if (FLexer.IsKeyword("True") || FLexer.IsKeyword("False"))
            FWriter.WriteBoolean(FLexer.IsKeyword("True"));
        else if (FLexer.IsKeyword("nil"))
            FWriter.WriteValue(vaNil);
        else
            FWriter.WriteIdent(CheckedName(token.Text));
        FLexer.Next();
        return;
    case tkSymbol:
        switch (token.Text[0]) {
        case '-':
            FLexer.Next();
            ParseNumber(true);
            return;
        case '[':
            ParseSet();
            return;
        case '(':
            ParseList();
            return;
        case '<':
            ParseCollection();
            return;
        case '{':
            ParseBinary();
            return;
        }
        break;
    case tkEnd:
        break;
    }
    FLexer.Error("Expected a value");
}

void TLayoutParser::ParseNumber(bool negative) {
    const TToken& token = FLexer.Current();
    if (token.Kind == tkFloat) {
        FWriter.WriteFloat(negative ? -token.Float : token.Float);
    } else if (token.Kind == tkInteger) {
        const std::uint64_t limit =
            std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
        if (token.Integer > limit)
            FLexer.Error("Number out of range");
        FWriter.WriteInteger(negative ? std::int64_t(0 - token.Integer)
                                      : std::int64_t(token.Integer));
    } else {
        FLexer.Error("Expected a number");
    }
    FLexer.Next();
}

void TLayoutParser::ParseString() {
    std::string text = FLexer.Current().Text;
    FLexer.Next();
    while (FLexer.IsSymbol('+')) {
        FLexer.Next();
        if (FLexer.Current().Kind != tkString)
            FLexer.Error("Expected a string after +");
        text += FLexer.Current().Text;
        FLexer.Next();
    }
    FWriter.WriteString(text);
}

void TLayoutParser::ParseSet() {
    FLexer.Next();
    std::vector<std::string> idents;
    if (!FLexer.IsSymbol(']')) {
        idents.push_back(ExpectIdent("an identifier"));
        while (FLexer.IsSymbol(',')) {
            FLexer.Next();
            idents.push_back(ExpectIdent("an identifier"));
        }
    }
    ExpectSymbol(']');
    for (const std::string& ident : idents)
        CheckedName(ident);
    FWriter.WriteSet(idents);
}

void TLayoutParser::ParseList() {
    TNesting nesting(*this);
    FLexer.Next();
    FWriter.WriteListBegin();
    while (!FLexer.IsSymbol(')'))
        ParseValue();
    FLexer.Next();
    FWriter.WriteListEnd();
}

void TLayoutParser::ParseCollection() {
    TNesting nesting(*this);
    FLexer.Next();
    FWriter.WriteValue(vaCollection);
    while (FLexer.IsKeyword("item")) {
        FLexer.Next();
        FWriter.WriteListBegin();
        while (FLexer.Current().Kind == tkIdent && !FLexer.IsKeyword("end"))
            ParseProperty();
        ExpectKeyword("end");
        FWriter.WriteListEnd();
    }
    ExpectSymbol('>');
    FWriter.WriteListEnd();
}

void TLayoutParser::ParseBinary() {
    const TLayoutLexer::TBraced braced = FLexer.ReadBraced();
    const std::string_view body = Trimmed(braced.Text);
    const bool isFile = body.size() > 4 && (body.substr(0, 4) == "file") &&
                        (body[4] == ' ' || body[4] == '\t' || body[4] == '\'');
    FWriter.WriteBinary(isFile ? ReadIncludedFile(Trimmed(body.substr(4)), braced.Line)
                               : DecodeHex(body, braced.Line));
}

std::vector<std::uint8_t> TLayoutParser::DecodeHex(std::string_view hex, int line) const {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        const int value = HexDigitValue(c);
        if (value < 0)
            TLayoutLexer::ErrorAt(line, "Invalid binary value: " + std::string(1, c) +
                                            " is no hex digit");
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(std::uint8_t(high << 4 | value));
            high = -1;
        }
    }
    if (high >= 0)
        TLayoutLexer::ErrorAt(line, "Invalid binary value: odd number of hex digits");
    return bytes;
}

std::vector<std::uint8_t> TLayoutParser::ReadIncludedFile(std::string_view reference,
                                                          int line) const {
    if (reference.size() < 2 || reference.front() != '\'' || reference.back() != '\'')
        TLayoutLexer::ErrorAt(line, "Expected {file 'path'}");
    std::string name;
    for (size_t i = 1; i + 1 < reference.size(); ++i) {
        if (reference[i] == '\'' && (i + 2 >= reference.size() || reference[++i] != '\''))
            TLayoutLexer::ErrorAt(line, "Expected {file 'path'}");
        name += reference[i];
    }
    const std::filesystem::path path = (FOptions.BaseDirectory / name).lexically_normal();
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path) || !file)
        TLayoutLexer::ErrorAt(line, "Cannot open file \"" + path.string() + "\"");
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
    if (file.bad())
        TLayoutLexer::ErrorAt(line, "Cannot read file \"" + path.string() + "\"");
    if (FOptions.IncludedFiles)
        FOptions.IncludedFiles->push_back(path);
    return bytes;
}

std::string TLayoutParser::ExpectIdent(const char* what) {
    if (FLexer.Current().Kind != tkIdent)
        FLexer.Error(std::string("Expected ") + what);
    std::string ident = FLexer.Current().Text;
    FLexer.Next();
    return ident;
}

void TLayoutParser::ExpectSymbol(char symbol) {
    if (!FLexer.IsSymbol(symbol))
        FLexer.Error(std::string("Expected ") + symbol);
    FLexer.Next();
}

void TLayoutParser::ExpectKeyword(std::string_view keyword) {
    if (!FLexer.IsKeyword(keyword))
        FLexer.Error("Expected " + std::string(keyword));
    FLexer.Next();
}

void TLayoutParser::WriteName(const std::string& name) {
    FWriter.WriteStr(CheckedName(name));
}

const std::string& TLayoutParser::CheckedName(const std::string& name) const {
    if (name.size() > MaxShortString)
        FLexer.Error("Name too long: " + name.substr(0, 32) + "...");
    return name;
}

} // namespace

std::vector<std::uint8_t> ObjectTextToBinary(std::string_view text, const TLayoutOptions& options) {
    TMemoryStream output;
    TLayoutParser(text, options, output).Parse();
    return output.Bytes();
}
