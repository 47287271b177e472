#pragma once
// Identifiers that stand for values in streams and layouts: the names of an enumeration's
// values, and tables that give some integers a name (colours such as clWindow).

#include <concepts>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The identifiers of an enumeration that a published property uses, in the order of its
// values, which must be 0, 1, 2...; specialise it for each such enumeration:
//   template <> struct TEnumIdents<TAlignment> {
//       static constexpr std::string_view Names[] = {"taLeftJustify", "taRightJustify",
//                                                    "taCenter"};
//   };
template <class E>
struct TEnumIdents;

template <class E>
concept HasEnumIdents = requires {
    {std::span<const std::string_view>(TEnumIdents<E>::Names)};
};

struct TIdentMapEntry {
    std::int64_t Value;
    std::string_view Ident;
};
using TIdentMap = std::span<const TIdentMapEntry>;

// The value an identifier names (compared without regard to case), if any.
std::optional<std::int64_t> IdentToInt(TIdentMap map, std::string_view ident);
// The identifier of a value, if it has one.
std::optional<std::string_view> IntToIdent(TIdentMap map, std::int64_t value);
// The position of ident among names (compared without regard to case), if it is one.
std::optional<std::size_t> IndexOfIdent(std::span<const std::string_view> names,
                                        std::string_view ident);
