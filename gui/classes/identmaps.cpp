#include "gui/classes/identmaps.h"

#include "gui/classes/names.h"

#include <algorithm>

std::optional<std::int64_t> IdentToInt(TIdentMap map, std::string_view ident) {
    const auto found = std::ranges::find_if(
        map, [&](const TIdentMapEntry& entry) { return SameText(entry.Ident, ident); });
    return found == map.end() ? std::nullopt : std::optional(found->Value);
}

std::optional<std::string_view> IntToIdent(TIdentMap map, std::int64_t value) {
    const auto found = std::ranges::find(map, value, &TIdentMapEntry::Value);
    return found == map.end() ? std::nullopt : std::optional(found->Ident);
}

std::optional<std::size_t> IndexOfIdent(std::span<const std::string_view> names,
                                        std::string_view ident) {
    const auto found =
        std::ranges::find_if(names, [&](std::string_view name) { return SameText(name, ident); });
    return found == names.end() ? std::nullopt : std::optional(std::size_t(found - names.begin()));
}
