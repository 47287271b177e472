#include "gui/stdctrls/label.h"

#include "gui/controls/controltext.h"
#include "gui/graphics/textmeasure.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

template <class T>
void TLabel::Change(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
    Change(FAlignment, value);
}

void TLabel::SetAutoSize(bool value) {
    Change(FAutoSize, value);
}

void TLabel::SetWordWrap(bool value) {
    Change(FWordWrap, value);
}

void TLabel::SetShowAccelChar(bool value) {
    Change(FShowAccelChar, value);
}

void TLabel::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    // An opaque label paints its whole rectangle; a transparent one needs the parent behind it.
    if (value)
        SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
    else
        SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    Invalidate();
}

gdi::UINT TLabel::TextFormat() const {
    gdi::UINT format = gdi::DT_EXPANDTABS;
    if (FWordWrap)
        format |= gdi::DT_WORDBREAK;
    if (FAlignment == taCenter)
        format |= gdi::DT_CENTER;
    else if (FAlignment == taRightJustify)
        format |= gdi::DT_RIGHT;
    if (!FShowAccelChar)
        format |= gdi::DT_NOPREFIX;
    return format;
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    // An empty caption (or a lone accelerator mark) still takes one line's height.
    std::string text = Caption();
    if (text.empty() || (FShowAccelChar && text == "&"))
        text += ' ';
    const TSize size = MeasureText(*Font(), text, TextFormat(), Width());
    int left = Left();
    if (FAlignment == taRightJustify)
        left += Width() - size.cx;
    SetBounds(left, Top(), size.cx, size.cy);
}

void TLabel::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TLabel::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.SetFont(*Font());
    DrawControlText(canvas, Caption(), client, TextFormat(), Font()->Color(), Enabled());
}
