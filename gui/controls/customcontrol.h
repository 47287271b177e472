#pragma once
// A windowed control that draws itself on its canvas in Paint.

#include "gui/controls/controlcanvas.h"
#include "gui/controls/wincontrol.h"

#include <memory>

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    // Draws the control on Canvas; the background has been erased with Color already.
    virtual void Paint();
    void PaintWindow(win::HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
