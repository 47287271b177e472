#include "platform/gdi/dc.h"

#include "platform/gdi/gdi.h"
#include "platform/gdi/quarantine.h"
#include "platform/system/answers.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>

namespace gdi {

namespace detail {

namespace {

std::unordered_map<HDC, std::unique_ptr<DeviceContext>>& Contexts() {
    static std::unordered_map<HDC, std::unique_ptr<DeviceContext>> contexts;
    return contexts;
}

template <class T>
T* Stock(int index) {
    return static_cast<T*>(GetStockObject(index));
}

HDC NewContext(TContextKind kind, TBitmap* bitmap) {
    auto made = std::make_unique<DeviceContext>();
    made->Kind = kind;
    TContextState& s = made->State;
    s.Bitmap = bitmap;
    s.Brush = Stock<TBrush>(WHITE_BRUSH);
    s.Pen = Stock<TPen>(BLACK_PEN);
    s.Font = Stock<TFont>(DEFAULT_GUI_FONT);
    for (HGDIOBJ object : {HGDIOBJ(s.Bitmap), HGDIOBJ(s.Brush), HGDIOBJ(s.Pen), HGDIOBJ(s.Font)})
        AddSelection(object);
    HDC dc = made.get();
    Contexts()[dc] = std::move(made);
    return dc;
}

// Drops the context's hold on everything its current state selects.
void ReleaseSelections(DeviceContext& dc) {
    TContextState& s = dc.State;
    if (s.Bitmap && s.Bitmap->Owner == &dc)
        s.Bitmap->Owner = nullptr;
    for (HGDIOBJ object :
         {HGDIOBJ(s.Bitmap), HGDIOBJ(s.Brush), HGDIOBJ(s.Pen), HGDIOBJ(s.Font), HGDIOBJ(s.Palette)})
        if (object)
            RemoveSelection(object);
    if (dc.DisplaySurface)
        RemoveSelection(dc.DisplaySurface);
}

template <class T>
T* Swap(T*& slot, T* object) {
    T* previous = slot;
    if (previous)
        RemoveSelection(previous);
    slot = object;
    AddSelection(object);
    return previous;
}

HBITMAP SelectBitmap(DeviceContext& dc, TBitmap* bitmap) {
    if (dc.Kind != TContextKind::ckMemory)
        return nullptr;
    const bool shared = IsStock(bitmap);
    if (!shared && bitmap->Owner && bitmap->Owner != &dc)
        return nullptr;
    TBitmap* previous = dc.State.Bitmap;
    if (previous && previous->Owner == &dc)
        previous->Owner = nullptr;
    Swap(dc.State.Bitmap, bitmap);
    if (!shared)
        bitmap->Owner = &dc;
    dc.InvalidateClip();
    return previous;
}

HGDIOBJ SelectAny(DeviceContext& dc, GdiObject* object) {
    if (!object)
        return nullptr;
    switch (object->Kind()) {
    case TObjectKind::okBitmap:
        return SelectBitmap(dc, static_cast<TBitmap*>(object));
    case TObjectKind::okBrush:
        return Swap(dc.State.Brush, static_cast<TBrush*>(object));
    case TObjectKind::okPen:
        return Swap(dc.State.Pen, static_cast<TPen*>(object));
    case TObjectKind::okFont:
        return Swap(dc.State.Font, static_cast<TFont*>(object));
    case TObjectKind::okPalette:
        break;
    }
    return nullptr;
}

// Selects what a saved state held, keeping the current object of any kind whose saved
// object has been deleted or is now serving another context.
void Reselect(DeviceContext& dc, const TContextState& saved) {
    const HGDIOBJ objects[] = {saved.Bitmap, saved.Brush, saved.Pen, saved.Font};
    for (HGDIOBJ object : objects)
        if (object && FindObject(object) == object)
            SelectAny(dc, FindObject(object));
    if (saved.Palette && saved.Palette != dc.State.Palette &&
        FindObject(saved.Palette) == saved.Palette)
        SelectPalette(&dc, saved.Palette, false);
}

} // namespace

int LiveContexts() {
    return int(Contexts().size());
}

DeviceContext* FindContext(HDC dc) {
    auto it = Contexts().find(dc);
    return it == Contexts().end() ? nullptr : it->second.get();
}

RECT IntersectRects(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

} // namespace detail

int DeviceContext::Scale() const {
    if (ViewScale > 0)
        return ViewScale;
    if (Kind == TContextKind::ckScreen)
        return 1;
    const detail::TBitmap* bitmap = Kind == TContextKind::ckDisplay ? DisplaySurface : State.Bitmap;
    return bitmap ? bitmap->Scale : 1;
}

RECT DeviceContext::ToLogical(const RECT& r) const {
    using detail::CeilDiv;
    using detail::FloorDiv;
    const int s = Scale();
    const POINT o = State.ViewportOrigin;
    return {detail::SaturateToInt(FloorDiv(r.left, s) - o.x),
            detail::SaturateToInt(FloorDiv(r.top, s) - o.y),
            detail::SaturateToInt(CeilDiv(r.right, s) - o.x),
            detail::SaturateToInt(CeilDiv(r.bottom, s) - o.y)};
}

detail::TSurface* DeviceContext::Surface() const {
    detail::TBitmap* bitmap = Kind == TContextKind::ckDisplay ? DisplaySurface : State.Bitmap;
    if (!bitmap || Kind == TContextKind::ckScreen)
        return nullptr;
    return &bitmap->Surface;
}

const TRegion& DeviceContext::Clip() {
    if (FClipValid)
        return FClip;
    FClip.Clear();
    if (const detail::TSurface* surface = Surface()) {
        FClip = TRegion(RECT{0, 0, surface->Width, surface->Height});
        if (DeviceClip)
            FClip.Intersect(*DeviceClip);
        if (State.Clip)
            FClip.Intersect(*State.Clip);
    }
    FClipValid = true;
    return FClip;
}

// ---- Creation ---------------------------------------------------------------------------------

HDC GetScreenDC() {
    return detail::NewContext(TContextKind::ckScreen, nullptr);
}

int ReleaseDC(HDC dc) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || context->Kind != TContextKind::ckScreen)
        return 0;
    return DeleteDC(dc) ? 1 : 0;
}

HDC CreateCompatibleDC(HDC reference) {
    if (reference && !detail::FindContext(reference))
        return nullptr;
    return detail::NewContext(TContextKind::ckMemory, detail::StockBitmap());
}

HDC CreateDisplayDC(HBITMAP surface) {
    auto* bitmap = detail::Find<detail::TBitmap>(surface);
    if (!bitmap)
        return nullptr;
    HDC dc = detail::NewContext(TContextKind::ckDisplay, nullptr);
    dc->DisplaySurface = bitmap;
    detail::AddSelection(bitmap);
    return dc;
}

bool DeleteDC(HDC dc) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    detail::ReleaseSelections(*context);
    static TQuarantine<DeviceContext> quarantine;
    quarantine.Keep(std::move(detail::Contexts()[dc]));
    detail::Contexts().erase(dc);
    return true;
}

void SetDeviceClip(HDC dc, const TRegion& region) {
    if (DeviceContext* context = detail::FindContext(dc)) {
        context->DeviceClip = region;
        context->DeviceClip->Scale(context->Scale());
        context->InvalidateClip();
    }
}

HDC CreateScaledViewDC(HDC dc, int scale) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || scale < 1 || context->Scale() % scale != 0 || !context->Surface())
        return nullptr;
    detail::TBitmap* bitmap =
        context->Kind == TContextKind::ckDisplay ? context->DisplaySurface : context->State.Bitmap;
    HDC view = detail::NewContext(TContextKind::ckDisplay, nullptr);
    view->DisplaySurface = bitmap;
    detail::AddSelection(bitmap);
    view->ViewScale = scale;
    view->DeviceClip = context->Clip();
    const POINT origin = context->ToDevice(0, 0);
    const detail::TContextState& from = context->State;
    detail::TContextState& to = view->State;
    to.ViewportOrigin = {origin.x / scale, origin.y / scale};
    to.BkColour = from.BkColour;
    to.TextColour = from.TextColour;
    to.BkMode = from.BkMode;
    to.Rop2 = from.Rop2;
    to.BrushOrigin = from.BrushOrigin;
    return view;
}

int GetDeviceScale(HDC dc) {
    const DeviceContext* context = detail::FindContext(dc);
    return context ? context->Scale() : 0;
}

// ---- Selection --------------------------------------------------------------------------------

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = detail::FindContext(dc);
    GdiObject* found = detail::FindObject(object);
    if (!context || !found)
        return nullptr;
    return detail::SelectAny(*context, found);
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    return static_cast<HBITMAP>(SelectObject(dc, HGDIOBJ(bitmap)));
}
HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    return static_cast<HBRUSH>(SelectObject(dc, HGDIOBJ(brush)));
}
HPEN SelectObject(HDC dc, HPEN pen) {
    return static_cast<HPEN>(SelectObject(dc, HGDIOBJ(pen)));
}
HFONT SelectObject(HDC dc, HFONT font) {
    return static_cast<HFONT>(SelectObject(dc, HGDIOBJ(font)));
}

HGDIOBJ GetCurrentObject(HDC dc, TObjectKind kind) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return nullptr;
    const detail::TContextState& s = context->State;
    switch (kind) {
    case TObjectKind::okBitmap:
        return context->Kind == TContextKind::ckDisplay ? context->DisplaySurface : s.Bitmap;
    case TObjectKind::okBrush:
        return s.Brush;
    case TObjectKind::okPen:
        return s.Pen;
    case TObjectKind::okFont:
        return s.Font;
    case TObjectKind::okPalette:
        return s.Palette;
    }
    return nullptr;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool) {
    DeviceContext* context = detail::FindContext(dc);
    auto* found = detail::Find<detail::TPalette>(palette);
    if (!context || !found)
        return nullptr;
    return detail::Swap(context->State.Palette, found);
}

// ---- Saved states -----------------------------------------------------------------------------

int SaveDC(HDC dc) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return 0;
    context->Saved.push_back(context->State);
    return int(context->Saved.size());
}

bool RestoreDC(HDC dc, int level) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    const int count = int(context->Saved.size());
    if (level < 0)
        level = count + level + 1;
    if (level <= 0 || level > count)
        return false;
    detail::TContextState saved = context->Saved[std::size_t(level - 1)];
    context->Saved.resize(std::size_t(level - 1));
    detail::Reselect(*context, saved);
    saved.Bitmap = context->State.Bitmap;
    saved.Brush = context->State.Brush;
    saved.Pen = context->State.Pen;
    saved.Font = context->State.Font;
    saved.Palette = context->State.Palette;
    context->State = std::move(saved);
    context->InvalidateClip();
    return true;
}

// ---- Origins, colours and modes ---------------------------------------------------------------

namespace {

bool MovePoint(HDC dc, POINT detail::TContextState::*field, POINT value, POINT* old) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    if (old)
        *old = context->State.*field;
    context->State.*field = value;
    return true;
}

template <class T>
T Exchange(HDC dc, T detail::TContextState::*field, T value, T failure) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return failure;
    return std::exchange(context->State.*field, value);
}

template <class T>
T Read(HDC dc, T detail::TContextState::*field, T failure) {
    DeviceContext* context = detail::FindContext(dc);
    return context ? context->State.*field : failure;
}

} // namespace

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
    return MovePoint(dc, &detail::TContextState::ViewportOrigin, {x, y}, old);
}

bool GetViewportOrgEx(HDC dc, POINT* origin) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !origin)
        return false;
    *origin = context->State.ViewportOrigin;
    return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    const POINT o = context->State.ViewportOrigin;
    return SetViewportOrgEx(dc, o.x + dx, o.y + dy, old);
}

bool SetBrushOrgEx(HDC dc, int x, int y, POINT* old) {
    return MovePoint(dc, &detail::TContextState::BrushOrigin, {x, y}, old);
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    return Exchange(dc, &detail::TContextState::BkColour, colour, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) {
    return Read(dc, &detail::TContextState::BkColour, CLR_INVALID);
}
COLORREF SetTextColor(HDC dc, COLORREF colour) {
    return Exchange(dc, &detail::TContextState::TextColour, colour, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) {
    return Read(dc, &detail::TContextState::TextColour, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(dc, &detail::TContextState::BkMode, mode, 0);
}
int GetBkMode(HDC dc) {
    return Read(dc, &detail::TContextState::BkMode, 0);
}

int SetROP2(HDC dc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return Exchange(dc, &detail::TContextState::Rop2, mode, 0);
}
int GetROP2(HDC dc) {
    return Read(dc, &detail::TContextState::Rop2, 0);
}

// ---- Capabilities -----------------------------------------------------------------------------

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kPixelsPerInch = 96;

int DepthOf(const DeviceContext& dc) {
    if (dc.Kind == TContextKind::ckMemory && dc.State.Bitmap)
        return dc.State.Bitmap->Surface.BitsPerPixel;
    return platform::Answers().DisplayBitsPerPixel;
}

// Palette devices report their reserved system colours; monochrome and 16-colour surfaces
// all their colours.
int ColourCount(int depth) {
    if (depth > 8)
        return -1;
    if (depth == 8)
        return 20;
    return 1 << depth;
}

} // namespace

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return 0;
    switch (index) {
    case HORZRES:
        return kScreenWidth;
    case VERTRES:
        return kScreenHeight;
    case BITSPIXEL:
        return DepthOf(*context);
    case PLANES:
        return 1;
    case NUMCOLORS:
        return ColourCount(DepthOf(*context));
    case LOGPIXELSX:
    case LOGPIXELSY:
        return kPixelsPerInch;
    default:
        return 0;
    }
}

} // namespace gdi
