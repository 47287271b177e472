#pragma once
// The BMP file format: a file header, the information header, a colour table and the rows,
// bottom-up unless the height is negative. Read and written for 1, 4, 8, 24 and 32 bits per
// pixel without compression.

#include "gui/classes/stream.h"
#include "gui/graphics/dib.h"

#pragma pack(push, 1)
struct BITMAPFILEHEADER {
    gdi::WORD bfType = 0;
    gdi::DWORD bfSize = 0;
    gdi::WORD bfReserved1 = 0;
    gdi::WORD bfReserved2 = 0;
    gdi::DWORD bfOffBits = 0; // from the start of this header to the first row
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

constexpr gdi::WORD BmpSignature = 0x4D42; // "BM"
// Information headers from the 40-byte one up to version 5; longer ones keep the first 40
// bytes' meaning.
constexpr gdi::DWORD BmpMinInfoSize = 40;
constexpr gdi::DWORD BmpMaxInfoSize = 124;

// Reads a BMP file from the stream's position up to the end of its rows. Anything the
// reader does not support, and any file that ends early or contradicts itself, raises
// EInvalidGraphic "Bitmap image is not valid"; nothing is read beyond the stream's end.
TDIBImage ReadBitmapFile(TStream& stream);
void WriteBitmapFile(TStream& stream, const TDIBImage& image);
