#include "gui/classes/component.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/names.h"
#include "gui/classes/reader.h"
#include "gui/classes/writer.h"

#include <algorithm>
#include <limits>

namespace {

bool Contains(const std::vector<TComponent*>& list, const TComponent* component) {
    return std::ranges::find(list, component) != list.end();
}

std::int16_t ReadDesignCoordinate(TReader& reader) {
    const std::int64_t value = reader.ReadInteger();
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw EReadError("Invalid property value");
    return std::int16_t(value);
}

std::int32_t PackDesignInfo(std::int16_t left, std::int16_t top) {
    return std::int32_t(std::uint32_t(std::uint16_t(left)) |
                        (std::uint32_t(std::uint16_t(top)) << 16));
}

std::int16_t DesignLeft(std::int32_t info) {
    return std::int16_t(std::uint32_t(info) & 0xFFFF);
}
std::int16_t DesignTop(std::int32_t info) {
    return std::int16_t(std::uint32_t(info) >> 16);
}

} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    if (FOwner)
        FOwner->RemoveComponent(this);
    while (!FFreeNotifies.empty()) {
        TComponent* partner = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(partner->FFreeNotifies, this);
        partner->Notification(this, opRemove);
    }
    DestroyComponents();
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        RaiseListIndexError(index);
    return FComponents[size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner)
        return -1;
    return int(std::ranges::find(FOwner->FComponents, this) - FOwner->FComponents.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    const auto found = std::ranges::find_if(
        FComponents, [&](const TComponent* component) { return SameText(component->FName, name); });
    return found == FComponents.end() ? nullptr : *found;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this)
        return;
    for (const TComponent* owner = this; owner; owner = owner->FOwner)
        if (owner == component)
            throw EComponentError("A component cannot own itself or its owner");
    CheckUniqueName(component->FName, nullptr);
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    NotifyOwned(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this)
        return;
    std::erase(FComponents, component);
    component->FOwner = nullptr;
    NotifyOwned(component, opRemove);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        component->Destroying();
        RemoveComponent(component);
        delete component;
    }
}

void TComponent::Destroying() {
    FComponentState.Include(csDestroying);
    for (TComponent* component : FComponents)
        component->Destroying();
}

void TComponent::SetName(const std::string& name) {
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (FOwner)
        FOwner->CheckUniqueName(name, this);
    FName = name;
}

void TComponent::SetDesigning(bool value) {
    if (value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    for (TComponent* component : FComponents)
        component->SetDesigning(value);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this || Contains(FFreeNotifies, component))
        return;
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    std::erase(FFreeNotifies, component);
    std::erase(component->FFreeNotifies, this);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
    if (root != this)
        return;
    const std::vector<TComponent*> components = FComponents;
    for (TComponent* component : components)
        if (!component->HasParent())
            proc(component);
}

void TComponent::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Left",
        [this](TReader& reader) {
            FDesignInfo = PackDesignInfo(ReadDesignCoordinate(reader), DesignTop(FDesignInfo));
        },
        [this](TWriter& writer) { writer.WriteInteger(DesignLeft(FDesignInfo)); },
        DesignLeft(FDesignInfo) != 0);
    filer.DefineProperty(
        "Top",
        [this](TReader& reader) {
            FDesignInfo = PackDesignInfo(DesignLeft(FDesignInfo), ReadDesignCoordinate(reader));
        },
        [this](TWriter& writer) { writer.WriteInteger(DesignTop(FDesignInfo)); },
        DesignTop(FDesignInfo) != 0);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

void TComponent::NotifyOwned(TComponent* subject, TOperation operation) {
    Notification(subject, operation);
    const std::vector<TComponent*> recipients = FComponents;
    for (TComponent* component : recipients)
        if (component != subject && Contains(FComponents, component))
            component->Notification(subject, operation);
}

void TComponent::CheckUniqueName(const std::string& name, const TComponent* except) const {
    if (name.empty())
        return;
    for (const TComponent* component : FComponents)
        if (component != except && SameText(component->FName, name))
            throw EComponentError("A component named " + name + " already exists");
}
