#pragma once
// Accelerators: the character after a single '&' in a caption ("&OK" has O; "&&" is an
// ampersand and marks nothing).

#include <string_view>

// True when key is the caption's accelerator, compared without regard to case; only ASCII
// characters serve as accelerators.
bool IsAccel(char32_t key, std::string_view caption);
