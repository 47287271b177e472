#include "png/chunk_list.h"

#include <algorithm>

void TPNGList::IndexKeyChunks() {
    FHeader = FItems.empty() ? nullptr : dynamic_cast<TChunkIHDR*>(FItems.front().get());
    FPalette = SearchOfClass<TChunkPLTE>();
    FTransparency = SearchOfClass<TChunktRNS>();
}

// Only the new chunk can change what is at hand, so a file of many chunks is read in linear
// time.
void TPNGList::Append(std::unique_ptr<TChunk> chunk) {
    TChunk* added = chunk.get();
    FItems.push_back(std::move(chunk));
    if (FItems.size() == 1)
        FHeader = dynamic_cast<TChunkIHDR*>(added);
    if (!FPalette)
        FPalette = dynamic_cast<TChunkPLTE*>(added);
    if (!FTransparency)
        FTransparency = dynamic_cast<TChunktRNS*>(added);
}

TChunk* TPNGList::Insert(std::size_t index, std::unique_ptr<TChunk> chunk) {
    TChunk* inserted = chunk.get();
    FItems.insert(FItems.begin() + std::ptrdiff_t(std::min(index, FItems.size())),
                  std::move(chunk));
    IndexKeyChunks();
    return inserted;
}

std::unique_ptr<TChunk> TPNGList::Remove(const TChunk* chunk) {
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if (it->get() == chunk) {
            auto removed = std::move(*it);
            FItems.erase(std::next(it).base());
            IndexKeyChunks();
            return removed;
        }
    return nullptr;
}

void TPNGList::Clear() {
    FItems.clear();
    IndexKeyChunks();
}

TChunk* TPNGList::ChunkOfType(const TChunkType& type) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [&](const auto& chunk) { return chunk->ChunkType() == type; });
    return found == FItems.end() ? nullptr : found->get();
}

int TPNGList::IndexOf(const TChunk* chunk) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == chunk)
            return int(i);
    return -1;
}

void TPNGList::CheckAddable(const TChunkType& type, bool critical) const {
    if (critical || (type == png::ctgAMA && ChunkOfClass<TChunkgAMA>()) ||
        (type == png::cttRNS && ChunkOfClass<TChunktRNS>()))
        RaisePngError<EPngError>(png::msg::ExistentChunk);
    if (!ChunkOfClass<TChunkIEND>() || !ChunkOfClass<TChunkIHDR>())
        RaisePngError<EPngError>(png::msg::InvalidImageForAdd);
}

std::size_t TPNGList::PlacementOf(const TChunkType& type) const {
    const auto after = [this](const TChunk* chunk) { return std::size_t(IndexOf(chunk)) + 1; };
    if (type == png::ctgAMA)
        return after(ChunkOfClass<TChunkIHDR>());
    if (type == png::cttRNS) {
        if (const auto* palette = ChunkOfClass<TChunkPLTE>())
            return after(palette);
        if (const auto* data = ChunkOfClass<TChunkIDAT>())
            return std::size_t(IndexOf(data));
        return after(ChunkOfClass<TChunkIHDR>());
    }
    return std::size_t(IndexOf(ChunkOfClass<TChunkIEND>()));
}
