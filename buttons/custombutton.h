#pragma once
// The self-drawn push button's base: the pointer's press, drag and release, the pointer
// entering and leaving, focus, erasing (to the parent behind see-through corners) and the
// caption with its text effects. What a click does and how the button looks are its
// descendants'.

#include "buttons/buttontypes.h"
#include "gui/controls/customcontrol.h"

class TCustomStyledButton : public TCustomControl {
public:
    explicit TCustomStyledButton(TComponent* owner);

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical value) { Store(FAlignmentVertical, value); }
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { Store(FHotTrackColor, value); }
    THotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(THotTrackColorType value) { Store(FHotTrackColorType, value); }
    // The base of the focus ring in the hot-tracking look.
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { Store(FHighlightColor, value); }
    // Raised text gets only its light upper-left copy, recessed text only its lower-right
    // one.
    bool LightTextStyle() const { return FLightTextStyle; }
    void SetLightTextStyle(bool value) { Store(FLightTextStyle, value); }
    TTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle value) { Store(FTextStyle, value); }
    TColor TextHighlightColor() const { return FTextHighlightColor; }
    void SetTextHighlightColor(TColor value) { Store(FTextHighlightColor, value); }
    TColor TextShadowColor() const { return FTextShadowColor; }
    void SetTextShadowColor(TColor value) { Store(FTextShadowColor, value); }
    int TextShadowDepth() const { return FTextShadowDepth; }
    void SetTextShadowDepth(int value) { Store(FTextShadowDepth, value); }
    // The flat look that lights up under the pointer.
    bool HotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool value) { Store(FHotTrack, value); }
    // Draw through the platform's theme when themes are on.
    bool ThemeAware() const { return FThemeAware; }
    void SetThemeAware(bool value) { Store(FThemeAware, value); }

    bool MouseOver() const { return FMouseOver; }
    bool PressedLook() const { return FPressedLook; }

protected:
    // Paints the parent behind the see-through parts; the base has none.
    virtual void EraseToParent(win::HDC dc);
    // Asks for the button to be painted again; the base asks nothing.
    virtual void InvalidateButton() {}
    virtual void RepaintButton() { Repaint(); }
    // The part that changes when the pointer comes and goes.
    virtual TRect GetHotTrackRect() const { return ClientRect(); }
    virtual bool UsesThemes() const;
    // Draws the caption vertically placed in rect, with the text style's copies when enabled
    // and grey when disabled.
    virtual void DrawCaptionText(TCanvas& canvas, TRect rect, gdi::UINT flags);
    virtual void PerformButtonClick() = 0;

    // The parent shows through the corners: the background is erased by EraseToParent.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Store(FTransparent, value); }
    void SetPressedLook(bool value) { FPressedLook = value; }

    // Stores a property and asks for a repaint when it changed.
    template <class T>
    void Store(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

    void WndProc(TMessage& message) override;
    void EraseBackground(win::HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // A button that is disabled drops a press or key in progress.
    virtual void CancelPress();

private:
    void InvalidateHotTrack();

    TAlignmentVertical FAlignmentVertical = avCenter;
    TColor FHotTrackColor = 0x149BF0;
    THotTrackColorType FHotTrackColorType = htctActual;
    TColor FHighlightColor = clHighlight;
    bool FLightTextStyle = false;
    TTextStyle FTextStyle = tsNormal;
    TColor FTextHighlightColor = clBtnHighlight;
    TColor FTextShadowColor = clBtnShadow;
    int FTextShadowDepth = 2;
    bool FHotTrack = false;
    bool FTransparent = false;
    bool FThemeAware = true;
    bool FDragging = false;
    bool FMouseOver = false;
    bool FPressedLook = false;
};
