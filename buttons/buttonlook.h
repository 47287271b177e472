#pragma once
// The looks of the styled buttons. A button hands its state and the properties of its look
// to these painters; they know nothing of how the state came about.

#include "buttons/buttontypes.h"
#include "gui/graphics/canvas.h"
#include "platform/window/types.h"

struct TButtonLook {
    bool Enabled = true;
    bool Focused = false;
    // The button Enter would click: the form's default or focused button.
    bool Active = false;
    bool MouseOver = false;
    bool PressedLook = false;
    // The button's click handler is running.
    bool Clicking = false;
    // Latched Down or Exclusive.
    bool Latched = false;
    int GroupIndex = 0;
    TColor Color = clBtnFace;
    // The colour around the button (its parent's).
    TColor ParentColor = clBtnFace;
    TColor FrameColor = cl3DDkShadow;
    TColor HotTrackColor = 0;
    THotTrackColorType HotTrackColorType = htctActual;
    TColor HighlightColor = clHighlight;

    bool PressedOrLatched() const { return Latched || PressedLook; }
    // The focused or default button of a form, not pressed and in no group, is marked.
    bool ShowsDefault() const { return GroupIndex == 0 && (Active || Focused) && !PressedLook; }
};

// The push button's theme state for the look.
int ThemeState(const TButtonLook& look);
// Each paints the frame and face of its look over client and returns the rectangle inside
// the frame. The themed face draws window's parent behind its see-through corners.
TRect PaintThemedFace(TCanvas& canvas, win::HWND window, const TRect& client,
                      const TButtonLook& look);
TRect PaintHotTrackFace(TCanvas& canvas, const TRect& client, const TButtonLook& look);
TRect PaintClassicFace(TCanvas& canvas, const TRect& client, const TButtonLook& look);
