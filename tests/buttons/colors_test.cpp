// The colour arithmetic: the hue-saturation-luminance conversions with their rounding, and
// the colour functions at their limits.

#include "buttons/colors.h"

#include <gtest/gtest.h>

namespace {

TEST(Colors, ConvertsToHueSaturationLuminanceWithHalvesToEven) {
    EXPECT_EQ(ColorToHueSatLum(clWhite), (THueSatLum{0, 0, 240}));
    EXPECT_EQ(ColorToHueSatLum(clBlack), (THueSatLum{0, 0, 0}));
    EXPECT_EQ(ColorToHueSatLum(clRed), (THueSatLum{0, 240, 120}));
    EXPECT_EQ(ColorToHueSatLum(clBlue), (THueSatLum{160, 240, 120}));
    // System colours are resolved first: the button face is (212, 208, 200).
    EXPECT_EQ(ColorToHueSatLum(clBtnFace), (THueSatLum{27, 29, 194}));
    // Grey 128 has luminance 120.47..., and a slightly green red and a slightly blue red lie
    // one step either side of hue 0.
    EXPECT_EQ(ColorToHueSatLum(clGray), (THueSatLum{0, 0, 120}));
    EXPECT_EQ(HueOfColor(gdi::RGB(255, 6, 0)), 1);
    EXPECT_EQ(HueOfColor(gdi::RGB(255, 0, 6)), 239);
}

TEST(Colors, ConvertsBackWithHuesOver239) {
    // Greys: L x 255 / 240, where 8.5 and 42.5 round to the even neighbour.
    EXPECT_EQ(HueSatLumToColor(0, 0, 8), gdi::RGB(8, 8, 8));
    EXPECT_EQ(HueSatLumToColor(0, 0, 24), gdi::RGB(26, 26, 26));
    EXPECT_EQ(HueSatLumToColor(0, 0, 40), gdi::RGB(42, 42, 42));
    EXPECT_EQ(HueSatLumToColor(0, 0, 120), gdi::RGB(128, 128, 128));
    EXPECT_EQ(HueSatLumToColor(100, 240, 0), clBlack);
    // The circle has 239 steps, so the 240-scale hues of green and blue come out tinted.
    EXPECT_EQ(HueSatLumToColor(80, 240, 120), gdi::RGB(0, 255, 2));
    EXPECT_EQ(HueSatLumToColor(160, 240, 120), gdi::RGB(4, 0, 255));
    // Hue bytes 239 and above take the red sextant's arrangement.
    EXPECT_EQ(HueSatLumToColor(239, 240, 120), clRed);
    EXPECT_EQ(HueSatLumToColor(240, 240, 120), gdi::RGB(255, 6, 0));
    EXPECT_EQ(HueSatLumToColor(255, 240, 120), gdi::RGB(255, 102, 0));
}

TEST(Colors, DarkenAndLightenStopAtTheirLimits) {
    for (const TColor colour : {clWhite, clRed, clBtnFace, TColor(gdi::RGB(10, 200, 90))})
        EXPECT_EQ(Darken(colour, 255), clBlack) << std::hex << colour;
    // Luminance may pass 240 on its way to 255; the conversion clamps it to white.
    EXPECT_EQ(Lighten(clWhite, 30), clWhite);
    EXPECT_EQ(Lighten(clGray, 255), clWhite);
    EXPECT_EQ(Darken(clBtnFace, 20), gdi::RGB(193, 188, 176));
    EXPECT_EQ(Lighten(clBtnFace, 30), gdi::RGB(240, 239, 236));
}

TEST(Colors, MixesByWeightAfterResolvingSystemColours) {
    const TColor a = gdi::RGB(200, 10, 90);
    const TColor b = gdi::RGB(20, 240, 30);
    EXPECT_EQ(MixColors(a, b, 255), a);
    EXPECT_EQ(MixColors(a, b, 0), b);
    EXPECT_EQ(MixColors(clBtnFace, clBlack, 255), gdi::RGB(212, 208, 200));
    EXPECT_EQ(MixColors(clWhite, clBlack, 128), gdi::RGB(128, 128, 128));
    EXPECT_EQ(MixColors(clWhite, clBlack, 127), gdi::RGB(127, 127, 127));
    EXPECT_EQ(MixColors(a, b, 64), gdi::RGB(65, 182, 45));
}

TEST(Colors, IndistinctHuesDoNotWrapRoundTheCircle) {
    const TColor hue1 = gdi::RGB(255, 6, 0);
    const TColor hue239 = gdi::RGB(255, 0, 6);
    EXPECT_FALSE(ColorsIndistinct(hue1, hue239));
    EXPECT_TRUE(ColorsIndistinct(hue1, clRed));
    EXPECT_TRUE(ColorsIndistinct(clGray, gdi::RGB(65, 65, 65)));  // luminance 59 apart
    EXPECT_FALSE(ColorsIndistinct(clGray, gdi::RGB(64, 64, 64))); // 60 apart
    EXPECT_FALSE(ColorsIndistinct(clBtnFace, clGrayText));
}

TEST(Colors, ComplementsLieHalfWayRoundTheCircle) {
    // Red (0) becomes hue 120, cyan on the 239-step circle; blue (160) becomes 40.
    EXPECT_EQ(ComplementOf(clRed, 120), HueSatLumToColor(120, 240, 120));
    EXPECT_EQ(ComplementOf(clBlue, 60), HueSatLumToColor(40, 240, 60));
    EXPECT_EQ(ComplementOf(clRed, 0), clBlack);
}

TEST(Colors, TheScreenOfThisPlatformHasNoPalette) {
    EXPECT_TRUE(IsHighColorDisplay());
    EXPECT_TRUE(HighColorFlag());
}

} // namespace
