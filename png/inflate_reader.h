#pragma once
// The inflate source of the image data: reads the zlib stream that runs through one or more
// consecutive IDAT chunks, checking each chunk's CRC as it leaves it. Only one input block
// of up to InputBufferSize bytes is held at a time.

#include "gui/classes/stream.h"

#include <cstdint>
#include <memory>
#include <zlib.h>

class TInflateReader {
public:
    // The stream stands just after the type of the first IDAT chunk, whose data is length
    // bytes long.
    TInflateReader(TStream& stream, std::uint32_t length);
    ~TInflateReader();
    TInflateReader(const TInflateReader&) = delete;
    TInflateReader& operator=(const TInflateReader&) = delete;

    // Fills buffer with count inflated bytes; fewer (perhaps none) when the zlib stream has
    // ended, asked for a dictionary, or the file ended. Raises EPngInvalidCRC,
    // EPNGMissingMultipleIDAT, EPngUnexpectedEnd or EPNGZLIBError.
    std::size_t Pull(std::uint8_t* buffer, std::size_t count);
    // Reads the rest of the current chunk's data into its CRC and checks the stored CRC,
    // leaving the stream just after it.
    void FinishChunk();

private:
    // Checks the finished chunk's CRC and enters the next one, which must be an IDAT chunk.
    void EnterNextChunk();
    // Reads the next block of the current chunk; false when the file has ended.
    bool Refill();
    void CheckStoredCrc();

    TStream& FStream;
    z_stream FZStream{};
    // Filled before it is read, so it is never cleared.
    std::unique_ptr<std::uint8_t[]> FInput;
    std::uint32_t FCrc;
    std::uint32_t FChunkLeft;
    bool FEnded = false;
};
