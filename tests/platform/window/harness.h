#pragma once
// Shared helpers of the window-system tests: a headless session per test, a window
// procedure that records what it receives, and a message pump.

#include "platform/window/headless.h"
#include "platform/window/window.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace wintest {

using namespace win;

using TLog = std::vector<std::string>;

// The name of a message the tests follow; empty for others, which are not recorded.
std::string MessageName(UINT message);

// The entries of a log that name one of the messages.
TLog Only(const TLog& log, std::initializer_list<const char*> messages);

// Records "name MESSAGE" for each followed message in a log shared by several windows and
// keeps the last parameters of every message; a handler can take a message over.
class TRecorder : public TWindowProcedure {
public:
    using THandler = std::function<LRESULT(HWND, WPARAM, LPARAM)>;

    TRecorder(std::string name, TLog& log) : FName(std::move(name)), FLog(log) {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    std::map<UINT, THandler> Handlers;
    std::map<UINT, MSG> Last;
    int Count(UINT message) const;

private:
    std::string FName;
    TLog& FLog;
    std::map<UINT, int> FCounts;
};

// Paints the whole update area in one colour.
void PaintWith(TRecorder& recorder, gdi::COLORREF colour);

class TWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A captioned top-level window whose client area lies at `client` on the screen.
    HWND TopLevel(TRecorder& recorder, RECT client, DWORD style = WS_CAPTION | WS_SYSMENU,
                  HWND owner = nullptr, const char* className = "Plain");
    HWND Child(TRecorder& recorder, HWND parent, RECT rect, DWORD style = WS_VISIBLE,
               DWORD exStyle = 0, const char* className = "Plain");
    // Retrieves and dispatches whatever can be retrieved without waiting.
    void Pump();
    // Scripts the idle hook with steps, one per call; after the last step the hook does
    // nothing, so a loop that still waits ends the test with EMessageLoopBlocked.
    void Script(std::vector<std::function<void()>> steps);

    THeadless* Headless = nullptr;
    TLog Log;

private:
    std::vector<std::function<void()>> FSteps;
    std::size_t FNextStep = 0;
};

} // namespace wintest
