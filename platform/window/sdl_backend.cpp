// The SDL backend: one SDL window per top-level window, presenting its surface, and SDL's
// input turned into the window system's input records.

#include "platform/window/internals.h"
#include "platform/window/make_backend.h"
#include "platform/window/scoped_variable.h"
#include "platform/window/sdl_display.h"
#include "platform/window/sdl_keys.h"
#include "platform/window/sdl_x11.h"
#include "platform/window/sdl_x11_hints.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace win::detail {

namespace {

struct TCursorPair {
    int Resource;
    SDL_SystemCursor Shape;
};

constexpr TCursorPair CursorShapes[] = {
    {IDC_ARROW, SDL_SYSTEM_CURSOR_ARROW},
    {IDC_IBEAM, SDL_SYSTEM_CURSOR_IBEAM},
    {IDC_WAIT, SDL_SYSTEM_CURSOR_WAIT},
    {IDC_CROSS, SDL_SYSTEM_CURSOR_CROSSHAIR},
    {IDC_UPARROW, SDL_SYSTEM_CURSOR_ARROW},
    {IDC_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENWSE},
    {IDC_SIZENESW, SDL_SYSTEM_CURSOR_SIZENESW},
    {IDC_SIZEWE, SDL_SYSTEM_CURSOR_SIZEWE},
    {IDC_SIZENS, SDL_SYSTEM_CURSOR_SIZENS},
    {IDC_SIZEALL, SDL_SYSTEM_CURSOR_SIZEALL},
    {IDC_NO, SDL_SYSTEM_CURSOR_NO},
    {IDC_HAND, SDL_SYSTEM_CURSOR_HAND},
    {IDC_APPSTARTING, SDL_SYSTEM_CURSOR_WAITARROW},
    {IDC_HELP, SDL_SYSTEM_CURSOR_ARROW},
};

UINT ButtonKey(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_RIGHT:
        return VK_RBUTTON;
    case SDL_BUTTON_MIDDLE:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

// A top-level window's SDL window, and the window that owns it.
struct TNative {
    SDL_Window* Window = nullptr;
    HWND Owner = nullptr;
    bool Popup = false;
};

class TSdlBackend final : public TBackend {
public:
    TSdlBackend() {
        // A click that activates a window also reaches it, as on the platform.
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        // Termination signals end the process as usual instead of becoming SDL events.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        // Under Wayland SDL with libdecor follows a window that was hidden and destroyed into
        // freed memory; without it, windows are plain xdg-shell toplevels that the compositor
        // decorates where it offers to.
        SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
        x11::InstallErrorHandler();
        const std::string drivers = DisplayDrivers();
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
        if (drivers.empty() || !StartVideo())
            throw EBackendUnavailable(DisplayProblem());
        // On X windows are drawn in software: a surface in plain memory, not one SDL would put
        // behind an OpenGL context by loading the GL drivers and replacing the window. SDL's
        // Wayland driver has no such surface and needs the accelerated one.
        if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11")
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // The X events behind SDL's, to learn of windows that other programs destroy.
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
        SDL_StartTextInput();
    }

    ~TSdlBackend() override {
        for (auto& [handle, native] : FWindows)
            SDL_DestroyWindow(native.Window);
        for (auto& [resource, cursor] : FCursors)
            SDL_FreeCursor(cursor);
        FHints.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SIZE ScreenSize() override {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(0, &bounds) != 0)
            return {0, 0};
        return {bounds.w, bounds.h};
    }

    TFrameMetrics FrameMetrics() override {
        if (!FFrameAsked) {
            FFrameAsked = true;
            AskFrame();
        }
        return FMetrics;
    }
    DWORD Now() override { return DWORD(SDL_GetTicks64()); }

    void CreateTopLevel(HWND handle, const TTopLevelKind& kind) override {
        Uint32 flags = SDL_WINDOW_HIDDEN;
        if (kind.Popup)
            flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | PopupFlag();
        if (kind.Sizable)
            flags |= SDL_WINDOW_RESIZABLE;
        SDL_Window* window = SDL_CreateWindow(kind.Caption.c_str(), kind.Client.left,
                                              kind.Client.top, std::max(1, kind.Client.Width()),
                                              std::max(1, kind.Client.Height()), flags);
        if (!window)
            throw EWindowSystem(std::string("Cannot create a window: ") + SDL_GetError());
        // The surface is made now, while the window is hidden.
        SDL_GetWindowSurface(window);
        FWindows[handle] = {window, kind.Owner, kind.Popup};
        FHandles[SDL_GetWindowID(window)] = handle;
        // A window given a new native window (the old one was lost) stays under its own.
        for (const auto& [other, native] : FWindows) {
            if (native.Owner != handle)
                continue;
            FHints->SetOwner(native.Window, window);
            if (!native.Popup)
                SDL_SetWindowModalFor(native.Window, window);
        }
        SDL_Window* owner = WindowOf(kind.Owner);
        FHints->Describe(window, kind, owner);
        if (owner && !kind.Popup)
            SDL_SetWindowModalFor(window, owner);
    }

    void DestroyTopLevel(HWND handle) override {
        const auto found = FWindows.find(handle);
        if (found == FWindows.end())
            return;
        const TNative native = found->second;
        PassFocusOn(native);
        FHandles.erase(SDL_GetWindowID(native.Window));
        FWindows.erase(found);
        SDL_DestroyWindow(native.Window);
    }

    void ShowTopLevel(HWND handle, TShowState state) override {
        SDL_Window* window = WindowOf(handle);
        if (!window)
            return;
        switch (state) {
        case TShowState::ssHidden:
            PassFocusOn(FWindows.at(handle));
            SDL_HideWindow(window);
            break;
        case TShowState::ssNormal:
            if (!(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN)) {
                SDL_ShowWindow(window);
                // A window shown while its owner is disabled is modal for it: the window
                // manager keeps it above its owner and passes it the owner's clicks.
                const HWND owner = FWindows.at(handle).Owner;
                if (owner && !IsWindowEnabled(owner))
                    FHints->MakeModal(window);
            }
            SDL_RestoreWindow(window);
            break;
        case TShowState::ssMinimized:
            SDL_MinimizeWindow(window);
            break;
        case TShowState::ssMaximized:
            SDL_ShowWindow(window);
            SDL_MaximizeWindow(window);
            break;
        }
    }

    void PlaceTopLevel(HWND handle, const RECT& client) override {
        if (SDL_Window* window = WindowOf(handle)) {
            FHints->Move(window, client.left, client.top);
            SDL_SetWindowSize(window, std::max(1, client.Width()), std::max(1, client.Height()));
        }
    }

    void SetCaption(HWND handle, const std::string& caption) override {
        if (SDL_Window* window = WindowOf(handle))
            SDL_SetWindowTitle(window, caption.c_str());
    }

    // Off X11, SDL takes one image and cannot take it back from a window, so one that loses
    // its icon keeps showing the last one.
    void SetIcon(HWND handle, const std::vector<commctrl::TIconRgba>& images) override {
        SDL_Window* window = WindowOf(handle);
        if (!window || FHints->SetIcon(window, images) || images.empty())
            return;
        const commctrl::TIconRgba* icon = &images.front();
        // SDL only reads the pixels: it converts them for the window manager.
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<gdi::BYTE*>(icon->Rgba.data()), icon->Width, icon->Height, 32,
            icon->Width * 4, SDL_PIXELFORMAT_RGBA32);
        if (!surface)
            return;
        SDL_SetWindowIcon(window, surface);
        SDL_FreeSurface(surface);
    }

    void Raise(HWND handle) override {
        if (SDL_Window* window = WindowOf(handle))
            SDL_RaiseWindow(window);
    }

    void Present(HWND handle, const TSurface& surface, const RECT& area) override {
        SDL_Window* window = WindowOf(handle);
        SDL_Surface* screen = window ? SDL_GetWindowSurface(window) : nullptr;
        if (!screen)
            return;
        SDL_Surface* source =
            SDL_CreateRGBSurfaceWithFormatFrom(surface.Bits, surface.Width, surface.Height, 32,
                                               surface.Width * 4, SDL_PIXELFORMAT_RGB888);
        if (!source)
            return;
        SDL_Rect rect{area.left, area.top, area.Width(), area.Height()};
        SDL_Rect target = rect;
        SDL_BlitSurface(source, &rect, screen, &target);
        SDL_FreeSurface(source);
        SDL_UpdateWindowSurfaceRects(window, &rect, 1);
    }

    void ShowCursor(int resource) override {
        SDL_ShowCursor(resource ? SDL_ENABLE : SDL_DISABLE);
        if (SDL_Cursor* cursor = CursorOf(resource))
            SDL_SetCursor(cursor);
    }

    void Wait(std::optional<DWORD> timeout) override {
        if (HandleQueued())
            return;
        // On an X server the wait is on the display connection: SDL's own wait wakes itself
        // with an event sent to one of the program's windows, which fails once that window
        // is gone.
        if (!FWindows.empty() && x11::WaitForEvents(FWindows.begin()->second.Window, timeout)) {
            HandleQueued();
            return;
        }
        SDL_Event event;
        if (!timeout && !SDL_WaitEvent(&event))
            throw EBackendUnavailable(std::string("Waiting for input failed: ") + SDL_GetError());
        if (timeout && !SDL_WaitEventTimeout(&event, int(*timeout)))
            return;
        Handle(event);
        HandleQueued();
    }

private:
    // Starts SDL's video with two variables set for it alone; the programs the launcher
    // starts later inherit the user's. No control takes text input, so the input method SDL
    // opens reads an empty Compose table instead of the locale's, the largest part of the
    // start-up's work: keys still arrive as characters, only without composing. And with no
    // session bus, the bus library does not try to start one, a fork of the whole process.
    static bool StartVideo() {
        const TScopedVariable compose("XCOMPOSEFILE", "/dev/null");
        const TScopedVariable bus("DBUS_SESSION_BUS_ADDRESS",
                                  "disabled:", TScopedVariable::TWhen::wUnset);
        return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }

    SDL_Window* WindowOf(HWND handle) const {
        const auto found = FWindows.find(handle);
        return found == FWindows.end() ? nullptr : found->second.Window;
    }

    // The window whose native X window is `native`; null when none is.
    HWND HandleOfNative(unsigned long native) const {
        if (!native)
            return nullptr;
        for (const auto& [handle, record] : FWindows) {
            if (x11::WindowOf(record.Window) == native)
                return handle;
        }
        return nullptr;
    }

    bool HandleQueued() {
        bool handled = false;
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            Handle(event);
            handled = true;
        }
        return handled;
    }

    HWND HandleOf(Uint32 windowId) const {
        const auto found = FHandles.find(windowId);
        return found == FHandles.end() ? nullptr : found->second;
    }

    SDL_Cursor* CursorOf(int resource) {
        if (const auto found = FCursors.find(resource); found != FCursors.end())
            return found->second;
        for (const TCursorPair& pair : CursorShapes) {
            if (pair.Resource == resource)
                return FCursors[resource] = SDL_CreateSystemCursor(pair.Shape);
        }
        return nullptr;
    }

    // Without a window manager nobody passes the keyboard on when the window that has it
    // goes: it goes to the window's owner then, which is the window the platform activates.
    // A window shown a moment ago may have the keyboard before SDL has heard of it.
    void PassFocusOn(const TNative& native) {
        SDL_Window* owner = WindowOf(native.Owner);
        SDL_Window* focus = SDL_GetKeyboardFocus();
        if (owner && (focus == native.Window || !focus) &&
            (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN))
            SDL_SetWindowInputFocus(owner);
    }

    // A popup (a menu) never has the focus itself. Without a window manager SDL gives every
    // window it shows the input focus, also a popup; the popup's owner keeps the focus then,
    // and gets it back when the popup goes.
    HWND OwnerOfPopup(HWND handle) const {
        const auto found = FWindows.find(handle);
        return found != FWindows.end() && found->second.Popup ? found->second.Owner : handle;
    }

    bool IsPopup(HWND handle) const {
        const auto found = FWindows.find(handle);
        return found != FWindows.end() && found->second.Popup;
    }

    // The pointer in screen coordinates from a position in a window's client area. Input
    // can still arrive for a window that is gone; then it is where the pointer is now.
    POINT ScreenPoint(Uint32 windowId, int x, int y) const {
        POINT point{x, y};
        if (!ClientToScreen(HandleOf(windowId), &point))
            SDL_GetGlobalMouseState(&point.x, &point.y);
        return point;
    }

    void QueuePointer(TInputKind kind, POINT point, UINT key) {
        TInputEvent event;
        event.Kind = kind;
        event.Point = point;
        event.Key = key;
        QueueInput(event);
    }

    // A menu is a popup menu to the window manager. Under Wayland SDL asks the compositor for
    // one in a way it refuses, which ends the connection: a menu is a window of its own there.
    static Uint32 PopupFlag() {
        const char* driver = SDL_GetCurrentVideoDriver();
        return driver && std::string_view(driver) == "wayland" ? 0 : SDL_WINDOW_POPUP_MENU;
    }

    // Learns the frame the window manager will give windows before the first is placed, so
    // that windows centred by their outer size are centred as the user sees them.
    void AskFrame() {
        SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN);
        if (!probe)
            return;
        if (const auto frame = x11::FrameOfWindowManager(probe))
            FMetrics = *frame;
        SDL_DestroyWindow(probe);
    }

    // Learns the decorations the window manager adds from a decorated window.
    void MeasureFrame(HWND handle) {
        SDL_Window* window = WindowOf(handle);
        int top = 0, left = 0, bottom = 0, right = 0;
        if (!window || (SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS) ||
            SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0)
            return;
        const TFrameMetrics measured{left, left, std::max(0, top - left)};
        if (measured.FixedFrame == FMetrics.FixedFrame && measured.Caption == FMetrics.Caption)
            return;
        FMetrics = measured;
        BackendFrameChanged();
    }

    void HandleWindowEvent(const SDL_WindowEvent& event) {
        const HWND handle = HandleOf(event.windowID);
        if (!handle)
            return;
        switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE: {
            TInputEvent close;
            close.Kind = TInputKind::ikCloseBox;
            close.Window = handle;
            QueueInput(close);
            break;
        }
        case SDL_WINDOWEVENT_MOVED:
            BackendMoved(handle, {event.data1, event.data2});
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            BackendResized(handle, {event.data1, event.data2});
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
            MeasureFrame(handle);
            BackendExposed(handle);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            BackendStateChanged(handle, TShowState::ssMinimized);
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            BackendStateChanged(handle, TShowState::ssMaximized);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            BackendStateChanged(handle, TShowState::ssNormal);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            BackendFocusChanged(OwnerOfPopup(handle), true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            if (!IsPopup(handle))
                BackendFocusChanged(handle, false);
            break;
        case SDL_WINDOWEVENT_LEAVE: {
            // The pointer is over no window of ours now, though another program's window
            // there may cover one: report where it is.
            int x = 0, y = 0;
            SDL_GetGlobalMouseState(&x, &y);
            QueuePointer(TInputKind::ikMouseLeave, {x, y}, 0);
            break;
        }
        default:
            break;
        }
    }

    void HandleKey(const SDL_KeyboardEvent& event) {
        const UINT key = VirtualKeyOf(event.keysym);
        if (!key)
            return;
        TInputEvent input;
        input.Kind = event.type == SDL_KEYDOWN ? TInputKind::ikKeyDown : TInputKind::ikKeyUp;
        input.Key = key;
        QueueInput(input);
    }

    void Handle(const SDL_Event& event) {
        switch (event.type) {
        case SDL_MOUSEMOTION:
            QueuePointer(TInputKind::ikMouseMove,
                         ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y), 0);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const POINT point = ScreenPoint(event.button.windowID, event.button.x, event.button.y);
            QueuePointer(TInputKind::ikMouseMove, point, 0);
            QueuePointer(event.type == SDL_MOUSEBUTTONDOWN ? TInputKind::ikMouseDown
                                                           : TInputKind::ikMouseUp,
                         point, ButtonKey(event.button.button));
            break;
        }
        case SDL_MOUSEWHEEL: {
            TInputEvent wheel;
            wheel.Kind = TInputKind::ikWheel;
            GetCursorPos(&wheel.Point);
            const int direction = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
            wheel.Delta = event.wheel.y * direction * WHEEL_DELTA;
            QueueInput(wheel);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            HandleKey(event.key);
            break;
        case SDL_TEXTINPUT: {
            TInputEvent text;
            text.Kind = TInputKind::ikText;
            text.Text = event.text.text;
            QueueInput(text);
            break;
        }
        case SDL_WINDOWEVENT:
            HandleWindowEvent(event.window);
            break;
        case SDL_SYSWMEVENT:
            if (const HWND lost = HandleOfNative(x11::DestroyedWindow(*event.syswm.msg)))
                BackendLost(lost);
            break;
        default:
            break;
        }
    }

    std::unordered_map<HWND, TNative> FWindows;
    std::unordered_map<Uint32, HWND> FHandles;
    std::unordered_map<int, SDL_Cursor*> FCursors;
    TFrameMetrics FMetrics;
    bool FFrameAsked = false;
    // Released before SDL closes the display connection it uses.
    std::unique_ptr<x11::TWindowHints> FHints = std::make_unique<x11::TWindowHints>();
};

} // namespace

std::unique_ptr<TBackend> MakeSdlBackend() {
    return std::make_unique<TSdlBackend>();
}

} // namespace win::detail
