#pragma once
// The vector code the codec is built with: SSE2 wherever the compiler targets it (x86-64
// always), with SSSE3 byte shuffles where the processor has them. Every vector path has a
// portable scalar twin, which every other processor builds, and which the CMake option
// BRENLOW_SCALAR builds everywhere.

#if defined(__SSE2__) && !defined(BRENLOW_SCALAR)
#define BRENLOW_PNG_SSE2 1
#else
#define BRENLOW_PNG_SSE2 0
#endif

#if BRENLOW_PNG_SSE2
namespace png {

// SSSE3 is not part of the x86-64 baseline; its paths are chosen at run time.
inline bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

} // namespace png
#endif
