#pragma once
// The application's view of the clipboard: graphics and pictures go onto it and come back
// from it through the graphic's own clipboard format.

#include "gui/classes/persistent.h"
#include "platform/clipboard/clipboard.h"

class TGraphic;

class TClipboard : public TPersistent {
public:
    ~TClipboard() override;

    // Opens may nest; the clipboard opens at the first and closes at the matching Close.
    // Exception "Cannot open clipboard" when it is held elsewhere.
    void Open() const;
    void Close() const;
    // Empties the clipboard.
    void Clear();
    bool HasFormat(gdi::UINT format) const;

    // Puts a graphic (or a picture's graphic) on the clipboard in place of what was there;
    // an empty graphic or picture leaves it empty.
    void Assign(const TPersistent* source) override;

protected:
    // Gives a graphic or a picture the clipboard's bitmap. EInvalidGraphic "Unsupported
    // clipboard format" when the clipboard holds none; a picture is then left as it was.
    void AssignTo(TPersistent* dest) const override;

private:
    void AssignGraphic(TGraphic& graphic);
    void LoadGraphic(TGraphic& graphic) const;

    mutable int FOpenCount = 0;
};

// The process's clipboard object.
TClipboard& Clipboard();
