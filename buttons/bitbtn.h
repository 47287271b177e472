#pragma once
// The styled button with a glyph beside its caption, taken from an image list (Images and
// ImageIndex, DisabledIndex while disabled) or from a bitmap strip of one to four cells
// (Glyph: normal, disabled, pressed, down). Kind makes it one of the standard dialog buttons.

#include "buttons/standardkinds.h"
#include "buttons/styledbutton.h"
#include "gui/graphics/bitmap.h"
#include "gui/imagelist/imagelist.h"

#include <memory>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
template <>
struct TEnumIdents<TButtonLayout> {
    static constexpr std::string_view Names[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                 "blGlyphBottom"};
};

class TStyledBitBtn : public TStyledButton {
public:
    explicit TStyledBitBtn(TComponent* owner);
    ~TStyledBitBtn() override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies value (null empties the glyph); the glyph is then the user's, not the kind's.
    void SetGlyph(const TBitmap* value);
    // The kind in effect: a standard kind whose default and cancel roles, modal result or
    // glyph were changed since is a custom button again (and stays one).
    TBitBtnKind Kind() const;
    // A standard kind sets the caption (unless a stored one is being read), roles, modal
    // result and glyph; bkCustom changes nothing else.
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value) { Store(FLayout, value); }
    // The glyph's distance from its side of the caption area; -1 centres glyph and caption
    // together. Values below -1 are ignored.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // The cells of the Glyph strip, 1..4; other values are ignored.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // The gap between glyph and caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { Store(FSpacing, value); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { Store(FImageIndex, value); }
    int DisabledIndex() const { return FDisabledIndex; }
    void SetDisabledIndex(int value) { Store(FDisabledIndex, value); }
    // Not owned; forgotten when the list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);

protected:
    // The glyph's width and height: the list's images, else one cell of the strip.
    virtual TPoint GetGlyphSize() const;
    virtual TRect GetGlyphRect() const;
    virtual void PaintImageListGlyph(const TRect& rect);
    virtual void PaintBitmapGlyph(const TRect& rect);

    TRect GetCaptionRect() const override;
    void PaintCaption() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool HasImageListGlyph() const { return FImages && FImageIndex != -1; }
    TButtonLayout EffectiveLayout() const;
    // The caption's height in rect, as DrawCaptionText measures it.
    int CaptionHeight(const TRect& rect) const;
    void GlyphChanged();

    std::unique_ptr<TBitmap> FGlyph;
    mutable TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = 2;
    int FNumGlyphs = 1;
    int FSpacing = 4;
    bool FGlyphModified = false;
    int FImageIndex = -1;
    int FDisabledIndex = -1;
    TCustomImageList* FImages = nullptr;
    TChangeLink FImageChangeLink;
};
