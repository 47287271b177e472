// The platform's modal message box.

#include "platform/gdi/syscolors.h"
#include "platform/window/internals.h"
#include "platform/window/messagebox_parts.h"
#include "platform/window/rects.h"

#include <algorithm>
#include <vector>

namespace win {

using namespace detail;

namespace {

constexpr int Margin = 11;
constexpr int MaxTextWidth = 400;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr DWORD BoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

struct TBoxLayout {
    RECT Text;
    RECT Button;
    POINT Icon;
    SIZE Client;
};

TBoxIcon IconOf(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return TBoxIcon::biError;
    case MB_ICONWARNING:
        return TBoxIcon::biWarning;
    case MB_ICONINFORMATION:
        return TBoxIcon::biInformation;
    default:
        return TBoxIcon::biNone;
    }
}

void RegisterBoxClasses() {
    const gdi::HBRUSH face = gdi::GetSysColorBrush(gdi::COLOR_BTNFACE);
    RegisterClass({0, nullptr, face, MessageBoxClass});
    RegisterClass({0, nullptr, face, MessageTextClass});
    RegisterClass({0, nullptr, nullptr, MessageButtonClass});
}

SIZE MeasureText(const std::string& text, gdi::HFONT font) {
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    gdi::TSelection selection(dc.Get(), font);
    RECT rect{0, 0, MaxTextWidth, 0};
    gdi::DrawText(dc.Get(), text, &rect, BoxTextFormat | gdi::DT_CALCRECT);
    return {rect.Width(), rect.Height()};
}

// Icon at the top left, the text to its right (centred on the icon when shorter), the
// button centred below both.
TBoxLayout Layout(const std::string& text, gdi::HFONT font, bool icon) {
    const SIZE screen = Backend().ScreenSize();
    SIZE textSize = MeasureText(text, font);
    const int textLeft = Margin + (icon ? BoxIconSize + Margin : 0);
    textSize.cx = std::min<int>(textSize.cx, std::max(0, int(screen.cx) - textLeft - 4 * Margin));
    const int iconHeight = icon ? BoxIconSize : 0;
    const int textTop = Margin + std::max(0, (iconHeight - textSize.cy) / 2);
    TBoxLayout layout;
    layout.Icon = {Margin, Margin};
    layout.Text = {textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy};
    const int width = std::max<int>(layout.Text.right + Margin, ButtonWidth + 2 * Margin);
    const int buttonTop = std::max<int>(layout.Text.bottom, Margin + iconHeight) + Margin;
    const int buttonLeft = (width - ButtonWidth) / 2;
    layout.Button = {buttonLeft, buttonTop, buttonLeft + ButtonWidth, buttonTop + ButtonHeight};
    layout.Client = {width, layout.Button.bottom + Margin};
    return layout;
}

// The outer rectangle, centred over the owner (or the screen) and kept on the screen.
RECT Placement(HWND owner, SIZE client) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, BoxStyle, 0);
    const SIZE screen = Backend().ScreenSize();
    RECT area{0, 0, screen.cx, screen.cy};
    if (owner)
        GetWindowRect(owner, &area);
    int x = area.left + (area.Width() - outer.Width()) / 2;
    int y = area.top + (area.Height() - outer.Height()) / 2;
    x = std::max(0, std::min(x, int(screen.cx) - outer.Width()));
    y = std::max(0, std::min(y, int(screen.cy) - outer.Height()));
    return {x, y, x + outer.Width(), y + outer.Height()};
}

HWND CreateChild(const char* className, const std::string& text, const RECT& rect, HWND parent,
                 int id, TWindowProcedure& procedure, DWORD style) {
    const HWND child = CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                                      rect.top, rect.Width(), rect.Height(), parent, &procedure);
    SetWindowLongPtr(child, GWLP_ID, id);
    return child;
}

// Runs the box's loop until it is done, gone, or the loop is told to quit; a quit request
// is posted again for the loop outside.
void RunModal(HWND box, const TBoxProcedure& procedure) {
    MSG message;
    while (IsWindow(box) && !procedure.Done()) {
        const int result = GetMessage(&message, nullptr, 0, 0);
        if (result <= 0) {
            if (result == 0)
                PostQuitMessage(int(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
}

// A box belongs to the window the user works in: when its owner is blocked by a modal window
// of its own, the box goes to that window, or it would leave it open to more clicks.
HWND BoxOwner(HWND owner) {
    if (!owner || IsWindowEnabled(owner))
        return owner;
    const HWND blocking = BlockingWindow(owner);
    return blocking ? blocking : owner;
}

// Disables the owner and the windows that own it for the box's lifetime; on every path,
// enables those again before the box goes, so that activation returns to the owner.
class TModalScope {
public:
    TModalScope(HWND owner, HWND box) : FBox(box) {
        for (HWND window = owner; window; window = GetWindow(window, GW_OWNER)) {
            if (!EnableWindow(window, false))
                FDisabled.push_back(window);
        }
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;
    ~TModalScope() {
        for (auto window = FDisabled.rbegin(); window != FDisabled.rend(); ++window)
            EnableWindow(*window, true);
        DestroyWindow(FBox);
    }

private:
    HWND FBox;
    std::vector<HWND> FDisabled;
};

} // namespace

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (!HasBackend() || (owner && !IsWindow(owner)))
        return 0;
    RegisterBoxClasses();
    const HWND ownerWindow = BoxOwner(owner ? GetAncestor(owner, GA_ROOT) : nullptr);
    gdi::LOGFONT description;
    description.lfHeight = -11;
    description.lfFaceName = "Tahoma";
    const gdi::TOwnedFont font(gdi::CreateFontIndirect(description));
    const TBoxIcon icon = IconOf(type);
    const TBoxLayout layout = Layout(text, font.Get(), icon != TBoxIcon::biNone);
    const RECT outer = Placement(ownerWindow, layout.Client);

    TBoxProcedure boxProcedure(icon, layout.Icon);
    TTextProcedure textProcedure(font.Get());
    TButtonProcedure buttonProcedure(font.Get());
    const HWND box = CreateWindowEx(0, MessageBoxClass, caption.empty() ? "Error" : caption,
                                    BoxStyle, outer.left, outer.top, outer.Width(), outer.Height(),
                                    ownerWindow, &boxProcedure);
    if (!box)
        return 0;
    TModalScope modal(ownerWindow, box);
    CreateChild(MessageTextClass, text, layout.Text, box, IDC_STATIC_TEXT, textProcedure, 0);
    const HWND button = CreateChild(MessageButtonClass, "OK", layout.Button, box, IDOK,
                                    buttonProcedure, WS_TABSTOP);
    ShowWindow(box, SW_SHOW);
    SetFocus(button);
    RunModal(box, boxProcedure);
    return IDOK;
}

} // namespace win
