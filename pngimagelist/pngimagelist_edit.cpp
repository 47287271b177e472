// The fourteen mutating operations of the PNG image list. Each converts its image first, so
// that a conversion that fails leaves the list as it was, then changes the items and the
// native images under the rebuild lock.

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/errortexts.h"
#include "png/pngobject.h"
#include "pngimagelist/pngimagelist.h"

namespace {

bool Usable(const TGraphic* image) {
    return image && !image->Empty();
}

} // namespace

template <class F>
void TPngImageList::Locked(bool rebuild, F&& body) {
    LockRebuild();
    try {
        body();
    } catch (...) {
        UnlockRebuild(rebuild);
        throw;
    }
    UnlockRebuild(rebuild);
}

void TPngImageList::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EInvalidOperation(SImageIndexError);
}

void TPngImageList::ShiftNative(int from, int to) {
    const commctrl::HIMAGELIST native = Handle();
    for (; from < to; ++from)
        commctrl::ImageList_Copy(native, from, native, from + 1, commctrl::ILCF_SWAP);
    for (; from > to; --from)
        commctrl::ImageList_Copy(native, from, native, from - 1, commctrl::ILCF_SWAP);
}

void TPngImageList::InsertNativeIcon(int index, TPNGObject& png, TColor background) {
    const commctrl::TOwnedIcon icon = NativeIcon(png, background);
    const int appended = commctrl::ImageList_ReplaceIcon(Handle(), -1, icon.Get());
    if (appended >= 0)
        ShiftNative(appended, index);
}

int TPngImageList::AddPng(std::unique_ptr<TPNGObject> png) {
    int index = -1;
    Locked(true, [&] {
        TPngImageCollectionItem* item = FPngImages->AddItem(true);
        item->SetPngImage(std::move(png));
        index = item->Index();
        InsertNativeIcon(index, *item->PngImage(), item->Background());
        Change();
    });
    return index;
}

void TPngImageList::InsertPng(int index, std::unique_ptr<TPNGObject> png) {
    Locked(false, [&] {
        TPngImageCollectionItem* item = FPngImages->InsertItemAt(index, true);
        item->SetPngImage(std::move(png));
        InsertNativeIcon(index, *item->PngImage(), item->Background());
        Change();
    });
}

void TPngImageList::ReplacePng(int index, std::unique_ptr<TPNGObject> png) {
    Locked(false, [&] {
        TPngImageCollectionItem* item = FPngImages->Items(index);
        item->SetPngImage(std::move(png));
        const commctrl::TOwnedIcon icon = NativeIcon(*item->PngImage(), item->Background());
        commctrl::ImageList_ReplaceIcon(Handle(), index, icon.Get());
        Change();
    });
}

int TPngImageList::Add(TBitmap* image, TBitmap* mask) {
    return Usable(image) ? AddPng(MaskedBitmapToPng(*image, mask, false)) : -1;
}

int TPngImageList::AddIcon(TIcon* image) {
    return Usable(image) ? AddPng(GraphicToPng(*image)) : -1;
}

int TPngImageList::AddImage(TCustomImageList* value, int index) {
    if (!value)
        return -1;
    auto png = std::make_unique<TPNGObject>();
    CopyPngFromImageList(*png, *value, index);
    return AddPng(std::move(png));
}

void TPngImageList::AddImages(TCustomImageList* value) {
    if (!value)
        return;
    // Counted first: value may be this list, which grows meanwhile.
    const int count = value->Count();
    Locked(true, [&] {
        for (int i = 0; i < count; ++i) {
            auto png = std::make_unique<TPNGObject>();
            CopyPngFromImageList(*png, *value, i);
            TPngImageCollectionItem* item = FPngImages->AddItem(true);
            item->SetPngImage(std::move(png));
            InsertNativeIcon(item->Index(), *item->PngImage(), item->Background());
        }
        Change();
    });
}

int TPngImageList::AddMasked(TBitmap* image, TColor maskColor) {
    return Usable(image) ? AddPng(KeyedBitmapToPng(*image, maskColor)) : -1;
}

void TPngImageList::Clear() {
    Locked(false, [&] {
        FPngImages->Clear();
        if (HandleAllocated())
            commctrl::ImageList_Remove(Handle(), -1);
        Change();
    });
}

void TPngImageList::Delete(int index) {
    if (index < 0 || index >= FPngImages->Count())
        return;
    Locked(false, [&] {
        FPngImages->Delete(index);
        if (HandleAllocated())
            commctrl::ImageList_Remove(Handle(), index);
        Change();
    });
}

void TPngImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
    if (!Usable(image))
        return;
    CheckIndex(index, FPngImages->Count() + 1);
    InsertPng(index, MaskedBitmapToPng(*image, mask, false));
}

void TPngImageList::InsertIcon(int index, TIcon* image) {
    if (!Usable(image))
        return;
    CheckIndex(index, FPngImages->Count() + 1);
    InsertPng(index, GraphicToPng(*image));
}

void TPngImageList::InsertMasked(int index, TBitmap* image, TColor maskColor) {
    if (!Usable(image))
        return;
    CheckIndex(index, FPngImages->Count() + 1);
    InsertPng(index, KeyedBitmapToPng(*image, maskColor));
}

void TPngImageList::Move(int curIndex, int newIndex) {
    CheckIndex(curIndex, FPngImages->Count());
    CheckIndex(newIndex, FPngImages->Count());
    Locked(false, [&] {
        ShiftNative(curIndex, newIndex);
        FPngImages->Items(curIndex)->SetIndex(newIndex);
        Change();
    });
}

void TPngImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    if (!Usable(image))
        return;
    CheckIndex(index, FPngImages->Count());
    ReplacePng(index, MaskedBitmapToPng(*image, mask, false));
}

void TPngImageList::ReplaceIcon(int index, TIcon* image) {
    if (!Usable(image))
        return;
    CheckIndex(index, FPngImages->Count());
    ReplacePng(index, GraphicToPng(*image));
}

void TPngImageList::ReplaceMasked(int index, TBitmap* newImage, TColor maskColor) {
    if (!Usable(newImage))
        return;
    CheckIndex(index, FPngImages->Count());
    ReplacePng(index, KeyedBitmapToPng(*newImage, maskColor));
}
