#include "buttons/parentimage.h"

#include "gui/controls/customcontrol.h"
#include "gui/forms/customform.h"
#include "platform/gdi/owned.h"

namespace {

// At design time a parent that fails to paint must not take the designer down.
void SendToParent(TWinControl& parent, win::UINT message, win::HDC dc, win::LPARAM lParam,
                  bool designing) {
    if (!designing) {
        parent.Perform(message, win::WPARAM(dc), lParam);
        return;
    }
    try {
        parent.Perform(message, win::WPARAM(dc), lParam);
    } catch (...) {
    }
}

} // namespace

void PaintParentImage(TControl& control, win::HDC dc, bool invalidateParent) {
    TWinControl* parent = control.Parent();
    if (!parent)
        return;
    const bool designing = control.ComponentState().Contains(csDesigning);
    {
        const gdi::TSavedState saved(dc);
        gdi::OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
        gdi::IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
        SendToParent(*parent, win::WM_ERASEBKGND, dc, win::LPARAM(dc), designing);
        SendToParent(*parent, win::WM_PRINTCLIENT, dc, PRF_CLIENT, designing);
    }
    const bool paintsItself = dynamic_cast<TCustomControl*>(parent) != nullptr ||
                              dynamic_cast<TCustomForm*>(parent) != nullptr;
    if (invalidateParent && !paintsItself && !designing)
        parent->Invalidate();
}
