#include "platform/gdi/text_layout.h"

#include <gtest/gtest.h>

namespace gdi::detail {
namespace {

// Every character is 2 pixels wide except 'W' (5) and control characters (0), so widths
// are easy to reckon by hand.
int Advance(char32_t c) {
    if (c < 0x20)
        return 0;
    return c == U'W' ? 5 : 2;
}

std::vector<TTextLine> Layout(std::u32string_view text, UINT format, int width = 1000,
                              int tabWidth = 8) {
    return LayoutText(text, {format, width, tabWidth}, Advance);
}

// The characters of each line, joined with '/'; underlined characters wrapped in '_'.
std::string Shown(const std::vector<TTextLine>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            out += '/';
        for (const TPlacedChar& c : lines[i].Chars) {
            const char ch = c.Char == U'\t' ? 'T' : char(c.Char);
            out += c.Underlined ? std::string{'_', ch, '_'} : std::string{ch};
        }
    }
    return out;
}

TEST(TextLayout, PrefixesUnderlineEscapeAndVanish) {
    EXPECT_EQ(Shown(Layout(U"&File", 0)), "_F_ile");
    EXPECT_EQ(Shown(Layout(U"Fish && Chips", 0)), "Fish & Chips");
    EXPECT_EQ(Shown(Layout(U"End&", 0)), "End");
    EXPECT_EQ(Shown(Layout(U"a&b&&c", DT_NOPREFIX)), "a&b&&c");
    EXPECT_EQ(Shown(Layout(U"&Hidden", DT_HIDEPREFIX)), "Hidden");
    const auto lines = Layout(U"a&bc", 0);
    EXPECT_EQ(lines[0].Width, 6) << "the ampersand takes no room";
    EXPECT_EQ(lines[0].Chars[1].X, 2);
}

TEST(TextLayout, LineBreaksUnlessSingleLine) {
    EXPECT_EQ(Shown(Layout(U"ab\r\ncd\ref\ngh", 0)), "ab/cd/ef/gh");
    EXPECT_EQ(Layout(U"ab\r\n", 0).size(), 2u) << "a final break opens an empty line";
    EXPECT_EQ(Layout(U"ab\r\ncd", DT_SINGLELINE).size(), 1u);
    EXPECT_TRUE(Layout(U"", 0).empty());
}

TEST(TextLayout, WordBreakFitsLinesAndDropsTheBreakingSpaces) {
    // "aa bb cc": each word 4 wide, a space 2.
    EXPECT_EQ(Shown(Layout(U"aa bb cc", DT_WORDBREAK, 10)), "aa bb/cc");
    EXPECT_EQ(Shown(Layout(U"aa bb cc", DT_WORDBREAK, 9)), "aa/bb/cc");
    EXPECT_EQ(Shown(Layout(U"aa   bb", DT_WORDBREAK, 6)), "aa/bb");
    const auto lines = Layout(U"aa bb cc", DT_WORDBREAK, 10);
    EXPECT_EQ(lines[0].Width, 10);
    EXPECT_EQ(lines[1].Width, 4);
    EXPECT_EQ(Shown(Layout(U"aa bb", DT_WORDBREAK | DT_SINGLELINE, 4)), "aa bb");
}

TEST(TextLayout, WordsWiderThanTheLineBreakWhereTheyMust) {
    EXPECT_EQ(Shown(Layout(U"abcdefg", DT_WORDBREAK, 6)), "abc/def/g");
    EXPECT_EQ(Shown(Layout(U"x abcdefg", DT_WORDBREAK, 6)), "x/abc/def/g");
    EXPECT_EQ(Shown(Layout(U"WW", DT_WORDBREAK, 3)), "W/W") << "at least one character a line";
}

TEST(TextLayout, TabsExpandToStopsOnlyWhenAsked) {
    const auto expanded = Layout(U"a\tb\t\tc", DT_EXPANDTABS, 1000, 8);
    EXPECT_EQ(expanded[0].Chars[2].X, 8);
    EXPECT_EQ(expanded[0].Chars[5].X, 24);
    EXPECT_EQ(expanded[0].Width, 26);
    const auto plain = Layout(U"a\tb", 0, 1000, 8);
    EXPECT_EQ(plain[0].Chars[2].X, 2);
    // A tab that crosses the edge breaks the line like a character.
    EXPECT_EQ(Shown(Layout(U"ab\tc", DT_EXPANDTABS | DT_WORDBREAK, 6, 4)), "ab/Tc");
}

TEST(TextLayout, RightToLeftMovesNeutralEnds) {
    EXPECT_EQ(Shown(Layout(U"Hello!", DT_RTLREADING)), "!Hello");
    EXPECT_EQ(Shown(Layout(U"  Save (now)...", DT_RTLREADING)), "...(Save (now  ");
    EXPECT_EQ(Shown(Layout(U"a b", DT_RTLREADING)), "a b") << "inner neutrals stay";
    EXPECT_EQ(Shown(Layout(U"-> ", DT_RTLREADING)), " <-") << "all neutral: reversed";
    EXPECT_EQ(Shown(Layout(U"&Go?", DT_RTLREADING)), "?_G_o");
    const auto lines = Layout(U"ab.", DT_RTLREADING);
    EXPECT_EQ(lines[0].Chars[1].X, 2) << "positions follow the display order";
}

} // namespace
} // namespace gdi::detail
