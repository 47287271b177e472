#pragma once
// Helpers of the codec's tests: building PNG streams chunk by chunk, compressing rows, the
// reference decoder's readings reduced to 8-bit RGBA, and reading images through the codec.

#include "gui/classes/stream.h"
#include "png/pngobject.h"
#include "tests/png/libpng_reference.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pngtest {

using TBytes = std::vector<std::uint8_t>;

// One pixel as 8-bit red, green, blue, alpha.
struct TRgba {
    std::uint8_t R = 0, G = 0, B = 0, A = 0;
    friend bool operator==(const TRgba&, const TRgba&) = default;
};

struct TRgbaImage {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<TRgba> Pixels;
    const TRgba& At(std::uint32_t x, std::uint32_t y) const { return Pixels[y * Width + x]; }
};

// One chunk: length, type, body and its CRC, computed with zlib.
TBytes FramedChunk(const std::string& type, const TBytes& body);

// Builds a PNG stream; CRCs are computed with zlib unless asked to be wrong.
class TPngBuilder {
public:
    TPngBuilder();
    TPngBuilder& Chunk(const std::string& type, const TBytes& body, bool badCrc = false);
    TPngBuilder& Header(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                        std::uint8_t colourType, std::uint8_t interlace = 0);
    // The data as IDAT chunks of at most pieceSize bytes each.
    TBytes Bytes() const { return FBytes; }
    TPngBuilder& ImageData(const TBytes& data, std::size_t pieceSize = 1u << 30);
    TPngBuilder& End();

private:
    TBytes FBytes;
};

TBytes Deflate(const TBytes& raw, int level = 6);
// Rows with filter byte 0 in front of each.
TBytes UnfilteredRows(const std::vector<TBytes>& rows);

// Reads a PNG through the codec.
void ReadPng(TPNGObject& image, const TBytes& bytes);
TBytes WritePng(TPNGObject& image);
// The codec's decoded pixels: PixelColour and PixelAlpha of every pixel.
TRgbaImage CodecPixels(const TPNGObject& image);

using libpngref::LibpngRead;
using libpngref::TLibpngImage;
// libpng's own 8-bit RGBA of a PNG: keys compared at the file's depth, high bytes of 16-bit
// samples, no gamma. A warning fails like an error: a file another decoder warns about is
// not what the codec meant to write.
TRgbaImage LibpngRgba(const TBytes& png);
// libpng's decoding of a PNG, reduced to 8-bit RGBA by the codec's documented rules: the
// high byte of 16-bit samples, low-depth grey spread to 0..255, the gamma table of a gAMA
// chunk applied to colour samples, and the tRNS key of grey and RGB images compared with
// the pixels in that same form.
TRgbaImage ReferenceDecode(const TBytes& png);
// Encodes 8- or 16-bit samples with libpng, each row with the given filter; the data holds
// the PNG row layout (big-endian 16-bit samples, packed low depths).
TBytes ReferenceEncode(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                       const TBytes& data, int filter, bool interlace);

TBytes ReadFile(const std::string& path);
std::string SuiteDir();
// The names of the suite's PNG files, sorted; none when the folder is missing.
std::vector<std::string> SuiteFiles();

// The class name and message of what the call raises; both empty when it raises nothing.
struct TFailure {
    std::string ClassName;
    std::string Message;
    friend bool operator==(const TFailure&, const TFailure&) = default;
};
TFailure FailureOf(const std::function<void()>& call);
// Shows a failure readably in test reports.
void PrintTo(const TFailure& failure, std::ostream* out);
// The failure a stream gives when the codec reads it.
TFailure ReadFailure(const TBytes& bytes);

// The object a pointer names; a missing one fails the test with an exception.
template <class T>
T& Required(T* pointer) {
    if (!pointer)
        throw std::runtime_error("expected object is missing");
    return *pointer;
}

// Resident memory of the process in bytes.
std::size_t ResidentBytes();
// Whether that memory is the program's own: under an emulator it takes in the emulator's
// records of every mapping, some 100 MB for the pages of a claimed 65535 x 65535 image.
bool ResidentMemoryIsMeasurable();

} // namespace pngtest
