#pragma once
// Keyboard focus, mouse capture, key state and cursors.
//
// Mouse input goes to the capture window when there is one, else to the deepest visible
// window under the pointer; when that window or an ancestor is disabled the input is
// dropped. Keyboard input goes to the focus window (or the active window when nothing has
// the focus) and is dropped in the same way.

#include "platform/window/types.h"

namespace win {

// WM_KILLFOCUS to the old focus window, WM_SETFOCUS to the new one (null: nobody). Focusing
// a window of an inactive top-level window activates that first. Returns the old focus.
HWND SetFocus(HWND window);
HWND GetFocus();

// WM_CAPTURECHANGED to the window that loses the capture. Returns the old capture window.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

// The state of a key (VK_*) or mouse button as of the last input message retrieved: the
// high bit (a negative value) while it is down.
short GetKeyState(int virtualKey);
bool GetCursorPos(POINT* point);

// ---- Cursors --------------------------------------------------------------------------------

// System cursor resources.
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
constexpr int IDC_APPSTARTING = 32650;
constexpr int IDC_HELP = 32651;

// A system cursor by its resource number; null for a number that names none. System
// cursors are shared and never destroyed.
HCURSOR LoadCursor(int resource);
// Shows a cursor (null: none) and returns the one shown before.
HCURSOR SetCursor(HCURSOR cursor);
// The cursor shown now.
HCURSOR GetCursor();
// The resource number of a system cursor; 0 for null.
int CursorResource(HCURSOR cursor);

} // namespace win
