// Writing PNG streams: chunk bodies, the filter choice, Adam7 passes and the cutting of the
// compressed data into IDAT chunks. Output is checked by parsing it independently and by
// decoding it with libpng.

#include "png/errors.h"
#include "png/pngobject.h"
#include "tests/png/png_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <zlib.h>

namespace {

using namespace pngtest;

struct TParsedChunk {
    std::string Type;
    TBytes Body;
};

std::vector<TParsedChunk> ParseChunks(const TBytes& png) {
    std::vector<TParsedChunk> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length =
            std::uint32_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
        const auto body = png.begin() + std::ptrdiff_t(at + 8);
        chunks.push_back(
            {std::string(png.begin() + std::ptrdiff_t(at + 4), body), TBytes(body, body + length)});
        const auto crc = std::uint32_t(crc32(0, png.data() + at + 4, uInt(length + 4)));
        const std::uint8_t* stored = png.data() + at + 8 + length;
        EXPECT_EQ(crc,
                  std::uint32_t(stored[0]) << 24 | stored[1] << 16 | stored[2] << 8 | stored[3]);
        at += 12 + length;
    }
    return chunks;
}

std::vector<std::size_t> IdatSizes(const TBytes& png) {
    std::vector<std::size_t> sizes;
    for (const auto& chunk : ParseChunks(png))
        if (chunk.Type == "IDAT")
            sizes.push_back(chunk.Body.size());
    return sizes;
}

// The inflated image data of a written PNG: filter bytes and filtered rows.
TBytes InflatedData(const TBytes& png, std::size_t expectedSize) {
    TBytes compressed;
    for (const auto& chunk : ParseChunks(png))
        if (chunk.Type == "IDAT")
            compressed.insert(compressed.end(), chunk.Body.begin(), chunk.Body.end());
    TBytes out(expectedSize + 1);
    uLongf size = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &size, compressed.data(), uLong(compressed.size())), Z_OK);
    out.resize(size);
    return out;
}

// Reads a grey or RGB image of the given rows through the codec.
void ReadRows(TPNGObject& image, std::uint32_t width, std::uint8_t depth, std::uint8_t type,
              const std::vector<TBytes>& rows, std::uint8_t interlace = 0) {
    ReadPng(image, TPngBuilder()
                       .Header(width, std::uint32_t(rows.size()), depth, type, interlace)
                       .ImageData(Deflate(UnfilteredRows(rows)))
                       .End()
                       .Bytes());
}

std::vector<TBytes> NoiseRows(std::uint32_t rows, std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<TBytes> out(rows, TBytes(length));
    for (auto& row : out)
        for (auto& byte : row)
            byte = std::uint8_t(random());
    return out;
}

std::vector<std::uint8_t> FilterBytes(const TBytes& data, std::size_t rowLength) {
    std::vector<std::uint8_t> filters;
    for (std::size_t at = 0; at < data.size(); at += rowLength + 1)
        filters.push_back(data[at]);
    return filters;
}

TEST(Writer, DefaultSettingsFilterEveryRowWithSubAndFillIdatChunks) {
    TPNGObject image;
    ReadRows(image, 200, 8, 2, NoiseRows(200, 600, 1));
    const TBytes png = WritePng(image);
    const auto sizes = IdatSizes(png);
    ASSERT_GE(sizes.size(), 2u);
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], 65535u);
    EXPECT_GT(sizes.back(), 0u);
    const auto filters = FilterBytes(InflatedData(png, 200 * 601), 600);
    EXPECT_EQ(filters, std::vector<std::uint8_t>(200, 1));
    EXPECT_EQ(ReferenceDecode(png).Pixels, CodecPixels(image).Pixels);
}

TEST(Writer, LargerIdatLimitGivesLargerChunks) {
    TPNGObject image;
    ReadRows(image, 200, 8, 2, NoiseRows(300, 600, 2));
    image.SetIdatLimit(100000);
    const auto sizes = IdatSizes(WritePng(image));
    ASSERT_GE(sizes.size(), 2u);
    EXPECT_EQ(sizes.front(), 100000u);
}

TEST(Writer, CompressedDataOfExactlyTheLimitIsOneChunk) {
    // Stored (level 0) blocks grow the output one byte per pixel, so some width lands the
    // compressed stream exactly on the limit; one more byte needs a second chunk of 1 byte.
    bool exact = false;
    for (std::uint32_t width = 65480; width < 65535 && !exact; ++width) {
        TPNGObject image;
        ReadRows(image, width, 8, 0, NoiseRows(1, width, width));
        image.SetDeflateLevel(0);
        const auto sizes = IdatSizes(WritePng(image));
        std::size_t total = 0;
        for (auto size : sizes)
            total += size;
        if (total == 65535) {
            exact = true;
            EXPECT_EQ(sizes, std::vector<std::size_t>{65535});
            TPNGObject wider;
            ReadRows(wider, width + 1, 8, 0, NoiseRows(1, width + 1, width));
            wider.SetDeflateLevel(0);
            EXPECT_EQ(IdatSizes(WritePng(wider)), (std::vector<std::size_t>{65535, 1}));
        }
        for (auto size : sizes)
            EXPECT_GT(size, 0u);
    }
    EXPECT_TRUE(exact);
}

TEST(Writer, FilterChoiceCountsRepeatsAndBreaksTiesToTheLowerType) {
    // Row 0 (previous row zero): Up equals the row itself, Sub differs only at the jump;
    // both count 2 repeats, so Sub wins. Row 1 equals row 0: Up gives all zeros and wins.
    TPNGObject image;
    ReadRows(image, 5, 8, 0, {{0, 0, 0, 0, 5}, {0, 0, 0, 0, 5}});
    image.SetRowFilters(1 << 1 | 1 << 2);
    EXPECT_EQ(FilterBytes(InflatedData(WritePng(image), 12), 5), (std::vector<std::uint8_t>{1, 2}));

    // Rows of two bytes have no position to count: None, though None is not allowed.
    TPNGObject narrow;
    ReadRows(narrow, 2, 8, 0, {{1, 2}, {3, 4}});
    narrow.SetRowFilters(1 << 1 | 1 << 2);
    EXPECT_EQ(FilterBytes(InflatedData(WritePng(narrow), 6), 2), (std::vector<std::uint8_t>{0, 0}));

    // A quadratic ramp that moves up by 3 per row.
    std::vector<TBytes> gradient;
    for (int y = 0; y < 4; ++y) {
        TBytes row;
        for (int x = 0; x < 16; ++x)
            row.push_back(std::uint8_t(x * x + y * 3));
        gradient.push_back(row);
    }
    TPNGObject all;
    ReadRows(all, 16, 8, 0, gradient);
    all.SetRowFilters(0x1F);
    const TBytes png = WritePng(all);
    // Row 0 leaves no repeats under any filter (None); below it Up and Paeth tie.
    EXPECT_EQ(FilterBytes(InflatedData(png, 4 * 17), 16), (std::vector<std::uint8_t>{0, 2, 2, 2}));
    EXPECT_EQ(ReferenceDecode(png).Pixels, CodecPixels(all).Pixels);

    for (std::uint8_t filters : {0, 1}) {
        all.SetRowFilters(filters);
        EXPECT_EQ(FilterBytes(InflatedData(WritePng(all), 4 * 17), 16),
                  (std::vector<std::uint8_t>(4, 0)));
    }
}

// The filtered image data the writer must produce for unfiltered rows, by the filter rule
// written out plainly: each allowed type's candidate, and the first type with the most
// repeated bytes (None when none has any, or the only allowed type).
TBytes FilteredByTheRule(const std::vector<TBytes>& rows, std::size_t offset, unsigned allowed) {
    const auto paeth = [](int a, int b, int c) {
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    };
    TBytes out;
    TBytes previous(rows.front().size(), 0);
    for (const TBytes& x : rows) {
        std::size_t choice = 0, best = 0;
        std::vector<TBytes> candidates(5, TBytes(x.size()));
        for (std::size_t type = 0; type < 5; ++type) {
            for (std::size_t i = 0; i < x.size(); ++i) {
                const int a = i >= offset ? x[i - offset] : 0;
                const int b = previous[i];
                const int c = i >= offset ? previous[i - offset] : 0;
                const int predictions[] = {0, a, b, (a + b) / 2, paeth(a, b, c)};
                candidates[type][i] = std::uint8_t(x[i] - predictions[type]);
            }
            if (!(allowed >> type & 1))
                continue;
            if (allowed == 1u << type) {
                choice = type;
                break;
            }
            std::size_t count = 0;
            for (std::size_t j = 2; j < x.size(); ++j)
                count += candidates[type][j] == candidates[type][j - 1] ||
                         candidates[type][j] == candidates[type][j - 2];
            if (count > best) {
                best = count;
                choice = type;
            }
        }
        out.push_back(std::uint8_t(choice));
        out.insert(out.end(), candidates[choice].begin(), candidates[choice].end());
        previous = x;
    }
    return out;
}

TEST(Writer, WideRowsAreFilteredAndChosenByTheRuleForEveryPixelSize) {
    // Runs, ramps and noise, so that every filter wins some rows.
    std::mt19937 random(7);
    const auto rows = [&random](std::size_t count, std::size_t length, std::size_t sample) {
        std::vector<TBytes> out(count, TBytes(length));
        for (auto& row : out)
            for (std::size_t i = 0; i < length; i += sample) {
                const std::uint8_t left = i >= sample ? row[i - sample] : 0;
                const auto kind = random() % 4;
                const auto value = std::uint8_t(kind == 0 ? left : kind == 1 ? left + 3 : random());
                std::fill_n(row.begin() + std::ptrdiff_t(i), sample, value);
            }
        return out;
    };
    struct TLayout {
        std::uint32_t Width;
        std::uint8_t Depth, Type;
        std::size_t Offset, Sample;
    };
    // Grey (1 byte a pixel), RGB (3) and 16-bit RGB (6, each sample's two bytes equal, as the
    // codec keeps 16-bit samples).
    for (const TLayout layout :
         {TLayout{101, 8, 0, 1, 1}, TLayout{67, 8, 2, 3, 1}, TLayout{37, 16, 2, 6, 2}}) {
        const auto data = rows(12, layout.Width * layout.Offset, layout.Sample);
        TPNGObject image;
        ReadRows(image, layout.Width, layout.Depth, layout.Type, data);
        for (const unsigned allowed : {0x1Fu, 1u << 3 | 1u << 4, 1u << 4}) {
            SCOPED_TRACE(testing::Message()
                         << "offset " << layout.Offset << ", filters " << allowed);
            image.SetRowFilters(std::uint8_t(allowed));
            const TBytes expected = FilteredByTheRule(data, layout.Offset, allowed);
            const TBytes png = WritePng(image);
            EXPECT_EQ(InflatedData(png, expected.size()), expected);
            EXPECT_EQ(ReferenceDecode(png).Pixels, CodecPixels(image).Pixels);
        }
    }
}

TEST(Writer, RepeatsOfVeryLongRowsAreCountedInFull) {
    // Row 1 is row 0 plus one, so Up leaves 5998 repeats; Sub leaves about half as many.
    // A count that wrapped past a small counter's range would hand the row to Sub.
    std::mt19937 random(3);
    TBytes ramp(6000);
    std::uint8_t step = 1;
    for (std::size_t i = 1; i < ramp.size(); ++i) {
        if (random() % 10 < 7)
            step = std::uint8_t(random());
        ramp[i] = std::uint8_t(ramp[i - 1] + step);
    }
    TBytes raised = ramp;
    for (auto& byte : raised)
        ++byte;
    TPNGObject image;
    ReadRows(image, 6000, 8, 0, {ramp, raised});
    image.SetRowFilters(1 << 1 | 1 << 2);
    const TBytes expected = FilteredByTheRule({ramp, raised}, 1, 1 << 1 | 1 << 2);
    ASSERT_EQ(expected[6001], 2);
    EXPECT_EQ(InflatedData(WritePng(image), expected.size()), expected);
}

TEST(Writer, Adam7WritesOnlyPassesWithPixels) {
    TPNGObject image;
    ReadRows(image, 3, 8, 0, {{1, 2, 3}, {4, 5, 6}});
    image.SetInterlacing(1);
    image.SetRowFilters(1);
    const TBytes png = WritePng(image);
    EXPECT_EQ(ParseChunks(png)[0].Body[12], 1);
    EXPECT_EQ(InflatedData(png, 10), (TBytes{0, 1, 0, 3, 0, 2, 0, 4, 5, 6}));
    EXPECT_EQ(ReferenceDecode(png).Pixels, CodecPixels(image).Pixels);
}

TEST(Writer, Adam7PacksLowDepthsWithZeroPadding) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(7, 2, 1, 3)
                       .Chunk("PLTE", {0, 0, 0, 255, 255, 255})
                       .ImageData(Deflate({0, 0xFE, 0, 0xFE}))
                       .End()
                       .Bytes());
    image.SetInterlacing(1);
    image.SetRowFilters(1);
    const TBytes data = InflatedData(WritePng(image), 64);
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(TBytes(data.end() - 2, data.end()), (TBytes{0, 0xFE}));
}

TEST(Writer, TwoBitImagesAreWrittenWithTheirFourBitRows) {
    const auto keyedGrey = [](const TBytes& key) {
        return TPngBuilder()
            .Header(4, 1, 2, 0)
            .Chunk("tRNS", key)
            .ImageData(Deflate({0, 0x1B}))
            .End()
            .Bytes();
    };
    TPNGObject image;
    ReadPng(image, keyedGrey({0, 2}));
    const TRgbaImage before = CodecPixels(image);
    const TBytes png = WritePng(image);
    EXPECT_EQ(ParseChunks(png)[0].Body[8], 4);
    EXPECT_EQ(image.HeaderChunk().BitDepth(), 4);
    const TRgbaImage reference = ReferenceDecode(png);
    EXPECT_EQ(reference.Pixels, before.Pixels);
    EXPECT_EQ(reference.At(2, 0), (TRgba{170, 170, 170, 0}));
    TPNGObject again;
    ReadPng(again, png);
    EXPECT_EQ(CodecPixels(again).Pixels, before.Pixels);

    // A key body longer than two bytes is read from its first two, so the widened level
    // must be written there as well.
    TPNGObject longKey;
    ReadPng(longKey, keyedGrey({0, 2, 9}));
    const TRgbaImage keyed = CodecPixels(longKey);
    EXPECT_EQ(keyed.At(2, 0).A, 0);
    TPNGObject reread;
    ReadPng(reread, WritePng(longKey));
    EXPECT_EQ(CodecPixels(reread).Pixels, keyed.Pixels);
}

TEST(Writer, TextAndTimeChunkBodies) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(1, 1, 8, 0)
                       .Chunk("zTXt", {'K', 0, 0, 0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01})
                       .Chunk("tIME", {7, 213, 12, 24, 23, 59, 58})
                       .ImageData(Deflate({0, 9}))
                       .End()
                       .Bytes());
    const auto chunks = ParseChunks(WritePng(image));
    ASSERT_EQ(chunks[1].Type, "zTXt");
    const TBytes& body = chunks[1].Body;
    ASSERT_GT(body.size(), 3u);
    EXPECT_EQ(TBytes(body.begin(), body.begin() + 3), (TBytes{'K', 0, 0}));
    TBytes text(16);
    uLongf size = uLongf(text.size());
    ASSERT_EQ(uncompress(text.data(), &size, body.data() + 3, uLong(body.size() - 3)), Z_OK);
    EXPECT_EQ(TBytes(text.begin(), text.begin() + std::ptrdiff_t(size)), TBytes{' '});
    EXPECT_EQ(chunks[2].Body, (TBytes{7, 213, 12, 24, 23, 59, 58}));
}

TEST(Writer, SixteenBitRgbaKeepsItsColoursThroughGammaInBothLayouts) {
    std::vector<TBytes> rows = NoiseRows(9, 9 * 8, 5);
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(9, 9, 16, 6)
                       .Chunk("gAMA", {0, 0, 0x86, 0xA0})
                       .ImageData(Deflate(UnfilteredRows(rows)))
                       .End()
                       .Bytes());
    const TRgbaImage before = CodecPixels(image);
    for (std::uint8_t interlace : {0, 1}) {
        image.SetInterlacing(interlace);
        TPNGObject again;
        ReadPng(again, WritePng(image));
        EXPECT_EQ(CodecPixels(again).Pixels, before.Pixels) << int(interlace);
    }
}

TEST(Writer, HugeIdatLimitCostsOnlyTheOutputWritten) {
    TPNGObject image;
    ReadRows(image, 4, 8, 0, {{1, 2, 3, 4}});
    image.SetIdatLimit(0xFFFFFFF0u);
    const std::size_t before = ResidentBytes();
    const auto sizes = IdatSizes(WritePng(image));
    if (ResidentMemoryIsMeasurable()) {
        EXPECT_LT(ResidentBytes() - std::min(before, ResidentBytes()), 64u << 20);
    }
    EXPECT_EQ(sizes.size(), 1u);
}

TEST(Writer, CompressionLevelZlibRefusesFailsTheImageDataButSkipsOnlyTheText) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(1, 1, 8, 0)
                       .Chunk("zTXt", {'K', 0, 0, 0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01})
                       .ImageData(Deflate({0, 9}))
                       .End()
                       .Bytes());
    image.SetDeflateLevel(10);
    TMemoryStream stream;
    const TFailure failure = FailureOf([&] { image.WriteToStream(stream); });
    EXPECT_EQ(failure.ClassName, "EPNGZLIBError");
    EXPECT_EQ(failure.Message.substr(failure.Message.size() - 17), "stream error (-2)");
    // The signature and the header; the text chunk was left out, the image data failed.
    const auto chunks = ParseChunks(stream.Bytes());
    EXPECT_EQ(stream.Bytes().size(), 8u + 25u);
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
}

// Samples that 8 bits hold exactly (v x 257) come back exactly from a 16-bit file, alpha
// included: the stored byte v is written as v x 257, so 0xFFFF stays fully opaque.
TEST(Writer, SixteenBitSamplesOfEightBitValuesAreWrittenExactly) {
    struct TLayout {
        int ColourType, Samples;
    };
    std::mt19937 random(12);
    for (const TLayout layout : {TLayout{0, 1}, TLayout{2, 3}, TLayout{4, 2}, TLayout{6, 4}}) {
        const std::uint32_t width = 7, height = 5;
        TBytes data;
        for (std::size_t i = 0; i < std::size_t(width) * height * layout.Samples; ++i) {
            const std::uint8_t v = i % 5 == 0 ? 255 : i % 7 == 0 ? 0 : std::uint8_t(random());
            data.insert(data.end(), {v, v});
        }
        TPNGObject image;
        ReadPng(image, ReferenceEncode(width, height, 16, layout.ColourType, data, PNG_FILTER_NONE,
                                       false));
        for (std::uint8_t interlace : {0, 1}) {
            image.SetInterlacing(interlace);
            EXPECT_EQ(LibpngRead(WritePng(image)).Rows, data)
                << "colour type " << layout.ColourType << " interlace " << int(interlace);
        }
    }
}

// The opacity of every pixel as the codec shows it and as libpng reads the written file.
std::vector<std::uint8_t> CodecAlphas(const TPNGObject& image) {
    std::vector<std::uint8_t> alphas;
    for (const TRgba& pixel : CodecPixels(image).Pixels)
        alphas.push_back(pixel.A);
    return alphas;
}

std::vector<std::uint8_t> WrittenAlphas(TPNGObject& image) {
    std::vector<std::uint8_t> alphas;
    for (const TRgba& pixel : LibpngRgba(WritePng(image)).Pixels)
        alphas.push_back(pixel.A);
    return alphas;
}

TEST(Writer, ASixteenBitKeySetByColourNamesTheWrittenPixels) {
    for (const std::uint8_t colourType : {0, 2}) {
        const std::size_t samples = colourType == 2 ? 3 : 1;
        TBytes data;
        for (std::uint8_t x = 0; x < 6; ++x)
            for (std::size_t s = 0; s < samples; ++s)
                data.insert(data.end(), 2, std::uint8_t(x % 3 * 100 + s));
        TPNGObject image;
        ReadPng(image, ReferenceEncode(6, 1, 16, colourType, data, PNG_FILTER_NONE, false));
        image.Chunks().AddChunk<TChunktRNS>()->SetColourKey(gdi::RGB(100, 101, 102));
        const std::vector<std::uint8_t> keyed = {255, 0, 255, 255, 0, 255};
        ASSERT_EQ(CodecAlphas(image), keyed) << int(colourType);
        EXPECT_EQ(WrittenAlphas(image), keyed) << int(colourType);
    }
}

// With gAMA 1.0, levels 253, 254 and 255 are shown as 254, 255 and 255: a key of 254 names
// the last two pixels. RGB samples are written through the inverse table, as one level, and
// the key must be written as that level too; grey levels are written as they are, but the
// levels that show as the key take the key's level.
TEST(Writer, AKeyIsWrittenThroughTheGammaTableLikeTheSamples) {
    for (const std::uint8_t colourType : {0, 2}) {
        TBytes row;
        for (int i = 0; i < 256; ++i)
            row.insert(row.end(), colourType == 2 ? 3 : 1, std::uint8_t(i));
        TPNGObject image;
        ReadPng(image, TPngBuilder()
                           .Header(256, 1, 8, colourType)
                           .Chunk("gAMA", {0, 1, 0x86, 0xA0})
                           .Chunk("tRNS",
                                  colourType == 2 ? TBytes{0, 254, 0, 254, 0, 254} : TBytes{0, 254})
                           .ImageData(Deflate(UnfilteredRows({row})))
                           .End()
                           .Bytes());
        const std::vector<std::uint8_t> keyed = CodecAlphas(image);
        ASSERT_EQ(std::count(keyed.begin(), keyed.end(), 0), 2);
        EXPECT_EQ(WrittenAlphas(image), keyed) << int(colourType);
        TPNGObject again;
        ReadPng(again, WritePng(image));
        EXPECT_EQ(CodecAlphas(again), keyed) << int(colourType);
        EXPECT_EQ(CodecPixels(again).Pixels, CodecPixels(image).Pixels) << int(colourType);
    }
}

// Chunks whose values depend on the bit depth follow the depth that is written: a 2-bit
// grey image's background level is widened like its key, and an added alpha plane brings
// the significant-bits chunk its alpha entry and drops the key, which colour type 4 may not
// carry.
TEST(Writer, BackgroundAndSignificantBitsFollowTheWrittenDepth) {
    TPNGObject twoBit;
    ReadPng(twoBit, TPngBuilder()
                        .Header(4, 1, 2, 0)
                        .Chunk("sBIT", {2})
                        .Chunk("bKGD", {0, 3})
                        .ImageData(Deflate({0, 0x1B}))
                        .End()
                        .Bytes());
    const TLibpngImage widened = LibpngRead(WritePng(twoBit));
    EXPECT_EQ(widened.Warnings, std::vector<std::string>{});
    EXPECT_EQ(widened.Depth, 4);
    ASSERT_TRUE(widened.Background);
    EXPECT_EQ(widened.Background->gray, 15);
    // Written again, the image is 4-bit and nothing is widened twice.
    EXPECT_EQ(LibpngRead(WritePng(twoBit)).Background->gray, 15);

    TPNGObject oneBit;
    ReadPng(oneBit, TPngBuilder()
                        .Header(3, 1, 1, 0)
                        .Chunk("sBIT", {1})
                        .Chunk("tRNS", {0, 1})
                        .Chunk("bKGD", {0, 1})
                        .ImageData(Deflate({0, 0xA0}))
                        .End()
                        .Bytes());
    oneBit.AddAlphaPlane();
    const TLibpngImage alpha = LibpngRead(WritePng(oneBit));
    EXPECT_EQ(alpha.Warnings, std::vector<std::string>{});
    EXPECT_EQ(alpha.ColourType, 4);
    EXPECT_EQ(alpha.Depth, 8);
    EXPECT_FALSE(alpha.HasTransparency);
    ASSERT_TRUE(alpha.Background);
    EXPECT_EQ(alpha.Background->gray, 255);
    EXPECT_EQ(alpha.Rows, (TBytes{255, 255, 0, 255, 255, 255}));
}

// A palette image gets one opaque tRNS entry per palette entry, not one per index its
// depth could hold: more entries than PLTE makes other decoders drop the whole chunk.
TEST(Writer, AnAlphaPlaneOnAPaletteImageCoversItsPalette) {
    TPNGObject image;
    ReadPng(image, TPngBuilder()
                       .Header(2, 1, 8, 3)
                       .Chunk("PLTE", {10, 20, 30, 40, 50, 60, 70, 80, 90})
                       .Chunk("tRNS", {255, 0})
                       .ImageData(Deflate({0, 1, 2}))
                       .End()
                       .Bytes());
    image.AddAlphaPlane();
    EXPECT_EQ(Required(image.Chunks().ChunkOfClass<TChunktRNS>()).BodySize(), 3u);
    const TLibpngImage read = LibpngRead(WritePng(image));
    EXPECT_EQ(read.Warnings, std::vector<std::string>{});
    EXPECT_TRUE(read.HasTransparency);
    EXPECT_EQ(LibpngRgba(WritePng(image)).Pixels,
              (std::vector<TRgba>{{40, 50, 60, 255}, {70, 80, 90, 255}}));
}

// An object that cannot make a valid file raises the class its reader raises for the same
// fault, and writes nothing.
TEST(Writer, RefusesObjectsThatCannotMakeAValidFile) {
    const auto palette = [] {
        auto image = std::make_unique<TPNGObject>();
        ReadPng(*image, TPngBuilder()
                            .Header(2, 1, 8, 3)
                            .Chunk("PLTE", {10, 20, 30, 40, 50, 60})
                            .ImageData(Deflate({0, 1, 0}))
                            .End()
                            .Bytes());
        return image;
    };
    const auto without = [&](const TChunk* (*pick)(const TPNGObject&)) {
        auto image = palette();
        image->Chunks().Remove(pick(*image));
        return image;
    };
    const auto refusal = [](TPNGObject& image) {
        TMemoryStream stream;
        const TFailure failure = FailureOf([&] { image.WriteToStream(stream); });
        EXPECT_EQ(stream.Size(), 0) << failure.ClassName;
        return failure;
    };
    TPNGObject empty;
    EXPECT_EQ(refusal(empty), (TFailure{"EPNGHeaderNotPresent", png::msg::HeaderNotPresent}));
    auto noHeader =
        without([](const TPNGObject& i) -> const TChunk* { return i.Chunks().Item(0); });
    EXPECT_EQ(refusal(*noHeader).ClassName, "EPNGHeaderNotPresent");
    auto noPalette = without(
        [](const TPNGObject& i) -> const TChunk* { return i.Chunks().ChunkOfClass<TChunkPLTE>(); });
    EXPECT_EQ(refusal(*noPalette), (TFailure{"EPNGInvalidPalette", png::msg::InvalidPalette}));
    auto noData = without(
        [](const TPNGObject& i) -> const TChunk* { return i.Chunks().ChunkOfClass<TChunkIDAT>(); });
    EXPECT_EQ(refusal(*noData), (TFailure{"EPNGNoImageData", png::msg::NoImageData}));
    auto noEnd = without(
        [](const TPNGObject& i) -> const TChunk* { return i.Chunks().ChunkOfClass<TChunkIEND>(); });
    EXPECT_EQ(refusal(*noEnd), (TFailure{"EPngUnexpectedEnd", png::msg::UnexpectedEnd}));

    auto emptyPalette = palette();
    Required(emptyPalette->Chunks().ChunkOfClass<TChunkPLTE>()).SetEntryCount(0);
    EXPECT_EQ(refusal(*emptyPalette).ClassName, "EPNGInvalidPalette");
    auto longTransparency = palette();
    longTransparency->Chunks().AddChunk<TChunktRNS>()->ResizeBody(257);
    EXPECT_EQ(refusal(*longTransparency).ClassName, "EPNGInvalidPalette");

    // What failed reads leave: a header whose fields were refused; a file cut in its data.
    TPNGObject badHeader;
    EXPECT_EQ(
        FailureOf([&] { ReadPng(badHeader, TPngBuilder().Header(2, 1, 8, 5).Bytes()); }).ClassName,
        "EPngInvalidIHDR");
    EXPECT_EQ(refusal(badHeader).ClassName, "EPNGHeaderNotPresent");
    const TBytes bytes = WritePng(*palette());
    TPNGObject cut;
    EXPECT_NE(FailureOf([&] { ReadPng(cut, TBytes(bytes.begin(), bytes.end() - 14)); }),
              TFailure{});
    EXPECT_EQ(refusal(cut).ClassName, "EPngUnexpectedEnd");
}

} // namespace
