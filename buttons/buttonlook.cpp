#include "buttons/buttonlook.h"

#include "buttons/colors.h"
#include "buttons/frames.h"
#include "buttons/gradients.h"
#include "platform/theme/theme.h"

namespace {

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Fill(TCanvas& canvas, const TRect& rect, TColor colour) {
    canvas.Brush().SetColor(colour);
    canvas.FillRect(rect);
}

// A ring cut off at its corners, darker on the left and top, in the colours round the button.
void PaintOuterRing(TCanvas& canvas, const TRect& q, TColor dark, TColor light) {
    const auto [l, t, r, b] = q;
    canvas.Pen().SetColor(dark);
    Line(canvas, l, t + 2, l, b - 2);
    Line(canvas, l + 2, t, r - 2, t);
    canvas.Pen().SetColor(light);
    Line(canvas, r - 1, t + 2, r - 1, b - 2);
    Line(canvas, l + 2, b - 1, r - 2, b - 1);
    canvas.SetPixels(l + 1, t + 1, dark);
    canvas.SetPixels(r - 2, t + 1, dark);
    canvas.SetPixels(l + 1, b - 2, dark);
    canvas.SetPixels(r - 2, b - 2, light);
}

// One-pixel sides without their corner pixels.
void PaintInnerRing(TCanvas& canvas, const TRect& q, TColor colour) {
    const auto [l, t, r, b] = q;
    canvas.Pen().SetColor(colour);
    Line(canvas, l, t + 1, l, b - 1);
    Line(canvas, l + 1, t, r - 1, t);
    Line(canvas, r - 1, t + 1, r - 1, b - 1);
    Line(canvas, l + 1, b - 1, r - 1, b - 1);
}

// Two shaded lines at the bottom and a gradient above them.
void PaintHotTrackSurface(TCanvas& canvas, const TRect& q, TColor colour) {
    canvas.Pen().SetColor(Darken(colour, 20));
    Line(canvas, q.Left, q.Bottom - 2, q.Right, q.Bottom - 2);
    canvas.Pen().SetColor(Darken(colour, 30));
    Line(canvas, q.Left, q.Bottom - 1, q.Right, q.Bottom - 1);
    const TRect above = Rect(q.Left, q.Top, q.Right, q.Bottom - 2);
    if (HighColorFlag())
        DrawGradient(canvas, above, gsVertical, Lighten(colour, 30), Darken(colour, 10), 1);
    else
        Fill(canvas, above, colour);
}

void PaintHotRing(TCanvas& canvas, const TRect& q, const TButtonLook& look) {
    TColor top = MixColors(clWhite, look.HotTrackColor, 190);
    TColor bottom = look.HotTrackColor;
    if (look.HotTrackColorType == htctComplement) {
        top = ComplementOf(look.HotTrackColor, 180);
        bottom = Darken(top, 30);
    }
    DrawGradientRing(canvas, q, gsVertical, top, bottom);
}

void PaintFocusRing(TCanvas& canvas, const TRect& q, const TButtonLook& look) {
    const TColor highlight = ColorsIndistinct(look.HighlightColor, clBtnFace)
                                 ? Darken(look.HighlightColor, 30)
                                 : look.HighlightColor;
    const TColor light = Lighten(look.Color, 30);
    DrawGradientRing(canvas, q, gsVertical, MixColors(highlight, light, 60),
                     MixColors(highlight, light, 160));
}

} // namespace

int ThemeState(const TButtonLook& look) {
    if (!look.Enabled)
        return theme::PBS_DISABLED;
    if (look.PressedOrLatched())
        return theme::PBS_PRESSED;
    if (look.MouseOver)
        return theme::PBS_HOT;
    if (look.ShowsDefault())
        return theme::PBS_DEFAULTED;
    return theme::PBS_NORMAL;
}

TRect PaintThemedFace(TCanvas& canvas, win::HWND window, const TRect& client,
                      const TButtonLook& look) {
    const int state = ThemeState(look);
    const gdi::HDC dc = canvas.Handle();
    const gdi::RECT rect = ToRECT(client);
    if (theme::IsThemeBackgroundPartiallyTransparent(theme::tcButton, theme::BP_PUSHBUTTON, state))
        theme::DrawThemeParentBackground(window, dc, &rect);
    theme::DrawThemeBackground(dc, theme::tcButton, theme::BP_PUSHBUTTON, state, rect);
    return client;
}

TRect PaintHotTrackFace(TCanvas& canvas, const TRect& client, const TButtonLook& look) {
    TRect q = client;
    if (!look.Enabled) {
        PaintOuterRing(canvas, q, look.ParentColor, look.ParentColor);
        q = InflatedRect(q, -1, -1);
        PaintInnerRing(canvas, q,
                       look.Color == clBtnFace ? Lighten(clBtnShadow, 30) : Darken(look.Color, 80));
        q = InflatedRect(q, -1, -1);
        Fill(canvas, q, look.Color);
        return q;
    }
    PaintOuterRing(canvas, q, Darken(look.ParentColor, 20), Lighten(look.ParentColor, 20));
    q = InflatedRect(q, -1, -1);
    PaintInnerRing(canvas, q, look.FrameColor);
    q = InflatedRect(q, -1, -1);
    if (look.PressedOrLatched()) {
        Fill(canvas, q, Darken(look.Color, 10));
        return q;
    }
    PaintHotTrackSurface(canvas, q, look.Color);
    if (look.MouseOver)
        PaintHotRing(canvas, q, look);
    else if (look.ShowsDefault())
        PaintFocusRing(canvas, q, look);
    return q;
}

TRect PaintClassicFace(TCanvas& canvas, const TRect& client, const TButtonLook& look) {
    TRect q = client;
    if (look.GroupIndex == 0 && (look.ShowsDefault() || look.Clicking))
        q = DrawEdges(canvas, q, clWindowFrame, edAll, clWindowFrame);
    if (look.Color == clBtnFace) {
        if (look.GroupIndex == 0)
            q = DrawButtonFrame(canvas, q, look.PressedLook);
        else
            q = DrawFrame(canvas, q, look.PressedOrLatched() ? flLowered : flButtonUp);
    } else if (look.GroupIndex == 0) {
        q = DrawTintedButtonFrame(canvas, q, look.Color, look.PressedLook);
    } else if (look.PressedOrLatched()) {
        q = DrawTintedFrame(canvas, q, look.Color, flLowered);
    } else {
        q = DrawTintedButtonFrame(canvas, q, look.Color, false);
    }
    Fill(canvas, q, look.Color);
    return q;
}
