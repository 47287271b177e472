#pragma once
// List boxes: a column of items of equal height, one of which may be selected, inside a
// two-pixel sunken edge.
//
// The user selects with the left button (dragging with it held moves the selection) and with
// the arrow keys, Home, End, Page Up and Page Down; each click on an item and each change of
// the selection by a key calls OnClick once. A press whose release never reaches the list,
// because the focus or the mouse capture went elsewhere first, clicks when the list loses
// them. Selecting from code (ItemIndex) repaints the two items concerned and calls nothing.
// Items beyond the bottom are reached by the wheel and the keys, which scroll; there is no
// scroll bar.
//
// Standard items show their text on the list's colour, the selected one in the highlight
// colours, the focused one with a focus rectangle. Owner-drawn items (lbOwnerDrawFixed) are
// drawn by OnDrawItem on the list's canvas, which is prepared with the list's font and the
// colours a standard item would have; the handler draws the focus rectangle itself.

#include "gui/classes/strings.h"
#include "gui/controls/customcontrol.h"

#include <memory>

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };
template <>
struct TEnumIdents<TListBoxStyle> {
    static constexpr std::string_view Names[] = {"lbStandard", "lbOwnerDrawFixed"};
};

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TDrawItemEvent =
    TEvent<void(TWinControl* control, int index, TRect rect, TOwnerDrawState state)>;

class TListBoxStrings;

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings* Items() const;
    int Count() const;
    // Removes every item; no item is selected afterwards and the list is scrolled to the top.
    void Clear();

    // The selected item, -1 for none. Setting it from code scrolls it into view and repaints
    // the old and the new item; an index outside the items selects none. It does not call
    // OnClick.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // The first item shown at the top of the client area.
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int value);

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    // The height of owner-drawn items (16 until set; values below 1 are ignored); standard
    // items are as high as a line of the list's font.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);

    // The item at a point of the client area; below the last item -1 when existing is true,
    // else Count. -1 outside the client area.
    int ItemAtPos(const TPoint& point, bool existing) const;
    // Where item index lies in the client area (it may lie outside it).
    TRect ItemRect(int index) const;

    TDrawItemEvent OnDrawItem;

protected:
    void CreateParams(TCreateParams& params) const override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    // Draws one item on Canvas, which holds the item's colours and the list's font.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;

private:
    friend class TListBoxStrings;

    int LineHeight() const;
    // The number of items that fit in the client area entirely, at least 1.
    int PageSize() const;
    // The item that shows the focus rectangle while the list has the focus.
    int FocusItem() const;
    // Selects index (already checked) and repaints what changed; true when it changed.
    bool Select(int index);
    void ScrollIntoView(int index);
    void InvalidateItem(int index);
    void PaintItem(int index, const TRect& rect);
    // Reports the click of a press on an item when the press ends: by the release, or early,
    // when the list loses the focus or the capture, for the press has already selected.
    void EndPress();
    // The item a navigation key leads to, or -1 for other keys.
    int NavigationTarget(TKey key) const;

    void ItemInserted(int index);
    void ItemDeleted(int index);
    void ItemsCleared();

    std::unique_ptr<TListBoxStrings> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight = 16;
    TListBoxStyle FStyle = lbStandard;
    // A left press on an item that its release will report as a click.
    bool FClickPending = false;
    // Wheel movement not yet amounting to a notch.
    int FWheelDistance = 0;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
