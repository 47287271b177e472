#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/errortexts.h"
#include "gui/imagelist/imagelist.h"

namespace {

gdi::HBITMAP HandleOf(TBitmap* bitmap) {
    return bitmap ? bitmap->Handle() : nullptr;
}

bool Usable(const TIcon* icon) {
    return icon && !icon->Empty();
}

} // namespace

int TCustomImageList::AppendFrom(TCustomImageList& source, int index) {
    source.CheckIndex(index, source.Count());
    const commctrl::TOwnedIcon icon(
        commctrl::ImageList_GetIcon(source.FHandle, index, commctrl::ILD_NORMAL));
    return commctrl::ImageList_ReplaceIcon(Handle(), -1, icon.Get());
}

int TCustomImageList::AppendMasked(TBitmap& image, TColor maskColor) {
    if (maskColor == clNone)
        return commctrl::ImageList_Add(Handle(), image.Handle(), nullptr);
    return commctrl::ImageList_AddMasked(Handle(), image.Handle(), ColorToRGB(maskColor));
}

void TCustomImageList::MoveNative(int from, int to) {
    for (; from < to; ++from)
        commctrl::ImageList_Copy(FHandle, from, FHandle, from + 1, commctrl::ILCF_SWAP);
    for (; from > to; --from)
        commctrl::ImageList_Copy(FHandle, from, FHandle, from - 1, commctrl::ILCF_SWAP);
}

template <class F>
void TCustomImageList::InsertAppended(int index, F append) {
    CheckIndex(index, Count() + 1);
    const int first = Count();
    if (append() < 0)
        return;
    const int added = Count() - first;
    for (int i = 0; i < added; ++i)
        MoveNative(first + i, index + i);
    Change();
}

template <class F>
void TCustomImageList::ReplaceWithAppended(int index, F append) {
    CheckIndex(index, Count());
    const int first = append();
    if (first < 0)
        return;
    commctrl::ImageList_Copy(FHandle, index, FHandle, first, commctrl::ILCF_MOVE);
    while (Count() > first)
        commctrl::ImageList_Remove(FHandle, Count() - 1);
    Change();
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image)
        return -1;
    const int index = commctrl::ImageList_Add(Handle(), image->Handle(), HandleOf(mask));
    if (index >= 0)
        Change();
    return index;
}

int TCustomImageList::AddIcon(TIcon* image) {
    if (!Usable(image))
        return -1;
    const int index = commctrl::ImageList_ReplaceIcon(Handle(), -1, image->Handle());
    if (index >= 0)
        Change();
    return index;
}

int TCustomImageList::AddImage(TCustomImageList* value, int index) {
    if (!value)
        return -1;
    const int added = AppendFrom(*value, index);
    if (added >= 0)
        Change();
    return added;
}

void TCustomImageList::AddImages(TCustomImageList* value) {
    if (!value)
        return;
    const int count = value->Count();
    for (int i = 0; i < count; ++i)
        AppendFrom(*value, i);
    Change();
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image)
        return -1;
    const int index = AppendMasked(*image, maskColor);
    if (index >= 0)
        Change();
    return index;
}

void TCustomImageList::Clear() {
    if (FHandle)
        commctrl::ImageList_Remove(FHandle, -1);
    Change();
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    commctrl::ImageList_Remove(FHandle, index);
    Change();
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
    if (image)
        InsertAppended(index, [&] {
            return commctrl::ImageList_Add(Handle(), image->Handle(), HandleOf(mask));
        });
}

void TCustomImageList::InsertIcon(int index, TIcon* image) {
    if (Usable(image))
        InsertAppended(
            index, [&] { return commctrl::ImageList_ReplaceIcon(Handle(), -1, image->Handle()); });
}

void TCustomImageList::InsertMasked(int index, TBitmap* image, TColor maskColor) {
    if (image)
        InsertAppended(index, [&] { return AppendMasked(*image, maskColor); });
}

void TCustomImageList::Move(int curIndex, int newIndex) {
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    MoveNative(curIndex, newIndex);
    Change();
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    if (!image)
        return;
    CheckIndex(index, Count());
    if (commctrl::ImageList_Replace(FHandle, index, image->Handle(), HandleOf(mask)))
        Change();
}

void TCustomImageList::ReplaceIcon(int index, TIcon* image) {
    if (!Usable(image))
        return;
    CheckIndex(index, Count());
    if (commctrl::ImageList_ReplaceIcon(FHandle, index, image->Handle()) >= 0)
        Change();
}

void TCustomImageList::ReplaceMasked(int index, TBitmap* newImage, TColor maskColor) {
    if (newImage)
        ReplaceWithAppended(index, [&] { return AppendMasked(*newImage, maskColor); });
}
