#include "platform/gdi/text_layout.h"

#include <algorithm>

namespace gdi::detail {

namespace {

struct TChar {
    char32_t Char;
    bool Underlined;
};

using TRun = std::vector<TChar>;

TRun ApplyPrefixes(std::u32string_view text, UINT format) {
    TRun out;
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool showUnderline = !(format & DT_HIDEPREFIX);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!prefixes || text[i] != U'&') {
            out.push_back({text[i], false});
            continue;
        }
        if (++i == text.size())
            break;
        out.push_back({text[i], text[i] != U'&' && showUnderline});
    }
    return out;
}

std::vector<TRun> SplitParagraphs(const TRun& text, UINT format) {
    if (format & DT_SINGLELINE)
        return {text};
    std::vector<TRun> paragraphs(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i].Char;
        if (c != U'\r' && c != U'\n') {
            paragraphs.back().push_back(text[i]);
            continue;
        }
        if (c == U'\r' && i + 1 < text.size() && text[i + 1].Char == U'\n')
            ++i;
        paragraphs.emplace_back();
    }
    return paragraphs;
}

// Places characters from x = 0, expanding tabs when asked; returns the width.
class TPlacer {
public:
    TPlacer(const TLayoutRules& rules, const TAdvance& advance)
        : FExpand((rules.Format & DT_EXPANDTABS) && rules.TabWidth > 0), FTabWidth(rules.TabWidth),
          FAdvance(advance) {}

    // The pen position after c drawn at x.
    int After(char32_t c, int x) const {
        if (c == U'\t' && FExpand)
            return (x / FTabWidth + 1) * FTabWidth;
        return x + FAdvance(c);
    }

    TTextLine Place(const TRun& run) const {
        TTextLine line;
        int x = 0;
        for (const TChar& c : run) {
            line.Chars.push_back({c.Char, x, c.Underlined});
            x = After(c.Char, x);
        }
        line.Width = x;
        return line;
    }

private:
    bool FExpand;
    int FTabWidth;
    const TAdvance& FAdvance;
};

// Greedy breaking of one paragraph into runs no wider than `width` where possible.
std::vector<TRun> BreakWords(const TRun& paragraph, int width, const TPlacer& placer) {
    std::vector<TRun> lines;
    std::size_t start = 0;
    do {
        std::size_t lineEnd = start;   // end of the line at the last break opportunity
        std::size_t nextStart = start; // where the line after it would start
        std::size_t i = start;
        std::size_t end = paragraph.size();
        std::size_t resume = paragraph.size();
        int x = 0;
        for (; i < paragraph.size(); ++i) {
            const char32_t c = paragraph[i].Char;
            const int after = placer.After(c, x);
            if (c == U' ') {
                if (i > start && paragraph[i - 1].Char != U' ')
                    lineEnd = i;
                nextStart = i + 1;
            } else if (after > width && i > start) {
                end = lineEnd > start ? lineEnd : i;
                resume = lineEnd > start ? nextStart : i;
                break;
            }
            x = after;
        }
        lines.emplace_back(paragraph.begin() + std::ptrdiff_t(start),
                           paragraph.begin() + std::ptrdiff_t(end));
        start = resume;
    } while (start < paragraph.size());
    return lines;
}

bool IsNeutral(char32_t c) {
    return c < 0x80 && !(c >= U'0' && c <= U'9') && !(c >= U'a' && c <= U'z') &&
           !(c >= U'A' && c <= U'Z');
}

char32_t Mirrored(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> kPairs[] = {
        {U'(', U')'}, {U'[', U']'}, {U'{', U'}'}, {U'<', U'>'}};
    for (const auto& [open, close] : kPairs) {
        if (c == open)
            return close;
        if (c == close)
            return open;
    }
    return c;
}

// The visual order of a line of a right-to-left paragraph (see LayoutText).
TRun RightToLeft(const TRun& line) {
    const auto isStrong = [](const TChar& c) { return !IsNeutral(c.Char); };
    const auto first = std::find_if(line.begin(), line.end(), isStrong);
    const auto last = std::find_if(line.rbegin(), line.rend(), isStrong).base();
    const auto reversedMirrored = [](auto from, auto to) {
        TRun out(std::make_reverse_iterator(to), std::make_reverse_iterator(from));
        for (TChar& c : out)
            c.Char = Mirrored(c.Char);
        return out;
    };
    if (first == line.end())
        return reversedMirrored(line.begin(), line.end());
    TRun out = reversedMirrored(last, line.end());
    out.insert(out.end(), first, last);
    const TRun leading = reversedMirrored(line.begin(), first);
    out.insert(out.end(), leading.begin(), leading.end());
    return out;
}

} // namespace

std::vector<TTextLine> LayoutText(std::u32string_view text, const TLayoutRules& rules,
                                  const TAdvance& advance) {
    const TPlacer placer(rules, advance);
    const bool wrap = (rules.Format & DT_WORDBREAK) && !(rules.Format & DT_SINGLELINE);
    std::vector<TTextLine> lines;
    if (text.empty())
        return lines;
    for (const TRun& paragraph : SplitParagraphs(ApplyPrefixes(text, rules.Format), rules.Format)) {
        const std::vector<TRun> runs =
            wrap ? BreakWords(paragraph, rules.Width, placer) : std::vector<TRun>{paragraph};
        for (const TRun& run : runs)
            lines.push_back(placer.Place((rules.Format & DT_RTLREADING) ? RightToLeft(run) : run));
    }
    return lines;
}

} // namespace gdi::detail
