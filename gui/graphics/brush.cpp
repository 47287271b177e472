#include "gui/graphics/brush.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/errortexts.h"

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap.reset();
    if (brush->FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(brush->FBitmap.get());
    }
    Changed(true);
}

void TBrush::SetColor(TColor value) {
    SetProperty(FColor, value, true);
}
void TBrush::SetStyle(TBrushStyle value) {
    SetProperty(FStyle, value, true);
}

void TBrush::SetBitmap(const TBitmap* value) {
    std::unique_ptr<TBitmap> pattern;
    if (value) {
        pattern = std::make_unique<TBitmap>();
        pattern->Assign(value);
    }
    FBitmap = std::move(pattern);
    Changed(true);
}

bool TBrush::Hollow() const {
    return !(FBitmap && !FBitmap->Empty()) && (FStyle == bsClear || FColor == clNone);
}

gdi::HBRUSH TBrush::Handle() {
    if (Hollow())
        return static_cast<gdi::HBRUSH>(gdi::GetStockObject(gdi::NULL_BRUSH));
    if (!FHandle) {
        if (FBitmap && !FBitmap->Empty())
            FHandle.Reset(gdi::CreatePatternBrush(FBitmap->Handle()));
        else
            FHandle.Reset(gdi::CreateSolidBrush(ColorToRGB(FColor)));
        if (!FHandle)
            throw EOutOfResources(SOutOfResources);
    }
    return FHandle.Get();
}
