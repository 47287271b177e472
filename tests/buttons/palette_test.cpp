// The styled buttons on a display with a palette: the whole program sees a 256-colour screen
// from the start, as the high-colour flag is decided once.

#include "buttons/colors.h"
#include "buttons/gradients.h"
#include "pictures.h"
#include "platform/system/answers.h"

#include <gtest/gtest.h>

namespace buttontest {
namespace {

class PaletteDisplay : public ::testing::Environment {
public:
    void SetUp() override { platform::Answers().DisplayBitsPerPixel = 8; }
};

const auto* const kDisplay = ::testing::AddGlobalTestEnvironment(new PaletteDisplay);

TEST(PaletteDisplay, GradientRingsAreLeftOut) {
    EXPECT_FALSE(IsHighColorDisplay());
    EXPECT_FALSE(HighColorFlag());
    auto bitmap = Surface(10, 10);
    DrawGradientRing(bitmap->Canvas(), Rect(0, 0, 10, 10), gsVertical, clRed, clBlue);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(bitmap->Canvas().Pixels(x, y), clWhite);
    // Plain gradients are still drawn.
    DrawGradient(bitmap->Canvas(), Rect(0, 0, 10, 10), gsVertical, clRed, clRed, 0);
    EXPECT_EQ(bitmap->Canvas().Pixels(5, 5), clRed);
}

} // namespace
} // namespace buttontest
