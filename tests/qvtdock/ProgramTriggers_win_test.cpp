// The launcher program's triggers from outside, with real input in the shell desktop: a copy of
// qvtdock.exe started by the cross-process driver pops up on the middle button over the taskbar
// or the desktop once per hold, on a screen edge or corner while no button is held, on its hot
// key and on a tray click, and hides and unlocks on a suspend.
//
// That something does not happen can only be seen by waiting: those checks give the launcher
// several of its 100 ms ticks (kQuietMs), and where they can they end on a step that must then
// show the window, so that a launcher that stopped looking fails too.
#include "qvtdock/MainFormTesting.h"

#include "components/TrayNotifier.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtdock/LauncherProgramTest.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;

namespace {

constexpr int kWaitMs = 15000;
// Six ticks of the trigger timer.
constexpr int kQuietMs = 600;
// The width the settings below give the window: 10 buttons of 32 pixels.
constexpr int kClientWidth = 320;
constexpr int kShowHotKeyId = 993;

class ProgramTriggersTest : public LauncherProgramTest<WinTest> {
protected:
    void SetUp() override {
        LauncherProgramTest::SetUp();
        wintest::PointAt(512, 300);
    }

    // Starts the launcher with one page and these settings lines (the window 320 pixels wide) and
    // waits until start-up has laid out the title bar. The lines turn RunHide off: Wine now and
    // then leaves no window in front after a show, and a launcher hidden for losing the activation
    // would turn the test's next hide into a show.
    void Start(std::initializer_list<std::string_view> ini) {
        WriteData({10}, Lines({"[Visible]", "BtnSize=32", "FormSize=10"}) + Lines(ini));
        main = StartLauncher();
        ASSERT_NE(main, nullptr);
        const bool laidOut = kbtest::PumpUntil(
            [&] {
                RECT client{};
                GetClientRect(main, &client);
                return client.right == kClientWidth && TitleBarLaidOut(main);
            },
            kWaitMs);
        ASSERT_TRUE(laidOut);
        ASSERT_FALSE(IsWindowVisible(main));
    }

    bool Shown() const { return IsWindowVisible(main) != FALSE; }
    bool ComesUp() {
        return kbtest::PumpUntil([&] { return Shown(); }, kWaitMs);
    }
    bool GoesAway() {
        return kbtest::PumpUntil([&] { return !Shown(); }, kWaitMs);
    }
    bool StaysHidden() {
        return !kbtest::PumpUntil([&] { return Shown(); }, kQuietMs);
    }

    // The hot-key message straight to the window: hides it whatever the keyboard does.
    void HideByMessage() {
        ASSERT_TRUE(Shown()) << "the launcher hid itself before the test did";
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main, WM_HOTKEY, kShowHotKeyId, 0, SMTO_NORMAL, kWaitMs, &result);
        ASSERT_TRUE(GoesAway());
    }
    void PressHotKey() {
        wintest::HeldInput held;
        held.Key(VK_CONTROL);
        held.Key(VK_MENU);
        kbtest::PressKey('L');
    }

    // A point well inside the taskbar, away from its buttons and the notification area; none
    // without a taskbar.
    static std::optional<POINT> TaskbarPoint() {
        const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        RECT r{};
        if (!taskbar || !GetWindowRect(taskbar, &r) || r.right - r.left < 100 ||
            r.bottom - r.top < 10)
            return std::nullopt;
        return POINT{r.left + (r.right - r.left) * 6 / 10, (r.top + r.bottom) / 2};
    }

    HWND main = nullptr;
};

constexpr DWORD kMiddleDown = MOUSEEVENTF_MIDDLEDOWN, kMiddleUp = MOUSEEVENTF_MIDDLEUP;
constexpr char kNotUse[] = "ランチャー呼び出し不可(&N)";
constexpr char kLock[] = "ランチャーをロック(&L)";

} // namespace

// ---- The middle button -------------------------------------------------------------------------

TEST_F(ProgramTriggersTest, MiddleButtonOverTheTaskbar_ShowsOncePerHold) {
    const std::optional<POINT> bar = TaskbarPoint();
    if (!bar)
        GTEST_SKIP() << "no taskbar in this desktop";
    Start({"[Mouse]", "Revision=0", "RunHide=0"});
    wintest::PointAt(bar->x, bar->y);
    {
        wintest::HeldInput held;
        held.Mouse(kMiddleDown, kMiddleUp);
        ASSERT_TRUE(ComesUp());
        // Hidden while the same hold goes on, it stays hidden.
        HideByMessage();
        EXPECT_TRUE(StaysHidden());
    }
    // A release counts once a tick has seen it, and releasing shows nothing.
    EXPECT_TRUE(StaysHidden());
    wintest::HeldInput again;
    again.Mouse(kMiddleDown, kMiddleUp);
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, MiddleButtonOverAnotherWindow_NothingUntilTheHoldReachesTheTaskbar) {
    const std::optional<POINT> bar = TaskbarPoint();
    if (!bar)
        GTEST_SKIP() << "no taskbar in this desktop";
    Start({"[Mouse]", "Revision=0", "RunHide=0"});
    wintest::StandIn other(L"KbOtherProgram", {300, 200, 600, 400});
    wintest::PointAt(450, 300);
    ASSERT_TRUE(wintest::WindowComesAt(other.Handle(), 450, 300));
    wintest::HeldInput held;
    held.Mouse(kMiddleDown, kMiddleUp);
    EXPECT_TRUE(StaysHidden());
    wintest::PointAt(bar->x, bar->y);
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, InvalidClickDeskTopOff_MiddleButtonOverAnotherWindowShows) {
    Start({"[Mouse]", "InvalidClickDeskTop=0", "Revision=0", "RunHide=0"});
    wintest::StandIn other(L"KbOtherProgram", {300, 200, 600, 400});
    wintest::PointAt(450, 300);
    ASSERT_TRUE(wintest::WindowComesAt(other.Handle(), 450, 300));
    wintest::HeldInput held;
    held.Mouse(kMiddleDown, kMiddleUp);
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, MiddleButtonOverTheDesktopsIconView_Shows) {
    Start({"[Mouse]", "Revision=0", "RunHide=0"});
    wintest::StandInDesktop desktop;
    wintest::PointAt(400, 300);
    ASSERT_TRUE(desktop.Ready(400, 300));
    wintest::HeldInput held;
    held.Mouse(kMiddleDown, kMiddleUp);
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, MiddleButtonWhileShownButInactive_BringsItForwardWhereItIs) {
    const std::optional<POINT> bar = TaskbarPoint();
    if (!bar)
        GTEST_SKIP() << "no taskbar in this desktop";
    Start({"[Mouse]", "Revision=0", "RunHide=0", "[Key]", "Show=Ctrl+Alt+L", "ShowPos=2"});
    PressHotKey();
    ASSERT_TRUE(ComesUp());
    const RECT before = kbtest::ScreenRectOf(main);
    auto other = ShownForm();
    // Inactive is what counts: under load Wine sometimes leaves no window in front instead of the
    // other one.
    ASSERT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() != main; }));
    wintest::PointAt(bar->x, bar->y);
    // Wine's taskbar can take the focus back when it gets to the press after the launcher did:
    // the user's next hold brings the launcher forward again.
    bool forward = false;
    for (int hold = 0; hold < 3 && !forward; ++hold) {
        wintest::HeldInput held;
        held.Mouse(kMiddleDown, kMiddleUp);
        forward = kbtest::PumpUntil([&] { return GetForegroundWindow() == main; }, kWaitMs / 3);
    }
    EXPECT_TRUE(forward);
    const RECT after = kbtest::ScreenRectOf(main);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

// ---- Screen edges and corners ------------------------------------------------------------------

TEST_F(ProgramTriggersTest, EdgeAndCorner_ShowTheHiddenWindow) {
    Start({"[Mouse]", "RectPopUp=1", "Revision=0", "ShowPos=2", "RunHide=0"});
    wintest::PointAt(0, 384); // the left edge
    ASSERT_TRUE(ComesUp());
    wintest::PointAt(512, 200);
    HideByMessage();
    EXPECT_TRUE(StaysHidden());
    wintest::PointAt(1021, 2); // the top-right corner
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, Edge_IgnoredWhileAButtonIsHeld_CountsOnceItIsLetGo) {
    Start({"[Mouse]", "RectPopUp=1", "Revision=0", "ShowPos=2", "RunHide=0"});
    wintest::StandIn pad(L"KbPad", {400, 150, 600, 250});
    wintest::PointAt(500, 200);
    ASSERT_TRUE(wintest::WindowComesAt(pad.Handle(), 500, 200));
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    wintest::PointAt(0, 384);
    EXPECT_TRUE(StaysHidden());
    held.ReleaseAll();
    EXPECT_TRUE(ComesUp());
}

// ---- The hot key and the tray icon -------------------------------------------------------------

TEST_F(ProgramTriggersTest, HotKey_ShowsAndHides) {
    Start({"[Mouse]", "RunHide=0", "[Key]", "Show=Ctrl+Alt+L", "ShowPos=2"});
    PressHotKey();
    ASSERT_TRUE(ComesUp());
    PressHotKey();
    EXPECT_TRUE(GoesAway());
}

TEST_F(ProgramTriggersTest, HotKeyWithAnEmptyText_Nothing) {
    Start({"[Mouse]", "RunHide=0", "[Key]", "Show="});
    PressHotKey();
    EXPECT_TRUE(StaysHidden());
}

TEST_F(ProgramTriggersTest, CallingDisabled_NeitherHotKeyNorTrayClick_UntilItIsEnabledAgain) {
    Start({"[Mouse]", "RunHide=0", "[Key]", "Show=Ctrl+Alt+L", "ShowPos=2"});
    TrayMenu(main, kNotUse);
    PressHotKey();
    EXPECT_TRUE(StaysHidden());
    TrayNotify(main, WM_LBUTTONDOWN);
    TrayNotify(main, WM_LBUTTONUP);
    EXPECT_TRUE(StaysHidden());
    EXPECT_TRUE(Checked(TrayMenu(main, kNotUse), kNotUse));
    PressHotKey();
    EXPECT_TRUE(ComesUp());
}

TEST_F(ProgramTriggersTest, TrayClick_ShowsAndHides) {
    Start({"[Mouse]", "ShowPos=2", "Revision=0", "RunHide=0"});
    TrayNotify(main, WM_LBUTTONDOWN);
    TrayNotify(main, WM_LBUTTONUP);
    ASSERT_TRUE(ComesUp());
    TrayNotify(main, WM_LBUTTONDOWN);
    TrayNotify(main, WM_LBUTTONUP);
    EXPECT_TRUE(GoesAway());
}

// ---- Power events ------------------------------------------------------------------------------

TEST_F(ProgramTriggersTest, QuerySuspendThenSuspend_ResultZeroHiddenAndUnlocked) {
    Start({"[Mouse]", "RunHide=0", "[Key]", "Show=Ctrl+Alt+L", "ShowPos=2"});
    TrayMenu(main, kLock);
    PressHotKey();
    ASSERT_TRUE(ComesUp());
    for (const WPARAM code : {WPARAM{0}, WPARAM{4}}) {
        DWORD_PTR result = 99;
        ASSERT_TRUE(
            SendMessageTimeoutW(main, WM_POWERBROADCAST, code, 0, SMTO_NORMAL, kWaitMs, &result));
        EXPECT_EQ(result, 0u) << code;
        EXPECT_FALSE(Shown()) << code;
    }
    if (const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        EXPECT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() == taskbar; }));
    }
    EXPECT_FALSE(Checked(TrayMenu(main, ""), kLock));
}
