#include "gui/controls/control.h"

#include "gui/classes/exceptions.h"
#include "gui/controls/errortexts.h"
#include "gui/controls/scopeexit.h"
#include "gui/controls/wincontrol.h"

#include <algorithm>

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
    ForgetCapture();
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    for (const TWinControl* ancestor = parent; ancestor; ancestor = ancestor->Parent())
        if (ancestor == this)
            throw EInvalidOperation(SControlParentSetToSelf);
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const TRect rect = Bounds(left, top, std::max(0, width), std::max(0, height));
    if (rect == BoundsRect())
        return;
    const TRect old = BoundsRect();
    StoreBounds(rect);
    BoundsChanged(old);
}

void TControl::StoreBounds(const TRect& rect) {
    FLeft = rect.Left;
    FTop = rect.Top;
    FWidth = rect.Width();
    FHeight = rect.Height();
}

void TControl::BoundsChanged(const TRect& old) {
    if (FParent && FVisible) {
        FParent->InvalidateRect(old, true);
        FParent->InvalidateRect(BoundsRect(), true);
    }
}

void TControl::AnchorTo(int dx, int dy) {
    TRect rect = BoundsRect();
    const auto shift = [](int& low, int& high, bool lowAnchored, bool highAnchored, int delta) {
        if (highAnchored && lowAnchored) {
            high += delta;
        } else if (highAnchored) {
            low += delta;
            high += delta;
        } else if (!lowAnchored) {
            low += delta / 2;
            high += delta / 2;
        }
    };
    shift(rect.Left, rect.Right, FAnchors.Contains(akLeft), FAnchors.Contains(akRight), dx);
    shift(rect.Top, rect.Bottom, FAnchors.Contains(akTop), FAnchors.Contains(akBottom), dy);
    SetBoundsRect(rect);
}

TRect TControl::ClientRect() const {
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(int width, int height) {
    const TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent)
        return {FLeft, FTop};
    const TPoint parent = FParent->ClientOrigin();
    return {parent.X + FLeft, parent.Y + FTop};
}

TPoint TControl::ClientToScreen(const TPoint& point) const {
    const TPoint origin = ClientOrigin();
    return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(const TPoint& point) const {
    const TPoint origin = ClientOrigin();
    return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetVisible(bool value) {
    if (value == FVisible)
        return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value, 0);
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const std::string& value) {
    if (value == FText)
        return;
    FText = value;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
    if (value == FColor)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent)
        return;
    SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::SetBiDiMode(TBiDiMode value) {
    if (value == FBiDiMode)
        return;
    FBiDiMode = value;
    FParentBiDiMode = false;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value) {
    if (value == FParentBiDiMode)
        return;
    FParentBiDiMode = value;
    if (value)
        ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
    if (!FParentBiDiMode || !FParent)
        return;
    SetBiDiMode(FParent->BiDiMode());
    FParentBiDiMode = true;
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::FontChanged() {
    if (!FCopyingFont)
        FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent)
        return;
    FCopyingFont = true;
    const TScopeExit copied([this] { FCopyingFont = false; });
    FFont->Assign(FParent->Font());
}

void TControl::SetCursor(TCursor value) {
    if (value == FCursor)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::Invalidate() {
    if (FParent && FVisible)
        FParent->InvalidateRect(BoundsRect(), !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

win::LRESULT TControl::Perform(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage record{message, wParam, lParam, 0};
    WndProc(record);
    return record.Result;
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent))
        SetParent(windowed);
}

void TControl::Loaded() {
    TComponent::Loaded();
    ParentFontChanged();
    ParentColorChanged();
    ParentBiDiModeChanged();
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        MouseLeave();
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTBIDIMODECHANGED:
        ParentBiDiModeChanged();
        return;
    case CM_BIDIMODECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (FParent)
            FParent->InvalidateRect(BoundsRect(), true);
        return;
    default:
        break;
    }
    if (message.Msg >= win::WM_MOUSEFIRST && message.Msg <= win::WM_MOUSELAST &&
        message.Msg != win::WM_MOUSEWHEEL) {
        if (FEnabled)
            HandleMouse(message);
        return;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}
