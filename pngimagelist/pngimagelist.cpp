#include "pngimagelist/pngimagelist.h"

#include "gui/graphics/canvas.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/owned.h"
#include "png/pngobject.h"

TPngImageList::TPngImageList(TComponent* owner)
    : TImageList(owner), FPngImages(std::make_unique<TPngImageCollectionItems>(this)) {}

// The items go first; the collection reports nothing while it is destroyed.
TPngImageList::~TPngImageList() = default;

void TPngImageList::SetPngImages(const TPngImageCollectionItems* value) {
    if (value == FPngImages.get())
        return;
    FPngImages->Assign(value);
    Change();
}

void TPngImageList::SetEnabledImages(bool value) {
    if (value == FEnabledImages)
        return;
    FEnabledImages = value;
    RebuildImageList();
}

void TPngImageList::SetPngOptions(TPngOptions value) {
    if (value == FPngOptions)
        return;
    FPngOptions = value;
    RebuildImageList();
}

void TPngImageList::UnlockRebuild(bool rebuild) {
    --FRebuildLock;
    if (rebuild && FRebuildLock == 0)
        RebuildImageList();
}

void TPngImageList::RebuildImageList() {
    if (FRebuildLock > 0)
        return;
    commctrl::TOwnedImageList native = NewNativeList();
    for (int i = 0; i < FPngImages->Count(); ++i) {
        const TPngImageCollectionItem& item = *FPngImages->Items(i);
        if (!item.PngImage())
            continue;
        const commctrl::TOwnedIcon icon = NativeIcon(*item.PngImage(), item.Background());
        commctrl::ImageList_ReplaceIcon(native.Get(), -1, icon.Get());
    }
    // The old native list goes only once the new one is complete.
    InstallHandle(native.Release(), false);
}

commctrl::TOwnedIcon TPngImageList::NativeIcon(TPNGObject& png, TColor background) const {
    if (FEnabledImages || FPngOptions.Empty() || !HasPicture(png))
        return MakeIcon(png, background);
    return MakeIcon(*DisabledPng(png, FPngOptions), clNone);
}

void TPngImageList::DoDraw(int index, TCanvas& canvas, int x, int y, commctrl::UINT, bool enabled) {
    TPngImageCollectionItem* item = FPngImages->ItemOrNil(index);
    if (!item || !item->PngImage())
        return;
    const TPngOptions options = enabled ? TPngOptions{} : FPngOptions;
    const int scale = gdi::GetDeviceScale(canvas.Handle());
    TPNGObject* dense = scale % 2 == 0 ? item->PngImage2x() : nullptr;
    const bool fits = dense && HasPicture(*dense) && dense->Width() == 2 * Width() &&
                      dense->Height() == 2 * Height();
    const gdi::TOwnedDC view(fits ? gdi::CreateScaledViewDC(canvas.Handle(), scale / 2) : nullptr);
    if (!view) {
        PaintPng(*item->PngImage(), canvas, Bounds(x, y, Width(), Height()), options);
        return;
    }
    // The view's logical pixels are half the canvas's.
    TCanvas viewCanvas;
    viewCanvas.SetHandle(view.Get());
    PaintPng(*dense, viewCanvas, Bounds(2 * x, 2 * y, dense->Width(), dense->Height()), options);
}
