#include "platform/window/sdl_wayland.h"

#include <cstring>
#include <wayland-client.h>

namespace win::detail::wayland {

namespace {

void Announced(void* seatFound, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0)
        *static_cast<bool*>(seatFound) = true;
}

void Withdrawn(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener Listener{Announced, Withdrawn};

} // namespace

bool CompositorLacksSeat() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool seatFound = false;
    bool answered = false;
    if (wl_registry* registry = wl_display_get_registry(display)) {
        wl_registry_add_listener(registry, &Listener, &seatFound);
        answered = wl_display_roundtrip(display) >= 0;
        wl_registry_destroy(registry);
    }
    wl_display_disconnect(display);
    return answered && !seatFound;
}

} // namespace win::detail::wayland
