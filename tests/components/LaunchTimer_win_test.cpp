// The trigger timer on the real system: real ticks fed by real held buttons, and the pointer
// tests against real windows (the desktop's windows are stand-ins: Wine has no icon view).
#include "components/LaunchTimer.h"

#include "forms/win/Panel.h"
#include "shared/MouseButtons.h"
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include <memory>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using wintest::HeldInput;
using wintest::PointAt;
using wintest::StandIn;
using wintest::WindowComesAt;

namespace {

// One tick as the owner saw it: the first extra button's state at the tick, and what fired.
struct TickRecord {
    bool x1Down = false;
    bool clicked = false;
    bool timer = false;
};

// A trigger timer that records every tick, also the ticks it swallows.
class TRecordingTimer : public TRavoLaunchTimer {
public:
    explicit TRecordingTimer(TComponent* owner) : TRavoLaunchTimer(owner) {
        OnTimer = [this](TComponent*) { ++timers_; };
        OnMouse4BtnClick = [this](TComponent*) { ++m4_; };
        OnMouse5BtnClick = [this](TComponent*) { ++m5_; };
    }
    void Timer() override {
        const bool x1 = IsKeyDown(VK_XBUTTON1);
        const int timers = timers_, clicks = m4_ + m5_;
        TRavoLaunchTimer::Timer();
        ticks.push_back({x1, m4_ + m5_ > clicks, timers_ > timers});
    }
    [[nodiscard]] int M4() const { return m4_; }
    [[nodiscard]] int M5() const { return m5_; }

    std::vector<TickRecord> ticks;

private:
    int timers_ = 0, m4_ = 0, m5_ = 0;
};

// A stand-in window under the pointer, to press the buttons on.
class LaunchTimerTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        pad = std::make_unique<StandIn>(L"KbTriggerPad", RECT{100, 100, 400, 400});
        ASSERT_TRUE(WindowComesAt(pad->Handle(), 250, 250));
        PointAt(250, 250);
        ASSERT_TRUE(PumpUntil([] { return GetMouseButtons().Empty(); }));
    }
    void TearDown() override {
        pad.reset();
        WinTest::TearDown();
    }
    std::unique_ptr<StandIn> pad;
};

} // namespace

TEST_F(LaunchTimerTest, ConstructionValues) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    EXPECT_TRUE(t->Enabled());
    EXPECT_EQ(t->Interval(), 100u);
    EXPECT_EQ(t->LaunchMouseBtns(), TLaunchMouseBtns({lmMiddle}));
    EXPECT_FALSE(t->LaunchMouseBtnDowned());
    EXPECT_TRUE(t->InvalidClickDeskTop());
    EXPECT_TRUE(t->EffectiveClickTaskBar());
    EXPECT_FALSE(t->InCursorRgn());
}

TEST_F(LaunchTimerTest, HeldMiddleAloneIsTheCombination) {
    auto t = MakeScoped<TRecordingTimer>();
    t->SetInterval(20);
    HeldInput input;
    input.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(PumpUntil([&] { return t->LaunchMouseBtnDowned(); }));
    input.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return !t->LaunchMouseBtnDowned(); })) << "middle + left";
    input.ReleaseAll();
    const size_t seen = t->ticks.size();
    ASSERT_TRUE(PumpUntil([&] { return t->ticks.size() >= seen + 2; }));
    EXPECT_FALSE(t->LaunchMouseBtnDowned()) << "nothing held";
}

TEST_F(LaunchTimerTest, FirstExtraButtonsHoldSwallowsTicksAndItsReleaseClicks) {
    auto t = MakeScoped<TRecordingTimer>();
    t->SetInterval(20);
    ASSERT_TRUE(PumpUntil([&] { return t->ticks.size() >= 2; }));
    HeldInput input;
    input.Mouse(MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1);
    auto heldTicks = [&] {
        int n = 0;
        for (const TickRecord& r : t->ticks)
            n += r.x1Down;
        return n;
    };
    ASSERT_TRUE(PumpUntil([&] { return heldTicks() >= 4; }));
    input.ReleaseAll();
    ASSERT_TRUE(PumpUntil([&] { return t->M4() == 1; }));

    // Runs of equal ticks, each tick as the button's state (Up, Down), the click (c) and OnTimer
    // (t): before the press every tick fired OnTimer; the press fired it once; the hold nothing;
    // the release the click and then OnTimer.
    std::string runs, last;
    for (const TickRecord& r : t->ticks) {
        const std::string tick =
            std::string(r.x1Down ? "D" : "U") + (r.clicked ? "c" : "") + (r.timer ? "t" : "");
        if (tick != last)
            runs += (runs.empty() ? "" : " ") + tick;
        last = tick;
    }
    EXPECT_TRUE(runs == "Ut Dt D Uct" || runs == "Ut Dt D Uct Ut") << runs;
    EXPECT_EQ(t->M5(), 0);
}

TEST_F(LaunchTimerTest, ClickHandlerMayFreeTheTimer) {
    TRavoLaunchTimer* t = MakeOwned<TRavoLaunchTimer>(nullptr);
    t->SetInterval(20);
    bool freed = false;
    int timersAfter = 0;
    t->OnMouse4BtnClick = [&](TComponent* sender) {
        ComponentDelete()(sender);
        freed = true;
    };
    t->OnTimer = [&](TComponent*) { timersAfter += freed; };
    HeldInput input;
    input.Mouse(MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1);
    ASSERT_TRUE(PumpUntil([] { return IsKeyDown(VK_XBUTTON1); }));
    kbtest::PumpPastTimers(60);
    input.ReleaseAll();
    ASSERT_TRUE(PumpUntil([&] { return freed; }));
    kbtest::PumpPastTimers(60);
    EXPECT_EQ(timersAfter, 0);
    EXPECT_TRUE(errors.empty());
}

// ---- the pointer over the main window ----

namespace {
class InCursorTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        ASSERT_EQ(Application.MainForm(), nullptr);
        main = Application.CreateForm<TForm>();
        main->SetBounds(200, 150, 300, 200);
        main->Show();
        kbtest::BringToFront(main->Handle());
        r = kbtest::ScreenRectOf(main->Handle());
        ASSERT_TRUE(WindowComesAt(main->Handle(), r.left + 5, r.top + 5) ||
                    IsChild(main->Handle(), WindowFromPoint({r.left + 5, r.top + 5})));
    }
    void TearDown() override {
        ComponentDelete()(main);
        WinTest::TearDown();
    }
    TForm* main = nullptr;
    RECT r{};
};
} // namespace

TEST_F(InCursorTest, InsideTheMainWindowAndItsChildren) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    PointAt(r.left + 5, r.top + 5);
    EXPECT_TRUE(t->InCursor());
    EXPECT_TRUE(t->InCursorRgn());
    auto* panel = MakeChild<TPanel>(main, Rect(10, 10, 110, 60));
    const RECT p = kbtest::ScreenRectOf(panel->Handle());
    ASSERT_TRUE(WindowComesAt(panel->Handle(), p.left + 20, p.top + 20));
    PointAt(p.left + 20, p.top + 20);
    EXPECT_TRUE(t->InCursor());
    EXPECT_TRUE(t->InCursorRgn());
}

TEST_F(InCursorTest, BorderAndOutsideDoNotCount) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    PointAt(r.left + 5, r.top + 5);
    ASSERT_TRUE(t->InCursor());
    PointAt(r.left, r.top + 50);
    EXPECT_FALSE(t->InCursor());
    EXPECT_FALSE(t->InCursorRgn());
    PointAt(r.left + 50, r.top);
    EXPECT_FALSE(t->InCursor());
    PointAt(r.right - 1, r.bottom - 1);
    EXPECT_TRUE(t->InCursor());
    PointAt(r.right + 30, r.top + 50);
    EXPECT_FALSE(t->InCursor());
    EXPECT_FALSE(t->InCursorRgn());
}

TEST_F(InCursorTest, AnotherWindowAboveIsInsideButNotOverTheMainWindow) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    StandIn above(L"KbAboveMain", RECT{r.left + 50, r.top + 50, r.left + 150, r.top + 120});
    SetWindowPos(above.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(WindowComesAt(above.Handle(), r.left + 100, r.top + 80));
    PointAt(r.left + 100, r.top + 80);
    EXPECT_TRUE(t->InCursor());
    EXPECT_FALSE(t->InCursorRgn());
}

TEST_F(LaunchTimerTest, WithoutAMainWindowThePointerIsNeverInside) {
    ASSERT_EQ(Application.MainForm(), nullptr);
    auto t = MakeScoped<TRavoLaunchTimer>();
    EXPECT_FALSE(t->InCursor());
    EXPECT_FALSE(t->InCursorRgn());
}

// ---- where a combination counts ----

namespace {
class AgreeTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        ASSERT_EQ(FindWindowW(L"Progman", nullptr), nullptr) << "the test desktop has no shell";
        desktop = std::make_unique<wintest::StandInDesktop>();
        ASSERT_TRUE(desktop->Ready(700, 300));
        bar = kbtest::ScreenRectOf(FindWindowW(L"Shell_TrayWnd", nullptr));
    }
    void TearDown() override {
        desktop.reset();
        WinTest::TearDown();
    }
    void PointAtTaskbar() { PointAt((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2); }

    std::unique_ptr<wintest::StandInDesktop> desktop;
    RECT bar{};
};
} // namespace

TEST_F(AgreeTest, DesktopAndTaskbarCountAndTheTaskbarCanBeExcluded) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    StandIn window(L"KbOtherProgram", RECT{100, 100, 300, 300});
    ASSERT_TRUE(WindowComesAt(window.Handle(), 200, 200));
    PointAt(700, 300);
    EXPECT_TRUE(t->Agree());
    PointAtTaskbar();
    EXPECT_TRUE(t->Agree());
    PointAt(200, 200);
    EXPECT_FALSE(t->Agree());
    t->SetEffectiveClickTaskBar(false);
    PointAtTaskbar();
    EXPECT_FALSE(t->Agree());
    PointAt(700, 300);
    EXPECT_TRUE(t->Agree());
}

TEST_F(AgreeTest, AnywhereWhenTheDesktopRuleIsOff) {
    auto t = MakeScoped<TRavoLaunchTimer>();
    t->SetInvalidClickDeskTop(false);
    StandIn window(L"KbOtherProgram", RECT{100, 100, 300, 300});
    ASSERT_TRUE(WindowComesAt(window.Handle(), 200, 200));
    PointAt(200, 200);
    EXPECT_TRUE(t->Agree());
}
