#include "png/registry.h"

#include <vector>

namespace {

struct TRegistryCell {
    TChunkType Type;
    TChunkFactory Factory;
};

std::vector<TRegistryCell>& Registry() {
    static std::vector<TRegistryCell> registry;
    return registry;
}

// The codec's classes are in the table before any image is read.
const bool StandardChunksRegistered = (RegisterStandardChunks(), true);

} // namespace

void RegisterChunkClass(const TChunkType& type, TChunkFactory factory) {
    Registry().push_back({type, factory});
}

void RegisterStandardChunks() {
    RegisterChunkClass<TChunkIEND>();
    RegisterChunkClass<TChunkIHDR>();
    RegisterChunkClass<TChunkIDAT>();
    RegisterChunkClass<TChunkPLTE>();
    RegisterChunkClass<TChunkgAMA>();
    RegisterChunkClass<TChunktRNS>();
    RegisterChunkClass<TChunktIME>();
    RegisterChunkClass<TChunktEXt>();
    RegisterChunkClass<TChunkzTXt>();
}

std::unique_ptr<TChunk> CreateChunkFor(TPNGObject* owner, const TChunkType& type) {
    std::unique_ptr<TChunk> chunk;
    for (const TRegistryCell& cell : Registry())
        if (cell.Type == type) {
            chunk = cell.Factory(owner);
            break;
        }
    if (!chunk)
        chunk = std::make_unique<TChunk>(owner);
    chunk->SetChunkType(type);
    return chunk;
}

void ReleaseChunkRegistry() {
    Registry().clear();
    Registry().shrink_to_fit();
}
