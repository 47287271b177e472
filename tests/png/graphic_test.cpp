// TPNGObject among the class library's graphics: drawing on canvases, assignment with
// bitmaps, the clipboard and pictures that load ".png" files.

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/clipboard.h"
#include "gui/graphics/picture.h"
#include "png/pngobject.h"
#include "tests/png/png_test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace pngtest;
using gdi::RGB;

// A 2 x 1 RGBA image: opaque red, then black at alpha 128.
TBytes HalfTransparent() {
    return TPngBuilder()
        .Header(2, 1, 8, 6)
        .ImageData(Deflate({0, 255, 0, 0, 255, 0, 0, 0, 128}))
        .End()
        .Bytes();
}

TBytes KeyedPalette() {
    return TPngBuilder()
        .Header(2, 1, 8, 3)
        .Chunk("PLTE", {10, 20, 30, 200, 100, 50})
        .Chunk("tRNS", {255, 0})
        .ImageData(Deflate({0, 0, 1}))
        .End()
        .Bytes();
}

TEST(Graphic, DrawsOnACanvasThroughItsContext) {
    TPNGObject image;
    ReadPng(image, HalfTransparent());
    TBitmap bitmap(4, 2);
    bitmap.Canvas().Draw(1, 1, &image);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Canvas().Pixels(2, 1), RGB(127, 127, 127));
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 0), RGB(255, 255, 255));
    TPNGObject empty;
    bitmap.Canvas().StretchDraw(Rect(0, 0, 4, 2), &empty);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), RGB(255, 255, 255));
    EXPECT_FALSE(empty.Transparent());
    EXPECT_TRUE(image.Transparent());
}

TEST(Graphic, AssignFromATransparentBitmapKeysItsColour) {
    TBitmap bitmap(3, 2);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.Canvas().SetPixels(0, 0, RGB(1, 2, 3));
    bitmap.Canvas().SetPixels(2, 1, clFuchsia);
    bitmap.SetTransparentColor(clFuchsia);
    bitmap.SetTransparent(true);
    TPNGObject image;
    image.Assign(&bitmap);
    EXPECT_EQ(image.HeaderChunk().ColourType(), 2);
    EXPECT_EQ(image.Transparency(), trColourKey);
    EXPECT_EQ(image.TransparentColour(), clFuchsia);
    EXPECT_EQ(image.PixelColour(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(image.PixelAlpha(2, 1), 0);
    EXPECT_EQ(image.PixelAlpha(1, 1), 255);
}

TEST(Graphic, AssignToABitmapCarriesColoursAndTheKeyButNotAlpha) {
    TPNGObject rgba;
    ReadPng(rgba, HalfTransparent());
    TBitmap fromAlpha;
    fromAlpha.Assign(&rgba);
    EXPECT_EQ(fromAlpha.PixelFormat(), pf24bit);
    EXPECT_FALSE(fromAlpha.Transparent());
    EXPECT_EQ(fromAlpha.Canvas().Pixels(1, 0), RGB(0, 0, 0));

    TPNGObject keyed;
    ReadPng(keyed, KeyedPalette());
    TBitmap fromPalette;
    fromPalette.Assign(&keyed);
    EXPECT_EQ(fromPalette.PixelFormat(), pf8bit);
    EXPECT_TRUE(fromPalette.Transparent());
    EXPECT_EQ(fromPalette.TransparentColor(), RGB(200, 100, 50));
    EXPECT_EQ(fromPalette.Canvas().Pixels(0, 0), RGB(10, 20, 30));

    TPNGObject empty;
    TBitmap untouched;
    EXPECT_EQ(FailureOf([&] { untouched.Assign(&empty); }),
              (TFailure{"EConvertError", "Cannot assign a TPNGObject to a TBitmap"}));
    TPicture picture;
    EXPECT_EQ(FailureOf([&] { rgba.Assign(&picture); }).ClassName, "EConvertError");
}

TEST(Graphic, ClipboardExportBlendsOverWhiteAndImportReadsTheBitmap) {
    TPNGObject image;
    ReadPng(image, HalfTransparent());
    Clipboard().Assign(&image);
    TBitmap pasted;
    pasted.Assign(&Clipboard());
    EXPECT_EQ(pasted.Width(), 2);
    EXPECT_EQ(pasted.Canvas().Pixels(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(pasted.Canvas().Pixels(1, 0), RGB(127, 127, 127));

    TPNGObject back;
    back.Assign(&Clipboard());
    EXPECT_EQ(back.HeaderChunk().ColourType(), 2);
    EXPECT_EQ(back.PixelColour(1, 0), RGB(127, 127, 127));
    EXPECT_EQ(back.Transparency(), trNone);

    // An image without a header makes an empty bitmap: the clipboard is left empty.
    TPNGObject empty;
    Clipboard().Assign(&empty);
    EXPECT_FALSE(Clipboard().HasFormat(clipboard::CF_BITMAP));
    Clipboard().Clear();
}

TEST(Graphic, PicturesLoadPngFiles) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("graphic_test_" + std::to_string(::getpid()) + ".PNG");
    const TBytes bytes = KeyedPalette();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    TPicture picture;
    picture.LoadFromFile(path.string());
    std::filesystem::remove(path);
    const auto* image = dynamic_cast<const TPNGObject*>(picture.Graphic());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->PixelColour(1, 0), RGB(200, 100, 50));
    const auto* format = GraphicFileFormats().FindExtension("png");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->Description, "Portable Network Graphics");

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(dynamic_cast<const TPNGObject*>(copy.Graphic()), nullptr);
}

} // namespace
