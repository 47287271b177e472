// TPNGObject as a graphic of the class library: drawing on a canvas, assignment to and from
// bitmaps and other PNG images, the clipboard, and the picture file format for ".png".

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/picture.h"
#include "png/pngobject.h"

#include <typeinfo>

namespace {

// Registered when the codec is part of a program, forgotten when the program ends.
struct TPictureFormatRegistration {
    TPictureFormatRegistration() { RegisterPngPictureFormat(); }
    ~TPictureFormatRegistration() { TPicture::UnregisterGraphicClass(typeid(TPNGObject)); }
};

const TPictureFormatRegistration PictureFormatRegistration;

TPixelFormat PixelFormatOfBits(int bits) {
    switch (bits) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 24:
        return pf24bit;
    default:
        return pf32bit;
    }
}

} // namespace

void RegisterPngPictureFormat() {
    TPicture::RegisterFileFormat("png", "Portable Network Graphics", GraphicClassOf<TPNGObject>());
}

void TPNGObject::Draw(TCanvas& canvas, const TRect& rect) {
    DrawOnDC(canvas.Handle(), ToRECT(rect));
}

// A bitmap makes its handle when first asked, which changes nothing that it shows, so it is
// asked through a non-const view.
void TPNGObject::Assign(const TPersistent* source) {
    if (const auto* png = dynamic_cast<const TPNGObject*>(source)) {
        CopyFromPng(*png);
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        auto& readable = const_cast<TBitmap&>(*bitmap);
        AssignFromBitmapHandle(readable.Handle(), readable.Transparent(),
                               ColorToRGB(readable.TransparentColor()));
        return;
    }
    TGraphic::Assign(source);
}

void TPNGObject::AssignTo(TPersistent* dest) const {
    if (auto* png = dynamic_cast<TPNGObject*>(dest)) {
        png->CopyFromPng(*this);
        return;
    }
    auto* bitmap = dynamic_cast<TBitmap*>(dest);
    if (!bitmap || !HasHeader() || !HeaderChunk().Pixels()) {
        TGraphic::AssignTo(dest);
        return;
    }
    bitmap->SetHandle(CreateBitmapCopy());
    bitmap->SetPixelFormat(PixelFormatOfBits(HeaderChunk().DibBitsPerPixel()));
    if (Transparency() == trColourKey) {
        bitmap->SetTransparentColor(TransparentColour());
        bitmap->SetTransparent(true);
    }
}

TClipboardData TPNGObject::SaveToClipboardFormat() {
    TBitmap bitmap(Width(), Height());
    Draw(bitmap.Canvas(), Rect(0, 0, Width(), Height()));
    return bitmap.SaveToClipboardFormat();
}

void TPNGObject::LoadFromClipboardFormat(gdi::UINT format, gdi::HGDIOBJ data,
                                         gdi::HPALETTE palette) {
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(format, data, palette);
    AssignFromBitmapHandle(bitmap.Handle(), false, 0);
}
