#include "tests/pngimagelist/helpers.h"

#include "png/format.h"

namespace testing_pngimagelist {

using namespace pngtest;

namespace {

template <class F>
TBytes Rows(int width, int height, F appendPixel) {
    std::vector<TBytes> rows;
    for (int y = 0; y < height; ++y) {
        TBytes row;
        for (int x = 0; x < width; ++x)
            appendPixel(row, x, y);
        rows.push_back(row);
    }
    return Deflate(UnfilteredRows(rows));
}

} // namespace

gdi::COLORREF BlendColour(const TRgba& over, gdi::COLORREF under) {
    return gdi::RGB(std::uint8_t(Blend(over.R, over.A, gdi::GetRValue(under))),
                    std::uint8_t(Blend(over.G, over.A, gdi::GetGValue(under))),
                    std::uint8_t(Blend(over.B, over.A, gdi::GetBValue(under))));
}

std::unique_ptr<TPNGObject> ReadImage(const TBytes& bytes) {
    auto png = std::make_unique<TPNGObject>();
    ReadPng(*png, bytes);
    return png;
}

std::unique_ptr<TPNGObject> RgbaPng(int width, int height,
                                    const std::function<TRgba(int x, int y)>& pixel) {
    const TBytes data = Rows(width, height, [&](TBytes& row, int x, int y) {
        const TRgba p = pixel(x, y);
        row.insert(row.end(), {p.R, p.G, p.B, p.A});
    });
    return ReadImage(TPngBuilder()
                         .Header(std::uint32_t(width), std::uint32_t(height), 8, 6)
                         .ImageData(data)
                         .End()
                         .Bytes());
}

std::unique_ptr<TPNGObject> RgbPng(int width, int height,
                                   const std::function<TRgb(int x, int y)>& pixel,
                                   std::optional<TRgb> key) {
    const TBytes data = Rows(width, height, [&](TBytes& row, int x, int y) {
        const TRgb p = pixel(x, y);
        row.insert(row.end(), {p.R, p.G, p.B});
    });
    TPngBuilder builder;
    builder.Header(std::uint32_t(width), std::uint32_t(height), 8, 2);
    if (key)
        builder.Chunk("tRNS", {0, key->R, 0, key->G, 0, key->B});
    return ReadImage(builder.ImageData(data).End().Bytes());
}

std::unique_ptr<TPNGObject> GreyPng(int width, int height,
                                    const std::function<std::uint8_t(int x, int y)>& level) {
    const TBytes data =
        Rows(width, height, [&](TBytes& row, int x, int y) { row.push_back(level(x, y)); });
    return ReadImage(TPngBuilder()
                         .Header(std::uint32_t(width), std::uint32_t(height), 8, 0)
                         .ImageData(data)
                         .End()
                         .Bytes());
}

std::unique_ptr<TPNGObject> PalettePng(int width, int height, const std::vector<TRgb>& palette,
                                       const TBytes& alphas,
                                       const std::function<std::uint8_t(int x, int y)>& index) {
    TBytes entries;
    for (const TRgb& entry : palette)
        entries.insert(entries.end(), {entry.R, entry.G, entry.B});
    TPngBuilder builder;
    builder.Header(std::uint32_t(width), std::uint32_t(height), 8, 3).Chunk("PLTE", entries);
    if (!alphas.empty())
        builder.Chunk("tRNS", alphas);
    const TBytes data =
        Rows(width, height, [&](TBytes& row, int x, int y) { row.push_back(index(x, y)); });
    return ReadImage(builder.ImageData(data).End().Bytes());
}

std::unique_ptr<TPNGObject> SolidPng(int width, int height, TRgba colour) {
    return RgbaPng(width, height, [&](int, int) { return colour; });
}

TRgba PixelOf(const TPNGObject& png, int x, int y) {
    const TColor colour = png.PixelColour(x, y);
    return {gdi::GetRValue(colour), gdi::GetGValue(colour), gdi::GetBValue(colour),
            png.PixelAlpha(x, y)};
}

std::uint8_t ColourTypeOf(const TPNGObject& png) {
    return png.HeaderChunk().ColourType();
}

std::unique_ptr<TBitmap> Surface(int width, int height, TColor fill) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas().Brush().SetColor(fill);
    bitmap->Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

std::vector<TColor> Pixels(TCanvas& canvas, int width, int height) {
    std::vector<TColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(canvas.Pixels(x, y));
    return pixels;
}

} // namespace testing_pngimagelist
