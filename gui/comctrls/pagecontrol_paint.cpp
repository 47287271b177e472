// Page controls: the geometry of the tabs and the frame, and their painting in the classic
// three-dimensional look.

#include "gui/comctrls/pagecontrol.h"
#include "gui/controls/controltext.h"
#include "gui/graphics/textmeasure.h"

namespace {

// The first tab starts this far from the left; the active tab grows by it on each side
// and upwards.
constexpr int TabIndent = 2;
// Space between a tab's caption and its sides.
constexpr int TabPadding = 6;
// The tab row is this much taller than a line of the font.
constexpr int TabExtraHeight = 7;
// The frame (two pixels) and the margin inside it, around the pages.
constexpr int DisplayInset = 4;
constexpr gdi::UINT TabTextFormat = gdi::DT_SINGLELINE | gdi::DT_CENTER | gdi::DT_VCENTER;

} // namespace

int TPageControl::TabHeight() const {
    return MeasureText(*Font(), "0", gdi::DT_SINGLELINE).cy + TabExtraHeight;
}

int TPageControl::TabWidth(int index) const {
    return MeasureText(*Font(), Pages(index)->Caption(), gdi::DT_SINGLELINE).cx + 2 * TabPadding;
}

TRect TPageControl::DisplayRect() const {
    return Rect(DisplayInset, TabHeight() + DisplayInset, Width() - DisplayInset,
                Height() - DisplayInset);
}

TRect TPageControl::TabRect(int index) const {
    int left = TabIndent;
    for (int i = 0; i < index; ++i)
        left += TabWidth(i);
    return Rect(left, TabIndent, left + TabWidth(index), TabHeight());
}

int TPageControl::IndexOfTabAt(int x, int y) const {
    const auto grown = [](TRect r) {
        return Rect(r.Left - TabIndent, r.Top - TabIndent, r.Right + TabIndent, r.Bottom);
    };
    const int active = ActivePageIndex();
    if (active >= 0 && grown(TabRect(active)).Contains({x, y}))
        return active;
    for (int i = 0; i < PageCount(); ++i)
        if (TabRect(i).Contains({x, y}))
            return i;
    return -1;
}

// A tab: highlight on the left and the top with a cut corner, shadow and dark shadow on the
// right. The active tab is larger and open at the bottom, joining its page.
void TPageControl::DrawTab(TCanvas& canvas, int index) {
    const bool active = index == ActivePageIndex();
    TRect r = TabRect(index);
    if (active)
        r = Rect(r.Left - TabIndent, r.Top - TabIndent, r.Right + TabIndent, r.Bottom + 2);
    const auto fill = [&](TColor colour, const TRect& area) {
        canvas.Brush().SetColor(colour);
        canvas.FillRect(area);
    };
    fill(Color(), Rect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom));
    fill(clBtnHighlight, Rect(r.Left, r.Top + 2, r.Left + 1, r.Bottom));
    fill(clBtnHighlight, Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Top + 2));
    fill(clBtnHighlight, Rect(r.Left + 2, r.Top, r.Right - 2, r.Top + 1));
    fill(clBtnShadow, Rect(r.Right - 2, r.Top + 2, r.Right - 1, r.Bottom));
    fill(cl3DDkShadow, Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2));
    fill(cl3DDkShadow, Rect(r.Right - 1, r.Top + 2, r.Right, r.Bottom));
    const TRect text = active ? Rect(r.Left, r.Top, r.Right, r.Bottom - 2) : r;
    DrawControlText(canvas, Pages(index)->Caption(), text, TabTextFormat, Font()->Color(),
                    Enabled());
    if (active && Focused())
        canvas.DrawFocusRect(Rect(text.Left + 3, text.Top + 3, text.Right - 3, text.Bottom - 1));
}

void TPageControl::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.SetFont(*Font());
    win::RECT frame{0, TabHeight(), Width(), Height()};
    win::DrawEdge(canvas.Handle(), &frame, win::EDGE_RAISED, win::BF_RECT);
    const int active = ActivePageIndex();
    for (int i = 0; i < PageCount(); ++i)
        if (i != active)
            DrawTab(canvas, i);
    if (active >= 0)
        DrawTab(canvas, active);
}
