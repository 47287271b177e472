#include "png/unpack.h"

#include "png/format.h"
#include "png/simd.h"
#include "png/words.h"

#include <cstring>
#if BRENLOW_SSE2
#include <immintrin.h>
#endif

namespace png {

namespace {

inline std::uint32_t Column(const TRowTarget& t, std::uint32_t k) {
    return t.FirstColumn + k * t.ColumnStep;
}

// ---- Grey levels and palette indices --------------------------------------------------------

// Depths 1, 4 and 8 keep their layout, so a whole row is a copy.
void CopyPacked1(const std::uint8_t* s, const TRowTarget& t) {
    std::memcpy(t.Pixels, s, (t.Count + 7) / 8);
}
void CopyPacked4(const std::uint8_t* s, const TRowTarget& t) {
    std::memcpy(t.Pixels, s, (t.Count + 1) / 2);
}
void CopyPacked8(const std::uint8_t* s, const TRowTarget& t) {
    std::memcpy(t.Pixels, s, t.Count);
}

// Spreads pixels of SourceBits into fields of TargetBits, each value times Scale: the same
// depth for 1, 4 and 8 bits; 2-bit values into 4-bit fields (grey levels times 5, so the
// 4-bit grey table shows 0, 85, 170, 255).
template <unsigned SourceBits, unsigned TargetBits, unsigned Scale>
void SpreadPacked(const std::uint8_t* s, const TRowTarget& t) {
    constexpr unsigned mask = (1u << SourceBits) - 1;
    for (std::uint32_t k = 0; k < t.Count; ++k) {
        const unsigned sourceBit = k * SourceBits;
        const unsigned value = (s[sourceBit / 8] >> (8 - SourceBits - sourceBit % 8)) & mask;
        const std::uint32_t targetBit = Column(t, k) * TargetBits;
        t.Pixels[targetBit / 8] |= std::uint8_t(value * Scale << (8 - TargetBits - targetBit % 8));
    }
}

template <int SampleBytes>
void UnpackGreyHighByte(const std::uint8_t* s, const TRowTarget& t) {
    for (std::uint32_t k = 0; k < t.Count; ++k)
        t.Pixels[Column(t, k)] = s[k * SampleBytes];
}

template <int SampleBytes>
void UnpackGreyAlpha(const std::uint8_t* s, const TRowTarget& t) {
    for (std::uint32_t k = 0; k < t.Count; ++k) {
        const std::uint32_t x = Column(t, k);
        t.Pixels[x] = s[2 * k * SampleBytes];
        t.Alpha[x] = s[(2 * k + 1) * SampleBytes];
    }
}

// ---- Colour ---------------------------------------------------------------------------------

template <int SampleBytes>
void UnpackRgb(const std::uint8_t* s, const TRowTarget& t) {
    const std::uint8_t* g = t.Gamma;
    for (std::uint32_t k = 0; k < t.Count; ++k) {
        std::uint8_t* d = t.Pixels + 3 * Column(t, k);
        const std::uint8_t* p = s + 3 * k * SampleBytes;
        d[0] = g[p[2 * SampleBytes]];
        d[1] = g[p[SampleBytes]];
        d[2] = g[p[0]];
    }
}

template <int SampleBytes>
void UnpackRgba(const std::uint8_t* s, const TRowTarget& t) {
    const std::uint8_t* g = t.Gamma;
    for (std::uint32_t k = 0; k < t.Count; ++k) {
        const std::uint32_t x = Column(t, k);
        std::uint8_t* d = t.Pixels + 3 * x;
        const std::uint8_t* p = s + 4 * k * SampleBytes;
        d[0] = g[p[2 * SampleBytes]];
        d[1] = g[p[SampleBytes]];
        d[2] = g[p[0]];
        t.Alpha[x] = p[3 * SampleBytes];
    }
}

// Four pixels at a time: 12 source bytes (three words) become 12 DIB bytes. Each word is
// stored on its own, so no store is read back through memory.
void SwapRgb8(const std::uint8_t* s, const TRowTarget& t) {
    std::uint8_t* d = t.Pixels;
    const std::uint32_t count = t.Count;
    std::uint32_t k = 0;
    for (; k + 4 <= count; k += 4, s += 12, d += 12) {
        const std::uint32_t w0 = LoadWord(s), w1 = LoadWord(s + 4), w2 = LoadWord(s + 8);
        StoreWord(d,
                  (w0 >> 16 & 0xFF) | (w0 & 0xFF00) | (w0 & 0xFF) << 16 | (w1 >> 8 & 0xFF) << 24);
        StoreWord(d + 4, (w1 & 0xFF) | (w0 >> 24) << 8 | (w2 & 0xFF) << 16 | (w1 & 0xFF000000));
        StoreWord(d + 8,
                  (w1 >> 16 & 0xFF) | (w2 >> 24) << 8 | (w2 & 0xFF0000) | (w2 >> 8 & 0xFF) << 24);
    }
    for (; k < count; ++k, s += 3, d += 3) {
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
    }
}

// Four pixels at a time: 16 source bytes become 12 DIB bytes and 4 alpha bytes, each
// stored as a word of its own.
void SplitRgba8(const std::uint8_t* s, const TRowTarget& t) {
    std::uint8_t* d = t.Pixels;
    std::uint8_t* a = t.Alpha;
    const std::uint32_t count = t.Count;
    std::uint32_t k = 0;
    for (; k + 4 <= count; k += 4, s += 16, d += 12, a += 4) {
        const std::uint32_t p0 = LoadWord(s), p1 = LoadWord(s + 4), p2 = LoadWord(s + 8),
                            p3 = LoadWord(s + 12);
        const std::uint32_t b0 = ReversedLowBytes(p0), b1 = ReversedLowBytes(p1),
                            b2 = ReversedLowBytes(p2), b3 = ReversedLowBytes(p3);
        StoreWord(d, b0 | b1 << 24);
        StoreWord(d + 4, b1 >> 8 | b2 << 16);
        StoreWord(d + 8, b2 >> 16 | b3 << 8);
        StoreWord(a, p0 >> 24 | (p1 >> 24) << 8 | (p2 >> 24) << 16 | (p3 >> 24) << 24);
    }
    for (; k < count; ++k, s += 4, d += 3, ++a) {
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
        *a = s[3];
    }
}

#if BRENLOW_SSE2
// ---- The same with SSSE3 byte shuffles, where the processor has them ------------------------
// The word-wise versions above are their scalar twins and finish their rows.

// The rest of a row after the first k pixels, for the word-wise versions to finish.
TRowTarget Rest(const TRowTarget& t, std::uint32_t k) {
    return {t.Pixels + 3 * k, t.Alpha ? t.Alpha + k : nullptr, t.Count - k, 0, 1, t.Gamma};
}

// Five pixels per shuffle. Each store writes 16 bytes, one beyond the five pixels, which the
// next store overwrites; the loop stops while a whole store still fits in the row.
__attribute__((target("ssse3"))) void SwapRgb8Ssse3(const std::uint8_t* s, const TRowTarget& t) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    std::uint32_t k = 0;
    for (; k + 6 <= t.Count; k += 5) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * k));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t.Pixels + 3 * k), _mm_shuffle_epi8(in, order));
    }
    SwapRgb8(s + 3 * k, Rest(t, k));
}

// Four pixels per shuffle: twelve colour bytes and four alpha bytes.
__attribute__((target("ssse3"))) void SplitRgba8Ssse3(const std::uint8_t* s, const TRowTarget& t) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, 3, 7, 11, 15);
    std::uint32_t k = 0;
    for (; k + 6 <= t.Count; k += 4) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 4 * k));
        const __m128i out = _mm_shuffle_epi8(in, order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t.Pixels + 3 * k), out);
        const int alpha = _mm_cvtsi128_si32(_mm_srli_si128(out, 12));
        std::memcpy(t.Alpha + k, &alpha, 4);
    }
    SplitRgba8(s + 4 * k, Rest(t, k));
}
#endif

// The fastest whole-row versions the processor has.
TRowUnpacker FastestSwapRgb8() {
#if BRENLOW_SSE2
    if (HasSsse3())
        return SwapRgb8Ssse3;
#endif
    return SwapRgb8;
}

TRowUnpacker FastestSplitRgba8() {
#if BRENLOW_SSE2
    if (HasSsse3())
        return SplitRgba8Ssse3;
#endif
    return SplitRgba8;
}

TRowUnpacker ChooseGrey(std::uint8_t bitDepth, bool interlaced, bool palette) {
    switch (bitDepth) {
    case 1:
        return interlaced ? SpreadPacked<1, 1, 1> : CopyPacked1;
    case 2:
        return palette ? SpreadPacked<2, 4, 1> : SpreadPacked<2, 4, 5>;
    case 4:
        return interlaced ? SpreadPacked<4, 4, 1> : CopyPacked4;
    case 8:
        return interlaced ? UnpackGreyHighByte<1> : CopyPacked8;
    case 16:
        return palette ? nullptr : UnpackGreyHighByte<2>;
    default:
        return nullptr;
    }
}

} // namespace

void SwapRedBlue(const std::uint8_t* source, std::uint8_t* target, std::uint32_t pixels) {
    FastestSwapRgb8()(source, {target, nullptr, pixels, 0, 1, nullptr});
}

TRowUnpacker ChooseUnpacker(std::uint8_t colourType, std::uint8_t bitDepth, bool interlaced,
                            bool identityGamma) {
    const bool fast = !interlaced && identityGamma && bitDepth == 8;
    switch (colourType) {
    case COLOR_GRAYSCALE:
        return ChooseGrey(bitDepth, interlaced, false);
    case COLOR_PALETTE:
        return ChooseGrey(bitDepth, interlaced, true);
    case COLOR_RGB:
        return fast             ? FastestSwapRgb8()
               : bitDepth == 8  ? UnpackRgb<1>
               : bitDepth == 16 ? UnpackRgb<2>
                                : nullptr;
    case COLOR_GRAYSCALEALPHA:
        return bitDepth == 8 ? UnpackGreyAlpha<1> : bitDepth == 16 ? UnpackGreyAlpha<2> : nullptr;
    case COLOR_RGBALPHA:
        return fast             ? FastestSplitRgba8()
               : bitDepth == 8  ? UnpackRgba<1>
               : bitDepth == 16 ? UnpackRgba<2>
                                : nullptr;
    default:
        return nullptr;
    }
}

} // namespace png
