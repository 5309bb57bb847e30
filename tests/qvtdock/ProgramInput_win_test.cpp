// The launcher program's input from outside: a copy of qvtdock.exe started by the cross-process
// driver is dragged by its title bar with real input, then ended by the title bar's click when
// the settings make that the quit action, and the settings file keeps where the window went.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtdock/LauncherProgramTest.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"

#include <gtest/gtest.h>

#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;

namespace {

constexpr int kWaitMs = 15000;
// A point of the title bar left of the lock button, in the window's client coordinates.
constexpr POINT kTitlePoint{4, 14};

void SendButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

// A press at the screen point would reach the window: no other window stands over it there.
bool PointLandsOn(HWND window, POINT p) {
    return GetAncestor(WindowFromPoint(p), GA_ROOT) == window;
}

// The thread runs the system's loop that moves a window.
bool InMoveLoop(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE);
}

class ProgramInputTest : public LauncherProgramTest<> {
protected:
    ProgramInputTest() : LauncherProgramTest(true, Ending::kill) {}

    // Starts the launcher on these pages and settings and waits until its title bar is laid out.
    HWND StartLaidOut(const std::vector<int>& counts, const std::string& ini) {
        WriteData(counts, ini);
        const HWND main = StartLauncher();
        if (!main)
            return nullptr;
        const bool laidOut = kbtest::WaitUntil([&] { return TitleBarLaidOut(main); }, kWaitMs);
        return laidOut ? main : nullptr;
    }
};

} // namespace

TEST_F(ProgramInputTest, TitleBarDrag_MovesTheWindow_QuitActionSavesWhereItWent) {
    const HWND main =
        StartLaidOut({10}, "[Bounds]\r\nLeft=100\r\nTop=100\r\n[MouseBtnAction]\r\nLeft=10\r\n");
    ASSERT_NE(main, nullptr);
    // Nothing of this program calls the window yet: it is shown from outside.
    ShowWindow(main, SW_SHOW);
    kbtest::BringToFront(main);
    ASSERT_EQ(kbtest::ScreenRectOf(main).left, 100);
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);

    POINT p = kTitlePoint;
    ClientToScreen(main, &p);
    kbtest::MovePointerTo(p.x, p.y);
    // A window of an earlier test's program may still be closing over the point.
    ASSERT_TRUE(kbtest::WaitUntil([&] { return PointLandsOn(main, p); }, kWaitMs));
    SendButton(MOUSEEVENTF_LEFTDOWN);
    // One pixel, straight: the drag starts where the pointer is, not on a detour.
    SetCursorPos(p.x + 1, p.y + 1);
    ASSERT_TRUE(kbtest::WaitUntil([&] { return InMoveLoop(thread); }, kWaitMs));
    // The system's move loop takes the pointer's moves itself.
    SetCursorPos(p.x + 41, p.y + 31);
    ASSERT_TRUE(kbtest::WaitUntil([&] { return kbtest::ScreenRectOf(main).left == 140; }));
    SendButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(kbtest::WaitUntil([&] { return !InMoveLoop(thread); }, kWaitMs));
    ASSERT_TRUE(kbtest::WaitUntil([&] { return kbtest::ScreenRectOf(main).left == 140; }));
    EXPECT_EQ(kbtest::ScreenRectOf(main).top, 130);

    // A click of the title bar quits.
    POINT q = kTitlePoint;
    ClientToScreen(main, &q);
    kbtest::MovePointerTo(q.x, q.y);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(process->WaitForExit(kWaitMs), 0u);
    const std::string ini = kbtest::ReadBytes(IniFile());
    EXPECT_NE(ini.find("[Bounds]\r\nLeft=140\r\nTop=130\r\n"), std::string::npos) << ini;
}
