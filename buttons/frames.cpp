#include "buttons/frames.h"

#include "buttons/colors.h"

namespace {

// The colours of two rings, outer first; "top left" colours the left and top edges.
struct TRingColours {
    TColor OuterTopLeft;
    TColor OuterBottomRight;
    TColor InnerTopLeft;
    TColor InnerBottomRight;
};

constexpr TRingColours kRaised3D{cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
constexpr TRingColours kSunken3D{clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
constexpr TRingColours kButtonUp{clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow};
constexpr TRingColours kButtonPressed{clBtnText, clBtnText, clBtnShadow, clBtnShadow};

TRect Inset(const TRect& rect, TEdgeSet edges, int by) {
    TRect inside = rect;
    if (edges.Contains(edLeft))
        inside.Left += by;
    if (edges.Contains(edTop))
        inside.Top += by;
    if (edges.Contains(edRight))
        inside.Right -= by;
    if (edges.Contains(edBottom))
        inside.Bottom -= by;
    return inside;
}

TRect DrawTwoRings(TCanvas& canvas, const TRect& rect, const TRingColours& colours,
                   TEdgeSet edges) {
    const TRect inner =
        DrawEdgeRings(canvas, rect, colours.OuterTopLeft, edges, 1, colours.OuterBottomRight);
    return DrawEdgeRings(canvas, inner, colours.InnerTopLeft, edges, 1, colours.InnerBottomRight);
}

// Two lines per edge, a (the upper-left line of each pair) and b, with the corner pixels
// where a side is missing set so that the etching turns the corner cleanly.
TRect DrawEtchedFrame(TCanvas& canvas, const TRect& r, TColor a, TColor b, TEdgeSet edges) {
    const bool left = edges.Contains(edLeft);
    const bool top = edges.Contains(edTop);
    const bool right = edges.Contains(edRight);
    const bool bottom = edges.Contains(edBottom);
    if (right)
        canvas.SetPixels(r.Right - 1, r.Top, b);
    if (top && !right)
        canvas.SetPixels(r.Right - 1, r.Top, a);
    if (bottom)
        canvas.SetPixels(r.Left, r.Bottom - 1, b);
    if (left && !bottom)
        canvas.SetPixels(r.Left, r.Bottom - 1, a);
    if (top && !left)
        canvas.SetPixels(r.Left, r.Top + 1, b);
    if (left && !top)
        canvas.SetPixels(r.Left + 1, r.Top, b);
    if (bottom && !right)
        canvas.SetPixels(r.Right - 1, r.Bottom - 2, a);
    if (right && !bottom)
        canvas.SetPixels(r.Right - 2, r.Bottom - 1, a);
    DrawEdges(canvas, Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), b, edges, b);
    DrawEdges(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), a, edges, a);
    return Inset(r, edges, 2);
}

} // namespace

TRect DrawEdges(TCanvas& canvas, const TRect& rect, TColor topLeft, TEdgeSet edges,
                TColor bottomRight) {
    const TRect& r = rect;
    const auto line = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (topLeft != clNone) {
        canvas.Pen().SetColor(topLeft);
        if (edges.Contains(edLeft))
            line(r.Left, r.Top, r.Left, r.Bottom);
        if (edges.Contains(edTop))
            line(r.Left, r.Top, r.Right, r.Top);
    }
    if (bottomRight != clNone) {
        canvas.Pen().SetColor(bottomRight);
        if (edges.Contains(edRight))
            line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (edges.Contains(edBottom))
            line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    return Inset(rect, edges, 1);
}

TRect DrawEdgeRings(TCanvas& canvas, const TRect& rect, TColor topLeft, TEdgeSet edges, int count,
                    TColor bottomRight) {
    canvas.Pen().SetWidth(1);
    TRect inside = rect;
    for (int ring = 0; ring < count; ++ring)
        inside = DrawEdges(canvas, inside, topLeft, edges, bottomRight);
    return inside;
}

TRect Draw3DFrameEdges(TCanvas& canvas, const TRect& rect, bool sunken, TEdgeSet edges) {
    return DrawTwoRings(canvas, rect, sunken ? kSunken3D : kRaised3D, edges);
}

TRect DrawButtonFrameEdges(TCanvas& canvas, const TRect& rect, bool pressed, TEdgeSet edges) {
    return DrawTwoRings(canvas, rect, pressed ? kButtonPressed : kButtonUp, edges);
}

TRect DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool pressed) {
    return DrawButtonFrameEdges(canvas, rect, pressed, edAll);
}

TRect DrawTintedButtonFrameEdges(TCanvas& canvas, const TRect& rect, TColor base, TEdgeSet edges,
                                 bool pressed) {
    const TRingColours colours = pressed ? TRingColours{Darken(base, 100), Darken(base, 100),
                                                        Darken(base, 50), Darken(base, 50)}
                                         : TRingColours{Lighten(base, 100), Darken(base, 100),
                                                        Lighten(base, 40), Darken(base, 50)};
    return DrawTwoRings(canvas, rect, colours, edges);
}

TRect DrawTintedButtonFrame(TCanvas& canvas, const TRect& rect, TColor base, bool pressed) {
    return DrawTintedButtonFrameEdges(canvas, rect, base, edAll, pressed);
}

TRect DrawFrameEdges(TCanvas& canvas, const TRect& rect, TFrameLook look, TEdgeSet edges) {
    switch (look) {
    case flFlat:
        return DrawEdges(canvas, rect, cl3DDkShadow, edges, cl3DDkShadow);
    case flGroove:
        return DrawEtchedFrame(canvas, rect, clBtnShadow, clBtnHighlight, edges);
    case flBump:
        return DrawEtchedFrame(canvas, rect, clBtnHighlight, clBtnShadow, edges);
    case flLowered:
        return Draw3DFrameEdges(canvas, rect, true, edges);
    case flButtonDown:
        return DrawButtonFrameEdges(canvas, rect, true, edges);
    case flRaised:
        return Draw3DFrameEdges(canvas, rect, false, edges);
    case flButtonUp:
        return DrawButtonFrameEdges(canvas, rect, false, edges);
    case flThinLowered:
        return DrawEdges(canvas, rect, clBtnShadow, edges, clBtnHighlight);
    case flThinRaised:
        return DrawEdges(canvas, rect, clBtnHighlight, edges, clBtnShadow);
    case flFlatDouble:
        return DrawEdgeRings(canvas, rect, clBtnShadow, edges, 2, clBtnShadow);
    default:
        return rect;
    }
}

TRect DrawFrame(TCanvas& canvas, const TRect& rect, TFrameLook look) {
    return DrawFrameEdges(canvas, rect, look, edAll);
}

TRect DrawTintedFrameEdges(TCanvas& canvas, const TRect& rect, TColor base, TEdgeSet edges,
                           TFrameLook look) {
    switch (look) {
    case flNone:
        return rect;
    case flFlat:
        return DrawEdges(canvas, rect, Darken(base, 50), edges, Darken(base, 50));
    case flGroove:
        return DrawEtchedFrame(canvas, rect, Darken(base, 50), Lighten(base, 100), edges);
    case flLowered:
        return DrawTwoRings(
            canvas, rect,
            {Darken(base, 50), Lighten(base, 100), Darken(base, 100), Lighten(base, 50)}, edges);
    case flRaised:
        return DrawTwoRings(
            canvas, rect,
            {Lighten(base, 50), Darken(base, 100), Lighten(base, 100), Darken(base, 50)}, edges);
    case flButtonDown:
        return DrawTintedButtonFrameEdges(canvas, rect, base, edges, true);
    case flButtonUp:
        return DrawTintedButtonFrameEdges(canvas, rect, base, edges, false);
    case flThinLowered:
        return DrawEdges(canvas, rect, Darken(base, 50), edges, Lighten(base, 100));
    case flThinRaised:
        return DrawEdges(canvas, rect, Lighten(base, 100), edges, Darken(base, 50));
    case flFlatDouble:
        return DrawEdgeRings(canvas, rect, Darken(base, 50), edges, 2, Darken(base, 50));
    default: // flBump, and any look beyond the table
        return DrawEtchedFrame(canvas, rect, Lighten(base, 100), Darken(base, 50), edges);
    }
}

TRect DrawTintedFrame(TCanvas& canvas, const TRect& rect, TColor base, TFrameLook look) {
    return DrawTintedFrameEdges(canvas, rect, base, edAll, look);
}

TRect DrawFocusDots(TCanvas& canvas, const TRect& rect) {
    const TRect& r = rect;
    for (int y = r.Top + 1; y < r.Bottom; y += 2) {
        canvas.SetPixels(r.Left, y, clBlack);
        canvas.SetPixels(r.Right - 1, y, clBlack);
    }
    for (int x = r.Left + 1; x < r.Right; x += 2) {
        canvas.SetPixels(x, r.Top, clBlack);
        canvas.SetPixels(x, r.Bottom - 1, clBlack);
    }
    return Inset(rect, edAll, 1);
}
