// List boxes: painting the items.

#include "gui/stdctrls/listbox.h"
#include "platform/gdi/owned.h"

namespace {

// True when some of rect lies in the context's clip region, which holds only what needs
// repainting.
bool NeedsPainting(win::HDC dc, const TRect& rect) {
    const gdi::TSavedState saved(dc);
    const int kind = gdi::IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
    return kind != gdi::NULLREGION && kind != gdi::ERROR;
}

} // namespace

void TCustomListBox::Paint() {
    const win::HDC dc = Canvas()->Handle();
    const int bottom = ClientHeight();
    for (int index = FTopIndex; index < Count(); ++index) {
        const TRect rect = ItemRect(index);
        if (rect.Top >= bottom)
            break;
        if (NeedsPainting(dc, rect))
            PaintItem(index, rect);
    }
}

void TCustomListBox::PaintItem(int index, const TRect& rect) {
    TOwnerDrawState state;
    if (index == FItemIndex)
        state.Include(odSelected);
    if (index == FocusItem() && Focused())
        state.Include(odFocused);
    if (!Enabled())
        state.Include(odDisabled);
    TCanvas& canvas = *Canvas();
    canvas.SetFont(*Font());
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    if (state.Contains(odSelected)) {
        canvas.Brush().SetColor(clHighlight);
        canvas.Font().SetColor(clHighlightText);
    }
    DrawItem(index, rect, state);
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& canvas = *Canvas();
    if (state.Contains(odDisabled))
        canvas.Font().SetColor(clGrayText);
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top, Items()->Strings(index));
    if (state.Contains(odFocused))
        canvas.DrawFocusRect(rect);
}
