#pragma once
// Undoing the PNG row filters.

#include <cstddef>
#include <cstdint>

namespace png {

// Bytes the row buffers need beyond the row itself, so that the vector code may load and
// store whole pixels at the row's end.
inline constexpr std::size_t RowPadding = 16;

// Undoes the filter of one row in place: row[0] is the filter type, row[1..length] the
// data; previous is laid out alike and is all zeros for the first row of an image or pass.
// The pixel stride is one the format has (1, 2, 3, 4, 6 or 8) and, above 1, divides the
// length. Both buffers must extend RowPadding bytes beyond the row, which the vector code
// may read (never write). Undefined filter types leave the row unchanged.
void UnfilterRow(std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
                 std::size_t pixelStride);

} // namespace png
