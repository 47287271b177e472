#pragma once
// A block of zero bytes. Large blocks are mapped from the system, whose pages are committed
// only when touched, so a large image that is never filled costs address space but no
// memory; small blocks come from the heap, which is cheaper than a mapping.

#include <cstddef>
#include <cstdint>

class TZeroedMemory {
public:
    TZeroedMemory() = default;
    // Raises EPNGOutMemory when the system refuses the address space.
    explicit TZeroedMemory(std::size_t size);
    TZeroedMemory(TZeroedMemory&& other) noexcept;
    TZeroedMemory& operator=(TZeroedMemory&& other) noexcept;
    TZeroedMemory(const TZeroedMemory&) = delete;
    TZeroedMemory& operator=(const TZeroedMemory&) = delete;
    ~TZeroedMemory();

    std::uint8_t* Data() const { return FData; }
    std::size_t Size() const { return FSize; }

private:
    void Release();

    std::uint8_t* FData = nullptr;
    std::size_t FSize = 0;
    bool FMapped = false;
};
