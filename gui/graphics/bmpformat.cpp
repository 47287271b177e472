#include "gui/graphics/bmpformat.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Reads a BMP file piece by piece, never past the bytes the stream still holds.
class TBmpReader {
public:
    explicit TBmpReader(TStream& stream)
        : FStream(stream), FAvailable(stream.Size() - stream.Position()) {}

    void Read(void* buffer, std::int64_t count) {
        Claim(count);
        if (FStream.Read(buffer, count) != count)
            Fail();
    }
    // Claims the bytes before allocating them, so that a header promising more than the
    // stream holds costs nothing.
    std::vector<std::uint8_t> ReadBytes(std::int64_t count) {
        Claim(count);
        std::vector<std::uint8_t> bytes(static_cast<size_t>(count));
        if (FStream.Read(bytes.data(), count) != count)
            Fail();
        return bytes;
    }
    void Skip(std::int64_t count) {
        Claim(count);
        if (FStream.Seek(count, soCurrent) < 0)
            Fail();
    }
    std::int64_t Consumed() const { return FConsumed; }
    [[noreturn]] static void Fail() { throw EInvalidGraphic(SInvalidBitmap); }

private:
    void Claim(std::int64_t count) {
        if (count < 0 || count > FAvailable - FConsumed)
            Fail();
        FConsumed += count;
    }

    TStream& FStream;
    std::int64_t FAvailable;
    std::int64_t FConsumed = 0;
};

bool SupportedBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

// The information header, checked: the rest of the file is sized from it.
gdi::BITMAPINFOHEADER ReadInfoHeader(TBmpReader& reader) {
    gdi::BITMAPINFOHEADER header;
    reader.Read(&header.biSize, sizeof(header.biSize));
    if (header.biSize < BmpMinInfoSize || header.biSize > BmpMaxInfoSize)
        TBmpReader::Fail();
    reader.Read(reinterpret_cast<std::uint8_t*>(&header) + sizeof(header.biSize),
                sizeof(header) - sizeof(header.biSize));
    reader.Skip(header.biSize - sizeof(header));
    if (header.biWidth < 0 || header.biHeight == std::numeric_limits<gdi::LONG>::min() ||
        header.biPlanes != 1 || !SupportedBitCount(header.biBitCount) ||
        header.biCompression != gdi::BI_RGB || header.biClrUsed > 256 ||
        (HasColorTable(header.biBitCount) && header.biClrUsed > (1u << header.biBitCount)))
        TBmpReader::Fail();
    return header;
}

std::vector<gdi::RGBQUAD> ReadColorTable(TBmpReader& reader, const gdi::BITMAPINFOHEADER& header) {
    const bool indexed = HasColorTable(header.biBitCount);
    const gdi::DWORD stored =
        header.biClrUsed != 0 || !indexed ? header.biClrUsed : 1u << header.biBitCount;
    std::vector<gdi::RGBQUAD> colors(stored);
    reader.Read(colors.data(), std::int64_t(stored) * sizeof(gdi::RGBQUAD));
    if (!indexed)
        return {};
    colors.resize(size_t(1) << header.biBitCount);
    for (gdi::RGBQUAD& entry : colors)
        entry.rgbReserved = 0;
    return colors;
}

} // namespace

TDIBImage ReadBitmapFile(TStream& stream) {
    TBmpReader reader(stream);
    BITMAPFILEHEADER file;
    reader.Read(&file, sizeof(file));
    if (file.bfType != BmpSignature)
        TBmpReader::Fail();
    const gdi::BITMAPINFOHEADER header = ReadInfoHeader(reader);

    TDIBImage image;
    image.Width = header.biWidth;
    image.Height = std::abs(header.biHeight);
    image.BitCount = header.biBitCount;
    image.Colors = ReadColorTable(reader, header);
    if (file.bfOffBits < reader.Consumed())
        TBmpReader::Fail();
    reader.Skip(file.bfOffBits - reader.Consumed());

    const std::int64_t stride = BytesPerScanLine(image.Width, image.BitCount);
    if (image.Height != 0 && stride > std::numeric_limits<std::int64_t>::max() / image.Height)
        TBmpReader::Fail();
    std::vector<std::uint8_t> rows = reader.ReadBytes(stride * image.Height);
    if (header.biHeight < 0) {
        image.Bits.resize(rows.size());
        for (int y = 0; y < image.Height; ++y)
            std::memcpy(image.Bits.data() + size_t(image.Height - 1 - y) * size_t(stride),
                        rows.data() + size_t(y) * size_t(stride), size_t(stride));
    } else {
        image.Bits = std::move(rows);
    }
    return image;
}

void WriteBitmapFile(TStream& stream, const TDIBImage& image) {
    const auto colorBytes = gdi::DWORD(image.Colors.size() * sizeof(gdi::RGBQUAD));
    BITMAPFILEHEADER file;
    file.bfType = BmpSignature;
    file.bfOffBits =
        gdi::DWORD(sizeof(BITMAPFILEHEADER) + sizeof(gdi::BITMAPINFOHEADER)) + colorBytes;
    file.bfSize = file.bfOffBits + gdi::DWORD(image.Bits.size());
    gdi::BITMAPINFOHEADER header;
    header.biWidth = image.Width;
    header.biHeight = image.Height;
    header.biBitCount = gdi::WORD(image.BitCount);
    header.biSizeImage = gdi::DWORD(image.Bits.size());
    stream.WriteBuffer(&file, sizeof(file));
    stream.WriteBuffer(&header, sizeof(header));
    stream.WriteBuffer(image.Colors.data(), colorBytes);
    stream.WriteBuffer(image.Bits.data(), std::int64_t(image.Bits.size()));
}
