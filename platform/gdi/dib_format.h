#pragma once
// Reading and checking the layout that a bitmap information header describes, shared by
// every call that takes device-independent bits.

#include "platform/gdi/surface.h"
#include "platform/gdi/types.h"

#include <optional>

namespace gdi::detail {

struct TDibFormat {
    int Width = 0;
    int Height = 0; // rows, always positive
    bool TopDown = false;
    int BitsPerPixel = 0;
    std::size_t Stride = 0;
    std::size_t ImageSize = 0;
    std::vector<TPixel> Colours; // the table of depths up to 8, biClrUsed entries when given
};

// The layout of a header of any version (40 or 108 bytes, bit-field masks read from where
// the header puts them), or nothing when the header is malformed or asks for what the engine
// does not hold: planes other than 1, depths other than 1, 4, 8, 24 and 32, compression
// other than none or the standard 32-bit masks, sizes that overflow.
std::optional<TDibFormat> ReadDibFormat(const BITMAPINFOHEADER* header);

// A surface over caller memory laid out as `format`.
TSurface DibView(const TDibFormat& format, const void* bits);

// The colour table the engine offers for a depth when a bitmap has none of its own: black
// and white, the sixteen standard colours, or the 256-entry default palette.
std::vector<TPixel> DefaultColours(int bitsPerPixel);

// Copies `width` pixels of row srcY onto row dstY, converting between the formats; indices
// are copied unchanged when the formats match.
void CopyRow(const TSurface& src, int srcY, const TSurface& dst, int dstY, int width);

} // namespace gdi::detail
