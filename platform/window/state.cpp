#include "platform/window/core.h"

namespace win::detail {

TState& State() {
    static TState state;
    return state;
}

TWindow* Find(HWND window) {
    if (!window)
        return nullptr;
    auto& windows = State().Windows;
    auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second.get();
}

bool HasBackend() {
    return State().Backend != nullptr;
}

TBackend& Backend() {
    if (!State().Backend)
        throw EWindowSystem("No window system backend has been selected");
    return *State().Backend;
}

TWindow& TopLevelOf(const TWindow& window) {
    TWindow* current = Find(window.Handle);
    while (current->IsChild()) {
        TWindow* parent = Find(current->Parent);
        if (!parent)
            break;
        current = parent;
    }
    return *current;
}

} // namespace win::detail
