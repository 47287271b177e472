#include "gui/graphics/graphicsobject.h"

void TGraphicsObject::Changed(bool handlesStale) {
    if (OnChange)
        OnChange(this);
    if (handlesStale)
        FreeHandles();
}
