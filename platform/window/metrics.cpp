#include "platform/window/internals.h"

namespace win {

namespace {

// Metrics that do not depend on the backend.
int FixedMetric(int index) {
    switch (index) {
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    default:
        return 0;
    }
}

} // namespace

int GetSystemMetrics(int index) {
    if (!detail::HasBackend())
        return FixedMetric(index);
    auto& backend = detail::Backend();
    switch (index) {
    case SM_CXSCREEN:
        return backend.ScreenSize().cx;
    case SM_CYSCREEN:
        return backend.ScreenSize().cy;
    case SM_CYCAPTION:
        return backend.FrameMetrics().Caption;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME:
        return backend.FrameMetrics().FixedFrame;
    case SM_CXSIZEFRAME:
    case SM_CYSIZEFRAME:
        return backend.FrameMetrics().SizeFrame;
    default:
        return FixedMetric(index);
    }
}

UINT GetDoubleClickTime() {
    return 500;
}

} // namespace win
