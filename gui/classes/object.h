#pragma once
// The root of the GUI layer's classes: every object knows its class name, which messages
// such as "Cannot assign a TFont to a TBitmap" show.

#include <string>
#include <typeinfo>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class's own name, without namespaces.
    std::string ClassName() const;
};

// The name of a class as ClassName reports it.
std::string TypeName(const std::type_info& type);

// The name of an object's class, or "nil" for no object.
std::string ClassNameOf(const TObject* object);
