#include "gui/classes/collection.h"

#include "gui/classes/exceptions.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* collection) {
    if (collection)
        collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection)
        FCollection->RemoveItem(this);
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

int TCollectionItem::Index() const {
    if (!FCollection)
        return -1;
    const auto& items = FCollection->FItems;
    return int(std::ranges::find(items, this) - items.begin());
}

void TCollectionItem::SetIndex(int value) {
    const int current = Index();
    if (current < 0 || value == current)
        return;
    auto& items = FCollection->FItems;
    if (value < 0 || value >= int(items.size()))
        RaiseListIndexError(value);
    const auto from = items.begin() + current;
    const auto to = items.begin() + value;
    if (value < current)
        std::rotate(to, from, from + 1);
    else
        std::rotate(from, from + 1, to + 1);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TCollectionItemClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection() {
    FDestroying = true;
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return FItems[size_t(index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = FItemClass(*this);
    Added(item);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        RaiseListIndexError(index);
    TCollectionItem* item = nullptr;
    UpdateCollection(*this, [&] {
        item = Add();
        item->SetIndex(index);
    });
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (FItems.empty())
        return;
    UpdateCollection(*this, [&] {
        while (!FItems.empty())
            delete FItems.back();
    });
}

TCollectionItem* TCollection::FindItemID(int id) const {
    const auto found = std::ranges::find(FItems, id, &TCollectionItem::FID);
    return found == FItems.end() ? nullptr : *found;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    UpdateCollection(*this, [&] {
        Clear();
        for (const TCollectionItem* item : other->FItems)
            Add()->Assign(item);
    });
}

void TCollection::Added(TCollectionItem*) {
    Changed();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
    std::erase(FItems, item);
    item->FCollection = nullptr;
    if (!FDestroying)
        Changed();
}
