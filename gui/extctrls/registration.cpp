#include "gui/extctrls/registration.h"

#include "gui/classes/classbuilder.h"
#include "gui/controls/registration.h"
#include "gui/extctrls/bevel.h"

void RegisterExtControlClasses() {
    RegisterControlClasses();
    RegisterClass<TBevel, TGraphicControl>([](TClassBuilder<TBevel>& c) {
        c.Property("Shape", &TBevel::Shape, &TBevel::SetShape, bsBox)
            .Property("Style", &TBevel::Style, &TBevel::SetStyle, bsLowered);
    });
}
