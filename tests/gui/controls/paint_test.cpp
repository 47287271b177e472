// Painting: double buffering against direct painting, printing a control into another
// context, bevels, and graphic controls, which live on their parent's window.

#include "fixture.h"
#include "gui/controls/customcontrol.h"
#include "gui/extctrls/bevel.h"
#include "gui/graphics/bitmap.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/listbox.h"

#include <set>

namespace guitest {
namespace {

const gdi::COLORREF Shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
const gdi::COLORREF Light = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
const gdi::COLORREF Face = gdi::GetSysColor(gdi::COLOR_BTNFACE);

using Painting = TGuiTest;

// Erases nothing, and paints its top-left corner red only while told to.
class TPatch : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool Red = true;

protected:
    void EraseBackground(win::HDC) override {}
    void Paint() override {
        if (!Red)
            return;
        Canvas()->Brush().SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 20, 20));
    }
};

TEST_F(Painting, DoubleBufferingShowsWhatDirectPaintingShows) {
    TForm* form = NewForm(300, 200);
    auto* list = Add<TListBox>(form, 10, 10, 150, 150);
    for (const char* item : {"one", "two", "three"})
        list->Items()->Add(item);
    list->SetItemIndex(1);
    list->SetFocus();
    Add<TBevel>(form, 170, 10, 100, 50);
    Add<TButton>(form, 170, 100, 75, 25)->SetCaption("&Go");
    Pump();
    const auto capture = [&] {
        std::vector<gdi::COLORREF> pixels;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                pixels.push_back(Pixel(*form, x, y));
        return pixels;
    };
    const std::vector<gdi::COLORREF> direct = capture();
    EXPECT_GT(std::set<gdi::COLORREF>(direct.begin(), direct.end()).size(), 5u);
    form->SetDoubleBuffered(true);
    list->SetDoubleBuffered(true);
    win::InvalidateRect(nullptr, nullptr, true);
    Pump();
    EXPECT_EQ(capture(), direct);
    // Changing the selection repaints the buffered items as it does unbuffered ones.
    list->SetItemIndex(2);
    Pump();
    list->SetDoubleBuffered(false);
    const std::vector<gdi::COLORREF> buffered = capture();
    win::InvalidateRect(nullptr, nullptr, true);
    Pump();
    EXPECT_EQ(capture(), buffered);
}

TEST_F(Painting, ABufferedPaintShowsNothingEarlierPaintsLeftInTheBuffer) {
    TForm* form = NewForm(100, 60);
    form->SetDoubleBuffered(true);
    auto* patch = Add<TPatch>(form, 10, 10, 40, 40);
    patch->SetDoubleBuffered(true);
    Pump();
    EXPECT_EQ(Pixel(*patch, 5, 5), 0x0000FFu);
    patch->Red = false;
    patch->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(*patch, 5, 5), 0u); // drawn by nobody: black, as in a new bitmap
    EXPECT_EQ(Pixel(*form, 5, 5), Face);
}

TEST_F(Painting, PrintingTheClientAreaDrawsTheControlAndItsGraphicChildren) {
    TForm* form = NewForm(100, 60);
    Add<TBevel>(form, 10, 10, 20, 10);
    Add<TListBox>(form, 50, 10, 40, 40); // a window of its own: not printed with its parent
    TBitmap target(100, 60);
    target.Canvas().Brush().SetColor(clRed);
    target.Canvas().FillRect(Rect(0, 0, 100, 60));
    const win::HDC dc = target.Canvas().Handle();
    win::SendMessage(form->Handle(), win::WM_PRINTCLIENT, win::WPARAM(dc), PRF_CLIENT);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), 0x0000FFu); // not erased
    EXPECT_EQ(target.Canvas().Pixels(10, 10), Shadow);
    win::SendMessage(form->Handle(), win::WM_ERASEBKGND, win::WPARAM(dc), 0);
    win::SendMessage(form->Handle(), win::WM_PRINTCLIENT, win::WPARAM(dc), PRF_CLIENT);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), Face);
    EXPECT_EQ(target.Canvas().Pixels(29, 19), Light);
    EXPECT_EQ(target.Canvas().Pixels(60, 20), Face);
}

TEST_F(Painting, BevelsDrawTheirShapeInShadowAndHighlight) {
    struct TCase {
        TBevelShape Shape;
        TBevelStyle Style;
        std::vector<std::pair<TPoint, gdi::COLORREF>> Pixels;
    };
    const std::vector<TCase> cases = {
        {bsBox,
         bsLowered,
         {{{0, 0}, Shadow},
          {{18, 0}, Shadow},
          {{19, 0}, Light},
          {{0, 8}, Shadow},
          {{0, 9}, Light},
          {{19, 9}, Light},
          {{1, 1}, Face}}},
        {bsBox, bsRaised, {{{0, 0}, Light}, {{19, 9}, Shadow}}},
        {bsFrame,
         bsLowered,
         {{{0, 0}, Shadow},
          {{1, 1}, Light},
          {{18, 8}, Shadow},
          {{19, 9}, Light},
          {{19, 0}, Face},
          {{2, 2}, Face}}},
        {bsTopLine, bsLowered, {{{5, 0}, Shadow}, {{5, 1}, Light}, {{5, 2}, Face}}},
        {bsBottomLine, bsLowered, {{{5, 7}, Face}, {{5, 8}, Shadow}, {{5, 9}, Light}}},
        {bsLeftLine, bsRaised, {{{0, 5}, Light}, {{1, 5}, Shadow}, {{2, 5}, Face}}},
        {bsRightLine, bsLowered, {{{17, 5}, Face}, {{18, 5}, Shadow}, {{19, 5}, Light}}},
        {bsSpacer, bsLowered, {{{0, 0}, Face}, {{19, 9}, Face}}},
    };
    TForm* form = NewForm(100, 60);
    auto* bevel = Add<TBevel>(form, 10, 10, 20, 10);
    for (const TCase& c : cases) {
        bevel->SetShape(c.Shape);
        bevel->SetStyle(c.Style);
        Pump();
        for (const auto& [point, colour] : c.Pixels)
            EXPECT_EQ(Pixel(*bevel, point.X, point.Y), colour)
                << "shape " << c.Shape << " style " << c.Style << " at " << point.X << ","
                << point.Y;
    }
}

TEST_F(Painting, GraphicControlsGetTheirMouseInputAndTheirEntryAndExitFromTheParent) {
    TForm* form = NewForm(200, 100);
    auto* bevel = Add<TBevel>(form, 50, 20, 40, 30);
    std::vector<std::string> log;
    bevel->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    bevel->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    bevel->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    bevel->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    bevel->OnClick = [&](TObject*) { log.push_back("click"); };
    MoveTo(*form, 55, 25);
    Click(*bevel, 5, 5);
    Headless->Advance(1000);
    Press(*bevel, 6, 6);
    MoveTo(*form, 150, 80); // the bevel keeps the mouse while the button is held
    Release();
    // The click comes before OnMouseUp; the pointer leaves the bevel while it keeps the mouse.
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "move 5,5", "move 5,5", "click", "up 5,5",
                                             "move 6,6", "leave", "move 100,60", "up 100,60"}));
    int formClicks = 0;
    form->OnClick = [&](TObject*) { ++formClicks; };
    bevel->SetEnabled(false); // its clicks fall through to the parent
    Headless->Advance(1000);
    Click(*bevel, 5, 5);
    EXPECT_EQ(formClicks, 1);
    EXPECT_EQ(log.back(), "up 100,60");
}

} // namespace
} // namespace guitest
