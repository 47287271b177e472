#include "buttons/colors.h"

#include "platform/gdi/owned.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Nearest integer, halves to even (the rounding mode every caller leaves in place).
std::uint8_t RoundToByte(double value) {
    return std::uint8_t(std::lrint(value));
}

TColor FromChannels(double red, double green, double blue) {
    const auto channel = [](double value) {
        return TColor(RoundToByte(std::min(value, 1.0) * 255));
    };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

} // namespace

THueSatLum ColorToHueSatLum(TColor colour) {
    const gdi::COLORREF rgb = ColorToRGB(colour);
    const double r = gdi::GetRValue(rgb) / 255.0;
    const double g = gdi::GetGValue(rgb) / 255.0;
    const double b = gdi::GetBValue(rgb) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0;
    double s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    return {RoundToByte(h * 240), RoundToByte(s * 240), RoundToByte(l * 240)};
}

TColor HueSatLumToColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t luminance) {
    const double h = hue / 239.0;
    const double s = saturation / 240.0;
    const double l = luminance / 240.0;
    const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0)
        return clBlack;
    const double m1 = 2 * l - m2;
    const double f6 = 6 * h;
    const int sextant = int(f6);
    const double v = m2 * ((m2 - m1) / m2) * (f6 - sextant);
    const double up = m1 + v;
    const double down = m2 - v;
    switch (sextant) {
    case 1:
        return FromChannels(down, m2, m1);
    case 2:
        return FromChannels(m1, m2, up);
    case 3:
        return FromChannels(m1, down, m2);
    case 4:
        return FromChannels(up, m1, m2);
    case 5:
        return FromChannels(m2, m1, down);
    default:
        return FromChannels(m2, up, m1);
    }
}

std::uint8_t HueOfColor(TColor colour) {
    return ColorToHueSatLum(colour).Hue;
}

TColor Darken(TColor colour, std::uint8_t amount) {
    const THueSatLum hsl = ColorToHueSatLum(colour);
    return HueSatLumToColor(hsl.Hue, hsl.Saturation,
                            std::uint8_t(std::max(int(hsl.Luminance) - amount, 0)));
}

TColor Lighten(TColor colour, std::uint8_t amount) {
    const THueSatLum hsl = ColorToHueSatLum(colour);
    return HueSatLumToColor(hsl.Hue, hsl.Saturation,
                            std::uint8_t(std::min(int(hsl.Luminance) + amount, 255)));
}

TColor MixColors(TColor a, TColor b, std::uint8_t weightOfA) {
    const gdi::COLORREF first = ColorToRGB(a);
    const gdi::COLORREF second = ColorToRGB(b);
    // The weight is single precision; the products of bytes and it are exact in double.
    const double k = float(weightOfA / 255.0);
    const auto mix = [&](int shift) {
        const int x = int(first >> shift & 0xFF);
        const int y = int(second >> shift & 0xFF);
        return TColor(RoundToByte(x * k + (1 - k) * y)) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

bool ColorsIndistinct(TColor a, TColor b) {
    const THueSatLum first = ColorToHueSatLum(a);
    const THueSatLum second = ColorToHueSatLum(b);
    return std::abs(first.Hue - second.Hue) < 20 &&
           std::abs(first.Luminance - second.Luminance) < 60;
}

TColor ComplementOf(TColor colour, std::uint8_t luminance) {
    const int hue = HueOfColor(colour);
    return HueSatLumToColor(std::uint8_t(hue < 120 ? hue + 120 : hue - 120), 240, luminance);
}

bool IsHighColorDisplay() {
    const gdi::TReleasedDC screen(gdi::GetScreenDC());
    return gdi::GetDeviceCaps(screen.Get(), gdi::NUMCOLORS) == -1;
}

bool HighColorFlag() {
    static const bool flag = IsHighColorDisplay();
    return flag;
}
