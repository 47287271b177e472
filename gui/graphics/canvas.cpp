#include "gui/graphics/canvas.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"
#include "gui/graphics/graphic.h"

#include <vector>

TCanvas::TCanvas() {
    // A pattern brush paints with the font colour, so the brush is set up again as well.
    FFont.OnChange = [this](TObject*) {
        FFontSelection.reset();
        FBrushSelection.reset();
    };
    FPen.OnChange = [this](TObject*) { FPenSelection.reset(); };
    FBrush.OnChange = [this](TObject*) { FBrushSelection.reset(); };
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
}

gdi::HDC TCanvas::Handle() {
    RequiredState(csAllValid);
    return FHandle;
}

void TCanvas::SetHandle(gdi::HDC dc) {
    if (dc == FHandle)
        return;
    DeselectHandles();
    FHandle = dc;
}

void TCanvas::RequiredState(TCanvasState state) {
    if (!FHandle) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation(SNoCanvasHandle);
    }
    if (state.Contains(csFontValid) && !FFontSelection)
        SelectFont();
    if (state.Contains(csPenValid) && !FPenSelection)
        SelectPen();
    if (state.Contains(csBrushValid) && !FBrushSelection)
        SelectBrush();
}

void TCanvas::SelectFont() {
    FFontSelection.emplace(FHandle, FFont.Handle());
    gdi::SetTextColor(FHandle, ColorToRGB(FFont.Color()));
}

void TCanvas::SelectPen() {
    FPenSelection.emplace(FHandle, FPen.Handle());
    gdi::SetROP2(FHandle, FPen.Rop2());
}

// The brush colour is the background colour and the font colour the text colour, which
// pattern brushes and monochrome transfers paint with.
void TCanvas::SelectBrush() {
    FBrushSelection.emplace(FHandle, FBrush.Handle());
    gdi::SetTextColor(FHandle, ColorToRGB(FFont.Color()));
    if (FBrush.Color() != clNone)
        gdi::SetBkColor(FHandle, ColorToRGB(FBrush.Color()));
    gdi::SetBkMode(FHandle, FBrush.Hollow() ? gdi::TRANSPARENT : gdi::OPAQUE);
}

void TCanvas::DeselectHandles() {
    FFontSelection.reset();
    FPenSelection.reset();
    FBrushSelection.reset();
}

void TCanvas::Changing() {
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange)
        OnChange(this);
}

TColor TCanvas::Pixels(int x, int y) {
    RequiredState({csHandleValid});
    return gdi::GetPixel(FHandle, x, y);
}

void TCanvas::SetPixels(int x, int y, TColor colour) {
    Changing();
    RequiredState({csHandleValid, csPenValid});
    gdi::SetPixel(FHandle, x, y, ColorToRGB(colour));
    Changed();
}

TPoint TCanvas::PenPos() {
    RequiredState({csHandleValid});
    // The platform reports the position only when moving it, so move there and back.
    gdi::POINT position;
    gdi::MoveToEx(FHandle, 0, 0, &position);
    gdi::MoveToEx(FHandle, position.x, position.y, nullptr);
    return {position.x, position.y};
}

void TCanvas::MoveTo(int x, int y) {
    RequiredState({csHandleValid});
    gdi::MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    gdi::LineTo(FHandle, x, y);
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    gdi::FillRect(FHandle, ToRECT(rect), FBrush.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    gdi::FrameRect(FHandle, ToRECT(rect), FBrush.Handle());
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    gdi::Rectangle(FHandle, left, top, right, bottom);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    std::vector<gdi::POINT> vertices;
    vertices.reserve(points.size());
    for (const TPoint& p : points)
        vertices.push_back({p.X, p.Y});
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    gdi::Polygon(FHandle, vertices.data(), int(vertices.size()));
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    int advance = 0;
    gdi::TextOut(FHandle, x, y, text, &advance);
    MoveTo(x + advance, y);
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    {
        gdi::TSavedState saved(FHandle);
        gdi::IntersectClipRect(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
        if (!FBrush.Hollow())
            gdi::FillRect(FHandle, ToRECT(rect), FBrush.Handle());
        gdi::TextOut(FHandle, x, y, text);
    }
    Changed();
}

TSize TCanvas::TextExtent(std::string_view text) {
    RequiredState({csHandleValid, csFontValid});
    gdi::SIZE size;
    gdi::GetTextExtentPoint32(FHandle, text, &size);
    return {size.cx, size.cy};
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    gdi::DrawFocusRect(FHandle, ToRECT(rect));
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (graphic && !graphic->Empty())
        StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic || graphic->Empty())
        return;
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& canvas, const TRect& source) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    canvas.RequiredState({csHandleValid, csBrushValid});
    gdi::StretchBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), canvas.FHandle,
                    source.Left, source.Top, source.Width(), source.Height(), FCopyMode);
    Changed();
}
