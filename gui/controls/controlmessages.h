#pragma once
// The messages of the control layer. Every message a control receives, from the window
// system or from the layer itself, passes its WndProc as a TMessage.
//
// CM_* are the layer's notifications between controls; CN_* carry key messages to the
// focused control before they are translated and dispatched, so that dialog keys (Tab,
// Enter, Escape, accelerators) reach the form first. Both lie in the range the window
// system leaves to the application and its class library.

#include "platform/window/messages.h"

struct TMessage {
    win::UINT Msg = 0;
    win::WPARAM WParam = 0;
    win::LPARAM LParam = 0;
    win::LRESULT Result = 0;
};

constexpr win::UINT CM_BASE = 0xB000;
// WParam: the key; LParam: the key data. A control that acts on it sets Result to 1.
constexpr win::UINT CM_DIALOGKEY = CM_BASE + 5;
// WParam: the character; a control whose accelerator it is acts and sets Result to 1.
constexpr win::UINT CM_DIALOGCHAR = CM_BASE + 6;
// LParam: the control that now has the focus within the form (TWinControl*).
constexpr win::UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr win::UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr win::UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr win::UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr win::UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr win::UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr win::UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr win::UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr win::UINT CM_TEXTCHANGED = CM_BASE + 18;
// The pointer came over or left the control (windowed or not).
constexpr win::UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr win::UINT CM_MOUSELEAVE = CM_BASE + 20;
// The focus moved into or out of the control within its form.
constexpr win::UINT CM_ENTER = CM_BASE + 26;
constexpr win::UINT CM_EXIT = CM_BASE + 27;
// Sent to every form when the application's icon changed.
constexpr win::UINT CM_ICONCHANGED = CM_BASE + 29;
// WParam: a key the focused control may claim (Result 1) before the form sees it.
constexpr win::UINT CM_WANTSPECIALKEY = CM_BASE + 30;
// Posted to a form that asked to be freed once its handlers have returned.
constexpr win::UINT CM_RELEASE = CM_BASE + 33;
constexpr win::UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr win::UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;

constexpr win::UINT CN_BASE = 0xBC00;
constexpr win::UINT CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr win::UINT CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr win::UINT CN_SYSKEYDOWN = CN_BASE + win::WM_SYSKEYDOWN;
constexpr win::UINT CN_SYSCHAR = CN_BASE + win::WM_SYSCHAR;

// What a control answers to WM_GETDLGCODE: the keys it handles itself rather than letting
// the form use them for navigation and default buttons.
constexpr win::LRESULT DLGC_WANTARROWS = 0x0001;
constexpr win::LRESULT DLGC_WANTTAB = 0x0002;
constexpr win::LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr win::LRESULT DLGC_WANTCHARS = 0x0080;

// WM_PRINTCLIENT options.
using win::PRF_CLIENT;
using win::PRF_ERASEBKGND;
