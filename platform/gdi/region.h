#pragma once
// A set of pixels held as disjoint rectangles: clip regions of device contexts and the
// window system's invalid and visible areas.

#include "platform/gdi/types.h"

#include <vector>

namespace gdi {

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const RECT& r);

    bool IsEmpty() const { return FRects.empty(); }
    // The disjoint rectangles that make up the region, none empty.
    const std::vector<RECT>& Rects() const { return FRects; }
    RECT BoundingBox() const;
    bool Contains(int x, int y) const;

    void Clear() { FRects.clear(); }
    void Union(const RECT& r);
    void Union(const TRegion& other);
    void Intersect(const RECT& r);
    void Intersect(const TRegion& other);
    void Subtract(const RECT& r);
    void Subtract(const TRegion& other);
    void Offset(int dx, int dy);
    // Multiplies every coordinate by factor (at least 1), saturating at the ends of int.
    void Scale(int factor);

    friend bool operator==(const TRegion& a, const TRegion& b);

private:
    std::vector<RECT> FRects;
};

} // namespace gdi
