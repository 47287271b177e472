#include "platform/theme/pushbutton.h"

#include "platform/commctrl/compose.h"
#include "platform/gdi/syscolors.h"
#include "platform/theme/rounded.h"
#include "platform/theme/theme.h"

#include <algorithm>

namespace theme::detail {

namespace {

using commctrl::detail::Blend;
using commctrl::detail::WithColour;
using gdi::ToPixel;
using gdi::TPixel;

constexpr int kCornerRadius = 3;

// colour a weighted weight/255 against b.
gdi::COLORREF Mix(gdi::COLORREF a, gdi::COLORREF b, int weight) {
    const auto channel = [&](int shift) {
        const int x = int(a >> shift & 0xFF);
        const int y = int(b >> shift & 0xFF);
        return gdi::COLORREF((x * weight + y * (255 - weight) + 127) / 255) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

gdi::COLORREF Sys(int index) {
    return gdi::GetSysColor(index);
}

// The face's colour in row `row` of rows 0..rows-1.
gdi::COLORREF FaceRow(const TPushButtonLook& look, int row, int rows) {
    if (row == 0)
        return look.TopLine;
    const int weight = rows > 1 ? 255 - 255 * row / (rows - 1) : 255;
    return Mix(look.FaceTop, look.FaceBottom, weight);
}

// Paints coverage x colour over under.
TPixel Layer(TPixel under, gdi::COLORREF colour, int coverage) {
    return coverage == 0 ? under : Blend(ToPixel(colour), coverage * 255 / 16, under);
}

} // namespace

TPushButtonLook PushButtonLook(int state) {
    const gdi::COLORREF face = Sys(gdi::COLOR_BTNFACE);
    const gdi::COLORREF light = Sys(gdi::COLOR_BTNHIGHLIGHT);
    const gdi::COLORREF shadow = Sys(gdi::COLOR_BTNSHADOW);
    const gdi::COLORREF dark = Sys(gdi::COLOR_3DDKSHADOW);
    const gdi::COLORREF accent = Sys(gdi::COLOR_HIGHLIGHT);
    const gdi::COLORREF border = Mix(dark, face, 150);
    const gdi::COLORREF top = Mix(light, face, 200);
    const gdi::COLORREF bottom = Mix(light, face, 70);
    const gdi::COLORREF sheen = Mix(light, top, 160);
    switch (state) {
    case PBS_HOT:
        return {Mix(accent, face, 130),  false, 0, Mix(light, accent, 230),
                Mix(light, accent, 200), light};
    case PBS_PRESSED:
        return {Mix(accent, dark, 150), false, 0, Mix(accent, face, 35), Mix(light, accent, 225),
                Mix(accent, face, 80)};
    case PBS_DISABLED: {
        const gdi::COLORREF flat = Mix(light, face, 110);
        return {Mix(shadow, face, 110), false, 0, flat, flat, flat};
    }
    case PBS_DEFAULTED:
        return {Mix(accent, dark, 110), true, Mix(accent, light, 120), top, bottom, sheen};
    default:
        return {border, false, 0, top, bottom, sheen};
    }
}

bool DrawPushButton(gdi::HDC dc, int state, const gdi::RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    const TPushButtonLook look = PushButtonLook(state);
    const TRoundedRect outer{width, height, 0, kCornerRadius};
    const TRoundedRect inner{width, height, 1, kCornerRadius - 1};
    const TRoundedRect face =
        look.HasRing ? TRoundedRect{width, height, 2, kCornerRadius - 2} : inner;
    // The gradient runs inside the border, under the ring too, so a default button's face
    // matches the others'.
    const int faceRows = height - 2 * inner.Inset;
    return commctrl::detail::Compose(
        dc, rect.left, rect.top, width, height, nullptr, [&](TPixel* row, int y) {
            const gdi::COLORREF faceColour = FaceRow(look, y - inner.Inset, faceRows);
            const TPixel facePixel = ToPixel(faceColour);
            // Where the face covers a pixel wholly it hides the layers below it.
            const auto layered = [&](int x) {
                const int faceCoverage = Coverage(face, x, y);
                if (faceCoverage == 16)
                    return WithColour(row[x], facePixel);
                TPixel pixel = Layer(row[x], look.Border, Coverage(outer, x, y));
                if (look.HasRing)
                    pixel = Layer(pixel, look.Ring, Coverage(inner, x, y));
                return Layer(pixel, faceColour, faceCoverage);
            };
            const TSpan full = InnerSpan(face, y);
            const int first = std::min(full.First, width);
            const int last = std::max(first, std::min(full.Last, width));
            for (int x = 0; x < first; ++x)
                row[x] = layered(x);
            for (int x = first; x < last; ++x)
                row[x] = WithColour(row[x], facePixel);
            for (int x = last; x < width; ++x)
                row[x] = layered(x);
        });
}

} // namespace theme::detail
