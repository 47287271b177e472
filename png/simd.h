#pragma once
// The codec's vector code: SSE2 as the rest of the project (platform/system/simd.h), with
// SSSE3 byte shuffles where the processor has them.

#include "platform/system/simd.h"

#if BRENLOW_SSE2
namespace png {

// SSSE3 is not part of the x86-64 baseline; its paths are chosen at run time.
inline bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

} // namespace png
#endif
