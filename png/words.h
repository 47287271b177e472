#pragma once
// Four bytes of memory as one 32-bit word with the first byte in the low bits, whatever the
// processor's byte order, so that byte shuffles done a word at a time mean the same
// everywhere. On little-endian processors both are a plain load or store.

#include <bit>
#include <cstdint>
#include <cstring>

namespace png {

inline std::uint32_t LoadWord(const std::uint8_t* p) {
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap32(word);
    return word;
}

inline void StoreWord(std::uint8_t* p, std::uint32_t word) {
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap32(word);
    std::memcpy(p, &word, 4);
}

// The first three bytes of a word in reverse order, in its low three bytes: red, green, blue
// of a pixel become blue, green, red.
constexpr std::uint32_t ReversedLowBytes(std::uint32_t word) {
    return (word & 0xFF) << 16 | (word & 0xFF00) | (word >> 16 & 0xFF);
}

} // namespace png
