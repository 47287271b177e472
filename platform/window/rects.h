#pragma once
// Small rectangle helpers.

#include "platform/window/types.h"

#include <algorithm>

namespace win::detail {

inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline RECT Offset(RECT r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline RECT Intersection(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? RECT{} : r;
}

inline RECT Inflate(RECT r, const RECT& by) {
    return {r.left - by.left, r.top - by.top, r.right + by.right, r.bottom + by.bottom};
}

inline RECT Deflate(RECT r, const RECT& by) {
    return {r.left + by.left, r.top + by.top, r.right - by.right, r.bottom - by.bottom};
}

} // namespace win::detail
