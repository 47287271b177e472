#pragma once
// The block transfer engine behind every transfer, fill and pen: a destination rectangle of
// a context, an optional (stretched) source surface, an optional monochrome mask, the
// context's brush as the pattern, and a raster operation, applied inside the context's clip.

#include "platform/gdi/dc.h"
#include "platform/gdi/pixel.h"

#include <array>
#include <optional>

namespace gdi::detail {

// An 8 x 8 pattern resolved for one destination: colours ready to combine, each entry
// covering Scale x Scale device pixels, aligned so that device pixel (x, y) takes entry
// (floor((y - Origin.y) / Scale) mod 8, floor((x - Origin.x) / Scale) mod 8).
struct TPattern {
    std::array<TPixel, 64> Pixels{};
    POINT Origin;
    int Scale = 1;
};

TPattern SolidPattern(TPixel colour);
// The context's brush as it draws on the context's surface; nothing for the null brush.
std::optional<TPattern> BrushPattern(DeviceContext& dc, const TBrush* brush);
// A colour as the context's surface draws it: monochrome surfaces take the nearer of black
// and white, palette surfaces their nearest entry.
TPixel SurfaceColour(DeviceContext& dc, COLORREF colour);

// One side of a transfer in device pixels. A negative extent covers the origin pixel and the
// |extent| - 1 pixels before it, mirroring the picture along that axis.
struct TArea {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

struct TSource {
    const TSurface* Surface = nullptr;
    TArea Area;
    // The source context's background colour: colour pixels equal to it become white when
    // the destination is monochrome.
    COLORREF BkColour = RGB(255, 255, 255);
};

// A monochrome mask laid over the destination from (X, Y): 1 keeps the destination, 0 lets
// the operation through. A colour mask is read as the colour-to-monochrome conversion reads
// it. Each mask pixel covers TargetScale / Scale destination pixels along each axis, one when
// mask and destination have the same scale.
struct TMask {
    const TSurface* Surface = nullptr;
    int X = 0;
    int Y = 0;
    COLORREF BkColour = RGB(255, 255, 255);
    int Scale = 1;
    int TargetScale = 1;
};

struct TTransfer {
    TArea Target;
    const TSource* Source = nullptr;
    const TPattern* Pattern = nullptr;
    const TMask* Mask = nullptr;
    // Source pixels of this colour keep the destination, as mask bits of 1 do.
    std::optional<COLORREF> SourceKey;
    std::uint8_t Code = 0xCC;
    // Limits the transfer further, in device pixels (text clipped to its rectangle).
    std::optional<RECT> Limit;
};

// Runs a transfer onto dc's surface. False when the context cannot draw or an operand the
// operation needs is missing.
bool Transfer(DeviceContext& dc, const TTransfer& transfer);

// Applies a pattern operation to a device rectangle, as fills and pens do.
void PaintRect(DeviceContext& dc, const RECT& rect, std::uint8_t code, const TPattern& pattern,
               const std::optional<RECT>& limit = std::nullopt);

} // namespace gdi::detail
