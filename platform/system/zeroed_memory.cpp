#include "platform/system/zeroed_memory.h"

#include <cstdlib>
#include <sys/mman.h>
#include <utility>

namespace platform {
namespace {

// Below this size a block comes from the heap.
constexpr std::size_t MappingThreshold = 1 << 20;
// The size of the processor's large pages on the platforms we build for.
constexpr std::size_t LargePage = 2 << 20;

constexpr std::size_t RoundUp(std::size_t size, std::size_t unit) {
    return (size + unit - 1) / unit * unit;
}

// Maps whole large pages at a large-page boundary and asks for large pages there, so that a
// block is filled by one fault per 2 MiB instead of one per 4 KiB (each of which costs more
// than zeroing its page). Pages are still committed only where touched; where the kernel
// gives no large pages the advice is ignored and the block behaves as any mapping.
void* MapLargePages(std::size_t size) {
    const std::size_t reserved = size + LargePage;
    void* mapping = mmap(nullptr, reserved, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapping == MAP_FAILED)
        return nullptr;
    auto* start = static_cast<std::uint8_t*>(mapping);
    auto* aligned = reinterpret_cast<std::uint8_t*>(
        RoundUp(reinterpret_cast<std::uintptr_t>(start), LargePage));
    if (aligned > start)
        munmap(start, std::size_t(aligned - start));
    const std::size_t tail = reserved - std::size_t(aligned - start) - size;
    if (tail > 0)
        munmap(aligned + size, tail);
    madvise(aligned, size, MADV_HUGEPAGE);
    return aligned;
}

} // namespace

TZeroedMemory TZeroedMemory::Allocate(std::size_t size) {
    TZeroedMemory memory;
    if (size == 0 || size > SIZE_MAX - 2 * LargePage)
        return memory;
    const std::size_t mapped = size >= MappingThreshold ? RoundUp(size, LargePage) : 0;
    void* data = mapped ? MapLargePages(mapped) : std::calloc(size, 1);
    if (data == nullptr)
        return memory;
    memory.FData = static_cast<std::uint8_t*>(data);
    memory.FSize = size;
    memory.FMapped = mapped;
    return memory;
}

TZeroedMemory::TZeroedMemory(TZeroedMemory&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)),
      FMapped(std::exchange(other.FMapped, 0)) {}

TZeroedMemory& TZeroedMemory::operator=(TZeroedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        FData = std::exchange(other.FData, nullptr);
        FSize = std::exchange(other.FSize, 0);
        FMapped = std::exchange(other.FMapped, 0);
    }
    return *this;
}

TZeroedMemory::~TZeroedMemory() {
    Release();
}

void TZeroedMemory::Release() {
    if (FData && FMapped)
        munmap(FData, FMapped);
    else
        std::free(FData);
    FData = nullptr;
    FSize = 0;
    FMapped = 0;
}

} // namespace platform
