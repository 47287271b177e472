// Diagonal gradients: bands between lines parallel to the top-left/bottom-right diagonal,
// swept in two halves: from the bottom corner to the diagonal between the side and the
// bottom edge, then from the diagonal to the top corner between the top edge and the other
// side.

#include "buttons/gradient_bands.h"
#include "buttons/gradient_painters.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace gradient {

namespace {

struct TSweep {
    int Width;
    int Height;
    // The side the first half starts from (0, or Width when mirrored) and the other one.
    int NearX;
    int FarX;
    std::int64_t StepX;
    std::int64_t StepY;
};

// The quadrilateral between the line through (x0, y0) and the line through (x1, y1): in
// the first half the lines join the near side to the bottom edge, in the second the top edge
// to the far side.
void FillQuadrilateral(TCanvas& canvas, const TSweep& sweep, bool firstHalf, int x0, int y0, int x1,
                       int y1, gdi::COLORREF colour) {
    if (!(y1 < y0 || x1 != x0))
        return;
    canvas.Brush().SetColor(colour);
    if (firstHalf) {
        const TPoint points[] = {
            {sweep.NearX, y1}, {sweep.NearX, y0}, {x0, sweep.Height}, {x1, sweep.Height}};
        canvas.Polygon(points);
    } else {
        const TPoint points[] = {{x1, 0}, {x0, 0}, {sweep.FarX, y0}, {sweep.FarX, y1}};
        canvas.Polygon(points);
    }
}

void PaintHalf(TCanvas& canvas, const TSweep& sweep, bool firstHalf, TBands& bands) {
    const int direction = sweep.FarX > sweep.NearX ? 1 : -1;
    std::int64_t x = std::int64_t(sweep.NearX) * 65536;
    std::int64_t y = std::int64_t(sweep.Height) * 65536;
    int previousX = sweep.NearX;
    int previousY = sweep.Height;
    for (;;) {
        const std::int64_t nextY = y - sweep.StepY;
        if (nextY < 0)
            break;
        x += direction * sweep.StepX;
        y = nextY;
        if (const auto closed = bands.Step()) {
            const int newX = int(x >> 16);
            const int newY = int(y >> 16);
            FillQuadrilateral(canvas, sweep, firstHalf, previousX, previousY, newX, newY, *closed);
            previousX = newX;
            previousY = newY;
        }
    }
    FillQuadrilateral(canvas, sweep, firstHalf, previousX, previousY, sweep.FarX, 0, bands.Open());
}

} // namespace

void PaintDiagonal(TCanvas& canvas, int width, int height, gdi::COLORREF first,
                   gdi::COLORREF second, std::uint8_t band) {
    const int w = std::abs(width);
    const int steps = int(std::sqrt(double(w) * w + double(height) * height)) + 1;
    const int half = steps / 2;
    const bool forward = width > 0;
    const TSweep sweep{w,
                       height,
                       forward ? 0 : w,
                       forward ? w : 0,
                       std::int64_t(w) * 65536 / half,
                       std::int64_t(height) * 65536 / half};
    // One colour runs through both halves.
    TBands bands(forward ? first : second, forward ? second : first, steps, BandMinimum(band, 255));
    PaintHalf(canvas, sweep, true, bands);
    PaintHalf(canvas, sweep, false, bands);
}

} // namespace gradient
