#include "gui/graphics/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/graphics/colorident.h"
#include "gui/graphics/font.h"

#include <array>

namespace {

constexpr std::array CharsetIdents = {
    TIdentMapEntry{gdi::ANSI_CHARSET, "ANSI_CHARSET"},
    TIdentMapEntry{gdi::DEFAULT_CHARSET, "DEFAULT_CHARSET"},
};

} // namespace

void RegisterGraphicsClasses() {
    RegisterClass<TGraphicsObject, TPersistent>();
    RegisterClass<TFont, TGraphicsObject>([](TClassBuilder<TFont>& c) {
        c.Property("Charset", &TFont::Charset, &TFont::SetCharset, gdi::DEFAULT_CHARSET)
            .Idents(CharsetIdents)
            .Property("Color", &TFont::Color, &TFont::SetColor, clWindowText)
            .Idents(ColorIdents())
            .Property("Height", &TFont::Height, &TFont::SetHeight, -11)
            .Property("Name", &TFont::Name, &TFont::SetName, std::string("Tahoma"))
            .Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles());
    });
}
