// The main form's window state in this process, with real input: where a show puts the window
// and the pointer, the foreground and the focus, the topmost band and the auto-hide bracket, focus
// loss and pointer leave, the lock and calling disabled with their signs, and translucency.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Files.h"
#include "forms/win/Screen.h"
#include "qvtdock/AutoHideSuspension.h"
#include "support/ProcessDriver.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace qvttest;

namespace {
constexpr uint32_t kLockIconColour = 0xC03030;
constexpr uint32_t kNoneIconColour = 0x30C060;

class WindowStateTest : public MainFormTest {
protected:
    HWND Window() { return form->Handle(); }
    bool HasExStyle(DWORD style) {
        return (static_cast<DWORD>(GetWindowLongW(Window(), GWL_EXSTYLE)) & style) != 0;
    }
    static POINT Pointer() {
        POINT p{};
        GetCursorPos(&p);
        return p;
    }
    // The middle of a control of the form, in the form's client coordinates.
    static POINT MiddleOf(const forms::TControl& c) {
        return {c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
    }
    uint32_t TrayColour() { return IconMiddle(form->TrayIcon1->CurrentIconHandle()); }

    // Another program's window takes the foreground from the launcher.
    void LoseFocusToAnotherProgram() {
        kbtest::ProcessOptions o;
        o.program = forms::ExtractFilePath(forms::ProgramPath()) + "kb_probe.exe";
        o.commandLine = "kb_probe shown";
        probe = std::make_unique<kbtest::ProcessDriver>(o);
        const HWND other = probe->WaitForWindow(L"KbProbeShown", 10000, true);
        ASSERT_TRUE(other);
        SetForegroundWindow(other);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() == other; }));
        ASSERT_TRUE(kbtest::PumpUntil([] { return !forms::Application.Active(); }));
    }

    std::unique_ptr<kbtest::ProcessDriver> probe;
};
} // namespace

// ---- Placement with the real pointer -----------------------------------------------------------

TEST_F(WindowStateTest, ShowAtThePointer_TheTitleBarComesUnderThePointer) {
    StartWith({10}, {"[Mouse]", "ShowPos=1", "Revision=1", "RevisionPoint=0"});
    wintest::PointAt(300, 300);
    form->Show();
    EXPECT_EQ(form->Left(), 296);
    EXPECT_EQ(form->Top(), 288);
    const RECT r = kbtest::ScreenRectOf(Window());
    EXPECT_EQ(r.left, 296);
    EXPECT_EQ(r.top, 288);
    EXPECT_EQ(Pointer().x, 300);
    EXPECT_EQ(Pointer().y, 300);
}

TEST_F(WindowStateTest, ShowNearTheRightEdge_ClampedAndThePointerJumpsOntoTheTitleBar) {
    StartWith({10}, {"[Mouse]", "ShowPos=1", "Revision=1", "RevisionPoint=0"});
    const RECT area = wintest::WorkArea();
    wintest::PointAt(area.right - 3, 200);
    form->Show();
    const int left = area.right - form->Width();
    EXPECT_EQ(form->Left(), left);
    EXPECT_EQ(form->Top(), 188);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Pointer().x == left + 4; }));
    EXPECT_EQ(Pointer().y, 200);
}

TEST_F(WindowStateTest, LastPositionOffScreen_ShownInsideTheWorkAreaPointerUntouched) {
    StartWith({10}, {"[Bounds]", "Left=-500", "Top=5000", "[Mouse]", "ShowPos=0", "Revision=0"});
    wintest::PointAt(500, 400);
    form->Show();
    const RECT area = wintest::WorkArea();
    EXPECT_EQ(form->Left(), area.left);
    EXPECT_EQ(form->Top(), area.bottom - form->Height());
    EXPECT_EQ(Pointer().x, 500);
    EXPECT_EQ(Pointer().y, 400);
}

TEST_F(WindowStateTest, PointerOnTheTaskbarAndSpared_WindowMovesPointerStays) {
    StartWith({10}, {"[Mouse]", "ShowPos=1", "Revision=1", "RevisionTaskBar=0", "RevisionPoint=4"});
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT bar{};
    if (!taskbar || !GetWindowRect(taskbar, &bar) || bar.right - bar.left < 10 ||
        bar.bottom - bar.top < 10)
        GTEST_SKIP() << "no taskbar in this desktop";
    const POINT spot{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    wintest::PointAt(spot.x, spot.y);
    form->Show();
    EXPECT_LE(form->Top() + form->Height(), wintest::WorkArea().bottom);
    kbtest::Pump(50);
    EXPECT_EQ(Pointer().x, spot.x);
    EXPECT_EQ(Pointer().y, spot.y);
}

// ---- Foreground and focus ----------------------------------------------------------------------

TEST_F(WindowStateTest, Show_TakesTheForegroundAndFocusesTheButtonGrid) {
    StartWith({10}, {"[Mouse]", "ShowPos=2"});
    auto other = ShownForm();
    kbtest::BringToFront(other->Handle());
    ASSERT_EQ(GetForegroundWindow(), other->Handle());
    form->Show();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() == Window(); }));
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetFocus() == form->BtnBar->Handle(); }));
    EXPECT_EQ(kbtest::ClassNameOf(GetFocus()), L"TQvtGrpBtns");
    EXPECT_EQ(form->ActiveControl(), form->BtnBar);
}

TEST_F(WindowStateTest, Activation_ShowsTitleAndCountersAsTheSettingsSay) {
    StartWith({10}, {"[Visible]", "VisTitle=0", "BtnCounter=0"});
    form->Show();
    kbtest::BringToFront(Window());
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->LbBtn->Visible(); }));
    EXPECT_FALSE(form->LbCount->Visible());
    EXPECT_FALSE(form->LbTitle->Visible());
}

TEST_F(WindowStateTest, Hide_DisarmsAndHidesThePopupHint) {
    StartWith({10}, {"[Visible]", "BtnPopupHint=1"});
    form->Show();
    form->HintSetter()->SetHintStr("ヒント");
    form->HintSetter()->ShowHintAt(10, 10, 0, 0);
    ASSERT_TRUE(form->HintSetter()->HintWindow()->IsHintVisible());
    form->Hide();
    EXPECT_FALSE(form->WindowState().AutoHideArmed());
    EXPECT_FALSE(form->HintSetter()->HintWindow()->IsHintVisible());
}

// ---- Topmost and the bracket -------------------------------------------------------------------

TEST_F(WindowStateTest, MovedOutOfTheTopmostBand_ComesBackAtOnce) {
    StartWith({10}, {});
    form->Show();
    SetWindowPos(Window(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(HasExStyle(WS_EX_TOPMOST));
    EXPECT_TRUE(form->TopMost());
}

TEST_F(WindowStateTest, InsideTheBracket_AnotherWindowMayCoverIt_AfterItIsTopmostAndArmed) {
    StartWith({10}, {"[Mouse]", "ShowPos=2"});
    form->Show();
    {
        TAutoHideSuspension bracket(*form);
        EXPECT_FALSE(HasExStyle(WS_EX_TOPMOST));
        EXPECT_FALSE(form->WindowState().AutoHideArmed());
        // Another window comes above it and stays there.
        const RECT r = kbtest::ScreenRectOf(Window());
        wintest::StandIn cover(L"KbCover", r);
        SetWindowPos(cover.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetWindowPos(Window(), HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_FALSE(HasExStyle(WS_EX_TOPMOST));
        EXPECT_TRUE(
            wintest::WindowComesAt(cover.Handle(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    EXPECT_TRUE(HasExStyle(WS_EX_TOPMOST));
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
}

TEST_F(WindowStateTest, ErrorInsideTheBracket_LeavesTheWindowTopmostAndArmed) {
    StartWith({10}, {});
    form->Show();
    EXPECT_THROW(
        {
            TAutoHideSuspension bracket(*form);
            throw std::runtime_error("dialog failed");
        },
        std::runtime_error);
    EXPECT_TRUE(HasExStyle(WS_EX_TOPMOST));
    EXPECT_TRUE(form->TopMost());
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
}

TEST_F(WindowStateTest, NestedBrackets_OnlyTheOutermostResumes) {
    StartWith({10}, {});
    form->Show();
    {
        TAutoHideSuspension outer(*form);
        { TAutoHideSuspension inner(*form); }
        EXPECT_FALSE(HasExStyle(WS_EX_TOPMOST));
        EXPECT_FALSE(form->WindowState().AutoHideArmed());
    }
    EXPECT_TRUE(HasExStyle(WS_EX_TOPMOST));
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
}

TEST_F(WindowStateTest, BracketForASystemDialog_DisablesTheLauncherUntilItEnds) {
    StartWith({10}, {});
    form->Show();
    {
        TAutoHideSuspension bracket(*form, TSuspendFor::SystemDialog);
        EXPECT_FALSE(IsWindowEnabled(Window()));
    }
    EXPECT_TRUE(IsWindowEnabled(Window()));
    EXPECT_TRUE(HasExStyle(WS_EX_TOPMOST));
}

// ---- Focus loss --------------------------------------------------------------------------------

TEST_F(WindowStateTest, FocusLoss_WithRunHide_Hides) {
    StartWith({10}, {"[Mouse]", "RunHide=1"});
    form->Show();
    kbtest::BringToFront(Window());
    LoseFocusToAnotherProgram();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->Visible(); }));
    EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(WindowStateTest, FocusLoss_WithoutRunHide_TheTitleShowsTheClockAndTheWindowStays) {
    StartWith({10}, {"[Mouse]", "RunHide=0", "[Visible]", "VisTitle=1", "VisDateTime=0"});
    form->Show();
    kbtest::BringToFront(Window());
    ASSERT_FALSE(form->LbTitle->ShowTime());
    LoseFocusToAnotherProgram();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->LbTitle->ShowTime(); }));
    EXPECT_EQ(form->LbTitle->Width(), form->TitleBox->Width() - 120);
    EXPECT_TRUE(form->Visible());
}

// ---- The lock ----------------------------------------------------------------------------------

TEST_F(WindowStateTest, LockByAClick_SignsShowAndFocusLossKeepsTheWindow) {
    StartWith({10}, {"[Mouse]", "RunHide=1", "ShowPos=2"});
    form->Show();
    kbtest::BringToFront(Window());
    ASSERT_EQ(TrayColour(), kMainIconColour);
    const POINT lock = MiddleOf(*form->LockBtn);
    kbtest::ClickAt(Window(), lock.x, lock.y);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
    EXPECT_TRUE(form->LockBtn->DownLocked());
    EXPECT_EQ(form->LockBtn->Hint(), "ロック状態");
    EXPECT_TRUE(form->CloseBtn->NoUse());
    EXPECT_TRUE(form->mnLock->Checked());
    EXPECT_FALSE(form->WindowState().AutoHideArmed());
    EXPECT_EQ(TrayColour(), kLockIconColour);

    const POINT close = MiddleOf(*form->CloseBtn);
    kbtest::ClickAt(Window(), close.x, close.y);
    kbtest::Pump(50);
    EXPECT_TRUE(form->Visible());

    LoseFocusToAnotherProgram();
    kbtest::Pump(50);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->LbTitle->ShowTime()); // the clock, as with RunHide off
}

TEST_F(WindowStateTest, LockMenuItem_TogglesAndIsChecked) {
    StartWith({10}, {});
    EXPECT_EQ(form->mnLock->Caption(), "ランチャーをロック(&L)");
    form->mnLock->Click();
    EXPECT_TRUE(form->mnLock->Checked());
    EXPECT_TRUE(form->WindowState().Locked());
    EXPECT_TRUE(form->LockBtn->DownLocked());
    form->mnLock->Click();
    EXPECT_FALSE(form->mnLock->Checked());
    EXPECT_FALSE(form->WindowState().Locked());
}

TEST_F(WindowStateTest, AutoLock_ThePointerOntoTheLockButtonLocks) {
    StartWith({10}, {"[Mouse]", "AutoLock=1", "ShowPos=2"});
    form->Show();
    kbtest::BringToFront(Window());
    const POINT lock = MiddleOf(*form->LockBtn);
    kbtest::MoveMouseTo(Window(), lock.x, lock.y);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
    EXPECT_TRUE(form->LockBtn->DownLocked());
}

// ---- Calling disabled --------------------------------------------------------------------------

TEST_F(WindowStateTest, CallingDisabled_StopsTheTimerAndShowsItsIcon_AndBack) {
    StartWith({10}, {});
    EXPECT_EQ(form->mnNotuse->Caption(), "ランチャー呼び出し不可(&N)");
    ASSERT_TRUE(form->LTimer->Enabled());
    form->mnNotuse->Click();
    EXPECT_TRUE(form->mnNotuse->Checked());
    EXPECT_TRUE(form->WindowState().CallingDisabled());
    EXPECT_FALSE(form->LTimer->Enabled());
    EXPECT_EQ(TrayColour(), kNoneIconColour);
    form->mnNotuse->Click();
    EXPECT_FALSE(form->mnNotuse->Checked());
    EXPECT_TRUE(form->LTimer->Enabled());
    EXPECT_EQ(TrayColour(), kMainIconColour);
}

// ---- Pointer leave -----------------------------------------------------------------------------

TEST_F(WindowStateTest, PointerLeave_AfterThePointerCameIn_Hides) {
    StartWith({10}, {"[Mouse]", "ShowPos=1", "RunHide=1", "NotFormMos=1"});
    // The trigger timer runs the rule too: here only the test asks.
    form->LTimer->SetEnabled(false);
    wintest::PointAt(300, 300);
    form->Show();
    EXPECT_FALSE(form->PointerLeaveAutoHide()); // inside, on the title bar
    wintest::PointAt(300 + form->Width() + 50, 300);
    EXPECT_TRUE(form->PointerLeaveAutoHide());
    EXPECT_FALSE(form->Visible());
}

TEST_F(WindowStateTest, PointerLeave_ShownAwayFromThePointer_WaitsForThePointerToComeIn) {
    StartWith({10}, {"[Mouse]", "ShowPos=2", "Revision=0", "RunHide=1", "NotFormMos=1"});
    // The trigger timer runs the rule too: here only the test asks.
    form->LTimer->SetEnabled(false);
    wintest::PointAt(5, 5);
    form->Show();
    EXPECT_FALSE(form->PointerLeaveAutoHide());
    EXPECT_TRUE(form->Visible());
    const RECT r = kbtest::ScreenRectOf(Window());
    wintest::PointAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_FALSE(form->PointerLeaveAutoHide());
    wintest::PointAt(5, 5);
    EXPECT_TRUE(form->PointerLeaveAutoHide());
}

TEST_F(WindowStateTest, PointerLeave_OntoThePopupHint_Stays) {
    StartWith({10},
              {"[Mouse]", "ShowPos=1", "RunHide=1", "NotFormMos=1", "[Visible]", "BtnPopupHint=1"});
    // The trigger timer runs the rule too: here only the test asks.
    form->LTimer->SetEnabled(false);
    wintest::PointAt(300, 300);
    form->Show();
    ASSERT_FALSE(form->PointerLeaveAutoHide());
    const RECT r = kbtest::ScreenRectOf(Window());
    form->HintSetter()->SetHintStr("ヒント");
    form->HintSetter()->ShowHintAt(r.left, r.bottom + 20, 100, 0);
    const HWND hint = form->HintSetter()->HintWindow()->Handle();
    const RECT h = kbtest::ScreenRectOf(hint);
    const POINT on{(h.left + h.right) / 2, (h.top + h.bottom) / 2};
    wintest::PointAt(on.x, on.y);
    ASSERT_TRUE(wintest::WindowComesAt(hint, on.x, on.y));
    EXPECT_TRUE(form->IsCursorOnHintWindow());
    EXPECT_FALSE(form->PointerLeaveAutoHide());
    EXPECT_TRUE(form->Visible());
}

TEST_F(WindowStateTest, IsCursorOnHintWindow_OnlyForTheHintsClass) {
    StartWith({10}, {});
    wintest::StandIn other(L"TRvHintNot", {600, 500, 700, 560});
    SetWindowPos(other.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    wintest::PointAt(650, 530);
    ASSERT_TRUE(wintest::WindowComesAt(other.Handle(), 650, 530));
    EXPECT_FALSE(form->IsCursorOnHintWindow());
}

// ---- Settings ----------------------------------------------------------------------------------

TEST_F(WindowStateTest, Settings_PositionAndTranslucency) {
    StartWith({10}, {"[Bounds]", "Left=123", "Top=45", "[Visible]", "AlphaBlend=1",
                     "AlphaBlendValue=200"});
    EXPECT_EQ(form->Left(), 123);
    EXPECT_EQ(form->Top(), 45);
    EXPECT_TRUE(HasExStyle(WS_EX_LAYERED));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Window(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(WindowStateTest, Settings_TranslucencyOff_NotLayered) {
    StartWith({10}, {"[Visible]", "AlphaBlend=0", "AlphaBlendValue=200"});
    EXPECT_FALSE(form->AlphaBlend());
    EXPECT_FALSE(HasExStyle(WS_EX_LAYERED));
}
