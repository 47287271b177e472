// Double-size images of the PNG image list: drawn pixel for pixel on surfaces whose scale is a
// multiple of 2, left aside elsewhere, copied with their items and streamed only when present.

#include "gui/classes/classbuilder.h"
#include "gui/classes/reader.h"
#include "gui/classes/writer.h"
#include "platform/gdi/gdi.h"
#include "tests/pngimagelist/helpers.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace testing_pngimagelist;

constexpr gdi::COLORREF Paper = 0x336699;

// A surface of a device scale with a canvas on it; pixels are read in device pixels.
class TScaledSurface {
public:
    TScaledSurface(int width, int height, int scale) : FWidth(width * scale) {
        gdi::BITMAPINFO info{};
        info.bmiHeader.biWidth = width * scale;
        info.bmiHeader.biHeight = -height * scale;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        FBitmap.Reset(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
        FBits = static_cast<std::uint32_t*>(bits);
        std::fill(FBits, FBits + std::size_t(width * scale) * std::size_t(height * scale),
                  std::uint32_t(0x996633)); // Paper, as stored: blue-green-red from the low byte
        gdi::SetBitmapScale(FBitmap.Get(), scale);
        FDC.Reset(gdi::CreateCompatibleDC(nullptr));
        FSelection.emplace(FDC.Get(), FBitmap.Get());
        Canvas.SetHandle(FDC.Get());
    }

    gdi::COLORREF At(int x, int y) const {
        const std::uint32_t p = FBits[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)];
        return gdi::RGB(gdi::BYTE(p >> 16), gdi::BYTE(p >> 8), gdi::BYTE(p));
    }

private:
    int FWidth;
    std::uint32_t* FBits = nullptr;
    gdi::TOwnedBitmap FBitmap;
    gdi::TOwnedDC FDC;
    std::optional<gdi::TSelection> FSelection;

public:
    // Last, so that it lets go of the context before the context goes.
    TCanvas Canvas;
};

TRgba DensePixel(int x, int y) {
    return {std::uint8_t(30 * x), std::uint8_t(255 - 30 * y), std::uint8_t(x == y ? 255 : 0),
            std::uint8_t(x < 2 ? 0 : 128 + 16 * y)};
}

class DenseImages : public ::testing::Test {
protected:
    // A 4 x 4 list holding one opaque red image whose double-size image is dense.
    DenseImages() {
        List.SetWidth(4);
        List.SetHeight(4);
        const auto red = SolidPng(4, 4, {255, 0, 0, 255});
        TPngImageCollectionItem& item = *List.PngImages()->AddItem(false);
        item.SetPngImage(red.get());
        item.SetPngImage2x(Dense.get());
    }

    // The device pixels of the size x size square at (x0, y0) that differ from a picture
    // blended over the paper, each picture pixel covering cover x cover device pixels.
    static int Differences(const TScaledSurface& surface, int x0, int y0, int size, int cover,
                           const std::function<TRgba(int, int)>& picture) {
        int differences = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differences +=
                    surface.At(x0 + x, y0 + y) != BlendColour(picture(x / cover, y / cover), Paper);
        return differences;
    }

    std::unique_ptr<TPNGObject> Dense = RgbaPng(8, 8, DensePixel);
    TPngImageList List{nullptr};
};

const auto Red = [](int, int) { return TRgba{255, 0, 0, 255}; };

TEST_F(DenseImages, SurfacesOfAnEvenScaleShowTheDoubleSizeImagePixelForPixel) {
    TScaledSurface two(8, 8, 2);
    List.Draw(two.Canvas, 1, 2, 0);
    EXPECT_EQ(Differences(two, 2, 4, 8, 1, DensePixel), 0);
    EXPECT_EQ(two.At(1, 4), Paper);
    EXPECT_EQ(two.At(10, 11), Paper);

    TScaledSurface four(8, 8, 4);
    List.Draw(four.Canvas, 1, 1, 0);
    EXPECT_EQ(Differences(four, 4, 4, 16, 2, DensePixel), 0);
}

TEST_F(DenseImages, OtherScalesAndMisfitImagesDrawTheImageItself) {
    TScaledSurface one(8, 8, 1);
    List.Draw(one.Canvas, 1, 1, 0);
    EXPECT_EQ(Differences(one, 1, 1, 4, 1, Red), 0);
    TScaledSurface three(8, 8, 3);
    List.Draw(three.Canvas, 1, 1, 0);
    EXPECT_EQ(Differences(three, 3, 3, 12, 3, Red), 0);

    List.PngImages()->Items(0)->SetPngImage2x(RgbaPng(6, 6, DensePixel).get());
    TScaledSurface two(8, 8, 2);
    List.Draw(two.Canvas, 1, 1, 0);
    EXPECT_EQ(Differences(two, 2, 2, 8, 2, Red), 0);
}

TEST_F(DenseImages, DisabledDrawingFadesTheDoubleSizeImage) {
    TScaledSurface two(8, 8, 2);
    List.Draw(two.Canvas, 0, 0, 0, false);
    const auto faded = DisabledPng(*Dense, {pngBlendOnDisabled});
    EXPECT_EQ(Differences(two, 0, 0, 8, 1, [&](int x, int y) { return PixelOf(*faded, x, y); }), 0);
}

TEST_F(DenseImages, ItemsCopyTheirDoubleSizeImage) {
    TPngImageList copy(nullptr);
    copy.SetWidth(4);
    copy.SetHeight(4);
    copy.SetPngImages(List.PngImages());
    TPNGObject* image = copy.PngImages()->Items(0)->PngImage2x();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pngtest::WritePng(*image), pngtest::WritePng(*Dense));
    copy.PngImages()->Items(0)->SetPngImage2x(nullptr);
    EXPECT_EQ(copy.PngImages()->Items(0)->PngImage2x(), nullptr);
    EXPECT_NE(List.PngImages()->Items(0)->PngImage2x(), nullptr);
}

class TDenseRoot : public TComponent {
public:
    using TComponent::TComponent;
};

TBytes Write(TComponent& root) {
    TMemoryStream stream;
    TWriter(stream).WriteRootComponent(root);
    return stream.Bytes();
}

bool Names(const TBytes& bytes, std::string_view name) {
    return std::search(bytes.begin(), bytes.end(), name.begin(), name.end()) != bytes.end();
}

TEST_F(DenseImages, StreamsCarryTheDoubleSizeImageOnlyWhenThereIsOne) {
    RegisterClass<TDenseRoot, TComponent>();
    TDenseRoot root(nullptr);
    auto* list = new TPngImageList(&root);
    list->SetName("Icons");
    list->SetWidth(4);
    list->SetHeight(4);
    list->SetPngImages(List.PngImages());
    list->PngImages()->AddItem(false)->SetPngImage(SolidPng(4, 4, {0, 0, 255, 255}).get());
    const TBytes bytes = Write(root);
    EXPECT_TRUE(Names(bytes, "PngImage2x"));

    TDenseRoot copy(nullptr);
    TMemoryStream stream(bytes);
    TReader(stream).ReadRootComponent(copy);
    auto* read = dynamic_cast<TPngImageList*>(copy.FindComponent("Icons"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->PngImages()->Count(), 2);
    EXPECT_EQ(pngtest::WritePng(*read->PngImages()->Items(0)->PngImage2x()),
              pngtest::WritePng(*Dense));
    EXPECT_EQ(read->PngImages()->Items(1)->PngImage2x(), nullptr);
    EXPECT_EQ(Write(copy), bytes);

    // Without double-size images the stream is what it always was.
    list->PngImages()->Items(0)->SetPngImage2x(nullptr);
    EXPECT_FALSE(Names(Write(root), "PngImage2x"));
}

TEST_F(DenseImages, AFileThatDoesNotDecodeIsDroppedWithTheCodecsErrorOnFirstUse) {
    RegisterClass<TDenseRoot, TComponent>();
    TDenseRoot root(nullptr);
    auto* list = new TPngImageList(&root);
    list->SetName("Icons");
    list->SetWidth(4);
    list->SetHeight(4);
    list->SetPngImages(List.PngImages());
    TBytes bytes = Write(root);
    // The last byte of the double-size image's header CRC.
    const auto name = std::search(bytes.begin(), bytes.end(), std::begin("PngImage2x"),
                                  std::end("PngImage2x") - 1);
    ASSERT_NE(name, bytes.end());
    const std::size_t file = std::size_t(name - bytes.begin()) + 10 + 5;
    bytes[file + 8 + 8 + 13 + 3] ^= 0xFF;

    TDenseRoot copy(nullptr);
    TMemoryStream stream(bytes);
    TReader(stream).ReadRootComponent(copy);
    TPngImageCollectionItem& item =
        *dynamic_cast<TPngImageList&>(*copy.FindComponent("Icons")).PngImages()->Items(0);
    const auto failure = pngtest::FailureOf([&] { item.PngImage2x(); });
    EXPECT_EQ(failure.ClassName, "EPngInvalidCRC") << failure.Message;
    EXPECT_EQ(item.PngImage2x(), nullptr);
    TScaledSurface two(8, 8, 2);
    dynamic_cast<TPngImageList&>(*copy.FindComponent("Icons")).Draw(two.Canvas, 0, 0, 0);
    EXPECT_EQ(Differences(two, 0, 0, 8, 2, Red), 0);
}

} // namespace
