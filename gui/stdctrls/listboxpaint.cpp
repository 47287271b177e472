// List boxes: painting the items.

#include "gui/stdctrls/listbox.h"

void TCustomListBox::Paint() {
    const TRect clip = Canvas()->ClipRect();
    const int bottom = ClientHeight();
    for (int index = FTopIndex; index < Count(); ++index) {
        const TRect rect = ItemRect(index);
        if (rect.Top >= bottom)
            break;
        if (rect.Bottom > clip.Top && rect.Top < clip.Bottom)
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
