#pragma once
// SDL key codes to virtual-key codes.

#include "platform/window/types.h"

#include <SDL2/SDL_keyboard.h>

namespace win::detail {

// 0 for a key without a virtual-key code.
UINT VirtualKeyOf(const SDL_Keysym& key);

} // namespace win::detail
