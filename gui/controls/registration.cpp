#include "gui/controls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/controls/customcontrol.h"
#include "gui/controls/graphiccontrol.h"
#include "gui/graphics/registration.h"

namespace {

void DescribeControl(TClassBuilder<TControl>& c) {
    c.Property("Left", &TControl::Left, &TControl::SetLeft)
        .Property("Top", &TControl::Top, &TControl::SetTop)
        .Property("Width", &TControl::Width, &TControl::SetWidth)
        .Property("Height", &TControl::Height, &TControl::SetHeight)
        .Property("Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchors{akLeft, akTop})
        .Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
        .Stored([](const TControl& control) { return !control.ParentBiDiMode(); })
        .Property("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
        .Idents(CursorIdents())
        .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Property("Font", &TControl::Font)
        .Stored([](const TControl& control) { return !control.ParentFont(); })
        .Property("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
        .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
        .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
        .Property("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp);
}

void DescribeWinControl(TClassBuilder<TWinControl>& c) {
    c.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
        .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnKeyUp", &TWinControl::OnKeyUp);
}

} // namespace

void RegisterControlClasses() {
    RegisterGraphicsClasses();
    RegisterClass<TControl, TComponent>(DescribeControl);
    RegisterClass<TWinControl, TControl>(DescribeWinControl);
    RegisterClass<TCustomControl, TWinControl>();
    RegisterClass<TGraphicControl, TControl>();
}
