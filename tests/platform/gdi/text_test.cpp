#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

using test::TCanvas;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kYellow = RGB(255, 255, 0);

TOwnedFont MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL) {
    LOGFONT log;
    log.lfFaceName = face;
    log.lfHeight = height;
    log.lfWeight = weight;
    return TOwnedFont(CreateFontIndirect(log));
}

// The smallest rectangle holding every pixel that is not `background`.
RECT InkBox(const TCanvas& canvas, COLORREF background) {
    RECT box{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != background)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

int Count(const TCanvas& canvas, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            n += canvas.At(x, y) == colour;
    return n;
}

TEST(Text, TheDefaultGuiFontIsTahomaWithACellOfThirteen) {
    TCanvas canvas(10, 10);
    TEXTMETRIC m;
    ASSERT_TRUE(GetTextMetrics(canvas.DC(), &m));
    EXPECT_EQ(m.tmHeight, 13);
    EXPECT_EQ(m.tmAscent + m.tmDescent, 13);
    EXPECT_EQ(m.tmInternalLeading, 2);
    EXPECT_GT(m.tmAveCharWidth, 0);

    TOwnedFont cell(MakeFont("Tahoma", 20));
    TSelection selected(canvas.DC(), cell.Get());
    GetTextMetrics(canvas.DC(), &m);
    EXPECT_EQ(m.tmHeight, 20) << "a positive height is the cell height";
}

TEST(Text, MeasuringIsStableAndAdditive) {
    TCanvas canvas(10, 10);
    SIZE first{}, again{}, left{}, right{};
    ASSERT_TRUE(GetTextExtentPoint32(canvas.DC(), "Disc burning tools", &first));
    GetTextExtentPoint32(canvas.DC(), "Disc burning tools", &again);
    EXPECT_EQ(first, again);
    EXPECT_EQ(first.cy, 13);
    GetTextExtentPoint32(canvas.DC(), "Disc burn", &left);
    GetTextExtentPoint32(canvas.DC(), "ing tools", &right);
    EXPECT_EQ(left.cx + right.cx, first.cx) << "no kerning between calls";

    TOwnedFont bold(MakeFont("Tahoma", -11, FW_BOLD));
    TSelection selected(canvas.DC(), bold.Get());
    SIZE heavy{};
    GetTextExtentPoint32(canvas.DC(), "Disc burning tools", &heavy);
    EXPECT_GT(heavy.cx, first.cx);
    EXPECT_EQ(heavy.cy, 13);
}

// The ink of black text on white: the sum of every pixel's darkness.
int Ink(const char* text, LONG weight) {
    TCanvas canvas(40, 16);
    canvas.Fill(kWhite);
    TOwnedFont font(MakeFont("Tahoma", -11, weight));
    TSelection selected(canvas.DC(), font.Get());
    TextOut(canvas.DC(), 2, 1, text);
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            n += 255 - GetRValue(canvas.At(x, y));
    return n;
}

TEST(Text, BoldStrokesAreMuchHeavierThanRegularOnes) {
    const int regular = Ink("lll", FW_NORMAL);
    ASSERT_GT(regular, 0);
    EXPECT_GE(Ink("lll", FW_BOLD), regular * 4 / 3) << "regular ink " << regular;
}

TEST(Text, UnknownFamiliesFallBackToAWorkingFont) {
    TCanvas canvas(60, 20);
    TOwnedFont missing(MakeFont("No Such Family 42", -11));
    TSelection selected(canvas.DC(), missing.Get());
    SIZE size{};
    GetTextExtentPoint32(canvas.DC(), "Wide", &size);
    EXPECT_GT(size.cx, 10);
    SetBkMode(canvas.DC(), TRANSPARENT);
    TextOut(canvas.DC(), 0, 0, "Wide");
    int inked = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            inked += GetRValue(canvas.At(x, y)) < 128;
    EXPECT_GT(inked, 10);
}

// Widths of 8-point Tahoma texts in the windows' layouts, as they were designed.
TEST(Text, EightPointTahomaRunsWithinTwoPercentOfTheDesignedWidths) {
    struct TDesigned {
        const char* Text;
        LONG Weight;
        int Width;
    };
    const TDesigned designed[] = {
        {"Product information", FW_BOLD, 113},
        {"Check for update", FW_BOLD, 96},
        {"To ensure you're using the latest version, click on the", FW_NORMAL, 259},
    };
    TCanvas canvas(10, 10);
    for (const TDesigned& d : designed) {
        TOwnedFont font(MakeFont("Tahoma", -11, d.Weight));
        TSelection selected(canvas.DC(), font.Get());
        SIZE size{};
        GetTextExtentPoint32(canvas.DC(), d.Text, &size);
        EXPECT_NEAR(size.cx, d.Width, d.Width * 0.02) << d.Text;
    }
}

TEST(Text, OpaqueTextFillsItsCellsAndInkStaysInside) {
    TCanvas canvas(80, 20);
    SetBkColor(canvas.DC(), kYellow);
    SIZE size{};
    GetTextExtentPoint32(canvas.DC(), "Music", &size);
    TextOut(canvas.DC(), 3, 2, "Music");
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{3, 2, 3 + size.cx, 2 + 13}));
    int dark = 0;
    for (int y = 2; y < 15; ++y)
        for (int x = 3; x < 3 + size.cx; ++x)
            dark += GetRValue(canvas.At(x, y)) < 64;
    EXPECT_GT(dark, 10) << "stems are nearly covered";
    // Transparent text leaves the background between the strokes.
    TCanvas clear(80, 20);
    SetBkMode(clear.DC(), TRANSPARENT);
    TextOut(clear.DC(), 3, 2, "Music");
    const RECT ink = InkBox(clear, kWhite);
    EXPECT_GE(ink.left, 3);
    EXPECT_LE(ink.right, 3 + size.cx + 1);
    EXPECT_GE(ink.top, 2);
    EXPECT_LE(ink.bottom, 2 + 13);
    EXPECT_EQ(Count(clear, kYellow), 0);
}

TEST(Text, AntialiasedOnColourThresholdedOnMonochrome) {
    TCanvas canvas(40, 16);
    SetBkMode(canvas.DC(), TRANSPARENT);
    TextOut(canvas.DC(), 0, 0, "Sow");
    int greys = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x)
            greys += canvas.At(x, y) != kWhite && canvas.At(x, y) != kBlack;
    EXPECT_GT(greys, 0) << "partial coverage blends";

    test::TMonoCanvas mono(40, 16);
    PatBlt(mono.DC(), 0, 0, 40, 16, WHITENESS);
    SetBkMode(mono.DC(), TRANSPARENT);
    TextOut(mono.DC(), 0, 0, "Sow");
    const std::string bits = mono.Bits();
    EXPECT_NE(bits.find('0'), std::string::npos) << "black ink on the white mask";
}

// Glyph rows are blended in groups that may run past a glyph: whatever column the clip ends
// at, the pixels inside match an unclipped drawing and those outside, fourth byte included,
// stay as they were.
TEST(Text, ClippedTextMatchesUnclippedTextAndLeavesTheRestAlone) {
    const auto background = [](int x, int y) {
        return std::uint32_t(x * 2654435761u + y * 40503u) | 0xA0000000u;
    };
    const auto paintBackground = [&](const TCanvas& canvas) {
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                canvas.Word(x, y) = background(x, y);
    };
    TCanvas whole(40, 16);
    paintBackground(whole);
    SetBkMode(whole.DC(), TRANSPARENT);
    SetTextColor(whole.DC(), RGB(20, 40, 200));
    ASSERT_TRUE(TextOut(whole.DC(), 1, 1, "Wavy"));
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x)
            inked += whole.Word(x, y) != background(x, y);
    ASSERT_GT(inked, 40) << "the text is inked";
    for (int right = 1; right < 40; ++right) {
        TCanvas clipped(40, 16);
        paintBackground(clipped);
        SetBkMode(clipped.DC(), TRANSPARENT);
        SetTextColor(clipped.DC(), RGB(20, 40, 200));
        IntersectClipRect(clipped.DC(), 0, 0, right, 16);
        TextOut(clipped.DC(), 1, 1, "Wavy");
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 40; ++x) {
                const std::uint32_t want = x < right ? whole.Word(x, y) : background(x, y);
                ASSERT_EQ(clipped.Word(x, y), want)
                    << "clip to " << right << ", pixel " << x << ", " << y;
            }
    }
}

TEST(Text, UnderlineAndStrikeOutSpanTheText) {
    LOGFONT log;
    log.lfFaceName = "Tahoma";
    log.lfHeight = -11;
    log.lfUnderline = 1;
    log.lfStrikeOut = 1;
    TOwnedFont font(CreateFontIndirect(log));
    TCanvas canvas(60, 16);
    TSelection selected(canvas.DC(), font.Get());
    SetBkMode(canvas.DC(), TRANSPARENT);
    SIZE size{};
    GetTextExtentPoint32(canvas.DC(), "a a", &size);
    TextOut(canvas.DC(), 0, 0, "a a");
    // Two full rows of ink: one below the baseline (ascent 11), one through the x-height.
    std::vector<int> fullRows;
    for (int y = 0; y < 16; ++y) {
        bool full = true;
        for (int x = 0; x < size.cx; ++x)
            full = full && canvas.At(x, y) == kBlack;
        if (full)
            fullRows.push_back(y);
    }
    ASSERT_EQ(fullRows.size(), 2u);
    EXPECT_LT(fullRows[0], 11);
    EXPECT_GE(fullRows[1], 11);
    EXPECT_EQ(canvas.At(size.cx, fullRows[1]), kWhite);
}

TEST(Text, DrawTextCalcRectMeasuresWrappedText) {
    TCanvas canvas(10, 10);
    SIZE word{};
    GetTextExtentPoint32(canvas.DC(), "Video", &word);
    RECT r{5, 7, 5 + word.cx + 2, 8};
    const int height = DrawText(canvas.DC(), "Video Video Video", &r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 3 * 13);
    EXPECT_EQ(r.bottom, 7 + 39);
    EXPECT_EQ(r.right, 5 + word.cx) << "the widest line";
    EXPECT_EQ(Count(canvas, kBlack), 0) << "nothing drawn";

    RECT single{0, 0, 1, 1};
    EXPECT_EQ(DrawText(canvas.DC(), "Video\r\nVideo Video", &single, DT_CALCRECT), 26);
    SIZE two{};
    GetTextExtentPoint32(canvas.DC(), "Video Video", &two);
    EXPECT_EQ(single.right, two.cx);
}

TEST(Text, DrawTextAlignsAndClipsToItsRectangle) {
    TCanvas canvas(100, 40);
    SetBkColor(canvas.DC(), kYellow);
    SIZE size{};
    GetTextExtentPoint32(canvas.DC(), "Tools", &size);
    RECT r{10, 5, 90, 35};
    const int offset = DrawText(canvas.DC(), "Tools", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const int left = 10 + (80 - size.cx) / 2;
    const int top = 5 + (30 - 13) / 2;
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{left, top, left + size.cx, top + 13}));
    EXPECT_EQ(offset, top + 13 - 5);

    canvas.Fill(kWhite);
    RECT right{10, 0, 90, 40};
    DrawText(canvas.DC(), "Tools", &right, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{90 - size.cx, 27, 90, 40}));

    canvas.Fill(kWhite);
    RECT narrow{0, 0, 8, 5};
    DrawText(canvas.DC(), "Tools", &narrow, DT_LEFT);
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{0, 0, 8, 5}));
    canvas.Fill(kWhite);
    DrawText(canvas.DC(), "Tools", &narrow, DT_LEFT | DT_NOCLIP);
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{0, 0, size.cx, 13}));
}

TEST(Text, PrefixUnderlinesOneCharacter) {
    TCanvas plain(60, 16), marked(60, 16), hidden(60, 16);
    RECT r{0, 0, 60, 16};
    SetBkMode(plain.DC(), TRANSPARENT);
    SetBkMode(marked.DC(), TRANSPARENT);
    SetBkMode(hidden.DC(), TRANSPARENT);
    DrawText(plain.DC(), "Help", &r, 0);
    DrawText(marked.DC(), "&Help", &r, 0);
    DrawText(hidden.DC(), "&Help", &r, DT_HIDEPREFIX);
    SIZE h{};
    GetTextExtentPoint32(plain.DC(), "H", &h);
    int differing = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 60; ++x) {
            EXPECT_EQ(plain.At(x, y), hidden.At(x, y));
            if (plain.At(x, y) != marked.At(x, y)) {
                ++differing;
                EXPECT_LT(x, h.cx) << "only under the H";
                EXPECT_GE(y, 11) << "below the baseline";
            }
        }
    EXPECT_GE(differing, h.cx - 1);
}

// The advance TextOut reports is the extent of the same text, whatever it holds and whatever
// the surface's density.
TEST(Text, TextOutAdvancesByTheTextsExtent) {
    for (int scale : {1, 2})
        for (std::string_view text :
             {"", "Burn", "a a\tb", "\xFF\xFE bad \xC3", "\xE2\x82\xAC 5"}) {
            TCanvas canvas(40, 20, RGB(255, 255, 255), scale);
            SIZE size{};
            ASSERT_TRUE(GetTextExtentPoint32(canvas.DC(), text, &size));
            int advance = -1;
            ASSERT_TRUE(TextOut(canvas.DC(), 1, 2, text, &advance));
            EXPECT_EQ(advance, size.cx) << text << " at scale " << scale;
        }
}

TEST(Text, InvalidInputDrawsNothing) {
    TCanvas canvas(10, 10);
    EXPECT_FALSE(TextOut(nullptr, 0, 0, "x"));
    EXPECT_EQ(DrawText(canvas.DC(), "x", nullptr, 0), 0);
    EXPECT_FALSE(GetTextMetrics(canvas.DC(), nullptr));
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(DrawText(canvas.DC(), "", &r, DT_CALCRECT), 0);
    EXPECT_EQ(r, (RECT{0, 0, 0, 0}));
    TextOut(canvas.DC(), 0, 0, "\xFF\xFE bad \xC3");
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32(canvas.DC(), "\xE2\x82", &size));
    EXPECT_GT(size.cx, 0) << "a malformed sequence shows as one replacement character";
}

} // namespace
} // namespace gdi
