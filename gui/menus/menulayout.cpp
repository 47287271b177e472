// Popup menus: the size of the lines and of the window, and where the window goes.

#include "gui/graphics/textmeasure.h"
#include "gui/menus/menutracker.h"

#include <algorithm>

void TMenuTracker::Measure() {
    const int textHeight = MeasureText(FFont, "0", gdi::DT_SINGLELINE).cy;
    int widest = 0;
    int top = MenuFrame;
    FTops.clear();
    for (const TMenuLine& line : FLines) {
        FTops.push_back(top);
        if (line.Separator) {
            top += MenuSeparatorHeight;
            continue;
        }
        widest = std::max(widest, MeasureText(FFont, line.Caption, gdi::DT_SINGLELINE).cx);
        top += textHeight + MenuLineExtraHeight;
    }
    FTops.push_back(top);
    FWidth = 2 * (MenuFrame + MenuTextIndent) + widest;
    FHeight = top + MenuFrame;
}

TRect TMenuTracker::LineRect(int index) const {
    const auto i = std::size_t(index);
    return Rect(MenuFrame, FTops[i], FWidth - MenuFrame, FTops[i + 1]);
}

int TMenuTracker::LineAt(const TPoint& point) const {
    for (int i = 0; i < int(FLines.size()); ++i)
        if (LineRect(i).Contains(point))
            return FLines[std::size_t(i)].Separator ? -1 : i;
    return -1;
}

TRect TMenuTracker::Placement(const TPoint& at) const {
    const int screenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    const auto place = [](int from, int size, int limit) {
        const int start = from + size > limit ? from - size : from;
        return std::max(0, std::min(start, limit - size));
    };
    return Bounds(place(at.X, FWidth, screenWidth), place(at.Y, FHeight, screenHeight), FWidth,
                  FHeight);
}
