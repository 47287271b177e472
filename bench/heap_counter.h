#pragma once
// Counts the heap bytes in use by the whole process (every malloc family call), so the
// benchmark can report what a decode holds at its peak beyond the image memory, which the
// codec maps from the system directly.

#include <cstddef>

namespace pngbench {

std::size_t HeapInUse();
std::size_t HeapPeak();
// Starts a new peak from the bytes in use now.
void ResetHeapPeak();

} // namespace pngbench
