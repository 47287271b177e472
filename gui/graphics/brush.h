#pragma once
// A brush: a solid colour, nothing (bsClear or colour clNone), or an 8 x 8 pattern taken from
// a bitmap. A monochrome pattern paints its set bits in the brush colour (the context's
// background colour) and its clear bits in the font colour (the context's text colour).

#include "gui/graphics/colors.h"
#include "gui/graphics/graphicsobject.h"
#include "platform/gdi/owned.h"

#include <memory>

class TBitmap;

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TBrush();
    ~TBrush() override;

    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // The pattern, a copy the brush owns; null for a plain brush.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    // Copies the bitmap as the pattern; null returns to a plain brush.
    void SetBitmap(const TBitmap* value);

    // True when the brush paints nothing.
    bool Hollow() const;
    // The platform brush, made on first use and kept until a property changes.
    gdi::HBRUSH Handle();

private:
    void FreeHandles() override { FHandle.Reset(); }

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::unique_ptr<TBitmap> FBitmap;
    gdi::TOwnedBrush FHandle;
};
