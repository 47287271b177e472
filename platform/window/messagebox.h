#pragma once
// The platform's message box: a modal window with an icon, the word-wrapped text and an OK
// button, owned by and centred over its owner (the screen without one). Its text is the
// window text of its child with the id IDC_STATIC_TEXT; the button has the id IDOK.

#include "platform/window/types.h"

#include <string>

namespace win {

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;

constexpr int IDOK = 1;
constexpr int IDC_STATIC_TEXT = 0xFFFF;

// The class name of the message box window, for FindWindow.
inline constexpr const char* MessageBoxClass = "#MessageBox";

// Shows the box and runs its own message loop, with the owner's top-level window and the
// windows that own it disabled, until the OK button is clicked or Enter, Space or Escape is
// pressed; returns IDOK. When that top-level window is blocked by a modal window it owns
// (directly or through others), the box belongs to the modal window instead. An
// empty caption reads "Error". Returns 0 without showing anything when the owner is a stale
// handle or no backend is selected. A WM_QUIT that reaches the box's loop closes it and is posted
// again.
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

} // namespace win
