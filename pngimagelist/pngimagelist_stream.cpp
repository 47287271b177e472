// The PNG image list in form streams: its published properties and those of its items.
// Each item's image travels as "PngImage.Data", a complete PNG file; its double-size image,
// when it has one, as "PngImage2x" after the published properties.

#include "gui/classes/classbuilder.h"
#include "gui/graphics/colorident.h"
#include "png/pngobject.h"
#include "pngimagelist/pngimagelist.h"

namespace {

void DescribeList(TClassBuilder<TPngImageList>& c) {
    using L = TPngImageList;
    c.Property("EnabledImages", &L::EnabledImages, &L::SetEnabledImages, true)
        .Property("PngImages", &L::PngImages)
        .Property("PngOptions", &L::PngOptions, &L::SetPngOptions, TPngOptions{pngBlendOnDisabled});
}

void DescribeItem(TClassBuilder<TPngImageCollectionItem>& c) {
    using I = TPngImageCollectionItem;
    c.Property("PngImage", &I::PngImage)
        .Property("Name", &I::Name, &I::SetName)
        .Property("Background", &I::Background, &I::SetBackground)
        .Idents(ColorIdents());
}

// Registered when the list is part of a program.
const bool Registered = (RegisterPngImageListClasses(), true);

} // namespace

void RegisterPngImageListClasses() {
    RegisterImageListClasses();
    RegisterClass<TPngImageCollectionItem, TCollectionItem>(DescribeItem);
    RegisterClass<TPngImageCollectionItems, TCollection>();
    RegisterClass<TPngImageList, TImageList>(DescribeList);
}

void TPngImageList::ReadData(TStream&) {}

void TPngImageList::WriteData(TStream&) {}
