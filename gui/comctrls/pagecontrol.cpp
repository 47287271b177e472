// Page controls: their pages, the active page and how the user changes it.

#include "gui/comctrls/pagecontrol.h"

#include "gui/classes/exceptions.h"
#include "gui/forms/customform.h"

#include <algorithm>

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetParentColor(true);
}

TPageControl::~TPageControl() {
    // The pages go with the window's children; they no longer report back.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        RaiseListIndexError(index);
    return FPages[std::size_t(index)];
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this)
        return;
    ShowPage(page);
}

void TPageControl::InsertPage(TTabSheet* page) {
    FPages.push_back(page);
    page->FPageControl = this;
    page->SetBoundsRect(DisplayRect());
    if (!FActivePage)
        ShowPage(page);
    else
        page->SetVisible(false);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const auto found = std::find(FPages.begin(), FPages.end(), page);
    if (found == FPages.end())
        return;
    const std::size_t index = std::size_t(found - FPages.begin());
    FPages.erase(found);
    page->FPageControl = nullptr;
    if (page == FActivePage) {
        // The page that takes its place, or the one before when it was the last.
        FActivePage = nullptr;
        if (!FPages.empty())
            ShowPage(FPages[std::min(index, FPages.size() - 1)]);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    std::erase(FPages, page);
    const int target = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + target, page);
    page->SetTabOrder(target);
    Invalidate();
}

void TPageControl::PlacePages() {
    const TRect display = DisplayRect();
    for (TTabSheet* page : FPages)
        page->SetBoundsRect(display);
}

void TPageControl::ShowPage(TTabSheet* page) {
    if (page == FActivePage)
        return;
    TTabSheet* old = FActivePage;
    FActivePage = page;
    if (old) {
        TCustomForm* form = GetParentForm(this);
        if (form && old->ContainsControl(form->ActiveControl()) && CanFocus())
            form->SetActiveControl(this);
    }
    if (page)
        page->SetVisible(true);
    if (old)
        old->SetVisible(false);
    Invalidate();
}

void TPageControl::ChangePage(TTabSheet* page) {
    if (!page || page == FActivePage)
        return;
    bool allowChange = true;
    if (OnChanging)
        OnChanging(this, allowChange);
    if (!allowChange)
        return;
    ShowPage(page);
    if (OnChange)
        OnChange(this);
}

void TPageControl::SelectNextPage(bool goForward) {
    if (FPages.empty())
        return;
    const int count = PageCount();
    const int current = ActivePageIndex();
    int next = goForward ? current + 1 : current - 1;
    if (current < 0)
        next = goForward ? 0 : count - 1;
    ChangePage(FPages[std::size_t((next + count) % count)]);
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TTabSheet* page : std::vector<TTabSheet*>(FPages))
        if (page->Owner() == root)
            proc(page);
}

bool TPageControl::ContainsFocus() const {
    const TWinControl* focused = FindControl(win::GetFocus());
    return focused && ContainsControl(focused);
}

void TPageControl::Loaded() {
    TCustomControl::Loaded();
    PlacePages();
}

void TPageControl::BoundsChanged(const TRect& old) {
    TCustomControl::BoundsChanged(old);
    PlacePages();
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const int index = IndexOfTabAt(x, y);
        if (index >= 0) {
            ChangePage(FPages[std::size_t(index)]);
            if (CanFocus())
                SetFocus();
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// The arrows move one tab, without wrapping around.
void TPageControl::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const int current = ActivePageIndex();
    int next = current;
    if (key == win::VK_LEFT || key == win::VK_UP)
        next = current - 1;
    else if (key == win::VK_RIGHT || key == win::VK_DOWN)
        next = current + 1;
    if (next != current && next >= 0 && next < PageCount()) {
        ChangePage(FPages[std::size_t(next)]);
        key = 0;
    }
}

void TPageControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case CM_DIALOGKEY:
        if (message.WParam == win::VK_TAB && KeyboardShiftState().Contains(ssCtrl) &&
            ContainsFocus()) {
            SelectNextPage(!KeyboardShiftState().Contains(ssShift));
            message.Result = 1;
            return;
        }
        break;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        PlacePages();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
