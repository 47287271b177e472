#pragma once
// Errors of the window system.

#include <stdexcept>

namespace win {

class EWindowSystem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The backend cannot start: no display, or the window system could not be initialised.
class EBackendUnavailable : public EWindowSystem {
public:
    using EWindowSystem::EWindowSystem;
};

// A message loop on the headless backend would wait for input that can never come: no idle
// hook is installed, or the hook returned without producing anything to retrieve. Message
// loops must let it pass; it ends a test instead of hanging it.
class EMessageLoopBlocked : public EWindowSystem {
public:
    using EWindowSystem::EWindowSystem;
};

} // namespace win
