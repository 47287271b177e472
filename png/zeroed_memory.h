#pragma once
// A block of zero bytes whose pages the system commits only when they are touched, so a
// large image that is never filled costs address space but no memory.

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
};
