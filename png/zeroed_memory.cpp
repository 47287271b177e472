#include "png/zeroed_memory.h"

#include "png/errors.h"

#include <sys/mman.h>
#include <utility>

TZeroedMemory::TZeroedMemory(std::size_t size) : FSize(size) {
    if (size == 0)
        return;
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (data == MAP_FAILED) {
        FSize = 0;
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    }
    FData = static_cast<std::uint8_t*>(data);
}

TZeroedMemory::TZeroedMemory(TZeroedMemory&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)) {}

TZeroedMemory& TZeroedMemory::operator=(TZeroedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        FData = std::exchange(other.FData, nullptr);
        FSize = std::exchange(other.FSize, 0);
    }
    return *this;
}

TZeroedMemory::~TZeroedMemory() {
    Release();
}

void TZeroedMemory::Release() {
    if (FData)
        munmap(FData, FSize);
    FData = nullptr;
    FSize = 0;
}
