#pragma once
// Reading a binary form stream into a component tree.
//
// The stream's top object is read into an existing root (the form being created), whose
// class name must be the one the stream names. Every nested object is created through the
// class registry with the root as owner, named, and given the object it is nested in as
// parent (TComponent::SetParentComponent) before its properties are read. Properties are set
// through the published-property metadata; names no published property has go to the
// object's DefineProperties. Component references and event handlers are resolved once the
// whole tree exists. While reading, every component has csLoading and csReading; then
// Loaded is called on each, the root first, in order of creation.
//
// Bad input raises EReadError (EClassNotFound for an unknown class) naming the object and
// property; the components created so far are destroyed again.

#include "gui/classes/component.h"
#include "gui/classes/filer.h"
#include "gui/classes/propinfo.h"
#include "gui/classes/valuereader.h"

#include <string>
#include <string_view>
#include <vector>

class TCollection;

class TReader : public TValueReader, public TFiler {
public:
    explicit TReader(TStream& stream) : TValueReader(stream) {}

    void ReadRootComponent(TComponent& root);
    TComponent* Root() const { return FRoot; }

    void DefineProperty(std::string_view name, const TReaderProc& readData,
                        const TWriterProc& writeData, bool hasData) override;
    void DefineBinaryProperty(std::string_view name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;

private:
    // One step from a component to an object below it: the (dotted) name of a collection
    // property and the index of the item.
    struct TPathStep {
        std::string Property;
        int Item;
    };
    // A reference or handler to set once the tree is complete, kept as a path rather than
    // a pointer, since the object may be gone by then.
    struct TFixup {
        TComponent* Component;
        std::vector<TPathStep> Steps;
        std::string Property;
        std::string Value;
        std::string Path;
    };

    void ReadChildren(TComponent& parent);
    void ReadChild(TComponent& parent);
    void ReadProperties(TPersistent& instance);
    void ReadProperty(TPersistent& instance, const std::string& name);
    void ReadPropValue(TPersistent& instance, const TPropInfo& property, const std::string& name,
                       const std::string& path);
    TPropValue ReadPlainValue(const TPropInfo& property);
    void ReadCollection(TCollection& collection, const std::string& name);
    bool ReadDefinedProperty(TPersistent& instance, std::string_view name);
    void ResolveFixups();
    void ResolveFixup(const TFixup& fixup);
    TComponent* FindRootComponent(std::string_view name) const;
    void CallLoaded();
    void Rollback();
    std::string CurrentPath() const;

    TComponent* FRoot = nullptr;
    TComponent* FComponent = nullptr;
    std::vector<TPathStep> FSteps;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
    std::string_view FDefinedName;
    bool FDefinedFound = false;
    bool FErrorHasPath = false;
};
