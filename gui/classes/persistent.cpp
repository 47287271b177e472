#include "gui/classes/persistent.h"

#include "gui/classes/exceptions.h"

namespace {

[[noreturn]] void RaiseAssignError(const TObject* source, const TObject* dest) {
    throw EConvertError("Cannot assign a " + ClassNameOf(source) + " to a " + ClassNameOf(dest));
}

} // namespace

void TPersistent::Assign(const TPersistent* source) {
    if (source)
        source->AssignTo(this);
    else
        AssignError(source);
}

void TPersistent::AssignTo(TPersistent* dest) const {
    RaiseAssignError(this, dest);
}

void TPersistent::AssignError(const TPersistent* source) const {
    RaiseAssignError(source, this);
}

void TPersistent::DefineProperties(TFiler&) {}
