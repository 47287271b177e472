// System cursors and the cursor shown now.

#include "platform/window/internals.h"

#include <iterator>

namespace win {

struct CursorShape {
    int Resource;
};

namespace {

constexpr CursorShape Shapes[] = {{IDC_ARROW},       {IDC_IBEAM},    {IDC_WAIT},     {IDC_CROSS},
                                  {IDC_UPARROW},     {IDC_SIZENWSE}, {IDC_SIZENESW}, {IDC_SIZEWE},
                                  {IDC_SIZENS},      {IDC_SIZEALL},  {IDC_NO},       {IDC_HAND},
                                  {IDC_APPSTARTING}, {IDC_HELP}};

} // namespace

HCURSOR LoadCursor(int resource) {
    for (const CursorShape& shape : Shapes) {
        if (shape.Resource == resource)
            return &shape;
    }
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& state = detail::State();
    const HCURSOR old = state.Cursor;
    if (cursor != old) {
        state.Cursor = cursor;
        if (detail::HasBackend())
            detail::Backend().ShowCursor(CursorResource(cursor));
    }
    return old;
}

HCURSOR GetCursor() {
    return detail::State().Cursor;
}

int CursorResource(HCURSOR cursor) {
    return cursor ? cursor->Resource : 0;
}

} // namespace win
