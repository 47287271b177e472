// Drawing a PNG image onto a device context: an opaque stretched copy, a colour-keyed copy,
// or a per-pixel blend over what the device already shows.

#include "platform/gdi/direct_pixels.h"
#include "png/errors.h"
#include "png/pngobject.h"

#include <algorithm>
#include <array>

namespace {

using namespace gdi;

// What one colour-table index stands for while blending.
struct TBlendEntry {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    std::uint8_t Alpha = 255;
    bool Valid = false;
};

// d' = (s x a + 255 + (255 - a) x d) div 256, which gives exactly s at a = 255 and exactly
// d at a = 0.
inline std::uint8_t Blend(unsigned s, unsigned d, unsigned a) {
    return std::uint8_t((s * a + 255 + (255 - a) * d) >> 8);
}

inline void BlendPixel(std::uint8_t* d, std::uint8_t blue, std::uint8_t green, std::uint8_t red,
                       unsigned a) {
    if (a == 0)
        return;
    if (a == 255) {
        d[0] = blue;
        d[1] = green;
        d[2] = red;
        return;
    }
    d[0] = Blend(blue, d[0], a);
    d[1] = Blend(green, d[1], a);
    d[2] = Blend(red, d[2], a);
}

// The row functions blend the columns first .. first + width - 1 of an image row into d.
void BlendRgbRow(const std::uint8_t* s, const std::uint8_t* a, std::uint8_t* d, std::uint32_t first,
                 std::uint32_t width) {
    s += 3 * std::size_t(first);
    for (std::uint32_t x = first; x < first + width; ++x, s += 3, d += 4)
        BlendPixel(d, s[0], s[1], s[2], a[x]);
}

// Rows of colour-table indices: palette images take colour and alpha from the table, grey
// images with alpha their level from it (through gamma, as grey without alpha is drawn, so
// the two look the same) and alpha from the alpha row.
void BlendIndexedRow(const std::uint8_t* s, const std::uint8_t* a, std::uint8_t* d,
                     std::uint32_t first, std::uint32_t width, int bits,
                     const std::array<TBlendEntry, 256>& table) {
    const unsigned mask = (1u << bits) - 1;
    for (std::uint32_t x = first; x < first + width; ++x, d += 4) {
        const std::uint32_t bit = x * std::uint32_t(bits);
        const TBlendEntry& e = table[(s[bit / 8] >> (8 - bits - bit % 8)) & mask];
        if (!e.Valid)
            RaisePngError<EPngError>(png::msg::NoSuchPaletteEntry);
        BlendPixel(d, e.Blue, e.Green, e.Red, a ? a[x] : e.Alpha);
    }
}

std::array<TBlendEntry, 256> BlendTable(const TPNGObject& image, const TChunkIHDR& header) {
    std::array<TBlendEntry, 256> table{};
    const gdi::RGBQUAD* colours = header.ColourTable();
    std::uint32_t count = 256;
    const TChunktRNS* transparency = nullptr;
    if (header.ColourType() == png::COLOR_PALETTE) {
        const auto* palette = image.Chunks().ChunkOfClass<TChunkPLTE>();
        count = palette ? std::min<std::uint32_t>(palette->EntryCount(), 256) : 0;
        transparency = image.Chunks().ChunkOfClass<TChunktRNS>();
    }
    for (std::uint32_t i = 0; i < count; ++i)
        table[i] = {colours[i].rgbBlue, colours[i].rgbGreen, colours[i].rgbRed,
                    transparency ? transparency->AlphaValues()[i] : std::uint8_t(255), true};
    return table;
}

// The part of the image drawn at its own size at (left, top) that the device can show: the
// image's rectangle cut to the clip box, in the device's coordinates. Only that part is read,
// converted and written, so drawing costs what shows, not what a file claims (a small file
// may claim billions of pixels).
RECT VisiblePart(HDC dc, int left, int top, const TChunkIHDR& header) {
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR)
        return {};
    const auto cut = [](int from, std::uint32_t size, int low, int high) {
        const std::int64_t start = std::max<std::int64_t>(from, low);
        const std::int64_t end = std::min<std::int64_t>(std::int64_t(from) + size, high);
        return std::pair{int(start), int(std::max(start, end))};
    };
    const auto [x0, x1] = cut(left, header.Width(), clip.left, clip.right);
    const auto [y0, y1] = cut(top, header.Height(), clip.top, clip.bottom);
    return {x0, y0, x1, y1};
}

void DrawOpaque(HDC dc, const RECT& r, const TChunkIHDR& header) {
    StretchDIBits(dc, r.left, r.top, r.Width(), r.Height(), 0, 0, int(header.Width()),
                  int(header.Height()), header.Pixels(), &header.DibInfo(), DIB_RGB_COLORS,
                  SRCCOPY);
}

HDC CheckedDC(HDC dc) {
    if (!dc)
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    return dc;
}

HBITMAP CheckedBitmap(HBITMAP bitmap) {
    if (!bitmap)
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    return bitmap;
}

// A colour bitmap compatible with dc holding the part `part` (top-down coordinates) of the
// image.
TOwnedBitmap ImagePart(HDC dc, HDC scratch, const TChunkIHDR& header, const RECT& part) {
    BITMAPINFOHEADER size = header.DibInfo().bmiHeader;
    size.biWidth = part.Width();
    size.biHeight = part.Height();
    TOwnedBitmap bitmap(CheckedBitmap(CreateDIBitmap(dc, &size, 0, nullptr, nullptr, 0)));
    TSelection select(scratch, bitmap.Get());
    // Rows of a bottom-up image are counted from its bottom.
    StretchDIBits(scratch, 0, 0, part.Width(), part.Height(), part.left,
                  int(header.Height()) - part.bottom, part.Width(), part.Height(), header.Pixels(),
                  &header.DibInfo(), DIB_RGB_COLORS, SRCCOPY);
    return bitmap;
}

// Stretched, the whole image takes part; at its own size, only the part the device shows.
void DrawColourKeyed(HDC dc, const RECT& r, const TChunkIHDR& header, COLORREF key) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const bool stretched = r.Width() != int(header.Width()) || r.Height() != int(header.Height());
    const RECT d = stretched ? r : VisiblePart(dc, r.left, r.top, header);
    if (d.IsEmpty())
        return;
    const RECT part =
        stretched ? RECT{0, 0, int(header.Width()), int(header.Height())}
                  : RECT{d.left - r.left, d.top - r.top, d.right - r.left, d.bottom - r.top};
    TOwnedDC source(CheckedDC(CreateCompatibleDC(dc)));
    TOwnedBitmap image = ImagePart(dc, source.Get(), header, part);
    TSelection selectImage(source.Get(), image.Get());
    TransparentBlt(dc, d.left, d.top, d.Width(), d.Height(), source.Get(), 0, 0, part.Width(),
                   part.Height(), key);
}

// Blends the rows of an image drawn at its own size at `origin` into rows of 32-bit pixels.
class TRowBlender {
public:
    TRowBlender(const TPNGObject& image, const TChunkIHDR& header, POINT origin)
        : FHeader(header), FBits(header.DibBitsPerPixel()), FOrigin(origin) {
        if (FBits <= 8)
            FTable = BlendTable(image, header);
    }

    // Every index the rows can hold has a colour, so no blend stops part way.
    bool CannotFail() const {
        return FBits > 8 || std::all_of(FTable.begin(), FTable.begin() + (1 << FBits),
                                        [](const TBlendEntry& e) { return e.Valid; });
    }

    // Blends the image under `part` (where it is drawn); rowAt(y) is the pixel under
    // part.left on line y.
    template <class RowAt>
    void Blend(const RECT& part, RowAt rowAt) const {
        const auto first = std::uint32_t(part.left - FOrigin.x);
        const auto width = std::uint32_t(part.Width());
        for (int y = part.top; y < part.bottom; ++y) {
            const auto row = std::uint32_t(y - FOrigin.y);
            auto* d = reinterpret_cast<std::uint8_t*>(rowAt(y));
            if (FBits == 24)
                BlendRgbRow(FHeader.PixelRow(row), FHeader.AlphaRow(row), d, first, width);
            else
                BlendIndexedRow(FHeader.PixelRow(row), FHeader.AlphaRow(row), d, first, width,
                                FBits, FTable);
        }
    }

private:
    const TChunkIHDR& FHeader;
    int FBits;
    POINT FOrigin;
    std::array<TBlendEntry, 256> FTable{};
};

// The device pixels under d are read once into a 32-bit scratch section, blended there and
// written back once; nothing reaches the device when the blend fails.
void BlendThroughScratch(HDC dc, const RECT& d, const TRowBlender& blender) {
    const int w = d.Width(), h = d.Height();
    TReleasedDC screen(GetScreenDC());
    TOwnedDC scratchDC(CheckedDC(CreateCompatibleDC(screen.Get())));
    BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    TOwnedBitmap scratch(CreateDIBSection(scratchDC.Get(), &info, DIB_RGB_COLORS, &bits));
    if (!scratch || !bits)
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    TSelection selectScratch(scratchDC.Get(), scratch.Get());
    BitBlt(scratchDC.Get(), 0, 0, w, h, dc, d.left, d.top, SRCCOPY);
    const std::size_t stride = std::size_t(w) * 4;
    blender.Blend(d, [&](int y) {
        return static_cast<std::uint8_t*>(bits) + std::size_t(y - d.top) * stride;
    });
    BitBlt(dc, d.left, d.top, w, h, scratchDC.Get(), 0, 0, SRCCOPY);
}

// Only the visible part of the image is blended. A 32-bit device at scale 1 is blended in
// place, piece by clip piece, which writes exactly what the copy back from a scratch section
// would; the blend must not be able to fail there, as the device would keep half of it.
void DrawBlended(HDC dc, const RECT& r, const TPNGObject& image, const TChunkIHDR& header) {
    const RECT d = VisiblePart(dc, r.left, r.top, header);
    if (d.IsEmpty())
        return;
    const TRowBlender blender(image, header, {r.left, r.top});
    if (const auto pixels = DirectPixels(dc); pixels && blender.CannotFail()) {
        pixels->ForEachVisiblePart(d, [&](const RECT& part) {
            blender.Blend(part, [&](int y) { return pixels->At(part.left, y); });
        });
        return;
    }
    BlendThroughScratch(dc, d, blender);
}

} // namespace

void TPNGObject::DrawOnDC(HDC dc, const RECT& rect) {
    if (!HasHeader())
        return;
    const TChunkIHDR& header = HeaderChunk();
    if (!header.Pixels())
        return;
    switch (Transparency()) {
    case trNone:
        DrawOpaque(dc, rect, header);
        break;
    case trColourKey:
        DrawColourKeyed(dc, rect, header, ColorToRGB(TransparentColour()));
        break;
    case trAlpha:
        DrawBlended(dc, rect, *this, header);
        break;
    }
}

HPALETTE TPNGObject::GetPaletteHandle() {
    const TChunkIHDR& header = HeaderChunk();
    const bool indexed =
        header.ColourType() == png::COLOR_GRAYSCALE || header.ColourType() == png::COLOR_PALETTE;
    if (indexed && !FPaletteHandle) {
        LOGPALETTE palette;
        palette.palNumEntries = 256;
        const RGBQUAD* table = header.ColourTable();
        for (int i = 0; i < 256; ++i)
            palette.palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
        FPaletteHandle.Reset(CreatePalette(&palette));
    }
    return FPaletteHandle.Get();
}

void TPNGObject::SetPaletteHandle(HPALETTE palette) {
    TChunkIHDR& header = HeaderChunk();
    if (header.ColourType() != png::COLOR_GRAYSCALE && header.ColourType() != png::COLOR_PALETTE)
        return;
    std::array<PALETTEENTRY, 256> entries{};
    const UINT count = GetPaletteEntries(palette, 0, 256, entries.data());
    RGBQUAD* table = header.ColourTable();
    for (UINT i = 0; i < count && i < 256; ++i)
        table[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    FPaletteHandle.Reset();
}
