#include "fixture.h"

#include "gui/registration.h"

namespace guitest {

win::HWND MessageBoxOnScreen() {
    return win::FindWindow(win::MessageBoxClass, nullptr);
}

void TGuiTest::SetUp() {
    Headless = &win::UseHeadlessBackend(FDeviceScale);
    Headless->SetIdleHook([this] { Idle(); });
    RegisterGuiClasses();
    Application.Initialize();
    Application.SetTitle("Tests");
    Screen.SetCursor(crDefault);
}

void TGuiTest::TearDown() {
    Application.DestroyComponents();
    Screen.SetCursor(crDefault);
    win::Shutdown();
}

void TGuiTest::Restart(int deviceScale) {
    TearDown();
    FDeviceScale = deviceScale;
    SetUp();
}

TForm* TGuiTest::NewForm(int clientWidth, int clientHeight) {
    TForm* form = Application.CreateForm<TForm>();
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    const TPoint origin = form->ClientOrigin();
    form->SetBounds(form->Left() + 100 - origin.X, form->Top() + 100 - origin.Y, form->Width(),
                    form->Height());
    form->Show();
    Pump();
    return form;
}

void TGuiTest::Pump() {
    Application.ProcessMessages();
}

void TGuiTest::Script(std::vector<std::function<void()>> steps) {
    FSteps = std::move(steps);
    FNextStep = 0;
}

void TGuiTest::Idle() {
    if (const win::HWND box = MessageBoxOnScreen()) {
        if (OnBox)
            OnBox(box);
        Boxes.push_back(win::GetWindowText(win::GetDlgItem(box, win::IDC_STATIC_TEXT)));
        Headless->Key(win::VK_RETURN);
        return;
    }
    if (FNextStep < FSteps.size())
        FSteps[FNextStep++]();
}

void TGuiTest::MoveTo(const TControl& control, int x, int y) {
    const TPoint point = control.ClientToScreen({x, y});
    Headless->MouseMove(point.X, point.Y);
    Pump();
}

void TGuiTest::QueueClick(const TControl& control, int x, int y) {
    const TPoint point = control.ClientToScreen({x, y});
    Headless->Click(point.X, point.Y, win::VK_LBUTTON);
}

void TGuiTest::Click(const TControl& control, int x, int y) {
    QueueClick(control, x, y);
    Pump();
}

void TGuiTest::Press(const TControl& control, int x, int y) {
    MoveTo(control, x, y);
    Headless->MouseDown(win::VK_LBUTTON);
    Pump();
}

void TGuiTest::Release() {
    Headless->MouseUp(win::VK_LBUTTON);
    Pump();
}

void TGuiTest::Key(win::UINT key) {
    Headless->Key(key);
    Pump();
}

void TGuiTest::Chord(win::UINT held, win::UINT key) {
    Headless->KeyDown(held);
    Headless->Key(key);
    Headless->KeyUp(held);
    Pump();
}

gdi::COLORREF TGuiTest::Pixel(const TControl& control, int x, int y) const {
    if (const auto* windowed = dynamic_cast<const TWinControl*>(&control))
        return Headless->Pixel(windowed->WindowHandle(), x, y);
    return Pixel(*control.Parent(), control.Left() + x, control.Top() + y);
}

} // namespace guitest
