#include "platform/gdi/pixel_memory.h"

#include <sys/mman.h>
#include <utility>

namespace gdi::detail {

TPixelMemory::TPixelMemory(TPixelMemory&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)) {}

// The old mapping travels to `other` and is released with it.
TPixelMemory& TPixelMemory::operator=(TPixelMemory&& other) noexcept {
    std::swap(FData, other.FData);
    std::swap(FSize, other.FSize);
    return *this;
}

TPixelMemory::~TPixelMemory() {
    if (FData)
        munmap(FData, FSize);
}

TPixelMemory TPixelMemory::Map(std::size_t size) {
    TPixelMemory memory;
    if (size == 0)
        return memory;
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (data == MAP_FAILED)
        return memory;
    memory.FData = static_cast<std::uint8_t*>(data);
    memory.FSize = size;
    return memory;
}

} // namespace gdi::detail
