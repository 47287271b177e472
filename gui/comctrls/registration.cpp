#include "gui/comctrls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/comctrls/pagecontrol.h"
#include "gui/controls/registration.h"

void RegisterComCtrlClasses() {
    RegisterControlClasses();
    RegisterClass<TTabSheet, TWinControl>([](TClassBuilder<TTabSheet>& c) {
        c.Property("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption, std::string());
    });
    RegisterClass<TPageControl, TCustomControl>([](TClassBuilder<TPageControl>& c) {
        c.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
            .Property("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop, true)
            .Event("OnChange", &TPageControl::OnChange)
            .Event("OnChanging", &TPageControl::OnChanging);
    });
}
