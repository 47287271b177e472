#include "platform/commctrl/compose.h"
#include "platform/commctrl/objects.h"

namespace commctrl {

namespace detail {

THandleTable<IconObject>& Icons() {
    static THandleTable<IconObject> table;
    return table;
}

HICON NewIcon(TImage image) {
    auto icon = std::make_unique<IconObject>();
    icon->Image = std::move(image);
    return Icons().Add(std::move(icon));
}

namespace {

using gdi::kWhitePixel;

// The pixel that drawing `flags` makes of an image pixel over the destination pixel.
TPixel DrawnPixel(const TImage& image, int sx, int sy, UINT flags, TPixel under) {
    const TPixel colour = image.ColourAt(sx, sy);
    const bool transparent = image.TransparentAt(sx, sy);
    if (image.HasAlpha() && (flags & DI_IMAGE))
        return Blend(colour, AlphaOf(colour), under);
    switch (flags & DI_NORMAL) {
    case DI_NORMAL:
        return WithColour(under, (transparent ? under : 0) ^ colour);
    case DI_MASK:
        return WithColour(under, transparent ? kWhitePixel : 0);
    default:
        return WithColour(under, colour);
    }
}

} // namespace

} // namespace detail

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info)
        return nullptr;
    const auto colour = detail::ReadBitmap(info->hbmColor);
    const auto mask = detail::ReadBitmap(info->hbmMask);
    if (!colour || !mask)
        return nullptr;
    HICON icon =
        detail::NewIcon(detail::CutImage(*colour, &*mask, 0, colour->Width, colour->Height));
    icon->Icon = info->fIcon;
    icon->XHotspot = info->xHotspot;
    icon->YHotspot = info->yHotspot;
    return icon;
}

bool GetIconInfo(HICON handle, ICONINFO* info) {
    const IconObject* icon = detail::Icons().Find(handle);
    if (!icon || !info)
        return false;
    gdi::TOwnedBitmap colour = detail::MakeColourBitmap(icon->Image);
    gdi::TOwnedBitmap mask = detail::MakeMaskBitmap(icon->Image);
    if (!colour || !mask)
        return false;
    info->fIcon = icon->Icon;
    info->xHotspot = icon->XHotspot;
    info->yHotspot = icon->YHotspot;
    info->hbmColor = colour.Release();
    info->hbmMask = mask.Release();
    return true;
}

bool DestroyIcon(HICON icon) {
    return detail::Icons().Remove(icon);
}

bool IsIcon(HICON icon) {
    return detail::Icons().Find(icon) != nullptr;
}

std::optional<TIconRgba> ReadIconRgba(HICON handle) {
    const IconObject* icon = detail::Icons().Find(handle);
    if (!icon)
        return std::nullopt;
    const detail::TImage& image = icon->Image;
    TIconRgba rgba{image.Width(), image.Height(), {}};
    rgba.Rgba.reserve(image.Colour().size() * 4);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const detail::TPixel pixel = image.ColourAt(x, y);
            const int alpha = image.HasAlpha()            ? detail::AlphaOf(pixel)
                              : image.TransparentAt(x, y) ? 0
                                                          : 255;
            rgba.Rgba.insert(rgba.Rgba.end(), {gdi::BYTE(pixel >> 16), gdi::BYTE(pixel >> 8),
                                               gdi::BYTE(pixel), gdi::BYTE(alpha)});
        }
    return rgba;
}

bool DrawIconEx(HDC dc, int x, int y, HICON handle, int cx, int cy, UINT, HBRUSH brush,
                UINT flags) {
    const IconObject* icon = detail::Icons().Find(handle);
    if (!icon || (flags & DI_NORMAL) == 0 || (brush && !gdi::IsValidObject(brush)))
        return false;
    const detail::TImage& image = icon->Image;
    const int width = cx ? cx : image.Width();
    const int height = cy ? cy : image.Height();
    if (width <= 0 || height <= 0)
        return false;
    std::vector<int> columns(std::size_t(width), 0);
    for (int dx = 0; dx < width; ++dx)
        columns[std::size_t(dx)] = int(std::int64_t(dx) * image.Width() / width);
    return detail::Compose(dc, x, y, width, height, brush, [&](detail::TPixel* row, int dy) {
        const int sy = int(std::int64_t(dy) * image.Height() / height);
        for (int dx = 0; dx < width; ++dx)
            row[dx] = detail::DrawnPixel(image, columns[std::size_t(dx)], sy, flags, row[dx]);
    });
}

} // namespace commctrl
