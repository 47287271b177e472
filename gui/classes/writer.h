#pragma once
// Writing a component tree as a binary form stream that TReader reads back: the root, its
// published properties in declaration order (a plain property only when it differs from its
// default, none whose stored predicate is false), nested objects' properties under dotted
// names, collections, then the values of DefineProperties, then the children that
// GetChildren hands out, each written the same way.

#include "gui/classes/component.h"
#include "gui/classes/filer.h"
#include "gui/classes/propinfo.h"
#include "gui/classes/valuewriter.h"

#include <string>

class TCollection;

class TWriter : public TValueWriter, public TFiler {
public:
    explicit TWriter(TStream& stream) : TValueWriter(stream) {}

    void WriteRootComponent(TComponent& root);
    TComponent* Root() const { return FRoot; }

    void DefineProperty(std::string_view name, const TReaderProc& readData,
                        const TWriterProc& writeData, bool hasData) override;
    void DefineBinaryProperty(std::string_view name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;

private:
    void WriteComponent(TComponent& component);
    void WriteProperties(TPersistent& instance);
    void WriteProperty(TPersistent& instance, const TPropInfo& property);
    void WritePlainValue(const TPropInfo& property, const TPropValue& value);
    void WriteCollection(const TCollection& collection);
    // The name a reference to component is written with; EWriteError when the reader
    // could not find it again.
    std::string ReferenceName(const TComponent& component, const std::string& property) const;

    TComponent* FRoot = nullptr;
    std::string FPrefix;
};
