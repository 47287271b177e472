#include "png/unpack.h"

#include "png/format.h"

#include <cstring>

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
        std::uint32_t w0, w1, w2;
        std::memcpy(&w0, s, 4);
        std::memcpy(&w1, s + 4, 4);
        std::memcpy(&w2, s + 8, 4);
        const std::uint32_t out0 =
            (w0 >> 16 & 0xFF) | (w0 & 0xFF00) | (w0 & 0xFF) << 16 | (w1 >> 8 & 0xFF) << 24;
        const std::uint32_t out1 =
            (w1 & 0xFF) | (w0 >> 24) << 8 | (w2 & 0xFF) << 16 | (w1 & 0xFF000000);
        const std::uint32_t out2 =
            (w1 >> 16 & 0xFF) | (w2 >> 24) << 8 | (w2 & 0xFF0000) | (w2 >> 8 & 0xFF) << 24;
        std::memcpy(d, &out0, 4);
        std::memcpy(d + 4, &out1, 4);
        std::memcpy(d + 8, &out2, 4);
    }
    for (; k < count; ++k, s += 3, d += 3) {
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
    }
}

// Blue, green, red of one red-green-blue-alpha pixel in the low three bytes.
inline std::uint32_t Bgr(std::uint32_t rgba) {
    return __builtin_bswap32(rgba) >> 8;
}

// Four pixels at a time: 16 source bytes become 12 DIB bytes and 4 alpha bytes, each
// stored as a word of its own.
void SplitRgba8(const std::uint8_t* s, const TRowTarget& t) {
    std::uint8_t* d = t.Pixels;
    std::uint8_t* a = t.Alpha;
    const std::uint32_t count = t.Count;
    std::uint32_t k = 0;
    for (; k + 4 <= count; k += 4, s += 16, d += 12, a += 4) {
        std::uint32_t p0, p1, p2, p3;
        std::memcpy(&p0, s, 4);
        std::memcpy(&p1, s + 4, 4);
        std::memcpy(&p2, s + 8, 4);
        std::memcpy(&p3, s + 12, 4);
        const std::uint32_t b0 = Bgr(p0), b1 = Bgr(p1), b2 = Bgr(p2), b3 = Bgr(p3);
        const std::uint32_t out0 = b0 | b1 << 24, out1 = b1 >> 8 | b2 << 16,
                            out2 = b2 >> 16 | b3 << 8;
        const std::uint32_t alpha =
            p0 >> 24 | (p1 >> 24) << 8 | (p2 >> 24) << 16 | (p3 >> 24) << 24;
        std::memcpy(d, &out0, 4);
        std::memcpy(d + 4, &out1, 4);
        std::memcpy(d + 8, &out2, 4);
        std::memcpy(a, &alpha, 4);
    }
    for (; k < count; ++k, s += 4, d += 3, ++a) {
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
        *a = s[3];
    }
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

TRowUnpacker ChooseUnpacker(std::uint8_t colourType, std::uint8_t bitDepth, bool interlaced,
                            bool identityGamma) {
    const bool fast = !interlaced && identityGamma && bitDepth == 8;
    switch (colourType) {
    case COLOR_GRAYSCALE:
        return ChooseGrey(bitDepth, interlaced, false);
    case COLOR_PALETTE:
        return ChooseGrey(bitDepth, interlaced, true);
    case COLOR_RGB:
        return fast             ? SwapRgb8
               : bitDepth == 8  ? UnpackRgb<1>
               : bitDepth == 16 ? UnpackRgb<2>
                                : nullptr;
    case COLOR_GRAYSCALEALPHA:
        return bitDepth == 8 ? UnpackGreyAlpha<1> : bitDepth == 16 ? UnpackGreyAlpha<2> : nullptr;
    case COLOR_RGBALPHA:
        return fast             ? SplitRgba8
               : bitDepth == 8  ? UnpackRgba<1>
               : bitDepth == 16 ? UnpackRgba<2>
                                : nullptr;
    default:
        return nullptr;
    }
}

} // namespace png
