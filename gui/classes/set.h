#pragma once
// A set of the values of an enumeration, such as a font's styles or the state of an
// owner-drawn item. The enumeration's values must lie in 0..63.

#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E>
class TSet {
    static_assert(std::is_enum_v<E>, "a set holds values of an enumeration");

public:
    using TElement = E;

    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E value : values)
            Include(value);
    }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet result;
        result.FBits = bits;
        return result;
    }

    constexpr std::uint64_t Bits() const { return FBits; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool Contains(E value) const { return (FBits & Bit(value)) != 0; }
    constexpr TSet& Include(E value) {
        FBits |= Bit(value);
        return *this;
    }
    constexpr TSet& Exclude(E value) {
        FBits &= ~Bit(value);
        return *this;
    }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint64_t Bit(E value) { return std::uint64_t(1) << unsigned(value); }

    std::uint64_t FBits = 0;
};
