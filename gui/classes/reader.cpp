#include "gui/classes/reader.h"

#include "gui/classes/classregistry.h"
#include "gui/classes/collection.h"
#include "gui/classes/exceptions.h"
#include "gui/classes/names.h"

#include <exception>

namespace {

// The object a dotted property name leads to from instance, and the published property
// its last part names there (null when it names none).
struct TTarget {
    TPersistent* Instance;
    const TPropInfo* Property;
    std::string_view Last;
};

TTarget ResolveDotted(TPersistent& instance, std::string_view name) {
    TPersistent* target = &instance;
    for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
        const std::string part(name.substr(0, dot));
        const TPropInfo* property = ClassInfoOf(*target).FindProperty(part);
        if (!property || property->Kind != pkObject)
            throw EReadError("Property " + part + " does not exist");
        target = property->GetObject(*target);
        if (!target)
            throw EReadError("Property " + part + " has no object");
        name.remove_prefix(dot + 1);
    }
    return {target, ClassInfoOf(*target).FindProperty(name), name};
}

std::string DisplayName(const TComponent& component) {
    return component.Name().empty() ? component.ClassName() : component.Name();
}

// Gives the root the name the stream holds unless it has one; a sibling of that name
// makes it name_1, name_2...
std::string UniqueRootName(const TComponent& root, const std::string& name) {
    const TComponent* owner = root.Owner();
    if (!owner || name.empty() || !owner->FindComponent(name))
        return name;
    for (int i = 1;; ++i) {
        const std::string candidate = name + "_" + std::to_string(i);
        if (!owner->FindComponent(candidate))
            return candidate;
    }
}

// Adds a step to the path for as long as it lives.
template <class TStep>
class TPushed {
public:
    TPushed(std::vector<TStep>& steps, TStep step) : FSteps(steps) {
        FSteps.push_back(std::move(step));
    }
    TPushed(const TPushed&) = delete;
    TPushed& operator=(const TPushed&) = delete;
    ~TPushed() { FSteps.pop_back(); }

private:
    std::vector<TStep>& FSteps;
};

} // namespace

void TReader::ReadRootComponent(TComponent& root) {
    FRoot = &root;
    ReadSignature();
    SkipFilerFlags();
    const std::string className = ReadStr();
    const std::string name = ReadStr();
    if (!SameText(className, root.ClassName()))
        throw EReadError("Invalid stream format: a " + className + " cannot be read into a " +
                         root.ClassName());
    root.FComponentState.Include(csLoading).Include(csReading);
    FLoaded = {&root};
    try {
        if (root.Name().empty())
            root.SetName(UniqueRootName(root, name));
        FComponent = &root;
        ReadProperties(root);
        ReadChildren(root);
        ResolveFixups();
    } catch (...) {
        Rollback();
        throw;
    }
    for (TComponent* component : FLoaded)
        component->FComponentState.Exclude(csReading);
    CallLoaded();
}

void TReader::DefineProperty(std::string_view name, const TReaderProc& readData, const TWriterProc&,
                             bool) {
    if (FDefinedFound || !SameText(name, FDefinedName))
        return;
    FDefinedFound = true;
    if (readData)
        readData(*this);
    else
        SkipValue();
}

void TReader::DefineBinaryProperty(std::string_view name, const TStreamProc& readData,
                                   const TStreamProc&, bool) {
    if (FDefinedFound || !SameText(name, FDefinedName))
        return;
    FDefinedFound = true;
    TMemoryStream data(ReadBinary());
    if (readData)
        readData(data);
}

void TReader::ReadChildren(TComponent& parent) {
    while (!EndOfList())
        ReadChild(parent);
    ReadListEnd();
}

void TReader::ReadChild(TComponent& parent) {
    TNesting nesting(*this);
    SkipFilerFlags();
    const std::string className = ReadStr();
    const std::string name = ReadStr();
    const TClassInfo& info = FindClass(className);
    TComponent* component = info.CreateComponent(FRoot);
    if (!component)
        throw EReadError("Class " + className + " is not a component that can be created");
    FLoaded.push_back(component);
    component->FComponentState.Include(csLoading).Include(csReading);
    component->SetName(name);
    component->SetParentComponent(&parent);
    TComponent* const container = FComponent;
    FComponent = component;
    ReadProperties(*component);
    ReadChildren(*component);
    FComponent = container;
}

void TReader::ReadProperties(TPersistent& instance) {
    while (!EndOfList())
        ReadProperty(instance, ReadStr());
    ReadListEnd();
}

void TReader::ReadProperty(TPersistent& instance, const std::string& name) {
    const std::string path = CurrentPath() + "." + name;
    try {
        const TTarget target = ResolveDotted(instance, name);
        if (target.Property)
            ReadPropValue(*target.Instance, *target.Property, name, path);
        else if (!ReadDefinedProperty(*target.Instance, target.Last))
            throw EReadError("Property " + std::string(target.Last) + " does not exist");
    } catch (const EClassNotFound&) {
        throw;
    } catch (const EReadError& error) {
        if (FErrorHasPath)
            throw;
        FErrorHasPath = true;
        throw EReadError("Error reading " + path + ": " + error.Message());
    }
}

void TReader::ReadPropValue(TPersistent& instance, const TPropInfo& property,
                            const std::string& name, const std::string& path) {
    switch (property.Kind) {
    case pkObject:
        InvalidValue();
    case pkCollection: {
        auto* collection = static_cast<TCollection*>(property.GetObject(instance));
        if (!collection)
            throw EReadError("Property " + property.Name + " has no object");
        ReadCollection(*collection, name);
        return;
    }
    case pkComponent:
    case pkEvent: {
        const TValueType type = ReadValue();
        if (type == vaNil) {
            if (property.Kind == pkComponent)
                property.SetComponent(instance, nullptr);
            else
                property.SetMethod(instance, nullptr, *FRoot);
            return;
        }
        if (type != vaIdent)
            InvalidValue();
        FFixups.push_back({FComponent, FSteps, name, ReadStr(), path});
        return;
    }
    default:
        if (!property.SetValue(instance, ReadPlainValue(property)))
            InvalidValue();
    }
}

TPropValue TReader::ReadPlainValue(const TPropInfo& property) {
    const TValueType type = ReadValue();
    const auto invalidIdent = [](const std::string& ident) {
        return EReadError("Invalid property value " + ident);
    };
    switch (property.Kind) {
    case pkInteger:
        if (IsIntegerType(type))
            return ReadIntegerBody(type);
        if (type == vaIdent) {
            const std::string ident = ReadStr();
            if (const auto value = IdentToInt(property.IdentMap, ident))
                return *value;
            throw invalidIdent(ident);
        }
        break;
    case pkBoolean:
        if (type == vaFalse || type == vaTrue)
            return type == vaTrue;
        break;
    case pkFloat:
        if (IsIntegerType(type) || type == vaExtended)
            return ReadFloatBody(type);
        break;
    case pkString:
        if (IsStringType(type))
            return ReadStringBody(type);
        break;
    case pkEnum:
        if (type == vaIdent) {
            const std::string ident = ReadStr();
            if (const auto index = IndexOfIdent(property.Idents, ident))
                return std::int64_t(*index);
            throw invalidIdent(ident);
        }
        break;
    case pkSet:
        if (type == vaSet) {
            std::uint64_t bits = 0;
            for (const std::string& ident : ReadSetBody()) {
                const auto index = IndexOfIdent(property.Idents, ident);
                if (!index || *index >= 64)
                    throw invalidIdent(ident);
                bits |= std::uint64_t(1) << *index;
            }
            return std::int64_t(bits);
        }
        break;
    default:
        break;
    }
    InvalidValue();
}

void TReader::ReadCollection(TCollection& collection, const std::string& name) {
    CheckValue(vaCollection);
    TNesting nesting(*this);
    UpdateCollection(collection, [&] {
        collection.Clear();
        while (!EndOfList()) {
            if (IsIntegerType(NextValue()))
                ReadInteger();
            ReadListBegin();
            TCollectionItem* item = collection.Add();
            TPushed<TPathStep> step(FSteps, {name, item->Index()});
            ReadProperties(*item);
        }
    });
    ReadListEnd();
}

bool TReader::ReadDefinedProperty(TPersistent& instance, std::string_view name) {
    const std::string_view outerName = FDefinedName;
    const bool outerFound = FDefinedFound;
    FDefinedName = name;
    FDefinedFound = false;
    instance.DefineProperties(*this);
    const bool found = FDefinedFound;
    FDefinedName = outerName;
    FDefinedFound = outerFound;
    return found;
}

void TReader::ResolveFixups() {
    for (const TFixup& fixup : FFixups) {
        try {
            ResolveFixup(fixup);
        } catch (const EReadError& error) {
            throw EReadError("Error reading " + fixup.Path + ": " + error.Message());
        }
    }
    FFixups.clear();
}

void TReader::ResolveFixup(const TFixup& fixup) {
    TPersistent* instance = fixup.Component;
    for (const TPathStep& step : fixup.Steps) {
        const TTarget target = ResolveDotted(*instance, step.Property);
        auto* collection =
            target.Property && target.Property->Kind == pkCollection
                ? static_cast<TCollection*>(target.Property->GetObject(*target.Instance))
                : nullptr;
        if (!collection || step.Item >= collection->Count())
            throw EReadError("The object no longer exists");
        instance = collection->Items(step.Item);
    }
    const TTarget target = ResolveDotted(*instance, fixup.Property);
    if (!target.Property)
        throw EReadError("The object no longer exists");
    if (target.Property->Kind == pkComponent) {
        TComponent* component = FindRootComponent(fixup.Value);
        if (!component)
            throw EReadError("Component " + fixup.Value + " not found");
        if (!target.Property->SetComponent(*target.Instance, component))
            throw EReadError(fixup.Value + " is a " + component->ClassName() +
                             ", which the property cannot hold");
        return;
    }
    const TMethodInfo* method = ClassInfoOf(*FRoot).FindMethod(fixup.Value);
    if (!method)
        throw EReadError("Method " + fixup.Value + " not found in " + FRoot->ClassName());
    if (!target.Property->SetMethod(*target.Instance, method, *FRoot))
        throw EReadError("Method " + fixup.Value + " of " + FRoot->ClassName() +
                         " does not have the event's parameters");
}

TComponent* TReader::FindRootComponent(std::string_view name) const {
    return SameText(name, FRoot->Name()) ? FRoot : FRoot->FindComponent(name);
}

void TReader::CallLoaded() {
    std::exception_ptr failure;
    for (TComponent* component : FLoaded) {
        try {
            component->Loaded();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TReader::Rollback() {
    for (auto created = FLoaded.rbegin(); created != FLoaded.rend() - 1; ++created) {
        const auto& owned = *created;
        bool stillOwned = false;
        for (int i = 0; i < FRoot->ComponentCount() && !stillOwned; ++i)
            stillOwned = FRoot->Components(i) == owned;
        if (stillOwned)
            delete owned;
    }
    FLoaded.clear();
    FRoot->FComponentState.Exclude(csLoading).Exclude(csReading);
}

std::string TReader::CurrentPath() const {
    std::string path = FComponent ? DisplayName(*FComponent) : std::string();
    for (const TPathStep& step : FSteps)
        path += "." + step.Property + "[" + std::to_string(step.Item) + "]";
    return path;
}
