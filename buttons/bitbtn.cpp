#include "buttons/bitbtn.h"

#include "gui/forms/customform.h"

TStyledBitBtn::TStyledBitBtn(TComponent* owner)
    : TStyledButton(owner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) { GlyphChanged(); };
    FImageChangeLink.OnChange = [this](TObject* sender) {
        if (sender && sender == FImages)
            Repaint();
    };
}

TStyledBitBtn::~TStyledBitBtn() = default;

void TStyledBitBtn::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    FGlyphModified = true;
}

// A strip of square cells tells how many it holds; beyond four it counts as one.
void TStyledBitBtn::GlyphChanged() {
    const int width = FGlyph->Width();
    const int height = FGlyph->Height();
    if (height > 0 && width % height == 0) {
        const int cells = width / height;
        FNumGlyphs = cells >= 1 && cells <= 4 ? cells : 1;
    }
    Invalidate();
}

TBitBtnKind TStyledBitBtn::Kind() const {
    if (FKind == bkCustom)
        return FKind;
    const TStandardKind& row = StandardKind(FKind);
    if (Default() != row.Default || Cancel() != row.Cancel || ModalResult() != row.ModalResult ||
        FGlyphModified)
        FKind = bkCustom;
    return FKind;
}

void TStyledBitBtn::SetKind(TBitBtnKind value) {
    if (value == Kind())
        return;
    if (value != bkCustom) {
        const TStandardKind& row = StandardKind(value);
        SetDefault(row.Default);
        SetCancel(row.Cancel);
        if (!ComponentState().Contains(csLoading) || Caption().empty())
            SetCaption(std::string(row.Caption));
        SetModalResult(row.ModalResult);
        FGlyph->Assign(&StandardGlyph(value));
        FNumGlyphs = 2;
        FGlyphModified = false;
    }
    FKind = value;
    Invalidate();
}

void TStyledBitBtn::SetMargin(int value) {
    if (value >= -1)
        Store(FMargin, value);
}

void TStyledBitBtn::SetNumGlyphs(int value) {
    if (value >= 1 && value <= 4)
        Store(FNumGlyphs, value);
}

void TStyledBitBtn::SetImages(TCustomImageList* value) {
    // A list on its way out has let go of the link already.
    if (TCustomImageList* registered = FImageChangeLink.Sender())
        registered->UnRegisterChanges(&FImageChangeLink);
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) {
        FImages->RegisterChanges(&FImageChangeLink);
        FImages->FreeNotification(this);
    }
    Invalidate();
}

void TStyledBitBtn::Notification(TComponent* component, TOperation operation) {
    TStyledButton::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        SetImages(nullptr);
}
