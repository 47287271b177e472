#include "platform/system/zeroed_memory.h"

#include <cstdlib>
#include <sys/mman.h>
#include <utility>

namespace platform {
namespace {

// Below this size a block comes from the heap.
constexpr std::size_t MappingThreshold = 1 << 20;

} // namespace

TZeroedMemory TZeroedMemory::Allocate(std::size_t size) {
    TZeroedMemory memory;
    if (size == 0)
        return memory;
    const bool mapped = size >= MappingThreshold;
    void* data = mapped ? mmap(nullptr, size, PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0)
                        : std::calloc(size, 1);
    if (data == MAP_FAILED || data == nullptr)
        return memory;
    memory.FData = static_cast<std::uint8_t*>(data);
    memory.FSize = size;
    memory.FMapped = mapped;
    return memory;
}

TZeroedMemory::TZeroedMemory(TZeroedMemory&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)),
      FMapped(std::exchange(other.FMapped, false)) {}

TZeroedMemory& TZeroedMemory::operator=(TZeroedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        FData = std::exchange(other.FData, nullptr);
        FSize = std::exchange(other.FSize, 0);
        FMapped = std::exchange(other.FMapped, false);
    }
    return *this;
}

TZeroedMemory::~TZeroedMemory() {
    Release();
}

void TZeroedMemory::Release() {
    if (FData && FMapped)
        munmap(FData, FSize);
    else
        std::free(FData);
    FData = nullptr;
    FSize = 0;
}

} // namespace platform
