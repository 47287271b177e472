#pragma once
// The window of a showing popup menu and its modal loop.

#include "gui/graphics/geometry.h"

#include <string>
#include <vector>

// One line of a menu as it is shown.
struct TMenuLine {
    std::string Caption;
    bool Enabled = true;
    bool Separator = false;
};

// The window class of a showing menu, for finding its window.
inline constexpr const char* PopupMenuWindowClass = "#PopupMenu";

// Shows the lines in a popup window with its top-left corner at a screen point (kept on the
// screen) and runs the menu's loop until a line is chosen or the menu is dismissed. Returns
// the chosen line's index, or -1.
int TrackMenu(const std::vector<TMenuLine>& lines, TPoint at);
