#include "gui/forms/screen.h"

#include "gui/classes/exceptions.h"
#include "gui/controls/wincontrol.h"
#include "platform/window/window.h"

TScreen& Screen = *new TScreen;

namespace {

struct TStandardCursor {
    TCursor Id;
    int Resource;
};

// The layer has no hand-shaped cursor of its own: crHandPoint shows the arrow until a program
// binds it to the system's hand.
constexpr TStandardCursor StandardCursors[] = {
    {crDefault, win::IDC_ARROW},
    {crArrow, win::IDC_ARROW},
    {crCross, win::IDC_CROSS},
    {crIBeam, win::IDC_IBEAM},
    {crSizeNESW, win::IDC_SIZENESW},
    {crSizeNS, win::IDC_SIZENS},
    {crSizeNWSE, win::IDC_SIZENWSE},
    {crSizeWE, win::IDC_SIZEWE},
    {crUpArrow, win::IDC_UPARROW},
    {crHourGlass, win::IDC_WAIT},
    {crNo, win::IDC_NO},
    {crAppStart, win::IDC_APPSTARTING},
    {crHelp, win::IDC_HELP},
    {crHandPoint, win::IDC_ARROW},
    {crSizeAll, win::IDC_SIZEALL},
};

} // namespace

TScreen::TScreen() : TComponent(nullptr) {
    for (const TStandardCursor& cursor : StandardCursors)
        FCursors[cursor.Id] = win::LoadCursor(cursor.Resource);
    FCursors[crNone] = nullptr;
}

void TScreen::SetCursor(TCursor value) {
    if (value == FCursor)
        return;
    FCursor = value;
    if (value == crDefault)
        RefreshCursorUnderPointer();
    else
        win::SetCursor(Cursors(value));
}

win::HCURSOR TScreen::Cursors(TCursor id) const {
    const auto found = FCursors.find(id);
    return found != FCursors.end() ? found->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(TCursor id, win::HCURSOR cursor) {
    if (cursor)
        FCursors[id] = cursor;
    else if (id == crDefault)
        FCursors[id] = win::LoadCursor(win::IDC_ARROW);
    else
        FCursors.erase(id);
}

int TScreen::Width() const {
    return win::GetSystemMetrics(win::SM_CXSCREEN);
}

int TScreen::Height() const {
    return win::GetSystemMetrics(win::SM_CYSCREEN);
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        RaiseListIndexError(index);
    return FForms[std::size_t(index)];
}
