// Undoing the row filters against the format's formulas written out byte by byte, for every
// pixel stride and filter type, at lengths around the vector code's pixel blocks: every byte
// is checked, also the low bytes of 16-bit samples, which decoded pixels do not show.

#include "png/unfilter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

int PaethPredictor(int a, int b, int c) {
    const int estimate = a + b - c;
    const int pa = std::abs(estimate - a), pb = std::abs(estimate - b), pc = std::abs(estimate - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// The row's data bytes unfiltered as the format defines it.
TBytes Reference(const TBytes& row, const TBytes& previous, std::size_t length,
                 std::size_t stride) {
    TBytes r(row.begin() + 1, row.begin() + 1 + std::ptrdiff_t(length));
    const std::uint8_t* p = previous.data() + 1;
    for (std::size_t i = 0; i < length; ++i) {
        const int a = i >= stride ? r[i - stride] : 0;
        const int c = i >= stride ? p[i - stride] : 0;
        int add = 0;
        switch (row[0]) {
        case 1:
            add = a;
            break;
        case 2:
            add = p[i];
            break;
        case 3:
            add = (a + p[i]) / 2;
            break;
        case 4:
            add = PaethPredictor(a, p[i], c);
            break;
        default:
            break;
        }
        r[i] = std::uint8_t(r[i] + add);
    }
    return r;
}

TEST(Unfilter, EveryStrideAndFilterMatchesTheFormulas) {
    std::mt19937 random(9);
    for (const std::size_t stride : {1u, 2u, 3u, 4u, 6u, 8u})
        for (std::size_t pixels = 1; pixels <= 21; ++pixels)
            for (int filter = 0; filter <= 5; ++filter) {
                const std::size_t length = pixels * stride;
                TBytes row(1 + length + png::RowPadding), previous(row.size());
                for (std::size_t i = 0; i < row.size(); ++i) {
                    row[i] = std::uint8_t(random());
                    previous[i] = std::uint8_t(random());
                }
                row[0] = std::uint8_t(filter);
                const TBytes expected = Reference(row, previous, length, stride);
                const TBytes beyond(row.begin() + 1 + std::ptrdiff_t(length), row.end());
                png::UnfilterRow(row.data(), previous.data(), length, stride);
                ASSERT_EQ(TBytes(row.begin() + 1, row.begin() + 1 + std::ptrdiff_t(length)),
                          expected)
                    << "stride " << stride << " pixels " << pixels << " filter " << filter;
                ASSERT_EQ(TBytes(row.begin() + 1 + std::ptrdiff_t(length), row.end()), beyond)
                    << "wrote past the row: stride " << stride << " pixels " << pixels;
            }
}

} // namespace
