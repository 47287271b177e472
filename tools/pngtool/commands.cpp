#include "tools/pngtool/commands.h"

#include "png/framing.h"
#include "png/pngobject.h"
#include "tools/pngtool/pam.h"
#include "tools/pngtool/pixel_limit.h"

#include <algorithm>
#include <array>
#include <string>

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
void CheckClaimedSize(TStream& stream, std::uint64_t maxPixels) {
    const std::int64_t start = stream.Position();
    // The signature, the header chunk's length and type, its width and height.
    std::array<std::uint8_t, 24> head{};
    const bool complete =
        stream.Read(head.data(), std::int64_t(head.size())) == std::int64_t(head.size());
    stream.Seek(start, soBeginning);
    if (!complete || !std::equal(png::Signature.begin(), png::Signature.end(), head.begin()) ||
        !std::equal(png::ctIHDR.begin(), png::ctIHDR.end(), head.begin() + 12))
        return;
    CheckPixelCount(png::LoadU32(head.data() + 16), png::LoadU32(head.data() + 20), maxPixels);
}

// Recode also takes the PAM files that decode writes.
void Load(TPNGObject& image, const TCommand& command) {
    TFileStream stream(command.Input, fmOpenRead);
    if (command.Kind == ckRecode && LooksLikePam(stream))
        return ReadPam(image, stream, command.MaxPixels);
    CheckClaimedSize(stream, command.MaxPixels);
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
    TPNGObject image;
    Load(image, command);
    switch (command.Kind) {
    case ckInfo:
        Info(image, out);
        break;
    case ckDecode:
        WritePam(image, command.Output);
        break;
    case ckRecode:
        Recode(image, command.Settings, command.Output);
        break;
    }
}

} // namespace pngtool
