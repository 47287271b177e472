#pragma once
// Shared helpers of the control tests: a headless session per test with the GUI layer's
// classes registered, forms placed at known screen positions, input at control coordinates,
// pixels read at control coordinates, and message boxes answered (and recorded) whenever a
// message loop waits.

#include "gui/forms/application.h"
#include "gui/forms/customform.h"
#include "gui/forms/screen.h"
#include "platform/window/headless.h"
#include "platform/window/window.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guitest {

class TGuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Ends the session and starts another whose window surfaces have the given scale.
    void Restart(int deviceScale);

    // A visible form owned by the application (the first one is the main form), its client
    // area of the given size at screen position (100, 100).
    TForm* NewForm(int clientWidth = 300, int clientHeight = 200);
    // Creates a control of class T on parent with the given bounds.
    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* control = new T(GetParentForm(parent));
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }

    // Handles every waiting message.
    void Pump();
    // Runs steps one per idle moment of a waiting message loop, after any message box on
    // screen has been answered. A step must leave something for the loop to retrieve (input,
    // a posted message), so steps queue input rather than pump it.
    void Script(std::vector<std::function<void()>> steps);
    void QueueClick(const TControl& control, int x, int y);

    // Input at a point of a control's client area.
    void MoveTo(const TControl& control, int x, int y);
    void Click(const TControl& control, int x, int y);
    void Press(const TControl& control, int x, int y);
    void Release();
    void Key(win::UINT key);
    // A key pressed while another is held (Shift+Tab, Alt+O).
    void Chord(win::UINT held, win::UINT key);

    // A pixel at a point of a control's client area, as shown on screen.
    gdi::COLORREF Pixel(const TControl& control, int x, int y) const;

    win::THeadless* Headless = nullptr;
    // The texts of the message boxes answered so far.
    std::vector<std::string> Boxes;
    // Called with each message box before it is answered.
    std::function<void(win::HWND box)> OnBox;

private:
    void Idle();

    std::vector<std::function<void()>> FSteps;
    std::size_t FNextStep = 0;
    int FDeviceScale = 1;
};

// The message box on screen, if any.
win::HWND MessageBoxOnScreen();

} // namespace guitest
