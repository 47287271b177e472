// The headless backend: offscreen surfaces, a settable clock and injected input.

#include "platform/window/core.h"
#include "platform/window/make_backend.h"

#include <unordered_map>

namespace win::detail {

namespace {

// A classic fixed dialog frame.
constexpr TFrameMetrics HeadlessFrame{3, 4, 19};

class THeadlessBackend final : public TBackend, public THeadless {
public:
    SIZE ScreenSize() override { return FScreen; }
    TFrameMetrics FrameMetrics() override { return HeadlessFrame; }
    DWORD Now() override { return FNow; }
    void CreateTopLevel(HWND, const TTopLevelKind&) override {}
    void DestroyTopLevel(HWND window) override { FIcons.erase(window); }
    void ShowTopLevel(HWND, TShowState) override {}
    void PlaceTopLevel(HWND, const RECT&) override {}
    void SetCaption(HWND, const std::string&) override {}
    void SetIcon(HWND window, const std::optional<commctrl::TIconRgba>& icon) override {
        if (icon)
            FIcons[window] = *icon;
        else
            FIcons.erase(window);
    }
    void Raise(HWND) override {}
    void Present(HWND, const TSurface&, const RECT&) override {}
    void ShowCursor(int) override {}

    void Wait(std::optional<DWORD>) override {
        if (!FIdleHook)
            throw EMessageLoopBlocked("A message loop waits for input on the headless backend "
                                      "and no idle hook is installed");
        const auto hook = FIdleHook; // the hook may replace itself
        hook();
        if (!HasPendingWork())
            throw EMessageLoopBlocked("The idle hook returned without input, messages or a due "
                                      "timer; the message loop would wait forever");
    }

    void SetScreenSize(int width, int height) override { FScreen = {width, height}; }
    void SetTime(DWORD milliseconds) override { FNow = milliseconds; }
    void Advance(DWORD milliseconds) override { FNow += milliseconds; }

    void MouseMove(int x, int y) override {
        FPointer = {x, y};
        Queue(TInputKind::ikMouseMove, 0);
    }
    void MouseDown(UINT button) override { Queue(TInputKind::ikMouseDown, button); }
    void MouseUp(UINT button) override { Queue(TInputKind::ikMouseUp, button); }
    void Click(int x, int y, UINT button) override {
        MouseMove(x, y);
        MouseDown(button);
        MouseUp(button);
    }
    void MouseLeave() override { Queue(TInputKind::ikMouseLeave, 0); }
    void Wheel(int delta) override {
        TInputEvent event = Event(TInputKind::ikWheel, 0);
        event.Delta = delta;
        QueueInput(event);
    }

    void KeyDown(UINT key) override { Queue(TInputKind::ikKeyDown, key); }
    void KeyUp(UINT key) override { Queue(TInputKind::ikKeyUp, key); }
    void Key(UINT key) override {
        KeyDown(key);
        KeyUp(key);
    }
    void Text(std::string_view utf8) override {
        TInputEvent event = Event(TInputKind::ikText, 0);
        event.Text = utf8;
        QueueInput(event);
    }

    void CloseBox(HWND window) override {
        TInputEvent event = Event(TInputKind::ikCloseBox, 0);
        event.Window = window;
        QueueInput(event);
    }

    void SetIdleHook(std::function<void()> hook) override { FIdleHook = std::move(hook); }

    gdi::COLORREF Pixel(HWND handle, int x, int y) const override {
        const TWindow* window = Find(handle);
        if (!window)
            return gdi::CLR_INVALID;
        const TSurface* surface = TopLevelOf(*window).Surface.get();
        const POINT origin = SurfaceOrigin(*window);
        x += origin.x;
        y += origin.y;
        if (!surface || x < 0 || y < 0 || x >= surface->Width || y >= surface->Height)
            return gdi::CLR_INVALID;
        const std::uint32_t pixel = surface->Bits[std::size_t(y) * surface->Width + x];
        return gdi::RGB(gdi::BYTE(pixel >> 16), gdi::BYTE(pixel >> 8), gdi::BYTE(pixel));
    }

    std::optional<commctrl::TIconRgba> Icon(HWND window) const override {
        const auto found = FIcons.find(window);
        return found == FIcons.end() ? std::nullopt : std::optional(found->second);
    }

private:
    TInputEvent Event(TInputKind kind, UINT key) const {
        TInputEvent event;
        event.Kind = kind;
        event.Key = key;
        event.Point = FPointer;
        return event;
    }
    void Queue(TInputKind kind, UINT key) { QueueInput(Event(kind, key)); }

    SIZE FScreen{1024, 768};
    DWORD FNow = 1000;
    POINT FPointer;
    std::function<void()> FIdleHook;
    std::unordered_map<HWND, commctrl::TIconRgba> FIcons;
};

} // namespace

THeadlessPair MakeHeadlessBackend() {
    auto backend = std::make_unique<THeadlessBackend>();
    THeadless& controls = *backend;
    return {std::move(backend), controls};
}

} // namespace win::detail
