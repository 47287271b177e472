#include "platform/window/sdl_display.h"

#include "platform/window/sdl_wayland.h"

#include <cstdlib>

namespace win::detail {

namespace {

// Why the compositor cannot serve SDL though it accepts connections; null when it can.
const char* WaylandUnfit() {
    return wayland::CompositorLacksSeat() ? "offers no seat (no keyboard, pointer or touch)"
                                          : nullptr;
}

// SDL would fall back to other drivers (a console's frame buffer, none at all), whose windows
// no one sees.
struct TDisplayDriver {
    const char* Name;
    const char* Variable;
    const char* (*Unfit)(); // null: SDL itself finds out
};
constexpr TDisplayDriver Drivers[] = {{"x11", "DISPLAY", nullptr},
                                      {"wayland", "WAYLAND_DISPLAY", WaylandUnfit}};

const char* ValueOf(const TDisplayDriver& driver) {
    const char* value = std::getenv(driver.Variable);
    return value && *value ? value : nullptr;
}

const char* UnfitnessOf(const TDisplayDriver& driver) {
    return driver.Unfit ? driver.Unfit() : nullptr;
}

} // namespace

std::string DisplayDrivers() {
    std::string drivers;
    for (const TDisplayDriver& driver : Drivers) {
        if (ValueOf(driver) && !UnfitnessOf(driver))
            drivers += (drivers.empty() ? "" : ",") + std::string(driver.Name);
    }
    return drivers;
}

std::string DisplayProblem() {
    std::string problem = "Cannot open a display:";
    const char* separator = " ";
    for (const TDisplayDriver& driver : Drivers) {
        problem += separator;
        if (const char* value = ValueOf(driver)) {
            const std::string named = std::string(driver.Variable) + "=\"" + value + "\"";
            if (const char* unfit = UnfitnessOf(driver))
                problem += "the display server at " + named + " " + unfit;
            else
                problem += "no display server accepts a connection at " + named;
        } else {
            problem += std::string(driver.Variable) + " is not set";
        }
        separator = "; ";
    }
    return problem + ".";
}

} // namespace win::detail
