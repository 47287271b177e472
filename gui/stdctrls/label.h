#pragma once
// A label: text drawn on its parent, in its font, on its colour (which follows the parent's
// unless set) or with the parent showing through when Transparent.
//
// With AutoSize the label takes the size of its text: the widest line and the lines' height,
// word-wrapped at its current width when WordWrap is on; a right-justified label keeps its
// right edge. An ampersand marks the next character as the accelerator, underlined, unless
// ShowAccelChar is off, when every ampersand shows as itself. A disabled label shows its
// text embossed.

#include "gui/controls/graphiccontrol.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Loaded() override;

private:
    // The DT_ flags the text is drawn and measured with.
    gdi::UINT TextFormat() const;
    // Fits the size to the text (AutoSize), once the label is loaded.
    void AdjustBounds();
    // Stores a property value; when it changed, fits the size and repaints.
    template <class T>
    void Change(T& field, const T& value);

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FTransparent = false;
};
