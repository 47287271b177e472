#include "platform/gdi/utf8.h"

namespace gdi {

namespace {

struct TLead {
    int Length;       // bytes in the sequence, 0 for a byte that cannot start one
    char32_t Bits;    // payload of the lead byte
    char32_t Minimum; // smallest code point the length may encode
};

TLead ReadLead(unsigned char b) {
    if (b < 0x80)
        return {1, b, 0};
    if ((b & 0xE0) == 0xC0)
        return {2, char32_t(b & 0x1F), 0x80};
    if ((b & 0xF0) == 0xE0)
        return {3, char32_t(b & 0x0F), 0x800};
    if ((b & 0xF8) == 0xF0)
        return {4, char32_t(b & 0x07), 0x10000};
    return {0, 0, 0};
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const TLead lead = ReadLead(static_cast<unsigned char>(text[i]));
        if (lead.Length == 0) {
            out.push_back(kReplacementCharacter);
            ++i;
            continue;
        }
        char32_t c = lead.Bits;
        int taken = 1;
        for (; taken < lead.Length && i + std::size_t(taken) < text.size(); ++taken) {
            const auto b = static_cast<unsigned char>(text[i + std::size_t(taken)]);
            if ((b & 0xC0) != 0x80)
                break;
            c = (c << 6) | (b & 0x3F);
        }
        const bool valid = taken == lead.Length && c >= lead.Minimum && c <= 0x10FFFF &&
                           (c < 0xD800 || c > 0xDFFF);
        out.push_back(valid ? c : kReplacementCharacter);
        i += std::size_t(taken);
    }
    return out;
}

} // namespace gdi
