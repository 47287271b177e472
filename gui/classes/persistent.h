#pragma once
// Objects that can copy themselves from another object. Assign asks the source to copy
// itself into the destination when the destination does not know the source's class.

#include "gui/classes/object.h"

class TPersistent : public TObject {
public:
    // Becomes a copy of source; the base asks the source (AssignTo), which by default fails.
    virtual void Assign(const TPersistent* source);

protected:
    // Copies this object into dest; the base raises EConvertError
    // "Cannot assign a <this class> to a <dest class>".
    virtual void AssignTo(TPersistent* dest) const;
    // Raises EConvertError "Cannot assign a <source class> to a <this class>".
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
