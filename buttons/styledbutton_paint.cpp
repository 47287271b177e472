// Painting of the styled button: the face of the look, the down pattern, the caption and the
// focus dots.

#include "buttons/frames.h"
#include "buttons/styledbutton.h"
#include "gui/graphics/bitmap.h"

TButtonLook TStyledButton::Look() const {
    TButtonLook look;
    look.Enabled = Enabled();
    look.Focused = Focused();
    look.Active = FActive;
    look.MouseOver = MouseOver();
    look.PressedLook = PressedLook();
    look.Clicking = FClicking;
    look.Latched = FLatchState == lsDown || FLatchState == lsExclusive;
    look.GroupIndex = FGroupIndex;
    look.Color = Color();
    look.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    look.FrameColor = FFrameColor;
    look.HotTrackColor = HotTrackColor();
    look.HotTrackColorType = HotTrackColorType();
    look.HighlightColor = HighlightColor();
    return look;
}

void TStyledButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TButtonLook look = Look();
    const bool flat = HotTrack() || UsesThemes();
    const TRect client = ClientRect();
    const int inset = flat ? 3 : 4;
    TRect focus = InflatedRect(client, -inset, -inset);
    if (FGroupIndex != 0 && look.PressedOrLatched())
        focus = OffsetRect(focus, 1, 1);
    TRect face = client;
    if (UsesThemes())
        face = PaintThemedFace(canvas, Handle(), client, look);
    else if (HotTrack())
        face = PaintHotTrackFace(canvas, client, look);
    else
        face = PaintClassicFace(canvas, client, look);
    if (FGroupIndex != 0 && FLatchState == lsExclusive && FShowDownPattern)
        PaintDownPattern(face);
    canvas.SetFont(*Font());
    canvas.Brush().SetColor(Color());
    PaintCaption();
    if (look.Focused && FShowFocusRect)
        DrawFocusDots(canvas, focus);
}

void TStyledButton::PaintDownPattern(const TRect& area) {
    TBitmap pattern;
    BuildDownPattern(pattern);
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetBitmap(&pattern);
    canvas.FillRect(area);
    canvas.Brush().SetBitmap(nullptr);
}

void TStyledButton::BuildDownPattern(TBitmap& bitmap) {
    bitmap.SetSize(8, 8);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(Rect(0, 0, 8, 8));
    const TColor check = ColorToRGB(Color()) == clSilver ? clGray : clSilver;
    for (int y = 0; y < 8; ++y)
        for (int x = y % 2; x < 8; x += 2)
            canvas.SetPixels(x, y, check);
}

TRect TStyledButton::GetCaptionRect() const {
    const TRect rect = InflatedRect(ClientRect(), -5, -5);
    const bool classic = !HotTrack() && !UsesThemes();
    const bool latched = FLatchState == lsDown || FLatchState == lsExclusive;
    if (classic && (PressedLook() || (FGroupIndex != 0 && latched)))
        return OffsetRect(rect, 1, 1);
    return rect;
}

void TStyledButton::PaintCaption() {
    gdi::UINT flags = gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS;
    TAlignment alignment = FAlignment;
    if (UseRightToLeftAlignment() && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    switch (alignment) {
    case taLeftJustify:
        flags |= gdi::DT_LEFT;
        break;
    case taRightJustify:
        flags |= gdi::DT_RIGHT;
        break;
    case taCenter:
        flags |= gdi::DT_CENTER;
        break;
    }
    DrawCaptionText(*Canvas(), GetCaptionRect(), flags);
}
