#pragma once
// The common-controls image list: a row of equally sized images behind a handle, each kept
// as a 32-bit colour image with alpha plus a mask. Handles are checked against the table of
// live lists; a stale or foreign handle makes every call fail without effect.
//
// Masks and colours. In a list made with ILC_MASK a mask pixel marks the image pixel
// transparent; an image without alpha is stored black under its transparent pixels, so its
// icon draws correctly the classic way. A list without ILC_MASK keeps every pixel opaque.
// An image whose colour has any non-zero alpha byte draws by its alpha and ignores its mask,
// as an alpha icon does (icons.h); for ILD_MASK its transparent pixels are those of the mask
// together with those of alpha 0.

#include "platform/commctrl/icons.h"

namespace commctrl {

struct ImageListObject;
using HIMAGELIST = ImageListObject*;

// ImageList_Create flags. Every list stores 32-bit images whatever colour depth it names.
constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLOR4 = 0x0004;
constexpr UINT ILC_COLOR8 = 0x0008;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

// Drawing styles.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_BLEND25 = 0x0002;
constexpr UINT ILD_FOCUS = ILD_BLEND25;
constexpr UINT ILD_BLEND50 = 0x0004;
constexpr UINT ILD_SELECTED = ILD_BLEND50;
constexpr UINT ILD_BLEND = ILD_BLEND50;
constexpr UINT ILD_MASK = 0x0010;
constexpr UINT ILD_IMAGE = 0x0020;

// Colours of ImageList_DrawEx and ImageList_SetBkColor.
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// ImageList_Copy flags.
constexpr UINT ILCF_MOVE = 0x0;
constexpr UINT ILCF_SWAP = 0x1;

// A list of cx x cy images (both above 0), room reserved for `initial`; `grow` is kept as
// a hint. Null for a size the platform cannot hold.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
bool ImageList_Destroy(HIMAGELIST list);

int ImageList_GetImageCount(HIMAGELIST list);
// Changes the image size and removes every image; false for a size not above 0.
bool ImageList_SetIconSize(HIMAGELIST list, int cx, int cy);
bool ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Returns the previous colour. CLR_NONE: images are drawn transparently by default.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF colour);

// Appends as many images as the bitmap holds side by side (its width divided by cx, rows
// below its height read as black), the mask (may be null: opaque) read the same way.
// Returns the index of the first new image, -1 when the bitmap holds none or is unknown.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// As ImageList_Add, the mask being the pixels of the key colour.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF key);
// Replaces image `index` by the icon, or appends it for index -1; an icon of another size
// is scaled to the list's. Returns the image's index, -1 on failure.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
// Replaces image `index` by the first image the bitmap holds.
bool ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Removes image `index`, or every image for index -1.
bool ImageList_Remove(HIMAGELIST list, int index);
// Within one list: ILCF_MOVE copies image src over image dst, ILCF_SWAP exchanges them.
// Lists other than dst itself are refused.
bool ImageList_Copy(HIMAGELIST dst, int dstIndex, HIMAGELIST src, int srcIndex, UINT flags);

// A new icon of image i that the caller owns; the drawing flags do not change it.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);

// Draws the top-left dx x dy part of image i (0: the whole width or height). Styles:
// ILD_NORMAL draws over the background colour bk (CLR_DEFAULT: the list's; CLR_NONE:
// transparently); ILD_TRANSPARENT always draws transparently; ILD_MASK draws the mask alone
// (white transparent, black opaque); ILD_BLEND25 and ILD_BLEND50 mix the image's colours
// with fg (CLR_DEFAULT: the highlight colour; CLR_NONE: no mixing) by a quarter or a half.
bool ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk,
                      COLORREF fg, UINT style);

// The version of the common-controls library, major << 16 | minor.
DWORD GetCommonControlsVersion();

inline bool DestroyImageList(HIMAGELIST list) {
    return ImageList_Destroy(list);
}
using TOwnedImageList = gdi::TOwned<HIMAGELIST, DestroyImageList>;

} // namespace commctrl
