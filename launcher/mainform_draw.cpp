// The drawing of the category and tool items.

#include "launcher/catalogue.h"
#include "launcher/mainform.h"

#include <algorithm>
#include <string>

namespace {

constexpr TColor ItemColour = 0xFFFFFF;
constexpr TColor SelectedColour = 0x808080;
constexpr TColor TextColour = 0x000000;
constexpr TColor SelectedTextColour = 0xFFFFFF;

// Fills an item white with black text, or grey with white text when it is selected, with
// the focus rectangle when it also has the focus; leaves the canvas's colours set for text.
void DrawItemBackground(TCanvas& canvas, const TRect& rect, TOwnerDrawState state) {
    const bool selected = state.Contains(odSelected);
    canvas.Brush().SetColor(selected ? SelectedColour : ItemColour);
    canvas.Font().SetColor(selected ? SelectedTextColour : TextColour);
    canvas.FillRect(rect);
    if (selected && state.Contains(odFocused))
        canvas.DrawFocusRect(rect);
}

// Takes the first line off text: what comes before the first carriage return (nothing when
// there is none), and then as many characters as that line and its carriage return have.
std::string TakeLine(std::string& text) {
    const std::size_t end = text.find('\r');
    std::string line = end == std::string::npos ? std::string() : text.substr(0, end);
    const std::size_t taken = std::min(text.size(), line.size() + 1);
    text.erase(0, taken);
    return line;
}

} // namespace

void TMainForm::ListBoxMainDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    TCanvas& canvas = *ListBoxMain->Canvas();
    DrawItemBackground(canvas, rect, state);
    // Centred on the whole list's width, border included.
    const int listWidth = ListBoxMain->Width();
    const int itemHeight = ListBoxMain->ItemHeight();
    PngImageListMain->Draw(canvas, rect.Left + (listWidth - PngImageListMain->Width()) / 2,
                           rect.Top + (itemHeight - PngImageListMain->Height()) / 2 - 10, index,
                           true);
    const std::string text = ListBoxMain->Items()->Strings(index);
    const TSize size = canvas.TextExtent(text);
    canvas.TextOut(rect.Left + (listWidth - size.cx) / 2,
                   rect.Top + (itemHeight - size.cy) / 2 + 25, text);
}

void TMainForm::ListBoxDataDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    TCanvas& canvas = *ListBoxData->Canvas();
    const int icon = index + catalogue::FirstToolIcon(ListBoxMain->ItemIndex());
    DrawItemBackground(canvas, rect, state);
    PngImageListData->Draw(canvas, rect.Left + 25, rect.Top + 15, icon, true);
    std::string text = ListBoxData->Items()->Strings(index);
    const int x = rect.Left + 100;
    canvas.Font().SetStyle({fsBold});
    canvas.TextOut(x, rect.Top + 5, TakeLine(text));
    canvas.Font().SetStyle({});
    canvas.TextOut(x, rect.Top + 25, TakeLine(text));
    canvas.TextOut(x, rect.Top + 40, TakeLine(text));
    canvas.TextOut(x, rect.Top + 55, text);
}
