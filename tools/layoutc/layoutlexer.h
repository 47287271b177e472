#pragma once
// The tokens of the text layout format (see layouttext.h), one at a time.

#include <cstdint>
#include <string>
#include <string_view>

enum TTokenKind { tkEnd, tkIdent, tkInteger, tkFloat, tkString, tkSymbol };

struct TToken {
    TTokenKind Kind = tkEnd;
    // An identifier, a string's characters (UTF-8) or a symbol character.
    std::string Text;
    // An integer's magnitude; the sign is a symbol of its own.
    std::uint64_t Integer = 0;
    double Float = 0;
    int Line = 1;
};

class TLayoutLexer {
public:
    explicit TLayoutLexer(std::string_view text);

    const TToken& Current() const { return FToken; }
    void Next();
    bool IsSymbol(char symbol) const { return FToken.Kind == tkSymbol && FToken.Text[0] == symbol; }
    bool IsKeyword(std::string_view keyword) const;
    // With '{' the current token: the text up to the matching '}' and the line it starts
    // on, after which the token that follows it is current.
    struct TBraced {
        std::string Text;
        int Line;
    };
    TBraced ReadBraced();
    // Raise EParserError "Line <n>: <message>" for the current token's line or another.
    [[noreturn]] void Error(const std::string& message) const { ErrorAt(FToken.Line, message); }
    [[noreturn]] static void ErrorAt(int line, const std::string& message);

private:
    void SkipSpace();
    void ReadIdent();
    void ReadNumber();
    void ReadString();
    void ReadQuoted();
    void ReadCharCode();

    std::string_view FText;
    size_t FPos = 0;
    int FLine = 1;
    TToken FToken;
};
