#pragma once
// The module-wide table that maps chunk types to chunk classes. The first class registered
// for a type is the one chosen; unregistered types get a plain TChunk.

#include "png/chunks.h"

#include <memory>

using TChunkFactory = std::unique_ptr<TChunk> (*)(TPNGObject* owner);

void RegisterChunkClass(const TChunkType& type, TChunkFactory factory);

template <class T>
void RegisterChunkClass() {
    RegisterChunkClass(T::ClassType, [](TPNGObject* owner) -> std::unique_ptr<TChunk> {
        return std::make_unique<T>(owner);
    });
}

// Registers the nine chunk classes of the codec; runs once, before the first lookup.
void RegisterStandardChunks();
// A new chunk of the class registered for type (TChunk when none), owned by owner and
// carrying type.
std::unique_ptr<TChunk> CreateChunkFor(TPNGObject* owner, const TChunkType& type);
void ReleaseChunkRegistry();
