// Whole rows as 8-bit RGBA, both ways, against the per-pixel calls they stand for: over the
// whole PngSuite, the images the suite does not have (row ends of every width, keys, missing
// palettes, indices beyond the palette), and after the chunk list changes under the image.

#include "png/rgba_rows.h"
#include "tests/png/png_test_support.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace pngtest;

// Every row through the reader, as PixelColour and PixelAlpha lay them out.
TRgbaImage RowPixels(const TPNGObject& image) {
    TRgbaImage out{std::uint32_t(image.Width()), std::uint32_t(image.Height()), {}};
    out.Pixels.resize(std::size_t(out.Width) * out.Height);
    const png::TRgbaReader reader(image);
    for (std::uint32_t y = 0; y < out.Height; ++y)
        reader.ReadRow(y, reinterpret_cast<std::uint8_t*>(out.Pixels.data() + y * out.Width));
    return out;
}

TBytes RandomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    TBytes bytes(count);
    for (auto& byte : bytes)
        byte = std::uint8_t(random());
    return bytes;
}

// The stored form of an image: every DIB row and alpha row, top row first.
TBytes StoredBytes(const TPNGObject& image) {
    const TChunkIHDR& header = image.HeaderChunk();
    TBytes out;
    for (std::uint32_t y = 0; y < header.Height(); ++y) {
        const std::uint8_t* row = header.PixelRow(y);
        out.insert(out.end(), row, row + header.RowStride());
        if (const std::uint8_t* alpha = header.AlphaRow(y))
            out.insert(out.end(), alpha, alpha + header.Width());
    }
    return out;
}

// Writes RGBA rows pixel by pixel, as the writer stands for.
void WritePixelByPixel(TPNGObject& image, const TBytes& rgba) {
    const auto width = std::uint32_t(image.Width());
    for (std::uint32_t y = 0; y < std::uint32_t(image.Height()); ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgba[(std::size_t(y) * width + x) * 4];
            image.SetPixelColour(int(x), int(y), gdi::RGB(p[0], p[1], p[2]));
            if (std::uint8_t* alpha = image.AlphaRow(y))
                alpha[x] = p[3];
        }
}

void WriteRows(TPNGObject& image, const TBytes& rgba) {
    png::TRgbaWriter writer(image);
    for (std::uint32_t y = 0; y < std::uint32_t(image.Height()); ++y)
        writer.WriteRow(y, &rgba[std::size_t(y) * image.Width() * 4]);
}

// Makes the image one of random pixels of the colour type at depth 8, written pixel by pixel.
void MakeRandom(TPNGObject& image, std::uint32_t width, std::uint32_t height,
                std::uint8_t colourType, std::uint32_t seed) {
    image.NewImage({width, height, 8, colourType, 0, 0, 0});
    WritePixelByPixel(image, RandomBytes(std::size_t(width) * height * 4, seed));
}

class SuiteImage : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam().empty())
            GTEST_SKIP() << "the PngSuite is missing (the conformance tests fail for it)";
        ReadPng(FImage, ReadFile(SuiteDir() + "/" + GetParam()));
    }
    TPNGObject FImage;
};

std::vector<std::string> ValidSuiteFiles() {
    std::vector<std::string> names;
    for (const auto& name : SuiteFiles())
        if (name[0] != 'x')
            names.push_back(name);
    return names.empty() ? std::vector<std::string>{""} : names;
}

TEST_P(SuiteImage, ReadRowsAreThePerPixelColoursAndOpacities) {
    EXPECT_EQ(RowPixels(FImage).Pixels, CodecPixels(FImage).Pixels);
    // Grey and RGB images with an alpha plane added, palette images with opaque entries.
    FImage.AddAlphaPlane();
    EXPECT_EQ(RowPixels(FImage).Pixels, CodecPixels(FImage).Pixels);
}

TEST_P(SuiteImage, WrittenRowsAreThePerPixelWrites) {
    const TBytes rgba = RandomBytes(std::size_t(FImage.Width()) * FImage.Height() * 4, 11);
    TPNGObject expected;
    expected.CopyFromPng(FImage);
    WritePixelByPixel(expected, rgba);
    WriteRows(FImage, rgba);
    EXPECT_EQ(StoredBytes(FImage), StoredBytes(expected));
}

std::string SuiteTestName(const ::testing::TestParamInfo<std::string>& file) {
    return file.param.empty() ? "missing" : file.param.substr(0, file.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(PngSuite, SuiteImage, ::testing::ValuesIn(ValidSuiteFiles()),
                         SuiteTestName);

// Vector code works in blocks of pixels and must stop short of the end of the DIB: the top
// row is the last one in memory, and for widths of a multiple of 4 it has no padding.
TEST(RgbaRows, EveryWidthAndBothColourKindsMatchThePerPixelCalls) {
    for (std::uint8_t colourType : {png::COLOR_RGB, png::COLOR_RGBALPHA})
        for (std::uint32_t width = 1; width <= 37; ++width) {
            TPNGObject image;
            MakeRandom(image, width, 3, colourType, width);
            EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels)
                << "colour type " << int(colourType) << " width " << width;
            const TBytes rgba = RandomBytes(std::size_t(width) * 3 * 4, 100 + width);
            TPNGObject expected;
            expected.CopyFromPng(image);
            WritePixelByPixel(expected, rgba);
            WriteRows(image, rgba);
            EXPECT_EQ(StoredBytes(image), StoredBytes(expected))
                << "colour type " << int(colourType) << " width " << width;
        }
}

TEST(RgbaRows, WrittenRowsReadBackAsWritten) {
    const TBytes rgba = RandomBytes(29 * 5 * 4, 3);
    TPNGObject image;
    image.NewImage({29, 5, 8, png::COLOR_RGBALPHA, 0, 0, 0});
    WriteRows(image, rgba);
    const TRgbaImage back = RowPixels(image);
    EXPECT_EQ(0, std::memcmp(back.Pixels.data(), rgba.data(), rgba.size()));
    // Without an alpha plane the alpha bytes are dropped and every pixel reads opaque.
    image.NewImage({29, 5, 8, png::COLOR_RGB, 0, 0, 0});
    WriteRows(image, rgba);
    for (const TRgba& pixel : RowPixels(image).Pixels)
        ASSERT_EQ(pixel.A, 255);
}

TEST(RgbaRows, KeyedRgbPixelsReadTransparent) {
    TPNGObject image;
    MakeRandom(image, 9, 4, png::COLOR_RGB, 5);
    image.SetPixelColour(3, 1, gdi::RGB(10, 20, 30));
    image.SetPixelColour(8, 3, gdi::RGB(10, 20, 30));
    image.Chunks().AddChunk<TChunktRNS>()->SetColourKey(gdi::RGB(10, 20, 30));
    const TRgbaImage rows = RowPixels(image);
    EXPECT_EQ(rows.Pixels, CodecPixels(image).Pixels);
    EXPECT_EQ(rows.At(3, 1), (TRgba{10, 20, 30, 0}));
    EXPECT_EQ(rows.At(8, 3).A, 0);
}

TBytes PaletteImage(std::uint32_t entries, std::uint8_t index) {
    TBytes palette;
    for (std::uint32_t i = 0; i < entries; ++i)
        palette.insert(palette.end(), {std::uint8_t(i * 10), std::uint8_t(i * 20), 7});
    return TPngBuilder()
        .Header(3, 1, 8, 3)
        .Chunk("PLTE", palette)
        .Chunk("tRNS", {255, 0})
        .ImageData(Deflate({0, 0, 1, index}))
        .End()
        .Bytes();
}

TEST(RgbaRows, AnIndexBeyondThePaletteFailsAsThePixelDoes) {
    TPNGObject image;
    ReadPng(image, PaletteImage(2, 1));
    EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels);
    ReadPng(image, PaletteImage(2, 2));
    const TFailure perPixel = FailureOf([&] { CodecPixels(image); });
    EXPECT_EQ(perPixel.ClassName, "EPngError");
    EXPECT_EQ(FailureOf([&] { RowPixels(image); }), perPixel);
}

// The reader takes the palette and the transparency as the list holds them when it is made;
// so do the per-pixel calls, which find them again whenever the list changes.
TEST(RgbaRows, ChunksTakenOutOrAddedCountFromTheNextReaderAndCall) {
    TPNGObject image;
    ReadPng(image, PaletteImage(3, 2));
    EXPECT_EQ(RowPixels(image).At(1, 0), (TRgba{10, 20, 7, 0}));
    image.Chunks().Remove(image.Chunks().ChunkOfClass<TChunktRNS>());
    EXPECT_EQ(image.PixelAlpha(1, 0), 255);
    EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels);
    image.Chunks().Remove(image.Chunks().ChunkOfClass<TChunkPLTE>());
    EXPECT_EQ(image.PixelColour(2, 0), 0u);
    EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels);
    image.AddAlphaPlane();
    EXPECT_NE(image.Chunks().ChunkOfClass<TChunktRNS>(), nullptr);
    EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels);
    image.DiscardChunks();
    EXPECT_FALSE(image.HasHeader());
    EXPECT_EQ(FailureOf([&] { png::TRgbaReader{image}; }).ClassName, "EPNGHeaderNotPresent");
    EXPECT_EQ(FailureOf([&] { image.PixelColour(0, 0); }).ClassName, "EPNGHeaderNotPresent");
}

TEST(RgbaRows, AHeaderMovedOutOfFirstPlaceIsNoHeader) {
    TPNGObject image;
    MakeRandom(image, 2, 2, png::COLOR_RGB, 1);
    auto header = image.Chunks().Remove(image.Chunks().Item(0));
    EXPECT_FALSE(image.HasHeader());
    image.Chunks().Insert(1, std::move(header));
    EXPECT_FALSE(image.HasHeader());
    image.Chunks().Insert(0, image.Chunks().Remove(image.Chunks().Item(1)));
    EXPECT_TRUE(image.HasHeader());
    EXPECT_EQ(RowPixels(image).Pixels, CodecPixels(image).Pixels);
}

} // namespace
