#pragma once
// Data embedded in the program at build time (layouts, artwork), found by name. The build
// turns each file into a generated source (tools/embed) compiled into the program, whose
// static TResourceRegistration adds it here before main runs.

#include <cstdint>
#include <span>
#include <string_view>

namespace resources {

// The bytes embedded under name, or an empty span when there are none.
std::span<const std::uint8_t> FindResource(std::string_view name);

// Registers data under name for the program's lifetime; data must outlive the program (it
// is a static array of the generated source). When a name is registered twice, the first
// registration stays.
class TResourceRegistration {
public:
    TResourceRegistration(std::string_view name, std::span<const std::uint8_t> data);
};

} // namespace resources
