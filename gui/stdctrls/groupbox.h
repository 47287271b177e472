#pragma once
// A group box: an etched frame that holds other controls, with its caption drawn into the
// frame's top line. The frame's top runs through the middle of the caption's line.

#include "gui/controls/customcontrol.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
};
