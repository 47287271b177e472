#include "platform/gdi/text_render.h"

#include "platform/gdi/coverage_blend.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

#include <algorithm>

namespace gdi::detail {

namespace {

constexpr std::uint8_t kCopy = RopCode(PATCOPY);
constexpr int kMonochromeThreshold = 128;

void Fill(DeviceContext& dc, const RECT& rect, COLORREF colour, const std::optional<RECT>& limit) {
    PaintRect(dc, rect, kCopy, SolidPattern(SurfaceColour(dc, colour)), limit);
}

// Blends one glyph with its top-left corner at device (x, y) inside the rectangle `area`:
// in place on 32-bit surfaces, through a row of working pixels on the others. In place,
// each row runs on over the glyph's zero padding as far as the area allows, so it is
// blended in whole groups.
void BlendGlyph(const TSurface& surface, const TGlyph& glyph, int x, int y, const RECT& area,
                TPixel ink, std::vector<TPixel>& scratch) {
    const RECT box = IntersectRects({x, y, x + glyph.Width, y + glyph.Height}, area);
    if (box.IsEmpty())
        return;
    const bool inPlace = surface.BitsPerPixel == 32 && !surface.Monochrome;
    int n = box.Width();
    if (inPlace)
        n = std::min({(n + kGlyphPadding - 1) / kGlyphPadding * kGlyphPadding,
                      glyph.Stride - (box.left - x), area.right - box.left});
    else if (scratch.size() < std::size_t(n))
        scratch.resize(std::size_t(n));
    for (int py = box.top; py < box.bottom; ++py) {
        std::uint8_t* line = surface.Row(py);
        const std::uint8_t* coverage =
            &glyph.Coverage[std::size_t(py - y) * std::size_t(glyph.Stride) +
                            std::size_t(box.left - x)];
        if (inPlace) {
            BlendCoverage(reinterpret_cast<TPixel*>(line) + box.left, coverage, n, ink);
            continue;
        }
        surface.Read(line, box.left, n, scratch.data());
        if (surface.Monochrome) {
            for (int i = 0; i < n; ++i)
                if (coverage[i] >= kMonochromeThreshold)
                    scratch[std::size_t(i)] = ink;
        } else {
            BlendCoverage(scratch.data(), coverage, n, ink);
        }
        surface.Write(line, box.left, n, scratch.data());
    }
}

TFont& SelectedFontObject(DeviceContext& dc) {
    return dc.State.Font ? *dc.State.Font : *static_cast<TFont*>(GetStockObject(DEFAULT_GUI_FONT));
}

// The selected font realised at the context's scale, for glyphs and strokes.
TFontInstance& DeviceFont(DeviceContext& dc) {
    const int scale = dc.Scale();
    if (scale == 1)
        return SelectedFont(dc);
    TFont& font = SelectedFontObject(dc);
    if (!font.ScaledInstance || font.InstanceScale != scale) {
        font.ScaledInstance = TFontInstance::Get(font.Log, scale);
        font.InstanceScale = scale;
    }
    return *font.ScaledInstance;
}

} // namespace

TFontInstance& SelectedFont(DeviceContext& dc) {
    TFont& font = SelectedFontObject(dc);
    if (!font.Instance)
        font.Instance = TFontInstance::Get(font.Log);
    return *font.Instance;
}

void DrawTextLine(DeviceContext& dc, TFontInstance& font, POINT origin, const TTextLine& line,
                  const std::optional<RECT>& limit) {
    const TSurface* surface = dc.Surface();
    if (!surface)
        return;
    const int scale = dc.Scale();
    const auto device = [&](int logical) { return SaturateToInt((long long)logical * scale); };
    const TEXTMETRIC& m = font.Metrics();
    if (dc.State.BkMode == OPAQUE)
        Fill(dc,
             {origin.x, origin.y, SaturateToInt((long long)origin.x + device(line.Width)),
              SaturateToInt((long long)origin.y + device(m.tmHeight))},
             dc.State.BkColour, limit);

    TFontInstance& glyphs = DeviceFont(dc);
    const int baseline = origin.y + device(m.tmAscent);
    const TPixel ink =
        surface->Monochrome ? SurfaceColour(dc, dc.State.TextColour) : ToPixel(dc.State.TextColour);
    std::vector<TPixel> row;
    for (const RECT& clip : dc.ClipRects()) {
        const RECT area = limit ? IntersectRects(clip, *limit) : clip;
        for (const TPlacedChar& c : line.Chars) {
            const TGlyph& glyph = glyphs.Glyph(c.Char);
            if (glyph.Width > 0)
                BlendGlyph(*surface, glyph, origin.x + device(c.X) + glyph.Left,
                           baseline - glyph.Top, area, ink, row);
        }
    }

    const auto stroke = [&](int left, int right, const TStroke& s) {
        const int top = baseline + s.Offset;
        Fill(dc, {origin.x + device(left), top, origin.x + device(right), top + s.Thickness},
             dc.State.TextColour, limit);
    };
    if (m.tmUnderlined)
        stroke(0, line.Width, glyphs.Underline());
    if (m.tmStruckOut)
        stroke(0, line.Width, glyphs.StrikeOut());
    for (const TPlacedChar& c : line.Chars)
        if (c.Underlined)
            stroke(c.X, c.X + font.Advance(c.Char), glyphs.Underline());
}

} // namespace gdi::detail
