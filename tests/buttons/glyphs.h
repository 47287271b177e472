#pragma once
// Glyphs for the glyph-button tests: strips of solid cells in distinct colours on a key
// colour.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace buttontest {

constexpr TColor kKey = clFuchsia;
// The colours of cells 1 to 4; a longer strip repeats them.
constexpr TColor kCellColours[] = {clRed, clLime, clBlue, clYellow};

// cells square cells of size x size: each a solid square of its colour inset by one pixel
// from the key colour, which the bottom-left pixel holds.
inline std::unique_ptr<TBitmap> GlyphStrip(int cells, int size = 16) {
    auto strip = std::make_unique<TBitmap>(cells * size, size);
    TCanvas& canvas = strip->Canvas();
    canvas.Brush().SetColor(kKey);
    canvas.FillRect(Rect(0, 0, cells * size, size));
    for (int cell = 0; cell < cells; ++cell) {
        canvas.Brush().SetColor(kCellColours[std::size_t(cell) % std::size(kCellColours)]);
        canvas.FillRect(Rect(cell * size + 1, 1, (cell + 1) * size - 1, size - 1));
    }
    return strip;
}

} // namespace buttontest
