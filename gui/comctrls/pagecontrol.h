#pragma once
// A page control: a row of tabs along the top and, below them inside a raised frame, the tab
// sheet of the selected tab. Tab sheets are the page control's child controls, in tab order
// of their pages; only the active page is visible.
//
// The user changes the page by clicking a tab (which also focuses the page control), with
// the arrow keys while the page control has the focus, and with Ctrl+Tab and Ctrl+Shift+Tab
// (wrapping around) while the focus is anywhere in it. Each such change first asks
// OnChanging, which may refuse it, and then calls OnChange. Changing the active page from
// code calls neither. A focused control on a page that is being hidden hands the focus to
// the page control.

#include "gui/controls/customcontrol.h"

#include <vector>

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    // The page control the sheet is a page of: its parent, when that is a page control.
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    // The position among its page control's pages; -1 without one. Setting it moves the
    // page there (clamped to the pages).
    int PageIndex() const;
    void SetPageIndex(int value);

    void SetParent(TWinControl* parent) override;

protected:
    void WndProc(TMessage& message) override;

private:
    friend class TPageControl;

    TPageControl* FPageControl = nullptr;
};

using TTabChangingEvent = TEvent<void(TObject* sender, bool& allowChange)>;

class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    // EListError "List index out of bounds (N)" outside 0..PageCount-1.
    TTabSheet* Pages(int index) const;
    // The visible page; null when there is none. A page with a page control always has an
    // active page. A sheet of another page control is ignored.
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    // The active page's index, -1 for none.
    int ActivePageIndex() const;
    // The page after (or before) the active one, wrapping around, as the user selects it.
    void SelectNextPage(bool goForward);

    // The area the pages fill, in client coordinates.
    TRect DisplayRect() const;
    // A tab's rectangle; the active tab is drawn two pixels larger on each side but the top.
    TRect TabRect(int index) const;
    // The index of the tab under a point of the client area, -1 for none.
    int IndexOfTabAt(int x, int y) const;

    // Pages are written in page order, which moving a page changes.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void BoundsChanged(const TRect& old) override;
    void Loaded() override;

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void PlacePages();
    // Makes page the visible one.
    void ShowPage(TTabSheet* page);
    // A change the user asked for: OnChanging, the new page, OnChange.
    void ChangePage(TTabSheet* page);
    bool ContainsFocus() const;
    int TabHeight() const;
    int TabWidth(int index) const;
    void DrawTab(TCanvas& canvas, int index);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
