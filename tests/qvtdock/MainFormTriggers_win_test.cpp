// The main form's triggers in this process: the trigger settings between the settings file, the
// timer and the record, the hot key's registration and its message, the tray click, the power
// events with the signs and tray icon they leave, the pop-up hint on a tick, and the window's GDI
// and user objects over many shows and hides.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Files.h"
#include "forms/win/Screen.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

using namespace qvttest;

namespace {
constexpr uint32_t kNoneIconColour = 0x30C060;

class TriggersTest : public MainFormTest {
protected:
    HWND Window() { return form->Handle(); }
    // The hot-key message, as the system sends it.
    LRESULT HotKey(WPARAM id = TfmMain::kShowHotKeyId) {
        return SendMessageW(Window(), WM_HOTKEY, id, 0);
    }
    LRESULT Power(WPARAM code) { return SendMessageW(Window(), WM_POWERBROADCAST, code, 0); }
    uint32_t TrayColour() { return IconMiddle(form->TrayIcon1->CurrentIconHandle()); }
};

// A window of this process that tries the same hot key; the system refuses it while another
// window holds it.
class HotKeyProbe {
public:
    HotKeyProbe() : window_(L"KbHotKeyProbe", {0, 0, 10, 10}, nullptr, false) {}
    ~HotKeyProbe() { UnregisterHotKey(window_.Handle(), 1); }
    bool Free(UINT modifiers, UINT key) {
        const bool got = RegisterHotKey(window_.Handle(), 1, modifiers, key);
        if (got)
            UnregisterHotKey(window_.Handle(), 1);
        return got;
    }

private:
    wintest::StandIn window_;
};
} // namespace

// ---- The trigger settings ----------------------------------------------------------------------

TEST_F(TriggersTest, NoLaunchButtonSet_TheMiddleButtonAndTheRecordSaysSo) {
    StartWith({10}, {"[Mouse]", "LMLeft=0", "LMRight=0", "LMMiddle=0", "LMMos4=0", "LMMos5=0"});
    EXPECT_EQ(form->LTimer->LaunchMouseBtns(), TLaunchMouseBtns({lmMiddle}));
    EXPECT_TRUE(form->Cfg().LMMiddle);
}

TEST_F(TriggersTest, TheTimerTakesTheCombinationAndThePlaceFlags) {
    StartWith({10}, {"[Mouse]", "LMLeft=1", "LMRight=1", "InvalidClickDeskTop=0",
                     "EffectiveClickTaskBar=0"});
    EXPECT_EQ(form->LTimer->LaunchMouseBtns(), TLaunchMouseBtns({lmLeft, lmRight}));
    EXPECT_FALSE(form->LTimer->InvalidClickDeskTop());
    EXPECT_FALSE(form->LTimer->EffectiveClickTaskBar());
}

TEST_F(TriggersTest, StoreSettings_TakesTheTimersValuesBack) {
    StartWith({10}, {});
    form->LTimer->SetLaunchMouseBtns({lmRight, lmMos5});
    form->LTimer->SetInvalidClickDeskTop(false);
    form->StoreSettings();
    EXPECT_FALSE(form->Cfg().LMLeft);
    EXPECT_TRUE(form->Cfg().LMRight);
    EXPECT_FALSE(form->Cfg().LMMiddle);
    EXPECT_TRUE(form->Cfg().LMMos5);
    EXPECT_FALSE(form->Cfg().InvalidClickDeskTop);
    EXPECT_TRUE(form->Cfg().EffectiveClickTaskBar);
}

// ---- The hot key -------------------------------------------------------------------------------

TEST_F(TriggersTest, HotKeyText_IsRegisteredUntilTheFormGoes) {
    HotKeyProbe probe;
    ASSERT_TRUE(probe.Free(MOD_WIN | MOD_SHIFT, 'Z'));
    StartWith({10}, {"[Key]", "Show=Win+Shift+Z"});
    EXPECT_FALSE(probe.Free(MOD_WIN | MOD_SHIFT, 'Z'));
    form.reset();
    EXPECT_TRUE(probe.Free(MOD_WIN | MOD_SHIFT, 'Z'));
}

TEST_F(TriggersTest, HotKeyRegisteredAgain_TheOldOneIsFreed) {
    HotKeyProbe probe;
    StartWith({10}, {"[Key]", "Show=Ctrl+Alt+F11"});
    ASSERT_FALSE(probe.Free(MOD_CONTROL | MOD_ALT, VK_F11));
    form->RegisterShowHotKey("Win+F12");
    EXPECT_TRUE(probe.Free(MOD_CONTROL | MOD_ALT, VK_F11));
    EXPECT_FALSE(probe.Free(MOD_WIN, VK_F12));
}

TEST_F(TriggersTest, HotKey_ShowsByItsOwnPlacementAndHides) {
    StartWith({10}, {"[Mouse]", "ShowPos=0", "Revision=0", "[Bounds]", "Left=5", "Top=5", "[Key]",
                     "ShowPos=2"});
    EXPECT_EQ(HotKey(), 0);
    ASSERT_TRUE(form->Visible());
    EXPECT_EQ(form->Left(), (forms::Screen.Width() - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (forms::Screen.Height() - form->Height()) / 2);
    EXPECT_EQ(HotKey(), 0);
    EXPECT_FALSE(form->Visible());
    // The tray shows it where the mouse settings say.
    form->TrayIcon1Click(nullptr);
    ASSERT_TRUE(form->Visible());
    EXPECT_EQ(form->Left(), (forms::Screen.Width() - form->Width()) / 2);
}

TEST_F(TriggersTest, HotKey_HidesALockedWindowToo) {
    StartWith({10}, {});
    HotKey();
    form->TitleBarLockBtnClick(nullptr);
    HotKey();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->WindowState().Locked());
}

// ---- Power events ------------------------------------------------------------------------------

TEST_F(TriggersTest, Suspend_UnlocksHidesAndLeavesTheTopmostBand) {
    StartWith({10}, {});
    HotKey();
    form->TitleBarLockBtnClick(nullptr);
    ASSERT_TRUE(form->WindowState().Locked());
    EXPECT_EQ(Power(0), 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->WindowState().Locked());
    EXPECT_FALSE(form->LockBtn->DownLocked());
    EXPECT_EQ(form->LockBtn->Hint(), "ロック解除");
    EXPECT_FALSE(form->mnLock->Checked());
    EXPECT_FALSE(form->CloseBtn->NoUse());
    EXPECT_FALSE(form->TopMost());
    EXPECT_EQ(TrayColour(), kMainIconColour);
    EXPECT_EQ(Power(4), 0);
    EXPECT_FALSE(form->Visible());
}

TEST_F(TriggersTest, SuspendWhileCallingIsDisabled_TheTraySaysSoNotTheLock) {
    StartWith({10}, {});
    form->mnNotuse->Click();
    form->TitleBarLockBtnClick(nullptr);
    Power(0);
    EXPECT_FALSE(form->WindowState().Locked());
    EXPECT_EQ(TrayColour(), kNoneIconColour);
}

TEST_F(TriggersTest, AfterTwoSuspends_AnotherEventHidesAWindowShownSince_AResumeEndsThat) {
    StartWith({10}, {});
    Power(0);
    Power(4);
    HotKey();
    ASSERT_TRUE(form->Visible());
    Power(10);
    EXPECT_FALSE(form->Visible());
    Power(7);
    HotKey();
    Power(10);
    EXPECT_TRUE(form->Visible());
    // Shown again after a suspend, the window is topmost again.
    EXPECT_TRUE(form->TopMost());
}

// ---- The tick and the pop-up hint --------------------------------------------------------------

TEST_F(TriggersTest, Timer_HidesTheWindowThePointerLeft) {
    StartWith({10}, {"[Mouse]", "ShowPos=1", "Revision=0", "RunHide=1", "NotFormMos=1"});
    wintest::PointAt(300, 300);
    form->Show();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().PointerEntered(); }));
    wintest::PointAt(300 + form->Width() + 50, 300);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->Visible(); }));
}

TEST_F(TriggersTest, Tick_PointerOutsideTheWindow_HidesTheHint) {
    StartWith({10}, {"[Visible]", "BtnPopupHint=1", "[PopupHint]", "HintHide=1", "[Mouse]",
                     "Revision=0", "[Key]", "ShowPos=2"});
    wintest::PointAt(3, 3);
    HotKey();
    form->HintSetter()->SetHintStr("ヒント");
    form->HintSetter()->ShowHintAt(400, 600, 100, 0);
    ASSERT_TRUE(form->HintSetter()->HintWindow()->IsHintVisible());
    form->LTimerTimer(nullptr);
    EXPECT_FALSE(form->HintSetter()->HintWindow()->IsHintVisible());
    EXPECT_TRUE(form->Visible());
}

// ---- Leaks -------------------------------------------------------------------------------------

TEST_F(TriggersTest, TwoHundredShowsAndHides_GdiAndUserObjectsStayFlat) {
    StartWith({10}, {"[Visible]", "BtnPopupHint=1"});
    const auto cycle = [&] {
        HotKey();
        HotKey();
    };
    for (int i = 0; i < 10; ++i)
        cycle();
    EXPECT_FALSE(form->Visible());
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    kbtest::Pump(50);
    const DWORD gdi = kbtest::GdiObjects(), user = kbtest::UserObjects();
    RecordProperty("GdiObjects", static_cast<int>(gdi));
    for (int i = 0; i < 200; ++i)
        cycle();
    kbtest::Pump(50);
    EXPECT_LE(kbtest::GdiObjects(), gdi + 5);
    EXPECT_LE(kbtest::UserObjects(), user + 5);
    EXPECT_FALSE(form->Visible());
}
