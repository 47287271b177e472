#include "bench/heap_counter.h"

#include <atomic>
#include <malloc.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::size_t> InUse{0};
std::atomic<std::size_t> Peak{0};

void* Counted(void* block) {
    if (block) {
        const std::size_t now = InUse += malloc_usable_size(block);
        std::size_t peak = Peak.load(std::memory_order_relaxed);
        while (now > peak && !Peak.compare_exchange_weak(peak, now))
            ;
    }
    return block;
}

void Uncount(void* block) {
    if (block)
        InUse -= malloc_usable_size(block);
}

} // namespace

extern "C" {

void* malloc(std::size_t size) {
    return Counted(__libc_malloc(size));
}
void* calloc(std::size_t count, std::size_t size) {
    return Counted(__libc_calloc(count, size));
}
void free(void* block) {
    Uncount(block);
    __libc_free(block);
}
void* realloc(void* block, std::size_t size) {
    Uncount(block);
    void* moved = __libc_realloc(block, size);
    // A failed realloc leaves the old block in place.
    return Counted(moved ? moved : (size ? block : nullptr));
}
void* memalign(std::size_t alignment, std::size_t size) {
    return Counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return Counted(__libc_memalign(alignment, size));
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    *out = Counted(__libc_memalign(alignment, size));
    return *out ? 0 : 12;
}

} // extern "C"

namespace pngbench {

std::size_t HeapInUse() {
    return InUse.load();
}
std::size_t HeapPeak() {
    return Peak.load();
}
void ResetHeapPeak() {
    Peak.store(InUse.load());
}

} // namespace pngbench
