#include "gui/graphics/bitmapcanvas.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/errortexts.h"

void TBitmapCanvas::FreeContext() {
    SetHandle(nullptr);
    FBitmapSelection.reset();
    FDC.Reset();
}

void TBitmapCanvas::CreateHandle() {
    FBitmap.HandleNeeded();
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    FDC.Reset(gdi::CreateCompatibleDC(screen.Get()));
    if (!FDC)
        throw EOutOfResources(SOutOfResources);
    if (FBitmap.FImage.Handle)
        FBitmapSelection.emplace(FDC.Get(), FBitmap.FImage.Handle.Get());
    SetHandle(FDC.Get());
}
