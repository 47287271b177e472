// The offscreen bitmap that a top-level window lends to double-buffered paints.

#include "platform/window/internals.h"

#include <algorithm>

namespace win {

using namespace detail;

namespace {

// A device bitmap of width x height logical pixels at a scale.
std::shared_ptr<const gdi::TOwnedBitmap> MakeBackBuffer(int width, int height, int scale) {
    gdi::TOwnedBitmap bitmap(gdi::CreateBitmap(width * scale, height * scale, 1, 32, nullptr));
    if (!bitmap || !gdi::SetBitmapScale(bitmap.Get(), scale))
        return nullptr;
    return std::make_shared<const gdi::TOwnedBitmap>(std::move(bitmap));
}

} // namespace

std::shared_ptr<const gdi::TOwnedBitmap> BorrowBackBuffer(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    TWindow& topLevel = TopLevelOf(*window);
    if (!topLevel.Surface)
        return nullptr;
    const TSurface& surface = *topLevel.Surface;
    const SIZE client = ClientSize(*window);
    const int width = std::max({1, client.cx, surface.Width / surface.Scale});
    const int height = std::max({1, client.cy, surface.Height / surface.Scale});
    auto& kept = topLevel.BackBuffer;
    if (kept && kept.use_count() > 1)
        return MakeBackBuffer(width, height, surface.Scale);
    // A new surface, of another size or scale, drops the kept bitmap.
    gdi::BITMAP shape{};
    if (kept && gdi::GetObject(kept->Get(), shape) && shape.bmWidth >= width * surface.Scale &&
        shape.bmHeight >= height * surface.Scale)
        return kept;
    kept = MakeBackBuffer(width, height, surface.Scale);
    return kept;
}

} // namespace win
