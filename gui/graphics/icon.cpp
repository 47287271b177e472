#include "gui/graphics/icon.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/errortexts.h"
#include "gui/graphics/icoformat.h"
#include "gui/graphics/picture.h"

#include <optional>
#include <typeinfo>

namespace {

struct TPictureFormatRegistration {
    TPictureFormatRegistration() { RegisterIconPictureFormat(); }
    ~TPictureFormatRegistration() { TPicture::UnregisterGraphicClass(typeid(TIcon)); }
};

const TPictureFormatRegistration PictureFormatRegistration;

// A new handle of the same image, owned by the caller.
commctrl::TOwnedIcon CopyIcon(commctrl::HICON icon) {
    commctrl::ICONINFO info;
    if (!commctrl::GetIconInfo(icon, &info))
        throw EInvalidGraphic(SInvalidIcon);
    const gdi::TOwnedBitmap colour(info.hbmColor);
    const gdi::TOwnedBitmap mask(info.hbmMask);
    commctrl::TOwnedIcon copy(commctrl::CreateIconIndirect(&info));
    if (!copy)
        throw EOutOfResources(SOutOfResources);
    return copy;
}

// The size of a live icon's image; nothing for a handle that is no icon.
std::optional<TSize> IconSize(commctrl::HICON icon) {
    commctrl::ICONINFO info;
    if (!icon || !commctrl::GetIconInfo(icon, &info))
        return std::nullopt;
    const gdi::TOwnedBitmap colour(info.hbmColor);
    const gdi::TOwnedBitmap mask(info.hbmMask);
    gdi::BITMAP shape;
    gdi::GetObject(colour.Get(), shape);
    return TSize{shape.bmWidth, shape.bmHeight};
}

} // namespace

void RegisterIconPictureFormat() {
    TPicture::RegisterFileFormat("ico", "Icon", GraphicClassOf<TIcon>());
}

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::Assign(const TPersistent* source) {
    if (!source) {
        Replace({}, {});
        return;
    }
    const auto* icon = dynamic_cast<const TIcon*>(source);
    if (!icon) {
        TGraphic::Assign(source);
        return;
    }
    if (icon == this)
        return;
    Replace(icon->FHandle ? CopyIcon(icon->Handle()) : commctrl::TOwnedIcon(), icon->FFileBytes);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    if (FHandle)
        commctrl::DrawIconEx(canvas.Handle(), rect.Left, rect.Top, FHandle.Get(), rect.Width(),
                             rect.Height(), 0, nullptr, commctrl::DI_NORMAL);
}

void TIcon::SetWidth(int) {
    throw EInvalidOperation(SChangeIconSize);
}

void TIcon::SetHeight(int) {
    throw EInvalidOperation(SChangeIconSize);
}

void TIcon::LoadFromStream(TStream& stream) {
    TIconFile file = ReadIconFile(stream);
    Replace(std::move(file.Icon), std::move(file.Bytes));
}

void TIcon::SaveToStream(TStream& stream) {
    if (!FFileBytes.empty())
        stream.WriteBuffer(FFileBytes.data(), std::int64_t(FFileBytes.size()));
    else if (FHandle)
        WriteIconFile(stream, FHandle.Get());
}

void TIcon::SetHandle(commctrl::HICON value) {
    if (value == FHandle.Get())
        return;
    // A foreign handle is refused before it is owned, so it is never destroyed here.
    if (value && !IconSize(value))
        throw EInvalidGraphic(SInvalidIcon);
    Replace(commctrl::TOwnedIcon(value), {});
}

commctrl::HICON TIcon::ReleaseHandle() {
    commctrl::HICON handle = FHandle.Release();
    Replace({}, {});
    return handle;
}

commctrl::TOwnedIcon TIcon::NewHandle(int side) const {
    if (!FHandle)
        return {};
    return FFileBytes.empty() ? CopyIcon(FHandle.Get()) : ReadIconImage(FFileBytes, side);
}

void TIcon::Replace(commctrl::TOwnedIcon handle, std::vector<std::uint8_t> fileBytes) {
    const TSize size = IconSize(handle.Get()).value_or(TSize{});
    FHandle = std::move(handle);
    FWidth = size.cx;
    FHeight = size.cy;
    FFileBytes = std::move(fileBytes);
    Changed();
}
