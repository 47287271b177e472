#include "tests/png/png_test_support.h"

#include "gui/classes/exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <png.h>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace pngtest {

namespace {

void Put32(TBytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

} // namespace

TBytes FramedChunk(const std::string& type, const TBytes& body) {
    TBytes chunk;
    Put32(chunk, std::uint32_t(body.size()));
    chunk.insert(chunk.end(), type.begin(), type.end());
    chunk.insert(chunk.end(), body.begin(), body.end());
    Put32(chunk, std::uint32_t(crc32(0, chunk.data() + 4, uInt(chunk.size() - 4))));
    return chunk;
}

TPngBuilder::TPngBuilder() : FBytes{137, 80, 78, 71, 13, 10, 26, 10} {}

TPngBuilder& TPngBuilder::Chunk(const std::string& type, const TBytes& body, bool badCrc) {
    TBytes chunk = FramedChunk(type, body);
    if (badCrc)
        chunk.back() ^= 1;
    FBytes.insert(FBytes.end(), chunk.begin(), chunk.end());
    return *this;
}

TPngBuilder& TPngBuilder::Header(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                                 std::uint8_t colourType, std::uint8_t interlace) {
    TBytes body;
    Put32(body, width);
    Put32(body, height);
    body.insert(body.end(), {depth, colourType, 0, 0, interlace});
    return Chunk("IHDR", body);
}

TPngBuilder& TPngBuilder::ImageData(const TBytes& data, std::size_t pieceSize) {
    for (std::size_t at = 0; at < data.size(); at += pieceSize) {
        const std::size_t n = std::min(pieceSize, data.size() - at);
        Chunk("IDAT",
              TBytes(data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n)));
    }
    return *this;
}

TPngBuilder& TPngBuilder::End() {
    return Chunk("IEND", {});
}

TBytes Deflate(const TBytes& raw, int level) {
    uLongf size = compressBound(uLong(raw.size()));
    TBytes out(size);
    if (compress2(out.data(), &size, raw.data(), uLong(raw.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

TBytes UnfilteredRows(const std::vector<TBytes>& rows) {
    TBytes out;
    for (const TBytes& row : rows) {
        out.push_back(0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void ReadPng(TPNGObject& image, const TBytes& bytes) {
    TReadOnlyMemoryStream stream(bytes.data(), std::int64_t(bytes.size()));
    image.ReadFromStream(stream);
}

TBytes WritePng(TPNGObject& image) {
    TMemoryStream stream;
    image.WriteToStream(stream);
    return stream.Bytes();
}

TRgbaImage CodecPixels(const TPNGObject& image) {
    TRgbaImage out{std::uint32_t(image.Width()), std::uint32_t(image.Height()), {}};
    out.Pixels.reserve(std::size_t(out.Width) * out.Height);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = image.PixelColour(x, y);
            out.Pixels.push_back(
                {gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c), image.PixelAlpha(x, y)});
        }
    return out;
}

namespace {

std::array<std::uint8_t, 256> GammaTable(double gamma) {
    std::array<std::uint8_t, 256> table{};
    const double exponent = 1.0 / (gamma * 2.2);
    for (int i = 0; i < 256; ++i)
        table[i] = std::uint8_t(std::nearbyint(255.0 * std::pow(i / 255.0, exponent)));
    return table;
}

// A 16-bit key sample in the form the codec stores samples of that depth.
std::uint8_t StoredKey(std::uint16_t sample, int depth) {
    if (depth == 16)
        return std::uint8_t(sample >> 8);
    if (depth == 8)
        return std::uint8_t(sample);
    const unsigned max = (1u << depth) - 1;
    return std::uint8_t((sample & max) * 255 / max);
}

// The rows as 8-bit red, green, blue, alpha pixels.
TRgbaImage RgbaPixels(const TLibpngImage& read) {
    TRgbaImage image{read.Width, read.Height, {}};
    image.Pixels.resize(std::size_t(read.Width) * read.Height);
    std::memcpy(image.Pixels.data(), read.Rows.data(), read.Rows.size());
    return image;
}

} // namespace

TRgbaImage LibpngRgba(const TBytes& bytes) {
    const TLibpngImage read = LibpngRead(bytes, [](png_structp png, const TLibpngImage& image) {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        if (!(image.ColourType & PNG_COLOR_MASK_ALPHA) && !image.HasTransparency)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    });
    if (!read.Warnings.empty())
        throw std::runtime_error("libpng warning: " + read.Warnings.front());
    return RgbaPixels(read);
}

TRgbaImage ReferenceDecode(const TBytes& bytes) {
    const TLibpngImage read = LibpngRead(bytes, [](png_structp png, const TLibpngImage& image) {
        const bool palette = image.ColourType == PNG_COLOR_TYPE_PALETTE;
        if (palette) {
            png_set_palette_to_rgb(png);
            if (image.HasTransparency)
                png_set_tRNS_to_alpha(png);
        }
        if (image.ColourType == PNG_COLOR_TYPE_GRAY && image.Depth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        if (image.Depth == 16)
            png_set_strip_16(png);
        if (!(image.ColourType & PNG_COLOR_MASK_COLOR))
            png_set_gray_to_rgb(png);
        if (!(image.ColourType & PNG_COLOR_MASK_ALPHA) && !(palette && image.HasTransparency))
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    });
    TRgbaImage image = RgbaPixels(read);
    std::array<std::uint8_t, 256> gamma{};
    for (int i = 0; i < 256; ++i)
        gamma[i] = std::uint8_t(i);
    if (read.Gamma > 0)
        gamma = GammaTable(read.Gamma);
    for (TRgba& p : image.Pixels) {
        p.R = gamma[p.R];
        p.G = gamma[p.G];
        p.B = gamma[p.B];
    }
    if (read.Key) {
        const bool grey = !(read.ColourType & PNG_COLOR_MASK_COLOR);
        const png_color_16& key = *read.Key;
        const TRgba transparent{gamma[StoredKey(grey ? key.gray : key.red, read.Depth)],
                                gamma[StoredKey(grey ? key.gray : key.green, read.Depth)],
                                gamma[StoredKey(grey ? key.gray : key.blue, read.Depth)], 255};
        for (TRgba& p : image.Pixels)
            if (p == transparent)
                p.A = 0;
    }
    return image;
}

TBytes ReferenceEncode(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                       const TBytes& data, int filter, bool interlace) {
    libpngref::TLibpngLayout layout{width, height, depth, colourType, interlace, filter, -1, {}};
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        for (std::size_t i = 0; i < std::size_t(1) << depth; ++i)
            layout.Palette.push_back({png_byte(i * 37), png_byte(255 - i * 11), png_byte(i * 5)});
    return libpngref::LibpngWrite(layout, data);
}

TBytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string SuiteDir() {
    return BRENLOW_PNGSUITE_DIR;
}

std::vector<std::string> SuiteFiles() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(SuiteDir(), error))
        if (entry.path().extension() == ".png")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TFailure FailureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Exception& error) {
        return {ExceptionClassName(error), error.Message()};
    }
    return {};
}

void PrintTo(const TFailure& failure, std::ostream* out) {
    *out << (failure.ClassName.empty() ? "no failure" : failure.ClassName + ": " + failure.Message);
}

TFailure ReadFailure(const TBytes& bytes) {
    TPNGObject image;
    return FailureOf([&] { ReadPng(image, bytes); });
}

bool ResidentMemoryIsMeasurable() {
#ifdef BRENLOW_EMULATED
    return false;
#else
    return true;
#endif
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

} // namespace pngtest
