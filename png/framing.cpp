#include "png/framing.h"

#include "png/errors.h"

#include <algorithm>
#include <zlib.h>

namespace png {

namespace {

// Bytes between the position and the end, or -1 when the stream cannot tell.
std::int64_t BytesLeft(TStream& stream) {
    const std::int64_t position = stream.Position();
    const std::int64_t size = stream.Size();
    return position < 0 || size < 0 ? -1 : std::max<std::int64_t>(size - position, 0);
}

} // namespace

// zlib's table-driven CRC-32 is the PNG standard's; it keeps the complement outside the
// running value, so it is undone here to keep the chunk formula of the format.
std::uint32_t UpdateCrc(std::uint32_t crc, const void* bytes, std::size_t length) {
    uLong value = ~crc;
    const auto* p = static_cast<const Bytef*>(bytes);
    while (length > 0) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(length, 1u << 30));
        value = crc32(value, p, piece);
        p += piece;
        length -= piece;
    }
    return ~std::uint32_t(value);
}

std::uint32_t ChunkCrc(const TChunkType& type, const std::uint8_t* body, std::uint32_t length) {
    return ~UpdateCrc(UpdateCrc(CrcStart, type.data(), 4), body, length);
}

bool ReadExact(TStream& stream, void* buffer, std::int64_t count) {
    return count == 0 || stream.Read(buffer, count) == count;
}

bool ReadU32(TStream& stream, std::uint32_t& value) {
    std::uint8_t bytes[4];
    if (!ReadExact(stream, bytes, 4))
        return false;
    value = LoadU32(bytes);
    return true;
}

void CheckChunkLength(std::uint32_t length) {
    if (length >= ChunkLengthLimit)
        RaisePngError<EPngUnexpectedEnd>(msg::UnexpectedEnd);
}

void CheckChunkFits(TStream& stream, std::uint32_t length) {
    const std::int64_t left = BytesLeft(stream);
    if (left >= 0 && length > left)
        RaisePngError<EPngUnexpectedEnd>(msg::UnexpectedEnd);
}

void WriteFramedChunk(TStream& stream, const TChunkType& type, const std::uint8_t* body,
                      std::uint32_t length) {
    std::uint8_t head[8];
    StoreU32(head, length);
    std::copy(type.begin(), type.end(), head + 4);
    std::uint8_t tail[4];
    StoreU32(tail, ChunkCrc(type, body, length));
    stream.WriteBuffer(head, 8);
    stream.WriteBuffer(body, length);
    stream.WriteBuffer(tail, 4);
}

} // namespace png
