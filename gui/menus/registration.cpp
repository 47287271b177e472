#include "gui/menus/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/menus/menus.h"

void RegisterMenuClasses() {
    RegisterClass<TMenuItem, TComponent>([](TClassBuilder<TMenuItem>& c) {
        c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, std::string())
            .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
            .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
            .Event("OnClick", &TMenuItem::OnClick);
    });
    RegisterClass<TPopupMenu, TComponent>(
        [](TClassBuilder<TPopupMenu>& c) { c.Event("OnPopup", &TPopupMenu::OnPopup); });
}
