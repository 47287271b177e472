#include "tools/pngtool/pam.h"

#include "png/format.h"
#include "png/pngobject.h"
#include "png/rgba_rows.h"
#include "tools/pngtool/pixel_limit.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <vector>

namespace pngtool {

namespace {

constexpr std::size_t BytesPerPixel = 4;
// A header is a few short lines; anything longer is not one of ours.
constexpr std::size_t MaxHeaderBytes = 4096;
// Rows are written in blocks of about this size.
constexpr std::size_t WriteBlock = 1 << 20;

[[noreturn]] void Invalid(const std::string& why) {
    throw EInvalidPam("The file is not an 8-bit RGBA PAM file: " + why + ".");
}

// The header's fields up to ENDHDR, by name; comment lines are passed over.
std::map<std::string, std::string> ReadHeaderFields(TStream& stream) {
    std::map<std::string, std::string> fields;
    std::string line;
    for (std::size_t read = 0; read < MaxHeaderBytes; ++read) {
        char c = 0;
        if (stream.Read(&c, 1) != 1)
            Invalid("its header has no end");
        if (c != '\n') {
            line += c;
            continue;
        }
        if (line == "ENDHDR")
            return fields;
        const std::size_t space = line.find(' ');
        if (!line.empty() && line[0] != '#')
            fields[line.substr(0, space)] =
                space == std::string::npos ? "" : line.substr(space + 1);
        line.clear();
    }
    Invalid("its header has no end");
}

std::uint32_t Dimension(const std::map<std::string, std::string>& fields, const char* name) {
    const auto found = fields.find(name);
    std::uint32_t value = 0;
    if (found == fields.end())
        Invalid(std::string("its header has no ") + name);
    const std::string& text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        Invalid(std::string("its ") + name + " is not a positive number");
    return value;
}

void Require(const std::map<std::string, std::string>& fields, const char* name,
             const char* value) {
    const auto found = fields.find(name);
    if (found == fields.end() || found->second != value)
        Invalid(std::string(name) + " must be " + value);
}

} // namespace

bool LooksLikePam(TStream& stream) {
    const std::int64_t start = stream.Position();
    char magic[3] = {};
    const bool pam = stream.Read(magic, 3) == 3 && std::equal(magic, magic + 3, "P7\n");
    stream.Seek(start, soBeginning);
    return pam;
}

void WritePam(const TPNGObject& image, const std::string& fileName) {
    const std::uint32_t width = std::uint32_t(image.Width()),
                        height = std::uint32_t(image.Height());
    const png::TRgbaReader reader(image);
    const std::string header = "P7\nWIDTH " + std::to_string(width) + "\nHEIGHT " +
                               std::to_string(height) +
                               "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(header.data(), std::int64_t(header.size()));
    const std::size_t rowBytes = std::size_t(width) * BytesPerPixel;
    const std::uint32_t blockRows =
        std::uint32_t(std::clamp<std::size_t>(WriteBlock / rowBytes, 1, height));
    std::vector<std::uint8_t> block(rowBytes * blockRows);
    for (std::uint32_t y = 0; y < height; y += blockRows) {
        const std::uint32_t rows = std::min(blockRows, height - y);
        for (std::uint32_t r = 0; r < rows; ++r)
            reader.ReadRow(y + r, block.data() + r * rowBytes);
        file.WriteBuffer(block.data(), std::int64_t(rows * rowBytes));
    }
}

void ReadPam(TPNGObject& image, TStream& stream, std::uint64_t maxPixels) {
    char magic[3] = {};
    if (stream.Read(magic, 3) != 3 || !std::equal(magic, magic + 3, "P7\n"))
        Invalid("it does not start with P7");
    const auto fields = ReadHeaderFields(stream);
    const std::uint32_t width = Dimension(fields, "WIDTH");
    const std::uint32_t height = Dimension(fields, "HEIGHT");
    Require(fields, "DEPTH", "4");
    Require(fields, "MAXVAL", "255");
    if (fields.contains("TUPLTYPE"))
        Require(fields, "TUPLTYPE", "RGB_ALPHA");
    CheckPixelCount(width, height, maxPixels);
    // The codec's header check, before any pixel is read.
    ValidateHeader({width, height, 8, png::COLOR_RGBALPHA, 0, 0, 0});
    const std::size_t rowBytes = std::size_t(width) * BytesPerPixel;
    std::vector<std::uint8_t> pixels(rowBytes * height);
    if (stream.Read(pixels.data(), std::int64_t(pixels.size())) != std::int64_t(pixels.size()))
        Invalid("it ends before all its pixels");
    bool opaque = true;
    for (std::size_t i = 3; i < pixels.size() && opaque; i += BytesPerPixel)
        opaque = pixels[i] == 255;
    image.NewImage({width, height, 8, opaque ? png::COLOR_RGB : png::COLOR_RGBALPHA, 0, 0, 0});
    png::TRgbaWriter writer(image);
    for (std::uint32_t y = 0; y < height; ++y)
        writer.WriteRow(y, pixels.data() + y * rowBytes);
}

} // namespace pngtool
