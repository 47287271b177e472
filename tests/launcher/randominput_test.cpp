// Random input against the main window, its help menu and the About window, through the
// program's own message loops: fixed seeds and 30,000 actions in all. The tool programs and
// the web opener are missing, so every launch and every link ends in the shell's report; any
// other message box is an error that escaped a handler. Whenever the loops are idle and no
// button is held, the windows must be in a state the launcher can be in, and each time the
// program ends it must have given back every window, device context and drawing object it
// took.

#include "gui/menus/menuwindow.h"
#include "launcher/aboutform.h"
#include "launcher/catalogue.h"
#include "launcher/waitcursor.h"
#include "mainwindow.h"
#include "platform/shell/shell.h"

#include <array>
#include <ostream>
#include <random>

namespace launchertest {
namespace {

namespace fs = std::filesystem;

constexpr win::UINT Keys[] = {win::VK_UP,    win::VK_DOWN,   win::VK_LEFT,   win::VK_RIGHT,
                              win::VK_HOME,  win::VK_END,    win::VK_PRIOR,  win::VK_NEXT,
                              win::VK_TAB,   win::VK_RETURN, win::VK_ESCAPE, win::VK_SPACE,
                              win::VK_SHIFT, win::VK_MENU,   win::VK_CONTROL};
constexpr const char* Characters[] = {"b", "o", "u", "B", "x", " "};

// What the program holds of the platform.
struct THeld {
    gdi::TLiveObjects Objects;
    int Windows = 0;
    bool operator==(const THeld&) const = default;
};

std::ostream& operator<<(std::ostream& out, const THeld& held) {
    const gdi::TLiveObjects& o = held.Objects;
    return out << held.Windows << " windows, " << o.Contexts << " contexts, " << o.Bitmaps
               << " bitmaps, " << o.Brushes << " brushes, " << o.Pens << " pens, " << o.Fonts
               << " fonts, " << o.Palettes << " palettes";
}

THeld Held() {
    return {gdi::LiveObjects(), win::LiveWindows()};
}

class RandomInput : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        fs::copy_file(fs::path(BRENLOW_ASSETS_DIR) / LogoFileName, Tools / LogoFileName);
        fs::copy_file(fs::path(BRENLOW_ASSETS_DIR) / VersionFileName, Tools / VersionFileName);
        shell::SetOpener((Tools / "no-opener").string());
        Headless->SetIdleHook([this] { Idle(); });
    }

    void TearDown() override {
        shell::SetOpener("xdg-open");
        TMainWindowTest::TearDown();
    }

    // Runs the program until `actions` random actions are done, starting it again whenever
    // the user closed it; returns how often it was started.
    int Session(unsigned seed, int actions) {
        FRandom.seed(seed);
        FActionsLeft = actions;
        int runs = 0;
        while (FActionsLeft > 0 && !HasFailure()) {
            const THeld before = Held();
            Open();
            ++runs;
            Application.Run();
            Application.DestroyComponents();
            Window = nullptr;
            EXPECT_EQ(Held(), before) << "seed " << seed << ", run " << runs;
            Application.Initialize();
        }
        return runs;
    }

    // Boxes that were not the shell's report of a missing program or opener.
    std::vector<std::string> ErrorBoxes() const {
        std::vector<std::string> errors;
        for (const std::string& box : Boxes)
            if (box.rfind("Cannot find '", 0) != 0 && box.rfind("Cannot open '", 0) != 0)
                errors.push_back(box);
        return errors;
    }

    // Whether the help menu and the About window showed in any session: the walk is only
    // worth something if it reaches them.
    bool MenuSeen = false;
    bool AboutSeen = false;

private:
    void Idle() {
        if (const win::HWND box = guitest::MessageBoxOnScreen()) {
            if (box != FLastBox)
                Boxes.push_back(win::GetWindowText(win::GetDlgItem(box, win::IDC_STATIC_TEXT)));
            else if (++FBoxAnswers > 3)
                throw win::EMessageLoopBlocked("A message box does not close: " + Boxes.back());
            FLastBox = box;
            LetGo();
            Headless->Key(win::VK_RETURN);
            return;
        }
        FBoxAnswers = 0;
        if (win::GetKeyState(int(win::VK_LBUTTON)) >= 0)
            CheckState();
        MenuSeen |= win::FindWindow(PopupMenuWindowClass, nullptr) != nullptr;
        AboutSeen |= ShownAbout() != nullptr;
        if (HasFailure() || FActionsLeft <= 0)
            Finish();
        else
            Act();
    }

    // Ends the run: lets go of buttons and keys, dismisses the menu, closes the About window,
    // then the main window.
    void Finish() {
        LetGo();
        if (win::FindWindow(PopupMenuWindowClass, nullptr))
            Headless->Key(win::VK_ESCAPE);
        else if (TFormAbout* about = ShownAbout())
            Headless->CloseBox(about->Handle());
        else
            Headless->CloseBox(Window->Handle());
        Headless->Advance(1);
    }

    void LetGo() {
        for (win::UINT key : {win::VK_LBUTTON, win::VK_RBUTTON})
            if (win::GetKeyState(int(key)) < 0)
                Headless->MouseUp(key);
        for (win::UINT key : {win::VK_SHIFT, win::VK_MENU, win::VK_CONTROL})
            if (win::GetKeyState(int(key)) < 0)
                Headless->KeyUp(key);
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(FRandom); }

    // A point in or just around the active window (the menu when it shows).
    win::POINT SomePoint() {
        win::HWND target = win::FindWindow(PopupMenuWindowClass, nullptr);
        if (!target)
            target = win::GetActiveWindow() ? win::GetActiveWindow() : Window->Handle();
        win::RECT bounds{};
        win::GetWindowRect(target, &bounds);
        return {bounds.left - 10 + Pick(bounds.Width() + 20),
                bounds.top - 10 + Pick(bounds.Height() + 20)};
    }

    void Act() {
        --FActionsLeft;
        const win::POINT point = SomePoint();
        const std::array<win::UINT, 2> buttons{win::VK_LBUTTON, win::VK_RBUTTON};
        const int what = Pick(12);
        switch (what) {
        case 0:
        case 1:
        case 2:
            Headless->MouseMove(point.x, point.y);
            break;
        case 3:
        case 4:
            Headless->Click(point.x, point.y, win::VK_LBUTTON);
            Headless->Advance(1 + unsigned(Pick(600)));
            break;
        case 5: {
            const win::UINT button = buttons[std::size_t(Pick(2))];
            if (win::GetKeyState(int(button)) < 0)
                Headless->MouseUp(button);
            else
                Headless->MouseDown(button);
            break;
        }
        case 6:
            Headless->Wheel(Pick(5) - 2);
            break;
        case 7:
        case 8:
        case 9: {
            const win::UINT key = Keys[Pick(int(std::size(Keys)))];
            if (win::GetKeyState(int(key)) < 0)
                Headless->KeyUp(key);
            else if (key == win::VK_SHIFT || key == win::VK_MENU || key == win::VK_CONTROL)
                Headless->KeyDown(key);
            else
                Headless->Key(key);
            break;
        }
        case 10:
            Headless->Text(Characters[Pick(int(std::size(Characters)))]);
            break;
        default:
            if (Pick(8) == 0)
                Headless->CloseBox(win::GetActiveWindow() ? win::GetActiveWindow()
                                                          : Window->Handle());
            else
                Headless->Advance(1000);
            Headless->MouseMove(point.x, point.y);
            break;
        }
    }

    // What holds whenever the launcher waits for input with no button held.
    void CheckState() {
        ASSERT_NE(Window, nullptr);
        EXPECT_EQ(WaitCursorCount(), 0);
        EXPECT_EQ(Screen.Cursor(), crDefault);
        const int category = Window->ListBoxMain->ItemIndex();
        ASSERT_GE(category, 0);
        ASSERT_LT(category, catalogue::CategoryCount);
        const std::vector<std::string> texts = catalogue::EntryTexts(category, "Brenlow");
        const TListBox& tools = *Window->ListBoxData;
        ASSERT_EQ(tools.Count(), int(texts.size())) << "category " << category;
        for (int i = 0; i < tools.Count(); ++i)
            EXPECT_EQ(tools.Items()->Strings(i), texts[std::size_t(i)]);
        EXPECT_GE(tools.ItemIndex(), 0);
        EXPECT_LT(tools.ItemIndex(), tools.Count());
        int abouts = 0;
        for (int i = 0; i < Screen.FormCount(); ++i)
            abouts += dynamic_cast<TFormAbout*>(Screen.Forms(i)) ? 1 : 0;
        EXPECT_LE(abouts, 1);
        EXPECT_EQ(Screen.FormCount(), 1 + abouts);
        EXPECT_EQ(win::IsWindowEnabled(Window->Handle()), ShownAbout() == nullptr);
        EXPECT_TRUE(Window->Showing() || win::IsIconic(Window->Handle()));
    }

    std::mt19937 FRandom;
    int FActionsLeft = 0;
    win::HWND FLastBox = nullptr;
    int FBoxAnswers = 0;
};

TEST_F(RandomInput, TheWindowsStayConsistentAndNoErrorEscapes) {
    for (unsigned seed = 1; seed <= 10 && !HasFailure(); ++seed) {
        const int runs = Session(seed, 3000);
        EXPECT_GT(runs, 1) << "seed " << seed;
        EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{}) << "seed " << seed;
        Boxes.clear();
    }
    EXPECT_TRUE(MenuSeen);
    EXPECT_TRUE(AboutSeen);
}

} // namespace
} // namespace launchertest
