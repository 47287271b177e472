// Timers: WM_TIMER comes when nothing else is waiting and a timer is due.

#include "platform/window/internals.h"

#include <algorithm>

namespace win::detail {

namespace {

// Milliseconds until the timer is due; negative once it is overdue. The clock wraps.
int Remaining(const TTimer& timer, DWORD now) {
    return std::int32_t(timer.Due - now);
}

} // namespace

std::optional<DWORD> MillisecondsToNextTimer() {
    const auto& timers = State().Timers;
    if (timers.empty())
        return std::nullopt;
    const DWORD now = Backend().Now();
    int shortest = Remaining(timers.front(), now);
    for (const TTimer& timer : timers)
        shortest = std::min(shortest, Remaining(timer, now));
    return DWORD(std::max(0, shortest));
}

bool AnyTimerDue() {
    const auto& timers = State().Timers;
    if (timers.empty())
        return false;
    const DWORD now = Backend().Now();
    return std::any_of(timers.begin(), timers.end(),
                       [&](const TTimer& timer) { return Remaining(timer, now) <= 0; });
}

bool TakeDueTimer(HWND filter, bool remove, MSG* message) {
    auto& timers = State().Timers;
    if (timers.empty())
        return false;
    const DWORD now = Backend().Now();
    TTimer* due = nullptr;
    for (TTimer& timer : timers) {
        if (Remaining(timer, now) <= 0 && (!filter || timer.Window == filter) &&
            (!due || Remaining(timer, now) < Remaining(*due, now)))
            due = &timer;
    }
    if (!due)
        return false;
    *message = {due->Window, WM_TIMER, due->Id, 0, now, State().Pointer};
    if (remove)
        due->Due = now + due->Elapse;
    return true;
}

void KillTimersOf(HWND window) {
    std::erase_if(State().Timers, [&](const TTimer& timer) { return timer.Window == window; });
}

} // namespace win::detail

namespace win {

using namespace detail;

UINT SetTimer(HWND window, UINT id, UINT elapse) {
    if (!Find(window) || id == 0)
        return 0;
    elapse = std::max<UINT>(1, elapse);
    const DWORD due = Backend().Now() + elapse;
    for (TTimer& timer : State().Timers) {
        if (timer.Window == window && timer.Id == id) {
            timer.Elapse = elapse;
            timer.Due = due;
            return id;
        }
    }
    State().Timers.push_back({window, id, elapse, due});
    return id;
}

bool KillTimer(HWND window, UINT id) {
    return std::erase_if(State().Timers, [&](const TTimer& timer) {
               return timer.Window == window && timer.Id == id;
           }) > 0;
}

} // namespace win
