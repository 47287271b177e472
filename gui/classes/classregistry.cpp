#include "gui/classes/classregistry.h"

#include "gui/classes/classbuilder.h"
#include "gui/classes/names.h"
#include "gui/classes/strings.h"

#include <unordered_map>
#include <vector>

namespace {

class TRegistry {
public:
    TRegistry();

    const TClassInfo& Add(std::unique_ptr<TClassInfo> info);
    const TClassInfo* ByName(std::string_view name) const;
    const TClassInfo* ByType(std::type_index type) const;
    const TClassInfo& Of(const TPersistent& object);

private:
    template <class T>
    const TClassInfo& AddCore(const TClassInfo* parent, void (*describe)(TClassBuilder<T>&));

    std::vector<std::unique_ptr<TClassInfo>> FClasses;
    std::unordered_map<std::string, const TClassInfo*> FByName;
    std::unordered_map<std::type_index, const TClassInfo*> FByType;
    // Unregistered types already matched to their nearest registered ancestor.
    std::unordered_map<std::type_index, const TClassInfo*> FResolved;
};

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

template <class T>
void NoProperties(TClassBuilder<T>&) {}

void DescribeComponent(TClassBuilder<TComponent>& c) {
    c.Property("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
}

TRegistry::TRegistry() {
    const TClassInfo& persistent = AddCore<TPersistent>(nullptr, NoProperties);
    AddCore<TComponent>(&persistent, DescribeComponent);
    AddCore<TCollection>(&persistent, NoProperties);
    AddCore<TCollectionItem>(&persistent, NoProperties);
    const TClassInfo& strings = AddCore<TStrings>(&persistent, NoProperties);
    AddCore<TStringList>(&strings, NoProperties);
}

template <class T>
const TClassInfo& TRegistry::AddCore(const TClassInfo* parent,
                                     void (*describe)(TClassBuilder<T>&)) {
    auto info = classbuilder::MakeClassInfo<T>(parent);
    TClassBuilder<T> builder(*info);
    describe(builder);
    return Add(std::move(info));
}

const TClassInfo& TRegistry::Add(std::unique_ptr<TClassInfo> info) {
    if (const TClassInfo* known = ByType(info->Type()))
        return *known;
    const std::string key = UpperCase(info->Name());
    if (FByName.contains(key))
        throw EStreamError("A class named " + info->Name() + " already exists");
    const TClassInfo& added = *FClasses.emplace_back(std::move(info));
    FByName.emplace(key, &added);
    FByType.emplace(added.Type(), &added);
    FResolved.clear();
    return added;
}

const TClassInfo* TRegistry::ByName(std::string_view name) const {
    const auto found = FByName.find(UpperCase(name));
    return found == FByName.end() ? nullptr : found->second;
}

const TClassInfo* TRegistry::ByType(std::type_index type) const {
    const auto found = FByType.find(type);
    return found == FByType.end() ? nullptr : found->second;
}

const TClassInfo& TRegistry::Of(const TPersistent& object) {
    const std::type_index type = typeid(object);
    if (const TClassInfo* exact = ByType(type))
        return *exact;
    if (const auto resolved = FResolved.find(type); resolved != FResolved.end())
        return *resolved->second;
    const TClassInfo* nearest = FClasses.front().get();
    for (const auto& info : FClasses)
        if (info->Depth() > nearest->Depth() && info->IsInstance(object))
            nearest = info.get();
    FResolved.emplace(type, nearest);
    return *nearest;
}

} // namespace

const TClassInfo* GetClass(std::string_view name) {
    return Registry().ByName(name);
}

const TClassInfo& FindClass(std::string_view name) {
    const TClassInfo* info = GetClass(name);
    if (!info)
        throw EClassNotFound("Class " + std::string(name) + " not found");
    return *info;
}

const TClassInfo* GetClassInfo(std::type_index type) {
    return Registry().ByType(type);
}

const TClassInfo& ClassInfoOf(const TPersistent& object) {
    return Registry().Of(object);
}

const TClassInfo& AddClassInfo(std::unique_ptr<TClassInfo> info) {
    return Registry().Add(std::move(info));
}

const TClassInfo& classbuilder::RequireParent(const std::type_info& type,
                                              const std::type_info& parent) {
    const TClassInfo* info = GetClassInfo(parent);
    if (!info)
        throw EInvalidOperation("Cannot register " + TypeName(type) + ": its ancestor " +
                                TypeName(parent) + " is not registered");
    return *info;
}
