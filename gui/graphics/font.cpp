#include "gui/graphics/font.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int ScreenPixelsPerInch = 96;
constexpr int PointsPerInch = 72;

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t(number) * numerator;
    const std::int64_t divisor = std::abs(std::int64_t(denominator));
    const std::int64_t quotient = (std::abs(product) + divisor / 2) / divisor;
    return int((product < 0) != (denominator < 0) ? -quotient : quotient);
}

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    const bool handlesStale =
        FName != font->FName || FHeight != font->FHeight || FCharset != font->FCharset;
    const bool changed = handlesStale || FStyle != font->FStyle || FColor != font->FColor;
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
    FCharset = font->FCharset;
    if (changed)
        Changed(handlesStale);
}

void TFont::SetName(const std::string& value) {
    SetProperty(FName, value, true);
}
void TFont::SetHeight(int value) {
    SetProperty(FHeight, value, true);
}
int TFont::Size() const {
    return -MulDiv(FHeight, PointsPerInch, ScreenPixelsPerInch);
}
void TFont::SetSize(int value) {
    SetHeight(-MulDiv(value, ScreenPixelsPerInch, PointsPerInch));
}
void TFont::SetStyle(TFontStyles value) {
    SetProperty(FStyle, value, false);
}
void TFont::SetColor(TColor value) {
    SetProperty(FColor, value, false);
}
void TFont::SetCharset(TFontCharset value) {
    SetProperty(FCharset, value, true);
}

gdi::LOGFONT TFont::LogFont() const {
    gdi::LOGFONT font;
    font.lfHeight = FHeight;
    font.lfWeight = FStyle.Contains(fsBold) ? gdi::FW_BOLD : gdi::FW_NORMAL;
    font.lfItalic = FStyle.Contains(fsItalic);
    font.lfUnderline = FStyle.Contains(fsUnderline);
    font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    font.lfCharSet = FCharset;
    font.lfFaceName = FName;
    return font;
}

gdi::HFONT TFont::Handle() {
    gdi::TOwnedFont& handle = FHandles[FStyle.Bits()];
    if (!handle) {
        handle.Reset(gdi::CreateFontIndirect(LogFont()));
        if (!handle)
            throw EOutOfResources(SOutOfResources);
    }
    return handle.Get();
}

void TFont::FreeHandles() {
    for (gdi::TOwnedFont& handle : FHandles)
        handle.Reset();
}
