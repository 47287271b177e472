#include "gui/classes/propinfo.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/names.h"

#include <algorithm>

TClassInfo::TClassInfo(std::string name, std::type_index type, const TClassInfo* parent,
                       bool (*isInstance)(const TPersistent*), TComponentFactory factory)
    : FName(std::move(name)), FType(type), FParent(parent), FDepth(parent ? parent->FDepth + 1 : 0),
      FIsInstance(isInstance), FFactory(factory) {}

TComponent* TClassInfo::CreateComponent(TComponent* owner) const {
    return FFactory ? FFactory(owner) : nullptr;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* info = this; info; info = info->FParent) {
        const auto found = std::ranges::find_if(
            info->FProperties, [&](const TPropInfo& p) { return SameText(p.Name, name); });
        if (found != info->FProperties.end())
            return &*found;
    }
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    for (const TClassInfo* info = this; info; info = info->FParent) {
        const auto found = std::ranges::find_if(
            info->FMethods, [&](const auto& m) { return SameText(m->Name(), name); });
        if (found != info->FMethods.end())
            return found->get();
    }
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> properties =
        FParent ? FParent->Properties() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& property : FProperties) {
        const auto inherited = std::ranges::find_if(
            properties, [&](const TPropInfo* p) { return SameText(p->Name, property.Name); });
        if (inherited != properties.end())
            *inherited = &property;
        else
            properties.push_back(&property);
    }
    return properties;
}

TPropInfo& TClassInfo::AddProperty(TPropInfo property) {
    FProperties.push_back(std::move(property));
    return FProperties.back();
}

TPropInfo& TClassInfo::LastProperty() {
    if (FProperties.empty())
        throw EInvalidOperation("Class " + FName + " has no property to modify");
    return FProperties.back();
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> method) {
    FMethods.push_back(std::move(method));
}
