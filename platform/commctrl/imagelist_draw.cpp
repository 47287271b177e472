#include "platform/commctrl/compose.h"
#include "platform/commctrl/objects.h"
#include "platform/gdi/syscolors.h"

#include <algorithm>
#include <optional>

namespace commctrl {

namespace {

using detail::TImage;
using detail::TPixel;
using gdi::ToPixel;

// How one draw call treats an image's pixels.
struct TDrawPlan {
    bool MaskOnly = false;
    // Quarters of the blend colour mixed into opaque pixels (0, 1 or 2).
    int BlendQuarters = 0;
    TPixel BlendColour = 0;
};

TDrawPlan PlanFor(COLORREF fg, UINT style) {
    TDrawPlan plan;
    plan.MaskOnly = (style & ILD_MASK) != 0;
    if (fg != CLR_NONE && (style & (ILD_BLEND25 | ILD_BLEND50))) {
        plan.BlendQuarters = (style & ILD_BLEND50) ? 2 : 1;
        plan.BlendColour = ToPixel(fg == CLR_DEFAULT ? gdi::GetSysColor(gdi::COLOR_HIGHLIGHT) : fg);
    }
    return plan;
}

// The colour a draw shows behind the image, if any.
std::optional<COLORREF> BackgroundFor(const ImageListObject& list, COLORREF bk, UINT style) {
    if (style & (ILD_TRANSPARENT | ILD_MASK))
        return std::nullopt;
    const COLORREF colour = bk == CLR_DEFAULT ? list.BkColour : bk;
    if (colour == CLR_NONE)
        return std::nullopt;
    return colour;
}

// The colour mixed with quarters/4 of the blend colour, rounded; alpha kept.
TPixel Mixed(TPixel colour, const TDrawPlan& plan) {
    if (plan.BlendQuarters == 0)
        return colour;
    const TPixel mixed = detail::Blend(plan.BlendColour, plan.BlendQuarters * 255 / 4, colour);
    return (colour & detail::kAlphaBits) | (mixed & gdi::kColourBits);
}

TPixel DrawnPixel(const TImage& image, int x, int y, const TDrawPlan& plan, TPixel under) {
    const TPixel colour = image.ColourAt(x, y);
    if (plan.MaskOnly) {
        const bool clear =
            image.TransparentAt(x, y) || (image.HasAlpha() && detail::AlphaOf(colour) == 0);
        return detail::WithColour(under, clear ? gdi::kWhitePixel : 0);
    }
    if (image.HasAlpha())
        return detail::Blend(Mixed(colour, plan), detail::AlphaOf(colour), under);
    if (image.TransparentAt(x, y))
        return under;
    return detail::WithColour(under, Mixed(colour, plan));
}

} // namespace

bool ImageList_DrawEx(HIMAGELIST handle, int index, HDC dc, int x, int y, int dx, int dy,
                      COLORREF bk, COLORREF fg, UINT style) {
    const ImageListObject* list = detail::ImageLists().Find(handle);
    if (!list || index < 0 || std::size_t(index) >= list->Images.size() || dx < 0 || dy < 0)
        return false;
    const TImage& image = list->Images[std::size_t(index)];
    const int width = dx ? std::min(dx, image.Width()) : image.Width();
    const int height = dy ? std::min(dy, image.Height()) : image.Height();
    const TDrawPlan plan = PlanFor(fg, style);
    gdi::TOwnedBrush background;
    if (const auto colour = BackgroundFor(*list, bk, style))
        background.Reset(gdi::CreateSolidBrush(*colour));
    return detail::Compose(dc, x, y, width, height, background.Get(), [&](TPixel* row, int r) {
        for (int c = 0; c < width; ++c)
            row[c] = DrawnPixel(image, c, r, plan, row[c]);
    });
}

} // namespace commctrl
