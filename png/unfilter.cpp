#include "png/unfilter.h"

#include "png/format.h"
#include "png/simd.h"

#include <cstdlib>
#include <cstring>
#if BRENLOW_PNG_SSE2
#include <emmintrin.h>
#endif

namespace png {

namespace {

// ---- Any pixel stride ---------------------------------------------------------------------

void UnfilterSub(std::uint8_t* r, std::size_t length, std::size_t s) {
    for (std::size_t i = s; i < length; ++i)
        r[i] = std::uint8_t(r[i] + r[i - s]);
}

#if BRENLOW_PNG_SSE2
// Sixteen bytes at a time; the last block may reach into the row padding.
void UnfilterUp(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    for (std::size_t i = 0; i < length; i += 16) {
        const __m128i sum = _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r + i)),
                                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r + i), sum);
    }
}
#else
void UnfilterUp(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        r[i] = std::uint8_t(r[i] + p[i]);
}
#endif

void UnfilterAverage(std::uint8_t* r, const std::uint8_t* p, std::size_t length, std::size_t s) {
    for (std::size_t i = 0; i < length && i < s; ++i)
        r[i] = std::uint8_t(r[i] + p[i] / 2);
    for (std::size_t i = s; i < length; ++i)
        r[i] = std::uint8_t(r[i] + (unsigned(r[i - s]) + p[i]) / 2);
}

inline std::uint8_t Paeth(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return std::uint8_t(a);
    return std::uint8_t(pb <= pc ? b : c);
}

void UnfilterPaeth(std::uint8_t* r, const std::uint8_t* p, std::size_t length, std::size_t s) {
    for (std::size_t i = 0; i < length && i < s; ++i)
        r[i] = std::uint8_t(r[i] + p[i]);
    for (std::size_t i = s; i < length; ++i)
        r[i] = std::uint8_t(r[i] + Paeth(r[i - s], p[i], p[i - s]));
}

#if BRENLOW_PNG_SSE2
// ---- Three and four bytes per pixel, SSE2 ---------------------------------------------------
// The loops above are their scalar twins.
// Each pixel depends on the one to its left, so the vectors hold one pixel at a time; the
// gain comes from doing its three or four bytes at once. The next pixel is loaded before
// the current one is stored, so no load waits on an overlapping store.

// Loads four bytes; for three-byte pixels the fourth belongs to the next pixel, which the
// row padding guarantees to exist. The lanes never mix, so it does not disturb the pixel.
inline __m128i LoadPixel(const std::uint8_t* p) {
    int value = 0;
    std::memcpy(&value, p, 4);
    return _mm_cvtsi32_si128(value);
}

// Stores a pixel; for three-byte pixels the fourth byte written is the one that was there
// (taken from raw, the pixel's unfiltered load), so the next pixel stays untouched.
template <std::size_t S>
void StorePixel(std::uint8_t* p, __m128i v, __m128i raw) {
    if constexpr (S == 3) {
        const __m128i low = _mm_cvtsi32_si128(0x00FFFFFF);
        v = _mm_or_si128(_mm_and_si128(low, v), _mm_andnot_si128(low, raw));
    }
    const int value = _mm_cvtsi128_si32(v);
    std::memcpy(p, &value, 4);
}

template <std::size_t S>
void UnfilterSubSse2(std::uint8_t* r, std::size_t length) {
    __m128i a = _mm_setzero_si128();
    __m128i raw = LoadPixel(r);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = LoadPixel(r + i + S);
        a = _mm_add_epi8(a, raw);
        StorePixel<S>(r + i, a, raw);
        raw = next;
    }
}

template <std::size_t S>
void UnfilterAverageSse2(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    const __m128i one = _mm_set1_epi8(1);
    __m128i a = _mm_setzero_si128();
    __m128i raw = LoadPixel(r);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = LoadPixel(r + i + S);
        const __m128i b = LoadPixel(p + i);
        // _mm_avg_epu8 rounds up; the format's average rounds down.
        const __m128i average =
            _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        a = _mm_add_epi8(average, raw);
        StorePixel<S>(r + i, a, raw);
        raw = next;
    }
}

inline __m128i Abs16(__m128i x) {
    return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x));
}

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

template <std::size_t S>
void UnfilterPaethSse2(std::uint8_t* r, const std::uint8_t* p, std::size_t length) {
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero;
    __m128i c = zero;
    __m128i raw = LoadPixel(r);
    for (std::size_t i = 0; i + S <= length; i += S) {
        const __m128i next = LoadPixel(r + i + S);
        const __m128i b = _mm_unpacklo_epi8(LoadPixel(p + i), zero);
        const __m128i pa = Abs16(_mm_sub_epi16(b, c));
        const __m128i pb = Abs16(_mm_sub_epi16(a, c));
        const __m128i pc = Abs16(_mm_sub_epi16(_mm_add_epi16(a, b), _mm_add_epi16(c, c)));
        const __m128i smallest = _mm_min_epi16(_mm_min_epi16(pa, pb), pc);
        __m128i predictor = Select(_mm_cmpeq_epi16(pb, smallest), b, c);
        predictor = Select(_mm_cmpeq_epi16(pa, smallest), a, predictor);
        const __m128i x = _mm_add_epi8(_mm_packus_epi16(predictor, predictor), raw);
        StorePixel<S>(r + i, x, raw);
        raw = next;
        a = _mm_unpacklo_epi8(x, zero);
        c = b;
    }
}

template <std::size_t S>
bool UnfilterVector(std::uint8_t filter, std::uint8_t* r, const std::uint8_t* p,
                    std::size_t length) {
    switch (filter) {
    case FILTER_SUB:
        UnfilterSubSse2<S>(r, length);
        return true;
    case FILTER_AVERAGE:
        UnfilterAverageSse2<S>(r, p, length);
        return true;
    case FILTER_PAETH:
        UnfilterPaethSse2<S>(r, p, length);
        return true;
    default:
        return false;
    }
}
#endif

} // namespace

void UnfilterRow(std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
                 std::size_t pixelStride) {
    std::uint8_t* r = row + 1;
    const std::uint8_t* p = previous + 1;
    const std::uint8_t filter = row[0];
#if BRENLOW_PNG_SSE2
    if (length % pixelStride == 0) {
        if (pixelStride == 3 && UnfilterVector<3>(filter, r, p, length))
            return;
        if (pixelStride == 4 && UnfilterVector<4>(filter, r, p, length))
            return;
    }
#endif
    switch (filter) {
    case FILTER_SUB:
        UnfilterSub(r, length, pixelStride);
        break;
    case FILTER_UP:
        UnfilterUp(r, p, length);
        break;
    case FILTER_AVERAGE:
        UnfilterAverage(r, p, length, pixelStride);
        break;
    case FILTER_PAETH:
        UnfilterPaeth(r, p, length, pixelStride);
        break;
    default:
        break;
    }
}

} // namespace png
