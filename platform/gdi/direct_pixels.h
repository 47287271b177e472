#pragma once
// The pixels of a context's surface for code that blends into them in place instead of
// copying them out to a scratch section and back. Only a 32-bit colour surface drawn at
// scale 1 is handed out: there, writing a pixel is exactly what copying it back would do.

#include "platform/gdi/handles.h"
#include "platform/gdi/pixel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace gdi {

// Valid while the context keeps its surface, origin and clip; coordinates are logical.
class TDirectPixels {
public:
    TDirectPixels(std::uint8_t* bits, std::size_t stride, int height, bool topDown, POINT origin,
                  const std::vector<RECT>& clip)
        : FBits(bits), FStride(stride), FHeight(height), FTopDown(topDown), FOrigin(origin),
          FClip(clip) {}

    // Calls visit(part) for each piece of r that drawing may reach; the pieces do not overlap.
    // The cut is made in 64 bits, as a far origin would overflow an int; a piece that is not
    // empty lies within r.
    template <class Visit>
    void ForEachVisiblePart(const RECT& r, Visit visit) const {
        using TWide = long long;
        for (const RECT& clip : FClip) {
            const TWide left = std::max<TWide>(r.left, TWide(clip.left) - FOrigin.x);
            const TWide top = std::max<TWide>(r.top, TWide(clip.top) - FOrigin.y);
            const TWide right = std::min<TWide>(r.right, TWide(clip.right) - FOrigin.x);
            const TWide bottom = std::min<TWide>(r.bottom, TWide(clip.bottom) - FOrigin.y);
            if (left < right && top < bottom)
                visit(RECT{int(left), int(top), int(right), int(bottom)});
        }
    }

    // The pixel at (x, y), which must lie in a visible part.
    TPixel* At(int x, int y) const {
        const int row = y + FOrigin.y;
        return reinterpret_cast<TPixel*>(FBits + std::size_t(FTopDown ? row : FHeight - 1 - row) *
                                                     FStride) +
               (x + FOrigin.x);
    }

private:
    std::uint8_t* FBits;
    std::size_t FStride;
    int FHeight;
    bool FTopDown;
    POINT FOrigin;
    const std::vector<RECT>& FClip;
};

// Nothing for an invalid context, one without a surface, a surface of another depth, a
// monochrome one, or a scaled context.
std::optional<TDirectPixels> DirectPixels(HDC dc);

} // namespace gdi
