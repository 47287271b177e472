// Panels and group boxes: their frames, pixel by pixel.

#include "gui/extctrls/panel.h"
#include "gui/stdctrls/groupbox.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

const gdi::COLORREF Highlight = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
const gdi::COLORREF Shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
const gdi::COLORREF Face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
const gdi::COLORREF White = ColorToRGB(clWhite);

class Frames : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm(300, 200);
    }

    TForm* Form = nullptr;
};

TEST_F(Frames, ALoweredOuterAndRaisedInnerBevelFrameThePanelsColour) {
    auto* panel = Add<TPanel>(Form, 10, 10, 40, 30);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    panel->SetColor(clWhite);
    Pump();
    const auto at = [&](int x, int y) { return Pixel(*panel, x, y); };
    // Outer ring: shadow along the top and left, highlight along the bottom and right,
    // which own the top-right and bottom-left corners.
    EXPECT_EQ(at(0, 0), Shadow);
    EXPECT_EQ(at(38, 0), Shadow);
    EXPECT_EQ(at(0, 28), Shadow);
    EXPECT_EQ(at(39, 0), Highlight);
    EXPECT_EQ(at(0, 29), Highlight);
    EXPECT_EQ(at(39, 29), Highlight);
    // Inner ring, one pixel in, the other way round.
    EXPECT_EQ(at(1, 1), Highlight);
    EXPECT_EQ(at(37, 1), Highlight);
    EXPECT_EQ(at(38, 1), Shadow);
    EXPECT_EQ(at(1, 28), Shadow);
    EXPECT_EQ(at(38, 28), Shadow);
    EXPECT_EQ(at(2, 2), White);
    EXPECT_EQ(at(37, 27), White);
}

TEST_F(Frames, AGroupBoxCaptionInterruptsTheTopOfItsEtchedFrame) {
    auto* box = Add<TGroupBox>(Form, 10, 10, 120, 60);
    Pump();
    const int top = box->Canvas()->TextHeight("0") / 2;
    EXPECT_EQ(Pixel(*box, 20, top), Shadow);
    EXPECT_EQ(Pixel(*box, 20, top + 1), Highlight);
    EXPECT_EQ(Pixel(*box, 0, 30), Shadow);
    EXPECT_EQ(Pixel(*box, 119, 30), Highlight);
    EXPECT_EQ(Pixel(*box, 20, 30), Face);

    box->SetCaption("WWW");
    Pump();
    EXPECT_EQ(Pixel(*box, 4, top), Shadow);
    for (int x = 8; x < 8 + box->Canvas()->TextWidth("WWW"); ++x)
        EXPECT_NE(Pixel(*box, x, top + 1), Highlight) << x;
    EXPECT_EQ(Pixel(*box, 8 + box->Canvas()->TextWidth("WWW") + 2, top), Shadow);
}

} // namespace
} // namespace guitest
