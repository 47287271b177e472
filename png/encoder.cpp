// Writing the image data: every row is converted from the stored representation to PNG
// samples, filtered by the heuristic, deflated, and the compressed stream is cut into IDAT
// chunks of exactly the image's IDAT limit (the last one holds the rest; none holds 2^31
// bytes or more, which is no PNG length).

#include "png/encoder.h"

#include "png/errors.h"
#include "png/framing.h"
#include "png/pngobject.h"
#include "png/row_geometry.h"
#include "png/simd.h"
#include "png/unpack.h"
#include "png/words.h"
#include "png/zlib_error.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#if BRENLOW_SSE2
#include <emmintrin.h>
#endif
#include <numeric>
#include <vector>
#include <zlib.h>

namespace png {

std::uint8_t WrittenBitDepth(const TChunkIHDR& header) {
    if (header.ColourType() == COLOR_GRAYSCALEALPHA && header.BitDepth() < 8)
        return 8;
    return header.BitDepth() == 2 ? 4 : header.BitDepth();
}

} // namespace png

namespace {

// The compressed data's first buffer; it doubles as the data needs, up to the chunk limit.
constexpr std::size_t FirstOutputSize = 65536;

// The pixels of one output row: image row y, columns first, first + step, ... (count).
struct TRowSource {
    std::uint32_t Y;
    std::uint32_t FirstColumn;
    std::uint32_t ColumnStep;
    std::uint32_t Count;
};

#if BRENLOW_SSE2
__m128i Load(const std::uint8_t* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}
#endif

// Counts the positions 2..length-1 whose byte repeats one of the two bytes before it; with
// SSE2 16 positions at a time, the rest (all of them in the scalar twin) one by one.
std::uint32_t RepeatCount(const std::uint8_t* row, std::uint32_t length) {
    std::uint32_t count = 0;
    std::uint32_t j = 2;
#if BRENLOW_SSE2
    const __m128i zero = _mm_setzero_si128();
    while (j + 16 <= length) {
        // A counter per byte lane (a match is -1, subtracted), summed before it can wrap.
        __m128i lanes = zero;
        for (int block = 0; block < 255 && j + 16 <= length; ++block, j += 16) {
            const __m128i x = Load(row + j);
            const __m128i match = _mm_or_si128(_mm_cmpeq_epi8(x, Load(row + j - 1)),
                                               _mm_cmpeq_epi8(x, Load(row + j - 2)));
            lanes = _mm_sub_epi8(lanes, match);
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        count += std::uint32_t(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    }
#endif
    for (; j < length; ++j)
        count += row[j] == row[j - 1] || row[j] == row[j - 2];
    return count;
}

// The predictors of the Average and Paeth filters from the left byte a, the byte above b and
// the byte above left c; with SSE2 also for 16 bytes at a time.
struct TAveragePredictor {
    static int Scalar(int a, int b, int) { return (a + b) / 2; }
#if BRENLOW_SSE2
    // (a + b) div 2 without the carry out of a byte: the common bits plus half the others.
    static __m128i Vector(__m128i a, __m128i b, __m128i) {
        const __m128i half =
            _mm_and_si128(_mm_srli_epi16(_mm_xor_si128(a, b), 1), _mm_set1_epi8(0x7F));
        return _mm_add_epi8(_mm_and_si128(a, b), half);
    }
#endif
};

struct TPaethPredictor {
    static int Scalar(int a, int b, int c) {
        const int p = a + b - c;
        const int pa = std::abs(p - a);
        const int pb = std::abs(p - b);
        const int pc = std::abs(p - c);
        if (pa <= pb && pa <= pc)
            return a;
        return pb <= pc ? b : c;
    }
#if BRENLOW_SSE2
    static __m128i Vector(__m128i a, __m128i b, __m128i c) {
        const __m128i zero = _mm_setzero_si128();
        return _mm_packus_epi16(Words(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero),
                                      _mm_unpacklo_epi8(c, zero)),
                                Words(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero),
                                      _mm_unpackhi_epi8(c, zero)));
    }

    // The scalar rule on eight 16-bit lanes: pa = |b - c|, pb = |a - c|, pc = |a + b - 2c|.
    static __m128i Words(__m128i a, __m128i b, __m128i c) {
        const __m128i bc = _mm_sub_epi16(b, c);
        const __m128i ac = _mm_sub_epi16(a, c);
        const __m128i pa = Magnitude(bc);
        const __m128i pb = Magnitude(ac);
        const __m128i pc = Magnitude(_mm_add_epi16(bc, ac));
        const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
        const __m128i notB = _mm_cmpgt_epi16(pb, pc);
        const __m128i bOrC = _mm_or_si128(_mm_and_si128(notB, c), _mm_andnot_si128(notB, b));
        return _mm_or_si128(_mm_and_si128(notA, bOrC), _mm_andnot_si128(notA, a));
    }

    static __m128i Magnitude(__m128i v) {
        return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
    }
#endif
};

class TImageDataEncoder {
public:
    TImageDataEncoder(const TPNGObject& image, const TChunkIHDR& header, TStream& stream)
        : FImage(image), FHeader(header), FStream(stream), FDepth(png::WrittenBitDepth(header)),
          FFilters(image.RowFilters()),
          FChunkLimit(std::min(image.IdatLimit(), png::ChunkLengthLimit - 1)) {
        const auto full = png::RowGeometry(header.ColourType(), FDepth, header.Width());
        FOffset = std::max<std::uint32_t>(full.PixelStride, 1);
        FCurrent.assign(full.RowLength, 0);
        FPrevious.assign(full.RowLength, 0);
        for (int type = png::FILTER_SUB; type < png::FilterTypeCount; ++type)
            if (FFilters & (1u << type))
                FCandidates[type].assign(full.RowLength, 0);
        MapKeyedGreyLevels();
        const int result = deflateInit(&FZStream, image.DeflateLevel());
        if (result != Z_OK)
            png::RaiseZlibError(result);
    }
    ~TImageDataEncoder() { deflateEnd(&FZStream); }
    TImageDataEncoder(const TImageDataEncoder&) = delete;
    TImageDataEncoder& operator=(const TImageDataEncoder&) = delete;

    void Encode() {
        if (!FHeader.Pixels())
            RaisePngError<EPngInvalidIHDR>(png::msg::InvalidIHDR);
        if (FImage.Interlacing() == png::INTERLACE_ADAM7)
            EncodeAdam7();
        else
            EncodeSequential();
        Finish();
    }

private:
    void EncodeSequential() {
        const std::uint32_t length = std::uint32_t(FCurrent.size());
        for (std::uint32_t y = 0; y < FHeader.Height(); ++y)
            WriteRow({y, 0, 1, FHeader.Width()}, length);
    }

    void EncodeAdam7() {
        for (const png::TAdam7Pass& pass : png::Adam7Passes) {
            const std::uint32_t count = pass.Width(FHeader.Width());
            const std::uint32_t length =
                png::RowGeometry(FHeader.ColourType(), FDepth, count).RowLength;
            std::fill_n(FPrevious.begin(), length, 0);
            if (length == 0)
                continue;
            for (std::uint32_t y = pass.FirstRow; y < FHeader.Height(); y += pass.RowStep)
                WriteRow({y, pass.FirstColumn, pass.ColumnStep, count}, length);
        }
    }

    void WriteRow(const TRowSource& source, std::uint32_t length) {
        ConvertRow(source, length);
        const std::uint8_t filter = FilterRow(length);
        Feed(&filter, 1);
        Feed(filter == png::FILTER_NONE ? FPrevious.data() : FCandidates[filter].data(), length);
    }

    // ---- Row conversion -------------------------------------------------------------------

    // Grey levels that show as the key are written as the key's own level: under gamma two
    // levels may show alike, and the written key must name every pixel the codec shows as
    // keyed. Other levels, and palette indices, are written as they are.
    void MapKeyedGreyLevels() {
        std::iota(FLevels.begin(), FLevels.end(), 0);
        const auto* transparency = FImage.Chunks().ChunkOfClass<TChunktRNS>();
        if (FHeader.ColourType() != png::COLOR_GRAYSCALE || !transparency)
            return;
        const TColor key = transparency->GetColourKey();
        const std::uint8_t level = transparency->StoredKeySample(0);
        const gdi::RGBQUAD* table = FHeader.ColourTable();
        for (std::uint32_t v = 0; v < (1u << FHeader.DibBitsPerPixel()); ++v)
            if (gdi::RGB(table[v].rgbRed, table[v].rgbGreen, table[v].rgbBlue) == key &&
                v != level) {
                FLevels[v] = level;
                FLevelsMapped = true;
            }
    }

    void ConvertRow(const TRowSource& source, std::uint32_t length) {
        const std::uint8_t* row = FHeader.PixelRow(source.Y);
        const std::uint8_t* alpha = FHeader.AlphaRow(source.Y);
        if (FDepth == 8 && source.ColumnStep == 1 && FImage.GammaIsIdentity() &&
            ConvertColourRow(row, alpha, source.Count))
            return;
        const TGammaTable& inv = FImage.InverseGammaLut();
        std::uint8_t* out = FCurrent.data();
        const int bits = FHeader.DibBitsPerPixel();
        const bool wide = FDepth == 16;
        // A stored byte v is the 16-bit sample v x 257, so 255 stays the top value 65535.
        const auto put = [&out, wide](std::uint8_t value) {
            *out++ = value;
            if (wide)
                *out++ = value;
        };
        switch (FHeader.ColourType()) {
        case png::COLOR_GRAYSCALE:
        case png::COLOR_PALETTE:
            if (wide)
                for (std::uint32_t k = 0; k < source.Count; ++k)
                    put(FLevels[row[Column(source, k)]]);
            else if (source.ColumnStep == 1 && !FLevelsMapped)
                std::memcpy(out, row, length);
            else
                PackFields(row, source, bits, length);
            break;
        case png::COLOR_GRAYSCALEALPHA:
            for (std::uint32_t k = 0; k < source.Count; ++k) {
                const std::uint32_t x = Column(source, k);
                put(GreyLevel(row, x, bits));
                put(alpha[x]);
            }
            break;
        default:
            for (std::uint32_t k = 0; k < source.Count; ++k) {
                const std::uint32_t x = Column(source, k);
                const std::uint8_t* p = row + 3 * x;
                put(inv[p[2]]);
                put(inv[p[1]]);
                put(inv[p[0]]);
                if (alpha)
                    put(alpha[x]);
            }
            break;
        }
    }

    // Whole 8-bit colour rows without gamma: blue-green-red(-alpha) to red-green-blue(-alpha)
    // a word at a time. False for rows of other colour types.
    bool ConvertColourRow(const std::uint8_t* row, const std::uint8_t* alpha, std::uint32_t count) {
        std::uint8_t* out = FCurrent.data();
        if (FHeader.ColourType() == png::COLOR_RGB) {
            png::SwapRedBlue(row, out, count);
            return true;
        }
        if (FHeader.ColourType() != png::COLOR_RGBALPHA || count == 0)
            return false;
        // The last pixel is read byte by byte: a word there could reach past the DIB.
        for (std::uint32_t x = 0; x + 1 < count; ++x, row += 3, out += 4)
            png::StoreWord(out, png::ReversedLowBytes(png::LoadWord(row)) | std::uint32_t(alpha[x])
                                                                                << 24);
        out[0] = row[2];
        out[1] = row[1];
        out[2] = row[0];
        out[3] = alpha[count - 1];
        return true;
    }

    static std::uint32_t Column(const TRowSource& source, std::uint32_t k) {
        return source.FirstColumn + k * source.ColumnStep;
    }

    // The grey sample of a pixel: the stored byte, or a field of a lower depth spread to
    // 0..255 as the grey colour table spreads it.
    static std::uint8_t GreyLevel(const std::uint8_t* row, std::uint32_t x, int bits) {
        if (bits == 8)
            return row[x];
        const std::uint32_t bit = x * std::uint32_t(bits);
        const std::uint32_t max = (1u << bits) - 1;
        return std::uint8_t(((row[bit / 8] >> (8 - bits - bit % 8)) & max) * 255 / max);
    }

    // Packs the pass's fields of a 1-, 4- or 8-bit row, each through FLevels; bits past the
    // pass width stay 0.
    void PackFields(const std::uint8_t* row, const TRowSource& source, int bits,
                    std::uint32_t length) {
        std::fill_n(FCurrent.begin(), length, 0);
        const std::uint32_t mask = (1u << bits) - 1;
        for (std::uint32_t k = 0; k < source.Count; ++k) {
            const std::uint32_t bit = Column(source, k) * std::uint32_t(bits);
            const std::uint32_t value = FLevels[(row[bit / 8] >> (8 - bits - bit % 8)) & mask];
            const std::uint32_t outBit = k * std::uint32_t(bits);
            FCurrent[outBit / 8] |= std::uint8_t(value << (8 - bits - outBit % 8));
        }
    }

    // ---- Filtering ------------------------------------------------------------------------

    // Fills the candidate rows, moves the current row into the previous one (the None
    // candidate) and picks the filter; ties go to the lower type.
    std::uint8_t FilterRow(std::uint32_t length) {
        const std::uint8_t* x = FCurrent.data();
        const std::uint8_t* b = FPrevious.data();
        const std::uint32_t n = FOffset;
        for (int type = png::FILTER_SUB; type < png::FilterTypeCount; ++type) {
            if (FCandidates[type].empty())
                continue;
            FillCandidate(type, FCandidates[type].data(), x, b, length, n);
        }
        std::memcpy(FPrevious.data(), x, length);
        if ((FFilters & ~1u) == 0)
            return png::FILTER_NONE;
        std::uint8_t choice = png::FILTER_NONE;
        std::uint32_t best = 0;
        for (int type = png::FILTER_NONE; type < png::FilterTypeCount; ++type) {
            if (!(FFilters & (1u << type)))
                continue;
            if (FFilters == (1u << type))
                return std::uint8_t(type);
            const std::uint8_t* candidate =
                type == png::FILTER_NONE ? FPrevious.data() : FCandidates[type].data();
            const std::uint32_t count = RepeatCount(candidate, length);
            if (count > best) {
                best = count;
                choice = std::uint8_t(type);
            }
        }
        return choice;
    }

    static void FillCandidate(int type, std::uint8_t* out, const std::uint8_t* x,
                              const std::uint8_t* b, std::uint32_t length, std::uint32_t n) {
        switch (type) {
        case png::FILTER_SUB:
            return Difference(out, x, length, n, x);
        case png::FILTER_UP:
            return Difference(out, x, length, 0, b);
        case png::FILTER_AVERAGE:
            return Fill<TAveragePredictor>(out, x, b, length, n);
        default:
            return Fill<TPaethPredictor>(out, x, b, length, n);
        }
    }

    // out[i] = x[i] - from[i - n], with from[i - n] = 0 for i < n; with SSE2 16 bytes at a
    // time, the rest (all of it in the scalar twin) byte by byte.
    static void Difference(std::uint8_t* out, const std::uint8_t* x, std::uint32_t length,
                           std::uint32_t n, const std::uint8_t* from) {
        const std::uint32_t head = std::min(n, length);
        std::memcpy(out, x, head);
        std::uint32_t i = head;
#if BRENLOW_SSE2
        for (; i + 16 <= length; i += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                             _mm_sub_epi8(Load(x + i), Load(from + i - n)));
#endif
        for (; i < length; ++i)
            out[i] = std::uint8_t(x[i] - from[i - n]);
    }

    // out = x minus the prediction from left a, above b and upper left c (0 left of the row).
    // The bytes predicted from are the unfiltered rows, so 16 of them go at once with SSE2.
    template <class TPredictor>
    static void Fill(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* b,
                     std::uint32_t length, std::uint32_t n) {
        const std::uint32_t head = std::min(n, length);
        for (std::uint32_t i = 0; i < head; ++i)
            out[i] = std::uint8_t(x[i] - TPredictor::Scalar(0, b[i], 0));
        std::uint32_t i = head;
#if BRENLOW_SSE2
        for (; i + 16 <= length; i += 16) {
            const __m128i predicted =
                TPredictor::Vector(Load(x + i - n), Load(b + i), Load(b + i - n));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                             _mm_sub_epi8(Load(x + i), predicted));
        }
#endif
        for (; i < length; ++i)
            out[i] = std::uint8_t(x[i] - TPredictor::Scalar(x[i - n], b[i], b[i - n]));
    }

    // ---- Compression ----------------------------------------------------------------------
    // The compressed data gathers in a buffer that grows with it up to the chunk limit, so a
    // large IDAT limit costs only what the data needs; a full buffer is one IDAT chunk.

    void Feed(const std::uint8_t* data, std::uint32_t size) {
        FZStream.next_in = const_cast<Bytef*>(data);
        FZStream.avail_in = size;
        while (FZStream.avail_in > 0)
            Deflate(Z_NO_FLUSH);
    }

    void Finish() {
        while (Deflate(Z_FINISH) != Z_STREAM_END) {
        }
        FlushOutput();
    }

    int Deflate(int flush) {
        if (FZStream.avail_out == 0)
            MakeRoom();
        const int result = deflate(&FZStream, flush);
        if (result < 0)
            png::RaiseZlibError(result);
        return result;
    }

    // Grows the full buffer, or writes it as a chunk when it has reached the limit. The
    // buffer is never cleared: zlib fills what is written.
    void MakeRoom() {
        if (FOutputSize == FChunkLimit) {
            FlushOutput();
            return;
        }
        const std::size_t filled = FOutputSize;
        FOutputSize = std::min<std::size_t>(FChunkLimit, std::max(2 * filled, FirstOutputSize));
        auto grown = std::make_unique_for_overwrite<std::uint8_t[]>(FOutputSize);
        if (filled > 0)
            std::memcpy(grown.get(), FOutput.get(), filled);
        FOutput = std::move(grown);
        FZStream.next_out = FOutput.get() + filled;
        FZStream.avail_out = uInt(FOutputSize - filled);
    }

    // Writes what the buffer holds as one IDAT chunk; nothing when it is empty.
    void FlushOutput() {
        const std::size_t filled = FOutputSize - FZStream.avail_out;
        if (filled > 0)
            png::WriteFramedChunk(FStream, png::ctIDAT, FOutput.get(), std::uint32_t(filled));
        FZStream.next_out = FOutput.get();
        FZStream.avail_out = uInt(FOutputSize);
    }

    const TPNGObject& FImage;
    const TChunkIHDR& FHeader;
    TStream& FStream;
    std::uint8_t FDepth;
    std::uint8_t FFilters;
    std::uint32_t FOffset = 1;
    std::vector<std::uint8_t> FCurrent;
    std::vector<std::uint8_t> FPrevious;
    std::array<std::vector<std::uint8_t>, png::FilterTypeCount> FCandidates;
    // The level written for each stored grey level or palette index.
    std::array<std::uint8_t, 256> FLevels{};
    bool FLevelsMapped = false;
    // Chunk lengths of 2^31 and more are not PNG lengths, whatever the IDAT limit says.
    std::uint32_t FChunkLimit;
    std::unique_ptr<std::uint8_t[]> FOutput;
    std::size_t FOutputSize = 0;
    z_stream FZStream{};
};

} // namespace

bool TChunkIDAT::WriteTo(TStream& stream) {
    TImageDataEncoder(*FImage, HeaderChunk(), stream).Encode();
    return true;
}
