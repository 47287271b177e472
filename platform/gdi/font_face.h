#pragma once
// A font realised at one size: a FreeType face, its metrics by the platform's rules, and the
// rendered glyphs, cached. Instances are shared by every font object with the same request
// and live as long as the process, so repeated text costs one lookup per character.

#include "platform/gdi/types.h"

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

namespace gdi::detail {

// A rendered glyph: grey coverage 0..255, row by row, placed relative to the pen position
// on the baseline. Rows are padded with zero coverage to a multiple of kGlyphPadding, so
// blending may run whole groups of pixels past a glyph's right edge and leave them as they
// were.
constexpr int kGlyphPadding = 4;

struct TGlyph {
    int Advance = 0;
    int Left = 0;
    int Top = 0; // rows above the baseline
    int Width = 0;
    int Height = 0;
    int Stride = 0; // coverage bytes per row
    std::vector<std::uint8_t> Coverage;
};

// A horizontal stroke relative to the baseline (positive offsets lie below it).
struct TStroke {
    int Offset = 0;
    int Thickness = 1;
};

class TFontInstance {
public:
    // The instance for a font request at a device scale (its sizes multiplied by the scale),
    // realised on first use.
    static std::shared_ptr<TFontInstance> Get(const LOGFONT& font, int scale = 1);

    TFontInstance(const LOGFONT& font, int scale);
    TFontInstance(const TFontInstance&) = delete;
    TFontInstance& operator=(const TFontInstance&) = delete;
    ~TFontInstance();

    const TEXTMETRIC& Metrics() const { return FMetrics; }
    const TStroke& Underline() const { return FUnderline; }
    const TStroke& StrikeOut() const { return FStrikeOut; }
    // Control characters have no picture and no width.
    const TGlyph& Glyph(char32_t c);
    int Advance(char32_t c) { return Glyph(c).Advance; }

private:
    TGlyph Render(char32_t c) const;
    void ComputeMetrics(const LOGFONT& font, int scale);

    struct TFace;
    std::unique_ptr<TFace> FFace;
    bool FStrengthen = false;
    bool FSynthBold = false;
    bool FSynthItalic = false;
    TEXTMETRIC FMetrics;
    TStroke FUnderline;
    TStroke FStrikeOut;
    std::unordered_map<char32_t, TGlyph> FGlyphs;
    // The glyphs of the first 128 characters once rendered, so most text skips the hash
    // lookup; the map's nodes never move.
    std::array<const TGlyph*, 128> FAscii{};
};

} // namespace gdi::detail
