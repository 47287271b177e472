#include "platform/gdi/region.h"

#include <algorithm>
#include <limits>

namespace gdi {

namespace {

RECT Intersection(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

struct TSpan {
    int left;
    int right;
    friend bool operator==(const TSpan&, const TSpan&) = default;
};

// The merged horizontal spans that the rectangles cover over the band [top, bottom).
std::vector<TSpan> SpansOfBand(const std::vector<RECT>& rects, int top, int bottom) {
    std::vector<TSpan> spans;
    for (const RECT& r : rects)
        if (r.top <= top && r.bottom >= bottom)
            spans.push_back({r.left, r.right});
    std::sort(spans.begin(), spans.end(),
              [](const TSpan& a, const TSpan& b) { return a.left < b.left; });
    std::vector<TSpan> merged;
    for (const TSpan& s : spans) {
        if (!merged.empty() && s.left <= merged.back().right)
            merged.back().right = std::max(merged.back().right, s.right);
        else
            merged.push_back(s);
    }
    return merged;
}

// Rebuilds a set of possibly overlapping rectangles as disjoint bands, top to bottom and left
// to right, merging vertically adjacent bands with the same spans. Equal pixel sets therefore
// always have the same rectangles.
std::vector<RECT> Canonical(const std::vector<RECT>& rects) {
    std::vector<int> edges;
    for (const RECT& r : rects) {
        if (r.IsEmpty())
            continue;
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<RECT> out;
    std::vector<TSpan> previous;
    std::size_t previousStart = 0;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int bottom = edges[i + 1];
        std::vector<TSpan> spans = SpansOfBand(rects, top, bottom);
        const bool continues = !out.empty() && out.back().bottom == top && spans == previous;
        if (continues) {
            for (std::size_t k = previousStart; k < out.size(); ++k)
                out[k].bottom = bottom;
            continue;
        }
        previousStart = out.size();
        for (const TSpan& s : spans)
            out.push_back({s.left, top, s.right, bottom});
        previous = std::move(spans);
    }
    return out;
}

// Appends the parts of r that lie outside cut.
void AppendDifference(const RECT& r, const RECT& cut, std::vector<RECT>& out) {
    const RECT overlap = Intersection(r, cut);
    if (overlap.IsEmpty()) {
        out.push_back(r);
        return;
    }
    const RECT pieces[] = {
        {r.left, r.top, r.right, overlap.top},
        {r.left, overlap.bottom, r.right, r.bottom},
        {r.left, overlap.top, overlap.left, overlap.bottom},
        {overlap.right, overlap.top, r.right, overlap.bottom},
    };
    for (const RECT& piece : pieces)
        if (!piece.IsEmpty())
            out.push_back(piece);
}

} // namespace

TRegion::TRegion(const RECT& r) {
    if (!r.IsEmpty())
        FRects.push_back(r);
}

RECT TRegion::BoundingBox() const {
    if (FRects.empty())
        return {};
    RECT box = FRects.front();
    for (const RECT& r : FRects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

bool TRegion::Contains(int x, int y) const {
    return std::any_of(FRects.begin(), FRects.end(), [x, y](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

void TRegion::Union(const RECT& r) {
    if (r.IsEmpty())
        return;
    FRects.push_back(r);
    FRects = Canonical(FRects);
}

void TRegion::Union(const TRegion& other) {
    FRects.insert(FRects.end(), other.FRects.begin(), other.FRects.end());
    FRects = Canonical(FRects);
}

void TRegion::Intersect(const RECT& r) {
    std::vector<RECT> out;
    for (const RECT& mine : FRects) {
        const RECT overlap = Intersection(mine, r);
        if (!overlap.IsEmpty())
            out.push_back(overlap);
    }
    FRects = Canonical(out);
}

void TRegion::Intersect(const TRegion& other) {
    std::vector<RECT> out;
    for (const RECT& mine : FRects)
        for (const RECT& theirs : other.FRects) {
            const RECT overlap = Intersection(mine, theirs);
            if (!overlap.IsEmpty())
                out.push_back(overlap);
        }
    FRects = Canonical(out);
}

void TRegion::Subtract(const RECT& r) {
    if (r.IsEmpty())
        return;
    std::vector<RECT> out;
    for (const RECT& mine : FRects)
        AppendDifference(mine, r, out);
    FRects = Canonical(out);
}

void TRegion::Subtract(const TRegion& other) {
    for (const RECT& r : other.FRects)
        Subtract(r);
}

void TRegion::Offset(int dx, int dy) {
    for (RECT& r : FRects)
        r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void TRegion::Scale(int factor) {
    const auto scaled = [factor](int v) {
        return int(std::clamp<long long>((long long)v * factor, std::numeric_limits<int>::min(),
                                         std::numeric_limits<int>::max()));
    };
    for (RECT& r : FRects)
        r = {scaled(r.left), scaled(r.top), scaled(r.right), scaled(r.bottom)};
}

bool operator==(const TRegion& a, const TRegion& b) {
    return a.FRects == b.FRects;
}

} // namespace gdi
