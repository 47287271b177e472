#pragma once
// The inflate source of the image data: reads the zlib stream that runs through one or more
// consecutive IDAT chunks, checking each chunk's CRC as it leaves it. Only one input block
// of up to InputBufferSize bytes is held at a time, and one block of inflated bytes.

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

    // The image data holds this many bytes: nothing beyond them is inflated, so no chunk after
    // the image data is read for data the image does not need.
    void Expect(std::uint64_t size) { FWanted = size; }
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
    // Inflates up to count bytes into buffer; fewer when the data has ended.
    std::size_t Inflate(std::uint8_t* buffer, std::size_t count);
    void CheckStoredCrc();

    TStream& FStream;
    z_stream FZStream{};
    // Filled before they are read, so they are never cleared.
    std::unique_ptr<std::uint8_t[]> FInput;
    std::unique_ptr<std::uint8_t[]> FOutput;
    // The inflated bytes of FOutput not yet pulled.
    const std::uint8_t* FOutputNext = nullptr;
    std::size_t FOutputLeft = 0;
    std::uint64_t FWanted = ~std::uint64_t(0);
    std::uint32_t FCrc;
    std::uint32_t FChunkLeft;
    bool FEnded = false;
};
