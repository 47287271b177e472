#pragma once
// The canvas of a control. While the control paints, it draws on the paint context it was
// handed; at any other time it gets a context of the control's window when first used (a
// graphic control's: its parent's, moved and clipped to the control's rectangle). Such a
// context is kept only until the current message has been handled (FreeDeviceContexts).

#include "gui/graphics/canvas.h"
#include "platform/window/types.h"

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : FControl(control) {}
    ~TControlCanvas() override;

    TControl& Control() const { return FControl; }
    // Lets go of a context the canvas got for itself.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl& FControl;
    win::HWND FWindow = nullptr;
    win::HDC FContext = nullptr;
};

// Lends a canvas a paint context for the guard's lifetime.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControlCanvas& canvas, win::HDC dc);
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;
    ~TCanvasPaintScope();

private:
    TControlCanvas& FCanvas;
};

// Releases the contexts every control canvas got for itself.
void FreeDeviceContexts();
// Releases those of one control's canvas and its children's, before their windows go.
void FreeDeviceContextsOf(const TControl& control);
