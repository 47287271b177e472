#include "gui/graphics/memorydc.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"

namespace {

gdi::HDC CreateMemoryDC() {
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    gdi::HDC dc = gdi::CreateCompatibleDC(screen.Get());
    if (!dc)
        throw EOutOfResources(SOutOfResources);
    return dc;
}

} // namespace

TMemoryDC::TMemoryDC(gdi::HBITMAP bitmap) : FDC(CreateMemoryDC()), FSelection(FDC.Get(), bitmap) {}
