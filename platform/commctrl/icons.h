#pragma once
// The platform's icons: a colour image and a mask kept together behind a handle. Handles are
// checked against the table of live icons, so a stale or foreign handle is ignored by every
// call that receives one.
//
// Drawing follows the platform's two kinds of icon. A 32-bit colour image with any non-zero
// alpha byte is an alpha icon: each pixel is blended over the destination by its straight
// (not premultiplied) alpha and the mask is ignored. Any other icon is drawn the classic way:
// the destination is ANDed with the mask (white keeps it, black clears it), then XORed with
// the colour image.

#include "platform/gdi/owned.h"

#include <optional>
#include <vector>

namespace commctrl {

using gdi::COLORREF;
using gdi::DWORD;
using gdi::HBITMAP;
using gdi::HBRUSH;
using gdi::HDC;
using gdi::UINT;

struct IconObject;
using HICON = IconObject*;

struct ICONINFO {
    bool fIcon = true; // false: a cursor, whose hot spot matters
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;  // monochrome or colour; white marks a transparent pixel
    HBITMAP hbmColor = nullptr; // any depth; 32 bits may carry alpha in the fourth byte
};

// DrawIconEx flags.
constexpr UINT DI_MASK = 0x1;
constexpr UINT DI_IMAGE = 0x2;
constexpr UINT DI_NORMAL = DI_MASK | DI_IMAGE;

// Makes an icon from copies of both bitmaps, so the caller keeps and frees its own. The
// mask is read at the colour image's size. Null when either bitmap is missing or unknown.
HICON CreateIconIndirect(const ICONINFO* info);
// Fills info with the icon's hot spot and new bitmaps that the caller owns: a 32-bit section
// for the colour image (alpha kept) and a monochrome bitmap for the mask.
bool GetIconInfo(HICON icon, ICONINFO* info);
// Makes an icon from one image of an icon file: a BITMAPINFOHEADER whose height counts the
// colour rows and the mask rows together, the colour table of depths up to 8, the colour
// rows (1, 4, 8, 24 or 32 bits, bottom-up) and the 1-bit mask rows (a 32-bit image may leave
// them out; its transparent pixels are then those of alpha 0). cx x cy scales the image
// (0: its own size). Null for data that is malformed, ends early or asks for sides above
// 1024; nothing is read beyond `size` bytes. `version` and `flags` are not used.
HICON CreateIconFromResourceEx(const gdi::BYTE* bits, DWORD size, bool icon, DWORD version, int cx,
                               int cy, UINT flags);
bool DestroyIcon(HICON icon);
// Draws the icon stretched to cx x cy (0: the icon's own width or height) with its top-left
// at (x, y). With a brush the icon is first composed over a rectangle filled with it, not
// over the destination. DI_IMAGE alone copies the colour image; DI_MASK alone copies the
// mask; both draw the icon as described above. `step` (animated cursors) is ignored.
bool DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH brush,
                UINT flags);

// True while the handle names an icon: made and not yet destroyed.
bool IsIcon(HICON icon);

// An icon's image in the form desktops take a window's icon in: red, green, blue and alpha
// bytes per pixel, the alpha straight (not premultiplied), top row first.
struct TIconRgba {
    int Width = 0;
    int Height = 0;
    std::vector<gdi::BYTE> Rgba;

    friend bool operator==(const TIconRgba&, const TIconRgba&) = default;
};
// The image of an icon: an alpha icon keeps its alpha; a classic icon is opaque where its
// mask is black and fully transparent where it is white. Nothing for a handle that is no icon.
std::optional<TIconRgba> ReadIconRgba(HICON icon);

inline bool DestroyIconHandle(HICON icon) {
    return DestroyIcon(icon);
}
using TOwnedIcon = gdi::TOwned<HICON, DestroyIconHandle>;

} // namespace commctrl
