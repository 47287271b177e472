#pragma once
// Colour stepping and band merging shared by the gradient painters.

#include "gui/graphics/canvas.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace gradient {

// A colour moving from start towards end in `steps` equal steps, each channel in 16.16
// fixed point with the step truncated toward zero. Channels stay within 0..255 however many
// steps are taken.
class TColourStep {
public:
    TColourStep(gdi::COLORREF start, gdi::COLORREF end, int steps) {
        for (int i = 0; i < 3; ++i) {
            const int from = Channel(start, i) * 65536;
            FValue[i] = from;
            FStep[i] = (Channel(end, i) * 65536 - from) / steps;
        }
    }
    void Next() {
        for (int i = 0; i < 3; ++i)
            FValue[i] += FStep[i];
    }
    gdi::COLORREF Colour() const {
        const auto part = [&](int i) { return gdi::COLORREF(std::clamp(FValue[i] >> 16, 0, 255)); };
        return part(0) | part(1) << 8 | part(2) << 16;
    }

private:
    static int Channel(gdi::COLORREF colour, int index) {
        return int(colour >> (8 * index) & 0xFF);
    }

    std::array<int, 3> FValue{};
    std::array<int, 3> FStep{};
};

// Positions taken one by one with a stepping colour, merged into bands. A band closes once it
// holds more than `minimum` positions and the colour has changed; it is filled with the
// colour it began with (the start colour exactly, for the first band).
class TBands {
public:
    TBands(gdi::COLORREF start, gdi::COLORREF end, int steps, int minimum)
        : FColour(start, end, steps), FBand(FColour.Colour()), FMinimum(minimum) {}

    // Moves to the next position; returns the colour of the band that ended just before it,
    // or nothing while the band goes on.
    std::optional<gdi::COLORREF> Step() {
        FColour.Next();
        ++FCount;
        const gdi::COLORREF now = FColour.Colour();
        if (FCount <= FMinimum || now == FBand)
            return std::nullopt;
        FCount = 0;
        return std::exchange(FBand, now);
    }
    // The colour of the band still open.
    gdi::COLORREF Open() const { return FBand; }

private:
    TColourStep FColour;
    gdi::COLORREF FBand;
    int FMinimum;
    int FCount = 0;
};

inline void FillBand(TCanvas& canvas, const TRect& rect, gdi::COLORREF colour) {
    canvas.Brush().SetColor(colour);
    canvas.FillRect(rect);
}

} // namespace gradient
