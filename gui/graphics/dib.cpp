#include "gui/graphics/dib.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"
#include "platform/gdi/owned.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

constexpr gdi::RGBQUAD Quad(gdi::BYTE red, gdi::BYTE green, gdi::BYTE blue) {
    return {blue, green, red, 0};
}

// The sixteen colours of the standard 4-bit table, in the platform's order.
constexpr gdi::RGBQUAD StandardColors[16] = {
    Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
    Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
    Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
    Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};

// Reading a bitmap copies it whole; beyond this many pixels the platform could not have made
// the bitmap in the first place.
constexpr std::int64_t MaxPixels = std::int64_t(1) << 28;

int SquaredDistance(std::uint32_t pixel, const gdi::RGBQUAD& entry) {
    const int blue = int(pixel & 0xFF) - entry.rgbBlue;
    const int green = int((pixel >> 8) & 0xFF) - entry.rgbGreen;
    const int red = int((pixel >> 16) & 0xFF) - entry.rgbRed;
    return blue * blue + green * green + red * red;
}

} // namespace

std::int64_t BytesPerScanLine(std::int64_t width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

std::vector<gdi::RGBQUAD> StandardColorTable(int bitCount) {
    switch (bitCount) {
    case 1:
        return {Quad(0, 0, 0), Quad(255, 255, 255)};
    case 4:
        return {std::begin(StandardColors), std::end(StandardColors)};
    case 8: {
        std::vector<gdi::RGBQUAD> table(std::begin(StandardColors), std::end(StandardColors));
        for (int red = 0; red < 6; ++red)
            for (int green = 0; green < 6; ++green)
                for (int blue = 0; blue < 6; ++blue)
                    table.push_back(
                        Quad(gdi::BYTE(red * 51), gdi::BYTE(green * 51), gdi::BYTE(blue * 51)));
        for (int grey = 8; table.size() < 256; grey += 10)
            table.push_back(Quad(gdi::BYTE(grey), gdi::BYTE(grey), gdi::BYTE(grey)));
        return table;
    }
    default:
        return {};
    }
}

std::vector<gdi::RGBQUAD> ColorTableFor(std::span<const std::uint32_t> pixels, int bitCount) {
    const size_t capacity = size_t(1) << bitCount;
    std::vector<gdi::RGBQUAD> table;
    std::unordered_set<std::uint32_t> seen;
    for (std::uint32_t pixel : pixels) {
        pixel &= 0xFFFFFF;
        if (!seen.insert(pixel).second)
            continue;
        if (table.size() == capacity)
            return StandardColorTable(bitCount);
        table.push_back(
            {std::uint8_t(pixel), std::uint8_t(pixel >> 8), std::uint8_t(pixel >> 16), 0});
    }
    table.resize(capacity);
    return table;
}

gdi::BITMAPINFO MakeBitmapInfo(int width, int height, int bitCount,
                               std::span<const gdi::RGBQUAD> colors) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = gdi::WORD(bitCount);
    const size_t count = std::min<size_t>(colors.size(), 256);
    std::copy_n(colors.begin(), count, info.bmiColors);
    return info;
}

std::vector<std::uint32_t> ReadPixels(gdi::HBITMAP bitmap, int width, int height) {
    if (std::int64_t(width) * height > MaxPixels)
        throw EOutOfResources(SOutOfResources);
    std::vector<std::uint32_t> pixels(size_t(width) * size_t(height));
    if (pixels.empty())
        return pixels;
    gdi::BITMAPINFO info = MakeBitmapInfo(width, -height, 32, {});
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    if (gdi::GetDIBits(screen.Get(), bitmap, 0, gdi::UINT(height), pixels.data(), &info,
                       gdi::DIB_RGB_COLORS) != height)
        throw EOutOfResources(SOutOfResources);
    return pixels;
}

std::uint8_t TPixelPacker::NearestIndex(std::uint32_t pixel) {
    pixel &= 0xFFFFFF;
    const auto known = FIndexOf.find(pixel);
    if (known != FIndexOf.end())
        return known->second;
    size_t best = 0;
    for (size_t i = 1; i < FColors.size(); ++i)
        if (SquaredDistance(pixel, FColors[i]) < SquaredDistance(pixel, FColors[best]))
            best = i;
    FIndexOf.emplace(pixel, std::uint8_t(best));
    return std::uint8_t(best);
}

void TPixelPacker::PackRow(const std::uint32_t* source, int width, std::uint8_t* dest) {
    switch (FBitCount) {
    case 32:
        std::memcpy(dest, source, size_t(width) * 4);
        return;
    case 24:
        for (int x = 0; x < width; ++x) {
            dest[3 * x] = std::uint8_t(source[x]);
            dest[3 * x + 1] = std::uint8_t(source[x] >> 8);
            dest[3 * x + 2] = std::uint8_t(source[x] >> 16);
        }
        return;
    default: {
        const int perByte = 8 / FBitCount;
        std::fill_n(dest, BytesPerScanLine(width, FBitCount), 0);
        for (int x = 0; x < width; ++x) {
            const int shift = 8 - FBitCount * (x % perByte + 1);
            dest[x / perByte] |= std::uint8_t(NearestIndex(source[x]) << shift);
        }
    }
    }
}

std::vector<std::uint8_t> ReadRows(gdi::HBITMAP bitmap, int width, int height, int bitCount) {
    const int rowCount = height < 0 ? -height : height;
    if (std::int64_t(width) * rowCount > MaxPixels)
        throw EOutOfResources(SOutOfResources);
    gdi::BITMAPINFO info = MakeBitmapInfo(width, height, bitCount, {});
    std::vector<std::uint8_t> rows(size_t(BytesPerScanLine(width, bitCount)) * size_t(rowCount));
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    if (gdi::GetDIBits(screen.Get(), bitmap, 0, gdi::UINT(rowCount), rows.data(), &info,
                       gdi::DIB_RGB_COLORS) != rowCount)
        throw EOutOfResources(SOutOfResources);
    return rows;
}
