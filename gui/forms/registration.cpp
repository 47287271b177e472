#include "gui/forms/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/controls/registration.h"
#include "gui/forms/customform.h"
#include "gui/graphics/colorident.h"

namespace {

void DescribeForm(TClassBuilder<TForm>& c) {
    c.Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                  TBorderIcons{biSystemMenu, biMinimize, biMaximize})
        .Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, bsSizeable)
        .Property("Caption", &TForm::Caption, &TForm::SetCaption, std::string())
        .Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
        .Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
        .Property("Color", &TForm::Color, &TForm::SetColor, clBtnFace)
        .Idents(ColorIdents())
        .Property("ParentFont", &TForm::ParentFont, &TForm::SetParentFont, false)
        .Property("Position", &TForm::Position, &TForm::SetPosition, poDesigned)
        .Property("Visible", &TForm::Visible, &TForm::SetVisible, false)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCloseQuery", &TForm::OnCloseQuery)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnDestroy", &TForm::OnDestroy)
        .Event("OnShow", &TForm::OnShow);
}

} // namespace

void RegisterFormClasses() {
    RegisterControlClasses();
    RegisterClass<TCustomForm, TWinControl>();
    RegisterClass<TForm, TCustomForm>(DescribeForm);
}
