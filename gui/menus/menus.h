#pragma once
// Popup menus: a column of items shown at a screen point in a borderless window of its own,
// drawn in the menu colours, with the character after an ampersand underlined and a caption
// of "-" drawn as a separator line.
//
// While the menu shows, it runs its own modal loop and takes all mouse and key input: the
// item under the pointer is highlighted; a click on an enabled item chooses it; a press
// outside the menu, Escape, the loss of the mouse capture or another window becoming the
// active one dismisses it; Up and Down (wrapping around), Home and End move the highlight
// over the items that are not separators; Enter chooses the highlighted item; a character
// that is an item's accelerator chooses that item (with several such items, each press moves
// to the next of them). Messages for other windows are handled meanwhile. The chosen item's
// OnClick runs after the menu's window is gone.
//
// Items belong to one menu; in a layout they are nested in their menu. Items hold no
// sub-items.

#include "gui/classes/component.h"
#include "gui/classes/event.h"
#include "gui/graphics/geometry.h"

#include <memory>
#include <string>
#include <vector>

class TPopupMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    // A separator line: the caption "-".
    bool IsLine() const { return FCaption == "-"; }
    // A disabled item is shown grey and cannot be chosen.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // An invisible item is left out of the menu.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }

    TPopupMenu* Menu() const { return FMenu; }
    // Runs OnClick, when the item is enabled.
    virtual void Click();

    // A layout nests items in their menu, which is their parent component; any other parent
    // raises EInvalidOperation.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;

    std::string FCaption;
    bool FEnabled = true;
    bool FVisible = true;
    TPopupMenu* FMenu = nullptr;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    // Destroys the items.
    ~TPopupMenu() override;

    int Count() const { return int(FItems.size()); }
    // EListError "List index out of bounds (N)" outside 0..Count-1.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    // Adds an item at the end (Insert: before index, clamped), taking it from the menu it
    // was in.
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    // Takes an item out of the menu without destroying it.
    void Remove(TMenuItem* item);

    // Runs OnPopup, then shows the menu with its top-left corner at the screen point and
    // returns once it is closed and the chosen item (if any) has been clicked. A menu that
    // would reach past the screen's right or bottom edge opens to the left of or above the
    // point instead, and stays on the screen. A menu without visible items, or one that is
    // already showing, shows nothing.
    void Popup(int x, int y);
    // True while the menu shows.
    bool Showing() const { return FShowing; }

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    TNotifyEvent OnPopup;

private:
    std::vector<TMenuItem*> FItems;
    bool FShowing = false;
    // Cleared when the menu is destroyed, so that a menu freed while it shows is not touched
    // when its loop returns.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
