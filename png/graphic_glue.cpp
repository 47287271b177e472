// TPNGObject as a graphic of the class library: assignment between graphics.

#include "png/pngobject.h"

void TPNGObject::Assign(const TPersistent* source) {
    if (const auto* png = dynamic_cast<const TPNGObject*>(source)) {
        CopyFromPng(*png);
        return;
    }
    TGraphic::Assign(source);
}

void TPNGObject::AssignTo(TPersistent* dest) const {
    if (auto* png = dynamic_cast<TPNGObject*>(dest)) {
        png->CopyFromPng(*this);
        return;
    }
    TGraphic::AssignTo(dest);
}
