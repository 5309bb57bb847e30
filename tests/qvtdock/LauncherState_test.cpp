// The launcher window's states: the lock and calling-disabled toggles with the tray icon each
// leaves, the auto-hide bracket, and the two auto-hide rules.
#include "qvtdock/LauncherState.h"

#include <gtest/gtest.h>

namespace {
TAutoHideRules LeaveRules() {
    TAutoHideRules r;
    r.RunHide = true;
    r.NotFormMos = true;
    r.BtnPopupHint = true;
    r.VisTitle = true;
    return r;
}

TPointerFacts Outside() {
    TPointerFacts f;
    f.WindowVisible = true;
    return f;
}

TPointerFacts Inside() {
    TPointerFacts f = Outside();
    f.InWindow = true;
    return f;
}

// Shown, and the pointer has been inside.
TLauncherState ShownAndEntered() {
    TLauncherState s;
    s.Shown();
    EXPECT_FALSE(s.PointerLeaveHides(Inside(), LeaveRules()));
    return s;
}
} // namespace

// ---- Toggles and the tray icon -----------------------------------------------------------------

TEST(LauncherState, Start_UnlockedCallableUnarmedApplicationIcon) {
    const TLauncherState s;
    EXPECT_FALSE(s.Locked());
    EXPECT_FALSE(s.CallingDisabled());
    EXPECT_FALSE(s.AutoHideArmed());
    EXPECT_FALSE(s.TopMost());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Application);
}

TEST(LauncherState, Lock_DisarmsAndShowsThePadlock_UnlockArmsAndShowsTheApplication) {
    TLauncherState s;
    s.Shown();
    s.ToggleLock();
    EXPECT_TRUE(s.Locked());
    EXPECT_FALSE(s.AutoHideArmed());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Locked);
    s.ToggleLock();
    EXPECT_FALSE(s.Locked());
    EXPECT_TRUE(s.AutoHideArmed());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Application);
}

TEST(LauncherState, CallingDisabled_ShowsItsIcon_EnabledAgainTheApplication) {
    TLauncherState s;
    s.ToggleCallingDisabled();
    EXPECT_TRUE(s.CallingDisabled());
    EXPECT_EQ(s.TrayImage(), TTrayImage::CallingDisabled);
    s.ToggleCallingDisabled();
    EXPECT_FALSE(s.CallingDisabled());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Application);
}

TEST(LauncherState, TheLastToggleDecides_EnablingWhileLockedShowsTheApplication) {
    TLauncherState s;
    s.ToggleLock();
    s.ToggleCallingDisabled();
    EXPECT_EQ(s.TrayImage(), TTrayImage::CallingDisabled);
    s.ToggleCallingDisabled();
    EXPECT_TRUE(s.Locked());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Application);
}

TEST(TrayImageResource, TheProgramsIcons) {
    EXPECT_EQ(TrayImageResource(TTrayImage::Application), "MAINICON");
    EXPECT_EQ(TrayImageResource(TTrayImage::Locked), "ZLOCK");
    EXPECT_EQ(TrayImageResource(TTrayImage::CallingDisabled), "ZNONE");
}

TEST(LockSigns, LockedAndUnlocked) {
    const TLockSigns on = LockSigns(true);
    EXPECT_TRUE(on.DownLocked);
    EXPECT_EQ(on.Hint, "ロック状態");
    EXPECT_TRUE(on.CloseNoUse);
    EXPECT_TRUE(on.MenuChecked);
    const TLockSigns off = LockSigns(false);
    EXPECT_FALSE(off.DownLocked);
    EXPECT_EQ(off.Hint, "ロック解除");
    EXPECT_FALSE(off.CloseNoUse);
    EXPECT_FALSE(off.MenuChecked);
}

// ---- Show, hide and the bracket ----------------------------------------------------------------

TEST(LauncherState, SuspendLeavesTheBandAndDisarms_ResumeComesBackArmed) {
    TLauncherState s;
    s.SetTopMost(true);
    s.Shown();
    s.Suspend();
    EXPECT_FALSE(s.TopMost());
    EXPECT_FALSE(s.AutoHideArmed());
    s.Resume();
    EXPECT_TRUE(s.TopMost());
    EXPECT_TRUE(s.AutoHideArmed());
}

TEST(LauncherState, ResumeWhileLocked_TopmostButNotArmed) {
    TLauncherState s;
    s.ToggleLock();
    s.Suspend();
    s.Resume();
    EXPECT_TRUE(s.TopMost());
    EXPECT_FALSE(s.AutoHideArmed());
}

TEST(LauncherState, Suspensions_OnlyTheOutermostSuspendsAndResumes) {
    TLauncherState s;
    EXPECT_TRUE(s.EnterSuspension());
    EXPECT_FALSE(s.EnterSuspension());
    EXPECT_FALSE(s.LeaveSuspension());
    EXPECT_TRUE(s.LeaveSuspension());
    EXPECT_EQ(s.Suspensions(), 0);
}

TEST(LauncherState, LeavingWithoutASuspension_ChangesNothing) {
    TLauncherState s;
    EXPECT_FALSE(s.LeaveSuspension());
    EXPECT_EQ(s.Suspensions(), 0);
    EXPECT_TRUE(s.EnterSuspension());
}

// ---- Focus loss --------------------------------------------------------------------------------

TEST(FocusLoss, RunHide_HidesAnArmedUnlockedWindowWithoutTheClock) {
    TLauncherState s;
    s.Shown();
    EXPECT_TRUE(s.FocusLossHides(LeaveRules()));
    EXPECT_FALSE(s.FocusLossShowsClock(LeaveRules()));
}

TEST(FocusLoss, RunHideOff_TheClockAndTheWindowStays) {
    TLauncherState s;
    s.Shown();
    TAutoHideRules r = LeaveRules();
    r.RunHide = false;
    EXPECT_FALSE(s.FocusLossHides(r));
    EXPECT_TRUE(s.FocusLossShowsClock(r));
    r.VisTitle = false;
    EXPECT_FALSE(s.FocusLossShowsClock(r));
}

TEST(FocusLoss, Locked_TheClockAndTheWindowStays) {
    TLauncherState s;
    s.Shown();
    s.ToggleLock();
    EXPECT_FALSE(s.FocusLossHides(LeaveRules()));
    EXPECT_TRUE(s.FocusLossShowsClock(LeaveRules()));
}

// ---- Pointer leave -----------------------------------------------------------------------------

TEST(PointerLeave, OutsideAfterBeingInside_Hides) {
    TLauncherState s = ShownAndEntered();
    EXPECT_TRUE(s.PointerLeaveHides(Outside(), LeaveRules()));
}

TEST(PointerLeave, NeverInsideSinceTheShow_Stays) {
    TLauncherState s;
    s.Shown();
    EXPECT_FALSE(s.PointerLeaveHides(Outside(), LeaveRules()));
    EXPECT_FALSE(s.PointerEntered());
}

TEST(PointerLeave, ANewShowForgetsThePointerOfTheLastOne) {
    TLauncherState s = ShownAndEntered();
    s.Hidden();
    s.Shown();
    EXPECT_FALSE(s.PointerLeaveHides(Outside(), LeaveRules()));
}

TEST(PointerLeave, InsideWhileHidden_DoesNotCount) {
    TLauncherState s;
    s.Shown();
    TPointerFacts hidden = Inside();
    hidden.WindowVisible = false;
    EXPECT_FALSE(s.PointerLeaveHides(hidden, LeaveRules()));
    EXPECT_FALSE(s.PointerLeaveHides(Outside(), LeaveRules()));
}

TEST(PointerLeave, StillInside_Stays) {
    TLauncherState s = ShownAndEntered();
    EXPECT_FALSE(s.PointerLeaveHides(Inside(), LeaveRules()));
}

TEST(PointerLeave, EachConditionKeepsTheWindow) {
    {
        TLauncherState s = ShownAndEntered();
        s.ToggleLock();
        EXPECT_FALSE(s.PointerLeaveHides(Outside(), LeaveRules())) << "locked";
    }
    {
        TLauncherState s = ShownAndEntered();
        s.Suspend();
        EXPECT_FALSE(s.PointerLeaveHides(Outside(), LeaveRules())) << "not armed";
    }
    {
        TLauncherState s = ShownAndEntered();
        TPointerFacts f = Outside();
        f.WindowVisible = false;
        EXPECT_FALSE(s.PointerLeaveHides(f, LeaveRules())) << "hidden";
    }
    {
        TLauncherState s = ShownAndEntered();
        TPointerFacts f = Outside();
        f.OnTaskbar = true;
        EXPECT_FALSE(s.PointerLeaveHides(f, LeaveRules())) << "on the taskbar";
    }
    {
        TLauncherState s = ShownAndEntered();
        TAutoHideRules r = LeaveRules();
        r.NotFormMos = false;
        EXPECT_FALSE(s.PointerLeaveHides(Outside(), r)) << "NotFormMos off";
    }
    {
        TLauncherState s = ShownAndEntered();
        TAutoHideRules r = LeaveRules();
        r.RunHide = false;
        EXPECT_FALSE(s.PointerLeaveHides(Outside(), r)) << "RunHide off: NotFormMos alone";
    }
    {
        TLauncherState s = ShownAndEntered();
        TPointerFacts f = Outside();
        f.OnHint = true;
        EXPECT_FALSE(s.PointerLeaveHides(f, LeaveRules())) << "on the pop-up hint";
    }
}

TEST(PointerLeave, OnAHintWindowWhileThePopupHintIsOff_Hides) {
    TLauncherState s = ShownAndEntered();
    TAutoHideRules r = LeaveRules();
    r.BtnPopupHint = false;
    TPointerFacts f = Outside();
    f.OnHint = true;
    EXPECT_TRUE(s.PointerLeaveHides(f, r));
}

// ---- Unlocked by a suspend ---------------------------------------------------------------------

TEST(LauncherStateSuspend, UnlocksAndTheTrayShowsTheProgramsIconAutoHideUntouched) {
    TLauncherState s;
    s.ToggleLock();
    s.UnlockForSuspend();
    EXPECT_FALSE(s.Locked());
    EXPECT_FALSE(s.AutoHideArmed());
    EXPECT_EQ(s.TrayImage(), TTrayImage::Application);
}

TEST(LauncherStateSuspend, WhileCallingIsDisabled_TheTrayShowsThatInsteadOfTheLock) {
    TLauncherState s;
    s.ToggleCallingDisabled();
    s.ToggleLock();
    s.UnlockForSuspend();
    EXPECT_EQ(s.TrayImage(), TTrayImage::CallingDisabled);
}
