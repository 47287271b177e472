#include "gui/classes/extended.h"

#include <cmath>
#include <limits>

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;

} // namespace

double ExtendedToDouble(const TExtendedBytes& bytes) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[size_t(i)];
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & MaxExponent;
    double magnitude;
    if (exponent == MaxExponent)
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                         : std::numeric_limits<double>::quiet_NaN();
    else
        magnitude =
            std::ldexp(double(mantissa), (exponent == 0 ? 1 : exponent) - ExponentBias - 63);
    return negative ? -magnitude : magnitude;
}

TExtendedBytes DoubleToExtended(double value) {
    TExtendedBytes bytes{};
    int exponent = 0;
    std::uint64_t mantissa = 0;
    if (std::isnan(value)) {
        exponent = MaxExponent;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        exponent = MaxExponent;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0) {
        int binaryExponent = 0;
        const double fraction = std::frexp(std::fabs(value), &binaryExponent);
        mantissa = std::uint64_t(std::ldexp(fraction, 64));
        exponent = binaryExponent - 1 + ExponentBias;
    }
    for (int i = 0; i < 8; ++i)
        bytes[size_t(i)] = std::uint8_t(mantissa >> (8 * i));
    const int signAndExponent = exponent | (std::signbit(value) ? 0x8000 : 0);
    bytes[8] = std::uint8_t(signAndExponent);
    bytes[9] = std::uint8_t(signAndExponent >> 8);
    return bytes;
}
