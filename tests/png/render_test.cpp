// Drawing PNG images onto device contexts of the raster engine and converting between
// PNG images and bitmaps. Every pixel is read back from the destination's memory.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "png/errors.h"
#include "png/pngobject.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/png/png_test_support.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using namespace pngtest;
using gdi::RGB;
using gdi::test::TCanvas;

// One row per alpha value, one column per source level; the pixels are grey (s, s, s).
constexpr std::array<std::uint8_t, 7> Alphas = {0, 1, 64, 128, 192, 254, 255};
constexpr std::array<std::uint8_t, 3> Levels = {0, 128, 255};

TBytes BlendProbe() {
    std::vector<TBytes> rows;
    for (std::uint8_t a : Alphas) {
        TBytes row;
        for (std::uint8_t s : Levels)
            row.insert(row.end(), {s, s, s, a});
        rows.push_back(row);
    }
    return TPngBuilder().Header(3, 7, 8, 6).ImageData(Deflate(UnfilteredRows(rows))).End().Bytes();
}

TEST(Render, BlendFollowsTheTableOverWhiteAndGrey) {
    // Results for s = 0, 128, 255 over white (255) and over grey (128).
    const std::array<std::array<int, 6>, 7> expected = {{
        {255, 255, 255, 128, 128, 128},
        {254, 254, 255, 127, 128, 128},
        {191, 223, 255, 96, 128, 160},
        {127, 191, 255, 64, 128, 191},
        {63, 159, 255, 32, 128, 223},
        {1, 128, 255, 1, 128, 254},
        {0, 128, 255, 0, 128, 255},
    }};
    TPNGObject image;
    ReadPng(image, BlendProbe());
    for (int background : {0, 1}) {
        const std::uint8_t d = background ? 128 : 255;
        TCanvas canvas(5, 9, RGB(d, d, d));
        image.DrawOnDC(canvas.DC(), {1, 1, 2, 2});
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 3; ++column) {
                const int v = expected[row][3 * background + column];
                EXPECT_EQ(canvas.At(1 + column, 1 + row), RGB(v, v, v))
                    << "a " << int(Alphas[row]) << " s " << int(Levels[column]) << " d " << int(d);
            }
        EXPECT_EQ(canvas.At(0, 0), RGB(d, d, d));
        EXPECT_EQ(canvas.At(4, 8), RGB(d, d, d));
    }
}

TEST(Render, OpaqueImagesStretchToTheRectangleAndAlphaImagesDoNot) {
    TPNGObject rgb;
    ReadPng(rgb, TPngBuilder()
                     .Header(2, 1, 8, 2)
                     .ImageData(Deflate({0, 255, 0, 0, 0, 0, 255}))
                     .End()
                     .Bytes());
    TCanvas canvas(6, 3, RGB(1, 1, 1));
    rgb.DrawOnDC(canvas.DC(), {1, 1, 5, 3});
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(3, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(4, 2), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(5, 1), RGB(1, 1, 1));
    EXPECT_EQ(canvas.At(0, 1), RGB(1, 1, 1));

    rgb.AddAlphaPlane();
    TCanvas blended(6, 3, RGB(1, 1, 1));
    rgb.DrawOnDC(blended.DC(), {1, 1, 5, 3});
    EXPECT_EQ(blended.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(blended.At(2, 1), RGB(0, 0, 255));
    EXPECT_EQ(blended.At(3, 1), RGB(1, 1, 1));
    EXPECT_EQ(blended.At(1, 2), RGB(1, 1, 1));
}

// Palette: 0 red, 1 green, 2 the same green; indices 0, 1, 2 in one row.
TBytes PaletteProbe(const TBytes& alphas) {
    TPngBuilder png;
    png.Header(3, 1, 8, 3).Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 255, 0}).Chunk("tRNS", alphas);
    return png.ImageData(Deflate({0, 0, 1, 2})).End().Bytes();
}

TEST(Render, ColourKeyedPaletteLeavesEveryPixelOfTheKeyColourTransparent) {
    TPNGObject image;
    ReadPng(image, PaletteProbe({255, 0, 255}));
    ASSERT_EQ(image.Transparency(), trColourKey);
    TCanvas canvas(8, 3, RGB(0, 0, 200));
    image.DrawOnDC(canvas.DC(), {1, 1, 7, 3});
    for (int y = 1; y < 3; ++y) {
        EXPECT_EQ(canvas.At(1, y), RGB(255, 0, 0));
        EXPECT_EQ(canvas.At(2, y), RGB(255, 0, 0));
        for (int x = 3; x < 7; ++x)
            EXPECT_EQ(canvas.At(x, y), RGB(0, 0, 200)) << x << "," << y;
    }
    EXPECT_EQ(canvas.At(7, 1), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 200));
}

TEST(Render, PaletteWithSeveralAlphasIsBlended) {
    TPNGObject image;
    ReadPng(image, PaletteProbe({255, 128, 0}));
    ASSERT_EQ(image.Transparency(), trAlpha);
    TCanvas canvas(3, 1, RGB(255, 255, 255));
    image.DrawOnDC(canvas.DC(), {0, 0, 3, 1});
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(1, 0), RGB(127, 255, 127));
    EXPECT_EQ(canvas.At(2, 0), RGB(255, 255, 255));
}

// A tRNS entry beyond the palette names no colour: no key, and black pixels draw black.
TEST(Render, APaletteKeyBeyondThePaletteNamesNoColour) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(2, 1, 8, 3)
                       .Chunk("PLTE", {0, 0, 0, 200, 100, 50})
                       .Chunk("tRNS", {255, 255, 0})
                       .ImageData(Deflate({0, 0, 1}))
                       .End()
                       .Bytes());
    EXPECT_EQ(image.Transparency(), trNone);
    EXPECT_FALSE(image.Transparent());
    EXPECT_EQ(image.PixelAlpha(0, 0), 255);
    TCanvas canvas(2, 1, RGB(0, 0, 200));
    image.DrawOnDC(canvas.DC(), {0, 0, 2, 1});
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(1, 0), RGB(200, 100, 50));
}

// Grey with alpha shows its levels through the gamma table, as grey without alpha does, so
// the same levels look the same drawn and read whether the image has alpha or not.
TEST(Render, GreyWithAndWithoutAlphaLookTheSameThroughGamma) {
    const TBytes gamma = {0, 1, 0x86, 0xA0};
    TPNGObject grey, greyAlpha;
    ReadPng(grey, TPngBuilder()
                      .Header(4, 1, 8, 0)
                      .Chunk("gAMA", gamma)
                      .ImageData(Deflate({0, 0, 64, 128, 200}))
                      .End()
                      .Bytes());
    ReadPng(greyAlpha, TPngBuilder()
                           .Header(4, 1, 8, 4)
                           .Chunk("gAMA", gamma)
                           .ImageData(Deflate({0, 0, 255, 64, 255, 128, 255, 200, 255}))
                           .End()
                           .Bytes());
    EXPECT_EQ(greyAlpha.PixelColour(2, 0), RGB(186, 186, 186));
    TCanvas a(4, 1, RGB(9, 9, 9)), b(4, 1, RGB(9, 9, 9));
    grey.DrawOnDC(a.DC(), {0, 0, 4, 1});
    greyAlpha.DrawOnDC(b.DC(), {0, 0, 4, 1});
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(greyAlpha.PixelColour(x, 0), grey.PixelColour(x, 0)) << x;
        EXPECT_EQ(b.At(x, 0), a.At(x, 0)) << x;
        EXPECT_EQ(b.At(x, 0), grey.PixelColour(x, 0)) << x;
    }
}

TEST(Render, BlendingAnIndexBeyondThePaletteFailsAndLeavesTheDestination) {
    TPNGObject image;
    TPngBuilder png;
    png.Header(2, 1, 8, 3).Chunk("PLTE", {9, 9, 9}).Chunk("tRNS", {128});
    ReadPng(image, png.ImageData(Deflate({0, 0, 1})).End().Bytes());
    TCanvas canvas(2, 1, RGB(7, 7, 7));
    EXPECT_EQ(FailureOf([&] {
                  image.DrawOnDC(canvas.DC(), {0, 0, 2, 1});
              }),
              (TFailure{"EPngError", png::msg::NoSuchPaletteEntry}));
    EXPECT_EQ(canvas.At(0, 0), RGB(7, 7, 7));
}

TEST(Render, GreyAndRgbKeysHideExactlyThePixelsTheyName) {
    // 2-bit grey levels 0..3 with key 2; 16-bit RGB whose key matches by the high bytes.
    TPNGObject grey;
    ReadPng(grey, TPngBuilder()
                      .Header(4, 1, 2, 0)
                      .Chunk("tRNS", {0, 2})
                      .ImageData(Deflate({0, 0x1B}))
                      .End()
                      .Bytes());
    TCanvas canvas(4, 1, RGB(0, 0, 200));
    grey.DrawOnDC(canvas.DC(), {0, 0, 4, 1});
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(1, 0), RGB(85, 85, 85));
    EXPECT_EQ(canvas.At(2, 0), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(3, 0), RGB(255, 255, 255));

    TPNGObject rgb;
    ReadPng(rgb, TPngBuilder()
                     .Header(2, 1, 16, 2)
                     .Chunk("tRNS", {0x10, 0x01, 0x20, 0x02, 0x30, 0x03})
                     .ImageData(Deflate(
                         {0, 0x10, 0x01, 0x20, 0x02, 0x30, 0x03, 0x10, 0, 0x20, 0, 0x31, 0}))
                     .End()
                     .Bytes());
    TCanvas second(2, 1, RGB(0, 0, 200));
    rgb.DrawOnDC(second.DC(), {0, 0, 2, 1});
    EXPECT_EQ(second.At(0, 0), RGB(0, 0, 200));
    EXPECT_EQ(second.At(1, 0), RGB(0x10, 0x20, 0x31));
}

TEST(Render, KeyColourThatOccursNowhereDrawsLikeTheOpaqueImage) {
    const TBytes data = Deflate({0, 1, 2, 3, 4, 5, 6});
    TPNGObject keyed, opaque;
    ReadPng(keyed, TPngBuilder()
                       .Header(2, 1, 8, 2)
                       .Chunk("tRNS", {0, 9, 0, 9, 0, 9})
                       .ImageData(data)
                       .End()
                       .Bytes());
    ReadPng(opaque, TPngBuilder().Header(2, 1, 8, 2).ImageData(data).End().Bytes());
    TCanvas a(5, 4, RGB(50, 60, 70)), b(5, 4, RGB(50, 60, 70));
    keyed.DrawOnDC(a.DC(), {0, 1, 5, 3});
    opaque.DrawOnDC(b.DC(), {0, 1, 5, 3});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(a.At(x, y), b.At(x, y)) << x << "," << y;
    EXPECT_EQ(a.At(4, 2), RGB(4, 5, 6));
}

// A 7 x 5 image of every drawing method, its pixels all different, some transparent.
std::vector<TBytes> MethodProbes() {
    std::vector<TBytes> rgba, rgb, palette;
    TBytes plte, trns;
    for (std::uint8_t y = 0; y < 5; ++y) {
        TBytes rgbaRow, rgbRow, paletteRow;
        for (std::uint8_t x = 0; x < 7; ++x) {
            const std::uint8_t v = std::uint8_t(7 * y + x);
            rgbaRow.insert(rgbaRow.end(), {std::uint8_t(9 * v), 40, std::uint8_t(255 - v),
                                           std::uint8_t(v % 3 == 0 ? 0 : 7 * v)});
            rgbRow.insert(rgbRow.end(), {v % 4 == 0 ? std::uint8_t(1) : std::uint8_t(9 * v), 2,
                                         v % 4 == 0 ? std::uint8_t(3) : std::uint8_t(255 - v)});
            paletteRow.push_back(v);
            plte.insert(plte.end(), {std::uint8_t(255 - v), std::uint8_t(5 * v), 90});
            trns.push_back(std::uint8_t(v % 5 == 0 ? 0 : 6 * v));
        }
        rgba.push_back(rgbaRow);
        rgb.push_back(rgbRow);
        palette.push_back(paletteRow);
    }
    return {TPngBuilder().Header(7, 5, 8, 6).ImageData(Deflate(UnfilteredRows(rgba))).End().Bytes(),
            TPngBuilder()
                .Header(7, 5, 8, 2)
                .Chunk("tRNS", {0, 1, 0, 2, 0, 3})
                .ImageData(Deflate(UnfilteredRows(rgb)))
                .End()
                .Bytes(),
            TPngBuilder()
                .Header(7, 5, 8, 3)
                .Chunk("PLTE", plte)
                .Chunk("tRNS", trns)
                .ImageData(Deflate(UnfilteredRows(palette)))
                .End()
                .Bytes()};
}

// What the image shows over a background at one of its pixels, by the blend formula, which
// gives the background at alpha 0 and the image at alpha 255.
gdi::COLORREF Shown(const TRgba& pixel, gdi::COLORREF background) {
    const auto blend = [&](unsigned s, unsigned d) {
        return std::uint8_t((s * pixel.A + 255 + (255 - pixel.A) * d) >> 8);
    };
    return RGB(blend(pixel.R, gdi::GetRValue(background)),
               blend(pixel.G, gdi::GetGValue(background)),
               blend(pixel.B, gdi::GetBValue(background)));
}

// Every alpha over every source level, each over its own background, against the formula.
TEST(Render, BlendIsExactForEveryAlphaAndLevel) {
    std::vector<TBytes> rows;
    for (int a = 0; a < 256; ++a) {
        TBytes row;
        for (int s = 0; s < 256; ++s)
            row.insert(row.end(), {std::uint8_t(s), std::uint8_t(255 - s), std::uint8_t(s * 7),
                                   std::uint8_t(a)});
        rows.push_back(row);
    }
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(256, 256, 8, 6)
                       .ImageData(Deflate(UnfilteredRows(rows)))
                       .End()
                       .Bytes());
    const TRgbaImage pixels = CodecPixels(image);
    const auto background = [](int x, int y) {
        return RGB(gdi::BYTE(x * 3 + y), gdi::BYTE(255 - y * 5 - x), gdi::BYTE(x ^ (y * 11)));
    };
    TCanvas canvas(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            canvas.Set(x, y, background(x, y));
    image.DrawOnDC(canvas.DC(), {0, 0, 256, 256});
    int wrong = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            wrong += canvas.At(x, y) != Shown(pixels.At(x, y), background(x, y));
    EXPECT_EQ(wrong, 0);
}

// Drawing at the image's own size touches only what the device shows, and shows there what
// the image's pixels say.
TEST(Render, ClippedAndPartlyOutsideDrawingsShowTheImageWhereTheDeviceShows) {
    const gdi::COLORREF background = RGB(30, 60, 90);
    for (const TBytes& bytes : MethodProbes()) {
        TPNGObject image;
        ReadPng(image, bytes);
        const TRgbaImage pixels = CodecPixels(image);
        TCanvas clipped(20, 20, background);
        gdi::IntersectClipRect(clipped.DC(), 7, 6, 10, 9);
        image.DrawOnDC(clipped.DC(), {5, 5, 12, 10});
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inClip = x >= 7 && x < 10 && y >= 6 && y < 9;
                EXPECT_EQ(clipped.At(x, y),
                          inClip ? Shown(pixels.At(x - 5, y - 5), background) : background)
                    << image.Transparency() << " " << x << "," << y;
            }
        TCanvas outside(4, 3, background);
        image.DrawOnDC(outside.DC(), {-2, -1, 5, 4});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(outside.At(x, y), Shown(pixels.At(x + 2, y + 1), background))
                    << image.Transparency() << " " << x << "," << y;
    }
}

// A colour-keyed image draws as a transparent bitmap of the same pixels and key colour
// does, at its own size, stretched either way, partly outside, clipped, and on a surface of
// double density.
TEST(Render, ColourKeyedImagesDrawAsTransparentBitmapsDo) {
    const std::vector<gdi::RECT> rects = {
        {1, 1, 8, 6}, {-2, -1, 5, 4}, {0, 0, 14, 10}, {2, 3, 12, 10}, {1, 1, 5, 4},
        {3, 2, 6, 4}, {0, 0, 2, 5},   {5, 5, 6, 6},   {-3, 2, 10, 6}, {4, 0, 17, 19}};
    const auto background = [](int x, int y) { return RGB(6 * x, 6 * y, (x + y) % 2 ? 77 : 200); };
    const auto paint = [&](TCanvas& canvas) {
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                canvas.Set(x, y, background(x, y));
    };
    for (const TBytes& bytes : {MethodProbes()[1], PaletteProbe({255, 0, 255})}) {
        TPNGObject image;
        ReadPng(image, bytes);
        ASSERT_EQ(image.Transparency(), trColourKey);
        TBitmap bitmap;
        bitmap.SetHandle(image.CreateBitmapCopy());
        bitmap.SetTransparentColor(image.TransparentColour());
        bitmap.SetTransparent(true);
        // Pixels the image changed, so that drawing nothing twice does not pass.
        int drawn = 0;
        for (const int scale : {1, 2})
            for (const bool clipped : {false, true})
                for (const gdi::RECT& r : rects) {
                    TCanvas byImage(20, 20, 0, scale), byBitmap(20, 20, 0, scale);
                    paint(byImage);
                    paint(byBitmap);
                    if (clipped) {
                        gdi::IntersectClipRect(byImage.DC(), 2, 1, 7, 5);
                        gdi::IntersectClipRect(byBitmap.DC(), 2, 1, 7, 5);
                    }
                    image.DrawOnDC(byImage.DC(), r);
                    ::TCanvas target;
                    target.SetHandle(byBitmap.DC());
                    target.StretchDraw(Rect(r.left, r.top, r.right, r.bottom), &bitmap);
                    target.SetHandle(nullptr);
                    for (int y = 0; y < byImage.Height(); ++y)
                        for (int x = 0; x < byImage.Width(); ++x) {
                            ASSERT_EQ(byImage.At(x, y), byBitmap.At(x, y))
                                << "at " << x << "," << y << " drawing into " << r.left << ","
                                << r.top << "-" << r.right << "," << r.bottom << " scale " << scale
                                << (clipped ? " clipped" : "");
                            drawn += byImage.At(x, y) != background(x, y);
                        }
                }
        EXPECT_GT(drawn, 100);
    }
}

// A few bytes may claim 65535 x 65535 pixels; drawing them must not cost what such an image
// would (the whole image would not fit in memory).
TEST(Render, AHugeClaimedImageDrawsOnlyItsVisiblePart) {
    const std::vector<std::pair<std::uint8_t, TBytes>> kinds = {
        {6, {}}, {2, {0, 1, 0, 2, 0, 3}}, {2, {}}};
    for (const auto& [colourType, trns] : kinds) {
        TPngBuilder png;
        png.Header(65535, 65535, 8, colourType);
        if (!trns.empty())
            png.Chunk("tRNS", trns);
        TPNGObject image;
        ReadPng(image, png.ImageData(Deflate(TBytes(1000))).End().Bytes());
        TCanvas canvas(17, 23, RGB(7, 7, 7));
        image.DrawOnDC(canvas.DC(), {-1000, -1000, 64535, 64535});
        // The rows the file holds are zero: transparent black, or opaque black.
        const gdi::COLORREF expected = colourType == 6 ? RGB(7, 7, 7) : RGB(0, 0, 0);
        EXPECT_EQ(canvas.At(0, 0), expected);
        EXPECT_EQ(canvas.At(16, 22), expected);
    }
}

TEST(Render, ImageWithoutHeaderDrawsNothing) {
    TPNGObject image;
    TCanvas canvas(2, 2, RGB(3, 3, 3));
    image.DrawOnDC(canvas.DC(), {0, 0, 2, 2});
    EXPECT_EQ(canvas.At(1, 1), RGB(3, 3, 3));
}

// A DIB section bitmap of the given depth whose colour table holds grey entries
// 10 x i and whose pixels are (x + y) mod entries (or the colour (x, y, 7) above 8 bits).
gdi::TOwnedBitmap TestBitmap(int bits, int width, int height) {
    gdi::BITMAPINFO info = gdi::test::DibInfo(width, height, bits);
    const int entries = bits <= 8 ? 1 << bits : 0;
    for (int i = 0; i < entries; ++i)
        info.bmiColors[i] = {std::uint8_t(i * 10 % 256), std::uint8_t(i * 10 % 256),
                             std::uint8_t(i * 10 % 256), 0};
    void* memory = nullptr;
    gdi::TOwnedBitmap bitmap(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &memory));
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    gdi::TSelection select(dc.Get(), bitmap.Get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = entries ? (x + y) % entries * 10 % 256 : 0;
            gdi::SetPixel(dc.Get(), x, y, entries ? RGB(v, v, v) : RGB(x, y, 7));
        }
    return bitmap;
}

std::vector<std::string> ChunkTypes(const TPNGObject& image) {
    std::vector<std::string> types;
    for (std::size_t i = 0; i < image.Chunks().Count(); ++i)
        types.emplace_back(image.Chunks().Item(i)->ChunkType().begin(),
                           image.Chunks().Item(i)->ChunkType().end());
    return types;
}

TEST(Convert, TrueColourBitmapsBecomeRgbImages) {
    for (int bits : {24, 32}) {
        auto bitmap = TestBitmap(bits, 5, 3);
        TPNGObject image;
        image.AssignFromBitmapHandle(bitmap.Get(), false, 0);
        EXPECT_EQ(ChunkTypes(image), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        EXPECT_EQ(image.HeaderChunk().ColourType(), 2);
        EXPECT_EQ(image.HeaderChunk().BitDepth(), 8);
        EXPECT_EQ(image.PixelColour(4, 2), RGB(4, 2, 7));
        EXPECT_EQ(image.Transparency(), trNone);
        EXPECT_EQ(ReferenceDecode(WritePng(image)).At(3, 1), (TRgba{3, 1, 7, 255}));
    }
}

TEST(Convert, PaletteBitmapsBecomePaletteImagesOfTheirDepth) {
    for (int bits : {1, 4, 8}) {
        auto bitmap = TestBitmap(bits, 7, 2);
        TPNGObject image;
        image.AssignFromBitmapHandle(bitmap.Get(), false, 0);
        EXPECT_EQ(ChunkTypes(image), (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
        EXPECT_EQ(image.HeaderChunk().BitDepth(), bits);
        EXPECT_EQ(image.Chunks().ChunkOfClass<TChunkPLTE>()->EntryCount(), 1u << bits);
        const int entries = 1 << bits;
        const int v = (6 + 1) % entries * 10;
        EXPECT_EQ(image.PixelColour(6, 1), RGB(v, v, v)) << bits;
        EXPECT_EQ(CodecPixels(image).Pixels, ReferenceDecode(WritePng(image)).Pixels) << bits;
    }
}

TEST(Convert, TransparentPaletteBitmapNamesTheFirstEntryOfItsColour) {
    auto bitmap = TestBitmap(8, 4, 4);
    TPNGObject image;
    image.AssignFromBitmapHandle(bitmap.Get(), true, RGB(50, 50, 50));
    EXPECT_EQ(ChunkTypes(image),
              (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
    const auto& transparency = Required(image.Chunks().ChunkOfClass<TChunktRNS>());
    EXPECT_EQ(transparency.BodySize(), 6u);
    EXPECT_EQ(image.Transparency(), trColourKey);
    EXPECT_EQ(image.TransparentColour(), RGB(50, 50, 50));
    const TRgbaImage written = ReferenceDecode(WritePng(image));
    EXPECT_EQ(written.At(2, 3).A, 0);
    EXPECT_EQ(written.At(1, 3).A, 255);

    TPNGObject missing;
    missing.AssignFromBitmapHandle(bitmap.Get(), true, RGB(1, 2, 3));
    EXPECT_EQ(Required(missing.Chunks().ChunkOfClass<TChunktRNS>()).BodySize(), 1u);
    EXPECT_EQ(missing.TransparentColour(), RGB(0, 0, 0));
}

TEST(Convert, CopyToABitmapKeepsTheColourRows) {
    TPNGObject image;
    ReadPng(image, BlendProbe());
    gdi::TOwnedBitmap bitmap(image.CreateBitmapCopy());
    ASSERT_TRUE(bitmap);
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    gdi::TSelection select(dc.Get(), bitmap.Get());
    EXPECT_EQ(gdi::GetPixel(dc.Get(), 1, 3), RGB(128, 128, 128));
    EXPECT_EQ(gdi::GetPixel(dc.Get(), 2, 0), RGB(255, 255, 255));
}

TEST(Convert, CopiedImagesAreIndependentAndEqual) {
    TPNGObject image;
    ReadPng(image, PaletteProbe({255, 128, 0}));
    TPNGObject copy;
    copy.CopyFromPng(image);
    EXPECT_EQ(ChunkTypes(copy), ChunkTypes(image));
    EXPECT_EQ(CodecPixels(copy).Pixels, CodecPixels(image).Pixels);
    image.SetPixelColour(0, 0, RGB(0, 255, 0));
    EXPECT_EQ(copy.PixelColour(0, 0), RGB(255, 0, 0));
    TChunkIHDR header(nullptr);
    EXPECT_EQ(FailureOf([&] { header.CopyFrom(*copy.Chunks().Item(1)); }),
              (TFailure{"EPngError", png::msg::ChunksNotCompatible}));
}

// Every kind of chunk the reader keeps, a gAMA body of the wrong length among them: it
// carries no gamma but is written back as it came, so a copy that changed it would lose it.
TEST(Convert, ACopyWritesWhatItsOriginalWrites) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(2, 1, 8, 2)
                       .Chunk("gAMA", {1, 2})
                       .Chunk("tRNS", {0, 1, 0, 2, 0, 3})
                       .Chunk("tIME", {7, 213, 12, 24, 23, 59, 58})
                       .Chunk("tEXt", {'K', 0, 'v'})
                       .Chunk("zTXt", {'Z', 0, 0, 0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01})
                       .Chunk("prVt", {1, 2, 3})
                       .ImageData(Deflate({0, 1, 2, 3, 4, 5, 6}))
                       .End()
                       .Bytes());
    TPNGObject copy;
    copy.CopyFromPng(image);
    EXPECT_EQ(WritePng(copy), WritePng(image));
}

TEST(Palette, HandleFollowsTheColourTable) {
    TPNGObject image;
    ReadPng(image, PaletteProbe({255, 128, 0}));
    const gdi::HPALETTE first = image.GetPaletteHandle();
    ASSERT_NE(first, nullptr);
    gdi::PALETTEENTRY entry;
    ASSERT_EQ(gdi::GetPaletteEntries(first, 0, 1, &entry), 1u);
    EXPECT_EQ(entry.peRed, 255);
    gdi::LOGPALETTE replacement;
    replacement.palNumEntries = 2;
    replacement.palPalEntry[0] = {1, 2, 3, 0};
    replacement.palPalEntry[1] = {4, 5, 6, 0};
    gdi::TOwnedPalette palette(gdi::CreatePalette(&replacement));
    image.SetPaletteHandle(palette.Get());
    EXPECT_EQ(image.PixelColour(1, 0), RGB(4, 5, 6));
    const gdi::HPALETTE second = image.GetPaletteHandle();
    ASSERT_EQ(gdi::GetPaletteEntries(second, 0, 1, &entry), 1u);
    EXPECT_EQ(entry.peBlue, 3);

    TPNGObject rgb;
    ReadPng(rgb, TPngBuilder().Header(1, 1, 8, 2).ImageData(Deflate({0, 1, 2, 3})).End().Bytes());
    EXPECT_EQ(rgb.GetPaletteHandle(), nullptr);
}

} // namespace
