// The PNG drawing and conversion functions: disabled renderings (fade, desaturate, paint)
// and the conversions of bitmaps, icons and image-list images into PNG images.

#include "gui/graphics/icon.h"
#include "png/format.h"
#include "tests/platform/commctrl/pixels.h"
#include "tests/pngimagelist/helpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_pngimagelist;
using testing_commctrl::Argb;
using testing_commctrl::ColourBitmap;
using testing_commctrl::TPixels;

// ---- Fading --------------------------------------------------------------------------------

TEST(FadePng, ScalesAlphaByHalfRoundingHalvesToEven) {
    const std::vector<std::uint8_t> alphas = {255, 254, 128, 3, 1, 0};
    auto png = RgbaPng(6, 1, [&](int x, int) { return TRgba{10, 20, 30, alphas[x]}; });
    FadePng(*png, 127);
    const std::vector<std::uint8_t> expected = {128, 127, 64, 2, 0, 0};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(PixelOf(*png, x, 0), (TRgba{10, 20, 30, expected[x]})) << "alpha " << +alphas[x];
    FadePng(*png, 255);
    EXPECT_EQ(PixelOf(*png, 0, 0).A, 128);
}

TEST(FadePng, GivesRgbImagesAnAlphaPlaneAndMakesTheirKeyTransparent) {
    auto plain = RgbPng(2, 1, [](int x, int) { return TRgb{std::uint8_t(x * 200), 5, 6}; });
    FadePng(*plain, 127);
    EXPECT_EQ(ColourTypeOf(*plain), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*plain, 0, 0), (TRgba{0, 5, 6, 128}));
    EXPECT_EQ(PixelOf(*plain, 1, 0), (TRgba{200, 5, 6, 128}));

    auto keyed = RgbPng(
        2, 1,
        [](int x, int) {
            return TRgb{std::uint8_t(x * 200), 5, 6};
        },
        TRgb{200, 5, 6});
    FadePng(*keyed, 127);
    EXPECT_EQ(PixelOf(*keyed, 0, 0).A, 128);
    EXPECT_EQ(PixelOf(*keyed, 1, 0).A, 0);
}

TEST(FadePng, TurnsPaletteAndGreyImagesIntoRgbWithTheAmountItselfAsAlpha) {
    const std::vector<TRgb> palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const auto index = [](int x, int) { return std::uint8_t(x); };
    // A single fully transparent entry is a colour key.
    auto keyed = PalettePng(3, 1, palette, {255, 0, 255}, index);
    ASSERT_EQ(keyed->Transparency(), trColourKey);
    FadePng(*keyed, 127);
    EXPECT_EQ(ColourTypeOf(*keyed), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*keyed, 0, 0), (TRgba{255, 0, 0, 127}));
    EXPECT_EQ(PixelOf(*keyed, 1, 0), (TRgba{0, 255, 0, 0}));
    EXPECT_EQ(PixelOf(*keyed, 2, 0), (TRgba{0, 0, 255, 127}));

    // Partial transparency is not carried over.
    auto partial = PalettePng(3, 1, palette, {255, 128, 0}, index);
    ASSERT_EQ(partial->Transparency(), trAlpha);
    FadePng(*partial, 127);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(PixelOf(*partial, x, 0).A, 127);

    auto grey = GreyPng(2, 1, [](int x, int) { return std::uint8_t(x ? 200 : 7); });
    FadePng(*grey, 127);
    EXPECT_EQ(ColourTypeOf(*grey), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*grey, 0, 0), (TRgba{7, 7, 7, 127}));
    EXPECT_EQ(PixelOf(*grey, 1, 0), (TRgba{200, 200, 200, 127}));
}

// ---- Desaturating --------------------------------------------------------------------------

TEST(DesaturatePng, FullAmountTurnsEveryChannelIntoTheGreyLevel) {
    const std::vector<TRgba> colours = {
        {255, 0, 0, 255}, {0, 255, 0, 200}, {0, 0, 255, 1}, {255, 255, 255, 0}, {0, 5, 5, 9}};
    auto png = RgbaPng(5, 1, [&](int x, int) { return colours[std::size_t(x)]; });
    DesaturatePng(*png, 255);
    // 255 x 0.3 = 76.5 goes to the even 76; (0, 5, 5) sums to a little below 3.5.
    const std::vector<std::uint8_t> grey = {76, 150, 28, 255, 3};
    for (int x = 0; x < 5; ++x) {
        const std::uint8_t g = grey[std::size_t(x)];
        EXPECT_EQ(PixelOf(*png, x, 0), (TRgba{g, g, g, colours[std::size_t(x)].A})) << x;
    }
}

TEST(DesaturatePng, PartialAmountsMixEachChannelWithTheGreyLevelAndSaturate) {
    auto png = RgbaPng(2, 1, [](int x, int) {
        return x ? TRgba{255, 255, 255, 255} : TRgba{200, 100, 0, 255};
    });
    DesaturatePng(*png, 127);
    // L(200, 100, 0) = 119; each channel round(C / 2) + round(119 / 2) = round(C / 2) + 60.
    EXPECT_EQ(PixelOf(*png, 0, 0), (TRgba{160, 110, 60, 255}));
    // White: 127.5 + 127.5 round up to 128 + 128, which is kept at 255.
    EXPECT_EQ(PixelOf(*png, 1, 0), (TRgba{255, 255, 255, 255}));
}

TEST(DesaturatePng, ChangesThePaletteOfPaletteImagesAndLeavesGreyImagesAlone) {
    auto palette = PalettePng(2, 1, {{255, 0, 0}, {0, 0, 255}}, {},
                              [](int x, int) { return std::uint8_t(x); });
    DesaturatePng(*palette, 255);
    EXPECT_EQ(ColourTypeOf(*palette), png::COLOR_PALETTE);
    EXPECT_EQ(PixelOf(*palette, 0, 0), (TRgba{76, 76, 76, 255}));
    EXPECT_EQ(PixelOf(*palette, 1, 0), (TRgba{28, 28, 28, 255}));

    auto grey = GreyPng(3, 1, [](int x, int) { return std::uint8_t(x * 100); });
    const TBytes before = pngtest::WritePng(*grey);
    DesaturatePng(*grey, 255);
    EXPECT_EQ(pngtest::WritePng(*grey), before);
}

// ---- Painting ------------------------------------------------------------------------------

class PaintPngTest : public ::testing::Test {
protected:
    // Opaque red, half-transparent green, transparent blue.
    std::unique_ptr<TPNGObject> Png = RgbaPng(3, 1, [](int x, int) {
        const TRgba pixels[] = {{255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 0}};
        return pixels[x];
    });
    static constexpr gdi::COLORREF Paper = 0x808080;

    std::vector<TColor> Painted(TPngOptions options) {
        auto surface = Surface(5, 3, Paper);
        PaintPng(*Png, surface->Canvas(), Rect(1, 1, 4, 2), options);
        return Pixels(surface->Canvas(), 5, 3);
    }
    static gdi::COLORREF At(const std::vector<TColor>& pixels, int x, int y) {
        return pixels[std::size_t(y * 5 + x)];
    }
};

TEST_F(PaintPngTest, WithoutOptionsDrawsAsTheImageDoesAndNeverChangesIt) {
    const TBytes before = pngtest::WritePng(*Png);
    auto direct = Surface(5, 3, Paper);
    Png->Draw(direct->Canvas(), Rect(1, 1, 4, 2));
    EXPECT_EQ(Painted({}), Pixels(direct->Canvas(), 5, 3));
    Painted({pngBlendOnDisabled, pngGrayscaleOnDisabled});
    EXPECT_EQ(pngtest::WritePng(*Png), before);
}

TEST_F(PaintPngTest, DisabledRenderingsFadeAndOrGreyTheImage) {
    const auto faded = Painted({pngBlendOnDisabled});
    EXPECT_EQ(At(faded, 1, 1), BlendColour({255, 0, 0, 128}, Paper));
    EXPECT_EQ(At(faded, 2, 1), BlendColour({0, 255, 0, 64}, Paper));
    EXPECT_EQ(At(faded, 3, 1), Paper);
    EXPECT_EQ(At(faded, 0, 1), Paper);

    const auto grey = Painted({pngGrayscaleOnDisabled});
    EXPECT_EQ(At(grey, 1, 1), BlendColour({76, 76, 76, 255}, Paper));
    EXPECT_EQ(At(grey, 2, 1), BlendColour({150, 150, 150, 128}, Paper));

    const auto both = Painted({pngBlendOnDisabled, pngGrayscaleOnDisabled});
    EXPECT_EQ(At(both, 1, 1), BlendColour({76, 76, 76, 128}, Paper));
}

TEST_F(PaintPngTest, AnImageWithoutAHeaderPaintsNothing) {
    TPNGObject empty;
    auto surface = Surface(2, 2, Paper);
    PaintPng(empty, surface->Canvas(), Rect(0, 0, 2, 2), {pngBlendOnDisabled});
    EXPECT_EQ(Pixels(surface->Canvas(), 2, 2), std::vector<TColor>(4, Paper));
}

// ---- Conversions ---------------------------------------------------------------------------

// A 32-bit bitmap painted pixel by pixel.
std::unique_ptr<TBitmap> Painted(int width, int height, const std::function<TColor(int, int)>& at,
                                 TPixelFormat format = pf32bit) {
    auto bitmap = Surface(width, height, clWhite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->Canvas().SetPixels(x, y, at(x, y));
    bitmap->SetPixelFormat(format);
    return bitmap;
}

TColor Checker(int x, int y) {
    return (x + y) % 2 ? 0x0000FF : 0x00FF00;
}

TEST(GraphicToPng, CopiesOpaqueBitmapsAsRgbAndKeysOutTheTransparentColour) {
    auto bitmap = Painted(3, 2, Checker);
    const auto plain = GraphicToPng(*bitmap);
    EXPECT_EQ(ColourTypeOf(*plain), png::COLOR_RGB);
    EXPECT_EQ(PixelOf(*plain, 1, 0), (TRgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(*plain, 2, 1), (TRgba{255, 0, 0, 255}));

    // Automatic mode: the bottom-left pixel's colour, (0, 1), is red.
    bitmap->SetTransparent(true);
    const auto automatic = GraphicToPng(*bitmap);
    EXPECT_EQ(ColourTypeOf(*automatic), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*automatic, 0, 1), (TRgba{255, 0, 0, 0}));
    EXPECT_EQ(PixelOf(*automatic, 0, 0), (TRgba{0, 255, 0, 255}));

    bitmap->SetTransparentColor(0x00FF00);
    const auto fixed = GraphicToPng(*bitmap);
    EXPECT_EQ(PixelOf(*fixed, 0, 1).A, 255);
    EXPECT_EQ(PixelOf(*fixed, 0, 0).A, 0);
}

TEST(GraphicToPng, CopiesPngImagesAndGivesEmptyGraphicsAnEmptyImage) {
    auto source = SolidPng(2, 2, {1, 2, 3, 4});
    const auto copy = GraphicToPng(*source);
    EXPECT_EQ(pngtest::WritePng(*copy), pngtest::WritePng(*source));
    TIcon empty;
    EXPECT_TRUE(GraphicToPng(empty)->Empty());
}

// A 2 x 1 icon: red on the left, with the given alpha bytes and mask.
std::unique_ptr<TIcon> Icon(int leftAlpha, int rightAlpha, bool rightMasked) {
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(
        testing_commctrl::MakeIcon(2, 1, {Argb(leftAlpha, 255, 0, 0), Argb(rightAlpha, 0, 0, 255)},
                                   {false, rightMasked})
            .Release());
    return icon;
}

TEST(GraphicToPng, IconsTakeTheirMaskAndOnAlphaSystemsTheirAlpha) {
    TAnswers answers;
    answers->MajorVersion = 5;
    answers->MinorVersion = 0;
    const auto opaqueOld = GraphicToPng(*Icon(0, 0, false));
    EXPECT_EQ(ColourTypeOf(*opaqueOld), png::COLOR_RGB);
    const auto maskedOld = GraphicToPng(*Icon(0, 0, true));
    EXPECT_EQ(PixelOf(*maskedOld, 0, 0), (TRgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(*maskedOld, 1, 0), (TRgba{0, 0, 255, 0}));

    answers->MinorVersion = 1;
    const auto opaque = GraphicToPng(*Icon(0, 0, false));
    EXPECT_EQ(ColourTypeOf(*opaque), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*opaque, 0, 0).A, 255);
    EXPECT_EQ(PixelOf(*opaque, 1, 0).A, 255);
    const auto alpha = GraphicToPng(*Icon(200, 7, false));
    EXPECT_EQ(PixelOf(*alpha, 0, 0), (TRgba{255, 0, 0, 200}));
    EXPECT_EQ(PixelOf(*alpha, 1, 0), (TRgba{0, 0, 255, 7}));

    // A palette display keeps to the mask.
    answers->DisplayBitsPerPixel = 8;
    EXPECT_EQ(ColourTypeOf(*GraphicToPng(*Icon(0, 0, false))), png::COLOR_RGB);
    EXPECT_EQ(PixelOf(*GraphicToPng(*Icon(200, 7, false)), 0, 0).A, 255);
    // So does a system that is not NT.
    answers->DisplayBitsPerPixel = 32;
    answers->PlatformId = 1;
    EXPECT_EQ(ColourTypeOf(*GraphicToPng(*Icon(0, 0, false))), png::COLOR_RGB);
}

TEST(MaskedBitmapToPng, TakesAlphaFromTheMasksRedChannel) {
    auto image = Painted(4, 1, [](int x, int) { return TColor(0x010203 * (x + 1)); });
    auto mask = Painted(3, 1, [](int x, int) {
        return x == 0 ? 0xFFFFFF : x == 1 ? 0x000000 : 0x0000C8;
    });
    const auto png = MaskedBitmapToPng(*image, mask.get(), false);
    EXPECT_EQ(ColourTypeOf(*png), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(*png, 0, 0), (TRgba{3, 2, 1, 255}));
    EXPECT_EQ(PixelOf(*png, 1, 0).A, 0);
    EXPECT_EQ(PixelOf(*png, 2, 0).A, 200);
    // Beyond the narrower mask, and without a mask, pixels are opaque.
    EXPECT_EQ(PixelOf(*png, 3, 0).A, 255);
    EXPECT_EQ(PixelOf(*MaskedBitmapToPng(*image, nullptr, false), 1, 0).A, 255);

    const auto inverted = MaskedBitmapToPng(*image, mask.get(), true);
    EXPECT_EQ(PixelOf(*inverted, 0, 0).A, 0);
    EXPECT_EQ(PixelOf(*inverted, 2, 0).A, 55);
}

TEST(MaskedBitmapToPng, PaletteAndTransparentBitmapsBecomeRgbWithAlphaOnly) {
    auto image = Painted(2, 1, Checker, pf8bit);
    image->SetTransparent(true);
    const auto png = MaskedBitmapToPng(*image, nullptr, false);
    EXPECT_EQ(ColourTypeOf(*png), png::COLOR_RGBALPHA);
    EXPECT_EQ(png->Chunks().ChunkOfClass<TChunktRNS>(), nullptr);
    EXPECT_EQ(PixelOf(*png, 0, 0), (TRgba{0, 255, 0, 255}));
}

TEST(KeyedBitmapToPng, MakesExactlyThePixelsOfTheMaskColourTransparent) {
    auto image = Painted(2, 2, Checker);
    const auto keyed = KeyedBitmapToPng(*image, 0x0000FF);
    EXPECT_EQ(PixelOf(*keyed, 0, 0), (TRgba{0, 255, 0, 255}));
    EXPECT_EQ(PixelOf(*keyed, 1, 0), (TRgba{255, 0, 0, 0}));
    EXPECT_EQ(PixelOf(*keyed, 0, 1).A, 0);
    const auto none = KeyedBitmapToPng(*image, 0x123456);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(PixelOf(*none, i % 2, i / 2).A, 255);
    // A system colour is not resolved, so it matches no pixel even of its own colour.
    auto face = Surface(1, 1, ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(*KeyedBitmapToPng(*face, clBtnFace), 0, 0).A, 255);
}

TEST(ReadIconAlpha, TakesTheFourthBytesOnlyWhenAnyIsSet) {
    TAlphaRows alpha(2, 1);
    alpha.Row(0)[1] = 0;
    const gdi::TOwnedBitmap none = ColourBitmap(2, 1, {Argb(0, 1, 2, 3), Argb(0, 4, 5, 6)});
    ReadIconAlpha(none.Get(), alpha);
    EXPECT_EQ(alpha.Bytes, (std::vector<std::uint8_t>{255, 0}));
    const gdi::TOwnedBitmap some = ColourBitmap(2, 1, {Argb(0, 1, 2, 3), Argb(9, 4, 5, 6)});
    ReadIconAlpha(some.Get(), alpha);
    EXPECT_EQ(alpha.Bytes, (std::vector<std::uint8_t>{0, 9}));
}

TEST(CopyPngFromImageList, CopiesPngItemsAndConvertsOtherListsByTheirMask) {
    TPngImageList pngs(nullptr);
    auto source = SolidPng(16, 16, {9, 8, 7, 100});
    pngs.PngImages()->AddItem(false)->SetPngImage(source.get());
    TPNGObject target;
    CopyPngFromImageList(target, pngs, 0);
    EXPECT_EQ(pngtest::WritePng(target), pngtest::WritePng(*source));
    auto other = SolidPng(16, 16, {1, 1, 1, 255});
    target.Assign(other.get());
    CopyPngFromImageList(target, pngs, 1);
    EXPECT_EQ(pngtest::WritePng(target), pngtest::WritePng(*other));

    TImageList plain(nullptr);
    auto image = Painted(16, 16, Checker);
    auto mask = Painted(16, 16, [](int x, int) { return x < 8 ? 0x000000 : 0xFFFFFF; });
    plain.Add(image.get(), mask.get());
    CopyPngFromImageList(target, plain, 0);
    EXPECT_EQ(ColourTypeOf(target), png::COLOR_RGBALPHA);
    EXPECT_EQ(PixelOf(target, 0, 0), (TRgba{0, 255, 0, 255}));
    EXPECT_EQ(PixelOf(target, 1, 0), (TRgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(target, 8, 0).A, 0);
    // No such image: the target stays as it was.
    const TBytes before = pngtest::WritePng(target);
    CopyPngFromImageList(target, plain, 1);
    EXPECT_EQ(pngtest::WritePng(target), before);
}

} // namespace
