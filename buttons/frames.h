#pragma once
// One-pixel frames of the styled buttons: edge rings, 3D and button frames in system colours
// or tinted from a base colour, etched frames, and the dotted focus mark. Each function draws
// with the canvas's pen and returns the rectangle left inside what it drew.

#include "gui/classes/set.h"
#include "gui/graphics/canvas.h"

enum TEdge { edLeft, edTop, edRight, edBottom };
using TEdgeSet = TSet<TEdge>;
inline constexpr TEdgeSet edAll{edLeft, edTop, edRight, edBottom};

enum TFrameLook {
    flNone,
    flFlat,
    flGroove,
    flBump,
    flLowered,
    flButtonDown,
    flRaised,
    flButtonUp,
    flThinLowered,
    flThinRaised,
    flFlatDouble
};

// Lines on the chosen edges: left and top in topLeft, right and bottom (drawn last, so they
// own the top-right and bottom-left corners) in bottomRight; clNone draws nothing. The result
// is shrunk by one on every chosen edge, drawn or not. The pen keeps its width.
TRect DrawEdges(TCanvas& canvas, const TRect& rect, TColor topLeft, TEdgeSet edges,
                TColor bottomRight);
// count rings of DrawEdges, each inside the last, with a pen one pixel wide.
TRect DrawEdgeRings(TCanvas& canvas, const TRect& rect, TColor topLeft, TEdgeSet edges, int count,
                    TColor bottomRight);
TRect Draw3DFrameEdges(TCanvas& canvas, const TRect& rect, bool sunken, TEdgeSet edges);
TRect DrawButtonFrameEdges(TCanvas& canvas, const TRect& rect, bool pressed, TEdgeSet edges);
TRect DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool pressed);
TRect DrawTintedButtonFrameEdges(TCanvas& canvas, const TRect& rect, TColor base, TEdgeSet edges,
                                 bool pressed);
TRect DrawTintedButtonFrame(TCanvas& canvas, const TRect& rect, TColor base, bool pressed);
// A frame of a look in the system colours.
TRect DrawFrameEdges(TCanvas& canvas, const TRect& rect, TFrameLook look, TEdgeSet edges);
TRect DrawFrame(TCanvas& canvas, const TRect& rect, TFrameLook look);
// A frame of a look in colours derived from base.
TRect DrawTintedFrameEdges(TCanvas& canvas, const TRect& rect, TColor base, TEdgeSet edges,
                           TFrameLook look);
TRect DrawTintedFrame(TCanvas& canvas, const TRect& rect, TColor base, TFrameLook look);
// Black dots on every other pixel round the inside of rect, whatever lay there; the result
// is rect shrunk by one.
TRect DrawFocusDots(TCanvas& canvas, const TRect& rect);
