#pragma once
// The raster drawing interface: device contexts, bitmaps, transfers, drawing and text, with
// the platform's rules. Coordinates passed to a device context are logical: the viewport
// origin is added to reach device pixels. Every call that receives an invalid handle, an
// empty or negative size or a rectangle outside its surface does nothing beyond what lies
// inside the surface and the clip region; no call reads or writes outside pixel memory.

#include "platform/gdi/handles.h"
#include "platform/gdi/region.h"
#include "platform/gdi/types.h"

#include <string_view>

namespace gdi {

// ---- Objects --------------------------------------------------------------------------------

// Deleting an object that is selected into a device context fails and returns false.
bool DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
bool IsValidObject(HGDIOBJ object);

// How many objects of each kind (stock objects aside) and device contexts are alive: what a
// program holds, to see that it gives back all it takes.
struct TLiveObjects {
    int Bitmaps = 0;
    int Brushes = 0;
    int Pens = 0;
    int Fonts = 0;
    int Palettes = 0;
    int Contexts = 0;
    bool operator==(const TLiveObjects&) const = default;
};
TLiveObjects LiveObjects();

// ---- Bitmaps --------------------------------------------------------------------------------

// Device-independent section of 1, 4, 8, 24 or 32 bits per pixel, rows padded to 4 bytes,
// bottom-up for a positive height. Its pixel memory starts zeroed and is committed by the
// system page by page as it is touched, so a large section costs address space only.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits);
// Same, from a version-4 header (bit-field masks; 32 bits per pixel).
HBITMAP CreateDIBSection(HDC dc, const BITMAPV4HEADER* header, UINT usage, void** bits);
// planes x bitsPerPixel must be 1 (monochrome) or 32 (device format); bits may be null.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// Monochrome when the context holds a monochrome bitmap, else the device format (32-bit); of
// the context's scale, so it holds width x height pixels times the scale squared.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// Device-format bitmap; with CBM_INIT its pixels are converted from the DIB bits.
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage);
bool GetObject(HBITMAP bitmap, BITMAP& out);
// Reads rows start..start+lines-1 (counted from the bottom for bottom-up layouts) in the
// layout `info` asks for. With null bits, fills info's header (and colour table) instead.
// Returns the number of rows copied, 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);

// ---- Device contexts ------------------------------------------------------------------------

// The screen's context: the reference for compatible contexts and device capabilities.
HDC GetScreenDC();
int ReleaseDC(HDC dc);
// A memory context; it starts with a 1 x 1 monochrome bitmap selected.
HDC CreateCompatibleDC(HDC reference);
// A context drawing onto `surface` as a display device does; bitmaps cannot be selected
// into it. The window system makes one per paint and restricts it with SetDeviceClip.
HDC CreateDisplayDC(HBITMAP surface);
bool DeleteDC(HDC dc);
// The region, in the surface's logical pixels, outside which nothing is drawn; application
// clipping lies within it and SelectClipRgn(dc, nullptr) returns to it.
void SetDeviceClip(HDC dc, const TRegion& region);

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HPEN SelectObject(HDC dc, HPEN pen);
HFONT SelectObject(HDC dc, HFONT font);
HGDIOBJ GetCurrentObject(HDC dc, TObjectKind kind);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);

// Saves colours, modes, origin, clip, position and selected objects; returns the level.
int SaveDC(HDC dc);
// A negative level counts back from the last save (-1: the last one).
bool RestoreDC(HDC dc, int level);

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
bool GetViewportOrgEx(HDC dc, POINT* origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
bool SetBrushOrgEx(HDC dc, int x, int y, POINT* old);

COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);

int GetDeviceCaps(HDC dc, int index);

// ---- Device scale ---------------------------------------------------------------------------

// Device pixels per logical pixel along each axis: 1 for the screen's context and for
// surfaces of ordinary density; 0 for an invalid handle.
int GetDeviceScale(HDC dc);
// Makes every context that draws on the bitmap address one logical pixel per scale x scale
// of its pixels. False for a scale below 1 or a bitmap that a context holds.
bool SetBitmapScale(HBITMAP bitmap, int scale);
// A context on dc's surface whose scale divides dc's, with dc's origin, clip, colours and
// modes: a picture rendered at dc's scale / scale times its size is drawn through it pixel
// for pixel. Null when scale does not divide dc's or dc has no surface. DeleteDC releases it.
HDC CreateScaledViewDC(HDC dc, int scale);

// ---- Clipping -------------------------------------------------------------------------------

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// Only the null region is accepted: it removes the application's clipping.
int SelectClipRgn(HDC dc, std::nullptr_t);
// The clip box in logical coordinates.
int GetClipBox(HDC dc, RECT* box);
// Everything the context may draw on (device clip and application clip together), in
// logical coordinates.
int GetClipRegion(HDC dc, TRegion& region);
// Narrows the application clip to a region given in logical coordinates.
int IntersectClipRegion(HDC dc, const TRegion& region);

// ---- Transfers ------------------------------------------------------------------------------

// Colour to monochrome: a source pixel equal to the source context's background colour
// becomes 1, every other 0. Monochrome to colour: 1 takes the destination context's
// background colour, 0 its text colour. Negative extents mirror; stretching takes the
// nearest source pixel.
bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// Copies the source through a monochrome mask: where the mask holds 1 the destination is
// kept, where it holds 0 the (stretched) source is copied.
bool MaskedStretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                      int srcWidth, int srcHeight, HDC mask, int maskX, int maskY);
// Copies the (stretched) source except where it has the colour `key`: there the destination
// is kept. Each destination pixel is judged by the very source pixel it would show, at any
// device scale. A monochrome source keeps the destination under its 1 bits.
bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                    int srcWidth, int srcHeight, COLORREF key);
// Source rectangle in DIB coordinates (y counted from the bottom row for bottom-up DIBs).
int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

// ---- Drawing --------------------------------------------------------------------------------

HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// An 8 x 8 pattern from the top-left corner of the bitmap; a monochrome pattern draws 1 in
// the background colour and 0 in the text colour of the context it is used on.
HBRUSH CreatePatternBrush(HBITMAP pattern);

bool MoveToEx(HDC dc, int x, int y, POINT* old);
// Draws with the current pen from the current position to (x, y), end point excluded.
bool LineTo(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);
int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT& rect, HBRUSH brush);
bool InvertRect(HDC dc, const RECT& rect);
// Outline with the current pen, interior with the current brush.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Polygon(HDC dc, const POINT* points, int count);
// The dotted focus frame, drawn with XOR: drawing it twice restores the pixels.
bool DrawFocusRect(HDC dc, const RECT& rect);

// ---- Palettes -------------------------------------------------------------------------------

HPALETTE CreatePalette(const LOGPALETTE* palette);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour);

// ---- Text -----------------------------------------------------------------------------------

// Fonts are found by family through fontconfig; metrics follow the platform's rules (cell
// height = ascent + descent of the font's win metrics), so "Tahoma" at height -11 has a cell
// 13 pixels high. Text is UTF-8.
HFONT CreateFontIndirect(const LOGFONT& font);
bool GetObject(HFONT font, LOGFONT& out);
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE* size);
// Draws at (x, y), the top-left of the first character cell, in the text colour; in opaque
// background mode the cells are first filled with the background colour. With `advance`, also
// gives the width GetTextExtentPoint32 gives, so a caller that moves a pen lays out once.
bool TextOut(HDC dc, int x, int y, std::string_view text, int* advance = nullptr);
// Formats text in a rectangle (DT_ flags); returns the height of the text drawn. With
// DT_CALCRECT nothing is drawn and rect's right and bottom are set to the extent.
int DrawText(HDC dc, std::string_view text, RECT* rect, UINT format);

} // namespace gdi
