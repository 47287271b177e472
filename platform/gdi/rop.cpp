#include "platform/gdi/rop.h"

#include <algorithm>
#include <cstring>

namespace gdi::detail {

namespace {

// Loops over only the operands an operation reads, so the compiler can vectorise them.
template <class Op>
void WithSource(TPixel* d, const TPixel* s, int n, Op op) {
    for (int i = 0; i < n; ++i)
        d[i] = op(s[i], d[i]);
}

template <class Op>
void WithPattern(TPixel* d, const TPixel* p, int n, Op op) {
    for (int i = 0; i < n; ++i)
        d[i] = op(p[i], d[i]);
}

// The sum of the minterms that the truth table selects.
TPixel Evaluate(std::uint8_t code, TPixel p, TPixel s, TPixel d) {
    TPixel result = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(code & (1 << i)))
            continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result;
}

} // namespace

std::uint8_t Rop2Code(int mode) {
    const int table = mode - 1;
    std::uint8_t code = 0;
    for (int i = 0; i < 8; ++i) {
        const int p = (i >> 2) & 1;
        const int d = i & 1;
        if ((table >> (p << 1 | d)) & 1)
            code |= std::uint8_t(1 << i);
    }
    return code;
}

void ApplyRop(std::uint8_t code, TPixel* d, const TPixel* s, const TPixel* p, int n) {
    switch (code) {
    case 0xCC: // source copy
        std::memmove(d, s, std::size_t(n) * sizeof(TPixel));
        return;
    case 0xF0: // pattern copy
        std::memcpy(d, p, std::size_t(n) * sizeof(TPixel));
        return;
    case 0x00:
        std::fill(d, d + n, TPixel(0));
        return;
    case 0xFF:
        std::fill(d, d + n, ~TPixel(0));
        return;
    case 0xAA: // destination unchanged
        return;
    case 0x33:
        return WithSource(d, s, n, [](TPixel sv, TPixel) { return ~sv; });
    case 0x88:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return sv & dv; });
    case 0xEE:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return sv | dv; });
    case 0x66:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return sv ^ dv; });
    case 0x44:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return sv & ~dv; });
    case 0x22:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return ~sv & dv; });
    case 0xBB:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return ~sv | dv; });
    case 0x11:
        return WithSource(d, s, n, [](TPixel sv, TPixel dv) { return ~(sv | dv); });
    case 0x55:
        return WithPattern(d, d, n, [](TPixel, TPixel dv) { return ~dv; });
    case 0x5A:
        return WithPattern(d, p, n, [](TPixel pv, TPixel dv) { return pv ^ dv; });
    default:
        for (int i = 0; i < n; ++i)
            d[i] = Evaluate(code, p ? p[i] : 0, s ? s[i] : 0, d[i]);
        return;
    }
}

} // namespace gdi::detail
