#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

namespace gdi {

namespace {

using detail::TArea;

struct TPreparedPattern {
    std::optional<detail::TPattern> Pattern;
    bool Usable = true;
};

// The brush pattern an operation needs; a null brush makes a pattern operation draw nothing.
TPreparedPattern PatternFor(DeviceContext& dc, std::uint8_t code) {
    TPreparedPattern prepared;
    if (!detail::RopUsesPattern(code))
        return prepared;
    prepared.Pattern = detail::BrushPattern(dc, dc.State.Brush);
    prepared.Usable = prepared.Pattern.has_value();
    return prepared;
}

// A negative extent's origin is the last device pixel of the logical origin pixel, so the
// area still covers whole logical pixels.
TArea DeviceArea(const DeviceContext& dc, int x, int y, int width, int height) {
    const POINT p = dc.ToDevice(x, y);
    const long long scale = dc.Scale();
    const auto origin = [scale](int v, int extent) {
        return extent < 0 ? detail::SaturateToInt(v + scale - 1) : v;
    };
    return {origin(p.x, width), origin(p.y, height), detail::SaturateToInt(width * scale),
            detail::SaturateToInt(height * scale)};
}

bool Run(DeviceContext& dst, const TArea& target, const detail::TSource* source,
         const detail::TMask* mask, DWORD rop, std::optional<COLORREF> key = std::nullopt) {
    const std::uint8_t code = detail::RopCode(rop);
    const TPreparedPattern pattern = PatternFor(dst, code);
    if (!pattern.Usable)
        return true;
    detail::TTransfer t;
    t.Target = target;
    t.Source = source;
    t.Mask = mask;
    t.SourceKey = key;
    t.Code = code;
    t.Pattern = pattern.Pattern ? &*pattern.Pattern : nullptr;
    return detail::Transfer(dst, t);
}

// The source side of a transfer from a context; null when the context has nothing to read.
std::optional<detail::TSource> SourceOf(HDC src, int x, int y, int width, int height) {
    DeviceContext* context = detail::FindContext(src);
    detail::TSurface* surface = context ? context->Surface() : nullptr;
    if (!surface)
        return std::nullopt;
    return detail::TSource{surface, DeviceArea(*context, x, y, width, height),
                           context->State.BkColour};
}

} // namespace

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop) {
    DeviceContext* target = detail::FindContext(dst);
    if (!target)
        return false;
    const auto source = SourceOf(src, srcX, srcY, srcWidth, srcHeight);
    return Run(*target, DeviceArea(*target, x, y, width, height), source ? &*source : nullptr,
               nullptr, rop);
}

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* target = detail::FindContext(dc);
    if (!target || detail::RopUsesSource(detail::RopCode(rop)))
        return false;
    return Run(*target, DeviceArea(*target, x, y, width, height), nullptr, nullptr, rop);
}

bool MaskedStretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                      int srcWidth, int srcHeight, HDC mask, int maskX, int maskY) {
    DeviceContext* target = detail::FindContext(dst);
    DeviceContext* maskContext = detail::FindContext(mask);
    detail::TSurface* maskSurface = maskContext ? maskContext->Surface() : nullptr;
    const auto source = SourceOf(src, srcX, srcY, srcWidth, srcHeight);
    if (!target || !maskSurface || !source)
        return false;
    const POINT m = maskContext->ToDevice(maskX, maskY);
    const detail::TMask through{
        maskSurface, m.x, m.y, maskContext->State.BkColour, maskContext->Scale(), target->Scale()};
    return Run(*target, DeviceArea(*target, x, y, width, height), &*source, &through, SRCCOPY);
}

bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                    int srcWidth, int srcHeight, COLORREF key) {
    DeviceContext* target = detail::FindContext(dst);
    const auto source = SourceOf(src, srcX, srcY, srcWidth, srcHeight);
    if (!target || !source)
        return false;
    return Run(*target, DeviceArea(*target, x, y, width, height), &*source, nullptr, SRCCOPY, key);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* target = detail::FindContext(dc);
    if (!target || !bits || !info || usage != DIB_RGB_COLORS)
        return 0;
    const auto format = detail::ReadDibFormat(&info->bmiHeader);
    if (!format)
        return 0;
    // The view lists rows top first; bottom-up sources count srcY from the bottom row.
    const detail::TSurface view = detail::DibView(*format, bits);
    const int top = format->TopDown
                        ? srcY
                        : detail::SaturateToInt((long long)format->Height - srcY - srcHeight);
    const detail::TSource source{&view, {srcX, top, srcWidth, srcHeight}, RGB(255, 255, 255)};
    if (!Run(*target, DeviceArea(*target, x, y, width, height), &source, nullptr, rop))
        return 0;
    return format->Height;
}

} // namespace gdi
