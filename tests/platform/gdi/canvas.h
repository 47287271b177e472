#pragma once
// Test surfaces: a top-down DIB section selected into its own memory context, read and
// written through its pixel memory so checks do not depend on the engine's own readers.

#include "platform/gdi/owned.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace gdi::test {

inline BITMAPINFO DibInfo(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = WORD(bitsPerPixel);
    return info;
}

// Width and Height count pixels; a canvas of scale s addresses one logical pixel per s x s.
class TCanvas {
public:
    TCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255), int scale = 1)
        : FWidth(width * scale), FHeight(height * scale) {
        BITMAPINFO topDown = DibInfo(FWidth, -FHeight, 32);
        FBitmap.Reset(CreateDIBSection(nullptr, &topDown, DIB_RGB_COLORS, &FBits));
        FDC.Reset(CreateCompatibleDC(nullptr));
        if (!FBitmap || !FDC || !SetBitmapScale(FBitmap.Get(), scale) ||
            !SelectObject(FDC.Get(), FBitmap.Get()))
            throw std::runtime_error("test canvas");
        Fill(fill);
    }

    HDC DC() const { return FDC.Get(); }
    HBITMAP Bitmap() const { return FBitmap.Get(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    std::uint32_t& Word(int x, int y) const {
        return static_cast<std::uint32_t*>(FBits)[std::size_t(y) * std::size_t(FWidth) + x];
    }
    COLORREF At(int x, int y) const {
        const std::uint32_t w = Word(x, y);
        return RGB(BYTE(w >> 16), BYTE(w >> 8), BYTE(w));
    }
    void Set(int x, int y, COLORREF c) const {
        Word(x, y) = GetBValue(c) | (GetGValue(c) << 8) | (std::uint32_t(GetRValue(c)) << 16);
    }
    void Fill(COLORREF c) const {
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x)
                Set(x, y, c);
    }
    // The picture as one character per pixel, rows separated by '|': `ink` as '#', others '.'.
    std::string Picture(COLORREF ink) const {
        std::string out;
        for (int y = 0; y < FHeight; ++y) {
            if (y)
                out += '|';
            for (int x = 0; x < FWidth; ++x)
                out += At(x, y) == ink ? '#' : '.';
        }
        return out;
    }

private:
    int FWidth;
    int FHeight;
    void* FBits = nullptr;
    TOwnedBitmap FBitmap;
    TOwnedDC FDC;
};

// A device monochrome bitmap selected into its own context.
class TMonoCanvas {
public:
    TMonoCanvas(int width, int height) : FWidth(width), FHeight(height) {
        FBitmap.Reset(CreateBitmap(width, height, 1, 1, nullptr));
        FDC.Reset(CreateCompatibleDC(nullptr));
        SelectObject(FDC.Get(), FBitmap.Get());
    }
    HDC DC() const { return FDC.Get(); }
    HBITMAP Bitmap() const { return FBitmap.Get(); }
    // The bits as '1' and '0', read back through a 1-bpp request.
    std::string Bits() const {
        BITMAPINFO info = DibInfo(FWidth, -FHeight, 1);
        const std::size_t stride = (std::size_t(FWidth) + 31) / 32 * 4;
        std::vector<std::uint8_t> rows(stride * std::size_t(FHeight));
        GetDIBits(FDC.Get(), FBitmap.Get(), 0, UINT(FHeight), rows.data(), &info, DIB_RGB_COLORS);
        std::string out;
        for (int y = 0; y < FHeight; ++y) {
            if (y)
                out += '|';
            for (int x = 0; x < FWidth; ++x)
                out += (rows[std::size_t(y) * stride + std::size_t(x / 8)] >> (7 - x % 8)) & 1
                           ? '1'
                           : '0';
        }
        return out;
    }

private:
    int FWidth;
    int FHeight;
    TOwnedBitmap FBitmap;
    TOwnedDC FDC;
};

} // namespace gdi::test
