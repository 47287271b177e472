#include "platform/gdi/coverage_blend.h"

#include "platform/system/simd.h"

#if BRENLOW_SSE2
#include <cstring>
#include <emmintrin.h>
#endif

namespace gdi::detail {

namespace {

// (v + 127) / 255 for v up to 255 * 255, without a division: with t = v + 128 it is
// (t + t / 256) / 256, exact over that whole range.
constexpr unsigned DivideBy255(unsigned v) {
    const unsigned t = v + 128;
    return (t + (t >> 8)) >> 8;
}

TPixel BlendPixel(TPixel pixel, TPixel ink, unsigned c) {
    TPixel out = pixel & 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned p = (pixel >> shift) & 0xFF;
        const unsigned i = (ink >> shift) & 0xFF;
        out |= TPixel(DivideBy255(i * c + p * (255 - c))) << shift;
    }
    return out;
}

void BlendScalar(TPixel* row, const std::uint8_t* coverage, int n, TPixel ink) {
    for (int i = 0; i < n; ++i)
        if (coverage[i])
            row[i] = BlendPixel(row[i], ink, coverage[i]);
}

#if BRENLOW_SSE2
// Two pixels' channels as 16-bit lanes times their coverages, blended with the same
// rounding as the scalar twin; no lane leaves 16 bits (at most 255 * 255 + 128 + 254).
__m128i BlendHalf(__m128i pixels, __m128i ink, __m128i cover) {
    const __m128i full = _mm_set1_epi16(255);
    __m128i t = _mm_add_epi16(_mm_mullo_epi16(ink, cover),
                              _mm_mullo_epi16(pixels, _mm_sub_epi16(full, cover)));
    t = _mm_add_epi16(t, _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// Four pixels at a time; what is left (all of it in the scalar twin) one by one.
int BlendVector(TPixel* row, const std::uint8_t* coverage, int n, TPixel ink) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i inks = _mm_unpacklo_epi8(_mm_set1_epi32(int(ink)), zero);
    const __m128i fourth = _mm_set1_epi32(int(0xFF000000));
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint32_t four;
        std::memcpy(&four, coverage + i, 4);
        if (!four)
            continue;
        // Each coverage byte spread over its pixel's four channels.
        __m128i cover = _mm_cvtsi32_si128(int(four));
        cover = _mm_unpacklo_epi8(cover, cover);
        cover = _mm_unpacklo_epi16(cover, cover);
        auto* at = reinterpret_cast<__m128i*>(row + i);
        const __m128i pixels = _mm_loadu_si128(at);
        const __m128i low =
            BlendHalf(_mm_unpacklo_epi8(pixels, zero), inks, _mm_unpacklo_epi8(cover, zero));
        const __m128i high =
            BlendHalf(_mm_unpackhi_epi8(pixels, zero), inks, _mm_unpackhi_epi8(cover, zero));
        const __m128i blended = _mm_packus_epi16(low, high);
        _mm_storeu_si128(
            at, _mm_or_si128(_mm_andnot_si128(fourth, blended), _mm_and_si128(fourth, pixels)));
    }
    return i;
}
#endif

} // namespace

void BlendCoverage(TPixel* row, const std::uint8_t* coverage, int n, TPixel ink) {
    int done = 0;
#if BRENLOW_SSE2
    done = BlendVector(row, coverage, n, ink);
#endif
    BlendScalar(row + done, coverage + done, n - done, ink);
}

} // namespace gdi::detail
