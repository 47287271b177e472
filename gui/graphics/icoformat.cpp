#include "gui/graphics/icoformat.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/dib.h"
#include "gui/graphics/errortexts.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

constexpr std::uint8_t kPngSignatureStart[] = {0x89, 'P', 'N', 'G'};

[[noreturn]] void Invalid() {
    throw EInvalidGraphic(SInvalidIcon);
}

using TBytes = std::span<const std::uint8_t>;

// Reads exactly count bytes onto the end of bytes, else the file is invalid.
void ReadInto(TStream& stream, std::vector<std::uint8_t>& bytes, std::size_t count) {
    const std::size_t at = bytes.size();
    bytes.resize(at + count);
    if (stream.Read(bytes.data() + at, std::int64_t(count)) != std::int64_t(count))
        Invalid();
}

template <class T>
T ReadAt(TBytes bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::size_t DirectoryEnd(const ICONDIR& dir) {
    return sizeof(ICONDIR) + sizeof(ICONDIRENTRY) * dir.idCount;
}

std::int64_t EntryEnd(const ICONDIRENTRY& entry) {
    return std::int64_t(entry.dwImageOffset) + entry.dwBytesInRes;
}

// The entries of the directory that bytes start with, each checked to lie past the directory
// and within the first fileSize bytes of the file.
std::vector<ICONDIRENTRY> ReadDirectory(TBytes bytes, std::int64_t fileSize) {
    if (bytes.size() < sizeof(ICONDIR))
        Invalid();
    const auto dir = ReadAt<ICONDIR>(bytes, 0);
    const std::size_t directoryEnd = DirectoryEnd(dir);
    if (dir.idReserved != 0 || dir.idType != IcoTypeIcon || dir.idCount == 0 ||
        bytes.size() < directoryEnd)
        Invalid();
    std::vector<ICONDIRENTRY> entries;
    for (std::size_t i = 0; i < dir.idCount; ++i) {
        const auto entry = ReadAt<ICONDIRENTRY>(bytes, sizeof(ICONDIR) + i * sizeof(ICONDIRENTRY));
        if (entry.dwImageOffset < directoryEnd || entry.dwBytesInRes == 0 ||
            EntryEnd(entry) > fileSize)
            Invalid();
        entries.push_back(entry);
    }
    return entries;
}

// How well an entry suits: its distance from the wanted size, then its depth.
struct TCandidate {
    const ICONDIRENTRY* Entry;
    std::int64_t Distance;
    int Depth;
};

std::optional<TCandidate> Candidate(TBytes bytes, const ICONDIRENTRY& entry, int side) {
    const std::uint8_t* data = bytes.data() + entry.dwImageOffset;
    if (entry.dwBytesInRes < sizeof(gdi::BITMAPINFOHEADER) ||
        std::equal(std::begin(kPngSignatureStart), std::end(kPngSignatureStart), data))
        return std::nullopt;
    const auto header = ReadAt<gdi::BITMAPINFOHEADER>(bytes, entry.dwImageOffset);
    const std::int64_t distance = std::llabs(std::int64_t(header.biWidth) - side) +
                                  std::llabs(std::int64_t(header.biHeight / 2) - side);
    return TCandidate{&entry, distance, header.biBitCount};
}

const ICONDIRENTRY& ChooseEntry(TBytes bytes, const std::vector<ICONDIRENTRY>& entries, int side) {
    std::optional<TCandidate> best;
    for (const ICONDIRENTRY& entry : entries) {
        const auto candidate = Candidate(bytes, entry, side);
        if (candidate &&
            (!best || candidate->Distance < best->Distance ||
             (candidate->Distance == best->Distance && candidate->Depth > best->Depth)))
            best = candidate;
    }
    if (!best)
        Invalid();
    return *best->Entry;
}

bool HasAlpha(const std::vector<std::uint8_t>& rows) {
    for (std::size_t i = 3; i < rows.size(); i += 4)
        if (rows[i] != 0)
            return true;
    return false;
}

void Write(TStream& stream, const void* data, std::size_t size) {
    stream.WriteBuffer(data, std::int64_t(size));
}

} // namespace

TIconFile ReadIconFile(TStream& stream) {
    TIconFile file;
    const std::int64_t available = stream.Size() - stream.Position();
    ReadInto(stream, file.Bytes, sizeof(ICONDIR));
    const std::size_t directoryEnd = DirectoryEnd(ReadAt<ICONDIR>(file.Bytes, 0));
    if (std::int64_t(directoryEnd) > available)
        Invalid();
    ReadInto(stream, file.Bytes, directoryEnd - sizeof(ICONDIR));
    std::int64_t end = std::int64_t(directoryEnd);
    for (const ICONDIRENTRY& entry : ReadDirectory(file.Bytes, available))
        end = std::max(end, EntryEnd(entry));
    ReadInto(stream, file.Bytes, std::size_t(end) - directoryEnd);
    file.Icon = ReadIconImage(file.Bytes, IcoPreferredSide);
    return file;
}

commctrl::TOwnedIcon ReadIconImage(TBytes file, int side) {
    const std::vector<ICONDIRENTRY> entries = ReadDirectory(file, std::int64_t(file.size()));
    const ICONDIRENTRY& chosen = ChooseEntry(file, entries, side);
    commctrl::TOwnedIcon icon(commctrl::CreateIconFromResourceEx(
        file.data() + chosen.dwImageOffset, chosen.dwBytesInRes, true, 0x00030000, 0, 0, 0));
    if (!icon)
        Invalid();
    return icon;
}

void WriteIconFile(TStream& stream, commctrl::HICON icon) {
    commctrl::ICONINFO info;
    if (!commctrl::GetIconInfo(icon, &info))
        throw EInvalidGraphic(SInvalidIcon);
    const gdi::TOwnedBitmap colour(info.hbmColor);
    const gdi::TOwnedBitmap mask(info.hbmMask);
    gdi::BITMAP shape;
    gdi::GetObject(colour.Get(), shape);
    const int width = shape.bmWidth, height = shape.bmHeight;
    if (width > IcoMaxSide || height > IcoMaxSide)
        throw EInvalidGraphic(SIconTooLarge);
    std::vector<std::uint8_t> colourRows = ReadRows(colour.Get(), width, height, 32);
    const int bitCount = HasAlpha(colourRows) ? 32 : 24;
    if (bitCount == 24)
        colourRows = ReadRows(colour.Get(), width, height, 24);
    const std::vector<std::uint8_t> maskRows = ReadRows(mask.Get(), width, height, 1);

    const std::size_t imageBytes =
        sizeof(gdi::BITMAPINFOHEADER) + colourRows.size() + maskRows.size();
    const ICONDIR dir{0, IcoTypeIcon, 1};
    const ICONDIRENTRY entry{gdi::BYTE(width % 256),
                             gdi::BYTE(height % 256),
                             0,
                             0,
                             1,
                             gdi::WORD(bitCount),
                             gdi::DWORD(imageBytes),
                             gdi::DWORD(sizeof(ICONDIR) + sizeof(ICONDIRENTRY))};
    gdi::BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height * 2;
    header.biBitCount = gdi::WORD(bitCount);
    header.biSizeImage = gdi::DWORD(colourRows.size() + maskRows.size());
    Write(stream, &dir, sizeof dir);
    Write(stream, &entry, sizeof entry);
    Write(stream, &header, sizeof header);
    Write(stream, colourRows.data(), colourRows.size());
    Write(stream, maskRows.data(), maskRows.size());
}
