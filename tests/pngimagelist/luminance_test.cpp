// The grey level of DesaturatePng, against the arithmetic it stands for: extended-precision
// floating point, where the host has it.

#include "pngimagelist/pngfunctions.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Luminance, RoundsTheWeightedSumAsExtendedPrecisionDoes) {
    EXPECT_EQ(Luminance(0, 0, 0), 0);
    EXPECT_EQ(Luminance(255, 255, 255), 255);
    EXPECT_EQ(Luminance(255, 0, 0), 76);  // 76.5, just below in binary
    EXPECT_EQ(Luminance(0, 255, 0), 150); // 150.45
    EXPECT_EQ(Luminance(0, 0, 255), 28);  // 28.05
    // Sums of exactly x.5 in decimal fall a little below or above in binary, whatever the
    // parity of x; these are the ones where double precision would round the other way.
    EXPECT_EQ(Luminance(0, 5, 5), 3);
    EXPECT_EQ(Luminance(0, 19, 39), 15);
    EXPECT_EQ(Luminance(0, 28, 118), 29);
    EXPECT_EQ(Luminance(0, 38, 28), 25);
}

TEST(Luminance, AgreesWithTheHostsExtendedPrecisionAtEveryDecimalHalf) {
#if LDBL_MANT_DIG != 64
    GTEST_SKIP() << "long double has no 64-bit significand on this host";
#else
    int compared = 0;
    int differing = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                // Exact halves, and a sample of everything else.
                if ((30 * r + 59 * g + 11 * b) % 100 != 50 && (r + g + b) % 61 != 0)
                    continue;
                ++compared;
                const long double sum = r * 0.3L + g * 0.59L + b * 0.11L;
                const auto expected = int(std::nearbyintl(sum));
                const int actual = Luminance(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                if (actual != expected && ++differing <= 5)
                    ADD_FAILURE() << "(" << r << ", " << g << ", " << b << "): " << actual
                                  << " instead of " << expected;
            }
    EXPECT_GT(compared, 400000);
    EXPECT_EQ(differing, 0);
#endif
}

} // namespace
