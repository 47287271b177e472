#include "gui/controls/accelerator.h"

namespace {

char32_t Lower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

} // namespace

bool IsAccel(char32_t key, std::string_view caption) {
    for (std::size_t at = caption.find('&');
         at != std::string_view::npos && at + 1 < caption.size(); at = caption.find('&', at + 2)) {
        const char next = caption[at + 1];
        if (next != '&')
            return static_cast<unsigned char>(next) < 0x80 && Lower(char32_t(next)) == Lower(key);
    }
    return false;
}
