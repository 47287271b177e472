#include "gui/imagelist/imagedata.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/dib.h"
#include "gui/graphics/errortexts.h"
#include "gui/imagelist/errortexts.h"

#include <cstring>
#include <vector>

namespace {

[[noreturn]] void Invalid() {
    throw EReadError(SImageListDataError);
}

// Bytes of one image in the data: its colour pixels and its packed mask rows.
struct TImageBytes {
    std::size_t Colour = 0;
    std::size_t MaskRow = 0;
    std::size_t Mask = 0;
    std::size_t Total() const { return Colour + Mask; }
};

TImageBytes BytesOf(int width, int height) {
    TImageBytes bytes;
    bytes.Colour = std::size_t(width) * std::size_t(height) * 4;
    bytes.MaskRow = (std::size_t(width) + 7) / 8;
    bytes.Mask = bytes.MaskRow * std::size_t(height);
    return bytes;
}

// A top-down section of bitCount bits holding the rows (each rowBytes long, unpadded).
gdi::TOwnedBitmap MakeSection(int width, int height, int bitCount, const std::uint8_t* rows,
                              std::size_t rowBytes) {
    static constexpr gdi::RGBQUAD kBlackWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    const gdi::BITMAPINFO info = MakeBitmapInfo(width, -height, bitCount, kBlackWhite);
    void* bits = nullptr;
    gdi::TOwnedBitmap section(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    if (!section || !bits)
        throw EOutOfResources(SOutOfResources);
    const auto stride = std::size_t(BytesPerScanLine(width, bitCount));
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + std::size_t(y) * stride,
                    rows + std::size_t(y) * rowBytes, rowBytes);
    return section;
}

void WriteImage(TStream& stream, commctrl::HIMAGELIST list, int index, int width, int height) {
    const commctrl::TOwnedIcon icon(commctrl::ImageList_GetIcon(list, index, 0));
    commctrl::ICONINFO info;
    if (!commctrl::GetIconInfo(icon.Get(), &info))
        throw EOutOfResources(SOutOfResources);
    const gdi::TOwnedBitmap colour(info.hbmColor);
    const gdi::TOwnedBitmap mask(info.hbmMask);
    const std::vector<std::uint8_t> colourRows = ReadRows(colour.Get(), width, -height, 32);
    const std::vector<std::uint8_t> maskRows = ReadRows(mask.Get(), width, -height, 1);
    stream.WriteBuffer(colourRows.data(), std::int64_t(colourRows.size()));
    const TImageBytes bytes = BytesOf(width, height);
    const auto stride = std::size_t(BytesPerScanLine(width, 1));
    for (int y = 0; y < height; ++y)
        stream.WriteBuffer(maskRows.data() + std::size_t(y) * stride, std::int64_t(bytes.MaskRow));
}

} // namespace

void WriteImageData(TStream& stream, commctrl::HIMAGELIST list) {
    int width = 0, height = 0;
    commctrl::ImageList_GetIconSize(list, &width, &height);
    const int count = commctrl::ImageList_GetImageCount(list);
    TImageDataHeader header;
    header.Width = width;
    header.Height = height;
    header.Count = count;
    stream.WriteBuffer(&header, sizeof header);
    for (int i = 0; i < count; ++i)
        WriteImage(stream, list, i, width, height);
}

commctrl::TOwnedImageList ReadImageData(TStream& stream, int width, int height,
                                        commctrl::UINT flags, int grow) {
    TImageDataHeader header;
    if (stream.Read(&header, sizeof header) != std::int64_t(sizeof header) ||
        header.Magic != ImageDataMagic || header.Version != ImageDataVersion ||
        header.Width != width || header.Height != height || header.Count < 0)
        Invalid();
    const TImageBytes bytes = BytesOf(width, height);
    const std::int64_t remaining = stream.Size() - stream.Position();
    if (remaining < 0 || std::uint64_t(remaining) / bytes.Total() != std::uint64_t(header.Count) ||
        std::uint64_t(remaining) % bytes.Total() != 0)
        Invalid();
    commctrl::TOwnedImageList list(commctrl::ImageList_Create(width, height, flags, 0, grow));
    if (!list)
        Invalid();
    std::vector<std::uint8_t> image(bytes.Total());
    for (int i = 0; i < header.Count; ++i) {
        stream.ReadBuffer(image.data(), std::int64_t(image.size()));
        const gdi::TOwnedBitmap colour =
            MakeSection(width, height, 32, image.data(), std::size_t(width) * 4);
        const gdi::TOwnedBitmap mask =
            MakeSection(width, height, 1, image.data() + bytes.Colour, bytes.MaskRow);
        if (commctrl::ImageList_Add(list.Get(), colour.Get(), mask.Get()) != i)
            throw EOutOfResources(SOutOfResources);
    }
    return list;
}
