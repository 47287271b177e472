#pragma once
// A pen: colour, width, line style and the raster mode lines are combined with. A pen of
// style psClear or colour clNone draws nothing.

#include "gui/graphics/colors.h"
#include "gui/graphics/graphicsobject.h"
#include "platform/gdi/owned.h"

enum TPenStyle { psSolid, psDash, psDot, psClear };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmXor };

class TPen : public TGraphicsObject {
public:
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    // The platform pen, made on first use and kept until a property of it changes.
    gdi::HPEN Handle();
    // The binary raster operation (SetROP2) of the mode.
    int Rop2() const;

private:
    void FreeHandles() override { FHandle.Reset(); }

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    gdi::TOwnedPen FHandle;
};
