#pragma once
// Colour arithmetic of the styled buttons on the hue-saturation-luminance scale of 0..240,
// and the display question that decides whether gradients are worth drawing. System colours
// are resolved to RGB before any arithmetic.

#include "gui/graphics/colors.h"

#include <cstdint>

struct THueSatLum {
    std::uint8_t Hue = 0;
    std::uint8_t Saturation = 0;
    // 0 black, 120 full colour, 240 white; values up to 255 are white as well.
    std::uint8_t Luminance = 0;
    friend bool operator==(const THueSatLum&, const THueSatLum&) = default;
};

THueSatLum ColorToHueSatLum(TColor colour);
// The hue runs once round the circle over 0..239, so hues 239 and above are red again.
TColor HueSatLumToColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t luminance);
std::uint8_t HueOfColor(TColor colour);
// Luminance moved by amount (luminance units): Darken stops at black, Lighten at 255.
TColor Darken(TColor colour, std::uint8_t amount);
TColor Lighten(TColor colour, std::uint8_t amount);
// a weighted weightOfA/255 against b, channel by channel.
TColor MixColors(TColor a, TColor b, std::uint8_t weightOfA);
// Close in hue (without wrapping round the circle) and in luminance.
bool ColorsIndistinct(TColor a, TColor b);
// The fully saturated colour opposite in hue, at the given luminance.
TColor ComplementOf(TColor colour, std::uint8_t luminance);

// The screen has no palette (more than 8 bits per pixel).
bool IsHighColorDisplay();
// IsHighColorDisplay as it was when first asked; it is never asked again, so everything
// drawn in one run looks alike.
bool HighColorFlag();
