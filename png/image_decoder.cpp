// Reading the image data: inflate, unfilter, de-interlace and unpack every row straight
// into the header chunk's DIB rows and alpha plane. Only two rows are held.

#include "png/inflate_reader.h"
#include "png/pngobject.h"
#include "png/row_geometry.h"
#include "png/unfilter.h"
#include "png/unpack.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Grey images show their levels through the colour table, spread evenly from 0 to 255
// and passed through the gamma table.
void FillGreyColourTable(TChunkIHDR& header, const TGammaTable& gamma) {
    const std::uint32_t entries = 1u << header.DibBitsPerPixel();
    gdi::RGBQUAD* table = header.ColourTable();
    for (std::uint32_t n = 0; n < entries; ++n) {
        const std::uint8_t level = gamma[n * 255 / (entries - 1)];
        table[n] = {level, level, level, 0};
    }
}

class TImageDataDecoder {
public:
    TImageDataDecoder(const TPNGObject& image, TChunkIHDR& header, TInflateReader& reader)
        : FHeader(header), FReader(reader),
          FUnpack(png::ChooseUnpacker(header.ColourType(), header.BitDepth(),
                                      header.Interlace() == png::INTERLACE_ADAM7,
                                      image.GammaIsIdentity())),
          FGamma(image.GammaLut().data()), FInterlaced(header.Interlace() == png::INTERLACE_ADAM7) {
        const auto full = Geometry(header.Width());
        FPixelStride = std::max<std::uint32_t>(full.PixelStride, 1);
        for (auto& row : FRows)
            row.assign(full.RowLength + 1 + png::RowPadding, 0);
        FReader.Expect(DataSize());
    }

    void Decode() {
        if (!FUnpack || !FHeader.Pixels())
            return;
        if (FInterlaced)
            DecodeAdam7();
        else
            DecodeSequential();
    }

private:
    png::TRowGeometry Geometry(std::uint32_t width) const {
        return png::RowGeometry(FHeader.ColourType(), FHeader.BitDepth(), width);
    }

    // The bytes of the image data: every row with its filter byte, of every pass.
    std::uint64_t DataSize() const {
        const std::uint32_t height = FHeader.Height();
        if (!FInterlaced)
            return (std::uint64_t(Geometry(FHeader.Width()).RowLength) + 1) * height;
        std::uint64_t size = 0;
        for (const png::TAdam7Pass& pass : png::Adam7Passes) {
            const std::uint32_t length = Geometry(pass.Width(FHeader.Width())).RowLength;
            const std::uint32_t rows =
                height <= pass.FirstRow
                    ? 0
                    : (height - pass.FirstRow + pass.RowStep - 1) / pass.RowStep;
            if (length > 0)
                size += (std::uint64_t(length) + 1) * rows;
        }
        return size;
    }

    // Pulls, unfilters and unpacks one row of length bytes; false when the data has ended
    // before it (a row cut short is completed with zeros and still unpacked, and ends the
    // data).
    bool NextRow(std::uint32_t length, const png::TRowTarget& target) {
        std::uint8_t* row = FRows[FCurrent].data();
        const std::size_t got = FReader.Pull(row, length + 1);
        if (got == 0)
            return false;
        std::memset(row + got, 0, length + 1 - got);
        png::UnfilterRow(row, FRows[1 - FCurrent].data(), length, FPixelStride);
        FUnpack(row + 1, target);
        FCurrent = 1 - FCurrent;
        return got == length + 1;
    }

    void DecodeSequential() {
        const std::uint32_t length = Geometry(FHeader.Width()).RowLength;
        for (std::uint32_t y = 0; y < FHeader.Height(); ++y)
            if (!NextRow(length,
                         {FHeader.PixelRow(y), FHeader.AlphaRow(y), FHeader.Width(), 0, 1, FGamma}))
                return;
    }

    void DecodeAdam7() {
        for (const png::TAdam7Pass& pass : png::Adam7Passes) {
            const std::uint32_t count = pass.Width(FHeader.Width());
            const std::uint32_t length = Geometry(count).RowLength;
            std::fill_n(FRows[1 - FCurrent].begin(), length + 1, 0);
            if (length == 0)
                continue;
            for (std::uint32_t y = pass.FirstRow; y < FHeader.Height(); y += pass.RowStep)
                if (!NextRow(length, {FHeader.PixelRow(y), FHeader.AlphaRow(y), count,
                                      pass.FirstColumn, pass.ColumnStep, FGamma}))
                    return;
        }
    }

    TChunkIHDR& FHeader;
    TInflateReader& FReader;
    png::TRowUnpacker FUnpack;
    const std::uint8_t* FGamma;
    bool FInterlaced;
    std::uint32_t FPixelStride = 1;
    std::vector<std::uint8_t> FRows[2];
    int FCurrent = 1;
};

} // namespace

bool TChunkIDAT::ReadBody(TStream& stream, const TChunkType&, std::uint32_t length) {
    TChunkIHDR& header = HeaderChunk();
    if (header.UsesColourTable() && header.ColourType() != png::COLOR_PALETTE)
        FillGreyColourTable(header, FImage->GammaLut());
    TInflateReader reader(stream, length);
    TImageDataDecoder(*FImage, header, reader).Decode();
    reader.FinishChunk();
    return true;
}
