// The grey level of a colour, computed exactly as a floating-point unit with a 64-bit
// significand (x87 extended precision) computes R x 0.3 + G x 0.59 + B x 0.11. Near halves
// the result depends on how the weights and the partial sums are rounded, so they are
// emulated here in fixed point, the same on every processor.

#include "pngimagelist/pngfunctions.h"

#include <bit>

namespace {

__extension__ typedef unsigned __int128 TFixed;

// Every value that occurs (0, or at least 0.11) has a significand whose last bit is worth
// at least 2^-67, so 67 fractional bits hold each of them exactly.
constexpr int FractionBits = 67;
constexpr int SignificandBits = 64;

constexpr int BitWidth(TFixed value) {
    const auto high = std::uint64_t(value >> 64);
    return high ? 64 + std::bit_width(high) : std::bit_width(std::uint64_t(value));
}

// Rounds to SignificandBits significant bits, halves to even; `sticky` says that the exact
// value lies a little above `value`.
constexpr TFixed RoundSignificand(TFixed value, bool sticky = false) {
    const int shift = BitWidth(value) - SignificandBits;
    if (shift <= 0)
        return value;
    const TFixed kept = value >> shift;
    const TFixed rest = value & ((TFixed(1) << shift) - 1);
    const TFixed half = TFixed(1) << (shift - 1);
    const bool up = rest > half || (rest == half && (sticky || (kept & 1) != 0));
    return (kept + (up ? 1 : 0)) << shift;
}

// The weight hundredths / 100 as the nearest value with a 64-bit significand.
constexpr TFixed Weight(unsigned hundredths) {
    constexpr int Extra = 16;
    const TFixed scaled = TFixed(hundredths) << (FractionBits + Extra);
    return RoundSignificand(scaled / 100, scaled % 100 != 0) >> Extra;
}

constexpr TFixed RedWeight = Weight(30);
constexpr TFixed GreenWeight = Weight(59);
constexpr TFixed BlueWeight = Weight(11);

} // namespace

std::uint8_t Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const TFixed sum = RoundSignificand(RoundSignificand(RoundSignificand(red * RedWeight) +
                                                         RoundSignificand(green * GreenWeight)) +
                                        RoundSignificand(blue * BlueWeight));
    const auto whole = unsigned(sum >> FractionBits);
    const TFixed fraction = sum & ((TFixed(1) << FractionBits) - 1);
    const TFixed half = TFixed(1) << (FractionBits - 1);
    const bool up = fraction > half || (fraction == half && (whole & 1) != 0);
    return std::uint8_t(whole + (up ? 1 : 0));
}
