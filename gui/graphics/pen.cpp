#include "gui/graphics/pen.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"

void TPen::Assign(const TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    const bool handlesStale =
        FColor != pen->FColor || FWidth != pen->FWidth || FStyle != pen->FStyle;
    const bool changed = handlesStale || FMode != pen->FMode;
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
    if (changed)
        Changed(handlesStale);
}

void TPen::SetColor(TColor value) {
    SetProperty(FColor, value, true);
}
void TPen::SetWidth(int value) {
    SetProperty(FWidth, value, true);
}
void TPen::SetStyle(TPenStyle value) {
    SetProperty(FStyle, value, true);
}
// The mode is a state of the device context, not of the pen, so the pen stays valid.
void TPen::SetMode(TPenMode value) {
    SetProperty(FMode, value, false);
}

gdi::HPEN TPen::Handle() {
    if (!FHandle) {
        constexpr int styles[] = {gdi::PS_SOLID, gdi::PS_DASH, gdi::PS_DOT, gdi::PS_NULL};
        const int style = FColor == clNone ? gdi::PS_NULL : styles[FStyle];
        const gdi::COLORREF colour = FColor == clNone ? 0 : ColorToRGB(FColor);
        FHandle.Reset(gdi::CreatePen(style, FWidth, colour));
        if (!FHandle)
            throw EOutOfResources(SOutOfResources);
    }
    return FHandle.Get();
}

int TPen::Rop2() const {
    constexpr int modes[] = {gdi::R2_BLACK, gdi::R2_WHITE,   gdi::R2_NOP,
                             gdi::R2_NOT,   gdi::R2_COPYPEN, gdi::R2_XORPEN};
    return modes[FMode];
}
