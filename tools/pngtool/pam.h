#pragma once
// PAM files of 8-bit red, green, blue and alpha samples (TUPLTYPE RGB_ALPHA): what decode
// writes, and what recode takes besides PNG files.

#include "gui/classes/exceptions.h"
#include "gui/classes/stream.h"

#include <cstdint>
#include <string>

class TPNGObject;

DECLARE_EXCEPTION(EInvalidPam, Exception);

namespace pngtool {

// True when the stream, at its position, starts like a PAM file; the position is kept.
bool LooksLikePam(TStream& stream);

// Writes the image's colours and opacities, as PixelColour and PixelAlpha give them.
void WritePam(const TPNGObject& image, const std::string& fileName);

// Replaces the image by the PAM file's pixels: an 8-bit RGB image when every pixel is opaque,
// else an 8-bit RGBA image. Raises EInvalidPam for anything but an 8-bit RGBA PAM file with
// all its pixels, and ETooManyPixels, before the pixels are read, for more than maxPixels.
void ReadPam(TPNGObject& image, TStream& stream, std::uint64_t maxPixels);

} // namespace pngtool
