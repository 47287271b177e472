// Labels: sizing to their text, ampersands, painting on their parent, and the cursor they
// take through their parent.

#include "gui/extctrls/panel.h"
#include "gui/stdctrls/label.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

constexpr int LineHeight = 13; // Tahoma at height -11

class Labels : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm(300, 200);
        Form->SetColor(clWhite);
        Label = Add<TLabel>(Form, 10, 10, 65, 17);
    }

    void TearDown() override {
        Screen.SetCursors(crHandPoint, win::LoadCursor(win::IDC_ARROW));
        TGuiTest::TearDown();
    }

    // Widths measured by the canvas, which does not lay text out the way labels do.
    int TextWidth(const std::string& text) { return Label->Canvas()->TextWidth(text); }

    // The rows of the label in which at least `share` of the text's width is in colour.
    int RowsMostlyIn(gdi::COLORREF colour, double share) {
        int rows = 0;
        for (int y = 0; y < Label->Height(); ++y) {
            int count = 0;
            for (int x = 0; x < Label->Width(); ++x)
                count += Pixel(*Label, x, y) == colour ? 1 : 0;
            rows += count >= share * Label->Width() ? 1 : 0;
        }
        return rows;
    }

    TForm* Form = nullptr;
    TLabel* Label = nullptr;
};

TEST_F(Labels, AutoSizeFitsTheTextAndWordWrapBreaksItAtTheLabelsWidth) {
    Label->SetCaption("one two three");
    EXPECT_EQ(Label->Width(), TextWidth("one two three"));
    EXPECT_EQ(Label->Height(), LineHeight);

    const int width = TextWidth("three") + 1;
    ASSERT_GT(TextWidth("one two"), width);
    Label->SetAutoSize(false);
    Label->SetWidth(width);
    Label->SetWordWrap(true);
    Label->SetAutoSize(true);
    EXPECT_EQ(Label->Height(), 3 * LineHeight);
    EXPECT_LE(Label->Width(), width);

    Label->SetWordWrap(false);
    Label->SetAlignment(taRightJustify);
    const int right = Label->Left() + Label->Width();
    Label->SetCaption("a somewhat longer caption");
    EXPECT_EQ(Label->Left() + Label->Width(), right);
    EXPECT_EQ(Label->Width(), TextWidth("a somewhat longer caption"));

    Label->SetCaption("");
    EXPECT_EQ(Label->Height(), LineHeight); // an empty label keeps one line
}

TEST_F(Labels, AmpersandsMarkAnAcceleratorUnlessShownLiterally) {
    Label->SetCaption("Tom && R&D");
    EXPECT_EQ(Label->Width(), TextWidth("Tom & RD"));
    Label->SetShowAccelChar(false);
    EXPECT_EQ(Label->Width(), TextWidth("Tom && R&D"));
}

TEST_F(Labels, OpaqueLabelsPaintTheirColourTransparentOnesShowTheParent) {
    Label->SetAutoSize(false);
    Label->SetBounds(10, 10, 100, 20);
    Label->SetCaption("  x");
    Pump();
    EXPECT_EQ(Label->Color(), clWhite); // the parent's
    Label->SetColor(clYellow);
    Pump();
    EXPECT_EQ(Pixel(*Label, 1, 1), ColorToRGB(clYellow));
    Label->SetTransparent(true);
    Pump();
    EXPECT_EQ(Pixel(*Label, 1, 1), ColorToRGB(clWhite));
}

TEST_F(Labels, ALinkLabelIsDrawnInItsColourAndUnderlined) {
    Label->SetCaption("www.example.org");
    Label->Font()->SetColor(clBlue);
    Pump();
    EXPECT_EQ(RowsMostlyIn(ColorToRGB(clBlue), 0.9), 0);
    Label->Font()->SetStyle({fsUnderline});
    Pump();
    EXPECT_EQ(RowsMostlyIn(ColorToRGB(clBlue), 0.9), 1);
}

TEST_F(Labels, TheCursorOverALabelIsItsOwnUnlessTheScreenSetsOne) {
    auto* panel = Add<TPanel>(Form, 100, 50, 150, 100);
    Label->SetParent(panel);
    Label->SetCaption("link");
    Label->SetCursor(crHandPoint);
    Screen.SetCursors(crHandPoint, win::LoadCursor(win::IDC_HAND));
    const auto shown = [] { return win::CursorResource(win::GetCursor()); };

    MoveTo(*Label, 2, 2);
    EXPECT_EQ(shown(), win::IDC_HAND);
    MoveTo(*panel, 140, 90);
    EXPECT_EQ(shown(), win::IDC_ARROW);
    Screen.SetCursor(crHourGlass);
    MoveTo(*Label, 2, 2);
    EXPECT_EQ(shown(), win::IDC_WAIT);
}

} // namespace
} // namespace guitest
