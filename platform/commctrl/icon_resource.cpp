#include "platform/commctrl/objects.h"

#include <cstring>

namespace commctrl {

namespace {

using detail::TPixels;

constexpr int kMaxResourceSide = 1024;

// Where the parts of an icon image lie in its bytes; all offsets checked against the size.
struct TResourceLayout {
    gdi::BITMAPINFOHEADER Header;
    int Width = 0;
    int Height = 0;
    std::size_t Colours = 0; // colour table entries
    std::size_t TableOffset = 0;
    std::size_t ColourOffset = 0;
    std::size_t ColourBytes = 0;
    bool HasMask = false;
    std::size_t MaskOffset = 0;
};

std::size_t Stride(int width, int bitCount) {
    return (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
}

bool SupportedDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

std::optional<TResourceLayout> ReadLayout(const gdi::BYTE* bits, std::size_t size) {
    TResourceLayout layout;
    gdi::BITMAPINFOHEADER& h = layout.Header;
    if (!bits || size < sizeof h)
        return std::nullopt;
    std::memcpy(&h, bits, sizeof h);
    const int depth = h.biBitCount;
    if (h.biSize < sizeof h || h.biSize > size || h.biPlanes != 1 || !SupportedDepth(depth) ||
        h.biCompression != gdi::BI_RGB || h.biWidth <= 0 || h.biWidth > kMaxResourceSide ||
        h.biHeight <= 0 || h.biHeight % 2 != 0 || h.biHeight / 2 > kMaxResourceSide)
        return std::nullopt;
    layout.Width = h.biWidth;
    layout.Height = h.biHeight / 2;
    const std::size_t fullTable = depth <= 8 ? std::size_t(1) << depth : 256;
    if (h.biClrUsed > fullTable)
        return std::nullopt;
    layout.Colours = h.biClrUsed ? h.biClrUsed : (depth <= 8 ? fullTable : 0);
    layout.TableOffset = h.biSize;
    layout.ColourOffset = layout.TableOffset + layout.Colours * sizeof(gdi::RGBQUAD);
    layout.ColourBytes = Stride(layout.Width, depth) * std::size_t(layout.Height);
    layout.MaskOffset = layout.ColourOffset + layout.ColourBytes;
    if (layout.MaskOffset > size)
        return std::nullopt;
    layout.HasMask =
        Stride(layout.Width, 1) * std::size_t(layout.Height) <= size - layout.MaskOffset;
    if (!layout.HasMask && depth != 32)
        return std::nullopt;
    return layout;
}

// The pixels of bottom-up rows in the given layout, read through a section of that layout.
std::optional<TPixels> ReadRows(const gdi::BITMAPINFO& info, const gdi::BYTE* rows,
                                std::size_t bytes) {
    void* sectionBits = nullptr;
    gdi::TOwnedBitmap section(
        gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &sectionBits));
    if (!section || !sectionBits)
        return std::nullopt;
    std::memcpy(sectionBits, rows, bytes);
    return detail::ReadBitmap(section.Get());
}

std::optional<TPixels> ReadColour(const TResourceLayout& layout, const gdi::BYTE* bits) {
    gdi::BITMAPINFO info{};
    info.bmiHeader = layout.Header;
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biHeight = layout.Height;
    info.bmiHeader.biSizeImage = 0;
    if (layout.Header.biBitCount <= 8) {
        info.bmiHeader.biClrUsed = gdi::DWORD(layout.Colours);
        std::memcpy(info.bmiColors, bits + layout.TableOffset,
                    layout.Colours * sizeof(gdi::RGBQUAD));
    } else {
        info.bmiHeader.biClrUsed = 0;
    }
    return ReadRows(info, bits + layout.ColourOffset, layout.ColourBytes);
}

// White where the image is transparent: from the mask rows, or from alpha 0 without them.
std::optional<TPixels> ReadMask(const TResourceLayout& layout, const gdi::BYTE* bits,
                                const TPixels& colour) {
    if (!layout.HasMask) {
        TPixels mask = colour;
        for (detail::TPixel& p : mask.Data)
            p = detail::AlphaOf(p) == 0 ? gdi::kWhitePixel : 0;
        return mask;
    }
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = layout.Width;
    info.bmiHeader.biHeight = layout.Height;
    info.bmiHeader.biBitCount = 1;
    info.bmiHeader.biClrUsed = 2;
    info.bmiColors[1] = {255, 255, 255, 0};
    return ReadRows(info, bits + layout.MaskOffset,
                    Stride(layout.Width, 1) * std::size_t(layout.Height));
}

} // namespace

HICON CreateIconFromResourceEx(const gdi::BYTE* bits, DWORD size, bool icon, DWORD, int cx, int cy,
                               UINT) {
    const auto layout = ReadLayout(bits, size);
    const auto colour = layout ? ReadColour(*layout, bits) : std::nullopt;
    const auto mask = colour ? ReadMask(*layout, bits, *colour) : std::nullopt;
    if (!mask || cx < 0 || cy < 0)
        return nullptr;
    detail::TImage image = detail::CutImage(*colour, &*mask, 0, layout->Width, layout->Height);
    HICON handle = detail::NewIcon(image.Scaled(cx ? cx : image.Width(), cy ? cy : image.Height()));
    handle->Icon = icon;
    return handle;
}

} // namespace commctrl
