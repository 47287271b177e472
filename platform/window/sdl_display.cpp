#include "platform/window/sdl_display.h"

#include <cstdlib>

namespace win::detail {

namespace {

// SDL would fall back to other drivers (a console's frame buffer, none at all), whose windows
// no one sees.
struct TDisplayDriver {
    const char* Name;
    const char* Variable;
};
constexpr TDisplayDriver Drivers[] = {{"x11", "DISPLAY"}, {"wayland", "WAYLAND_DISPLAY"}};

const char* ValueOf(const TDisplayDriver& driver) {
    const char* value = std::getenv(driver.Variable);
    return value && *value ? value : nullptr;
}

} // namespace

std::string DisplayDrivers() {
    std::string drivers;
    for (const TDisplayDriver& driver : Drivers) {
        if (ValueOf(driver))
            drivers += (drivers.empty() ? "" : ",") + std::string(driver.Name);
    }
    return drivers;
}

std::string DisplayProblem() {
    std::string problem = "Cannot open a display:";
    const char* separator = " ";
    for (const TDisplayDriver& driver : Drivers) {
        problem += separator;
        if (const char* value = ValueOf(driver))
            problem += "no display server accepts a connection at " + std::string(driver.Variable) +
                       "=\"" + value + "\"";
        else
            problem += std::string(driver.Variable) + " is not set";
        separator = "; ";
    }
    return problem + ".";
}

} // namespace win::detail
