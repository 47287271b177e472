#include "gui/stdctrls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/forms/registration.h"
#include "gui/graphics/colorident.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/groupbox.h"
#include "gui/stdctrls/label.h"
#include "gui/stdctrls/listbox.h"

namespace {

void DescribeListBox(TClassBuilder<TListBox>& c) {
    c.Property("Color", &TListBox::Color, &TListBox::SetColor, clWindow)
        .Idents(ColorIdents())
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

void DescribeLabel(TClassBuilder<TLabel>& c) {
    c.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify)
        .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
        .Property("Caption", &TLabel::Caption, &TLabel::SetCaption, std::string())
        .Property("Color", &TLabel::Color, &TLabel::SetColor)
        .Idents(ColorIdents())
        .Stored([](const TLabel& label) { return !label.ParentColor(); })
        .Property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor, true)
        .Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true)
        .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
        .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
}

void DescribeGroupBox(TClassBuilder<TGroupBox>& c) {
    c.Property("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption, std::string())
        .Property("Color", &TGroupBox::Color, &TGroupBox::SetColor)
        .Idents(ColorIdents())
        .Stored([](const TGroupBox& box) { return !box.ParentColor(); })
        .Property("ParentColor", &TGroupBox::ParentColor, &TGroupBox::SetParentColor, true);
}

} // namespace

void RegisterStdControlClasses() {
    RegisterFormClasses();
    RegisterClass<TCustomListBox, TCustomControl>();
    RegisterClass<TListBox, TCustomListBox>(DescribeListBox);
    RegisterClass<TButton, TCustomControl>(DescribeButton);
    RegisterClass<TLabel, TGraphicControl>(DescribeLabel);
    RegisterClass<TGroupBox, TCustomControl>(DescribeGroupBox);
}
