#include "gui/classes/exceptions.h"
#include "png/errors.h"
#include "png/framing.h"
#include "png/pngobject.h"

#include <cstring>

TChunk::TChunk(TPNGObject* owner, const TChunkType& type) : FImage(owner), FChunkType(type) {}

std::unique_ptr<TChunk> TChunk::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunk>(owner);
}

void TChunk::CopyTypeAndBody(const TChunk& source) {
    FChunkType = source.FChunkType;
    ResizeBody(source.FBodySize);
    std::memcpy(FBody.data(), source.FBody.data(), source.FBodySize);
}

void TChunk::CopyFrom(const TChunk& source) {
    CopyTypeAndBody(source);
}

template <class T>
const T& TChunk::CompatibleSource(const TChunk& source) {
    const auto* compatible = dynamic_cast<const T*>(&source);
    if (!compatible)
        RaisePngError<EPngError>(png::msg::ChunksNotCompatible);
    return *compatible;
}

template const TChunkIHDR& TChunk::CompatibleSource<TChunkIHDR>(const TChunk&);
template const TChunkPLTE& TChunk::CompatibleSource<TChunkPLTE>(const TChunk&);
template const TChunkgAMA& TChunk::CompatibleSource<TChunkgAMA>(const TChunk&);

void TChunk::ResizeBody(std::uint32_t size) {
    FBody.resize(std::size_t(size) + 1);
    FBodySize = size;
}

// The reader has checked the length against the bytes left in the stream, so the body is
// never allocated for data that is not there.
bool TChunk::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    ResizeBody(length);
    const bool complete = png::ReadExact(stream, FBody.data(), length);
    std::uint32_t stored = 0;
    if (!complete || !png::ReadU32(stream, stored) ||
        stored != png::ChunkCrc(type, FBody.data(), length))
        RaisePngError<EPngInvalidCRC>(png::msg::InvalidCRC);
    return true;
}

bool TChunk::WriteTo(TStream& stream) {
    WriteFramed(stream);
    return true;
}

void TChunk::WriteFramed(TStream& stream) const {
    png::WriteFramedChunk(stream, FChunkType, FBody.data(), FBodySize);
}

int TChunk::IndexInList() const {
    return FImage ? FImage->Chunks().IndexOf(this) : -1;
}

TChunkIHDR& TChunk::HeaderChunk() const {
    TChunkIHDR* header = FImage ? FImage->Chunks().Header() : nullptr;
    if (!header)
        throw EInvalidCast("Invalid class typecast");
    return *header;
}

std::unique_ptr<TChunk> TChunkIEND::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkIEND>(owner);
}
