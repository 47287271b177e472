#include "gui/forms/windowicons.h"

#include "gui/graphics/icoformat.h"
#include "platform/window/window.h"

#include <utility>

namespace {

// A desktop asks a window for one icon and scales it to every place it shows it (title bar,
// task bar, window switcher); the largest image scales best.
constexpr int BigIconSide = IcoMaxSide;

void Give(win::HWND window, win::WPARAM kind, commctrl::HICON icon) {
    win::SendMessage(window, win::WM_SETICON, kind, reinterpret_cast<win::LPARAM>(icon));
}

} // namespace

void TWindowIcons::Show(win::HWND window, const TIcon& icon) {
    commctrl::TOwnedIcon big = icon.NewHandle(BigIconSide);
    commctrl::TOwnedIcon small = icon.NewHandle(win::GetSystemMetrics(win::SM_CXSMICON));
    std::vector<commctrl::TOwnedIcon> more;
    std::vector<commctrl::HICON> moreHandles;
    for (int side : icon.Sides()) {
        more.push_back(icon.NewHandle(side));
        moreHandles.push_back(more.back().Get());
    }
    Give(window, win::ICON_BIG, big.Get());
    Give(window, win::ICON_SMALL, small.Get());
    win::SetWindowIconSizes(window, std::move(moreHandles));
    FBig = std::move(big);
    FSmall = std::move(small);
    FMore = std::move(more);
}

void TWindowIcons::Release(win::HWND window) {
    if (win::IsWindow(window)) {
        Give(window, win::ICON_BIG, nullptr);
        Give(window, win::ICON_SMALL, nullptr);
        win::SetWindowIconSizes(window, {});
    }
    FBig.Reset();
    FSmall.Reset();
    FMore.clear();
}
