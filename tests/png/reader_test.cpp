// Reading PNG streams: the chunk list, the header checks, every failure with its exact
// message, and streams whose lengths and compressed data lie.

#include "png/errors.h"
#include "png/pngobject.h"
#include "png/registry.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/png/png_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace pngtest;

// A 2 x 2 RGB image whose rows are given.
TBytes RgbData() {
    return Deflate(UnfilteredRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
}

TPngBuilder RgbImage() {
    TPngBuilder png;
    png.Header(2, 2, 8, 2);
    return png;
}

std::vector<std::string> ChunkTypes(const TPNGObject& image) {
    std::vector<std::string> types;
    for (std::size_t i = 0; i < image.Chunks().Count(); ++i) {
        const TChunkType& type = image.Chunks().Item(i)->ChunkType();
        types.emplace_back(type.begin(), type.end());
    }
    return types;
}

using Types = std::vector<std::string>;

TEST(Reader, KeepsChunksInFileOrderWithOneImageDataChunkAndNoChrm) {
    TBytes data = RgbData();
    const TBytes bytes = RgbImage()
                             .Chunk("cHRM", TBytes(32, 1))
                             .Chunk("prVt", {1, 2, 3})
                             .ImageData(data, 5)
                             .Chunk("tEXt", {'a', 0, 'b'})
                             .End()
                             .Bytes();
    TPNGObject image;
    ReadPng(image, bytes);
    EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "prVt", "IDAT", "tEXt", "IEND"}));
    EXPECT_EQ(image.Chunks().Item(1)->BodySize(), 3u);
    EXPECT_EQ(image.Chunks().Item(2)->BodySize(), 0u);
    EXPECT_EQ(image.Chunks().Item(5), nullptr);
    EXPECT_EQ(image.PixelColour(1, 1), gdi::RGB(10, 11, 12));
    EXPECT_EQ(image.PixelColour(0, 0), gdi::RGB(1, 2, 3));
}

TEST(Reader, ImageDataSplitIntoTinyChunksDecodesLikeOneChunk) {
    std::vector<TBytes> rows;
    for (int y = 0; y < 40; ++y) {
        TBytes row;
        for (int x = 0; x < 3 * 40; ++x)
            row.push_back(std::uint8_t(x * 7 + y * 13));
        rows.push_back(row);
    }
    const TBytes data = Deflate(UnfilteredRows(rows));
    TPNGObject whole, split;
    TPngBuilder one, many;
    one.Header(40, 40, 8, 2).ImageData(data).End();
    many.Header(40, 40, 8, 2).ImageData(data, 3).End();
    ReadPng(whole, one.Bytes());
    ReadPng(split, many.Bytes());
    const TRgbaImage expected = CodecPixels(whole);
    EXPECT_EQ(CodecPixels(split).Pixels, expected.Pixels);
    EXPECT_EQ(expected.At(39, 39),
              (TRgba{std::uint8_t(117 * 7 + 39 * 13), std::uint8_t(118 * 7 + 39 * 13),
                     std::uint8_t(119 * 7 + 39 * 13), 255}));
}

TEST(Reader, EmptyImageDataChunksInTheMiddleArePassedOver) {
    const TBytes data = RgbData();
    TBytes bytes = RgbImage()
                       .Chunk("IDAT", TBytes(data.begin(), data.begin() + 4))
                       .Chunk("IDAT", {})
                       .Chunk("IDAT", {})
                       .Chunk("IDAT", TBytes(data.begin() + 4, data.end()))
                       .End()
                       .Bytes();
    TPNGObject image;
    ReadPng(image, bytes);
    EXPECT_EQ(image.PixelColour(1, 1), gdi::RGB(10, 11, 12));
}

TEST(Reader, ChunkBetweenImageDataChunksIsMissingData) {
    const TBytes data = RgbData();
    const TBytes bytes = RgbImage()
                             .Chunk("IDAT", TBytes(data.begin(), data.begin() + 6))
                             .Chunk("tEXt", {'a', 0, 'b'})
                             .Chunk("IDAT", TBytes(data.begin() + 6, data.end()))
                             .End()
                             .Bytes();
    EXPECT_EQ(ReadFailure(bytes),
              (TFailure{"EPNGMissingMultipleIDAT", png::msg::MissingMultipleIDAT}));
}

TEST(Reader, SurplusImageDataChunksAfterTheImageAreSkipped) {
    const TBytes bytes = RgbImage()
                             .ImageData(RgbData())
                             .Chunk("IDAT", {9, 9, 9}, true)
                             .Chunk("tIME", {7, 213, 1, 2, 3, 4, 5})
                             .End()
                             .Bytes();
    TPNGObject image;
    ReadPng(image, bytes);
    EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "IDAT", "tIME", "IEND"}));
    EXPECT_EQ(Required(image.Chunks().ChunkOfClass<TChunktIME>()).FYear, 2005);
}

TEST(Reader, CrcErrorsFailInEveryKindOfChunk) {
    const TFailure crc{"EPngInvalidCRC", png::msg::InvalidCRC};
    EXPECT_EQ(ReadFailure(
                  RgbImage().Chunk("tEXt", {'a', 0, 'b'}, true).ImageData(RgbData()).End().Bytes()),
              crc);
    EXPECT_EQ(ReadFailure(RgbImage().Chunk("prVt", {1}, true).ImageData(RgbData()).End().Bytes()),
              crc);
    EXPECT_EQ(ReadFailure(RgbImage().Chunk("IDAT", RgbData(), true).End().Bytes()), crc);
    EXPECT_EQ(ReadFailure(RgbImage().ImageData(RgbData()).Chunk("IEND", {}, true).Bytes()), crc);
    TBytes data = RgbData();
    TBytes bytes = RgbImage()
                       .Chunk("IDAT", TBytes(data.begin(), data.begin() + 3), true)
                       .Chunk("IDAT", TBytes(data.begin() + 3, data.end()))
                       .End()
                       .Bytes();
    EXPECT_EQ(ReadFailure(bytes), crc);
}

TEST(Reader, SignatureAndHeaderFailuresCarryTheirMessages) {
    TBytes bad = RgbImage().ImageData(RgbData()).End().Bytes();
    for (int i = 0; i < 8; ++i) {
        TBytes copy = bad;
        copy[i] ^= 0x40;
        EXPECT_EQ(ReadFailure(copy),
                  (TFailure{"EPNGInvalidFileHeader", png::msg::InvalidFileHeader}));
    }
    EXPECT_EQ(ReadFailure(TBytes(bad.begin(), bad.begin() + 5)).ClassName, "EPNGInvalidFileHeader");

    TPngBuilder notFirst;
    notFirst.Chunk("gAMA", {0, 0, 0x27, 0x10});
    TPNGObject image;
    EXPECT_EQ(FailureOf([&] { ReadPng(image, notFirst.Bytes()); }),
              (TFailure{"EPNGIHDRNotFirst", png::msg::IHDRNotFirst}));
    EXPECT_TRUE(image.Empty());

    const auto header = [](std::uint32_t w, std::uint32_t h, std::uint8_t depth, std::uint8_t type,
                           std::uint8_t interlace) {
        TPngBuilder png;
        return png.Header(w, h, depth, type, interlace).ImageData(RgbData()).End().Bytes();
    };
    EXPECT_EQ(ReadFailure(header(65536, 1, 8, 2, 0)),
              (TFailure{"EPNGSizeExceeds", png::msg::SizeExceeds}));
    EXPECT_EQ(ReadFailure(header(1, 1, 8, 2, 2)),
              (TFailure{"EPNGUnknownInterlace", png::msg::UnknownInterlace}));
    const TFailure invalid{"EPngInvalidIHDR", png::msg::InvalidIHDR};
    EXPECT_EQ(ReadFailure(header(0, 1, 8, 2, 0)), invalid);
    EXPECT_EQ(ReadFailure(header(1, 0, 8, 2, 0)), invalid);
    EXPECT_EQ(ReadFailure(header(1, 1, 16, 3, 0)), invalid);
    EXPECT_EQ(ReadFailure(header(1, 1, 4, 2, 0)), invalid);
    EXPECT_EQ(ReadFailure(header(1, 1, 8, 5, 0)), invalid);
    EXPECT_EQ(ReadFailure(header(1, 1, 3, 0, 0)), invalid);
    TPngBuilder shortHeader;
    shortHeader.Chunk("IHDR", TBytes(12, 1));
    EXPECT_EQ(ReadFailure(shortHeader.Bytes()), invalid);
    TPngBuilder compression;
    compression.Chunk("IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 1, 0, 0});
    EXPECT_EQ(ReadFailure(compression.Bytes()),
              (TFailure{"EPNGUnknownCompression", png::msg::UnknownCompression}));
}

TEST(Reader, WidthOf65535IsAccepted) {
    TBytes row(65535 * 3 + 1, 0);
    TPNGObject image;
    ReadPng(image, TPngBuilder().Header(65535, 1, 8, 2).ImageData(Deflate(row)).End().Bytes());
    EXPECT_EQ(image.Width(), 65535);
}

TEST(Reader, CutFilesAndUnknownCriticalChunksFailAndKeepWhatWasRead) {
    TBytes whole = RgbImage().Chunk("prVt", {1}).ImageData(RgbData()).End().Bytes();
    TPNGObject image;
    const TBytes cut(whole.begin(), whole.end() - 12);
    EXPECT_EQ(FailureOf([&] { ReadPng(image, cut); }),
              (TFailure{"EPngUnexpectedEnd", png::msg::UnexpectedEnd}));
    EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "prVt", "IDAT"}));
    EXPECT_FALSE(image.Empty());
    EXPECT_EQ(image.PixelColour(1, 1), gdi::RGB(10, 11, 12));

    const TBytes critical = RgbImage().Chunk("ABCD", {1, 2}).ImageData(RgbData()).End().Bytes();
    EXPECT_EQ(FailureOf([&] { ReadPng(image, critical); }),
              (TFailure{"EPNGUnknownCriticalChunk", png::msg::UnknownCriticalChunk}));
    EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "ABCD"}));

    EXPECT_EQ(ReadFailure(RgbImage().Chunk("tEXt", {'a', 0, 'b'}).End().Bytes()),
              (TFailure{"EPNGNoImageData", png::msg::NoImageData}));
}

TEST(Reader, StopsAfterTheEndChunkAndLeavesTheStreamAfterIt) {
    TBytes bytes = RgbImage().ImageData(RgbData()).End().Bytes();
    const std::size_t end = bytes.size();
    bytes.insert(bytes.end(), {'t', 'r', 'a', 'i', 'l'});
    TReadOnlyMemoryStream stream(bytes.data(), std::int64_t(bytes.size()));
    TPNGObject image;
    image.ReadFromStream(stream);
    EXPECT_EQ(stream.Position(), std::int64_t(end));
}

TEST(Reader, LengthsBeyondTheStreamOrAbove2GiBFailWithoutReadingThem) {
    const TBytes good = RgbImage().ImageData(RgbData()).End().Bytes();
    const auto withLength = [&](std::size_t at, std::uint32_t length) {
        TBytes bytes = good;
        bytes[at] = std::uint8_t(length >> 24);
        bytes[at + 1] = std::uint8_t(length >> 16);
        bytes[at + 2] = std::uint8_t(length >> 8);
        bytes[at + 3] = std::uint8_t(length);
        return bytes;
    };
    const TFailure end{"EPngUnexpectedEnd", png::msg::UnexpectedEnd};
    const std::size_t idat = 8 + 25;
    for (std::uint32_t length : {0x80000000u, 0xFFFFFFFFu, 0x7FFFFFFFu, 5000u})
        EXPECT_EQ(ReadFailure(withLength(8, length)), end) << length;
    // Image data is read as far as the file goes, and its rows are kept; the CRC cannot be
    // read after it.
    for (std::uint32_t length : {0x7FFFFFFFu, 5000u}) {
        TPNGObject image;
        EXPECT_EQ(FailureOf([&] { ReadPng(image, withLength(idat, length)); }),
                  (TFailure{"EPngInvalidCRC", png::msg::InvalidCRC}))
            << length;
        EXPECT_EQ(image.PixelColour(1, 1), gdi::RGB(10, 11, 12));
    }
    for (std::uint32_t length : {0x80000000u, 0xFFFFFFFFu})
        EXPECT_EQ(ReadFailure(withLength(idat, length)), end) << length;
    TBytes skipped = RgbImage().ImageData(RgbData()).Chunk("IDAT", {1}).End().Bytes();
    const std::size_t surplus = skipped.size() - 12 - 13;
    skipped[surplus] = 0x7F;
    EXPECT_EQ(ReadFailure(skipped), end);
}

// Rows of 40 grey bytes, stored uncompressed, so a cut after n bytes of data leaves the
// first rows whole.
TBytes StoredGreyRows(std::uint32_t rows) {
    std::vector<TBytes> data;
    for (std::uint32_t y = 0; y < rows; ++y)
        data.push_back(TBytes(40, std::uint8_t(10 + y)));
    return Deflate(UnfilteredRows(data), 0);
}

TEST(Reader, AFileCutInItsImageDataKeepsTheRowsDecodedSoFar) {
    const TBytes data = StoredGreyRows(8);
    // The zlib header, the stored block's header, two rows and 19 bytes of the third: cut in
    // the only IDAT chunk, and in the second of two.
    const std::size_t kept = 2 + 5 + 2 * 41 + 20;
    for (const std::size_t piece : {data.size(), std::size_t(100)}) {
        const TBytes whole = TPngBuilder().Header(40, 8, 8, 0).ImageData(data, piece).Bytes();
        const std::size_t framing = kept > piece ? 12 : 0;
        const TBytes cut(whole.begin(),
                         whole.begin() + std::ptrdiff_t(8 + 25 + 8 + kept + framing));
        TPNGObject image;
        EXPECT_EQ(FailureOf([&] { ReadPng(image, cut); }),
                  (TFailure{"EPngInvalidCRC", png::msg::InvalidCRC}));
        EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "IDAT"}));
        EXPECT_EQ(image.PixelColour(39, 1), gdi::RGB(11, 11, 11));
        EXPECT_EQ(image.PixelColour(18, 2), gdi::RGB(12, 12, 12));
        EXPECT_EQ(image.PixelColour(19, 2), 0u);
        EXPECT_EQ(image.PixelColour(0, 3), 0u);
        // The rows draw.
        gdi::test::TCanvas canvas(40, 8, gdi::RGB(1, 2, 3));
        image.DrawOnDC(canvas.DC(), {0, 0, 40, 8});
        EXPECT_EQ(canvas.At(5, 0), gdi::RGB(10, 10, 10));
        EXPECT_EQ(canvas.At(5, 2), gdi::RGB(12, 12, 12));
        EXPECT_EQ(canvas.At(5, 7), gdi::RGB(0, 0, 0));
    }
}

// A stream that ends where the next chunk's length or type should stand is a file cut short,
// whether the image data still needed bytes or not: EPngUnexpectedEnd, as for every chunk.
TEST(Reader, AFileEndingAfterAnImageDataCrcIsUnexpectedlyAtItsEnd) {
    const TBytes data = StoredGreyRows(4);
    const TBytes whole = TPngBuilder().Header(40, 4, 8, 0).ImageData(data, 60).End().Bytes();
    const std::size_t firstEnd = 8 + 25 + 12 + 60;
    for (std::size_t extra : {0u, 1u, 3u, 6u}) {
        TPNGObject image;
        EXPECT_EQ(FailureOf([&] {
                      ReadPng(image, TBytes(whole.begin(),
                                            whole.begin() + std::ptrdiff_t(firstEnd + extra)));
                  }),
                  (TFailure{"EPngUnexpectedEnd", png::msg::UnexpectedEnd}))
            << extra;
        EXPECT_EQ(image.PixelColour(0, 0), gdi::RGB(10, 10, 10));
    }
}

TEST(Reader, CorruptCompressedDataNamesTheZlibError) {
    TBytes data = RgbData();
    data[0] = 0x78;
    data[1] = 0x9C;
    data[2] = 0xFF;
    const TFailure failure = ReadFailure(RgbImage().ImageData(data).End().Bytes());
    EXPECT_EQ(failure.ClassName, "EPNGZLIBError");
    EXPECT_EQ(failure.Message, std::string(png::msg::ZLIBError) + "data error (-3)");
}

TEST(Reader, EarlyEndOfCompressedDataLeavesTheRestZeroAndChecksTheCrc) {
    // One complete row, then the zlib stream ends; junk after it in the same chunk.
    TBytes data = Deflate(UnfilteredRows({{1, 2, 3, 4, 5, 6}}));
    data.insert(data.end(), 70000, 0xAB);
    TPNGObject image;
    ReadPng(image, RgbImage().ImageData(data).Chunk("tEXt", {'k', 0, 'v'}).End().Bytes());
    EXPECT_EQ(image.PixelColour(1, 0), gdi::RGB(4, 5, 6));
    EXPECT_EQ(image.PixelColour(1, 1), 0u);
    EXPECT_EQ(ChunkTypes(image), (Types{"IHDR", "IDAT", "tEXt", "IEND"}));
}

TEST(Reader, PresetDictionaryRequestEndsTheDataInsteadOfLooping) {
    // A zlib header with FDICT set and a dictionary id: inflate asks for the dictionary.
    const TBytes data = {0x78, 0xBB, 0x00, 0x00, 0x00, 0x01, 0x63, 0x00, 0x00};
    TPNGObject image;
    ReadPng(image, RgbImage().ImageData(data).End().Bytes());
    EXPECT_EQ(image.PixelColour(0, 0), 0u);
}

TEST(Reader, HugeClaimedImageFromATinyFileUsesLittleMemory) {
    const TBytes data = Deflate(TBytes(4000, 0));
    const TBytes bytes = TPngBuilder().Header(65535, 65535, 8, 6).ImageData(data).End().Bytes();
    ASSERT_LT(bytes.size(), 120u);
    const std::size_t before = ResidentBytes();
    {
        TPNGObject image;
        ReadPng(image, bytes);
        EXPECT_EQ(image.Width(), 65535);
        EXPECT_EQ(image.Transparency(), trAlpha);
        if (ResidentMemoryIsMeasurable()) {
            EXPECT_LT(ResidentBytes() - std::min(before, ResidentBytes()), 64u << 20);
        }
    }
    const TBytes cut = TPngBuilder().Header(65535, 65535, 16, 6).Chunk("IDAT", {0x78}).Bytes();
    EXPECT_EQ(ReadFailure(cut).ClassName, "EPngUnexpectedEnd");
}

TEST(Chunks, PaletteAndTransparencyLengthsAreChecked) {
    const auto palette = [](std::size_t length) {
        TPngBuilder png;
        return png.Header(1, 1, 8, 3)
            .Chunk("PLTE", TBytes(length, 9))
            .ImageData(Deflate({0, 0}))
            .End()
            .Bytes();
    };
    EXPECT_EQ(ReadFailure(palette(768)), TFailure{});
    const TFailure invalid{"EPNGInvalidPalette", png::msg::InvalidPalette};
    EXPECT_EQ(ReadFailure(palette(771)), invalid);
    EXPECT_EQ(ReadFailure(palette(10)), invalid);
    EXPECT_EQ(ReadFailure(TPngBuilder()
                              .Header(1, 1, 8, 3)
                              .Chunk("PLTE", TBytes(9, 1))
                              .Chunk("tRNS", TBytes(257, 1))
                              .Bytes()),
              invalid);
}

TPNGObject& PaletteImage(TPNGObject& image, const TBytes& alphas) {
    TPngBuilder png;
    png.Header(3, 1, 8, 3).Chunk("PLTE", {10, 20, 30, 40, 50, 60, 70, 80, 90});
    if (!alphas.empty())
        png.Chunk("tRNS", alphas);
    ReadPng(image, png.ImageData(Deflate({0, 0, 1, 2})).End().Bytes());
    return image;
}

TEST(Chunks, PaletteTransparencyKindsAndKeys) {
    TPNGObject single, partial, half, none;
    EXPECT_EQ(PaletteImage(single, {255, 0, 255}).Transparency(), trColourKey);
    EXPECT_EQ(single.TransparentColour(), gdi::RGB(40, 50, 60));
    EXPECT_EQ(PaletteImage(partial, {255, 128, 0}).Transparency(), trAlpha);
    EXPECT_EQ(PaletteImage(half, {255, 128}).Transparency(), trAlpha);
    EXPECT_EQ(PaletteImage(none, {}).Transparency(), trNone);
    EXPECT_EQ(partial.PixelAlpha(1, 0), 128);
    EXPECT_EQ(partial.PixelAlpha(2, 0), 0);
    EXPECT_EQ(Required(partial.Chunks().ChunkOfClass<TChunktRNS>()).AlphaValues()[3], 255);
    EXPECT_EQ(none.PixelColour(2, 0), gdi::RGB(70, 80, 90));
}

TEST(Chunks, GreyAndRgbKeysTakeTheStoredFormOfTheirDepth) {
    const auto key = [](std::uint8_t depth, std::uint8_t type, const TBytes& trns) {
        TPNGObject image;
        const std::size_t samples = type == 2 ? 3 : 1;
        const TBytes row(1 + (samples * depth + 7) / 8, 0);
        ReadPng(image, TPngBuilder()
                           .Header(1, 1, depth, type)
                           .Chunk("tRNS", trns)
                           .ImageData(Deflate(row))
                           .End()
                           .Bytes());
        EXPECT_EQ(image.Transparency(), trColourKey);
        return image.TransparentColour();
    };
    EXPECT_EQ(key(1, 0, {0, 1}), gdi::RGB(255, 255, 255));
    EXPECT_EQ(key(2, 0, {0, 2}), gdi::RGB(170, 170, 170));
    EXPECT_EQ(key(4, 0, {0, 3}), gdi::RGB(51, 51, 51));
    EXPECT_EQ(key(8, 0, {0, 77}), gdi::RGB(77, 77, 77));
    EXPECT_EQ(key(16, 0, {0x12, 0x34}), gdi::RGB(0x12, 0x12, 0x12));
    EXPECT_EQ(key(8, 2, {0, 1, 0, 2, 0, 3}), gdi::RGB(1, 2, 3));
    EXPECT_EQ(key(16, 2, {1, 9, 2, 9, 3, 9}), gdi::RGB(1, 2, 3));
}

TEST(Chunks, TwoBitGreyShowsTheFourPngLevels) {
    for (std::uint8_t interlace : {0, 1}) {
        TPNGObject image;
        TBytes raw = interlace ? TBytes{0, 0x00, 0, 0x80, 0, 0x70} : TBytes{0, 0x1B};
        ReadPng(image,
                TPngBuilder().Header(4, 1, 2, 0, interlace).ImageData(Deflate(raw)).End().Bytes());
        EXPECT_EQ(image.PixelColour(0, 0), gdi::RGB(0, 0, 0));
        EXPECT_EQ(image.PixelColour(1, 0), gdi::RGB(85, 85, 85));
        EXPECT_EQ(image.PixelColour(2, 0), gdi::RGB(170, 170, 170));
        EXPECT_EQ(image.PixelColour(3, 0), gdi::RGB(255, 255, 255));
    }
}

TEST(Chunks, GammaTablesRoundHalvesToEvenAndActOnColourNotAlpha) {
    const auto withGamma = [](std::uint32_t gamma) {
        TPNGObject image;
        const TBytes body = {std::uint8_t(gamma >> 24), std::uint8_t(gamma >> 16),
                             std::uint8_t(gamma >> 8), std::uint8_t(gamma)};
        ReadPng(image, TPngBuilder()
                           .Header(1, 1, 8, 6)
                           .Chunk("gAMA", body)
                           .ImageData(Deflate({0, 128, 64, 255, 128}))
                           .End()
                           .Bytes());
        return std::make_pair(image.GammaLut(), CodecPixels(image).At(0, 0));
    };
    const auto [lut, pixel] = withGamma(100000);
    EXPECT_EQ(lut[128], 186);
    EXPECT_EQ(pixel, (TRgba{186, lut[64], 255, 128}));
    const auto [same, plain] = withGamma(45455);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(same[i], i);
    const auto [untouched, raw] = withGamma(0);
    EXPECT_EQ(raw, (TRgba{128, 64, 255, 128}));

    TPNGObject shortBody;
    ReadPng(shortBody, TPngBuilder()
                           .Header(1, 1, 8, 2)
                           .Chunk("gAMA", {1, 2})
                           .ImageData(Deflate({0, 128, 64, 255}))
                           .End()
                           .Bytes());
    EXPECT_EQ(CodecPixels(shortBody).At(0, 0), (TRgba{128, 64, 255, 255}));
    EXPECT_EQ(Required(shortBody.Chunks().ChunkOfClass<TChunkgAMA>()).GammaValue(), 1u);
}

// The palette and the image data are decoded when they are read, so a gAMA chunk after
// them comes too late: it is kept, but building the tables from it would write those
// colours back through an inverse table they never went through.
TEST(Chunks, GammaAfterThePaletteOrTheImageDataIsKeptButNotApplied) {
    const TBytes gamma = {0, 0, 0x86, 0xA0};
    const TBytes rgb = RgbImage().ImageData(RgbData()).Chunk("gAMA", gamma).End().Bytes();
    const TBytes palette = TPngBuilder()
                               .Header(2, 1, 8, 3)
                               .Chunk("PLTE", {10, 20, 30, 200, 100, 50})
                               .Chunk("gAMA", gamma)
                               .ImageData(Deflate({0, 0, 1}))
                               .End()
                               .Bytes();
    for (const TBytes& bytes : {rgb, palette}) {
        TPNGObject image;
        ReadPng(image, bytes);
        const TRgbaImage decoded = CodecPixels(image);
        EXPECT_EQ(decoded.Pixels, ReferenceDecode(bytes).Pixels);
        EXPECT_TRUE(image.GammaIsIdentity());
        EXPECT_NE(image.Chunks().ChunkOfClass<TChunkgAMA>(), nullptr);
        TPNGObject again;
        ReadPng(again, WritePng(image));
        EXPECT_EQ(CodecPixels(again).Pixels, decoded.Pixels);
    }
}

TEST(Chunks, TextTimeAndCompressedTextBodies) {
    std::string compressed;
    const TBytes packed = Deflate({'H', 'e', 'l', 'l', 'o'});
    TBytes ztxt = {'K', 'e', 'y', 0, 0};
    ztxt.insert(ztxt.end(), packed.begin(), packed.end());
    TBytes badMethod = ztxt;
    badMethod[4] = 1;
    TBytes dictionary = {'D', 0, 0, 0x78, 0xBB, 0, 0, 0, 1, 0x63, 0, 0};
    TPNGObject image;
    ReadPng(image, RgbImage()
                       .Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'H', 'i'})
                       .Chunk("zTXt", ztxt)
                       .Chunk("zTXt", badMethod)
                       .Chunk("zTXt", dictionary)
                       .Chunk("tIME", {7, 213, 1, 2, 3, 4})
                       .ImageData(RgbData())
                       .End()
                       .Bytes());
    const auto& text = Required(image.Chunks().ChunkOfClass<TChunktEXt>());
    EXPECT_EQ(text.FKeyword, "Title");
    EXPECT_EQ(text.FText, "Hi");
    const auto& z = Required(dynamic_cast<TChunkzTXt*>(image.Chunks().Item(2)));
    EXPECT_EQ(z.FKeyword, "Key");
    EXPECT_EQ(z.FText, "Hello");
    EXPECT_EQ(Required(dynamic_cast<TChunkzTXt*>(image.Chunks().Item(3))).FText, "");
    EXPECT_EQ(Required(dynamic_cast<TChunkzTXt*>(image.Chunks().Item(4))).FText, "");
    const auto& time = Required(image.Chunks().ChunkOfClass<TChunktIME>());
    EXPECT_EQ(time.BodySize(), 6u);
    EXPECT_EQ(time.FYear, 0);
}

// A one-letter keyword with an empty text is a valid text chunk of two bytes; left unsplit,
// it was written back without its keyword.
TEST(Chunks, ShortTextChunksKeepTheirKeywordThroughAWrite) {
    const std::vector<std::pair<TBytes, std::pair<std::string, std::string>>> cases = {
        {{'a', 0}, {"a", ""}}, {{'a'}, {"a", ""}}, {{0, 'x'}, {"", "x"}}};
    for (const auto& [body, expected] : cases) {
        TPNGObject image;
        ReadPng(image, RgbImage().Chunk("tEXt", body).ImageData(RgbData()).End().Bytes());
        TPNGObject again;
        ReadPng(again, WritePng(image));
        const auto& text = Required(again.Chunks().ChunkOfClass<TChunktEXt>());
        EXPECT_EQ(text.FKeyword, expected.first) << body.size();
        EXPECT_EQ(text.FText, expected.second) << body.size();
    }
}

TEST(ChunkList, AddChunkPlacesEachKindAndRefusesDuplicates) {
    TPNGObject withPalette;
    PaletteImage(withPalette, {});
    withPalette.Chunks().AddChunk<TChunktRNS>();
    EXPECT_EQ(ChunkTypes(withPalette), (Types{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
    EXPECT_EQ(FailureOf([&] { withPalette.Chunks().AddChunk<TChunktRNS>(); }),
              (TFailure{"EPngError", png::msg::ExistentChunk}));
    withPalette.Chunks().AddChunk<TChunkgAMA>();
    withPalette.Chunks().AddChunk<TChunktEXt>();
    EXPECT_EQ(ChunkTypes(withPalette),
              (Types{"IHDR", "gAMA", "PLTE", "tRNS", "IDAT", "tEXt", "IEND"}));
    EXPECT_EQ(Required(withPalette.Chunks().ChunkOfClass<TChunkgAMA>()).GammaValue(), 1u);
    EXPECT_EQ(FailureOf([&] { withPalette.Chunks().AddChunk<TChunkPLTE>(); }).Message,
              png::msg::ExistentChunk);
    EXPECT_EQ(FailureOf([&] { withPalette.Chunks().AddChunk<TChunkIDAT>(); }).Message,
              png::msg::ExistentChunk);

    TPNGObject rgb;
    ReadPng(rgb, RgbImage().ImageData(RgbData()).End().Bytes());
    rgb.Chunks().AddChunk<TChunktRNS>();
    EXPECT_EQ(ChunkTypes(rgb), (Types{"IHDR", "tRNS", "IDAT", "IEND"}));

    TChunk* text = withPalette.Chunks().Item(5);
    auto removed = withPalette.Chunks().Remove(text);
    EXPECT_EQ(removed.get(), text);
    EXPECT_EQ(withPalette.Chunks().Remove(text), nullptr);
    EXPECT_EQ(ChunkTypes(withPalette), (Types{"IHDR", "gAMA", "PLTE", "tRNS", "IDAT", "IEND"}));
    EXPECT_EQ(text->IndexInList(), -1);
    withPalette.Chunks().Insert(99, std::move(removed));
    EXPECT_EQ(withPalette.Chunks().Item(6), text);

    TPNGObject empty;
    EXPECT_EQ(FailureOf([&] { empty.Chunks().AddChunk<TChunktEXt>(); }),
              (TFailure{"EPngError", png::msg::InvalidImageForAdd}));
}

class TChunkteSt : public TChunk {
public:
    static constexpr TChunkType ClassType = MakeChunkType("teSt");
    explicit TChunkteSt(TPNGObject* owner) : TChunk(owner) {}
};

class TOtherText : public TChunk {
public:
    static constexpr TChunkType ClassType = png::cttEXt;
    explicit TOtherText(TPNGObject* owner) : TChunk(owner) {}
};

TEST(Registry, TheFirstClassRegisteredForATypeIsChosen) {
    RegisterChunkClass<TChunkteSt>();
    RegisterChunkClass<TOtherText>();
    TPNGObject image;
    ReadPng(image, RgbImage()
                       .Chunk("teSt", {1})
                       .Chunk("tEXt", {'a', 0, 'b'})
                       .ImageData(RgbData())
                       .End()
                       .Bytes());
    EXPECT_NE(dynamic_cast<TChunkteSt*>(image.Chunks().Item(1)), nullptr);
    EXPECT_NE(dynamic_cast<TChunktEXt*>(image.Chunks().Item(2)), nullptr);
    const auto unknown = CreateChunkFor(&image, MakeChunkType("abCD"));
    const TChunk& chunk = *unknown;
    EXPECT_EQ(typeid(chunk), typeid(TChunk));
}

TEST(Image, NewObjectHasNoHeader) {
    TPNGObject image;
    const TFailure missing{"EPNGHeaderNotPresent", png::msg::HeaderNotPresent};
    EXPECT_EQ(FailureOf([&] { image.HeaderChunk(); }), missing);
    EXPECT_EQ(FailureOf([&] { image.Transparency(); }), missing);
    EXPECT_EQ(FailureOf([&] { image.PixelRow(0); }), missing);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(image.Transparent());
    EXPECT_EQ(FailureOf([&] { image.SetWidth(5); }),
              (TFailure{"EPngError", png::msg::CannotResize}));
    image.SetIdatLimit(1000);
    EXPECT_EQ(image.IdatLimit(), 65535u);
    image.SetIdatLimit(100000);
    EXPECT_EQ(image.IdatLimit(), 100000u);
}

TEST(Image, PixelAccessStaysInsideTheImage) {
    std::vector<TBytes> rows(3, TBytes(900, 0));
    rows[2][897] = 7;
    rows[2][898] = 8;
    rows[2][899] = 9;
    TPNGObject image;
    ReadPng(
        image,
        TPngBuilder().Header(300, 3, 8, 2).ImageData(Deflate(UnfilteredRows(rows))).End().Bytes());
    EXPECT_EQ(image.PixelColour(299, 2), gdi::RGB(7, 8, 9));
    EXPECT_EQ(image.PixelColour(300, 2), 0u);
    EXPECT_EQ(image.PixelColour(-1, 0), 0u);
    image.SetPixelColour(300, 2, 0xFFFFFF);
    image.SetPixelColour(0, 0, gdi::RGB(1, 2, 3));
    EXPECT_EQ(image.PixelColour(0, 0), gdi::RGB(1, 2, 3));

    TPNGObject palette;
    PaletteImage(palette, {});
    palette.SetPixelColour(0, 0, gdi::RGB(69, 81, 88));
    EXPECT_EQ(palette.PixelColour(0, 0), gdi::RGB(70, 80, 90));
}

// Grey images with and without alpha take a colour as the nearest grey they show, not as
// its red component, so what is read back is the grey nearest to what was set.
TEST(Image, SettingAColourOnGreyStoresTheNearestGrey) {
    for (const std::uint8_t colourType : {0, 4}) {
        TPNGObject image;
        ReadPng(image, TPngBuilder()
                           .Header(1, 1, 8, colourType)
                           .ImageData(Deflate(colourType == 4 ? TBytes{0, 5, 77} : TBytes{0, 5}))
                           .End()
                           .Bytes());
        image.SetPixelColour(0, 0, gdi::RGB(200, 10, 10));
        EXPECT_EQ(image.PixelColour(0, 0), gdi::RGB(73, 73, 73)) << int(colourType);
        EXPECT_EQ(image.PixelAlpha(0, 0), colourType == 4 ? 77 : 255);
    }
}

TEST(Image, AddAlphaPlaneGivesOpaqueAlpha) {
    TPNGObject rgb;
    ReadPng(rgb, RgbImage().ImageData(RgbData()).End().Bytes());
    rgb.AddAlphaPlane();
    EXPECT_EQ(rgb.Transparency(), trAlpha);
    EXPECT_EQ(rgb.HeaderChunk().ColourType(), 6);
    EXPECT_EQ(rgb.PixelAlpha(1, 1), 255);
    EXPECT_EQ(rgb.PixelColour(1, 1), gdi::RGB(10, 11, 12));

    TPNGObject palette;
    PaletteImage(palette, {});
    palette.AddAlphaPlane();
    EXPECT_EQ(Required(palette.Chunks().ChunkOfClass<TChunktRNS>()).BodySize(), 3u);
    EXPECT_EQ(palette.Transparency(), trAlpha);
}

} // namespace
