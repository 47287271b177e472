// List boxes: selection by the mouse and the keyboard.

#include "gui/stdctrls/listbox.h"

#include <algorithm>

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus())
            SetFocus();
        const int index = ItemAtPos({x, y}, true);
        // The second press of a double click reports the double click, not another click.
        if (index >= 0 && shift.Contains(ssDouble)) {
            DblClick();
        } else if (index >= 0) {
            Select(index);
            FClickPending = true;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::MouseMove(TShiftState shift, int x, int y) {
    if (FClickPending && shift.Contains(ssLeft)) {
        const int index = ItemAtPos({x, y}, true);
        if (index >= 0)
            Select(index);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        EndPress();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomListBox::EndPress() {
    if (!FClickPending)
        return;
    FClickPending = false;
    Click();
}

int TCustomListBox::NavigationTarget(TKey key) const {
    const int last = Count() - 1;
    const int current = FItemIndex;
    const int page = std::max(1, PageSize() - 1);
    switch (key) {
    case win::VK_UP:
    case win::VK_LEFT:
        return current < 0 ? 0 : std::max(0, current - 1);
    case win::VK_DOWN:
    case win::VK_RIGHT:
        return current < 0 ? 0 : std::min(last, current + 1);
    case win::VK_HOME:
        return 0;
    case win::VK_END:
        return last;
    case win::VK_PRIOR:
        return current < 0 ? 0 : std::max(0, current - page);
    case win::VK_NEXT:
        return current < 0 ? 0 : std::min(last, current + page);
    default:
        return -1;
    }
}

void TCustomListBox::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0 || Count() == 0)
        return;
    const int target = NavigationTarget(key);
    if (target >= 0 && Select(target))
        Click();
}
