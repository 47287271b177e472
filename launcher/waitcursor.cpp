#include "launcher/waitcursor.h"

#include "gui/forms/screen.h"

namespace {

int WaitCounter = 0;

} // namespace

void BeginWaitCursor() {
    ++WaitCounter;
    Screen.SetCursor(crHourGlass);
}

void EndWaitCursor() {
    if (WaitCounter <= 0)
        return;
    if (--WaitCounter == 0)
        Screen.SetCursor(crDefault);
}

int WaitCursorCount() {
    return WaitCounter;
}
