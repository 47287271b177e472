#pragma once
// What an X window manager is told of the SDL backend's windows beyond what SDL tells it: the
// caption buttons and border each window has, dialogs and menus as such and the window they
// belong to, the program's group, its name for desktop entries, and every size of its icon.

#include "platform/commctrl/icons.h"
#include "platform/window/backend_api.h"

#include <optional>
#include <vector>

struct SDL_Window;
struct _XDisplay;

namespace win::detail::x11 {

// The frame a window manager gives decorated windows, asked of it for a window that is not
// mapped yet (a frame-extents request), waiting a second at most for the answer. Nothing
// when no window manager that answers runs, or the window is not on an X server.
std::optional<TFrameMetrics> FrameOfWindowManager(SDL_Window* window);

// The hints of one program's windows. It keeps the group leader, an unmapped window that
// stands for the program, made with the first window on an X server and destroyed with the
// hints. Every call does nothing (and SetIcon returns false) for a window that is not on an
// X server.
class TWindowHints {
public:
    TWindowHints() = default;
    TWindowHints(const TWindowHints&) = delete;
    TWindowHints& operator=(const TWindowHints&) = delete;
    ~TWindowHints();

    // Describes a window that is not mapped yet: its decorations and functions, its type
    // (a dialog when it has an owner, a menu when it is a popup), its owner, class and group.
    void Describe(SDL_Window* window, const TTopLevelKind& kind, SDL_Window* owner);
    // Makes the window transient for its owner (none: for no window).
    void SetOwner(SDL_Window* window, SDL_Window* owner);
    // Asks the window manager to keep a mapped window modal for its owner.
    void MakeModal(SDL_Window* window);
    // Moves a window's client area to a screen point. SDL moves it as if the window manager
    // placed windows by their frame, which the hints tell it not to: SDL is asked for the
    // point further on by the frame.
    void Move(SDL_Window* window, int x, int y);
    // Puts every image in the window's icon property.
    bool SetIcon(SDL_Window* window, const std::vector<commctrl::TIconRgba>& images);

private:
    unsigned long Leader(_XDisplay* display);

    _XDisplay* FDisplay = nullptr;
    unsigned long FLeader = 0;
};

} // namespace win::detail::x11
