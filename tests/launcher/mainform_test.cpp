// The launcher's main window on the headless window system: its start, the drawing of both
// lists pixel by pixel, hovering, clicks and keys.

#include "gui/graphics/bitmap.h"
#include "launcher/catalogue.h"
#include "mainwindow.h"

#include <memory>

namespace launchertest {
namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Grey = 0x808080;

// The four lines of a tool's text.
struct TToolLines {
    const char* Title;
    const char* Line2;
    const char* Line3;
    const char* Line4;
};

class MainWindow : public TMainWindowTest {
protected:
    // A text as the raster engine draws it on its own, in the window's font.
    std::unique_ptr<TBitmap> Rendered(const std::string& text, TFontStyles style, TColor ink,
                                      TColor paper) const {
        auto bitmap = std::make_unique<TBitmap>(1, 1);
        TCanvas& canvas = bitmap->Canvas();
        canvas.SetFont(*Window->Font());
        canvas.Font().SetStyle(style);
        const TSize size = canvas.TextExtent(text);
        bitmap->SetSize(size.cx, size.cy);
        canvas.Brush().SetColor(paper);
        canvas.Font().SetColor(ink);
        canvas.TextOut(0, 0, text);
        return bitmap;
    }

    // The number of pixels of control, from (x, y) on, that differ from the bitmap.
    int Differences(const TControl& control, int x, int y, TBitmap& expected) const {
        int differences = 0;
        for (int row = 0; row < expected.Height(); ++row)
            for (int column = 0; column < expected.Width(); ++column)
                if (Pixel(control, x + column, y + row) != expected.Canvas().Pixels(column, row))
                    ++differences;
        return differences;
    }
};

TEST_F(MainWindow, OpensCentredWithDataSelectedAndTheDataToolsListed) {
    Open();
    EXPECT_EQ(win::GetWindowText(Window->Handle()), "Brenlow");
    EXPECT_EQ(Window->ClientWidth(), 658);
    EXPECT_EQ(Window->ClientHeight(), 478);
    EXPECT_EQ(Window->Left(), (1024 - Window->Width()) / 2);
    EXPECT_EQ(Window->Top(), (768 - Window->Height()) / 2);
    EXPECT_EQ(Window->ListBoxMain->BoundsRect(), Bounds(8, 8, 169, 401));
    EXPECT_EQ(Window->ListBoxData->BoundsRect(), Bounds(184, 8, 466, 401));
    EXPECT_EQ(Window->ButtonOK->Caption(), "&OK");
    EXPECT_EQ(Window->ListBoxMain->Items()->Count(), 4);
    EXPECT_EQ(Window->ListBoxMain->ItemIndex(), 0);
    ASSERT_EQ(Window->ListBoxData->Items()->Count(), 4);
    EXPECT_EQ(Window->ListBoxData->Items()->Strings(3), catalogue::EntryTexts(0, "Brenlow")[3]);
    EXPECT_EQ(Window->ListBoxData->ItemIndex(), 0);
    EXPECT_TRUE(Window->ListBoxMain->Focused());
    EXPECT_TRUE(Window->DoubleBuffered() && Window->ListBoxMain->DoubleBuffered() &&
                Window->ListBoxData->DoubleBuffered());
    EXPECT_EQ(Window->WebSiteAddress, "https://www.brenlow.example/");
    EXPECT_FALSE(Window->ProductPageAddress.empty());
    EXPECT_FALSE(Window->SupportEmailAddress.empty());
    // The hand slot was bound to the system's hand before anything else.
    EXPECT_EQ(Screen.Cursors(crHandPoint), win::LoadCursor(win::IDC_HAND));
}

TEST_F(MainWindow, AnotherTitleLeavesTheAddressesEmptyAndNamesItselfInTheTools) {
    Open("Burner");
    EXPECT_EQ(Window->Caption(), "Burner");
    EXPECT_TRUE(Window->WebSiteAddress.empty());
    EXPECT_TRUE(Window->ProductPageAddress.empty());
    EXPECT_TRUE(Window->SupportEmailAddress.empty());
    Click(*Window->ListBoxMain, 80, 3 * 80 + 40);
    EXPECT_EQ(Window->ListBoxData->Items()->Strings(4), catalogue::EntryTexts(3, "Burner")[4]);
}

TEST_F(MainWindow, TheSelectedCategoryIsGreyWithWhiteTextAndAFocusFrameOnlyWhileFocused) {
    Open();
    const TListBox& list = *Window->ListBoxMain;
    // The dotted frame inverts the grey where x + y is even.
    EXPECT_EQ(Pixel(list, 0, 0), Grey ^ White);
    EXPECT_EQ(Pixel(list, 1, 0), Grey);
    EXPECT_EQ(Pixel(list, 164, 79), Grey);
    EXPECT_EQ(Pixel(list, 163, 79), Grey ^ White);
    EXPECT_EQ(Pixel(list, 5, 85), White); // "Music", not selected
    Window->ListBoxData->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(list, 0, 0), Grey);
    EXPECT_EQ(Pixel(list, 163, 79), Grey);
}

TEST_F(MainWindow, CategoryNamesAreCentredOnTheListWithTheirTopAt58) {
    Open();
    const TListBox& list = *Window->ListBoxMain;
    const auto data = Rendered("Data", {}, clWhite, Grey);
    EXPECT_EQ(Differences(list, (169 - data->Width()) / 2, 58, *data), 0);
    const auto music = Rendered("Music", {}, clBlack, clWhite);
    EXPECT_EQ(Differences(list, (169 - music->Width()) / 2, 80 + 58, *music), 0);
    // One pixel off would not match.
    EXPECT_GT(Differences(list, (169 - music->Width()) / 2, 80 + 57, *music), 0);
}

TEST_F(MainWindow, ToolTitlesAreBoldAt100And5AndTheOtherLinesAt25And40And55) {
    Open();
    const TListBox& list = *Window->ListBoxData;
    const int top = 75; // the second tool, not selected: black on white
    const TToolLines tool{"Data DVD", "Create a data DVD which can be used to save all types of",
                          "files and complete folders. The DVD can be read on all",
                          "Windows platforms."};
    const auto title = Rendered(tool.Title, {fsBold}, clBlack, clWhite);
    EXPECT_EQ(Differences(list, 100, top + 5, *title), 0);
    EXPECT_GT(Differences(list, 100, top + 5, *Rendered(tool.Title, {}, clBlack, clWhite)), 0);
    EXPECT_EQ(Differences(list, 100, top + 25, *Rendered(tool.Line2, {}, clBlack, clWhite)), 0);
    EXPECT_EQ(Differences(list, 100, top + 40, *Rendered(tool.Line3, {}, clBlack, clWhite)), 0);
    EXPECT_EQ(Differences(list, 100, top + 55, *Rendered(tool.Line4, {}, clBlack, clWhite)), 0);
    // The selected first tool: white on grey.
    EXPECT_EQ(Differences(list, 100, 5, *Rendered("Data CD", {fsBold}, clWhite, Grey)), 0);
    EXPECT_TRUE(Window->ListBoxData->Canvas()->Font().Style().Empty());
}

TEST_F(MainWindow, EveryLineOfTheCatalogueFitsInsideItsToolItem) {
    Open();
    TCanvas& canvas = *Window->ListBoxData->Canvas();
    const int room = Window->ListBoxData->ClientWidth() - 100;
    for (int category = 0; category < catalogue::CategoryCount; ++category)
        for (const std::string& entry : catalogue::EntryTexts(category, "Brenlow")) {
            std::size_t start = 0;
            for (int line = 0; start <= entry.size(); ++line) {
                const std::size_t end = std::min(entry.find('\r', start), entry.size());
                const std::string text = entry.substr(start, end - start);
                canvas.Font().SetStyle(line == 0 ? TFontStyles{fsBold} : TFontStyles{});
                EXPECT_LE(canvas.TextWidth(text), room) << text;
                start = end + 1;
            }
        }
    canvas.Font().SetStyle({});
}

TEST_F(MainWindow, TheToolUnderThePointerBecomesSelectedAndStaysBelowTheLast) {
    Open();
    TListBox& tools = *Window->ListBoxData;
    MoveTo(tools, 200, 2 * 75 + 30);
    EXPECT_EQ(tools.ItemIndex(), 2);
    EXPECT_EQ(Pixel(tools, 3, 2 * 75 + 3), Grey);
    EXPECT_EQ(Pixel(tools, 3, 3), White);
    MoveTo(tools, 200, 4 * 75 + 30); // below the four Data tools
    EXPECT_EQ(tools.ItemIndex(), 2);
    EXPECT_EQ(Starts("FileWriter.exe"), 0);
}

TEST_F(MainWindow, ClickingTheSelectedCategoryRefillsTheToolsFromTheFirst) {
    Open();
    TListBox& tools = *Window->ListBoxData;
    MoveTo(tools, 200, 3 * 75 + 30);
    EXPECT_EQ(tools.ItemIndex(), 3);
    Click(*Window->ListBoxMain, 80, 40);
    EXPECT_EQ(tools.ItemIndex(), 0);
    EXPECT_EQ(tools.Items()->Count(), 4);
    Click(*Window->ListBoxMain, 80, 80 + 40);
    EXPECT_EQ(tools.Items()->Count(), 2);
    EXPECT_EQ(tools.Items()->Strings(1), catalogue::EntryTexts(1, "Brenlow")[1]);
}

TEST_F(MainWindow, ArrowKeysSwitchCategoriesAsClicksDo) {
    Open();
    Key(win::VK_DOWN);
    EXPECT_EQ(Window->ListBoxMain->ItemIndex(), 1);
    EXPECT_EQ(Window->ListBoxData->Items()->Count(), 2);
    Key(win::VK_END);
    EXPECT_EQ(Window->ListBoxData->Items()->Count(), 5);
    Key(win::VK_UP);
    EXPECT_EQ(Window->ListBoxData->Items()->Count(), 3);
    EXPECT_EQ(Window->ListBoxData->ItemIndex(), 0);
}

TEST_F(MainWindow, TheOkButtonClosesTheWindowAndEndsTheProgram) {
    Open();
    Script({[&] { QueueClick(*Window->ButtonOK, 40, 20); }});
    Application.Run();
    EXPECT_TRUE(Application.Terminated());
}

TEST_F(MainWindow, TheWindowCanBeMinimisedButNotMaximisedOrResized) {
    Open();
    const auto style = win::DWORD(win::GetWindowLongPtr(Window->Handle(), win::GWL_STYLE));
    EXPECT_EQ(style & (win::WS_THICKFRAME | win::WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(style & win::WS_MINIMIZEBOX, win::WS_MINIMIZEBOX);
    win::ShowWindow(Window->Handle(), win::SW_MINIMIZE);
    EXPECT_TRUE(win::IsIconic(Window->Handle()));
}

} // namespace
} // namespace launchertest
