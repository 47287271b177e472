#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/errortexts.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/imagelist.h"
#include "gui/imagelist/platformcolour.h"

namespace {

// Where the source is all ones the pattern is painted; where it is 0 the destination stays.
constexpr gdi::DWORD kPaintWhereSource = 0x00E20746;

commctrl::UINT StyleFlags(TDrawingStyle drawingStyle, TImageType imageType) {
    static constexpr commctrl::UINT kStyles[] = {commctrl::ILD_FOCUS, commctrl::ILD_SELECTED,
                                                 commctrl::ILD_NORMAL, commctrl::ILD_TRANSPARENT};
    return kStyles[drawingStyle] | (imageType == itMask ? commctrl::ILD_MASK : 0);
}

void CheckMade(const void* object) {
    if (!object)
        throw EOutOfResources(SOutOfResources);
}

// Paints the pixels where `shape` holds 0 with a system colour's brush.
void PaintShape(gdi::HDC dc, int x, int y, int width, int height, gdi::HDC shape, int colourIndex) {
    gdi::TSelection brush(dc, gdi::GetSysColorBrush(colourIndex));
    gdi::BitBlt(dc, x, y, width, height, shape, 0, 0, kPaintWhereSource);
}

} // namespace

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
    Draw(canvas, x, y, index, FDrawingStyle, FImageType, enabled);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle drawingStyle,
                            TImageType imageType, bool enabled) {
    if (HandleAllocated())
        DoDraw(index, canvas, x, y, StyleFlags(drawingStyle, imageType), enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas& canvas, int x, int y, commctrl::UINT style,
                              bool enabled) {
    if (index < 0 || index >= Count())
        return;
    const gdi::HDC dc = canvas.Handle();
    if (enabled) {
        commctrl::ImageList_DrawEx(FHandle, index, dc, x, y, 0, 0, PlatformColour(FBkColor),
                                   PlatformColour(FBlendColor), style);
        return;
    }
    // The shape is every pixel that the image, drawn transparently onto white, does not
    // leave white; monochrome transfer maps those to 0 and the white rest to 1.
    const gdi::TOwnedBitmap shapeBitmap(gdi::CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
    const gdi::TOwnedDC shape(gdi::CreateCompatibleDC(dc));
    CheckMade(shapeBitmap.Get());
    CheckMade(shape.Get());
    const gdi::TSelection selectShape(shape.Get(), shapeBitmap.Get());
    gdi::PatBlt(shape.Get(), 0, 0, FWidth, FHeight, gdi::WHITENESS);
    commctrl::ImageList_DrawEx(FHandle, index, shape.Get(), 0, 0, 0, 0, commctrl::CLR_NONE,
                               commctrl::CLR_NONE, commctrl::ILD_TRANSPARENT);
    // Shape pixels (0) arrive as the text colour, all ones; the rest as black.
    const gdi::TSavedState saved(dc);
    gdi::SetTextColor(dc, gdi::RGB(255, 255, 255));
    gdi::SetBkColor(dc, gdi::RGB(0, 0, 0));
    PaintShape(dc, x + 1, y + 1, FWidth, FHeight, shape.Get(), gdi::COLOR_BTNHIGHLIGHT);
    PaintShape(dc, x, y, FWidth, FHeight, shape.Get(), gdi::COLOR_BTNSHADOW);
}

void TCustomImageList::GetIcon(int index, TIcon& image) {
    GetIcon(index, image, FDrawingStyle, FImageType);
}

void TCustomImageList::GetIcon(int index, TIcon& image, TDrawingStyle drawingStyle,
                               TImageType imageType) {
    if (index < 0 || index >= Count())
        return;
    commctrl::TOwnedIcon icon(
        commctrl::ImageList_GetIcon(FHandle, index, StyleFlags(drawingStyle, imageType)));
    CheckMade(icon.Get());
    image.SetHandle(icon.Release());
}

void TCustomImageList::GetBitmap(int index, TBitmap& image) {
    if (index < 0 || index >= Count())
        return;
    image.SetSize(FWidth, FHeight);
    Draw(image.Canvas(), 0, 0, index);
}
