#include "png/inflate_reader.h"

#include "png/errors.h"
#include "png/format.h"
#include "png/framing.h"
#include "png/zlib_error.h"

#include <algorithm>
#include <cstring>

TInflateReader::TInflateReader(TStream& stream, std::uint32_t length)
    : FStream(stream), FInput(std::make_unique_for_overwrite<std::uint8_t[]>(png::InputBufferSize)),
      FOutput(std::make_unique_for_overwrite<std::uint8_t[]>(png::OutputBlockSize)),
      FCrc(png::UpdateCrc(png::CrcStart, png::ctIDAT.data(), 4)), FChunkLeft(length) {
    const int result = inflateInit(&FZStream);
    if (result != Z_OK)
        png::RaiseZlibError(result);
    // Reading stops as soon as the rows are complete, usually before zlib reaches the
    // stream's Adler-32 trailer, so the running checksum would be computed for nothing; the
    // chunk CRCs guard the data instead.
    inflateValidate(&FZStream, 0);
}

TInflateReader::~TInflateReader() {
    inflateEnd(&FZStream);
}

void TInflateReader::CheckStoredCrc() {
    std::uint32_t stored = 0;
    if (!png::ReadU32(FStream, stored) || stored != ~FCrc)
        RaisePngError<EPngInvalidCRC>(png::msg::InvalidCRC);
}

// Empty IDAT chunks are passed over: only the data of the chunks counts. A stream that ends
// where the next chunk's length or type should stand is cut short, as the reader reports it
// for every chunk (EPngUnexpectedEnd), though the image data needs more; a chunk that is not
// IDAT is missing data. A chunk cut short is read as far as the file goes.
void TInflateReader::EnterNextChunk() {
    CheckStoredCrc();
    std::uint32_t length = 0;
    TChunkType type{};
    if (!png::ReadU32(FStream, length) || !png::ReadExact(FStream, type.data(), 4))
        RaisePngError<EPngUnexpectedEnd>(png::msg::UnexpectedEnd);
    if (type != png::ctIDAT)
        RaisePngError<EPNGMissingMultipleIDAT>(png::msg::MissingMultipleIDAT);
    png::CheckChunkLength(length);
    FCrc = png::UpdateCrc(png::CrcStart, type.data(), 4);
    FChunkLeft = length;
}

bool TInflateReader::Refill() {
    while (FChunkLeft == 0)
        EnterNextChunk();
    const auto wanted = std::min<std::uint32_t>(FChunkLeft, png::InputBufferSize);
    const auto got = FStream.Read(FInput.get(), wanted);
    if (got <= 0)
        return false;
    FCrc = png::UpdateCrc(FCrc, FInput.get(), std::size_t(got));
    FChunkLeft -= std::uint32_t(got);
    FZStream.next_in = FInput.get();
    FZStream.avail_in = uInt(got);
    return true;
}

// The end of the zlib stream, or a request for a preset dictionary (which the format does
// not allow), ends the data: inflate is never called again without progress. The next chunk
// is entered only while nothing has been inflated yet, so that the bytes of a chunk reach the
// rows before the next one can fail.
std::size_t TInflateReader::Inflate(std::uint8_t* buffer, std::size_t count) {
    count = std::size_t(std::min<std::uint64_t>(count, FWanted));
    FZStream.next_out = buffer;
    FZStream.avail_out = uInt(count);
    while (FZStream.avail_out > 0 && !FEnded) {
        if (FZStream.avail_in == 0 &&
            ((FChunkLeft == 0 && FZStream.avail_out < count) || !Refill()))
            break;
        const int result = inflate(&FZStream, Z_NO_FLUSH);
        if (result < 0)
            png::RaiseZlibError(result);
        FEnded = result == Z_STREAM_END || result == Z_NEED_DICT;
    }
    const std::size_t produced = count - FZStream.avail_out;
    FWanted -= produced;
    return produced;
}

// Short rows are inflated a block at a time: zlib takes its fast path only while at least
// 258 bytes of output space remain, so inflating row by row would keep rows of a few
// hundred bytes on its slow path. Long rows are inflated in place.
std::size_t TInflateReader::Pull(std::uint8_t* buffer, std::size_t count) {
    std::size_t pulled = 0;
    while (pulled < count) {
        if (FOutputLeft == 0 && count - pulled >= png::OutputBlockSize) {
            const std::size_t piece = Inflate(buffer + pulled, count - pulled);
            if (piece == 0)
                break;
            pulled += piece;
            continue;
        }
        if (FOutputLeft == 0) {
            FOutputNext = FOutput.get();
            FOutputLeft = Inflate(FOutput.get(), png::OutputBlockSize);
            if (FOutputLeft == 0)
                break;
        }
        const std::size_t piece = std::min(FOutputLeft, count - pulled);
        std::memcpy(buffer + pulled, FOutputNext, piece);
        FOutputNext += piece;
        FOutputLeft -= piece;
        pulled += piece;
    }
    return pulled;
}

void TInflateReader::FinishChunk() {
    while (FChunkLeft > 0) {
        const auto wanted = std::min<std::uint32_t>(FChunkLeft, png::InputBufferSize);
        const auto got = FStream.Read(FInput.get(), wanted);
        if (got <= 0)
            break;
        FCrc = png::UpdateCrc(FCrc, FInput.get(), std::size_t(got));
        FChunkLeft -= std::uint32_t(got);
    }
    CheckStoredCrc();
}
