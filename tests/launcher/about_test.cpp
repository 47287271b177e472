// The help menu and the About window: where they appear, what the About window shows from
// the version file, the year and the main window, what the links open, how Enter closes it,
// and its logo, good or bad.

#include "gui/menus/menuwindow.h"
#include "launcher/aboutform.h"
#include "launcher/waitcursor.h"
#include "mainwindow.h"
#include "platform/shell/shell.h"
#include "png/pngobject.h"
#include "tests/support/fifo.h"

#include <ctime>
#include <fstream>
#include <memory>
#include <utility>

namespace launchertest {
namespace {

namespace fs = std::filesystem;

std::string ThisYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

win::RECT OuterRect(win::HWND window) {
    win::RECT rect{};
    win::GetWindowRect(window, &rect);
    return rect;
}

class About : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        PlaceTool("opener");
        shell::SetOpener((Tools / "opener").string());
    }

    void TearDown() override {
        shell::SetOpener("xdg-open");
        TMainWindowTest::TearDown();
    }

    void WriteVersionFile(const std::string& text) {
        std::ofstream(Tools / VersionFileName, std::ios::binary) << text;
    }

    // The one argument the stand-in opener was given last; the record is removed.
    std::string Opened() {
        const std::vector<std::string> record = RecordOf("opener");
        fs::remove(Tools / "opener.record");
        return record.size() >= 2 && record[0] == "1" ? record[1] : "<not opened>";
    }

    void QueueKeys(std::initializer_list<win::UINT> keys) {
        for (win::UINT key : keys)
            Headless->Key(key);
    }
};

TEST_F(About, TheHelpMenuOpensUnderTheHelpButtonWithTheTitleInItsCaptions) {
    Open();
    EXPECT_EQ(Window->MediaOntheWeb1->Caption(), "Brenlow On the Web...");
    EXPECT_EQ(Window->AboutMedia1->Caption(), "A&bout Brenlow...");
    const TPoint origin = Window->ClientOrigin();
    const TControl& help = *Window->ButtonHelp;
    win::RECT menu{};
    Script({[&] {
        menu = OuterRect(win::FindWindow(PopupMenuWindowClass, nullptr));
        Headless->Key(win::VK_ESCAPE);
    }});
    Click(help, 5, 5);
    EXPECT_EQ(menu.left, origin.X + help.Left());
    EXPECT_EQ(menu.top, origin.Y + help.Top() + help.Height());
}

TEST_F(About, TheWebItemOpensTheSiteUnderTheHourglassAlsoWhenOpeningFails) {
    Open();
    Script({[&] { QueueKeys({win::VK_DOWN, win::VK_RETURN}); }});
    Click(*Window->ButtonHelp, 5, 5);
    EXPECT_EQ(Opened(), Window->WebSiteAddress);

    shell::SetOpener((Tools / "no-such-opener").string());
    TCursor cursorWhileOpening = crDefault;
    OnBox = [&](win::HWND) { cursorWhileOpening = Screen.Cursor(); };
    Window->MediaOntheWeb1Click(Window->MediaOntheWeb1);
    EXPECT_EQ(cursorWhileOpening, crHourGlass);
    EXPECT_EQ(Boxes.size(), 1u); // the shell's own report
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(About, UnderAnotherTitleTheAddressesAreEmptyAndTheWebItemOpensNothing) {
    Open("Media Tools");
    EXPECT_EQ(Window->MediaOntheWeb1->Caption(), "Media Tools On the Web...");
    EXPECT_EQ(Window->AboutMedia1->Caption(), "A&bout Media Tools...");
    Script({[&] { QueueKeys({win::VK_DOWN, win::VK_RETURN}); }});
    Click(*Window->ButtonHelp, 5, 5);
    EXPECT_EQ(Starts("opener"), 0); // the shell is handed the empty address
    EXPECT_TRUE(Boxes.empty());
    const std::unique_ptr<TFormAbout> about(new TFormAbout(Window, Window->AboutSubject()));
    EXPECT_EQ(about->LabalTitle->Caption(), "Media Tools ");
    EXPECT_EQ(about->LabelWeb->Caption(), "");
}

TEST_F(About, EveryControlIsWhereTheLayoutPutsIt) {
    Open();
    const std::unique_ptr<TFormAbout> about(new TFormAbout(Window, Window->AboutSubject()));
    EXPECT_EQ(about->ClientWidth(), 523);
    EXPECT_EQ(about->ClientHeight(), 298);
    const std::pair<TControl*, TRect> places[] = {
        {about->PanelmageLeft, Bounds(12, 12, 175, 242)},
        {about->ImageLeft, Bounds(2, 2, 171, 238)},
        {about->PageControlMain, Bounds(200, 8, 305, 245)},
        {about->ButtonOK, Bounds(438, 265, 75, 25)},
        {about->LabalTitle, Bounds(16, 12, 265, 26)},
        {about->LabelCopyright, Bounds(16, 48, 265, 26)},
        {about->GroupBoxPInfo, Bounds(16, 32, 275, 73)},
        {about->ButtonUpdates, Bounds(206, 184, 75, 25)},
    };
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->BoundsRect(), place) << control->Name();
    // Labels that fit their text keep their designed widths within 2%; those designed
    // without a width have some.
    const std::pair<TControl*, TRect> fitted[] = {
        {about->LabelPInfo, Bounds(16, 12, 113, 13)},
        {about->LabelCheckTitle, Bounds(16, 132, 96, 13)},
        {about->LabelCheck, Bounds(16, 152, 259, 26)},
        {about->LabelWebTitle, Bounds(16, 144, 0, 13)},
        {about->LabelSupport, Bounds(16, 176, 0, 13)},
        {about->LabelVersion, Bounds(12, 16, 0, 13)},
    };
    for (const auto& [control, place] : fitted) {
        const TRect bounds = control->BoundsRect();
        EXPECT_EQ(Bounds(bounds.Left, bounds.Top, 0, bounds.Height()),
                  Bounds(place.Left, place.Top, 0, place.Height()))
            << control->Name();
        if (place.Width() > 0)
            EXPECT_NEAR(bounds.Width(), place.Width(), place.Width() * 0.02) << control->Name();
        else
            EXPECT_GT(bounds.Width(), 0) << control->Name();
    }
    EXPECT_EQ(about->LabelVersion->Parent(), about->GroupBoxPInfo);
    EXPECT_EQ(about->PageControlMain->ActivePage(), about->TabSheetAbout);
    EXPECT_EQ(about->ButtonUpdates->Parent(), about->TabSheetUpdate);
}

TEST_F(About, TheTextsComeFromTheVersionFileTheYearAndTheMainWindow) {
    WriteVersionFile("[OTHER]\nVersion=9\n[SYSTEM]\nVersion = 2.1\nCompany=Acme & Sons\n");
    Open();
    {
        const std::unique_ptr<TFormAbout> about(new TFormAbout(Window, Window->AboutSubject()));
        EXPECT_EQ(about->Caption(), "About Brenlow");
        EXPECT_EQ(about->LabalTitle->Caption(), "Brenlow 2.1");
        EXPECT_TRUE(EndsWith(about->LabelCopyright->Caption(), "-" + ThisYear() + " Acme & Sons"))
            << about->LabelCopyright->Caption();
        EXPECT_EQ(about->LabelVersion->Caption(), "2.1");
        EXPECT_EQ(about->LabelWeb->Caption(), Window->WebSiteAddress);
        EXPECT_EQ(about->LabelSupportEmail->Caption(), Window->SupportEmailAddress);
    }
    fs::remove(Tools / VersionFileName);
    const std::unique_ptr<TFormAbout> about(new TFormAbout(Window, Window->AboutSubject()));
    EXPECT_EQ(about->LabalTitle->Caption(), "Brenlow ");
    EXPECT_TRUE(EndsWith(about->LabelCopyright->Caption(), "-" + ThisYear() + " "));
    EXPECT_EQ(about->LabelVersion->Caption(), "");
}

TEST_F(About, TheWindowOpensCentredOverTheMainWindowWhereverThatIs) {
    Open();
    const std::pair<int, int> places[] = {
        {Window->Left(), Window->Top()}, {-300, -150}, {700, 600}};
    for (const auto& [left, top] : places) {
        Window->SetBounds(left, top, Window->Width(), Window->Height());
        win::RECT about{};
        Script({[&] { Headless->Text("b"); },
                [&] {
                    about = OuterRect(ShownAbout()->Handle());
                    Headless->Key(win::VK_RETURN);
                }});
        Click(*Window->ButtonHelp, 5, 5);
        const win::RECT main = OuterRect(Window->Handle());
        EXPECT_EQ(about.left, main.left + (main.Width() - about.Width()) / 2) << left;
        EXPECT_EQ(about.top, main.top + (main.Height() - about.Height()) / 2) << top;
        EXPECT_EQ(ShownAbout(), nullptr);
    }
    EXPECT_EQ(Screen.FormCount(), 1); // each About window was destroyed when it closed
}

TEST_F(About, TheLinksOpenTheirAddressesAndMailGoesToMailto) {
    Open();
    Script({[&] { QueueClick(*ShownAbout()->LabelWeb, 2, 2); },
            [&] {
                EXPECT_EQ(Opened(), Window->WebSiteAddress);
                QueueClick(*ShownAbout()->LabelSupportEmail, 2, 2);
            },
            [&] {
                EXPECT_EQ(Opened(), "mailto:" + Window->SupportEmailAddress);
                QueueClick(*ShownAbout()->ImageLeft, 80, 100);
            },
            [&] {
                EXPECT_EQ(Opened(), Window->ProductPageAddress);
                QueueClick(*ShownAbout()->ButtonOK, 5, 5);
            }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_EQ(ShownAbout(), nullptr);
}

// Without an opener the logo's click ends in the shell's box, which blocks the About window:
// clicking the logo again while the box shows opens no second box.
TEST_F(About, TheShellsBoxBlocksTheAboutWindowItCameFrom) {
    fs::copy_file(fs::path(BRENLOW_ASSETS_DIR) / LogoFileName, Tools / LogoFileName);
    shell::SetOpener((Tools / "no-such-opener").string());
    Open();
    // The logo's corner, clear of the box centred over the main window.
    bool clickedAgain = false;
    OnBox = [&](win::HWND box) {
        EXPECT_EQ(win::GetParent(box), ShownAbout()->Handle());
        if (std::exchange(clickedAgain, true))
            return;
        for (int i = 0; i < 3; ++i) {
            QueueClick(*ShownAbout()->ImageLeft, 20, 20);
            Headless->Advance(1000);
        }
    };
    Script({[&] { QueueClick(*ShownAbout()->ImageLeft, 20, 20); },
            [&] { Headless->Key(win::VK_RETURN); }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(ShownAbout(), nullptr);
    EXPECT_TRUE(win::IsWindowEnabled(Window->Handle()));
}

TEST_F(About, EnterClosesTheWindowUnlessTheUpdateButtonHasTheFocus) {
    Open();
    Script({[&] {
                EXPECT_EQ(ShownAbout()->ActiveControl(), ShownAbout()->PageControlMain);
                Headless->KeyDown(win::VK_CONTROL);
                Headless->Key(win::VK_TAB);
                Headless->KeyUp(win::VK_CONTROL);
            },
            [&] {
                TFormAbout& about = *ShownAbout();
                EXPECT_EQ(about.PageControlMain->ActivePage(), about.TabSheetUpdate);
                about.ButtonUpdates->SetFocus();
                Headless->Key(win::VK_RETURN);
            },
            [&] {
                EXPECT_EQ(Opened(), Window->ProductPageAddress);
                ASSERT_NE(ShownAbout(), nullptr);
                ShownAbout()->PageControlMain->SetFocus();
                Headless->Key(win::VK_RETURN);
            }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_EQ(ShownAbout(), nullptr);
}

TEST_F(About, TheLogoIsCentredAndBlendedOverTheWhitePanel) {
    fs::copy_file(fs::path(BRENLOW_ASSETS_DIR) / LogoFileName, Tools / LogoFileName);
    Open();
    Script({[&] {
        TFormAbout& about = *ShownAbout();
        const auto* logo = dynamic_cast<TPNGObject*>(about.ImageLeft->Picture()->Graphic());
        ASSERT_NE(logo, nullptr);
        EXPECT_EQ(logo->Transparency(), trAlpha);
        EXPECT_EQ(about.ImageLeft->DestRect(), Bounds(0, 0, 171, 238));
        // The logo's corner is fully transparent: the panel's white shows.
        EXPECT_EQ(logo->PixelAlpha(0, 0), 0);
        EXPECT_EQ(Pixel(*about.ImageLeft, 0, 0), ColorToRGB(clWhite));
        EXPECT_NE(Pixel(*about.ImageLeft, 85, 60), ColorToRGB(clWhite));
        Headless->Key(win::VK_RETURN);
    }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(About, ABadOrMissingLogoIsReportedAndTheWindowStillOpensWithAnEmptyLogoArea) {
    WriteVersionFile("[SYSTEM]\nVersion=2.1\n");
    std::ofstream(Tools / LogoFileName, std::ios::binary) << "\x89PNG\r\n\x1a\n broken";
    Open();
    bool opened = false;
    Script({[&] {
        TFormAbout& about = *ShownAbout();
        opened = true;
        EXPECT_EQ(about.ImageLeft->Picture()->Graphic(), nullptr);
        EXPECT_EQ(about.LabalTitle->Caption(), "Brenlow 2.1"); // done before the logo
        EXPECT_EQ(Pixel(*about.ImageLeft, 85, 60), ColorToRGB(clWhite));
        Headless->Key(win::VK_RETURN);
    }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_TRUE(opened);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("Portable Network Graphics"), std::string::npos) << Boxes[0];

    fs::remove(Tools / LogoFileName);
    Script({[&] { Headless->Key(win::VK_RETURN); }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_NE(Boxes[1].find(LogoFileName), std::string::npos) << Boxes[1];
}

// A FIFO named like the version file would stall the window as it opens; a folder named like
// the logo is no PNG with an invalid header but no file at all.
TEST_F(About, AFifoOrFolderInPlaceOfTheVersionFileOrLogoCountsAsMissing) {
    testsupport::TStallingFifo versionFile(Tools / VersionFileName);
    fs::create_directory(Tools / LogoFileName);
    Open();
    bool opened = false;
    Script({[&] {
        opened = true;
        EXPECT_EQ(ShownAbout()->LabalTitle->Caption(), "Brenlow ");
        Headless->Key(win::VK_RETURN);
    }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(versionFile.Rescued());
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("Is a directory"), std::string::npos) << Boxes[0];
}

// 74 bytes claiming 65535 x 65535 RGBA pixels; the image data holds a few zero rows.
constexpr unsigned char HugeClaimedLogo[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x08, 0x06, 0x00, 0x00, 0x00, 0xB6,
    0x05, 0xD9, 0x50, 0x00, 0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0x60,
    0x18, 0x05, 0xA3, 0x60, 0x14, 0x0C, 0x77, 0x00, 0x00, 0x03, 0xE8, 0x00, 0x01, 0xCE, 0x49,
    0x4C, 0x58, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// The logo area shows the middle of such an image; showing it must cost no more than the
// area does.
TEST_F(About, ALogoClaimingBillionsOfPixelsOpensLikeAnyOther) {
    std::ofstream(Tools / LogoFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(HugeClaimedLogo), sizeof HugeClaimedLogo);
    Open();
    bool opened = false;
    Script({[&] {
        TFormAbout& about = *ShownAbout();
        opened = true;
        ASSERT_NE(about.ImageLeft->Picture()->Graphic(), nullptr);
        EXPECT_EQ(about.ImageLeft->Picture()->Graphic()->Width(), 65535);
        EXPECT_EQ(Pixel(*about.ImageLeft, 85, 60), ColorToRGB(clWhite));
        Headless->Key(win::VK_RETURN);
    }});
    Window->AboutMedia1Click(Window->AboutMedia1);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(Boxes.empty());
}

} // namespace
} // namespace launchertest
