#pragma once
// The inside of a showing popup menu: its geometry, its window and painting, and the modal
// loop that takes the input while it shows.

#include "gui/graphics/font.h"
#include "gui/menus/menuwindow.h"
#include "platform/window/window.h"

#include <vector>

class TCanvas;

// The measures of a menu: the raised edge (two pixels) with one pixel of padding around the
// lines; room left and right of the captions; the height a line adds to a line of text; the
// height of a separator.
inline constexpr int MenuFrame = 3;
inline constexpr int MenuTextIndent = 17;
inline constexpr int MenuLineExtraHeight = 6;
inline constexpr int MenuSeparatorHeight = 9;

class TMenuTracker final : public win::TWindowProcedure {
public:
    explicit TMenuTracker(const std::vector<TMenuLine>& lines);
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;
    ~TMenuTracker() override;

    // Shows the window, runs the loop and destroys the window; returns the chosen line or -1.
    int Run(TPoint at);

    win::LRESULT WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override;

private:
    // ---- Geometry (menulayout.cpp) -------------------------------------------------------
    void Measure();
    TRect LineRect(int index) const;
    // The line under a point of the client area; -1 for none (or a separator).
    int LineAt(const TPoint& point) const;
    // The window's screen rectangle for a menu opened at a point.
    TRect Placement(const TPoint& at) const;

    // ---- Painting (menupaint.cpp) --------------------------------------------------------
    void Paint();
    void PaintLine(TCanvas& canvas, int index);

    // ---- Input (menuloop.cpp) ------------------------------------------------------------
    void Loop();
    // Handles a message that is menu input; false for any other message.
    bool TakeInput(const win::MSG& message);
    void KeyDown(win::WPARAM key);
    void Character(char32_t character);
    void Mouse(win::UINT message, const TPoint& point);
    // The next selectable line from `from` in direction (+1 or -1), wrapping around.
    int Step(int from, int direction) const;
    void Select(int index);
    void Choose(int index);

    const std::vector<TMenuLine>& FLines;
    TFont FFont;
    // The top of each line, and below the last the bottom of the lines.
    std::vector<int> FTops;
    int FWidth = 0;
    int FHeight = 0;
    win::HWND FWindow = nullptr;
    int FSelected = -1;
    int FChosen = -1;
    bool FDone = false;
};
