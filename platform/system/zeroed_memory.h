#pragma once
// A block of zero bytes for pixels. Large blocks are mapped from the system without reserving
// swap, so their pages are committed only when touched: an image that claims a huge size costs
// address space, not memory, until something draws into it. Small blocks come from the heap,
// which is much cheaper than a mapping for the many small images a program draws.

#include <cstddef>
#include <cstdint>

namespace platform {

class TZeroedMemory {
public:
    TZeroedMemory() = default;
    TZeroedMemory(TZeroedMemory&& other) noexcept;
    TZeroedMemory& operator=(TZeroedMemory&& other) noexcept;
    TZeroedMemory(const TZeroedMemory&) = delete;
    TZeroedMemory& operator=(const TZeroedMemory&) = delete;
    ~TZeroedMemory();

    // Empty memory when the size is zero or the system refuses it.
    static TZeroedMemory Allocate(std::size_t size);

    std::uint8_t* Data() const { return FData; }
    std::size_t Size() const { return FSize; }
    explicit operator bool() const { return FData != nullptr; }

private:
    void Release();

    std::uint8_t* FData = nullptr;
    std::size_t FSize = 0;
    // Bytes mapped at FData; 0 for a block from the heap.
    std::size_t FMapped = 0;
};

} // namespace platform
