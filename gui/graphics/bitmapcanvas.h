#pragma once
// The canvas of a bitmap: a memory device context with the bitmap selected, made when the
// canvas first draws and let go whenever the bitmap's handle is replaced or handed out.

#include "gui/graphics/canvas.h"

#include <optional>

class TBitmap;

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    // Deselects the canvas's objects and the bitmap and deletes the context.
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap& FBitmap;
    gdi::TOwnedDC FDC;
    std::optional<gdi::TSelection> FBitmapSelection;
};
