#include "platform/gdi/coverage_blend.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace gdi::detail {
namespace {

// The blend as text has always been defined, channel by channel with a division.
TPixel Expected(TPixel pixel, TPixel ink, int coverage) {
    TPixel out = pixel & 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8) {
        const int p = int((pixel >> shift) & 0xFF);
        const int i = int((ink >> shift) & 0xFF);
        out |= TPixel((i * coverage + p * (255 - coverage) + 127) / 255) << shift;
    }
    return out;
}

// Every channel value under every ink value at every coverage, with each row long enough
// for the vector path and a tail.
TEST(CoverageBlend, MatchesTheDividingBlendForEveryChannelAndCoverage) {
    std::vector<TPixel> row(256);
    std::vector<std::uint8_t> coverage(256);
    for (int ink = 0; ink < 256; ++ink) {
        const TPixel inkPixel = TPixel(ink) | TPixel(255 - ink) << 8 | TPixel(ink ^ 0x5A) << 16;
        for (int c = 0; c < 256; ++c) {
            for (int p = 0; p < 256; ++p) {
                row[std::size_t(p)] =
                    TPixel(p) | TPixel(255 - p) << 8 | TPixel(p ^ 0xA5) << 16 | TPixel(p) << 24;
                coverage[std::size_t(p)] = std::uint8_t(c);
            }
            const std::vector<TPixel> before = row;
            BlendCoverage(row.data(), coverage.data(), 255, inkPixel);
            for (int p = 0; p < 255; ++p)
                ASSERT_EQ(row[std::size_t(p)], Expected(before[std::size_t(p)], inkPixel, c))
                    << "ink " << ink << ", coverage " << c << ", pixel " << p;
            ASSERT_EQ(row[255], before[255]) << "the pixel past the count is left alone";
        }
    }
}

// Mixed coverages at every start offset and length up to 21, so runs of zero coverage next
// to inked pixels, and tails of every length, are covered.
TEST(CoverageBlend, MixedRowsAtEveryOffsetAndLength) {
    std::mt19937 random(7);
    std::vector<TPixel> row(32);
    std::vector<std::uint8_t> coverage(32);
    for (int round = 0; round < 200; ++round) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            row[i] = TPixel(random());
            const unsigned pick = random() % 4;
            coverage[i] = pick == 0 ? 0 : pick == 1 ? 255 : std::uint8_t(random());
        }
        const TPixel ink = TPixel(random()) & kColourBits;
        for (int start = 0; start < 8; ++start)
            for (int n = 0; n <= 21; ++n) {
                std::vector<TPixel> blended = row;
                BlendCoverage(blended.data() + start, coverage.data() + start, n, ink);
                for (int i = 0; i < int(row.size()); ++i) {
                    const bool inside = i >= start && i < start + n;
                    const TPixel want =
                        inside ? Expected(row[std::size_t(i)], ink, coverage[std::size_t(i)])
                               : row[std::size_t(i)];
                    ASSERT_EQ(blended[std::size_t(i)], want)
                        << "start " << start << ", count " << n << ", pixel " << i;
                }
            }
    }
}

} // namespace
} // namespace gdi::detail
