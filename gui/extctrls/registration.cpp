#include "gui/extctrls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/controls/registration.h"
#include "gui/extctrls/bevel.h"
#include "gui/extctrls/image.h"
#include "gui/extctrls/panel.h"
#include "gui/graphics/colorident.h"

void RegisterExtControlClasses() {
    RegisterControlClasses();
    RegisterClass<TBevel, TGraphicControl>([](TClassBuilder<TBevel>& c) {
        c.Property("Shape", &TBevel::Shape, &TBevel::SetShape, bsBox)
            .Property("Style", &TBevel::Style, &TBevel::SetStyle, bsLowered);
    });
    RegisterClass<TPanel, TCustomControl>([](TClassBuilder<TPanel>& c) {
        c.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, taCenter)
            .Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, bvNone)
            .Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, bvRaised)
            .Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1)
            .Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth, 0)
            .Property("Caption", &TPanel::Caption, &TPanel::SetCaption, std::string())
            .Property("Color", &TPanel::Color, &TPanel::SetColor, clBtnFace)
            .Idents(ColorIdents())
            .Stored([](const TPanel& panel) { return !panel.ParentColor(); });
    });
    RegisterClass<TImage, TGraphicControl>([](TClassBuilder<TImage>& c) {
        c.Property("Center", &TImage::Center, &TImage::SetCenter, false)
            .Property("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
            .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
    });
}
