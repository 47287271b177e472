#include "tools/pngtool/commands.h"

#include "png/framing.h"
#include "png/pngobject.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace pngtool {

namespace {

const char* TransparencyName(TPngTransparency kind) {
    switch (kind) {
    case trColourKey:
        return "colour key";
    case trAlpha:
        return "alpha";
    default:
        return "none";
    }
}

// Refuses an image whose header claims more pixels than the limit, before anything is
// decoded or written. A file that does not start with a PNG signature and a header chunk is
// left to the codec, which says what is wrong with it.
void CheckClaimedSize(const std::string& fileName, std::uint64_t maxPixels) {
    TFileStream stream(fileName, fmOpenRead);
    // The signature, the header chunk's length and type, its width and height.
    std::array<std::uint8_t, 24> head{};
    if (stream.Read(head.data(), std::int64_t(head.size())) != std::int64_t(head.size()) ||
        !std::equal(png::Signature.begin(), png::Signature.end(), head.begin()) ||
        !std::equal(png::ctIHDR.begin(), png::ctIHDR.end(), head.begin() + 12))
        return;
    const std::uint32_t width = png::LoadU32(head.data() + 16);
    const std::uint32_t height = png::LoadU32(head.data() + 20);
    if (std::uint64_t(width) * height > maxPixels)
        throw ETooManyPixels("The image claims " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels, more than the " +
                             std::to_string(maxPixels) +
                             " pngtool takes; --max-pixels N raises the limit.");
}

void Load(TPNGObject& image, const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    image.ReadFromStream(stream);
}

void Info(const TPNGObject& image, std::ostream& out) {
    const TChunkIHDR& header = image.HeaderChunk();
    out << "width: " << header.Width() << "\n"
        << "height: " << header.Height() << "\n"
        << "bit depth: " << int(header.BitDepth()) << "\n"
        << "colour type: " << int(header.ColourType()) << "\n"
        << "compression: " << int(header.Compression()) << "\n"
        << "filter method: " << int(header.FilterMethod()) << "\n"
        << "interlace: " << int(header.Interlace()) << "\n"
        << "transparency: " << TransparencyName(image.Transparency()) << "\n"
        << "chunks:\n";
    for (std::size_t i = 0; i < image.Chunks().Count(); ++i) {
        const TChunk& chunk = *image.Chunks().Item(i);
        out << std::string(chunk.ChunkType().begin(), chunk.ChunkType().end()) << " "
            << chunk.BodySize() << "\n";
    }
}

// An 8-bit RGBA PAM file of the image's colours and opacities.
void Decode(const TPNGObject& image, const std::string& fileName) {
    const int width = image.Width(), height = image.Height();
    const std::string header = "P7\nWIDTH " + std::to_string(width) + "\nHEIGHT " +
                               std::to_string(height) +
                               "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(header.data(), std::int64_t(header.size()));
    std::vector<std::uint8_t> row(std::size_t(width) * 4);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = row.data();
        for (int x = 0; x < width; ++x, p += 4) {
            const TColor colour = image.PixelColour(x, y);
            p[0] = gdi::GetRValue(colour);
            p[1] = gdi::GetGValue(colour);
            p[2] = gdi::GetBValue(colour);
            p[3] = image.PixelAlpha(x, y);
        }
        file.WriteBuffer(row.data(), std::int64_t(row.size()));
    }
}

void Recode(TPNGObject& image, const TRecodeSettings& settings, const std::string& fileName) {
    if (settings.RowFilters)
        image.SetRowFilters(*settings.RowFilters);
    if (settings.DeflateLevel)
        image.SetDeflateLevel(*settings.DeflateLevel);
    if (settings.IdatLimit)
        image.SetIdatLimit(*settings.IdatLimit);
    if (settings.Interlace)
        image.SetInterlacing(png::INTERLACE_ADAM7);
    TFileStream file(fileName, fmCreate);
    image.WriteToStream(file);
}

} // namespace

void RunCommand(const TCommand& command, std::ostream& out) {
    CheckClaimedSize(command.Input, command.MaxPixels);
    TPNGObject image;
    Load(image, command.Input);
    switch (command.Kind) {
    case ckInfo:
        Info(image, out);
        break;
    case ckDecode:
        Decode(image, command.Output);
        break;
    case ckRecode:
        Recode(image, command.Settings, command.Output);
        break;
    }
}

} // namespace pngtool
