#pragma once
// The icon file format: a directory of images, each a BITMAPINFOHEADER whose height counts
// the colour rows and the 1-bit AND-mask rows together, a colour table for depths up to 8,
// the colour rows and the mask rows, all bottom-up. Entries may also hold PNG data, which
// the file keeps but this layer does not decode.

#include "gui/classes/stream.h"
#include "platform/commctrl/icons.h"

#include <cstdint>
#include <span>
#include <vector>

#pragma pack(push, 1)
struct ICONDIR {
    gdi::WORD idReserved = 0;
    gdi::WORD idType = 0;
    gdi::WORD idCount = 0;
};

struct ICONDIRENTRY {
    gdi::BYTE bWidth = 0;  // 0 stands for 256
    gdi::BYTE bHeight = 0; // 0 stands for 256
    gdi::BYTE bColorCount = 0;
    gdi::BYTE bReserved = 0;
    gdi::WORD wPlanes = 0;
    gdi::WORD wBitCount = 0;
    gdi::DWORD dwBytesInRes = 0;
    gdi::DWORD dwImageOffset = 0; // from the start of the directory
};
#pragma pack(pop)
static_assert(sizeof(ICONDIR) == 6);
static_assert(sizeof(ICONDIRENTRY) == 16);

constexpr gdi::WORD IcoTypeIcon = 1;
constexpr int IcoMaxSide = 256;
// The size the platform prefers when a file offers several: its standard icon size.
constexpr int IcoPreferredSide = 32;

// An icon file as read: its bytes, to be written back unchanged, and the icon made of the
// entry nearest the preferred size (the deepest colour among equals).
struct TIconFile {
    std::vector<std::uint8_t> Bytes;
    commctrl::TOwnedIcon Icon;
};

// Reads an icon file from the stream's position up to the end of its last image. A file
// that is malformed, ends early or has no image this layer can decode raises EInvalidGraphic
// "Icon image is not valid"; nothing is read beyond the stream's end.
TIconFile ReadIconFile(TStream& stream);
// A new icon of the image nearest side x side (the deepest colour among equals) of a whole
// icon file in memory. EInvalidGraphic "Icon image is not valid" as ReadIconFile raises it.
commctrl::TOwnedIcon ReadIconImage(std::span<const std::uint8_t> file, int side);
// The sides of the images of a whole icon file in memory that this layer can decode, each
// once, smallest first. EInvalidGraphic "Icon image is not valid" for a malformed directory.
std::vector<int> ReadIconSides(std::span<const std::uint8_t> file);
// Writes the icon as a file of one image: 32 bits when its colour image carries alpha,
// else 24 bits, with its AND mask. EInvalidGraphic for sides above 256.
void WriteIconFile(TStream& stream, commctrl::HICON icon);
