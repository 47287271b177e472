#include "gui/classes/exceptions.h"
#include "gui/classes/filer.h"
#include "gui/classes/stream.h"
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
    FPngImage2xFile = other->FPngImage2xFile;
    FPngImage2x.reset();
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

TPNGObject* TPngImageCollectionItem::PngImage2x() {
    if (FPngImage2x || FPngImage2xFile.empty())
        return FPngImage2x.get();
    const std::vector<std::uint8_t> file = std::exchange(FPngImage2xFile, {});
    auto image = std::make_unique<TPNGObject>();
    TMemoryStream stream(file);
    image->LoadFromStream(stream);
    FPngImage2xFile = file;
    FPngImage2x = std::move(image);
    return FPngImage2x.get();
}

void TPngImageCollectionItem::SetPngImage2x(const TPNGObject* value) {
    if (value && value == FPngImage2x.get())
        return;
    FPngImage2xFile.clear();
    FPngImage2x.reset();
    if (!value || !HasPicture(*value))
        return;
    auto image = std::make_unique<TPNGObject>();
    image->Assign(value);
    TMemoryStream stream;
    image->SaveToStream(stream);
    FPngImage2xFile = stream.Bytes();
    FPngImage2x = std::move(image);
}

void TPngImageCollectionItem::DefineProperties(TFiler& filer) {
    TCollectionItem::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "PngImage2x",
        [this](TStream& stream) {
            FPngImage2x.reset();
            FPngImage2xFile.resize(std::size_t(stream.Size()));
            stream.ReadBuffer(FPngImage2xFile.data(), stream.Size());
        },
        [this](TStream& stream) {
            stream.WriteBuffer(FPngImage2xFile.data(), std::int64_t(FPngImage2xFile.size()));
        },
        !FPngImage2xFile.empty());
}

void TPngImageCollectionItem::SetBackground(TColor value) {
    if (value == FBackground)
        return;
    FBackground = value;
    Changed(false);
}
