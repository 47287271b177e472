// Damaged streams: deterministic mutations of every suite image (byte flips, cuts, inserted,
// duplicated, removed and resized chunks with valid CRCs, lying length fields) either read or
// fail with one of the codec's exceptions, and whatever was read draws, copies and writes;
// what the codec writes, it reads back.

#include "png/errors.h"
#include "png/framing.h"
#include "png/pngobject.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/png/png_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <zlib.h>

namespace {

using namespace pngtest;

// Every failure path is reached many times over with this many, and the sanitizer run of
// the codec's tests, which CI makes of every change, stays well under a minute.
constexpr int MutationsPerImage = 300;
// Drawing and encoding touch every pixel; a mutated header may claim billions of them, which
// would only cost time here (reading such a header is checked, and costs nothing).
constexpr std::uint64_t CheckedPixelLimit = 1u << 18;

// The exception classes of png/errors.h.
const std::set<std::string> CodecFailures = {"EPNGOutMemory",          "EPngError",
                                             "EPngUnexpectedEnd",      "EPngInvalidCRC",
                                             "EPngInvalidIHDR",        "EPNGMissingMultipleIDAT",
                                             "EPNGZLIBError",          "EPNGInvalidPalette",
                                             "EPNGInvalidFileHeader",  "EPNGIHDRNotFirst",
                                             "EPNGSizeExceeds",        "EPNGUnknownCriticalChunk",
                                             "EPNGUnknownCompression", "EPNGUnknownInterlace",
                                             "EPNGNoImageData",        "EPNGHeaderNotPresent"};

// Where a chunk lies in a stream: its length field at Start, then type, body and CRC.
struct TSpan {
    std::size_t Start;
    std::size_t BodyLength;
    std::ptrdiff_t Begin() const { return std::ptrdiff_t(Start); }
    std::ptrdiff_t Body() const { return std::ptrdiff_t(Start + 8); }
    std::ptrdiff_t End() const { return std::ptrdiff_t(Start + 12 + BodyLength); }
};

// The chunks whose framing fits in the stream, up to the first that does not.
std::vector<TSpan> Spans(const TBytes& png) {
    std::vector<TSpan> spans;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const TSpan span{at, png::LoadU32(png.data() + at)};
        if (std::size_t(span.End()) > png.size())
            break;
        spans.push_back(span);
        at = std::size_t(span.End());
    }
    return spans;
}

// Applies one to three mutations to the original stream; the chunks are found anew before
// each, so later mutations act on the chunks of the earlier ones.
class TMutator {
public:
    TMutator(const TBytes& original, unsigned seed) : FOriginal(original), FRandom(seed) {}

    TBytes Next() {
        TBytes bytes = FOriginal;
        for (std::size_t count = 1 + Below(3); count > 0; --count)
            Mutate(bytes);
        return bytes;
    }

private:
    using TMutation = void (TMutator::*)(TBytes&);

    void Mutate(TBytes& bytes) {
        static constexpr TMutation mutations[] = {&TMutator::FlipByte,  &TMutator::Cut,
                                                  &TMutator::InsertNew, &TMutator::Duplicate,
                                                  &TMutator::Remove,    &TMutator::LieAboutLength,
                                                  &TMutator::EditBody,  &TMutator::ResizeBody};
        FSpans = Spans(bytes);
        if (!FSpans.empty())
            (this->*mutations[Below(std::size(mutations))])(bytes);
    }

    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : FRandom() % bound; }
    const TSpan& Pick() { return FSpans[Below(FSpans.size())]; }

    // Any byte after the signature, CRCs included.
    void FlipByte(TBytes& bytes) {
        bytes[8 + Below(bytes.size() - 8)] ^= std::uint8_t(1 + Below(255));
    }

    void Cut(TBytes& bytes) { bytes.resize(8 + Below(bytes.size() - 8)); }

    // A chunk of a known, private or unknown critical type with a random body, half of
    // them starting like a zlib stream.
    void InsertNew(TBytes& bytes) {
        static const char* const types[] = {"IHDR", "PLTE", "tRNS", "gAMA", "IDAT", "IEND",
                                            "tEXt", "zTXt", "tIME", "cHRM", "prVt", "ABCD"};
        const std::string type = types[Below(std::size(types))];
        TBytes body(Below(40));
        for (auto& byte : body)
            byte = std::uint8_t(FRandom());
        if (!body.empty() && Below(2) == 0)
            body[0] = 0x78;
        Insert(bytes, FramedChunk(type, body));
    }

    void Duplicate(TBytes& bytes) {
        const TSpan& span = Pick();
        Insert(bytes, TBytes(bytes.begin() + span.Begin(), bytes.begin() + span.End()));
    }

    void Remove(TBytes& bytes) {
        const TSpan& span = Pick();
        bytes.erase(bytes.begin() + span.Begin(), bytes.begin() + span.End());
    }

    // A length field that no longer fits the chunk: none, a little off, or huge.
    void LieAboutLength(TBytes& bytes) {
        const TSpan& span = Pick();
        const std::uint32_t length = std::uint32_t(span.BodyLength);
        const std::uint32_t lies[] = {0,           length + 1 + std::uint32_t(Below(4)),
                                      length - 1,  std::uint32_t(FRandom()),
                                      0x7FFFFFFFu, 0x80000000u,
                                      0xFFFFFFFFu};
        png::StoreU32(bytes.data() + span.Start, lies[Below(std::size(lies))]);
    }

    // Changes one byte of the body, with the CRC kept right, so that header fields, palette
    // sizes and compressed data reach the codec's checks behind the CRC.
    void EditBody(TBytes& bytes) {
        const TSpan& span = Pick();
        TBytes body = BodyOf(bytes, span);
        if (body.empty())
            return;
        std::uint8_t& byte = body[Below(body.size())];
        byte = Below(2) == 0 ? std::uint8_t(FRandom()) : std::uint8_t(byte ^ (1u << Below(8)));
        Reframe(bytes, span, body);
    }

    // Cuts or extends the body by a few bytes, with a length field and CRC that fit.
    void ResizeBody(TBytes& bytes) {
        const TSpan& span = Pick();
        TBytes body = BodyOf(bytes, span);
        const std::size_t length =
            Below(2) == 0 ? body.size() + 1 + Below(4) : body.size() - Below(body.size() + 1);
        body.resize(length, std::uint8_t(FRandom()));
        Reframe(bytes, span, body);
    }

    // Inserts at a chunk boundary, also before the first chunk and after the last.
    void Insert(TBytes& bytes, const TBytes& chunk) {
        const std::size_t index = Below(FSpans.size() + 1);
        const std::ptrdiff_t at =
            index < FSpans.size() ? FSpans[index].Begin() : FSpans.back().End();
        bytes.insert(bytes.begin() + at, chunk.begin(), chunk.end());
    }

    static TBytes BodyOf(const TBytes& bytes, const TSpan& span) {
        return TBytes(bytes.begin() + span.Body(), bytes.begin() + span.End() - 4);
    }

    // Replaces the chunk by one of the same type with the given body.
    static void Reframe(TBytes& bytes, const TSpan& span, const TBytes& body) {
        const std::string type(bytes.begin() + span.Begin() + 4, bytes.begin() + span.Body());
        const TBytes chunk = FramedChunk(type, body);
        bytes.erase(bytes.begin() + span.Begin(), bytes.begin() + span.End());
        bytes.insert(bytes.begin() + span.Begin(), chunk.begin(), chunk.end());
    }

    const TBytes& FOriginal;
    std::mt19937 FRandom;
    std::vector<TSpan> FSpans;
};

bool Checkable(const TPNGObject& image) {
    return std::uint64_t(image.Width()) * std::uint64_t(image.Height()) <= CheckedPixelLimit;
}

// Draws by every method's rectangle rule: at the image's size and stretched to twice it.
void Draw(TPNGObject& image) {
    const int w = std::max(image.Width(), 1), h = std::max(image.Height(), 1);
    gdi::test::TCanvas canvas(2 * w + 2, 2 * h + 2, gdi::RGB(10, 20, 30));
    image.DrawOnDC(canvas.DC(), {1, 1, 1 + w, 1 + h});
    image.DrawOnDC(canvas.DC(), {1, 1, 1 + 2 * w, 1 + 2 * h});
}

// A pixel index beyond the palette is the one fault that drawing and reading pixels report.
bool NoneOrBadPaletteIndex(const TFailure& failure) {
    return failure == TFailure{} || failure == TFailure{"EPngError", png::msg::NoSuchPaletteEntry};
}

// What was read, whole or in part, draws, gives its pixels and copies. It writes a file the
// codec reads back, or refuses with a codec exception and writes nothing; the copy does the
// same with the same bytes, since a chunk dropped or changed on copying is data lost. The
// copy is made first because writing turns 2-bit rows into 4-bit ones. An image read whole
// comes back from what it wrote with the same pixels.
void CheckUses(TPNGObject& image, bool readWhole) {
    ASSERT_PRED1(NoneOrBadPaletteIndex, FailureOf([&] { Draw(image); }));
    TRgbaImage pixels;
    const TFailure access = FailureOf([&] { pixels = CodecPixels(image); });
    ASSERT_PRED1(NoneOrBadPaletteIndex, access);
    TPNGObject copy;
    copy.CopyFromPng(image);
    TMemoryStream written, copyWritten;
    const TFailure writing = FailureOf([&] { image.WriteToStream(written); });
    ASSERT_EQ(FailureOf([&] { copy.WriteToStream(copyWritten); }), writing);
    ASSERT_TRUE(copyWritten.Bytes() == written.Bytes()) << "the copy writes other bytes";
    if (writing != TFailure{}) {
        ASSERT_TRUE(CodecFailures.count(writing.ClassName)) << ::testing::PrintToString(writing);
        ASSERT_EQ(written.Size(), 0) << "a refused image wrote something";
        return;
    }
    TPNGObject again;
    ASSERT_EQ(FailureOf([&] { ReadPng(again, written.Bytes()); }), TFailure{})
        << "the codec wrote a file it cannot read";
    if (!readWhole || access != TFailure{})
        return;
    ASSERT_EQ(CodecPixels(again).Pixels, pixels.Pixels);
}

class MutatedImage : public ::testing::TestWithParam<std::string> {};

TEST_P(MutatedImage, ReadsOrFailsWithACodecErrorAndWhatIsReadDrawsCopiesAndWrites) {
    const TBytes original = ReadFile(SuiteDir() + "/" + GetParam());
    ASSERT_FALSE(original.empty());
    // Each image's mutations follow from its name, so a failure repeats.
    TMutator mutator(original, unsigned(crc32(0, reinterpret_cast<const Bytef*>(GetParam().data()),
                                              uInt(GetParam().size()))));
    for (int trial = 0; trial < MutationsPerImage; ++trial) {
        SCOPED_TRACE("mutation " + std::to_string(trial));
        TPNGObject image;
        const TFailure failure = FailureOf([&] { ReadPng(image, mutator.Next()); });
        ASSERT_TRUE(failure.ClassName.empty() || CodecFailures.count(failure.ClassName))
            << ::testing::PrintToString(failure);
        if (Checkable(image)) {
            ASSERT_NO_FATAL_FAILURE(CheckUses(image, failure.ClassName.empty()));
        }
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(PngSuite, MutatedImage, ::testing::ValuesIn(SuiteFiles()), TestName);

} // namespace
