#include "gui/classes/exceptions.h"
#include "png/pngobject.h"
#include "pngimagelist/pngimagelist.h"

TPngImageCollectionItems::TPngImageCollectionItems(TPngImageList* owner)
    : TCollection(CreateCollectionItem<TPngImageCollectionItem>), FOwner(owner) {}

TPersistent* TPngImageCollectionItems::GetOwner() const {
    return FOwner;
}

TPngImageCollectionItem* TPngImageCollectionItems::Items(int index) const {
    return static_cast<TPngImageCollectionItem*>(TCollection::Items(index));
}

TPngImageCollectionItem* TPngImageCollectionItems::ItemOrNil(int index) const {
    return index >= 0 && index < Count() ? Items(index) : nullptr;
}

TPngImageCollectionItem* TPngImageCollectionItems::AddItem(bool withoutImage) {
    auto* item = new TPngImageCollectionItem(this, withoutImage);
    Added(item);
    return item;
}

TPngImageCollectionItem* TPngImageCollectionItems::InsertItemAt(int index, bool withoutImage) {
    if (index < 0 || index > Count())
        RaiseListIndexError(index);
    TPngImageCollectionItem* item = AddItem(withoutImage);
    item->SetIndex(index);
    return item;
}

void TPngImageCollectionItems::Update(TCollectionItem* item) {
    TCollection::Update(item);
    if (FOwner)
        FOwner->RebuildImageList();
}

TPngImageCollectionItem::TPngImageCollectionItem(TCollection* collection, bool withoutImage)
    : TCollectionItem(collection),
      FPngImage(withoutImage ? nullptr : std::make_unique<TPNGObject>()),
      FName("PngImage" + std::to_string(Index())) {}

TPngImageCollectionItem::~TPngImageCollectionItem() = default;

void TPngImageCollectionItem::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TPngImageCollectionItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    if (other->FPngImage) {
        if (!FPngImage)
            FPngImage = std::make_unique<TPNGObject>();
        FPngImage->Assign(other->FPngImage.get());
    }
    SetBackground(other->FBackground);
    FName = other->FName;
}

std::string TPngImageCollectionItem::DisplayName() const {
    return FName.empty() ? TCollectionItem::DisplayName() : FName;
}

void TPngImageCollectionItem::SetPngImage(const TPNGObject* value) {
    if (!FPngImage)
        FPngImage = std::make_unique<TPNGObject>();
    if (value)
        FPngImage->Assign(value);
    else
        FPngImage->DiscardChunks();
    Changed(false);
}

void TPngImageCollectionItem::SetBackground(TColor value) {
    if (value == FBackground)
        return;
    FBackground = value;
    Changed(false);
}
