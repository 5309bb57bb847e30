// The application's pump, its message filter, activation, timers and ordinary hints.
#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/HintWindow.h"
#include "forms/win/Panel.h"
#include "forms/win/Timer.h"

#include <atomic>

using namespace forms;
using kbtest::PumpUntil;

using ApplicationTest = WinTest;

TEST_F(ApplicationTest, MessageFilterSeesThreadMessagesAndCanStopThem) {
    auto f = ShownForm();
    std::vector<UINT> seen;
    Application.OnMessage = [&](MSG& m, bool& handled) {
        if (m.message == WM_APP || m.message == WM_APP + 1) {
            seen.push_back(m.message);
            handled = m.message == WM_APP + 1;
        }
    };
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    PostMessageW(f->Handle(), WM_APP + 1, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP, WM_APP + 1}));
}

TEST_F(ApplicationTest, FilterMayDetachItself) {
    int calls = 0;
    Application.OnMessage = [&](MSG&, bool&) {
        ++calls;
        Application.OnMessage = nullptr;
    };
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(calls, 1);
}

TEST_F(ApplicationTest, ErrorInTheFilterIsCaught) {
    Application.OnMessage = [](MSG& m, bool&) {
        if (m.message == WM_APP)
            throw Exception("フィルタ");
    };
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    kbtest::PumpPosted();
    EXPECT_EQ(errors, (std::vector<std::string>{"フィルタ"}));
}

TEST_F(ApplicationTest, ActivationEventsFollowTheApplication) {
    auto f = ShownForm();
    std::vector<std::string> events;
    Application.OnActivate = [&](TComponent*) { events.push_back("activate"); };
    Application.OnDeactivate = [&](TComponent*) { events.push_back("deactivate"); };
    const bool wasActive = Application.Active();
    SendMessageW(f->Handle(), WM_ACTIVATEAPP, !wasActive, 0);
    SendMessageW(f->Handle(), WM_ACTIVATEAPP, wasActive, 0);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(Application.Active(), wasActive);
}

TEST_F(ApplicationTest, TimerTicksWhileEnabled) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TComponent*) { ++ticks; };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    const int stopped = ticks;
    kbtest::PumpPastTimers(50); // several of its ticks would have been due
    EXPECT_EQ(ticks, stopped);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    kbtest::PumpPastTimers(50);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(ApplicationTest, TickDuringItsOwnHandlerIsDropped) {
    TTimer timer(nullptr);
    timer.SetInterval(5);
    int depth = 0, maxDepth = 0, ticks = 0;
    timer.OnTimer = [&](TComponent*) {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1)
            kbtest::PumpPastTimers(30); // several ticks are due meanwhile
        --depth;
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(ApplicationTest, TimersTickInsideASystemBox) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    std::atomic<int> ticks{0};
    timer.OnTimer = [&](TComponent*) { ++ticks; };
    kbtest::WindowDriver driver(L"#32770", [&](HWND box) {
        kbtest::WaitUntil([&] { return ticks >= 3; }, 3000);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(nullptr, L"tick", L"box", MB_OK);
    EXPECT_GE(ticks.load(), 3);
}

TEST_F(ApplicationTest, ErrorInATimerIsCaught) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [&](TComponent*) {
        timer.SetEnabled(false);
        throw Exception("タイマー");
    };
    ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors.front(), "タイマー");
}

TEST_F(ApplicationTest, ErrorBoxIsCaptionedWithTheTitle) {
    Application.OnException = nullptr;
    Application.SetTitle("テスト題名");
    std::string caption, text;
    kbtest::WindowDriver driver(L"#32770", [&](HWND box) {
        caption = kbtest::WindowText(box);
        if (kbtest::FindChildWindow(box, L"Static", "箱のエラー"))
            text = "箱のエラー";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    try {
        throw Exception("箱のエラー");
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    EXPECT_EQ(caption, "テスト題名");
    EXPECT_EQ(text, "箱のエラー");
}

TEST_F(ApplicationTest, HintShowsTheShortPartOverTheControl) {
    auto f = ShownForm(200, 150);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetBounds(10, 10, 100, 60);
    panel->SetHint("短いヒント|長い説明");
    panel->SetShowHint(true);
    panel->SetParent(f.get());
    Application.HintPause = 20;
    THintInfo seen;
    Application.OnShowHint = [&](std::string& text, bool&, THintInfo& info) {
        seen = info;
        text += "!";
    };
    kbtest::MoveMouseTo(panel->Handle(), 30, 30);
    ASSERT_TRUE(PumpUntil(
        [] { return Application.HintWindow() && Application.HintWindow()->IsHintVisible(); }));
    THintWindow* hint = Application.HintWindow();
    EXPECT_EQ(kbtest::WindowText(hint->Handle()), "短いヒント!");
    EXPECT_EQ(kbtest::ClassNameOf(hint->Handle()), L"THintWindow");
    EXPECT_TRUE(GetWindowLongW(hint->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(seen.HintControl, panel);
    EXPECT_NE(GetForegroundWindow(), hint->Handle());
    kbtest::ClickAt(panel->Handle(), 30, 30);
    EXPECT_TRUE(PumpUntil([&] { return !hint->IsHintVisible(); }));
    Application.HintPause = 100;
}

TEST_F(ApplicationTest, HintPauseEndingWithThePointerElsewhereStartsAgainOnItsReturn) {
    auto f = ShownForm(200, 150);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetBounds(10, 10, 100, 60);
    panel->SetHint("ヒント");
    panel->SetShowHint(true);
    panel->SetParent(f.get());
    Application.HintPause = 20;
    bool offThePanel = false;
    f->OnMouseMove = [&](TComponent*, TShiftState, int x, int y) {
        offThePanel = x == 150 && y == 120;
    };
    kbtest::MoveMouseTo(f->Handle(), 150, 120);
    ASSERT_TRUE(PumpUntil([&] { return offThePanel; }));
    // A move that the pointer is no longer at when the pause ends (it left to another program).
    PostMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    kbtest::PumpPosted();
    kbtest::PumpPastTimers(Application.HintPause * 2); // the pause has ended by then
    EXPECT_FALSE(Application.HintWindow() && Application.HintWindow()->IsHintVisible());
    kbtest::MoveMouseTo(panel->Handle(), 30, 30);
    EXPECT_TRUE(PumpUntil(
        [] { return Application.HintWindow() && Application.HintWindow()->IsHintVisible(); }));
    Application.HintPause = 100;
}

TEST_F(ApplicationTest, ControlWithoutHintText_ShowsWhatTheHandlerGives) {
    auto f = ShownForm(200, 150);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetBounds(10, 10, 100, 60);
    panel->SetShowHint(true);
    panel->SetParent(f.get());
    Application.HintPause = 10;
    std::string given;
    int asked = 0;
    Application.OnShowHint = [&](std::string& text, bool&, THintInfo&) {
        ++asked;
        text = given;
    };
    // Left empty: nothing shows.
    kbtest::MoveMouseTo(panel->Handle(), 20, 20);
    ASSERT_TRUE(PumpUntil([&] { return asked > 0; }));
    EXPECT_FALSE(Application.HintWindow() && Application.HintWindow()->IsHintVisible());
    given = "ハンドラの文";
    kbtest::MoveMouseTo(f->Handle(), 150, 120);
    kbtest::MoveMouseTo(panel->Handle(), 30, 30);
    ASSERT_TRUE(PumpUntil(
        [] { return Application.HintWindow() && Application.HintWindow()->IsHintVisible(); }));
    EXPECT_EQ(kbtest::WindowText(Application.HintWindow()->Handle()), "ハンドラの文");
    Application.HintPause = 100;
}

TEST_F(ApplicationTest, ShowHintHandlerCanRefuse) {
    auto f = ShownForm(200, 150);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetHint("ヒント");
    panel->SetShowHint(true);
    panel->SetParent(f.get());
    Application.HintPause = 10;
    int asked = 0;
    Application.OnShowHint = [&](std::string&, bool& canShow, THintInfo&) {
        ++asked;
        canShow = false;
    };
    kbtest::MoveMouseTo(panel->Handle(), 20, 20);
    EXPECT_TRUE(PumpUntil([&] { return asked > 0; }));
    EXPECT_FALSE(Application.HintWindow() && Application.HintWindow()->IsHintVisible());
    Application.HintPause = 100;
}

TEST_F(ApplicationTest, HintRectangleAddsItsMargins) {
    THintWindow hint(nullptr);
    const TRect r = hint.CalcHintRect(1000, "ヒント");
    TCanvas& c = hint.Canvas();
    c.Font().Assign(hint.Font());
    EXPECT_EQ(r.Width(), c.TextWidth("ヒント") + 6);
    EXPECT_EQ(r.Height(), c.TextHeight("ヒント") + 2);
}

TEST_F(ApplicationTest, HintWindowKnowsWhereTheSystemShowsIt) {
    THintWindow hint(nullptr);
    EXPECT_FALSE(hint.Visible());
    const TRect r = Bounds(40, 50, 120, 30);
    hint.ActivateHint(r, "ヒント");
    EXPECT_TRUE(hint.Visible());
    EXPECT_TRUE(hint.IsHintVisible());
    EXPECT_EQ(hint.BoundsRect(), r);
    EXPECT_EQ(kbtest::ScreenRectOf(hint.Handle()).left, 40);
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.Visible());
    EXPECT_FALSE(hint.HandleAllocated());
}
