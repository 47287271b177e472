// The message queue: posting, sending, retrieval and dispatch.

#include "platform/window/internals.h"

#include <algorithm>

namespace win::detail {

namespace {

bool InRange(UINT message, UINT min, UINT max) {
    return (min == 0 && max == 0) || (message >= min && message <= max);
}

bool TakePosted(MSG* message, HWND window, UINT min, UINT max, UINT remove) {
    auto& posted = State().Posted;
    const auto found = std::find_if(posted.begin(), posted.end(), [&](const MSG& candidate) {
        return (!window || candidate.hwnd == window) && InRange(candidate.message, min, max);
    });
    if (found == posted.end())
        return false;
    *message = *found;
    if (remove & PM_REMOVE)
        posted.erase(found);
    return true;
}

void ConvertInput(const TInputEvent& event) {
    switch (event.Kind) {
    case TInputKind::ikKeyDown:
    case TInputKind::ikKeyUp:
        ConvertKey(event);
        break;
    case TInputKind::ikText:
        ConvertText(event);
        break;
    case TInputKind::ikCloseBox:
        if (const TWindow* window = Find(event.Window); window && IsEnabledChain(*window))
            Post({event.Window, WM_SYSCOMMAND, SC_CLOSE, 0, event.Time, State().Pointer});
        break;
    default:
        ConvertMouse(event);
        break;
    }
}

} // namespace

void QueueInput(TInputEvent event) {
    auto& input = State().Input;
    event.Time = Backend().Now();
    if (event.Kind == TInputKind::ikMouseMove && !input.empty() &&
        input.back().Kind == TInputKind::ikMouseMove) {
        input.back() = event;
        return;
    }
    input.push_back(std::move(event));
}

void Post(const MSG& message, bool front) {
    auto& posted = State().Posted;
    if (front)
        posted.push_front(message);
    else
        posted.push_back(message);
}

bool HasPendingWork() {
    const auto& state = State();
    return !state.Posted.empty() || !state.Input.empty() || state.QuitPosted || AnythingToPaint() ||
           AnyTimerDue();
}

} // namespace win::detail

namespace win {

using namespace detail;

LRESULT SendMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const TWindow* window = Find(handle);
    if (!window)
        return 0;
    if (TWindowProcedure* procedure = window->Procedure)
        return procedure->WindowProc(handle, message, wParam, lParam);
    return DefWindowProc(handle, message, wParam, lParam);
}

bool PostMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle && !Find(handle))
        return false;
    Post({handle, message, wParam, lParam, GetTickCount(), State().Pointer});
    return true;
}

void PostQuitMessage(int exitCode) {
    State().QuitPosted = true;
    State().QuitCode = exitCode;
}

bool PeekMessage(MSG* message, HWND window, UINT min, UINT max, UINT remove) {
    auto& state = State();
    if (!message || (window && !Find(window)))
        return false;
    bool found = TakePosted(message, window, min, max, remove);
    if (!found && state.QuitPosted && InRange(WM_QUIT, min, max)) {
        *message = {nullptr, WM_QUIT, WPARAM(state.QuitCode), 0, GetTickCount(), state.Pointer};
        if (remove & PM_REMOVE)
            state.QuitPosted = false;
        found = true;
    }
    while (!found && !state.Input.empty()) {
        const TInputEvent event = std::move(state.Input.front());
        state.Input.pop_front();
        ConvertInput(event);
        found = TakePosted(message, window, min, max, remove);
    }
    if (!found && InRange(WM_PAINT, min, max)) {
        if (const TWindow* dirty = NextToPaint(window)) {
            *message = {dirty->Handle, WM_PAINT, 0, 0, GetTickCount(), state.Pointer};
            found = true;
        }
    }
    if (!found && InRange(WM_TIMER, min, max))
        found = TakeDueTimer(window, (remove & PM_REMOVE) != 0, message);
    if (!found) {
        PresentAll();
        return false;
    }
    return true;
}

int GetMessage(MSG* message, HWND window, UINT min, UINT max) {
    for (;;) {
        if (window && !Find(window))
            return -1;
        if (PeekMessage(message, window, min, max, PM_REMOVE))
            return message->message == WM_QUIT ? 0 : 1;
        WaitMessage();
    }
}

void WaitMessage() {
    PresentAll();
    Backend().Wait(MillisecondsToNextTimer());
}

LRESULT DispatchMessage(const MSG* message) {
    if (!message || !message->hwnd)
        return 0;
    return SendMessage(message->hwnd, message->message, message->wParam, message->lParam);
}

DWORD GetTickCount() {
    return HasBackend() ? Backend().Now() : 0;
}

} // namespace win
