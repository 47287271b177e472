// Classes, creation and destruction of windows.

#include "platform/window/internals.h"

#include <algorithm>
#include <utility>

namespace win::detail {

TTopLevelKind TopLevelKindOf(const TWindow& window) {
    TTopLevelKind kind;
    kind.Caption = window.Text;
    kind.Popup = IsPopup(window.Style);
    kind.Sizable = (window.Style & WS_THICKFRAME) != 0;
    kind.SystemMenu = !kind.Popup && (window.Style & WS_SYSMENU);
    kind.MinimizeBox = kind.SystemMenu && (window.Style & WS_MINIMIZEBOX);
    kind.MaximizeBox = kind.SystemMenu && (window.Style & WS_MAXIMIZEBOX);
    kind.Owner = window.Owner;
    const POINT origin = ClientOrigin(window);
    const SIZE size = ClientSize(window);
    kind.Client = {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
    return kind;
}

void BackendLost(HWND handle) {
    TWindow* window = Find(handle);
    if (!window || window->IsChild())
        return;
    // The desktop reports the vanishing window as minimised first; it comes back as it was.
    if (window->Minimized)
        BackendStateChanged(handle, TShowState::ssNormal);
    if (!(window = Find(handle)))
        return;
    Backend().DestroyTopLevel(handle);
    Backend().CreateTopLevel(handle, TopLevelKindOf(*window));
    ShowWindowIcon(*window);
    if (window->Style & WS_VISIBLE) {
        Backend().ShowTopLevel(handle, ShowStateOf(*window));
        InvalidateTree(*window);
        BackendExposed(handle);
    }
    TInputEvent close;
    close.Kind = TInputKind::ikCloseBox;
    close.Window = handle;
    QueueInput(close);
}

void Forget(HWND handle) {
    auto& state = State();
    TWindow* window = Find(handle);
    if (!window)
        return;
    for (HWND child : std::vector<HWND>(window->Children))
        Forget(child);
    KillTimersOf(handle);
    ReleaseContexts(handle, !window->IsChild());
    std::erase_if(state.Posted, [&](const MSG& message) { return message.hwnd == handle; });
    if (TWindow* parent = window->IsChild() ? Find(window->Parent) : nullptr)
        std::erase(parent->Children, handle);
    if (!window->IsChild()) {
        std::erase(state.TopLevels, handle);
        if (HasBackend())
            Backend().DestroyTopLevel(handle);
    }
    for (HWND* reference : {&state.Focus, &state.Active, &state.Capture, &state.MouseWindow,
                            &state.LastClick.Window}) {
        if (*reference == handle)
            *reference = nullptr;
    }
    state.Windows.erase(handle);
}

} // namespace win::detail

namespace win {

using namespace detail;

namespace {

HWND NewHandle() {
    // Handles step by four and are never reused, so a stale handle cannot name a new window.
    State().LastHandle += 4;
    return reinterpret_cast<HWND>(State().LastHandle);
}

void LinkWindow(TWindow& window, TWindow* parent) {
    auto& state = State();
    if (window.IsChild()) {
        parent->Children.push_back(window.Handle);
        return;
    }
    window.Owner = parent ? TopLevelOf(*parent).Handle : nullptr;
    InsertHandle(state.TopLevels, 0, window.Handle);
    ResizeSurface(window);
    Backend().CreateTopLevel(window.Handle, TopLevelKindOf(window));
}

void SendDestroyMessages(HWND handle) {
    for (HWND topLevel : std::vector<HWND>(State().TopLevels)) {
        TWindow* owned = Find(topLevel);
        if (owned && owned->Owner == handle)
            DestroyWindow(topLevel);
    }
    TWindow* window = Find(handle);
    if (!window)
        return;
    if (window->IsChild() && IsShown(*window))
        InvalidateSurfaceArea(TopLevelOf(*window), VisibleWindowArea(*window));
    ReleaseInputState(*window, true);
    SendMessage(handle, WM_DESTROY, 0, 0);
    if (TWindow* still = Find(handle)) {
        for (HWND child : std::vector<HWND>(still->Children))
            DestroyWindow(child);
    }
    SendMessage(handle, WM_NCDESTROY, 0, 0);
}

} // namespace

bool RegisterClass(const WNDCLASS& windowClass) {
    if (windowClass.lpszClassName.empty())
        return false;
    State().Classes[windowClass.lpszClassName] = windowClass;
    return true;
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    TWindowProcedure* procedure, void* createParams) {
    auto& state = State();
    const auto windowClass = state.Classes.find(className);
    TWindow* parentWindow = Find(parent);
    if (!HasBackend() || windowClass == state.Classes.end() || (parent && !parentWindow) ||
        ((style & WS_CHILD) && !parentWindow))
        return nullptr;

    auto record = std::make_unique<TWindow>();
    TWindow& window = *record;
    window.Handle = NewHandle();
    window.Class = windowClass->second;
    window.Procedure = procedure;
    window.Style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    window.ExStyle = exStyle;
    window.Parent = (style & WS_CHILD) ? parent : nullptr;
    window.Text = windowName;
    window.Rect = {x, y, x + std::max(0, width), y + std::max(0, height)};
    window.Insets = FrameInsets(style, exStyle);
    const HWND handle = window.Handle;
    state.Windows.emplace(handle, std::move(record));
    try {
        LinkWindow(window, parentWindow);
    } catch (...) {
        Forget(handle);
        throw;
    }

    CREATESTRUCT create;
    create.lpCreateParams = createParams;
    create.hwndParent = parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = LONG(style);
    create.lpszName = windowName.c_str();
    create.lpszClass = className.c_str();
    create.dwExStyle = exStyle;
    const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessage(handle, WM_NCCREATE, 0, createParam) ||
        SendMessage(handle, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (!Find(handle))
        return nullptr;
    SendSizeMessage(handle);
    SendMoveMessage(handle);
    if ((style & WS_VISIBLE) && Find(handle))
        ShowWindow(handle, SW_SHOW);
    return Find(handle) ? handle : nullptr;
}

bool DestroyWindow(HWND handle) {
    TWindow* window = Find(handle);
    if (!window || window->Destroying)
        return false;
    window->Destroying = true;
    const bool wasActive = State().Active == handle;
    const HWND owner = window->Owner;
    {
        // The records go even when a handler raises an error.
        struct TForget {
            HWND Handle;
            ~TForget() { Forget(Handle); }
        } forget{handle};
        SendDestroyMessages(handle);
    }
    if (wasActive)
        ActivateSuccessor(owner);
    return true;
}

bool IsWindow(HWND window) {
    return Find(window) != nullptr;
}

int LiveWindows() {
    return int(State().Windows.size());
}

} // namespace win
