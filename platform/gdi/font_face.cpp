#include "platform/gdi/font_face.h"

#include "platform/gdi/font_finder.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>

namespace gdi::detail {

namespace {

constexpr int kBoldWeight = 600;
constexpr int kDefaultEm = 11;

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        FT_Init_FreeType(&made);
        return made;
    }();
    return library;
}

int Round(double v) {
    return int(std::lround(v));
}

// How much wider bold stems are drawn: a twenty-fourth of the em, as FreeType's own
// emboldening takes.
FT_Pos StrengthOf(FT_Face face) {
    return FT_MulFix(face->units_per_EM, face->size->metrics.y_scale) / 24;
}

// The design metrics the platform derives a font's cell from, in font units.
struct TDesign {
    int UnitsPerEm = 2048;
    int WinAscent = 0;
    int WinDescent = 0;
    int LineGap = 0;
    int HheaAscent = 0;
    int HheaDescent = 0;
    int AverageWidth = 0;
    int UnderlinePosition = 0;
    int UnderlineThickness = 0;
    int StrikeOutPosition = 0;
    int StrikeOutThickness = 0;
};

TDesign ReadDesign(FT_Face face) {
    TDesign d;
    d.UnitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    d.WinAscent = face->ascender;
    d.WinDescent = -face->descender;
    d.HheaAscent = face->ascender;
    d.HheaDescent = face->descender;
    d.LineGap = face->height - (face->ascender - face->descender);
    d.UnderlinePosition = face->underline_position;
    d.UnderlineThickness = face->underline_thickness;
    d.StrikeOutPosition = d.UnitsPerEm * 3 / 10;
    d.StrikeOutThickness = d.UnderlineThickness;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF) {
        d.WinAscent = os2->usWinAscent;
        d.WinDescent = os2->usWinDescent;
        d.AverageWidth = os2->xAvgCharWidth;
        d.StrikeOutPosition = os2->yStrikeoutPosition;
        d.StrikeOutThickness = os2->yStrikeoutSize;
    }
    if (auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        d.HheaAscent = hhea->Ascender;
        d.HheaDescent = hhea->Descender;
        d.LineGap = hhea->Line_Gap;
    }
    return d;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

} // namespace

struct TFontInstance::TFace {
    FT_Face Face = nullptr;
    TDesign Design;
    ~TFace() {
        if (Face)
            FT_Done_Face(Face);
    }
};

std::shared_ptr<TFontInstance> TFontInstance::Get(const LOGFONT& font, int scale) {
    using TKey = std::tuple<std::string, LONG, int, bool, bool, bool, bool>;
    static std::map<TKey, std::shared_ptr<TFontInstance>> cache;
    const TKey key{Lower(font.lfFaceName),       font.lfHeight,      scale,
                   font.lfWeight >= kBoldWeight, font.lfItalic != 0, font.lfUnderline != 0,
                   font.lfStrikeOut != 0};
    auto& slot = cache[key];
    if (!slot)
        slot = std::make_shared<TFontInstance>(font, scale);
    return slot;
}

TFontInstance::TFontInstance(const LOGFONT& font, int scale) : FFace(std::make_unique<TFace>()) {
    const bool bold = font.lfWeight >= kBoldWeight;
    const bool italic = font.lfItalic != 0;
    const TFontFile file = FindFontFile(font.lfFaceName, bold, italic);
    if (!file.Path.empty() && Library() &&
        FT_New_Face(Library(), file.Path.c_str(), file.Index, &FFace->Face) != 0)
        FFace->Face = nullptr;
    if (FFace->Face) {
        FFace->Design = ReadDesign(FFace->Face);
        const FT_Long style = FFace->Face->style_flags;
        // Bold stems are strengthened sideways even in a bold face: the bundled Tahoma Bold's
        // are about 1.5 pixels at 8 points where the platform shows two. Only a face without
        // bold of its own grows by a pixel per character, as the platform's simulated bold.
        FStrengthen = bold;
        FSynthBold = bold && !(style & FT_STYLE_FLAG_BOLD);
        FSynthItalic = italic && !(style & FT_STYLE_FLAG_ITALIC);
    }
    ComputeMetrics(font, scale);
}

TFontInstance::~TFontInstance() = default;

// Cell height = ascent + descent of the win metrics scaled to the em; a positive request
// height is the cell height itself, a negative one the em.
void TFontInstance::ComputeMetrics(const LOGFONT& font, int deviceScale) {
    const TDesign& d = FFace->Design;
    const double cellUnits = std::max(1, d.WinAscent + d.WinDescent);
    const double height = double(font.lfHeight) * deviceScale;
    double em = height < 0 ? -height : kDefaultEm * deviceScale;
    if (height > 0)
        em = height * d.UnitsPerEm / cellUnits;
    const double scale = em / d.UnitsPerEm;

    TEXTMETRIC& m = FMetrics;
    m.tmAscent = Round(d.WinAscent * scale);
    m.tmDescent = Round(d.WinDescent * scale);
    if (height > 0) {
        m.tmAscent = Round(height * d.WinAscent / cellUnits);
        m.tmDescent = int(height) - m.tmAscent;
    }
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - Round(em));
    const int hheaCell = d.HheaAscent - d.HheaDescent;
    m.tmExternalLeading = std::max(0, Round((d.LineGap - (cellUnits - hheaCell)) * scale));
    m.tmWeight = font.lfWeight > 0 ? font.lfWeight : FW_NORMAL;
    m.tmItalic = font.lfItalic;
    m.tmUnderlined = font.lfUnderline;
    m.tmStruckOut = font.lfStrikeOut;
    FUnderline = {std::max(1, Round(-d.UnderlinePosition * scale)),
                  std::max(1, Round(d.UnderlineThickness * scale))};
    FStrikeOut = {-std::max(1, Round(d.StrikeOutPosition * scale)),
                  std::max(1, Round(d.StrikeOutThickness * scale))};

    if (!FFace->Face)
        return;
    FT_Set_Char_Size(FFace->Face, 0, FT_F26Dot6(std::lround(em * 64)), 72, 72);
    m.tmAveCharWidth = d.AverageWidth ? Round(d.AverageWidth * scale) : Advance(U'x');
    m.tmMaxCharWidth = Round(FFace->Face->max_advance_width * scale);
    if (FSynthBold) {
        ++m.tmAveCharWidth;
        ++m.tmMaxCharWidth;
    }
}

const TGlyph& TFontInstance::Glyph(char32_t c) {
    const bool ascii = c < FAscii.size();
    if (ascii && FAscii[c])
        return *FAscii[c];
    auto it = FGlyphs.find(c);
    if (it == FGlyphs.end())
        it = FGlyphs.emplace(c, Render(c)).first;
    if (ascii)
        FAscii[c] = &it->second;
    return it->second;
}

// Outlines are hinted vertically only and advances are the font's own widths rounded to whole
// pixels. The bundled Tahoma has no hinting instructions, so full hinting falls to FreeType's
// autohinter, which also snaps stems sideways and rounds the widened glyphs' advances up:
// 8-point lines came out up to 9% wider than the widths the windows were laid out with.
TGlyph TFontInstance::Render(char32_t c) const {
    TGlyph glyph;
    FT_Face face = FFace->Face;
    if (!face || c < 0x20 || c == 0x7F)
        return glyph;
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0)
        return glyph;
    FT_GlyphSlot slot = face->glyph;
    glyph.Advance = int((slot->linearHoriAdvance + 0x8000) >> 16) + (FSynthBold ? 1 : 0);
    if (FStrengthen && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_EmboldenXY(&slot->outline, StrengthOf(face), 0);
    if (FSynthItalic)
        FT_GlyphSlot_Oblique(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    glyph.Width = int(bitmap.width);
    glyph.Height = int(bitmap.rows);
    glyph.Stride = (glyph.Width + kGlyphPadding - 1) / kGlyphPadding * kGlyphPadding;
    glyph.Coverage.resize(std::size_t(glyph.Stride) * std::size_t(glyph.Height));
    const bool bilevel = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < glyph.Height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        for (int x = 0; x < glyph.Width; ++x)
            glyph.Coverage[std::size_t(y * glyph.Stride + x)] =
                bilevel ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
    }
    return glyph;
}

} // namespace gdi::detail
