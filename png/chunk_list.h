#pragma once
// The ordered chunks of an image. The list owns its chunks; past the end an index names no
// chunk (null), and insertion never puts a chunk beyond the end. It keeps the chunks that pixel
// access asks for on every call (the header, the palette, the transparency) at hand, found
// again whenever the list changes.

#include "png/chunks.h"
#include "png/errors.h"

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

class TPNGList : public TObject {
public:
    explicit TPNGList(TPNGObject* owner) : FOwner(owner) {}

    std::size_t Count() const { return FItems.size(); }
    // The chunk at index, null when index is not below the count.
    TChunk* Item(std::size_t index) const {
        return index < FItems.size() ? FItems[index].get() : nullptr;
    }
    void Append(std::unique_ptr<TChunk> chunk);
    // Puts the chunk at index, moving the later ones up; at the count it appends.
    TChunk* Insert(std::size_t index, std::unique_ptr<TChunk> chunk);
    // Takes the chunk at its last position out of the list; null when it is not there.
    std::unique_ptr<TChunk> Remove(const TChunk* chunk);
    void Clear();
    void Reserve(std::size_t count) { FItems.reserve(count); }

    // The first chunk of class T or of a class derived from it, else null.
    template <class T>
    T* ChunkOfClass() const;
    // The first chunk when it is a header chunk, else null.
    TChunkIHDR* Header() const { return FHeader; }
    // The first chunk of the type, else null.
    TChunk* ChunkOfType(const TChunkType& type) const;
    // Creates a chunk of class T and places it by the rules of its kind (gAMA after IHDR,
    // tRNS after PLTE or before IDAT, others before IEND).
    template <class T>
    T* AddChunk();

    int IndexOf(const TChunk* chunk) const;

private:
    // Where a new chunk of the given type goes.
    std::size_t PlacementOf(const TChunkType& type) const;
    // Raises the AddChunk errors for a chunk of this type.
    void CheckAddable(const TChunkType& type, bool critical) const;

    template <class T>
    T* SearchOfClass() const;
    // Finds the chunks kept at hand again.
    void IndexKeyChunks();

    TPNGObject* FOwner;
    std::vector<std::unique_ptr<TChunk>> FItems;
    TChunkIHDR* FHeader = nullptr;
    TChunkPLTE* FPalette = nullptr;
    TChunktRNS* FTransparency = nullptr;
};

template <class T>
T* TPNGList::SearchOfClass() const {
    for (const auto& item : FItems)
        if (auto* chunk = dynamic_cast<T*>(item.get()))
            return chunk;
    return nullptr;
}

template <class T>
T* TPNGList::ChunkOfClass() const {
    if constexpr (std::is_same_v<T, TChunkPLTE>)
        return FPalette;
    else if constexpr (std::is_same_v<T, TChunktRNS>)
        return FTransparency;
    else
        return SearchOfClass<T>();
}

template <class T>
T* TPNGList::AddChunk() {
    constexpr bool critical = std::is_same_v<T, TChunkIHDR> || std::is_same_v<T, TChunkIDAT> ||
                              std::is_same_v<T, TChunkPLTE> || std::is_same_v<T, TChunkIEND>;
    CheckAddable(T::ClassType, critical);
    auto chunk = std::make_unique<T>(FOwner);
    return static_cast<T*>(Insert(PlacementOf(T::ClassType), std::move(chunk)));
}
