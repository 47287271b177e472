#include "gui/stdctrls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/forms/registration.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/listbox.h"

namespace {

void DescribeListBox(TClassBuilder<TListBox>& c) {
    c.Color("Color", &TListBox::Color, &TListBox::SetColor, clWindow)
        .Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight, 16)
        .Property("Items", &TListBox::Items)
        .Property("Style", &TListBox::Style, &TListBox::SetStyle, lbStandard)
        .Property("TabStop", &TListBox::TabStop, &TListBox::SetTabStop, true)
        .Event("OnDrawItem", &TListBox::OnDrawItem);
}

void DescribeButton(TClassBuilder<TButton>& c) {
    c.Property("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
        .Property("Caption", &TButton::Caption, &TButton::SetCaption, std::string())
        .Property("Default", &TButton::Default, &TButton::SetDefault, false)
        .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone)
        .Property("TabStop", &TButton::TabStop, &TButton::SetTabStop, true);
}

} // namespace

void RegisterStdControlClasses() {
    RegisterFormClasses();
    RegisterClass<TCustomListBox, TCustomControl>();
    RegisterClass<TListBox, TCustomListBox>(DescribeListBox);
    RegisterClass<TButton, TCustomControl>(DescribeButton);
}
