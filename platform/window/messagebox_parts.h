#pragma once
// The windows that make up the message box: the box itself (background and icon), its text
// and its OK button.

#include "platform/window/window.h"

#include <string>

namespace win::detail {

enum class TBoxIcon { biNone, biError, biWarning, biInformation };

constexpr const char* MessageTextClass = "#MessageBoxText";
constexpr const char* MessageButtonClass = "#MessageBoxButton";
constexpr int BoxIconSize = 32;

// Draws a 32 x 32 icon with its top-left corner at (x, y).
void DrawBoxIcon(HDC dc, int x, int y, TBoxIcon icon);

class TBoxProcedure : public TWindowProcedure {
public:
    TBoxProcedure(TBoxIcon icon, POINT iconAt) : FIcon(icon), FIconAt(iconAt) {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Done() const { return FDone; }

private:
    TBoxIcon FIcon;
    POINT FIconAt;
    bool FDone = false;
};

class TTextProcedure : public TWindowProcedure {
public:
    explicit TTextProcedure(gdi::HFONT font) : FFont(font) {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    gdi::HFONT FFont;
};

// A push button that tells its parent WM_COMMAND(IDOK) when clicked with the mouse
// (pressed and released over it), Space (released), Enter or Escape.
class TButtonProcedure : public TWindowProcedure {
public:
    explicit TButtonProcedure(gdi::HFONT font) : FFont(font) {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HWND window);
    void SetDown(HWND window, bool down);
    void Click(HWND window);

    gdi::HFONT FFont;
    bool FTracking = false; // the left button went down over it and the capture is held
    bool FDown = false;     // drawn pushed in
};

// The flags the box's text is drawn and measured with.
constexpr UINT BoxTextFormat = gdi::DT_WORDBREAK | gdi::DT_NOPREFIX | gdi::DT_EXPANDTABS;

} // namespace win::detail
