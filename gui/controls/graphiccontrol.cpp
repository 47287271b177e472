#include "gui/controls/graphiccontrol.h"

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Paint() {}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_PAINT && message.WParam) {
        const TCanvasPaintScope scope(*FCanvas, reinterpret_cast<win::HDC>(message.WParam));
        Paint();
        return;
    }
    TControl::WndProc(message);
}
