#include "gui/controls/controlcanvas.h"

#include "gui/controls/wincontrol.h"
#include "platform/window/window.h"

#include <algorithm>
#include <vector>

namespace {

// The canvases that hold a context of their own.
std::vector<TControlCanvas*>& Holders() {
    static std::vector<TControlCanvas*> holders;
    return holders;
}

bool Within(const TControl& control, const TControl& ancestor) {
    for (const TControl* current = &control; current; current = current->Parent())
        if (current == &ancestor)
            return true;
    return false;
}

} // namespace

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::CreateHandle() {
    FreeHandle();
    if (auto* windowed = dynamic_cast<TWinControl*>(&FControl)) {
        FWindow = windowed->Handle();
        FContext = win::GetDC(FWindow);
    } else if (TWinControl* parent = FControl.Parent()) {
        FWindow = parent->Handle();
        FContext = win::GetDC(FWindow);
        if (FContext) {
            gdi::OffsetViewportOrgEx(FContext, FControl.Left(), FControl.Top(), nullptr);
            gdi::IntersectClipRect(FContext, 0, 0, FControl.Width(), FControl.Height());
        }
    }
    if (!FContext)
        return;
    Holders().push_back(this);
    SetHandle(FContext);
}

void TControlCanvas::FreeHandle() {
    if (!FContext)
        return;
    SetHandle(nullptr);
    win::ReleaseDC(FWindow, FContext);
    FContext = nullptr;
    FWindow = nullptr;
    std::erase(Holders(), this);
}

void FreeDeviceContexts() {
    while (!Holders().empty())
        Holders().back()->FreeHandle();
}

void FreeDeviceContextsOf(const TControl& control) {
    for (TControlCanvas* canvas : std::vector<TControlCanvas*>(Holders()))
        if (Within(canvas->Control(), control))
            canvas->FreeHandle();
}

TCanvasPaintScope::TCanvasPaintScope(TControlCanvas& canvas, win::HDC dc) : FCanvas(canvas) {
    FCanvas.FreeHandle();
    FCanvas.SetHandle(dc);
}

TCanvasPaintScope::~TCanvasPaintScope() {
    FCanvas.SetHandle(nullptr);
}
