#pragma once
// What the fuzz targets share: a failure the code under test may report is one of the
// system's own exceptions; anything else escaping, or a check that does not hold, is a
// finding and ends the run.

#include "gui/classes/exceptions.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace fuzzing {

[[noreturn]] inline void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// Runs the call; the system's exceptions are expected outcomes, returning false.
template <class F>
bool Succeeds(F&& call) {
    try {
        call();
        return true;
    } catch (const Exception&) {
        return false;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "finding: %s escaped\n", error.what());
        std::abort();
    }
}

} // namespace fuzzing
