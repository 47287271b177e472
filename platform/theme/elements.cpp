// The table of elements the engine draws.

#include "platform/theme/pushbutton.h"
#include "platform/theme/theme.h"

namespace theme {

namespace {

bool IsPushButton(TThemeClass themeClass, int part, int state) {
    return themeClass == tcButton && part == BP_PUSHBUTTON && state >= PBS_NORMAL &&
           state <= PBS_DEFAULTED;
}

} // namespace

bool DrawThemeBackground(gdi::HDC dc, TThemeClass themeClass, int part, int state,
                         const gdi::RECT& rect) {
    return IsPushButton(themeClass, part, state) && detail::DrawPushButton(dc, state, rect);
}

bool IsThemeBackgroundPartiallyTransparent(TThemeClass themeClass, int part, int state) {
    return IsPushButton(themeClass, part, state);
}

} // namespace theme
