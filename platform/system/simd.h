#pragma once
// The vector code the project is built with: SSE2 wherever the compiler targets it (x86-64
// always). Every vector path has a portable scalar twin, which every other processor builds,
// and which the CMake option BRENLOW_SCALAR builds everywhere.

#if defined(__SSE2__) && !defined(BRENLOW_SCALAR)
#define BRENLOW_SSE2 1
#else
#define BRENLOW_SSE2 0
#endif
