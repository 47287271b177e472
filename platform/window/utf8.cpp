#include "platform/window/utf8.h"

namespace win::detail {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The length of a sequence from its first byte; 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    static constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    std::vector<char32_t> points;
    for (std::size_t at = 0; at < text.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (length == 1) {
            points.push_back(static_cast<unsigned char>(text[at++]));
            continue;
        }
        if (length == 0 || at + length > text.size()) {
            points.push_back(Replacement);
            ++at;
            continue;
        }
        char32_t point = static_cast<unsigned char>(text[at]) & (0xFF >> (length + 1));
        bool valid = true;
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            valid = valid && (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
        if (!valid || point < minimum[length] || point > 0x10FFFF || surrogate) {
            points.push_back(Replacement);
            ++at;
            continue;
        }
        points.push_back(point);
        at += length;
    }
    return points;
}

} // namespace win::detail
