#pragma once
// Message numbers and the flags that messages carry, with the platform's values. Numbers
// below WM_USER belong to the window system; WM_USER..WM_APP-1 to a window class's own
// messages; WM_APP..0xBFFF to the application and its class library.

#include "platform/window/types.h"

namespace win {

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;      // lParam: client origin in the parent's client (or screen)
constexpr UINT WM_SIZE = 0x0005;      // wParam: SIZE_*; lParam: client width and height
constexpr UINT WM_ACTIVATE = 0x0006;  // LOWORD(wParam): WA_*; lParam: the other window
constexpr UINT WM_SETFOCUS = 0x0007;  // wParam: the window that lost the focus
constexpr UINT WM_KILLFOCUS = 0x0008; // wParam: the window that receives the focus
constexpr UINT WM_ENABLE = 0x000A;    // wParam: nonzero when enabled
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014; // wParam: the HDC; return nonzero when erased
constexpr UINT WM_SHOWWINDOW = 0x0018; // wParam: nonzero when shown
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_SETCURSOR = 0x0020; // wParam: the window; lParam: hit test, mouse message
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047; // lParam: WINDOWPOS*
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
// wParam: ICON_BIG or ICON_SMALL; returns that icon of the window (a commctrl::HICON).
constexpr UINT WM_GETICON = 0x007F;
// wParam: ICON_BIG or ICON_SMALL; lParam: the icon (null: none); returns the window's previous
// icon of that kind. The window keeps the handle but does not own it: the caller keeps the
// icon alive while the window has it.
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCPAINT = 0x0085;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_KEYDOWN = 0x0100; // wParam: VK_*; lParam: repeat count and flags
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102; // wParam: the character's code point
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_KEYFIRST = WM_KEYDOWN;
constexpr UINT WM_KEYLAST = 0x0109;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112; // wParam: SC_*
constexpr UINT WM_TIMER = 0x0113;      // wParam: the timer's id
constexpr UINT WM_CTLCOLORBTN = 0x0135;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
// Mouse messages: wParam holds MK_* flags; lParam the pointer in client coordinates.
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
// wParam: MK_* flags in the low word, the distance (multiples of WHEEL_DELTA, positive away
// from the user) in the high word; lParam: the pointer in screen coordinates.
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSEFIRST = WM_MOUSEMOVE;
constexpr UINT WM_MOUSELAST = WM_MOUSEWHEEL;
constexpr UINT WM_CAPTURECHANGED = 0x0215; // lParam: the window that gains the capture
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_PRINT = 0x0317;
constexpr UINT WM_PRINTCLIENT = 0x0318; // wParam: an HDC to draw the client area onto

// The window system's own messages, in a range the platform leaves unused.
constexpr UINT WM_PLATFORMFIRST = 0x0390;
// The pointer has come over the window (or the window has gained the capture). The pair
// WM_MOUSEENTER / WM_MOUSELEAVE is sent, not posted, whenever the window that owns the
// pointer changes: the capture window while there is one, else the enabled window under it.
constexpr UINT WM_MOUSEENTER = WM_PLATFORMFIRST;
constexpr UINT WM_PLATFORMLAST = 0x03BF;

constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// WM_PRINTCLIENT options (lParam).
constexpr LPARAM PRF_CLIENT = 0x0004;
constexpr LPARAM PRF_ERASEBKGND = 0x0008;

// WM_SIZE kinds.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

// Icon kinds of WM_SETICON and WM_GETICON.
constexpr WPARAM ICON_SMALL = 0;
constexpr WPARAM ICON_BIG = 1;

// WM_ACTIVATE states.
constexpr WORD WA_INACTIVE = 0;
constexpr WORD WA_ACTIVE = 1;
constexpr WORD WA_CLICKACTIVE = 2;

// Hit-test codes carried by WM_SETCURSOR.
constexpr int HTERROR = -2;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTBORDER = 18;

// WM_SYSCOMMAND commands. The caption's close box sends SC_CLOSE.
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;

// Mouse-message key flags.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

constexpr int WHEEL_DELTA = 120;

// PeekMessage options.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

} // namespace win
