#pragma once
// A set of the values of a small enumeration (at most 32 values, numbered from 0), held as
// bits, as the GUI layer's properties use them: font styles, drawing options, edge sets.

#include <cstdint>
#include <initializer_list>

template <class TEnum>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<TEnum> values) {
        for (TEnum value : values)
            FBits |= Bit(value);
    }
    static constexpr TSet FromBits(std::uint32_t bits) {
        TSet set;
        set.FBits = bits;
        return set;
    }

    constexpr bool Contains(TEnum value) const { return (FBits & Bit(value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint32_t Bits() const { return FBits; }

    constexpr TSet& Include(TEnum value) {
        FBits |= Bit(value);
        return *this;
    }
    constexpr TSet& Exclude(TEnum value) {
        FBits &= ~Bit(value);
        return *this;
    }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint32_t Bit(TEnum value) { return std::uint32_t(1) << unsigned(value); }

    std::uint32_t FBits = 0;
};
