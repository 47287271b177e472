#include "gui/controls/hosts.h"

#include "gui/controls/wincontrol.h"
#include "platform/window/window.h"

namespace {

class TNoApplication final : public TApplicationHost {
public:
    void HandleException(TObject*) override { throw; }
    TCursor ScreenCursor() const override { return crDefault; }
    win::HCURSOR CursorHandle(TCursor) const override { return win::LoadCursor(win::IDC_ARROW); }
};

TApplicationHost* Installed = nullptr;

} // namespace

TWinControl* HostForm(const TControl* control) {
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    auto* form = dynamic_cast<TWinControl*>(const_cast<TControl*>(top));
    return dynamic_cast<TFocusHost*>(form) ? form : nullptr;
}

TFocusHost* FocusHostOf(const TControl* control) {
    return dynamic_cast<TFocusHost*>(HostForm(control));
}

TApplicationHost& ApplicationHost() {
    static TNoApplication none;
    return Installed ? *Installed : none;
}

void InstallApplicationHost(TApplicationHost& host) {
    Installed = &host;
}
