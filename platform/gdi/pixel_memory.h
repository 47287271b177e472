#pragma once
// Pixel memory of a bitmap: anonymous pages mapped without reserving swap, so they read as
// zero and are committed by the system only when touched. A bitmap that claims a huge size
// costs address space, not memory, until something draws into it.

#include <cstddef>
#include <cstdint>

namespace gdi::detail {

class TPixelMemory {
public:
    TPixelMemory() = default;
    TPixelMemory(const TPixelMemory&) = delete;
    TPixelMemory& operator=(const TPixelMemory&) = delete;
    TPixelMemory(TPixelMemory&& other) noexcept;
    TPixelMemory& operator=(TPixelMemory&& other) noexcept;
    ~TPixelMemory();

    // Null memory when the size is zero or the system refuses the mapping.
    static TPixelMemory Map(std::size_t size);

    std::uint8_t* Data() const { return FData; }
    std::size_t Size() const { return FSize; }
    explicit operator bool() const { return FData != nullptr; }

private:
    std::uint8_t* FData = nullptr;
    std::size_t FSize = 0;
};

} // namespace gdi::detail
