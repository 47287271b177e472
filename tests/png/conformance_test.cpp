// The whole PngSuite: every valid image decodes to libpng's pixels (under the codec's
// documented rules), every broken one fails with the class its fault calls for, and every
// valid image survives writing and reading back under several settings.

#include "png/pngobject.h"
#include "tests/png/png_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <png.h>
#include <random>

namespace {

using namespace pngtest;

bool IsBroken(const std::string& name) {
    return name[0] == 'x';
}

std::vector<std::string> Files(bool broken) {
    std::vector<std::string> out;
    for (const auto& name : SuiteFiles())
        if (IsBroken(name) == broken)
            out.push_back(name);
    return out;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

class ValidImage : public ::testing::TestWithParam<std::string> {
protected:
    TBytes Bytes() const { return ReadFile(SuiteDir() + "/" + GetParam()); }
};

TEST_P(ValidImage, DecodesToTheReferencePixels) {
    const TBytes bytes = Bytes();
    TPNGObject image;
    ReadPng(image, bytes);
    const TRgbaImage reference = ReferenceDecode(bytes);
    const TRgbaImage decoded = CodecPixels(image);
    ASSERT_EQ(decoded.Width, reference.Width);
    ASSERT_EQ(decoded.Height, reference.Height);
    for (std::uint32_t y = 0; y < decoded.Height; ++y)
        for (std::uint32_t x = 0; x < decoded.Width; ++x) {
            const TRgba& a = decoded.At(x, y);
            const TRgba& b = reference.At(x, y);
            ASSERT_EQ(a, b) << "at " << x << "," << y << ": " << int(a.R) << " " << int(a.G) << " "
                            << int(a.B) << " " << int(a.A) << " vs " << int(b.R) << " " << int(b.G)
                            << " " << int(b.B) << " " << int(b.A);
        }
}

struct TSettings {
    std::uint8_t Filters;
    std::uint8_t Interlace;
    std::uint8_t Level;
};

TEST_P(ValidImage, SurvivesWritingAndReadingBack) {
    TPNGObject image;
    ReadPng(image, Bytes());
    const TRgbaImage decoded = CodecPixels(image);
    for (const TSettings settings : {TSettings{0x02, 0, 7}, TSettings{0x1F, 0, 9},
                                     TSettings{0x01, 1, 1}, TSettings{0x18, 1, 6}}) {
        TPNGObject copy;
        copy.CopyFromPng(image);
        copy.SetRowFilters(settings.Filters);
        copy.SetInterlacing(settings.Interlace);
        copy.SetDeflateLevel(settings.Level);
        const TBytes written = WritePng(copy);
        TPNGObject again;
        ReadPng(again, written);
        EXPECT_EQ(CodecPixels(again).Pixels, decoded.Pixels)
            << "filters " << int(settings.Filters) << " interlace " << int(settings.Interlace);
        EXPECT_EQ(ReferenceDecode(written).Pixels, decoded.Pixels)
            << "filters " << int(settings.Filters) << " interlace " << int(settings.Interlace);
    }
}

// The opacity of every pixel.
std::vector<std::uint8_t> Alphas(const TRgbaImage& image) {
    std::vector<std::uint8_t> alphas;
    for (const TRgba& pixel : image.Pixels)
        alphas.push_back(pixel.A);
    return alphas;
}

// What the codec writes keeps its transparency for other decoders: a key names exactly the
// written pixels it named before (16-bit samples and keys widened alike, keys through the
// gamma table like the samples), under every filter and interlace setting. The codec
// compares keys in the form it stores samples (the high byte of 16-bit samples, after
// gamma), so in four suite files it keys one pixel more than libpng does in the original,
// a pixel that the stored form no longer tells from the key.
class KeyedImage : public ValidImage {};

TEST_P(KeyedImage, WrittenKeysNameThePixelsTheyNamedBefore) {
    const TBytes bytes = Bytes();
    TPNGObject image;
    ReadPng(image, bytes);
    const std::vector<std::uint8_t> before = Alphas(CodecPixels(image));
    const std::vector<std::uint8_t> original = Alphas(LibpngRgba(bytes));
    const auto keyed = [](const std::vector<std::uint8_t>& alphas) {
        return std::count(alphas.begin(), alphas.end(), 0);
    };
    const bool merged = GetParam() == "tbbn2c16.png" || GetParam() == "tbgn2c16.png" ||
                        GetParam() == "tbrn2c08.png" || GetParam() == "tbwn0g16.png";
    EXPECT_EQ(keyed(before), keyed(original) + (merged ? 1 : 0));
    for (std::uint8_t filters : {0x01, 0x02, 0x04, 0x08, 0x10, 0x1F})
        for (std::uint8_t interlace : {0, 1}) {
            TPNGObject copy;
            copy.CopyFromPng(image);
            copy.SetRowFilters(filters);
            copy.SetInterlacing(interlace);
            EXPECT_EQ(Alphas(LibpngRgba(WritePng(copy))), before)
                << "filters " << int(filters) << " interlace " << int(interlace);
        }
}

// An alpha plane added to any image makes a file other decoders read without a warning,
// with the opacities the codec shows.
TEST_P(ValidImage, AnAddedAlphaPlaneWritesAValidFileWithTheSameAlpha) {
    TPNGObject image;
    ReadPng(image, Bytes());
    image.AddAlphaPlane();
    const TRgbaImage pixels = CodecPixels(image);
    TBytes written;
    ASSERT_NO_THROW(written = WritePng(image));
    TRgbaImage reference;
    ASSERT_NO_THROW(reference = LibpngRgba(written));
    EXPECT_EQ(Alphas(reference), Alphas(pixels));
    TPNGObject again;
    ReadPng(again, written);
    EXPECT_EQ(CodecPixels(again).Pixels, pixels.Pixels);
}

INSTANTIATE_TEST_SUITE_P(PngSuite, ValidImage, ::testing::ValuesIn(Files(false)), TestName);

// The valid images with a tRNS chunk.
std::vector<std::string> KeyedFiles() {
    std::vector<std::string> out;
    const std::string type = "tRNS";
    for (const auto& name : Files(false)) {
        const TBytes bytes = ReadFile(SuiteDir() + "/" + name);
        if (std::search(bytes.begin(), bytes.end(), type.begin(), type.end()) != bytes.end())
            out.push_back(name);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(PngSuite, KeyedImage, ::testing::ValuesIn(KeyedFiles()), TestName);

class BrokenImage : public ::testing::TestWithParam<std::string> {};

// The class each kind of fault calls for, by the suite's naming: signature faults (xs*,
// xcr, xlf), colour type or depth (xc1, xc9, xd*), missing image data (xdt) and checksums
// (xcs, xhd).
std::string ExpectedFailure(const std::string& name) {
    static const std::map<std::string, std::string> byPrefix = {
        {"xs", "EPNGInvalidFileHeader"},  {"xcr", "EPNGInvalidFileHeader"},
        {"xlf", "EPNGInvalidFileHeader"}, {"xc1", "EPngInvalidIHDR"},
        {"xc9", "EPngInvalidIHDR"},       {"xd0", "EPngInvalidIHDR"},
        {"xd3", "EPngInvalidIHDR"},       {"xd9", "EPngInvalidIHDR"},
        {"xdt", "EPNGNoImageData"},       {"xcs", "EPngInvalidCRC"},
        {"xhd", "EPngInvalidCRC"}};
    for (const auto& [prefix, failure] : byPrefix)
        if (name.rfind(prefix, 0) == 0)
            return failure;
    return "no expectation for " + name;
}

TEST_P(BrokenImage, FailsWithTheClassOfItsFault) {
    const TFailure failure = ReadFailure(ReadFile(SuiteDir() + "/" + GetParam()));
    EXPECT_EQ(failure.ClassName, ExpectedFailure(GetParam()));
    EXPECT_FALSE(failure.Message.empty());
}

INSTANTIATE_TEST_SUITE_P(PngSuite, BrokenImage, ::testing::ValuesIn(Files(true)), TestName);

// Images that libpng encodes with one filter for every row, in every layout and at widths
// around the vector code's block sizes, decode to libpng's pixels.
TEST(Decoder, MatchesLibpngForEveryFilterWidthAndLayout) {
    struct TLayout {
        int ColourType, Depth, Samples;
    };
    const TLayout layouts[] = {{2, 8, 3}, {6, 8, 4}, {6, 16, 4}, {2, 16, 3}, {0, 1, 1},
                               {0, 2, 1}, {3, 4, 1}, {4, 16, 2}, {4, 8, 2},  {0, 16, 1}};
    const int filters[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                           PNG_FILTER_PAETH};
    std::mt19937 random(3);
    for (const TLayout& layout : layouts)
        for (std::uint32_t width : {1u, 2u, 5u, 6u, 7u, 13u, 33u})
            for (int filter : filters)
                for (bool interlace : {false, true}) {
                    const std::uint32_t height = 5;
                    const std::size_t rowBytes =
                        (std::size_t(width) * layout.Samples * layout.Depth + 7) / 8;
                    TBytes data(rowBytes * height);
                    for (auto& byte : data)
                        byte = std::uint8_t(random());
                    const TBytes png = ReferenceEncode(width, height, layout.Depth,
                                                       layout.ColourType, data, filter, interlace);
                    TPNGObject image;
                    ReadPng(image, png);
                    ASSERT_EQ(CodecPixels(image).Pixels, ReferenceDecode(png).Pixels)
                        << "colour type " << layout.ColourType << " depth " << layout.Depth
                        << " width " << width << " filter " << filter << " interlace " << interlace;
                }
}

TEST(PngSuite, HoldsTheWholeSuite) {
    EXPECT_GE(Files(false).size(), 150u);
    EXPECT_EQ(Files(true).size(), 14u);
    EXPECT_EQ(KeyedFiles().size(), 11u);
}

} // namespace
