#include "gui/controls/customcontrol.h"

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TCustomControl::~TCustomControl() {
    // The canvas may hold a context of the window, which goes first.
    FCanvas->FreeHandle();
    DestroyHandle();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(win::HDC dc) {
    const TCanvasPaintScope scope(*FCanvas, dc);
    Paint();
}
