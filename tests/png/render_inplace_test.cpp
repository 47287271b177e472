// Blending an image in place on a 32-bit surface must write what blending through a scratch
// copy writes. A 24-bit surface always takes the scratch copy, so the same drawing on both,
// over the same colours, is compared pixel by pixel; the 32-bit surface's fourth bytes,
// which no blend touches, must come through unchanged.

#include "png/pngobject.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/png/png_test_support.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace pngtest;
using gdi::RECT;

constexpr int kWidth = 23, kHeight = 17;

// A byte that differs from pixel to pixel and from channel to channel.
std::uint8_t Pattern(int x, int y, int channel) {
    return std::uint8_t(37 * x + 91 * y + 53 * channel + x * y);
}

// A top-down section of `bits` per pixel in its own context, filled with the pattern.
class TSurface {
public:
    explicit TSurface(int bits) : FBits(bits) {
        const gdi::BITMAPINFO info = gdi::test::DibInfo(kWidth, -kHeight, bits);
        FBitmap.Reset(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &FMemory));
        FDC.Reset(gdi::CreateCompatibleDC(nullptr));
        if (!FBitmap || !FDC || !gdi::SelectObject(FDC.Get(), FBitmap.Get()))
            throw std::runtime_error("test surface");
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                for (int c = 0; c < bits / 8; ++c)
                    *Byte(x, y, c) = Pattern(x, y, c);
    }
    gdi::HDC DC() const { return FDC.Get(); }
    std::uint8_t* Byte(int x, int y, int channel) const {
        const std::size_t stride = (std::size_t(kWidth) * std::size_t(FBits) / 8 + 3) / 4 * 4;
        return static_cast<std::uint8_t*>(FMemory) + std::size_t(y) * stride +
               std::size_t(x) * std::size_t(FBits / 8) + std::size_t(channel);
    }

private:
    int FBits;
    void* FMemory = nullptr;
    gdi::TOwnedBitmap FBitmap;
    gdi::TOwnedDC FDC;
};

// 9 x 6 images with alpha of every kind the blend reads: RGBA, grey with alpha, a full
// 16-colour palette (blended in place) and a short 8-bit one (which always takes the copy).
std::vector<TBytes> AlphaImages() {
    std::vector<TBytes> rgba, grey, nibbles, bytes;
    TBytes plte, trns;
    for (std::uint8_t i = 0; i < 16; ++i) {
        plte.insert(plte.end(), {std::uint8_t(17 * i), std::uint8_t(255 - 9 * i), 77});
        trns.push_back(std::uint8_t(i == 3 ? 0 : i == 7 ? 255 : 16 * i + 5));
    }
    for (int y = 0; y < 6; ++y) {
        TBytes rgbaRow, greyRow, nibbleRow, byteRow;
        for (int x = 0; x < 9; ++x) {
            const auto v = std::uint8_t(9 * y + x);
            const auto alpha = std::uint8_t(v % 5 == 0 ? 0 : v % 7 == 0 ? 255 : 29 * v);
            rgbaRow.insert(rgbaRow.end(), {std::uint8_t(7 * v), std::uint8_t(255 - 3 * v),
                                           std::uint8_t(v * v), alpha});
            greyRow.insert(greyRow.end(), {std::uint8_t(11 * v), alpha});
            if (x % 2 == 0)
                nibbleRow.push_back(std::uint8_t((v % 16) << 4));
            else
                nibbleRow.back() |= std::uint8_t(v % 16);
            byteRow.push_back(std::uint8_t(v % 16));
        }
        rgba.push_back(rgbaRow);
        grey.push_back(greyRow);
        nibbles.push_back(nibbleRow);
        bytes.push_back(byteRow);
    }
    const auto png = [&](std::uint8_t depth, std::uint8_t type, const std::vector<TBytes>& rows) {
        TPngBuilder builder;
        builder.Header(9, 6, depth, type);
        if (type == 3)
            builder.Chunk("PLTE", plte).Chunk("tRNS", trns);
        return builder.ImageData(Deflate(UnfilteredRows(rows))).End().Bytes();
    };
    return {png(8, 6, rgba), png(8, 4, grey), png(4, 3, nibbles), png(8, 3, bytes)};
}

struct TPlacement {
    const char* Name;
    RECT Where;
    std::function<void(gdi::HDC)> Prepare;
};

const std::vector<TPlacement>& Placements() {
    static const std::vector<TPlacement> placements = {
        {"inside", {4, 3, 13, 9}, [](gdi::HDC) {}},
        {"over the top left corner", {-4, -2, 5, 4}, [](gdi::HDC) {}},
        {"over the bottom right corner", {18, 13, 27, 19}, [](gdi::HDC) {}},
        {"clipped to a rectangle",
         {3, 2, 12, 8},
         [](gdi::HDC dc) { gdi::IntersectClipRect(dc, 5, 3, 10, 7); }},
        {"around a hole, at an origin",
         {1, 1, 10, 7},
         [](gdi::HDC dc) {
             gdi::SetViewportOrgEx(dc, 6, 5, nullptr);
             gdi::ExcludeClipRect(dc, 3, 2, 6, 4);
             gdi::ExcludeClipRect(dc, 8, 5, 20, 20);
         }},
        {"clipped away",
         {4, 3, 13, 9},
         [](gdi::HDC dc) { gdi::IntersectClipRect(dc, 15, 0, 20, 5); }},
    };
    return placements;
}

TEST(RenderInPlace, BlendingIn32BitMemoryWritesWhatTheScratchCopyWrites) {
    int changed = 0;
    for (const TBytes& bytes : AlphaImages()) {
        TPNGObject image;
        ReadPng(image, bytes);
        ASSERT_EQ(image.Transparency(), trAlpha);
        for (const TPlacement& placement : Placements()) {
            TSurface copied(24), inPlace(32);
            placement.Prepare(copied.DC());
            placement.Prepare(inPlace.DC());
            image.DrawOnDC(copied.DC(), placement.Where);
            image.DrawOnDC(inPlace.DC(), placement.Where);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) {
                    for (int c = 0; c < 3; ++c) {
                        ASSERT_EQ(*inPlace.Byte(x, y, c), *copied.Byte(x, y, c))
                            << "colour type " << int(image.HeaderChunk().ColourType()) << " "
                            << placement.Name << " at " << x << "," << y << " channel " << c;
                        changed += *copied.Byte(x, y, c) != Pattern(x, y, c);
                    }
                    ASSERT_EQ(*inPlace.Byte(x, y, 3), Pattern(x, y, 3)) << x << "," << y;
                }
        }
    }
    // The comparison means something only if the drawings changed pixels.
    EXPECT_GT(changed, 400);
}

} // namespace
