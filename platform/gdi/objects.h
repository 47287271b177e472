#pragma once
// The engine's objects behind the handles, and the table of live handles. A handle that the
// table does not hold (never made, or deleted) is found as null, so calls given a stale
// handle do nothing.

#include "platform/gdi/handles.h"
#include "platform/gdi/pixel.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/types.h"
#include "platform/system/zeroed_memory.h"

#include <array>
#include <memory>
#include <vector>

namespace gdi::detail {

struct TBitmap final : BitmapObject {
    static constexpr TObjectKind kKind = TObjectKind::okBitmap;
    TObjectKind Kind() const override { return kKind; }
    TSurface Surface;
    platform::TZeroedMemory Memory;
    bool Section = false;
    // Device pixels per logical pixel along each axis for the contexts that draw on it: the
    // surface holds Scale x Scale pixels for every pixel they address.
    int Scale = 1;
    // The memory context the bitmap is selected into; a bitmap serves one at a time.
    DeviceContext* Owner = nullptr;
};

enum class TBrushStyle { bsSolid, bsPattern, bsNull };

struct TBrush final : BrushObject {
    static constexpr TObjectKind kKind = TObjectKind::okBrush;
    TObjectKind Kind() const override { return kKind; }
    TBrushStyle Style = TBrushStyle::bsSolid;
    COLORREF Colour = 0;
    // An 8 x 8 pattern, row by row. A monochrome pattern holds 0 or 1 per pixel, taking the
    // text and background colours of the context it is used on.
    std::array<TPixel, 64> Pattern{};
    bool MonochromePattern = false;
};

struct TPen final : PenObject {
    static constexpr TObjectKind kKind = TObjectKind::okPen;
    TObjectKind Kind() const override { return kKind; }
    int Style = PS_SOLID;
    int Width = 1;
    COLORREF Colour = 0;
};

class TFontInstance;

struct TFont final : FontObject {
    static constexpr TObjectKind kKind = TObjectKind::okFont;
    TObjectKind Kind() const override { return kKind; }
    LOGFONT Log;
    // The realised face and size, found on first use and shared by equal fonts; and the
    // face realised for the last device scale above 1 that drew it.
    std::shared_ptr<TFontInstance> Instance;
    std::shared_ptr<TFontInstance> ScaledInstance;
    int InstanceScale = 0;
};

struct TPalette final : PaletteObject {
    static constexpr TObjectKind kKind = TObjectKind::okPalette;
    TObjectKind Kind() const override { return kKind; }
    std::vector<PALETTEENTRY> Entries;
};

// Takes ownership of a new object and returns its handle.
HGDIOBJ Register(std::unique_ptr<GdiObject> object);
template <class T>
T* Register(std::unique_ptr<T> object) {
    return static_cast<T*>(Register(std::unique_ptr<GdiObject>(std::move(object))));
}

GdiObject* FindObject(HGDIOBJ handle);
// Each kind has one object type, so the kind identifies the type without a run-time cast.
template <class T>
T* As(GdiObject* object) {
    return object && object->Kind() == T::kKind ? static_cast<T*>(object) : nullptr;
}
template <class T>
T* Find(HGDIOBJ handle) {
    return As<T>(FindObject(handle));
}

bool IsStock(HGDIOBJ handle);
// Counts the contexts that hold an object selected; a selected object cannot be deleted.
void AddSelection(HGDIOBJ handle);
void RemoveSelection(HGDIOBJ handle);
bool IsSelected(HGDIOBJ handle);

// The 1 x 1 monochrome bitmap that every new memory context starts with; any number of
// contexts may hold it.
TBitmap* StockBitmap();
// Registers a stock object: deleting it does nothing and succeeds.
HGDIOBJ MakeStock(std::unique_ptr<GdiObject> object);

} // namespace gdi::detail
