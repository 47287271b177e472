#include "gui/graphics/clipboard.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/errortexts.h"
#include "gui/graphics/picture.h"

namespace {

// Keeps the clipboard open for a scope.
class TOpened {
public:
    explicit TOpened(const TClipboard& clipboard) : FClipboard(clipboard) { clipboard.Open(); }
    TOpened(const TOpened&) = delete;
    TOpened& operator=(const TOpened&) = delete;
    ~TOpened() { FClipboard.Close(); }

private:
    const TClipboard& FClipboard;
};

// Puts one object on the clipboard, which then owns it.
void Put(gdi::UINT format, clipboard::TOwnedObject& data) {
    if (!clipboard::SetClipboardData(format, data.Get()))
        throw EInvalidGraphic(SUnknownClipboardFormat);
    data.Release();
}

} // namespace

TClipboard::~TClipboard() {
    if (FOpenCount > 0)
        clipboard::CloseClipboard();
}

void TClipboard::Open() const {
    if (FOpenCount == 0 && !clipboard::OpenClipboard())
        throw Exception(SCannotOpenClipboard);
    ++FOpenCount;
}

void TClipboard::Close() const {
    if (FOpenCount == 0)
        return;
    if (--FOpenCount == 0)
        clipboard::CloseClipboard();
}

void TClipboard::Clear() {
    TOpened opened(*this);
    clipboard::EmptyClipboard();
}

bool TClipboard::HasFormat(gdi::UINT format) const {
    return clipboard::IsClipboardFormatAvailable(format);
}

void TClipboard::Assign(const TPersistent* source) {
    const auto* picture = dynamic_cast<const TPicture*>(source);
    // Exporting may fill caches of the graphic (a palette); what it shows stays the same.
    auto* graphic =
        picture ? picture->Graphic() : const_cast<TGraphic*>(dynamic_cast<const TGraphic*>(source));
    if (graphic)
        AssignGraphic(*graphic);
    else if (picture)
        Clear();
    else
        TPersistent::Assign(source);
}

void TClipboard::AssignGraphic(TGraphic& graphic) {
    TClipboardData data = graphic.SaveToClipboardFormat();
    TOpened opened(*this);
    clipboard::EmptyClipboard();
    // An empty graphic has nothing to put: copying it leaves the clipboard empty.
    if (data.Data)
        Put(data.Format, data.Data);
    if (data.Palette) {
        clipboard::TOwnedObject palette(data.Palette.Release());
        Put(clipboard::CF_PALETTE, palette);
    }
}

void TClipboard::LoadGraphic(TGraphic& graphic) const {
    TOpened opened(*this);
    const gdi::HGDIOBJ palette = clipboard::GetClipboardData(clipboard::CF_PALETTE);
    graphic.LoadFromClipboardFormat(clipboard::CF_BITMAP,
                                    clipboard::GetClipboardData(clipboard::CF_BITMAP),
                                    static_cast<gdi::HPALETTE>(palette));
}

void TClipboard::AssignTo(TPersistent* dest) const {
    if (auto* picture = dynamic_cast<TPicture*>(dest)) {
        auto bitmap = std::make_unique<TBitmap>();
        LoadGraphic(*bitmap);
        picture->SetGraphic(std::move(bitmap));
    } else if (auto* graphic = dynamic_cast<TGraphic*>(dest)) {
        LoadGraphic(*graphic);
    } else {
        TPersistent::AssignTo(dest);
    }
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}
