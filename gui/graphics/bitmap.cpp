#include "gui/graphics/bitmap.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/filer.h"
#include "gui/graphics/bitmapcanvas.h"
#include "gui/graphics/bmpformat.h"
#include "gui/graphics/errortexts.h"

namespace {

gdi::TOwnedPalette PaletteOf(const std::vector<gdi::RGBQUAD>& colors) {
    gdi::LOGPALETTE palette;
    palette.palNumEntries = gdi::WORD(colors.size());
    for (size_t i = 0; i < colors.size(); ++i)
        palette.palPalEntry[i] = {colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
    gdi::TOwnedPalette handle(gdi::CreatePalette(&palette));
    if (!handle)
        throw EOutOfResources(SOutOfResources);
    return handle;
}

bool IsBitmap(gdi::HGDIOBJ object) {
    return gdi::IsValidObject(object) && object->Kind() == gdi::TObjectKind::okBitmap;
}

} // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        FreeContext();
        ReplaceImage({});
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    bitmap->FreeContext();
    TBitmapImage copy = CopyImage(bitmap->FImage);
    FTransparentColor = bitmap->FTransparentColor;
    FTransparentMode = bitmap->FTransparentMode;
    SetTransparent(bitmap->Transparent());
    FreeContext();
    ReplaceImage(std::move(copy));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty())
        return;
    TCanvas& own = Canvas();
    canvas.RequiredState({csHandleValid, csBrushValid});
    own.RequiredState({csHandleValid, csBrushValid});
    const gdi::HDC dest = canvas.FHandle;
    const gdi::HDC source = own.FHandle;
    if (!Transparent())
        gdi::StretchBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0,
                        Width(), Height(), canvas.CopyMode());
    else if (!rect.IsEmpty())
        gdi::TransparentBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0,
                            Width(), Height(), ColorToRGB(TransparentColor()));
}

void TBitmap::DefineProperties(TFiler& filer) {
    TGraphic::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](TStream& stream) { LoadFromStream(stream); },
        [this](TStream& stream) { SaveToStream(stream); }, !Empty());
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0)
        throw EInvalidOperation(SNegativeBitmapSize);
    if (width == Width() && height == Height())
        return;
    FreeContext();
    ReplaceImage(ResizeImage(FImage, width, height, FillColor()));
}

gdi::HPALETTE TBitmap::Palette() {
    if (FPalette || !FImage.Format.IsSection() || !HasColorTable(FImage.Format.BitCount()))
        return FPalette.Get();
    HandleNeeded();
    if (FImage.Handle)
        FPalette = PaletteOf(FImage.Format.Colors);
    return FPalette.Get();
}

void TBitmap::SetPalette(gdi::HPALETTE value) {
    if (!value || !FImage.Format.IsSection() || !HasColorTable(FImage.Format.BitCount()))
        return;
    HandleNeeded();
    std::vector<gdi::RGBQUAD> colors = FImage.Format.Colors;
    gdi::PALETTEENTRY entries[256];
    const gdi::UINT count = gdi::GetPaletteEntries(value, 0, gdi::UINT(colors.size()), entries);
    for (gdi::UINT i = 0; i < count && i < colors.size(); ++i)
        colors[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    FreeContext();
    ReplaceImage(RecolorImage(FImage, std::move(colors)));
}

void TBitmap::LoadFromStream(TStream& stream) {
    TBitmapImage image = DIBToImage(ReadBitmapFile(stream));
    FreeContext();
    ReplaceImage(std::move(image));
}

void TBitmap::SaveToStream(TStream& stream) {
    HandleNeeded();
    FreeContext();
    WriteBitmapFile(stream, ImageToDIB(FImage));
}

TClipboardData TBitmap::SaveToClipboardFormat() {
    HandleNeeded();
    FreeContext();
    TClipboardData data;
    data.Format = clipboard::CF_BITMAP;
    data.Data.Reset(CopyImage(FImage).Handle.Release());
    if (Palette())
        data.Palette = PaletteOf(FImage.Format.Colors);
    return data;
}

void TBitmap::LoadFromClipboardFormat(gdi::UINT format, gdi::HGDIOBJ data, gdi::HPALETTE palette) {
    if (format != clipboard::CF_BITMAP || !IsBitmap(data))
        throw EInvalidGraphic(SUnknownClipboardFormat);
    TBitmapImage image = CopyHandle(static_cast<gdi::HBITMAP>(data));
    FreeContext();
    ReplaceImage(std::move(image));
    SetPalette(palette);
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return *FCanvas;
}

gdi::HBITMAP TBitmap::Handle() {
    FreeContext();
    HandleNeeded();
    return FImage.Handle.Get();
}

void TBitmap::SetHandle(gdi::HBITMAP value) {
    if (value == FImage.Handle.Get())
        return;
    TBitmapImage image = value ? AdoptHandle(value) : TBitmapImage{};
    FreeContext();
    ReplaceImage(std::move(image));
}

gdi::HBITMAP TBitmap::ReleaseHandle() {
    FreeContext();
    HandleNeeded();
    const gdi::HBITMAP handle = FImage.Handle.Release();
    FImage.Bits = nullptr;
    FImage.TopDown = false;
    FPalette.Reset();
    Changed();
    return handle;
}

void TBitmap::SetHandleType(TBitmapHandleType value) {
    if (value == HandleType())
        return;
    if (value == bmDIB)
        Convert(Monochrome() ? pf1bit : pf32bit, false);
    else
        Convert(pfDevice, Monochrome());
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value != PixelFormat())
        Convert(value, false);
}

void TBitmap::SetMonochrome(bool value) {
    if (value != Monochrome())
        Convert(pfDevice, value);
}

void TBitmap::Convert(TPixelFormat pixelFormat, bool monochrome) {
    FreeContext();
    ReplaceImage(ConvertImage(FImage, pixelFormat, monochrome));
}

void* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= Height())
        throw EInvalidOperation(SScanLine);
    SetHandleType(bmDIB);
    HandleNeeded();
    return FImage.Row(row);
}

TColor TBitmap::TransparentColor() {
    if (FTransparentMode == tmFixed)
        return FTransparentColor;
    if (Empty())
        return clNone;
    return Canvas().Pixels(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
    const TTransparentMode mode = value == clDefault ? tmAuto : tmFixed;
    if (value == FTransparentColor && mode == FTransparentMode)
        return;
    FTransparentColor = value;
    FTransparentMode = mode;
    Changed();
}

void TBitmap::HandleNeeded() {
    if (!FImage.Handle && !Empty())
        FImage = NewImage(FImage.Format, FillColor());
}

void TBitmap::FreeContext() const {
    if (FCanvas)
        FCanvas->FreeContext();
}

void TBitmap::ReplaceImage(TBitmapImage image) {
    FreeContext();
    FPalette.Reset();
    FImage = std::move(image);
    Changed();
}

gdi::COLORREF TBitmap::FillColor() const {
    const TColor colour = FCanvas ? FCanvas->Brush().Color() : clWhite;
    return ColorToRGB(colour == clNone ? clWhite : colour);
}
