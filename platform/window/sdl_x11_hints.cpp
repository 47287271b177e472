#include "platform/window/sdl_x11_hints.h"

#include "platform/window/sdl_x11.h"

#include <SDL2/SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace win::detail::x11 {

namespace {

// The window manager's hints as Motif defined them, which every current X window manager
// reads for the decorations and functions it offers: flags, functions, decorations, input
// mode, status.
struct TMotifHints {
    unsigned long Flags = 0;
    unsigned long Functions = 0;
    unsigned long Decorations = 0;

    std::array<unsigned long, 5> Items() const { return {Flags, Functions, Decorations, 0, 0}; }
};
constexpr unsigned long MwmHintsFunctions = 1, MwmHintsDecorations = 2;
constexpr unsigned long MwmFuncResize = 2, MwmFuncMove = 4, MwmFuncMinimize = 8,
                        MwmFuncMaximize = 16, MwmFuncClose = 32;
constexpr unsigned long MwmDecorBorder = 2, MwmDecorResizeH = 4, MwmDecorTitle = 8,
                        MwmDecorMenu = 16, MwmDecorMinimize = 32, MwmDecorMaximize = 64;

// The caption buttons and border of a captioned window, as functions and decorations.
TMotifHints MotifHintsOf(const TTopLevelKind& kind) {
    TMotifHints hints;
    hints.Flags = MwmHintsFunctions | MwmHintsDecorations;
    hints.Functions = MwmFuncMove;
    hints.Decorations = MwmDecorBorder | MwmDecorTitle;
    const auto offer = [&](bool condition, unsigned long function, unsigned long decoration) {
        if (condition) {
            hints.Functions |= function;
            hints.Decorations |= decoration;
        }
    };
    offer(kind.SystemMenu, MwmFuncClose, MwmDecorMenu);
    offer(kind.MinimizeBox, MwmFuncMinimize, MwmDecorMinimize);
    offer(kind.MaximizeBox, MwmFuncMaximize, MwmDecorMaximize);
    offer(kind.Sizable, MwmFuncResize, MwmDecorResizeH);
    return hints;
}

Atom AtomOf(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// Properties of 32-bit items go through Xlib as longs.
void SetLongs(Display* display, Window window, const char* property, Atom type,
              const unsigned long* items, std::size_t count) {
    XChangeProperty(display, window, AtomOf(display, property), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(items), int(count));
}

// Class hints after the program's file name, its class that name with a capital letter.
void SetClass(Display* display, Window window) {
    std::error_code error;
    std::string name = std::filesystem::read_symlink("/proc/self/exe", error).filename().string();
    if (name.empty())
        name = "brenlow";
    std::string className = name;
    className[0] = char(std::toupper(static_cast<unsigned char>(className[0])));
    XClassHint hint{name.data(), className.data()};
    XSetClassHint(display, window, &hint);
}

// The window's position is its client area's, as the window system places windows by their
// client area: the frame goes around it.
void PlaceByClient(Display* display, Window window) {
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display, window, &hints, &supplied);
    hints.flags |= PWinGravity;
    hints.win_gravity = StaticGravity;
    XSetWMNormalHints(display, window, &hints);
}

// Whether the window is on an X server and placed by its client area.
bool PlacedByClient(SDL_Window* window) {
    Display* display = DisplayOf(window);
    XSizeHints hints{};
    long supplied = 0;
    return display && XGetWMNormalHints(display, WindowOf(window), &hints, &supplied) &&
           (hints.flags & PWinGravity) && hints.win_gravity == StaticGravity;
}

// Names the program's process and its group leader on a window.
void SetBelonging(Display* display, Window window, Window leader) {
    const unsigned long pid = static_cast<unsigned long>(getpid());
    SetLongs(display, window, "_NET_WM_PID", XA_CARDINAL, &pid, 1);
    SetLongs(display, window, "WM_CLIENT_LEADER", XA_WINDOW, &leader, 1);
    XWMHints* hints = XGetWMHints(display, window);
    XWMHints blank{};
    XWMHints& edited = hints ? *hints : blank;
    edited.flags |= WindowGroupHint;
    edited.window_group = leader;
    XSetWMHints(display, window, &edited);
    if (hints)
        XFree(hints);
    SetClass(display, window);
}

// The atoms of a window's atom-list property.
std::vector<Atom> ReadAtoms(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, XA_ATOM, &type, &format,
                           &count, &after, &data) == Success &&
        data && type == XA_ATOM && format == 32) {
        const auto* items = reinterpret_cast<const Atom*>(data);
        atoms.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return atoms;
}

// Whether the window manager (any, when one runs) lists a feature among those it supports.
bool Supports(Display* display, const char* feature) {
    const std::vector<Atom> supported =
        ReadAtoms(display, DefaultRootWindow(display), AtomOf(display, "_NET_SUPPORTED"));
    return std::ranges::find(supported, AtomOf(display, feature)) != supported.end();
}

// The window's frame extents (left, right, top, bottom) once its window manager has set them.
std::optional<std::array<long, 4>> ReadFrameExtents(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<std::array<long, 4>> extents;
    if (XGetWindowProperty(display, window, AtomOf(display, "_NET_FRAME_EXTENTS"), 0, 4, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 4) {
        const auto* items = reinterpret_cast<const long*>(data);
        extents = {items[0], items[1], items[2], items[3]};
    }
    if (data)
        XFree(data);
    return extents;
}

} // namespace

std::optional<TFrameMetrics> FrameOfWindowManager(SDL_Window* window) {
    Display* display = DisplayOf(window);
    if (!display || !Supports(display, "_NET_REQUEST_FRAME_EXTENTS"))
        return std::nullopt;
    const Window native = WindowOf(window);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = native;
    request.xclient.message_type = AtomOf(display, "_NET_REQUEST_FRAME_EXTENTS");
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < until) {
        if (const auto extents = ReadFrameExtents(display, native)) {
            const long left = (*extents)[0], top = (*extents)[2];
            return TFrameMetrics{int(left), int(left), int(std::max(0L, top - left))};
        }
        // The answer comes as a property change, an event on the connection.
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 10);
    }
    return std::nullopt;
}

TWindowHints::~TWindowHints() {
    if (FLeader) {
        XDestroyWindow(FDisplay, FLeader);
        XFlush(FDisplay);
    }
}

unsigned long TWindowHints::Leader(Display* display) {
    if (!FLeader) {
        FDisplay = display;
        FLeader = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        SetBelonging(display, FLeader, FLeader);
    }
    return FLeader;
}

void TWindowHints::Describe(SDL_Window* window, const TTopLevelKind& kind, SDL_Window* owner) {
    Display* display = DisplayOf(window);
    if (!display)
        return;
    const Window native = WindowOf(window);
    if (!kind.Popup) {
        PlaceByClient(display, native);
        const auto motif = MotifHintsOf(kind).Items();
        SetLongs(display, native, "_MOTIF_WM_HINTS", AtomOf(display, "_MOTIF_WM_HINTS"),
                 motif.data(), motif.size());
        if (owner) {
            const unsigned long dialog = AtomOf(display, "_NET_WM_WINDOW_TYPE_DIALOG");
            SetLongs(display, native, "_NET_WM_WINDOW_TYPE", XA_ATOM, &dialog, 1);
        }
    }
    SetOwner(window, owner);
    SetBelonging(display, native, Leader(display));
    XFlush(display);
}

void TWindowHints::SetOwner(SDL_Window* window, SDL_Window* owner) {
    Display* display = DisplayOf(window);
    if (!display)
        return;
    if (const Window ownerWindow = WindowOf(owner))
        XSetTransientForHint(display, WindowOf(window), ownerWindow);
    else
        XDeleteProperty(display, WindowOf(window), XA_WM_TRANSIENT_FOR);
}

void TWindowHints::MakeModal(SDL_Window* window) {
    Display* display = DisplayOf(window);
    if (!display)
        return;
    // Asked of the window manager, which keeps the state property of a mapped window; SDL
    // takes a state property that it did not expect as the window being shown.
    constexpr long Add = 1;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = WindowOf(window);
    request.xclient.message_type = AtomOf(display, "_NET_WM_STATE");
    request.xclient.format = 32;
    request.xclient.data.l[0] = Add;
    request.xclient.data.l[1] = long(AtomOf(display, "_NET_WM_STATE_MODAL"));
    request.xclient.data.l[3] = 1; // from an application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
}

void TWindowHints::Move(SDL_Window* window, int x, int y) {
    int top = 0, left = 0;
    if (PlacedByClient(window) &&
        SDL_GetWindowBordersSize(window, &top, &left, nullptr, nullptr) != 0)
        top = left = 0;
    SDL_SetWindowPosition(window, x + left, y + top);
}

bool TWindowHints::SetIcon(SDL_Window* window, const std::vector<commctrl::TIconRgba>& images) {
    Display* display = DisplayOf(window);
    if (!display)
        return false;
    // Each image: its width and height, then its pixels as 0xAARRGGBB, top row first.
    std::vector<unsigned long> items;
    for (const commctrl::TIconRgba& image : images) {
        items.push_back(static_cast<unsigned long>(image.Width));
        items.push_back(static_cast<unsigned long>(image.Height));
        for (std::size_t i = 0; i + 3 < image.Rgba.size(); i += 4)
            items.push_back(static_cast<unsigned long>(image.Rgba[i + 3]) << 24 |
                            static_cast<unsigned long>(image.Rgba[i]) << 16 |
                            static_cast<unsigned long>(image.Rgba[i + 1]) << 8 | image.Rgba[i + 2]);
    }
    if (items.empty())
        XDeleteProperty(display, WindowOf(window), AtomOf(display, "_NET_WM_ICON"));
    else
        SetLongs(display, WindowOf(window), "_NET_WM_ICON", XA_CARDINAL, items.data(),
                 items.size());
    XFlush(display);
    return true;
}

} // namespace win::detail::x11
