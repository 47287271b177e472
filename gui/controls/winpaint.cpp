// Painting of windowed controls: the paint message, double buffering, erasing and printing
// the client area into a context that another control supplies.

#include "gui/classes/exceptions.h"
#include "gui/controls/scopeexit.h"
#include "gui/controls/wincontrol.h"
#include "gui/graphics/errortexts.h"
#include "platform/gdi/owned.h"

#include <optional>

void TWinControl::Paint(TMessage& message) {
    if (message.WParam) {
        PaintHandler(reinterpret_cast<win::HDC>(message.WParam));
        return;
    }
    if (!FDoubleBuffered) {
        const win::TPaintScope paint(FHandle);
        if (paint.DC())
            PaintHandler(paint.DC());
        return;
    }
    std::optional<win::TPaintScope> paint;
    {
        FSkipErase = true;
        const TScopeExit erased([this] { FSkipErase = false; });
        paint.emplace(FHandle);
    }
    const win::RECT area = paint->Paint().rcPaint;
    if (!paint->DC() || area.IsEmpty())
        return;
    // Declared first, so the bitmap goes back only after the context lets go of it.
    const auto buffer = win::BorrowBackBuffer(FHandle);
    const gdi::TOwnedDC memory(gdi::CreateCompatibleDC(paint->DC()));
    if (!memory || !buffer)
        throw EOutOfResources(SOutOfResources);
    const gdi::TSelection selection(memory.Get(), buffer->Get());
    // Only what reaches the window is drawn: the update region less the children over it,
    // not all of its bounding box.
    gdi::TRegion visible;
    gdi::GetClipRegion(paint->DC(), visible);
    gdi::IntersectClipRegion(memory.Get(), visible);
    // What earlier paints left there must not show where this one draws nothing.
    gdi::PatBlt(memory.Get(), area.left, area.top, area.Width(), area.Height(), gdi::BLACKNESS);
    Perform(win::WM_ERASEBKGND, win::WPARAM(memory.Get()), win::LPARAM(memory.Get()));
    PaintHandler(memory.Get());
    gdi::BitBlt(paint->DC(), area.left, area.top, area.Width(), area.Height(), memory.Get(),
                area.left, area.top, gdi::SRCCOPY);
}

void TWinControl::PrintClient(TMessage& message) {
    const auto dc = reinterpret_cast<win::HDC>(message.WParam);
    if (!dc)
        return;
    const gdi::TSavedState saved(dc);
    if (message.LParam & PRF_ERASEBKGND)
        EraseBackground(dc);
    PaintHandler(dc);
}

void TWinControl::EraseMessage(TMessage& message) {
    message.Result = 1;
    if (!FSkipErase)
        EraseBackground(reinterpret_cast<win::HDC>(message.WParam));
}

void TWinControl::EraseBackground(win::HDC dc) {
    const gdi::TOwnedBrush brush(gdi::CreateSolidBrush(ColorToRGB(Color())));
    gdi::FillRect(dc, ToRECT(ClientRect()), brush.Get());
}

void TWinControl::PaintHandler(win::HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void TWinControl::PaintWindow(win::HDC) {}
