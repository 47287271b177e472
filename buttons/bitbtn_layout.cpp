// Where the glyph and the caption of a glyph button go, for every layout and margin.

#include "buttons/bitbtn.h"
#include "buttons/captiontext.h"

TPoint TStyledBitBtn::GetGlyphSize() const {
    if (HasImageListGlyph())
        return {FImages->Width(), FImages->Height()};
    return {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

TButtonLayout TStyledBitBtn::EffectiveLayout() const {
    return FLayout == blGlyphLeft && UseRightToLeftAlignment() ? blGlyphRight : FLayout;
}

int TStyledBitBtn::CaptionHeight(const TRect& rect) const {
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.SetFont(*Font());
    TRect measured = rect;
    return DrawCaptionOnCanvas(canvas, Caption(), measured,
                               gdi::DT_CALCRECT | gdi::DT_CENTER | gdi::DT_VCENTER |
                                   gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS);
}

TRect TStyledBitBtn::GetCaptionRect() const {
    TRect r = TStyledButton::GetCaptionRect();
    if (!HasImageListGlyph() && FGlyph->Empty())
        return r;
    const TPoint glyph = GetGlyphSize();
    const TButtonLayout layout = EffectiveLayout();
    if (FMargin >= 0) {
        switch (layout) {
        case blGlyphLeft:
            r.Left += FMargin + glyph.X + FSpacing;
            break;
        case blGlyphRight:
            r.Right -= FMargin + glyph.X + FSpacing;
            break;
        case blGlyphTop:
            r.Top += FMargin + glyph.Y + FSpacing;
            break;
        case blGlyphBottom:
            r.Bottom -= FMargin + glyph.Y + FSpacing;
            break;
        }
        return r;
    }
    const int height = CaptionHeight(r);
    const int top = (Height() - height - glyph.Y - FSpacing) / 2;
    switch (layout) {
    case blGlyphLeft:
        r.Left += -1 + glyph.X + FSpacing;
        break;
    case blGlyphRight:
        r.Right -= -1 + glyph.X + FSpacing;
        break;
    case blGlyphTop:
        r.Top += top + glyph.Y;
        r.Bottom = r.Top + height;
        break;
    case blGlyphBottom:
        r.Top += top;
        r.Bottom = r.Top + height;
        break;
    }
    return r;
}

TRect TStyledBitBtn::GetGlyphRect() const {
    // The themed face keeps a pressed glyph on its row; the classic one moves it down too.
    const bool pressed = PressedLook();
    const bool themed = UsesThemes();
    TRect r = TStyledButton::GetCaptionRect();
    if (pressed)
        r = OffsetRect(r, -1, themed ? 0 : -1);
    const TPoint glyph = GetGlyphSize();
    const TButtonLayout layout = EffectiveLayout();
    if (FMargin >= 0) {
        switch (layout) {
        case blGlyphLeft:
            r.Left += FMargin;
            break;
        case blGlyphRight:
            r.Left = r.Right - FMargin - glyph.X;
            break;
        case blGlyphTop:
            r.Top += FMargin;
            break;
        case blGlyphBottom:
            r.Top = r.Bottom - FMargin - glyph.Y;
            break;
        }
    } else {
        const int height = CaptionHeight(TStyledButton::GetCaptionRect());
        const int top = (Height() - height - glyph.Y - FSpacing) / 2;
        switch (layout) {
        case blGlyphLeft:
            break;
        case blGlyphRight:
            r.Left = r.Right - glyph.X;
            break;
        case blGlyphTop:
            r.Top = top;
            break;
        case blGlyphBottom:
            r.Top += height + top;
            break;
        }
    }
    if (layout == blGlyphTop || layout == blGlyphBottom)
        r.Left += (r.Right - r.Left - glyph.X + 1) / 2;
    else
        r.Top += (r.Bottom - r.Top - glyph.Y + 1) / 2;
    r.Right = r.Left + glyph.X;
    r.Bottom = r.Top + glyph.Y;
    return pressed ? OffsetRect(r, themed ? 2 : 1, themed ? 0 : 1) : r;
}
