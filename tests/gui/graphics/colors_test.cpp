#include "gui/graphics/colors.h"

#include <gtest/gtest.h>

namespace {

using gdi::RGB;

TEST(SystemColours, ColorToRGBResolvesOnlySystemColours) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clHighlightText), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clGrayText), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
}

} // namespace
