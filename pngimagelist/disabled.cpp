// The disabled renderings of PNG images: faded (alpha scaled down) and desaturated (grey).

#include "gui/graphics/bitmap.h"
#include "png/format.h"
#include "png/pngobject.h"
#include "pngimagelist/pngfunctions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::uint8_t DisabledFadeAmount = 127;
constexpr std::uint8_t DisabledDesaturateAmount = 255;

using TByteTable = std::array<std::uint8_t, 256>;

// round(value / 256 x factor) for every byte value, halves to even; at most 255.
TByteTable ScaledBytes(int factor) {
    TByteTable table{};
    for (int value = 0; value < 256; ++value)
        table[std::size_t(value)] =
            std::uint8_t(std::min(255.0, std::nearbyint(value / 256.0 * factor)));
    return table;
}

// Replaces a grey or palette image by an RGB image with alpha of the same colours, in
// which a pixel of the colour key (when there is one) is transparent and every other pixel
// has alpha `alpha`.
void ToRgbWithAlpha(TPNGObject& png, bool hasKey, TColor key, std::uint8_t alpha) {
    TBitmap blank;
    blank.SetPixelFormat(pf24bit);
    blank.SetSize(png.Width(), png.Height());
    TPNGObject rgb;
    rgb.Assign(&blank);
    rgb.AddAlphaPlane();
    for (int y = 0; y < png.Height(); ++y) {
        std::uint8_t* pixel = rgb.PixelRow(std::uint32_t(y));
        std::uint8_t* opacity = rgb.AlphaRow(std::uint32_t(y));
        for (int x = 0; x < png.Width(); ++x, pixel += 3) {
            const TColor colour = png.PixelColour(x, y);
            pixel[0] = gdi::GetBValue(colour);
            pixel[1] = gdi::GetGValue(colour);
            pixel[2] = gdi::GetRValue(colour);
            opacity[x] = hasKey && colour == key ? 0 : alpha;
        }
    }
    png.Assign(&rgb);
}

// The channel mix of DesaturatePng for one colour, channels in place.
class TChannelMix {
public:
    explicit TChannelMix(std::uint8_t amount)
        : FOwn(ScaledBytes(255 - amount)), FGrey(ScaledBytes(amount + 1)) {}

    void Apply(std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) const {
        const std::uint8_t grey = FGrey[Luminance(red, green, blue)];
        red = Mixed(red, grey);
        green = Mixed(green, grey);
        blue = Mixed(blue, grey);
    }

private:
    // The sum exceeds 255 only for amounts other than 255; it saturates then.
    std::uint8_t Mixed(std::uint8_t channel, std::uint8_t grey) const {
        return std::uint8_t(std::min(255, FOwn[channel] + grey));
    }

    TByteTable FOwn;
    TByteTable FGrey;
};

void DesaturatePalette(TPNGObject& png, const TChannelMix& mix) {
    const gdi::HPALETTE palette = png.GetPaletteHandle();
    std::array<gdi::PALETTEENTRY, 256> entries{};
    const gdi::UINT count = gdi::GetPaletteEntries(palette, 0, 256, entries.data());
    for (gdi::UINT i = 0; i < count; ++i)
        mix.Apply(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
    gdi::SetPaletteEntries(palette, 0, count, entries.data());
    png.SetPaletteHandle(palette);
}

} // namespace

bool HasPicture(const TPNGObject& png) {
    return png.HasHeader() && png.HeaderChunk().Pixels() != nullptr;
}

bool HasAlphaPlane(const TPNGObject& png) {
    const std::uint8_t colourType = png.HeaderChunk().ColourType();
    return colourType == png::COLOR_GRAYSCALEALPHA || colourType == png::COLOR_RGBALPHA;
}

void PaintPng(TPNGObject& png, TCanvas& canvas, const TRect& rect, TPngOptions options) {
    if (!HasPicture(png))
        return;
    if (options.Empty()) {
        png.Draw(canvas, rect);
        return;
    }
    DisabledPng(png, options)->Draw(canvas, rect);
}

std::unique_ptr<TPNGObject> DisabledPng(const TPNGObject& png, TPngOptions options) {
    auto copy = std::make_unique<TPNGObject>();
    copy->Assign(&png);
    if (options.Contains(pngBlendOnDisabled))
        FadePng(*copy, DisabledFadeAmount);
    if (options.Contains(pngGrayscaleOnDisabled))
        DesaturatePng(*copy, DisabledDesaturateAmount);
    return copy;
}

void FadePng(TPNGObject& png, std::uint8_t amount) {
    const bool hasKey = png.Transparency() == trColourKey;
    const TColor key = png.TransparentColour();
    const std::uint8_t colourType = png.HeaderChunk().ColourType();
    if (colourType == png::COLOR_GRAYSCALE || colourType == png::COLOR_PALETTE) {
        ToRgbWithAlpha(png, hasKey, key, amount);
        return;
    }
    if (colourType == png::COLOR_RGB)
        png.AddAlphaPlane();
    if (!HasAlphaPlane(png))
        return;
    const TByteTable faded = ScaledBytes(amount + 1);
    for (int y = 0; y < png.Height(); ++y) {
        std::uint8_t* alpha = png.AlphaRow(std::uint32_t(y));
        for (int x = 0; x < png.Width(); ++x)
            alpha[x] = hasKey && png.PixelColour(x, y) == key ? 0 : faded[alpha[x]];
    }
}

void DesaturatePng(TPNGObject& png, std::uint8_t amount) {
    const TChannelMix mix(amount);
    switch (png.HeaderChunk().ColourType()) {
    case png::COLOR_PALETTE:
        DesaturatePalette(png, mix);
        return;
    case png::COLOR_RGB:
    case png::COLOR_RGBALPHA:
        for (int y = 0; y < png.Height(); ++y) {
            std::uint8_t* pixel = png.PixelRow(std::uint32_t(y));
            for (int x = 0; x < png.Width(); ++x, pixel += 3)
                mix.Apply(pixel[2], pixel[1], pixel[0]);
        }
        return;
    default:
        return;
    }
}
