#include "gui/menus/menus.h"

#include "gui/classes/exceptions.h"
#include "gui/menus/menuwindow.h"

#include <algorithm>

namespace {

// Marks a menu as showing for the scope's lifetime, unless the menu is destroyed meanwhile.
class TShowingScope {
public:
    TShowingScope(bool& showing, std::shared_ptr<bool> alive)
        : FShowing(showing), FAlive(std::move(alive)) {
        FShowing = true;
    }
    TShowingScope(const TShowingScope&) = delete;
    TShowingScope& operator=(const TShowingScope&) = delete;
    ~TShowingScope() {
        if (*FAlive)
            FShowing = false;
    }

private:
    bool& FShowing;
    std::shared_ptr<bool> FAlive;
};

} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (FMenu)
        FMenu->Remove(this);
}

void TMenuItem::Click() {
    if (FEnabled && OnClick)
        OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    return FMenu;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    auto* menu = dynamic_cast<TPopupMenu*>(parent);
    if (!menu)
        throw EInvalidOperation("Menu item " + Name() + " can only be placed in a menu");
    menu->Add(this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
    *FAlive = false;
    while (!FItems.empty())
        delete FItems.back();
}

TMenuItem* TPopupMenu::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return FItems[std::size_t(index)];
}

int TPopupMenu::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

void TPopupMenu::Insert(int index, TMenuItem* item) {
    if (item->FMenu)
        item->FMenu->Remove(item);
    FItems.insert(FItems.begin() + std::clamp(index, 0, Count()), item);
    item->FMenu = this;
}

void TPopupMenu::Remove(TMenuItem* item) {
    if (item->FMenu != this)
        return;
    std::erase(FItems, item);
    item->FMenu = nullptr;
}

void TPopupMenu::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        if (item->Owner() == root)
            proc(item);
}

void TPopupMenu::Popup(int x, int y) {
    if (FShowing)
        return;
    const std::shared_ptr<bool> alive = FAlive;
    if (OnPopup)
        OnPopup(this);
    if (!*alive)
        return;
    std::vector<TMenuItem*> shown;
    std::vector<TMenuLine> lines;
    for (TMenuItem* item : FItems) {
        if (!item->Visible())
            continue;
        shown.push_back(item);
        lines.push_back({item->Caption(), item->Enabled(), item->IsLine()});
    }
    if (lines.empty())
        return;
    int chosen = -1;
    {
        const TShowingScope showing(FShowing, alive);
        chosen = TrackMenu(lines, {x, y});
    }
    // The menu may be gone, or the item may have left it, while it showed.
    if (*alive && chosen >= 0 && IndexOf(shown[std::size_t(chosen)]) >= 0)
        shown[std::size_t(chosen)]->Click();
}
