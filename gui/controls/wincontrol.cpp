// Windowed controls: children, tab order, focus and bounds.

#include "gui/controls/wincontrol.h"

#include "gui/classes/exceptions.h"
#include "gui/controls/errortexts.h"
#include "gui/controls/hosts.h"

#include <algorithm>
#include <climits>

namespace {

bool Intersects(const TRect& a, const win::RECT& b) {
    return a.Left < b.right && b.left < a.Right && a.Top < b.bottom && b.top < a.Bottom;
}

} // namespace

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        RaiseListIndexError(index);
    return FControls[std::size_t(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent())
        if (control == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& point, bool allowDisabled,
                                    bool allowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* control = *it;
        const bool windowed = dynamic_cast<TWinControl*>(control) != nullptr;
        if (control->Visible() && (allowDisabled || control->Enabled()) &&
            (allowWinControls || !windowed) && control->BoundsRect().Contains(point))
            return control;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* control : std::vector<TControl*>(FControls)) {
        if (!ContainsControl(control))
            continue;
        control->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(win::UINT message) {
    TMessage notice{message, 0, 0, 0};
    Broadcast(notice);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    TControl::GetChildren(proc, root);
    for (TControl* control : std::vector<TControl*>(FControls))
        if (control->Owner() == root)
            proc(control);
}

void TWinControl::InsertControl(TControl* control) {
    control->FParent = this;
    FControls.push_back(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed)
        FTabList.push_back(windowed);
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->ParentBiDiModeChanged();
    if (!windowed)
        control->Invalidate();
    else if (FHandle && !windowed->ComponentState().Contains(csLoading))
        windowed->HandleNeeded();
}

void TWinControl::RemoveControl(TControl* control) {
    if (TFocusHost* form = FocusHostOf(this))
        form->DefocusControl(control);
    if (FMouseControl == control)
        FMouseControl = nullptr;
    // Compared as controls: a child on its way out may no longer be a TWinControl.
    std::erase(FControls, control);
    std::erase_if(FTabList, [&](TWinControl* child) { return child == control; });
    control->FParent = nullptr;
    if (FHandle && control->Visible())
        InvalidateRect(control->BoundsRect(), true);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->DestroyHandle();
}

bool TWinControl::Showing() const {
    if (!Visible())
        return false;
    if (Parent())
        return Parent()->Showing();
    return FHandle && win::IsWindowVisible(FHandle);
}

// ---- Tab order and focus --------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (ComponentState().Contains(csLoading) || !Parent()) {
        FStoredTabOrder = value;
        return;
    }
    auto& list = Parent()->FTabList;
    const int count = int(list.size());
    const int target = std::clamp(value, 0, count - 1);
    std::erase(list, this);
    list.insert(list.begin() + target, this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    // Children read from a stream take the places their stored tab orders give them;
    // those without one follow in the order they were read.
    std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl* a, TWinControl* b) {
        const auto key = [](TWinControl* c) {
            return c->FStoredTabOrder < 0 ? INT_MAX : c->FStoredTabOrder;
        };
        return key(a) < key(b);
    });
    const TRect client = ClientRect();
    FAnchorBase = {client.Width(), client.Height()};
    if (Parent() && Parent()->HandleAllocated())
        HandleNeeded();
}

bool TWinControl::CanFocus() const {
    const TWinControl* form = HostForm(this);
    if (!form)
        return false;
    for (const TControl* control = this; control != form; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && win::GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (TFocusHost* form = FocusHostOf(this))
        form->FocusControl(this);
    else
        win::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* control : FTabList) {
        list.push_back(control);
        control->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const std::size_t count = list.size();
    if (count == 0)
        return nullptr;
    const auto found = std::find(list.begin(), list.end(), current);
    // Without a current control the search starts just before the first (or after the
    // last); with one, it ends on the current control itself.
    std::size_t index =
        found != list.end() ? std::size_t(found - list.begin()) : (goForward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TWinControl* candidate = list[index];
        if ((!checkTabStop || candidate->TabStop()) &&
            (!checkParent || candidate->Parent() == this) && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
        next->SetFocus();
}

// ---- Bounds ---------------------------------------------------------------------------------

TRect TWinControl::FrameInsets() const {
    TCreateParams params;
    CreateParams(params);
    win::RECT outer{0, 0, 0, 0};
    if (!win::AdjustWindowRectEx(&outer, params.Style, params.ExStyle))
        return {};
    return {-outer.left, -outer.top, outer.right, outer.bottom};
}

TRect TWinControl::ClientRect() const {
    if (FHandle) {
        win::RECT client;
        if (win::GetClientRect(FHandle, &client))
            return FromRECT(client);
    }
    const TRect insets = FrameInsets();
    return Rect(0, 0, std::max(0, Width() - insets.Left - insets.Right),
                std::max(0, Height() - insets.Top - insets.Bottom));
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) {
        win::POINT origin{0, 0};
        if (win::ClientToScreen(FHandle, &origin))
            return {origin.x, origin.y};
    }
    const TPoint outer = TControl::ClientOrigin();
    const TRect insets = FrameInsets();
    return {outer.X + insets.Left, outer.Y + insets.Top};
}

void TWinControl::SetClientSize(int width, int height) {
    // Without a window the frame is the one its styles give, however small the control.
    TRect insets = FrameInsets();
    if (FHandle) {
        const TRect client = ClientRect();
        insets = Rect(0, 0, Width() - client.Width(), Height() - client.Height());
    }
    SetBounds(Left(), Top(), width + insets.Left + insets.Right,
              height + insets.Top + insets.Bottom);
}

void TWinControl::BoundsChanged(const TRect&) {
    if (FHandle)
        win::SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(),
                          win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    AnchorChildren();
}

void TWinControl::UpdateBounds() {
    win::RECT rect;
    if (!FHandle || win::IsIconic(FHandle) || !win::GetWindowRect(FHandle, &rect))
        return;
    if (Parent())
        win::MapWindowPoints(nullptr, Parent()->Handle(), &rect);
    StoreBounds(FromRECT(rect));
    AnchorChildren();
}

void TWinControl::AnchorChildren() {
    if (ComponentState().Contains(csLoading))
        return;
    const TRect client = ClientRect();
    const TSize size{client.Width(), client.Height()};
    if (size == FAnchorBase)
        return;
    const int dx = size.cx - FAnchorBase.cx;
    const int dy = size.cy - FAnchorBase.cy;
    FAnchorBase = size;
    for (TControl* control : std::vector<TControl*>(FControls))
        control->AnchorTo(dx, dy);
}

// ---- Key input ------------------------------------------------------------------------------

void TWinControl::KeyDown(TKey& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(TKey& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::Invalidate() {
    if (FHandle)
        win::InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::InvalidateRect(const TRect& rect, bool erase) {
    if (!FHandle)
        return;
    const win::RECT area = ToRECT(rect);
    win::InvalidateRect(FHandle, &area, erase);
}

void TWinControl::Update() {
    if (FHandle)
        win::UpdateWindow(FHandle);
}

void TWinControl::PaintControls(win::HDC dc) {
    win::RECT clip;
    gdi::GetClipBox(dc, &clip);
    for (TControl* control : std::vector<TControl*>(FControls)) {
        if (dynamic_cast<TWinControl*>(control) || !control->Visible())
            continue;
        const TRect bounds = control->BoundsRect();
        if (!Intersects(bounds, clip))
            continue;
        gdi::TSavedState saved(dc);
        gdi::OffsetViewportOrgEx(dc, bounds.Left, bounds.Top, nullptr);
        gdi::IntersectClipRect(dc, 0, 0, bounds.Width(), bounds.Height());
        control->Perform(win::WM_PAINT, win::WPARAM(dc), 0);
    }
}
