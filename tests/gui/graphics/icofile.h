#pragma once
// Icon files encoded in the tests from the format's description: a directory and the images.

#include <cstdint>
#include <vector>

namespace testing_graphics {

using TBytes = std::vector<std::uint8_t>;

inline void Put16(TBytes& bytes, unsigned v) {
    bytes.push_back(std::uint8_t(v));
    bytes.push_back(std::uint8_t(v >> 8));
}
inline void Put32(TBytes& bytes, std::uint32_t v) {
    Put16(bytes, v & 0xFFFF);
    Put16(bytes, v >> 16);
}

// One image of an icon file: its directory fields and its data.
struct TEntry {
    int Width, Height, Bits;
    TBytes Data;
};

inline TBytes IconFile(const std::vector<TEntry>& entries) {
    TBytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, unsigned(entries.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
    for (const TEntry& e : entries) {
        file.push_back(std::uint8_t(e.Width));
        file.push_back(std::uint8_t(e.Height));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, unsigned(e.Bits));
        Put32(file, std::uint32_t(e.Data.size()));
        Put32(file, offset);
        offset += std::uint32_t(e.Data.size());
    }
    for (const TEntry& e : entries)
        file.insert(file.end(), e.Data.begin(), e.Data.end());
    return file;
}

// A side x side 32-bit image of one colour (alpha, red, green, blue as bytes of argb) with an
// all-opaque mask.
inline TEntry SolidEntry(int side, std::uint32_t argb) {
    TEntry entry{side, side, 32, {}};
    TBytes& data = entry.Data;
    for (std::uint32_t field : {40u, std::uint32_t(side), std::uint32_t(side * 2)})
        Put32(data, field);
    Put16(data, 1);
    Put16(data, 32);
    data.resize(data.size() + 24);
    for (int i = 0; i < side * side; ++i)
        Put32(data, argb);
    data.resize(data.size() + std::size_t((side + 31) / 32 * 4 * side));
    return entry;
}

} // namespace testing_graphics
