#include "platform/resources/resources.h"

#include <map>
#include <string>

namespace resources {

namespace {

// Constructed on first use, so registrations from other translation units' static
// initialisation find it whatever the order.
std::map<std::string, std::span<const std::uint8_t>, std::less<>>& Registry() {
    static std::map<std::string, std::span<const std::uint8_t>, std::less<>> registry;
    return registry;
}

} // namespace

std::span<const std::uint8_t> FindResource(std::string_view name) {
    const auto& registry = Registry();
    const auto found = registry.find(name);
    return found == registry.end() ? std::span<const std::uint8_t>() : found->second;
}

TResourceRegistration::TResourceRegistration(std::string_view name,
                                             std::span<const std::uint8_t> data) {
    Registry().emplace(std::string(name), data);
}

} // namespace resources
