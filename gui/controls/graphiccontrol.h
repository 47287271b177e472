#pragma once
// A control without a window of its own: its parent paints it (Paint, on the canvas) and
// passes it the mouse input that falls on it.

#include "gui/controls/control.h"
#include "gui/controls/controlcanvas.h"

#include <memory>

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    // Draws the control on Canvas, whose origin is the control's top-left corner.
    virtual void Paint();
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
