#pragma once
// Formatting text into lines for DrawText: accelerator prefixes, line breaks, word breaking,
// tab expansion and the reading order of right-to-left paragraphs. Pure functions over a
// measuring callback, so the rules are tested without fonts.

#include "platform/gdi/types.h"

#include <functional>
#include <string>
#include <vector>

namespace gdi::detail {

struct TPlacedChar {
    char32_t Char = 0;
    int X = 0; // from the line's left edge
    bool Underlined = false;
};

struct TTextLine {
    std::vector<TPlacedChar> Chars;
    int Width = 0;
};

struct TLayoutRules {
    UINT Format = 0;  // DT_ flags
    int Width = 0;    // of the formatting rectangle, for word breaking
    int TabWidth = 0; // distance of tab stops when tabs are expanded
};

using TAdvance = std::function<int(char32_t)>;

// Lines in display order, characters placed left to right.
//  - Prefixes: "&x" shows x underlined (not underlined with DT_HIDEPREFIX), "&&" one "&", a
//    trailing "&" nothing; DT_NOPREFIX shows every "&".
//  - Lines end at CR, LF or CR LF unless DT_SINGLELINE; with DT_WORDBREAK they also break
//    at the last space run that lets the line fit, dropping that run; a word wider than the
//    line breaks before the first character that does not fit, keeping at least one.
//  - DT_EXPANDTABS moves a tab to the next multiple of TabWidth; otherwise a tab, like every
//    control character, takes what the callback says (the engine says nothing).
//  - DT_RTLREADING takes each line as a left-to-right run inside a right-to-left paragraph:
//    its leading and trailing neutral characters (ASCII spaces, punctuation and symbols)
//    change ends, reversed, with paired brackets mirrored.
std::vector<TTextLine> LayoutText(std::u32string_view text, const TLayoutRules& rules,
                                  const TAdvance& advance);

} // namespace gdi::detail
