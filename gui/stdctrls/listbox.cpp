// List boxes: items, selection, scrolling and geometry.

#include "gui/stdctrls/listbox.h"

#include "platform/gdi/owned.h"

#include <algorithm>

// The items of a list box, which hear of every change so that the selection follows the
// items it belongs to and the list is repainted.
class TListBoxStrings : public TStringList {
public:
    explicit TListBoxStrings(TCustomListBox& listBox) : FListBox(listBox) {}

    void SetStrings(int index, const std::string& value) override {
        TStringList::SetStrings(index, value);
        FListBox.InvalidateItem(index);
    }
    void InsertObject(int index, const std::string& value, TObject* object) override {
        TStringList::InsertObject(index, value, object);
        FListBox.ItemInserted(index);
    }
    void Delete(int index) override {
        TStringList::Delete(index);
        FListBox.ItemDeleted(index);
    }
    void Clear() override {
        TStringList::Clear();
        FListBox.ItemsCleared();
    }

private:
    TCustomListBox& FListBox;
};

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomControl(owner), FItems(std::make_unique<TListBoxStrings>(*this)) {
    // Clicks are the list's own: one per press and release on an item.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

TCustomListBox::~TCustomListBox() {
    // Losing the capture with the window ends a press; a list on its way out reports nothing.
    FClickPending = false;
    DestroyHandle();
}

TStrings* TCustomListBox::Items() const {
    return FItems.get();
}

int TCustomListBox::Count() const {
    return FItems->Count();
}

void TCustomListBox::Clear() {
    FItems->Clear();
}

void TCustomListBox::CreateParams(TCreateParams& params) const {
    TCustomControl::CreateParams(params);
    params.ExStyle |= win::WS_EX_CLIENTEDGE;
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
    if (value == FStyle)
        return;
    FStyle = value;
    SetTopIndex(FTopIndex);
    Invalidate();
}

void TCustomListBox::SetItemHeight(int value) {
    if (value < 1 || value == FItemHeight)
        return;
    FItemHeight = value;
    SetTopIndex(FTopIndex);
    Invalidate();
}

int TCustomListBox::LineHeight() const {
    if (FStyle != lbStandard)
        return FItemHeight;
    const gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    const gdi::TSelection font(dc.Get(), Font()->Handle());
    gdi::TEXTMETRIC metrics;
    return gdi::GetTextMetrics(dc.Get(), &metrics) ? std::max(1, int(metrics.tmHeight)) : 1;
}

int TCustomListBox::PageSize() const {
    return std::max(1, ClientHeight() / LineHeight());
}

int TCustomListBox::FocusItem() const {
    if (FItemIndex >= 0)
        return FItemIndex;
    return Count() > 0 ? 0 : -1;
}

TRect TCustomListBox::ItemRect(int index) const {
    const int height = LineHeight();
    return Bounds(0, (index - FTopIndex) * height, ClientWidth(), height);
}

int TCustomListBox::ItemAtPos(const TPoint& point, bool existing) const {
    if (!ClientRect().Contains(point))
        return -1;
    const int index = FTopIndex + point.Y / LineHeight();
    if (index < Count())
        return index;
    return existing ? -1 : Count();
}

void TCustomListBox::SetItemIndex(int value) {
    if (value < -1 || value >= Count())
        value = -1;
    Select(value);
}

bool TCustomListBox::Select(int index) {
    if (index == FItemIndex)
        return false;
    const int oldFocus = FocusItem();
    InvalidateItem(FItemIndex);
    FItemIndex = index;
    InvalidateItem(oldFocus);
    InvalidateItem(FItemIndex);
    ScrollIntoView(FItemIndex);
    return true;
}

void TCustomListBox::SetTopIndex(int value) {
    const int top = std::clamp(value, 0, std::max(0, Count() - PageSize()));
    if (top == FTopIndex)
        return;
    FTopIndex = top;
    Invalidate();
}

void TCustomListBox::ScrollIntoView(int index) {
    if (index < 0)
        return;
    if (index < FTopIndex)
        SetTopIndex(index);
    else if (index >= FTopIndex + PageSize())
        SetTopIndex(index - PageSize() + 1);
}

void TCustomListBox::InvalidateItem(int index) {
    if (index >= 0 && index < Count())
        InvalidateRect(ItemRect(index), true);
}

void TCustomListBox::ItemInserted(int index) {
    if (FItemIndex >= index)
        ++FItemIndex;
    Invalidate();
}

void TCustomListBox::ItemDeleted(int index) {
    if (FItemIndex == index)
        FItemIndex = -1;
    else if (FItemIndex > index)
        --FItemIndex;
    SetTopIndex(FTopIndex);
    Invalidate();
}

void TCustomListBox::ItemsCleared() {
    FItemIndex = -1;
    FTopIndex = 0;
    FClickPending = false;
    Invalidate();
}

void TCustomListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case win::WM_MOUSEWHEEL: {
        // Three items per notch, as far as there are items; finer wheels add up to notches.
        FWheelDistance += win::GET_WHEEL_DELTA_WPARAM(message.WParam);
        const int notches = FWheelDistance / win::WHEEL_DELTA;
        FWheelDistance -= notches * win::WHEEL_DELTA;
        SetTopIndex(FTopIndex - 3 * notches);
        return;
    }
    case win::WM_SETFOCUS:
        InvalidateItem(FocusItem());
        break;
    case win::WM_KILLFOCUS:
        InvalidateItem(FocusItem());
        EndPress();
        break;
    case win::WM_CAPTURECHANGED:
        EndPress();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
