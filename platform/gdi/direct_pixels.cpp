#include "platform/gdi/direct_pixels.h"

#include "platform/gdi/dc.h"

namespace gdi {

std::optional<TDirectPixels> DirectPixels(HDC dc) {
    DeviceContext* context = detail::FindContext(dc);
    const detail::TSurface* surface = context ? context->Surface() : nullptr;
    if (!surface || surface->BitsPerPixel != 32 || surface->Monochrome || context->Scale() != 1)
        return std::nullopt;
    return TDirectPixels(surface->Bits, surface->Stride, surface->Height, surface->TopDown,
                         context->State.ViewportOrigin, context->ClipRects());
}

} // namespace gdi
