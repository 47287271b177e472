#pragma once
// A drawing surface over a device context. The pen, brush and font are selected into the
// context just before an operation that uses them, and deselected when they change, when
// the context is replaced and when the canvas goes, so no platform object is left selected
// or alive behind the canvas's back.

#include "gui/classes/set.h"
#include "gui/graphics/brush.h"
#include "gui/graphics/font.h"
#include "gui/graphics/geometry.h"
#include "gui/graphics/pen.h"
#include "platform/gdi/owned.h"

#include <functional>
#include <optional>
#include <span>
#include <string_view>

class TGraphic;

// The raster operation of CopyRect and of drawing bitmaps.
using TCopyMode = gdi::DWORD;
constexpr TCopyMode cmBlackness = gdi::BLACKNESS;
constexpr TCopyMode cmDstInvert = gdi::DSTINVERT;
constexpr TCopyMode cmMergeCopy = gdi::MERGECOPY;
constexpr TCopyMode cmMergePaint = gdi::MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = gdi::NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = gdi::NOTSRCERASE;
constexpr TCopyMode cmPatCopy = gdi::PATCOPY;
constexpr TCopyMode cmPatInvert = gdi::PATINVERT;
constexpr TCopyMode cmPatPaint = gdi::PATPAINT;
constexpr TCopyMode cmSrcAnd = gdi::SRCAND;
constexpr TCopyMode cmSrcCopy = gdi::SRCCOPY;
constexpr TCopyMode cmSrcErase = gdi::SRCERASE;
constexpr TCopyMode cmSrcInvert = gdi::SRCINVERT;
constexpr TCopyMode cmSrcPaint = gdi::SRCPAINT;
constexpr TCopyMode cmWhiteness = gdi::WHITENESS;

// What an operation needs selected into the context before it runs.
enum TCanvasStateItem { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem>;
inline constexpr TCanvasState csAllValid{csHandleValid, csFontValid, csPenValid, csBrushValid};

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    // The device context, with the pen, brush and font selected, for drawing through the
    // platform directly. A canvas without a context asks its owner for one (CreateHandle);
    // when it still has none, EInvalidOperation "Canvas does not allow drawing".
    gdi::HDC Handle();
    // Draws on a context that the caller owns and keeps alive until the canvas lets go of it
    // (SetHandle(nullptr) or the canvas's end); the canvas's objects are deselected from the
    // previous context first.
    void SetHandle(gdi::HDC dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont& Font() { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }

    // The colour at a point; CLR_INVALID outside the surface.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor colour);
    TPoint PenPos();

    void MoveTo(int x, int y);
    // A line with the pen from the pen position to (x, y), end point excluded.
    void LineTo(int x, int y);
    void FillRect(const TRect& rect);
    // A one-pixel frame painted with the brush.
    void FrameRect(const TRect& rect);
    // Outline with the pen, interior with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Polygon(std::span<const TPoint> points);
    // Text with its first cell's top-left at (x, y), in the font colour; the cells are backed
    // by the brush colour unless the brush is hollow. The pen moves to the end of the text.
    void TextOut(int x, int y, std::string_view text);
    // TextOut clipped to rect, with rect first filled by the brush unless it is hollow.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    // The dotted focus frame, drawn with XOR: drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& rect);
    // Asks the graphic to draw itself at its own size with its top-left at (x, y), or into
    // rect; an absent or empty graphic draws nothing.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // Copies (stretching as needed) source of another canvas onto dest with CopyMode.
    void CopyRect(const TRect& dest, TCanvas& canvas, const TRect& source);

    std::function<void(TObject* sender)> OnChange;
    std::function<void(TObject* sender)> OnChanging;

protected:
    // Bitmaps draw themselves with only the colours selected, not the font.
    friend class TBitmap;

    // Gives the canvas a context through SetHandle when it is first needed; the base has none.
    virtual void CreateHandle() {}
    // Makes sure the context exists and holds what state asks for.
    void RequiredState(TCanvasState state);
    void Changing();
    void Changed();

private:
    void DeselectHandles();
    void SelectFont();
    void SelectPen();
    void SelectBrush();

    gdi::HDC FHandle = nullptr;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    // Declared after the objects they select, so they are deselected before those go.
    std::optional<gdi::TSelection> FFontSelection;
    std::optional<gdi::TSelection> FPenSelection;
    std::optional<gdi::TSelection> FBrushSelection;
};
