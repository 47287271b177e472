#pragma once
// The native images of an image list as "Bitmap" data in a form stream:
//
//   magic "BILD", a 16-bit version (1), 32-bit width, height and image count, then per
//   image its colour pixels (blue, green, red, alpha; top row first) and its mask rows
//   (one bit per pixel, the leftmost in the high bit, each row ceil(width / 8) bytes;
//   1 marks a transparent pixel).
//
// All integers are little-endian.

#include "gui/classes/stream.h"
#include "platform/commctrl/imagelist.h"

#include <array>
#include <cstdint>

constexpr std::array<std::uint8_t, 4> ImageDataMagic = {'B', 'I', 'L', 'D'};
constexpr std::uint16_t ImageDataVersion = 1;

#pragma pack(push, 1)
struct TImageDataHeader {
    std::array<std::uint8_t, 4> Magic = ImageDataMagic;
    std::uint16_t Version = ImageDataVersion;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Count = 0;
};
#pragma pack(pop)
static_assert(sizeof(TImageDataHeader) == 18);

void WriteImageData(TStream& stream, commctrl::HIMAGELIST list);
// A new native list of the given size and flags holding the images the data describes. The
// data must fill the stream exactly and describe images of exactly width x height; anything
// else raises EReadError "Image list data is not valid". Nothing is read beyond the stream.
commctrl::TOwnedImageList ReadImageData(TStream& stream, int width, int height,
                                        commctrl::UINT flags, int grow);
