#include "platform/gdi/dib_format.h"

#include <cstring>

namespace gdi::detail {

namespace {

constexpr DWORD kRedMask = 0x00FF0000;
constexpr DWORD kGreenMask = 0x0000FF00;
constexpr DWORD kBlueMask = 0x000000FF;

// The masks follow the first 40 bytes in both header versions.
bool StandardMasks(const BITMAPINFOHEADER* header) {
    DWORD masks[3];
    std::memcpy(masks, reinterpret_cast<const BYTE*>(header) + sizeof(BITMAPINFOHEADER),
                sizeof(masks));
    const bool none = masks[0] == 0 && masks[1] == 0 && masks[2] == 0;
    const bool standard = masks[0] == kRedMask && masks[1] == kGreenMask && masks[2] == kBlueMask;
    return none || standard;
}

// Where the colour table starts: after the header, and after the masks that a 40-byte header
// with bit fields is followed by.
const RGBQUAD* ColourTable(const BITMAPINFOHEADER* header) {
    std::size_t offset = header->biSize;
    if (header->biSize == sizeof(BITMAPINFOHEADER) && header->biCompression == BI_BITFIELDS)
        offset += 3 * sizeof(DWORD);
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + offset);
}

} // namespace

std::optional<TDibFormat> ReadDibFormat(const BITMAPINFOHEADER* header) {
    if (!header || header->biSize < sizeof(BITMAPINFOHEADER) || header->biPlanes != 1)
        return std::nullopt;
    const int bpp = header->biBitCount;
    if (!IsSupportedDepth(bpp))
        return std::nullopt;
    const bool fields = header->biCompression == BI_BITFIELDS;
    if (header->biCompression != BI_RGB && !(fields && bpp == 32 && StandardMasks(header)))
        return std::nullopt;

    const long long height = header->biHeight;
    const long long rows = height < 0 ? -height : height;
    const auto stride = RowBytes(header->biWidth, bpp, 4);
    const auto size = stride ? ImageBytes(*stride, rows) : std::nullopt;
    if (!size)
        return std::nullopt;

    TDibFormat format;
    format.Width = header->biWidth;
    format.Height = int(rows);
    format.TopDown = height < 0;
    format.BitsPerPixel = bpp;
    format.Stride = *stride;
    format.ImageSize = *size;
    if (bpp <= 8) {
        const DWORD full = DWORD(1) << bpp;
        const DWORD used = header->biClrUsed == 0 ? full : std::min(header->biClrUsed, full);
        const RGBQUAD* table = ColourTable(header);
        for (DWORD i = 0; i < used; ++i)
            format.Colours.push_back(ToPixel(table[i]));
    }
    return format;
}

TSurface DibView(const TDibFormat& format, const void* bits) {
    TSurface view;
    view.Width = format.Width;
    view.Height = format.Height;
    view.BitsPerPixel = format.BitsPerPixel;
    view.Stride = format.Stride;
    view.TopDown = format.TopDown;
    view.Colours = format.Colours;
    view.Bits = const_cast<std::uint8_t*>(static_cast<const std::uint8_t*>(bits));
    return view;
}

std::vector<TPixel> DefaultColours(int bitsPerPixel) {
    auto rgb = [](int r, int g, int b) { return ToPixel(RGB(BYTE(r), BYTE(g), BYTE(b))); };
    // The sixteen standard colours; the 256-entry palette starts and ends with them in the
    // halves it reserves for the system.
    const std::vector<TPixel> standard = {
        rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
        rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
        rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
    if (bitsPerPixel == 1)
        return {kBlackPixel, kWhitePixel};
    if (bitsPerPixel == 4)
        return standard;
    if (bitsPerPixel != 8)
        return {};
    std::vector<TPixel> colours(standard.begin(), standard.begin() + 8);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours.push_back(rgb(r * 51, g * 51, b * 51));
    for (int grey = 1; colours.size() < 248; ++grey)
        colours.push_back(rgb(grey * 8, grey * 8, grey * 8));
    colours.insert(colours.end(), standard.begin() + 8, standard.end());
    return colours;
}

void CopyRow(const TSurface& src, int srcY, const TSurface& dst, int dstY, int width) {
    const std::uint8_t* from = src.Row(srcY);
    std::uint8_t* to = dst.Row(dstY);
    constexpr int kChunk = 256;
    if (src.Indexed() && src.SameFormat(dst)) {
        std::uint8_t indices[kChunk];
        for (int x = 0; x < width; x += kChunk) {
            const int n = std::min(kChunk, width - x);
            src.ReadIndices(from, x, n, indices);
            dst.WriteIndices(to, x, n, indices);
        }
        return;
    }
    TPixel pixels[kChunk];
    for (int x = 0; x < width; x += kChunk) {
        const int n = std::min(kChunk, width - x);
        src.Read(from, x, n, pixels);
        dst.Write(to, x, n, pixels);
    }
}

} // namespace gdi::detail
