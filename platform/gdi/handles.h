#pragma once
// Handles of the raster drawing interface. A handle points at an object of the engine; the
// engine keeps a table of live objects, so a stale or foreign handle is recognised and the
// call that received it does nothing.

namespace gdi {

enum class TObjectKind { okBitmap, okBrush, okPen, okFont, okPalette };

struct GdiObject {
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;
    virtual TObjectKind Kind() const = 0;

protected:
    GdiObject() = default;
};

struct BitmapObject : GdiObject {};
struct BrushObject : GdiObject {};
struct PenObject : GdiObject {};
struct FontObject : GdiObject {};
struct PaletteObject : GdiObject {};
struct DeviceContext;

using HGDIOBJ = GdiObject*;
using HBITMAP = BitmapObject*;
using HBRUSH = BrushObject*;
using HPEN = PenObject*;
using HFONT = FontObject*;
using HPALETTE = PaletteObject*;
using HDC = DeviceContext*;

} // namespace gdi
