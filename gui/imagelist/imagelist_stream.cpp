#include "gui/classes/classbuilder.h"
#include "gui/graphics/colorident.h"
#include "gui/imagelist/imagedata.h"
#include "gui/imagelist/imagelist.h"
#include "gui/imagelist/platformcolour.h"

namespace {

void DescribeImageList(TClassBuilder<TCustomImageList>& c) {
    using L = TCustomImageList;
    c.Property("BlendColor", &L::BlendColor, &L::SetBlendColor, clNone)
        .Idents(ColorIdents())
        .Property("BkColor", &L::BkColor, &L::SetBkColor, clNone)
        .Idents(ColorIdents())
        .Property("AllocBy", &L::AllocBy, &L::SetAllocBy, 4)
        .Property("DrawingStyle", &L::DrawingStyle, &L::SetDrawingStyle, dsNormal)
        .Property("Height", &L::Height, &L::SetHeight, 16)
        .Property("ImageType", &L::ImageType, &L::SetImageType, itImage)
        .Property("Masked", &L::Masked, &L::SetMasked, true)
        .Event("OnChange", &L::OnChange)
        .Property("ShareImages", &L::ShareImages, &L::SetShareImages, false)
        .Property("Width", &L::Width, &L::SetWidth, 16);
}

// Registered when the image lists are part of a program.
const bool Registered = (RegisterImageListClasses(), true);

} // namespace

void RegisterImageListClasses() {
    RegisterClass<TCustomImageList, TComponent>(DescribeImageList);
    RegisterClass<TDragImageList, TCustomImageList>();
    RegisterClass<TImageList, TDragImageList>();
}

void TCustomImageList::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    // This layer's writer has no ancestor to compare with, so any image is written.
    filer.DefineBinaryProperty(
        "Bitmap", [this](TStream& stream) { ReadData(stream); },
        [this](TStream& stream) { WriteData(stream); }, Count() > 0);
}

void TCustomImageList::ReadData(TStream& stream) {
    const commctrl::UINT flags = commctrl::ILC_COLOR32 | (FMasked ? commctrl::ILC_MASK : 0);
    commctrl::TOwnedImageList list = ReadImageData(stream, FWidth, FHeight, flags, FAllocBy);
    commctrl::ImageList_SetBkColor(list.Get(), PlatformColour(FBkColor));
    InstallHandle(list.Release(), false);
}

void TCustomImageList::WriteData(TStream& stream) {
    WriteImageData(stream, Handle());
}
