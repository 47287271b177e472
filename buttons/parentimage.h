#pragma once
// The background a control's parent shows behind the control, for controls whose corners
// are see-through.

#include "gui/controls/control.h"
#include "platform/window/types.h"

// Has the parent erase and paint its client area into dc, shifted so that the control's
// rectangle of the parent lands on dc's origin. With invalidateParent, a parent that is
// neither a custom-drawn control nor a form (and so may not paint itself into another
// context) is invalidated as a whole. Without a parent nothing happens.
void PaintParentImage(TControl& control, win::HDC dc, bool invalidateParent);
