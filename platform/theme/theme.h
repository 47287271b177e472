#pragma once
// The visual-style engine: the themed look of standard elements, drawn by the raster engine
// into a rectangle of a device context for a class, part and state with the platform's
// numbers. It knows windows (to draw a parent's background) but no controls.
//
// The look is the engine's own: rounded faces with a soft vertical gradient and a one-pixel
// border, in colours derived from the system colours, so it sits with any window colour.

#include "platform/window/types.h"

namespace theme {

enum TThemeClass { tcButton };

// Parts of the button class, and the states of its push button.
constexpr int BP_PUSHBUTTON = 1;
constexpr int PBS_NORMAL = 1;
constexpr int PBS_HOT = 2;
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5;

// Visual styles apply: the platform has themes active and the program uses version 6 of the
// common controls.
bool ThemesEnabled();

// Draws the element over rect. False, and nothing drawn, for a part or state the class does
// not have or an empty rectangle.
bool DrawThemeBackground(gdi::HDC dc, TThemeClass themeClass, int part, int state,
                         const gdi::RECT& rect);
// The element leaves some of its rectangle (its rounded corners) to what lies beneath, so the
// caller draws the parent's background first.
bool IsThemeBackgroundPartiallyTransparent(TThemeClass themeClass, int part, int state);
// Has the parent of window erase and paint its client area into dc (a context on window's
// client area) behind rect, or behind the whole client area for null. False for a window
// without a parent.
bool DrawThemeParentBackground(win::HWND window, gdi::HDC dc, const gdi::RECT* rect);

} // namespace theme
