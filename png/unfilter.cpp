#include "png/unfilter.h"

#include "png/format.h"
#include "png/simd.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#if BRENLOW_SSE2
#include <immintrin.h>
#endif

namespace png {

namespace {

// ---- Scalar, any pixel stride -----------------------------------------------------------------
// The bytes to the left are carried in registers, S of them, rather than read back from the
// row just written: each byte depends on the one S bytes before it, and a read-back would add
// a store-to-load delay to that chain.

template <std::size_t S>
void UnfilterSub(std::uint8_t* r, std::size_t length) {
    std::uint8_t a[S] = {};
    for (std::size_t i = 0; i + S <= length; i += S)
        for (std::size_t k = 0; k < S; ++k)
            r[i + k] = a[k] = std::uint8_t(r[i + k] + a[k]);
}

// With SSE2 sixteen bytes at a time, the rest (all of it in the scalar twin) byte by byte.
void UnfilterUp(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    std::size_t i = 0;
#if BRENLOW_SSE2
    for (; i + 16 <= length; i += 16) {
        const __m128i sum = _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r + i)),
                                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r + i), sum);
    }
#endif
    for (; i < length; ++i)
        r[i] = std::uint8_t(r[i] + p[i]);
}

template <std::size_t S>
void UnfilterAverage(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    std::uint8_t a[S] = {};
    for (std::size_t i = 0; i + S <= length; i += S)
        for (std::size_t k = 0; k < S; ++k)
            r[i + k] = a[k] = std::uint8_t(r[i + k] + (unsigned(a[k]) + p[i + k]) / 2);
}

// The predictor without branches, whose outcome photographs make unpredictable: a when it
// is at least as near as b and c, else the nearer of b and c (b on a tie). The distances
// are those of the format: |b - c|, |a - c| and |a + b - 2c|.
inline std::uint8_t Paeth(int a, int b, int c) {
    const int bc = b - c;
    const int ac = a - c;
    const int pa = std::abs(bc);
    const int pb = std::abs(ac);
    const int pc = std::abs(ac + bc);
    const int nearer = pb <= pc ? b : c;
    return std::uint8_t(pa <= std::min(pb, pc) ? a : nearer);
}

template <std::size_t S>
void UnfilterPaeth(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    std::uint8_t a[S] = {};
    std::uint8_t c[S] = {};
    for (std::size_t i = 0; i + S <= length; i += S)
        for (std::size_t k = 0; k < S; ++k) {
            const std::uint8_t b = p[i + k];
            r[i + k] = a[k] = std::uint8_t(r[i + k] + Paeth(a[k], b, c[k]));
            c[k] = b;
        }
}

// Rows of packed pixels (stride 1) may end in part of a byte; every other row is whole
// pixels.
template <std::size_t S>
void UnfilterScalar(std::uint8_t filter, std::uint8_t* r, const std::uint8_t* p,
                    std::size_t length) {
    switch (filter) {
    case FILTER_SUB:
        return UnfilterSub<S>(r, length);
    case FILTER_UP:
        return UnfilterUp(r, p, length);
    case FILTER_AVERAGE:
        return UnfilterAverage<S>(r, p, length);
    case FILTER_PAETH:
        return UnfilterPaeth<S>(r, p, length);
    default:
        return;
    }
}

#if BRENLOW_SSE2
// ---- Three to eight bytes per pixel, vector code ----------------------------------------------
// The templates above are their scalar twins.
// Each pixel depends on the one to its left, so the vectors hold one pixel at a time; the
// gain comes from doing its bytes at once. The next pixel is loaded before the current one
// is stored, so no load waits on an overlapping store.

// Loads a pixel into the low bytes: four bytes for pixels of three or four, eight for pixels
// of six or eight. The bytes beyond the pixel belong to the next pixel or to the row padding;
// the lanes never mix, so they do not disturb the pixel.
template <std::size_t S>
inline __m128i LoadPixel(const std::uint8_t* p) {
    if constexpr (S <= 4) {
        int value = 0;
        std::memcpy(&value, p, 4);
        return _mm_cvtsi32_si128(value);
    } else {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    }
}

// Stores the pixel's S bytes and nothing beyond them.
template <std::size_t S>
inline void StorePixel(std::uint8_t* p, __m128i v) {
    std::uint8_t bytes[8];
    _mm_storel_epi64(reinterpret_cast<__m128i*>(bytes), v);
    std::memcpy(p, bytes, S);
}

template <std::size_t S>
void UnfilterSubSse2(std::uint8_t* r, std::size_t length) {
    __m128i a = _mm_setzero_si128();
    __m128i raw = LoadPixel<S>(r);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = LoadPixel<S>(r + i + S);
        a = _mm_add_epi8(a, raw);
        StorePixel<S>(r + i, a);
        raw = next;
    }
}

template <std::size_t S>
void UnfilterAverageSse2(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    const __m128i one = _mm_set1_epi8(1);
    __m128i a = _mm_setzero_si128();
    __m128i raw = LoadPixel<S>(r);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = LoadPixel<S>(r + i + S);
        const __m128i b = LoadPixel<S>(p + i);
        // _mm_avg_epu8 rounds up; the format's average rounds down.
        const __m128i average =
            _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        a = _mm_add_epi8(average, raw);
        StorePixel<S>(r + i, a);
        raw = next;
    }
}

// The predictor in 16-bit lanes, with SSE4.1's absolute values and blends. The sum with the
// filtered byte stays in 16-bit lanes (cut to 8 bits), so the chain from one pixel to the
// next has no packing in it.
template <std::size_t S>
__attribute__((target("sse4.1"))) void UnfilterPaethSse41(std::uint8_t* r, const std::uint8_t* p,
                                                          std::size_t length) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowByte = _mm_set1_epi16(0xFF);
    __m128i a = zero;
    __m128i c = zero;
    __m128i raw = _mm_unpacklo_epi8(LoadPixel<S>(r), zero);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = _mm_unpacklo_epi8(LoadPixel<S>(r + i + S), zero);
        const __m128i b = _mm_unpacklo_epi8(LoadPixel<S>(p + i), zero);
        const __m128i bc = _mm_sub_epi16(b, c);
        const __m128i ac = _mm_sub_epi16(a, c);
        const __m128i pa = _mm_abs_epi16(bc);
        const __m128i pb = _mm_abs_epi16(ac);
        const __m128i pc = _mm_abs_epi16(_mm_add_epi16(ac, bc));
        const __m128i nearer = _mm_blendv_epi8(b, c, _mm_cmpgt_epi16(pb, pc));
        const __m128i predictor =
            _mm_blendv_epi8(a, nearer, _mm_cmpgt_epi16(pa, _mm_min_epi16(pb, pc)));
        a = _mm_and_si128(_mm_add_epi16(predictor, raw), lowByte);
        StorePixel<S>(r + i, _mm_packus_epi16(a, a));
        raw = next;
        c = b;
    }
}

bool HasSse41() {
    static const bool has = __builtin_cpu_supports("sse4.1");
    return has;
}

template <std::size_t S>
void UnfilterVector(std::uint8_t filter, std::uint8_t* r, const std::uint8_t* p,
                    std::size_t length) {
    switch (filter) {
    case FILTER_SUB:
        return UnfilterSubSse2<S>(r, length);
    case FILTER_AVERAGE:
        return UnfilterAverageSse2<S>(r, p, length);
    case FILTER_PAETH:
        if (HasSse41())
            return UnfilterPaethSse41<S>(r, p, length);
        return UnfilterPaeth<S>(r, p, length);
    default:
        return UnfilterScalar<S>(filter, r, p, length);
    }
}
#endif

template <std::size_t S>
void UnfilterStride(std::uint8_t filter, std::uint8_t* r, const std::uint8_t* p,
                    std::size_t length) {
#if BRENLOW_SSE2
    if constexpr (S >= 3)
        return UnfilterVector<S>(filter, r, p, length);
#endif
    UnfilterScalar<S>(filter, r, p, length);
}

} // namespace

void UnfilterRow(std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
                 std::size_t pixelStride) {
    std::uint8_t* r = row + 1;
    const std::uint8_t* p = previous + 1;
    const std::uint8_t filter = row[0];
    switch (pixelStride) {
    case 1:
        return UnfilterStride<1>(filter, r, p, length);
    case 2:
        return UnfilterStride<2>(filter, r, p, length);
    case 3:
        return UnfilterStride<3>(filter, r, p, length);
    case 4:
        return UnfilterStride<4>(filter, r, p, length);
    case 6:
        return UnfilterStride<6>(filter, r, p, length);
    default:
        return UnfilterStride<8>(filter, r, p, length);
    }
}

} // namespace png
