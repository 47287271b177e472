// Frames and focus dots, pixel by pixel on small bitmaps.

#include "buttons/colors.h"
#include "buttons/frames.h"
#include "pictures.h"

#include <gtest/gtest.h>

namespace buttontest {
namespace {

constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);
const std::map<gdi::COLORREF, char> kRedBlue{{0xFFFFFF, '.'}, {kRed, 'r'}, {kBlue, 'b'}};

TEST(Frames, EdgesGiveTheSharedCornersToTheBottomRightColour) {
    auto bitmap = Surface(6, 5);
    TCanvas& canvas = bitmap->Canvas();
    EXPECT_EQ(DrawEdges(canvas, Rect(0, 0, 6, 5), kRed, edAll, kBlue), Rect(1, 1, 5, 4));
    EXPECT_EQ(Picture(canvas, Rect(0, 0, 6, 5), kRedBlue), "rrrrrb|r....b|r....b|r....b|bbbbbb");
}

TEST(Frames, EdgesWithoutATopLeftColourDrawOnlyTheOthersButShrinkOnEveryEdge) {
    auto bitmap = Surface(5, 4);
    TCanvas& canvas = bitmap->Canvas();
    EXPECT_EQ(DrawEdges(canvas, Rect(0, 0, 5, 4), clNone, edAll, kBlue), Rect(1, 1, 4, 3));
    EXPECT_EQ(Picture(canvas, Rect(0, 0, 5, 4), kRedBlue), "....b|....b|....b|bbbbb");
    // Edges not asked for are neither drawn nor taken off.
    auto other = Surface(5, 4);
    EXPECT_EQ(DrawEdges(other->Canvas(), Rect(0, 0, 5, 4), kRed, {edLeft, edBottom}, kBlue),
              Rect(1, 0, 5, 3));
    EXPECT_EQ(Picture(other->Canvas(), Rect(0, 0, 5, 4), kRedBlue), "r....|r....|r....|bbbbb");
}

TEST(Frames, FocusDotsSitOnEveryOtherPixelWhateverWasThere) {
    auto bitmap = Surface(10, 10);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetColor(kRed);
    canvas.FrameRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(DrawFocusDots(canvas, Rect(0, 0, 10, 10)), Rect(1, 1, 9, 9));
    // Dots at odd offsets along each side; the red on the even ones stays.
    const std::string expected = "r#r#r#r#r#|"
                                 "#........#|"
                                 "r........r|"
                                 "#........#|"
                                 "r........r|"
                                 "#........#|"
                                 "r........r|"
                                 "#........#|"
                                 "r........r|"
                                 "##r#r#r#r#";
    EXPECT_EQ(Picture(canvas, Rect(0, 0, 10, 10), {{0, '#'}, {0xFFFFFF, '.'}, {kRed, 'r'}}),
              expected);
}

const std::map<gdi::COLORREF, char> kSystemKey{
    {Sys(gdi::COLOR_BTNHIGHLIGHT), 'h'}, {Sys(gdi::COLOR_3DDKSHADOW), 'd'},
    {Sys(gdi::COLOR_3DLIGHT), 'l'},      {Sys(gdi::COLOR_BTNSHADOW), 's'},
    {Sys(gdi::COLOR_BTNTEXT), 't'},      {0x00FF00, '.'}};

std::string Framed(TRect (*draw)(TCanvas&, const TRect&), TRect expectedInside) {
    auto bitmap = Surface(6, 6, clLime);
    EXPECT_EQ(draw(bitmap->Canvas(), Rect(0, 0, 6, 6)), expectedInside);
    return Picture(bitmap->Canvas(), Rect(0, 0, 6, 6), kSystemKey);
}

TEST(Frames, ButtonAnd3DFramesTakeTheirRingsFromTheirTables) {
    const auto up = [](TCanvas& c, const TRect& r) { return DrawButtonFrame(c, r, false); };
    const auto pressed = [](TCanvas& c, const TRect& r) { return DrawButtonFrame(c, r, true); };
    const auto raised = [](TCanvas& c, const TRect& r) { return DrawFrame(c, r, flRaised); };
    const auto sunken = [](TCanvas& c, const TRect& r) { return DrawFrame(c, r, flLowered); };
    EXPECT_EQ(Framed(up, Rect(2, 2, 4, 4)), "hhhhhd|hlllsd|hl..sd|hl..sd|hssssd|dddddd");
    EXPECT_EQ(Framed(pressed, Rect(2, 2, 4, 4)), "tttttt|tsssst|ts..st|ts..st|tsssst|tttttt");
    EXPECT_EQ(Framed(raised, Rect(2, 2, 4, 4)), "llllld|lhhhsd|lh..sd|lh..sd|lssssd|dddddd");
    EXPECT_EQ(Framed(sunken, Rect(2, 2, 4, 4)), "sssssh|sdddlh|sd..lh|sd..lh|sllllh|hhhhhh");
}

TEST(Frames, EtchedFramesTurnTheirCornersWhereASideIsMissing) {
    const auto groove = [](TCanvas& c, const TRect& r) { return DrawFrame(c, r, flGroove); };
    EXPECT_EQ(Framed(groove, Rect(2, 2, 4, 4)), "sssssh|shhhsh|sh..sh|sh..sh|sssssh|hhhhhh");
    auto bitmap = Surface(6, 6, clLime);
    EXPECT_EQ(DrawFrameEdges(bitmap->Canvas(), Rect(0, 0, 6, 6), flGroove, {edLeft, edTop}),
              Rect(2, 2, 6, 6));
    EXPECT_EQ(Picture(bitmap->Canvas(), Rect(0, 0, 6, 6), kSystemKey),
              "ssssss|shhhhh|sh....|sh....|sh....|sh....");
}

TEST(Frames, TintedFramesDeriveTheirColoursFromTheBase) {
    const TColor base = gdi::RGB(40, 120, 200);
    auto bitmap = Surface(6, 6, clLime);
    TCanvas& canvas = bitmap->Canvas();
    EXPECT_EQ(DrawTintedButtonFrame(canvas, Rect(0, 0, 6, 6), base, false), Rect(2, 2, 4, 4));
    EXPECT_EQ(canvas.Pixels(0, 0), Lighten(base, 100));
    EXPECT_EQ(canvas.Pixels(5, 0), Darken(base, 100));
    EXPECT_EQ(canvas.Pixels(1, 1), Lighten(base, 40));
    EXPECT_EQ(canvas.Pixels(4, 4), Darken(base, 50));
    DrawTintedFrame(canvas, Rect(0, 0, 6, 6), base, flButtonDown);
    EXPECT_EQ(canvas.Pixels(0, 0), Darken(base, 100));
    EXPECT_EQ(canvas.Pixels(1, 1), Darken(base, 50));
    DrawTintedFrame(canvas, Rect(0, 0, 6, 6), base, flLowered);
    EXPECT_EQ(canvas.Pixels(0, 1), Darken(base, 50));
    EXPECT_EQ(canvas.Pixels(5, 1), Lighten(base, 100));
    EXPECT_EQ(canvas.Pixels(1, 2), Darken(base, 100));
    EXPECT_EQ(canvas.Pixels(4, 2), Lighten(base, 50));
    EXPECT_EQ(DrawTintedFrame(canvas, Rect(0, 0, 6, 6), base, flFlatDouble), Rect(2, 2, 4, 4));
    EXPECT_EQ(canvas.Pixels(1, 3), Darken(base, 50));
    // Past the table the tinted frame is etched like a bump.
    EXPECT_EQ(DrawTintedFrame(canvas, Rect(0, 0, 6, 6), base, TFrameLook(11)), Rect(2, 2, 4, 4));
    EXPECT_EQ(canvas.Pixels(0, 2), Lighten(base, 100));
    EXPECT_EQ(canvas.Pixels(1, 2), Darken(base, 50));
    EXPECT_EQ(DrawTintedFrame(canvas, Rect(0, 0, 6, 6), base, flNone), Rect(0, 0, 6, 6));
}

} // namespace
} // namespace buttontest
