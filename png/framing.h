#pragma once
// Chunk framing: big-endian integers, the CRC-32 of the PNG standard, and the length, type,
// body and CRC of a chunk on a stream.

#include "gui/classes/stream.h"
#include "png/format.h"

#include <cstdint>

namespace png {

constexpr std::uint32_t LoadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
constexpr std::uint16_t LoadU16(const std::uint8_t* p) {
    return std::uint16_t(p[0] << 8 | p[1]);
}
constexpr void StoreU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v >> 24);
    p[1] = std::uint8_t(v >> 16);
    p[2] = std::uint8_t(v >> 8);
    p[3] = std::uint8_t(v);
}
constexpr void StoreU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v >> 8);
    p[1] = std::uint8_t(v);
}

inline constexpr std::uint32_t CrcStart = 0xFFFFFFFFu;

// The running CRC-32 (reflected polynomial 0xEDB88320) without the final complement: a chunk's
// CRC is ~UpdateCrc(UpdateCrc(CrcStart, type, 4), body, length).
std::uint32_t UpdateCrc(std::uint32_t crc, const void* bytes, std::size_t length);
std::uint32_t ChunkCrc(const TChunkType& type, const std::uint8_t* body, std::uint32_t length);

// Reads a big-endian 32-bit value; false when the stream has fewer than 4 bytes left.
bool ReadU32(TStream& stream, std::uint32_t& value);
// Reads exactly count bytes; false when the stream ends first.
bool ReadExact(TStream& stream, void* buffer, std::int64_t count);
// Raise EPngUnexpectedEnd for a length of 2^31 or more, which is no PNG length, and for a
// chunk that runs past the end of the stream; either would be taken for a file cut short.
void CheckChunkLength(std::uint32_t length);
void CheckChunkFits(TStream& stream, std::uint32_t length);

// Writes length, type, body and CRC; stream errors propagate.
void WriteFramedChunk(TStream& stream, const TChunkType& type, const std::uint8_t* body,
                      std::uint32_t length);

} // namespace png
