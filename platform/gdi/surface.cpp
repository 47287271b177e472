#include "platform/gdi/surface.h"

#include <cstring>
#include <limits>

namespace gdi::detail {

namespace {

// Sizes beyond these are refused outright: coordinates stay far from int overflow and the
// byte counts from size_t overflow.
constexpr long long kMaxDimension = 1 << 24;
constexpr std::size_t kMaxImageBytes = std::size_t(1) << 40;

int ChannelDistance(TPixel a, TPixel b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

// The nearer of black (0) and white (1): white is nearer exactly when the channels add up to
// more than half of 3 x 255, and the sum, a whole number, is never exactly half.
std::uint8_t NearerToWhite(TPixel p) {
    return ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) > 382 ? 1 : 0;
}

} // namespace

std::optional<std::size_t> RowBytes(long long width, int bitsPerPixel, int alignment) {
    if (width <= 0 || width > kMaxDimension || bitsPerPixel <= 0 || alignment <= 0)
        return std::nullopt;
    const std::size_t bits = std::size_t(width) * std::size_t(bitsPerPixel);
    const std::size_t unit = std::size_t(alignment) * 8;
    return (bits + unit - 1) / unit * std::size_t(alignment);
}

std::optional<std::size_t> ImageBytes(std::size_t rowBytes, long long height) {
    if (height <= 0 || height > kMaxDimension || rowBytes == 0)
        return std::nullopt;
    if (rowBytes > kMaxImageBytes / std::size_t(height))
        return std::nullopt;
    return rowBytes * std::size_t(height);
}

bool IsSupportedDepth(int bitsPerPixel) {
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 ||
           bitsPerPixel == 32;
}

void TSurface::ReadIndices(const std::uint8_t* row, int x, int count, std::uint8_t* out) const {
    switch (BitsPerPixel) {
    case 1:
        for (int i = 0; i < count; ++i) {
            const int px = x + i;
            out[i] = (row[px >> 3] >> (7 - (px & 7))) & 1;
        }
        break;
    case 4:
        for (int i = 0; i < count; ++i) {
            const int px = x + i;
            out[i] = (px & 1) ? (row[px >> 1] & 0x0F) : (row[px >> 1] >> 4);
        }
        break;
    default:
        std::memcpy(out, row + x, std::size_t(count));
        break;
    }
}

void TSurface::WriteIndices(std::uint8_t* row, int x, int count, const std::uint8_t* in) const {
    switch (BitsPerPixel) {
    case 1:
        for (int i = 0; i < count; ++i) {
            const int px = x + i;
            const std::uint8_t bit = std::uint8_t(0x80 >> (px & 7));
            row[px >> 3] = (in[i] & 1) ? (row[px >> 3] | bit) : (row[px >> 3] & ~bit);
        }
        break;
    case 4:
        for (int i = 0; i < count; ++i) {
            const int px = x + i;
            std::uint8_t& b = row[px >> 1];
            b = (px & 1) ? std::uint8_t((b & 0xF0) | (in[i] & 0x0F))
                         : std::uint8_t((b & 0x0F) | (in[i] << 4));
        }
        break;
    default:
        std::memcpy(row + x, in, std::size_t(count));
        break;
    }
}

void TSurface::Read(const std::uint8_t* row, int x, int count, TPixel* out) const {
    if (BitsPerPixel == 32) {
        std::memcpy(out, row + std::size_t(x) * 4, std::size_t(count) * 4);
    } else if (BitsPerPixel == 24) {
        const std::uint8_t* p = row + std::size_t(x) * 3;
        for (int i = 0; i < count; ++i, p += 3)
            out[i] = TPixel(p[0]) | (TPixel(p[1]) << 8) | (TPixel(p[2]) << 16);
    } else {
        std::uint8_t indices[256];
        for (int done = 0; done < count;) {
            const int n = std::min(count - done, 256);
            ReadIndices(row, x + done, n, indices);
            for (int i = 0; i < n; ++i)
                out[done + i] = indices[i] < Colours.size() ? Colours[indices[i]] : kBlackPixel;
            done += n;
        }
    }
}

void TSurface::Write(std::uint8_t* row, int x, int count, const TPixel* in) const {
    if (BitsPerPixel == 32) {
        std::memcpy(row + std::size_t(x) * 4, in, std::size_t(count) * 4);
    } else if (BitsPerPixel == 24) {
        std::uint8_t* p = row + std::size_t(x) * 3;
        for (int i = 0; i < count; ++i, p += 3) {
            p[0] = std::uint8_t(in[i]);
            p[1] = std::uint8_t(in[i] >> 8);
            p[2] = std::uint8_t(in[i] >> 16);
        }
    } else {
        std::uint8_t indices[256];
        for (int done = 0; done < count;) {
            const int n = std::min(count - done, 256);
            for (int i = 0; i < n; ++i)
                indices[i] = Monochrome ? NearerToWhite(in[done + i]) : Nearest(in[done + i]);
            WriteIndices(row, x + done, n, indices);
            done += n;
        }
    }
}

std::uint8_t TSurface::Nearest(TPixel p) const {
    p &= kColourBits;
    constexpr std::size_t kCacheSize = 4096;
    constexpr std::uint64_t kValid = std::uint64_t(1) << 63;
    if (FNearestCache.empty())
        FNearestCache.assign(kCacheSize, 0);
    std::uint64_t& slot = FNearestCache[(p * 2654435761u) >> 20 & (kCacheSize - 1)];
    if ((slot & kValid) && ((slot >> 8) & kColourBits) == p)
        return std::uint8_t(slot & 0xFF);

    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < Colours.size(); ++i) {
        const int d = ChannelDistance(Colours[i], p);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    slot = kValid | (std::uint64_t(p) << 8) | best;
    return std::uint8_t(best);
}

TPixel TSurface::Resolve(TPixel p) const {
    if (!Indexed())
        return p & kColourBits;
    const std::uint8_t index = Nearest(p);
    return index < Colours.size() ? Colours[index] : kBlackPixel;
}

bool TSurface::SameFormat(const TSurface& other) const {
    return BitsPerPixel == other.BitsPerPixel && Monochrome == other.Monochrome &&
           (!Indexed() || Colours == other.Colours);
}

} // namespace gdi::detail
