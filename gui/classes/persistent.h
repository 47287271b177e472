#pragma once
// Objects that can copy themselves from another object and take part in streaming. Assign
// asks the source to copy itself into the destination when the destination does not know
// the source's class.

#include "gui/classes/object.h"

class TFiler;

class TPersistent : public TObject {
public:
    // Becomes a copy of source; the base asks the source (AssignTo), which by default fails.
    virtual void Assign(const TPersistent* source);
    // The object this one belongs to for naming and streaming (a collection for its items,
    // an owner for its components); none by default.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // Declares the object's unpublished stream data: each call of filer.DefineProperty or
    // filer.DefineBinaryProperty names one value and the callbacks that read and write it.
    // The reader calls this for a name no published property has; the writer calls it after
    // writing the published properties.
    virtual void DefineProperties(TFiler& filer);

protected:
    // Copies this object into dest; the base raises EConvertError
    // "Cannot assign a <this class> to a <dest class>".
    virtual void AssignTo(TPersistent* dest) const;
    // Raises EConvertError "Cannot assign a <source class> to a <this class>".
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
