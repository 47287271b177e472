#pragma once
// A memory device context with one bitmap selected for the guard's lifetime, for the short
// transfers that build, copy and mask bitmaps.

#include "platform/gdi/owned.h"

class TMemoryDC {
public:
    // EOutOfResources when the platform cannot make the context.
    explicit TMemoryDC(gdi::HBITMAP bitmap);
    gdi::HDC Get() const { return FDC.Get(); }

private:
    gdi::TOwnedDC FDC;
    gdi::TSelection FSelection;
};
