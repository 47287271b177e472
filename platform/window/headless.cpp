// The headless backend: offscreen surfaces, a settable clock and injected input.

#include "platform/window/internals.h"
#include "platform/window/make_backend.h"

#include <unordered_map>

namespace win::detail {

namespace {

// A classic fixed dialog frame.
constexpr TFrameMetrics HeadlessFrame{3, 4, 19};

class THeadlessBackend final : public TBackend, public THeadless {
public:
    explicit THeadlessBackend(int deviceScale) : FDeviceScale(std::max(1, deviceScale)) {}

    SIZE ScreenSize() override { return FScreen; }
    int DeviceScale() override { return FDeviceScale; }
    TFrameMetrics FrameMetrics() override { return HeadlessFrame; }
    DWORD Now() override { return FNow; }
    void CreateTopLevel(HWND, const TTopLevelKind&) override {}
    void DestroyTopLevel(HWND window) override { FIcons.erase(window); }
    void ShowTopLevel(HWND, TShowState) override {}
    void PlaceTopLevel(HWND, const RECT&) override {}
    void SetCaption(HWND, const std::string&) override {}
    void SetIcon(HWND window, const std::vector<commctrl::TIconRgba>& images) override {
        if (images.empty())
            FIcons.erase(window);
        else
            FIcons[window] = images;
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
        if (!surface)
            return gdi::CLR_INVALID;
        const POINT origin = SurfaceOrigin(*window);
        const long long px = ((long long)x + origin.x) * surface->Scale;
        const long long py = ((long long)y + origin.y) * surface->Scale;
        if (px < 0 || py < 0 || px >= surface->Width || py >= surface->Height)
            return gdi::CLR_INVALID;
        const std::uint32_t pixel =
            surface->Bits[std::size_t(py) * std::size_t(surface->Width) + std::size_t(px)];
        return gdi::RGB(gdi::BYTE(pixel >> 16), gdi::BYTE(pixel >> 8), gdi::BYTE(pixel));
    }

    TScreenshot Screenshot(HWND handle) const override {
        const TWindow* window = Find(handle);
        const TSurface* surface = window ? window->Surface.get() : nullptr;
        if (!surface)
            return {};
        TScreenshot shot{surface->Width, surface->Height, {}};
        shot.Pixels.assign(surface->Bits, surface->Bits + std::size_t(surface->Width) *
                                                              std::size_t(surface->Height));
        return shot;
    }

    std::optional<commctrl::TIconRgba> Icon(HWND window) const override {
        const auto found = FIcons.find(window);
        return found == FIcons.end() ? std::nullopt : std::optional(found->second.front());
    }
    std::vector<commctrl::TIconRgba> IconSizes(HWND window) const override {
        const auto found = FIcons.find(window);
        return found == FIcons.end() ? std::vector<commctrl::TIconRgba>() : found->second;
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

    int FDeviceScale;
    SIZE FScreen{1024, 768};
    DWORD FNow = 1000;
    POINT FPointer;
    std::function<void()> FIdleHook;
    std::unordered_map<HWND, std::vector<commctrl::TIconRgba>> FIcons;
};

} // namespace

THeadlessPair MakeHeadlessBackend(int deviceScale) {
    auto backend = std::make_unique<THeadlessBackend>(deviceScale);
    THeadless& controls = *backend;
    return {std::move(backend), controls};
}

} // namespace win::detail
