#include "platform/gdi/objects.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/quarantine.h"

#include <unordered_map>

namespace gdi::detail {

namespace {

struct TEntry {
    std::unique_ptr<GdiObject> Object;
    bool Stock = false;
    int Selections = 0;
};

std::unordered_map<HGDIOBJ, TEntry>& Table() {
    static std::unordered_map<HGDIOBJ, TEntry> table;
    return table;
}

// Frees what a deleted object holds and keeps its small shell for a while.
void Retire(std::unique_ptr<GdiObject> object) {
    static TQuarantine<GdiObject> quarantine;
    if (auto* bitmap = As<TBitmap>(object.get())) {
        bitmap->Memory = platform::TZeroedMemory();
        bitmap->Surface = TSurface();
    }
    if (auto* font = As<TFont>(object.get())) {
        font->Instance.reset();
        font->ScaledInstance.reset();
    }
    quarantine.Keep(std::move(object));
}

TEntry* FindEntry(HGDIOBJ handle) {
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : &it->second;
}

std::unique_ptr<TBrush> SolidBrush(COLORREF colour) {
    auto brush = std::make_unique<TBrush>();
    brush->Colour = colour;
    return brush;
}

std::unique_ptr<TPen> Pen(int style, COLORREF colour) {
    auto pen = std::make_unique<TPen>();
    pen->Style = style;
    pen->Colour = colour;
    return pen;
}

std::unique_ptr<TFont> Font(LONG height, LONG weight, const char* face) {
    auto font = std::make_unique<TFont>();
    font->Log.lfHeight = height;
    font->Log.lfWeight = weight;
    font->Log.lfFaceName = face;
    return font;
}

std::unique_ptr<GdiObject> MakeStockObject(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return SolidBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return SolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return SolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return SolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return SolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH: {
        auto brush = std::make_unique<TBrush>();
        brush->Style = TBrushStyle::bsNull;
        return brush;
    }
    case WHITE_PEN:
        return Pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN:
        return Pen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN:
        return Pen(PS_NULL, RGB(0, 0, 0));
    case SYSTEM_FONT:
        return Font(16, FW_BOLD, "System");
    case DEFAULT_GUI_FONT:
        return Font(-11, FW_NORMAL, "Tahoma");
    default:
        return nullptr;
    }
}

} // namespace

HGDIOBJ Register(std::unique_ptr<GdiObject> object) {
    HGDIOBJ handle = object.get();
    Table()[handle] = TEntry{std::move(object)};
    return handle;
}

HGDIOBJ MakeStock(std::unique_ptr<GdiObject> object) {
    HGDIOBJ handle = Register(std::move(object));
    Table()[handle].Stock = true;
    return handle;
}

GdiObject* FindObject(HGDIOBJ handle) {
    TEntry* entry = handle ? FindEntry(handle) : nullptr;
    return entry ? entry->Object.get() : nullptr;
}

bool IsStock(HGDIOBJ handle) {
    TEntry* entry = FindEntry(handle);
    return entry && entry->Stock;
}

void AddSelection(HGDIOBJ handle) {
    if (TEntry* entry = FindEntry(handle))
        ++entry->Selections;
}

void RemoveSelection(HGDIOBJ handle) {
    if (TEntry* entry = FindEntry(handle); entry && entry->Selections > 0)
        --entry->Selections;
}

bool IsSelected(HGDIOBJ handle) {
    const TEntry* entry = FindEntry(handle);
    return entry && entry->Selections > 0;
}

TBitmap* StockBitmap() {
    static TBitmap* bitmap = [] {
        auto made = std::make_unique<TBitmap>();
        made->Memory = platform::TZeroedMemory::Allocate(4);
        made->Surface.Width = 1;
        made->Surface.Height = 1;
        made->Surface.BitsPerPixel = 1;
        made->Surface.Stride = 2;
        made->Surface.Monochrome = true;
        made->Surface.Colours = {kBlackPixel, kWhitePixel};
        made->Surface.Bits = made->Memory.Data();
        return static_cast<TBitmap*>(MakeStock(std::move(made)));
    }();
    return bitmap;
}

} // namespace gdi::detail

namespace gdi {

bool DeleteObject(HGDIOBJ object) {
    detail::TEntry* entry = object ? detail::FindEntry(object) : nullptr;
    if (!entry)
        return false;
    if (entry->Stock)
        return true;
    if (entry->Selections > 0)
        return false;
    detail::Retire(std::move(entry->Object));
    detail::Table().erase(object);
    return true;
}

HGDIOBJ GetStockObject(int index) {
    static std::unordered_map<int, HGDIOBJ> stock;
    if (auto it = stock.find(index); it != stock.end())
        return it->second;
    std::unique_ptr<GdiObject> made = detail::MakeStockObject(index);
    if (!made)
        return nullptr;
    return stock[index] = detail::MakeStock(std::move(made));
}

bool IsValidObject(HGDIOBJ object) {
    return detail::FindObject(object) != nullptr;
}

TLiveObjects LiveObjects() {
    TLiveObjects live;
    for (const auto& [handle, entry] : detail::Table()) {
        if (entry.Stock)
            continue;
        switch (entry.Object->Kind()) {
        case TObjectKind::okBitmap:
            ++live.Bitmaps;
            break;
        case TObjectKind::okBrush:
            ++live.Brushes;
            break;
        case TObjectKind::okPen:
            ++live.Pens;
            break;
        case TObjectKind::okFont:
            ++live.Fonts;
            break;
        case TObjectKind::okPalette:
            ++live.Palettes;
            break;
        }
    }
    live.Contexts = detail::LiveContexts();
    return live;
}

} // namespace gdi
