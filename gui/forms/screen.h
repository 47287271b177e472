#pragma once
// The screen: its size, the forms of the program, and the cursors.
//
// The cursor table maps cursor identifiers (cursors.h) to the window system's cursors. While
// the screen's own Cursor is crDefault every control shows its own; any other cursor is shown
// at once, everywhere in the program, until Cursor returns to crDefault.

#include "gui/classes/component.h"
#include "gui/controls/cursors.h"
#include "platform/window/types.h"

#include <map>
#include <vector>

class TCustomForm;

class TScreen : public TComponent {
public:
    TScreen();

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The cursor bound to an identifier; crDefault's (the arrow) for one without.
    win::HCURSOR Cursors(TCursor id) const;
    // Binds an identifier; null unbinds it (crDefault goes back to the arrow).
    void SetCursors(TCursor id, win::HCURSOR cursor);

    int Width() const;
    int Height() const;

    // The forms that exist, in order of creation.
    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int index) const;

private:
    friend class TCustomForm;

    std::map<TCursor, win::HCURSOR> FCursors;
    TCursor FCursor = crDefault;
    std::vector<TCustomForm*> FForms;
};

// The program's screen. It is never destroyed, so it outlives every form.
extern TScreen& Screen;
