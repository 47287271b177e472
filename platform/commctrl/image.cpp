#include "platform/commctrl/image.h"

#include <algorithm>
#include <cstring>

namespace commctrl::detail {

namespace {

using gdi::kColourBits;
using gdi::kWhitePixel;

// A 32-bit layout, top row first, for reading and writing whole bitmaps.
gdi::BITMAPINFO TopDownInfo(int width, int height) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    return info;
}

// Larger bitmaps are refused rather than copied into memory whole.
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 24;

gdi::TOwnedDC MemoryDC() {
    return gdi::TOwnedDC(gdi::CreateCompatibleDC(nullptr));
}

} // namespace

TImage::TImage(int width, int height, std::vector<TPixel> colour, std::vector<std::uint8_t> mask)
    : FWidth(width), FHeight(height), FColour(std::move(colour)), FMask(std::move(mask)),
      FHasAlpha(std::any_of(FColour.begin(), FColour.end(),
                            [](TPixel p) { return (p & kAlphaBits) != 0; })) {}

TImage TImage::Scaled(int width, int height) const {
    if (width == FWidth && height == FHeight)
        return *this;
    std::vector<TPixel> colour(std::size_t(width) * std::size_t(height));
    std::vector<std::uint8_t> mask(colour.size());
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        const int sy = int(std::int64_t(y) * FHeight / height);
        for (int x = 0; x < width; ++x, ++i) {
            const int sx = int(std::int64_t(x) * FWidth / width);
            colour[i] = ColourAt(sx, sy);
            mask[i] = FMask[Index(sx, sy)];
        }
    }
    return TImage(width, height, std::move(colour), std::move(mask));
}

std::optional<TPixels> ReadBitmap(gdi::HBITMAP bitmap) {
    gdi::BITMAP shape;
    if (!gdi::GetObject(bitmap, shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0 ||
        std::int64_t(shape.bmWidth) * shape.bmHeight > kMaxPixels)
        return std::nullopt;
    TPixels pixels{shape.bmWidth, shape.bmHeight, {}};
    pixels.Data.resize(std::size_t(shape.bmWidth) * std::size_t(shape.bmHeight));
    gdi::BITMAPINFO info = TopDownInfo(shape.bmWidth, shape.bmHeight);
    const gdi::TOwnedDC dc = MemoryDC();
    if (gdi::GetDIBits(dc.Get(), bitmap, 0, gdi::UINT(shape.bmHeight), pixels.Data.data(), &info,
                       gdi::DIB_RGB_COLORS) != shape.bmHeight)
        return std::nullopt;
    return pixels;
}

TImage CutImage(const TPixels& colour, const TPixels* mask, int left, int width, int height) {
    std::vector<TPixel> cell(std::size_t(width) * std::size_t(height));
    std::vector<std::uint8_t> transparent(cell.size());
    std::size_t i = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, ++i) {
            cell[i] = colour.At(left + x, y);
            transparent[i] = mask && (mask->At(left + x, y) & kColourBits) == kWhitePixel;
        }
    return TImage(width, height, std::move(cell), std::move(transparent));
}

gdi::TOwnedBitmap MakeColourBitmap(const TImage& image) {
    const gdi::BITMAPINFO info = TopDownInfo(image.Width(), image.Height());
    void* bits = nullptr;
    gdi::TOwnedBitmap bitmap(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    if (bitmap && bits)
        std::memcpy(bits, image.Colour().data(), image.Colour().size() * sizeof(TPixel));
    return bitmap;
}

gdi::TOwnedBitmap MakeMaskBitmap(const TImage& image) {
    gdi::TOwnedBitmap bitmap(gdi::CreateBitmap(image.Width(), image.Height(), 1, 1, nullptr));
    if (!bitmap)
        return bitmap;
    std::vector<TPixel> pixels(image.Mask().size());
    std::transform(image.Mask().begin(), image.Mask().end(), pixels.begin(),
                   [](std::uint8_t transparent) { return transparent ? kWhitePixel : 0; });
    const gdi::BITMAPINFO info = TopDownInfo(image.Width(), image.Height());
    const gdi::TOwnedDC dc = MemoryDC();
    gdi::SetDIBits(dc.Get(), bitmap.Get(), 0, gdi::UINT(image.Height()), pixels.data(), &info,
                   gdi::DIB_RGB_COLORS);
    return bitmap;
}

} // namespace commctrl::detail
