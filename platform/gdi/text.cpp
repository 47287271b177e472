#include "platform/gdi/gdi.h"
#include "platform/gdi/text_render.h"
#include "platform/gdi/utf8.h"

#include <algorithm>

namespace gdi {

namespace {

// Characters placed one after the other, as TextOut draws them.
detail::TTextLine PlaceInOrder(detail::TFontInstance& font, std::string_view text) {
    detail::TTextLine line;
    const std::u32string chars = DecodeUtf8(text);
    line.Chars.reserve(chars.size());
    for (char32_t c : chars) {
        line.Chars.push_back({c, line.Width, false});
        line.Width += font.Advance(c);
    }
    return line;
}

int AlignedLeft(const RECT& rect, int width, UINT format) {
    if (format & DT_CENTER)
        return rect.left + (rect.Width() - width) / 2;
    if (format & DT_RIGHT)
        return rect.right - width;
    return rect.left;
}

// The top of the first line: vertical alignment applies to single lines only.
int AlignedTop(const RECT& rect, int height, UINT format) {
    if (!(format & DT_SINGLELINE))
        return rect.top;
    if (format & DT_VCENTER)
        return rect.top + (rect.Height() - height) / 2;
    if (format & DT_BOTTOM)
        return rect.bottom - height;
    return rect.top;
}

} // namespace

HFONT CreateFontIndirect(const LOGFONT& font) {
    auto made = std::make_unique<detail::TFont>();
    made->Log = font;
    return detail::Register(std::move(made));
}

bool GetObject(HFONT font, LOGFONT& out) {
    auto* found = detail::Find<detail::TFont>(font);
    if (!found)
        return false;
    out = found->Log;
    return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !metrics)
        return false;
    *metrics = detail::SelectedFont(*context).Metrics();
    return true;
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE* size) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !size)
        return false;
    detail::TFontInstance& font = detail::SelectedFont(*context);
    *size = {PlaceInOrder(font, text).Width, font.Metrics().tmHeight};
    return true;
}

bool TextOut(HDC dc, int x, int y, std::string_view text, int* advance) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    detail::TFontInstance& font = detail::SelectedFont(*context);
    const detail::TTextLine line = PlaceInOrder(font, text);
    detail::DrawTextLine(*context, font, context->ToDevice(x, y), line, std::nullopt);
    if (advance)
        *advance = line.Width;
    return true;
}

int DrawText(HDC dc, std::string_view text, RECT* rect, UINT format) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !rect)
        return 0;
    detail::TFontInstance& font = detail::SelectedFont(*context);
    const TEXTMETRIC& m = font.Metrics();
    const detail::TLayoutRules rules{format, rect->Width(), 8 * m.tmAveCharWidth};
    const std::vector<detail::TTextLine> lines = detail::LayoutText(
        DecodeUtf8(text), rules, [&font](char32_t c) { return font.Advance(c); });
    const int height = int(lines.size()) * m.tmHeight;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const detail::TTextLine& line : lines)
            widest = std::max(widest, line.Width);
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    const int top = AlignedTop(*rect, height, format);
    std::optional<RECT> limit;
    if (!(format & DT_NOCLIP))
        limit = context->ToDevice(*rect);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const POINT origin = context->ToDevice(AlignedLeft(*rect, lines[i].Width, format),
                                               top + int(i) * m.tmHeight);
        detail::DrawTextLine(*context, font, origin, lines[i], limit);
    }
    return (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))
               ? top + height - rect->top
               : height;
}

} // namespace gdi
