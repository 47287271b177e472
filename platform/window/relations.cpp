// Window properties and the relations between windows.

#include "platform/window/internals.h"

#include <algorithm>
#include <cstring>

namespace win {

using namespace detail;

namespace {

HWND Neighbour(const TWindow& window, int step) {
    const std::vector<HWND>* siblings = SiblingsOf(window);
    if (!siblings)
        return nullptr;
    const auto at = std::find(siblings->begin(), siblings->end(), window.Handle);
    const auto index = (at - siblings->begin()) + step;
    return (index >= 0 && index < std::ssize(*siblings)) ? (*siblings)[index] : nullptr;
}

bool EnumTree(const std::vector<HWND>& windows, const std::function<bool(HWND)>& visit) {
    for (HWND handle : std::vector<HWND>(windows)) {
        if (!Find(handle))
            continue;
        if (!visit(handle))
            return false;
        if (TWindow* window = Find(handle); window && !EnumTree(window->Children, visit))
            return false;
    }
    return true;
}

} // namespace

LONG_PTR GetWindowLongPtr(HWND handle, int index) {
    const TWindow* window = Find(handle);
    if (!window)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return LONG_PTR(window->Style);
    case GWL_EXSTYLE:
        return LONG_PTR(window->ExStyle);
    case GWLP_ID:
        return window->Id;
    case GWLP_USERDATA:
        return window->UserData;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND handle, int index, LONG_PTR value) {
    TWindow* window = Find(handle);
    if (!window)
        return 0;
    const LONG_PTR previous = GetWindowLongPtr(handle, index);
    constexpr DWORD kept = WS_CHILD | WS_VISIBLE | WS_DISABLED;
    switch (index) {
    case GWL_STYLE:
        window->Style = (DWORD(value) & ~kept) | (window->Style & kept);
        break;
    case GWL_EXSTYLE:
        window->ExStyle = DWORD(value);
        break;
    case GWLP_ID:
        window->Id = value;
        break;
    case GWLP_USERDATA:
        window->UserData = value;
        break;
    default:
        return 0;
    }
    return previous;
}

bool SetWindowText(HWND handle, const std::string& text) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    window->Text = text;
    if (!window->IsChild())
        Backend().SetCaption(handle, text);
    return true;
}

std::string GetWindowText(HWND handle) {
    const TWindow* window = Find(handle);
    return window ? window->Text : std::string();
}

int GetWindowTextLength(HWND handle) {
    return int(GetWindowText(handle).size());
}

HWND GetParent(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    return window->IsChild() ? window->Parent : window->Owner;
}

HWND GetAncestor(HWND handle, UINT relation) {
    TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    switch (relation) {
    case GA_PARENT:
        return window->IsChild() ? window->Parent : nullptr;
    case GA_ROOT:
        return TopLevelOf(*window).Handle;
    case GA_ROOTOWNER: {
        TWindow* root = &TopLevelOf(*window);
        while (TWindow* owner = Find(root->Owner))
            root = owner;
        return root->Handle;
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND handle, UINT relation) {
    const TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    const std::vector<HWND>* siblings = SiblingsOf(*window);
    switch (relation) {
    case GW_CHILD:
        return window->Children.empty() ? nullptr : window->Children.front();
    case GW_OWNER:
        return window->Owner;
    case GW_HWNDNEXT:
        return Neighbour(*window, 1);
    case GW_HWNDPREV:
        return Neighbour(*window, -1);
    case GW_HWNDFIRST:
        return siblings && !siblings->empty() ? siblings->front() : nullptr;
    case GW_HWNDLAST:
        return siblings && !siblings->empty() ? siblings->back() : nullptr;
    default:
        return nullptr;
    }
}

bool IsChild(HWND parent, HWND handle) {
    const TWindow* window = Find(handle);
    while (window && window->IsChild()) {
        if (window->Parent == parent)
            return true;
        window = Find(window->Parent);
    }
    return false;
}

HWND GetDlgItem(HWND parent, int id) {
    const TWindow* window = Find(parent);
    if (!window)
        return nullptr;
    for (HWND child : window->Children) {
        if (Find(child)->Id == id)
            return child;
    }
    return nullptr;
}

HWND FindWindow(const char* className, const char* windowName) {
    for (HWND handle : State().TopLevels) {
        const TWindow* window = Find(handle);
        if ((!className || window->Class.lpszClassName == className) &&
            (!windowName || window->Text == windowName))
            return handle;
    }
    return nullptr;
}

bool EnumWindows(const std::function<bool(HWND)>& visit) {
    for (HWND handle : std::vector<HWND>(State().TopLevels)) {
        if (Find(handle) && !visit(handle))
            return false;
    }
    return true;
}

bool EnumChildWindows(HWND parent, const std::function<bool(HWND)>& visit) {
    const TWindow* window = Find(parent);
    return window && EnumTree(window->Children, visit);
}

} // namespace win
