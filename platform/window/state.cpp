#include "platform/window/internals.h"

namespace win::detail {

TState& State() {
    // Never destroyed: at process exit the backend may already be unusable (a lost display
    // ends the process from inside the display library), so nothing may call into it then.
    static TState& state = *new TState;
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
