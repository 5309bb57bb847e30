// The main form's input in this process, with real input where the user's hands matter: the keys
// of the settings, the mouse actions of the title bar, the bar, the tabs and the pop-up hint, the
// wheel alone and with a button held, releases whose press was elsewhere, the selection and the
// bar's scrolling, the menu and its auto-hide bracket, and the hide command.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace qvttest;

namespace {
// A point of the title bar left of the lock button, in the title box's client coordinates.
constexpr int kTitleX = 4, kTitleY = 14;

class InputTest : public MainFormTest {
protected:
    // Shown, in front, with the bar focused.
    void ShowInFront() {
        form->Show();
        kbtest::BringToFront(Window());
        ASSERT_TRUE(kbtest::PumpUntil([&] { return GetFocus() == Bar(); }));
    }
    HWND Window() { return form->Handle(); }
    HWND Bar() { return form->BtnBar->Handle(); }
    HWND Title() { return form->TitleBox->Handle(); }
    int Page() const { return form->PageTab->TabIndex(); }
    int Selected() const { return form->BtnBar->BtnIndex(); }

    // Presses a key that turns the page to 'page' and waits for it: every input sent before it
    // has been handled then.
    void PageKeyReaches(WORD vk, int page) {
        kbtest::PressKey(vk);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return Page() == page; })) << Page();
    }
    // A click on the title bar.
    void ClickTitle(bool right = false) { kbtest::ClickAt(Title(), kTitleX, kTitleY, right); }

    // A watch on the pop-up menu: a menu that opens is read and closed.
    std::unique_ptr<kbtest::WindowDriver> WatchMenu(int timeoutMs = 3000) {
        return std::make_unique<kbtest::WindowDriver>(
            L"#32768", [this](HWND menu) { menuItems = kbtest::DriveMenu(menu, -1); }, timeoutMs);
    }
    std::vector<kbtest::MenuItemView> menuItems;
};
} // namespace

// ---- Keys --------------------------------------------------------------------------------------

TEST_F(InputTest, Esc_HidesTheLauncherNotWhileLocked) {
    StartWith({10, 10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    form->TitleBarLockBtnClick(nullptr);
    kbtest::PressKey(VK_ESCAPE);
    PageKeyReaches(VK_NEXT, 1);
    EXPECT_TRUE(form->Visible());
    form->TitleBarLockBtnClick(nullptr);
    kbtest::PressKey(VK_ESCAPE);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->Visible(); }));
    EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(InputTest, HideKeyOfTheSettings_ReplacesEsc) {
    StartWith({10, 10}, {"[Mouse]", "ShowPos=2", "[Key]", "1=81"});
    ShowInFront();
    kbtest::PressKey(VK_ESCAPE);
    PageKeyReaches(VK_NEXT, 1);
    EXPECT_TRUE(form->Visible());
    kbtest::PressKey('Q');
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->Visible(); }));
}

TEST_F(InputTest, MenuKey_OpensTheMenuFromTheKeyboardAndReArmsAutoHide) {
    StartWith({10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    {
        auto menu = WatchMenu();
        kbtest::PressKey(VK_OEM_6); // ']', 221
        ASSERT_TRUE(kbtest::PumpUntil([&] { return menu->Acted(); }));
        kbtest::PumpUntil([&] { return form->WindowState().Suspensions() == 0; });
    }
    EXPECT_FALSE(menuItems.empty());
    EXPECT_EQ(form->InputState().MenuContext(), mcKeyboard);
    EXPECT_TRUE(form->InputState().KeyMenu());
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
    EXPECT_TRUE(form->TopMost());
}

TEST_F(InputTest, RunKeyOfTheSettings_PressesTheBar) {
    StartWith({10}, {"[Key]", "0=32"});
    EXPECT_EQ(form->BtnBar->DownKeyCode(), 32);
}

// ---- Arrows and scrolling ----------------------------------------------------------------------

TEST_F(InputTest, RightArrowInARowOfTwentyFive_ShowsTheNextScreenAtTheEdge) {
    StartWith({25}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    form->BtnBar->SetBtnIndex(9);
    kbtest::PressKey(VK_RIGHT);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->BtnBar->Left() == -400; }));
    EXPECT_EQ(Selected(), 10);
    EXPECT_EQ(form->FirstVisibleBtn(), 10);
    EXPECT_EQ(kbtest::WindowText(form->LbBtn->Handle()), "011");
}

TEST_F(InputTest, DownArrowInTwoRowsOfThirtyFive_TheBarRisesARowAtATime) {
    StartWith({35}, {"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2"});
    ShowInFront();
    form->BtnBar->SetBtnIndex(10);
    kbtest::PressKey(VK_DOWN);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->BtnBar->Top() == -40; }));
    EXPECT_EQ(Selected(), 20);
    kbtest::PressKey(VK_DOWN);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->BtnBar->Top() == -80; }));
    EXPECT_EQ(Selected(), 30);
    EXPECT_EQ(form->FirstVisibleRow(), 2);
}

class WheelInTwoRows : public InputTest, public ::testing::WithParamInterface<const char*> {};

// The moves by one (the defaults) and by a row alike.
INSTANTIATE_TEST_SUITE_P(Moves, WheelInTwoRows, ::testing::Values("UpScr=11", "UpScr=15"));

TEST_P(WheelInTwoRows, TheBarMovesTheSelectionByOneAndTheRowsFollow) {
    const std::string up = GetParam(), down = up == "UpScr=11" ? "DnScr=12" : "DnScr=16";
    StartWith({35},
              {"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2", "[MouseBtnAction]", up, down});
    ShowInFront();
    kbtest::PostWheel(Bar(), 10, 10, 120); // wraps to the last button
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Selected() == 34; }));
    EXPECT_EQ(form->BtnBar->Top(), -80);
    kbtest::PostWheel(Bar(), 10, 10, -120); // wraps to the first
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Selected() == 0; }));
    EXPECT_EQ(form->BtnBar->Top(), 0);
}

TEST_F(InputTest, WholeRowActionsInTwoRows_ScrollUpAndDown) {
    StartWith({35}, {"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2"});
    ShowInFront();
    form->BtnBar->SetBtnIndex(30);
    form->DoAction(16);
    EXPECT_EQ(form->BtnBar->Top(), -40);
    form->DoAction(16);
    form->DoAction(16);
    EXPECT_EQ(form->BtnBar->Top(), -80);
    form->DoAction(15);
    EXPECT_EQ(form->BtnBar->Top(), -40);
    EXPECT_EQ(Selected(), 30); // the rows move, the selection stays
}

// ---- The wheel and held buttons ----------------------------------------------------------------

TEST_F(InputTest, WheelWithTheRightButtonHeld_TurnsThePageAndTheReleaseOpensNoMenu) {
    StartWith({10, 10, 10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    kbtest::MoveMouseTo(Title(), kTitleX, kTitleY);
    auto menu = WatchMenu();
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->InputState().HeldButton() == 2; }));
    kbtest::WheelAt(Title(), kTitleX, kTitleY, -120);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Page() == 1; }));
    held.ReleaseAll();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->InputState().HeldButton() == 0; }));
    PageKeyReaches(VK_NEXT, 2);
    EXPECT_FALSE(menu->Acted());
    EXPECT_FALSE(form->InputState().WheelWhileHeld());
}

TEST_F(InputTest, WheelForAnotherWindowOrWhileADialogIsOpen_NotTheLaunchers) {
    StartWith({10, 10}, {"[Mouse]", "ShowPos=2", "[MouseBtnAction]", "UpScr=14", "DnScr=14"});
    ShowInFront();
    auto other = ShownForm();
    bool otherGotIt = false;
    other->OnMouseWheel = [&](forms::TComponent*, forms::TShiftState, int, forms::TPoint,
                              bool& handled) { otherGotIt = handled = true; };
    kbtest::PostWheel(other->Handle(), 10, 10, 120);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return otherGotIt; }));
    // Our dialogs disable the launcher's window.
    EnableWindow(Window(), FALSE);
    kbtest::PostWheel(Bar(), 10, 10, 120);
    kbtest::PumpPosted();
    EXPECT_EQ(Page(), 0);
    EnableWindow(Window(), TRUE);
    kbtest::PostWheel(Bar(), 10, 10, 120);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return Page() == 1; }));
}

TEST_F(InputTest, MiddleHeldOnATab_WheelRunsItsWheelActionsAndTheReleaseItsAction) {
    StartWith({10, 10, 10},
              {"[Mouse]", "ShowPos=2", "[MouseBtnAction]", "Middle=3", "MUpScr=14", "MDnScr=13"});
    ShowInFront();
    const HWND tabs = form->PageTab->Handle();
    kbtest::MoveMouseTo(tabs, 10, 10);
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return form->InputState().HeldButton() == 3; }));
    EXPECT_EQ(form->InputState().MenuContext(), mcPageTab);
    kbtest::WheelAt(tabs, 10, 10, 120);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Page() == 1; }));
    held.ReleaseAll();
    // The middle action runs even after the wheel turned.
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
}

// ---- Releases whose press was elsewhere --------------------------------------------------------

TEST_F(InputTest, ReleaseOfTheButtonThatPoppedTheWindowUpOverTheTitle_RunsNothing) {
    StartWith({10, 10}, {"[Mouse]", "ShowPos=1", "Revision=1", "RevisionPoint=0",
                         "[MouseBtnAction]", "Middle=3"});
    wintest::PointAt(300, 300);
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    kbtest::Pump(50);
    form->Show();
    kbtest::BringToFront(Window());
    ASSERT_TRUE(wintest::WindowComesAt(Title(), 300, 300));
    held.ReleaseAll();
    PageKeyReaches(VK_NEXT, 1);
    EXPECT_FALSE(form->WindowState().Locked());
    // A click of its own runs the action.
    held.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    held.ReleaseAll();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
}

TEST_F(InputTest, ReleaseOfTheButtonThatPoppedTheWindowUpOverAButton_OpensNoMenu) {
    StartWith({10, 10}, {"[Bounds]", "Left=280", "Top=260", "[Mouse]", "ShowPos=0", "Revision=0"});
    wintest::PointAt(300, 300);
    auto menu = WatchMenu();
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    kbtest::Pump(50);
    form->Show();
    kbtest::BringToFront(Window());
    ASSERT_TRUE(wintest::WindowComesAt(Bar(), 300, 300));
    held.ReleaseAll();
    PageKeyReaches(VK_NEXT, 1);
    EXPECT_FALSE(menu->Acted());
    // A right click of its own opens the menu from the bar.
    menu = WatchMenu();
    kbtest::ClickAt(Bar(), 20, 12, true);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return menu->Acted(); }));
    EXPECT_EQ(form->InputState().MenuContext(), mcButtonBar);
}

// ---- The title bar, the bar's empty cells and the hint -----------------------------------------

TEST_F(InputTest, TitleClickWithAnUnknownAction_DoesNothing) {
    StartWith({10, 10}, {"[Mouse]", "ShowPos=2", "[MouseBtnAction]", "Left=99"});
    ShowInFront();
    ClickTitle();
    PageKeyReaches(VK_NEXT, 1);
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(form->WindowState().Locked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(InputTest, Menu_AutoHideArmedAgainOnEveryWayOut) {
    StartWith({10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    {
        auto menu = WatchMenu();
        ClickTitle(true);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return menu->Acted(); }));
        kbtest::PumpUntil([&] { return form->WindowState().Suspensions() == 0; });
    }
    ASSERT_FALSE(menuItems.empty());
    EXPECT_EQ(menuItems.back().text, cp932::Wide("ランチャーを閉じる(&Q)"));
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
    EXPECT_TRUE(form->TopMost());

    form->PopupMenu1->OnPopup = [](forms::TComponent*) { throw std::runtime_error("menu"); };
    EXPECT_THROW(form->DoAction(1), std::runtime_error);
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_TRUE(form->WindowState().AutoHideArmed());
    EXPECT_TRUE(form->TopMost());
}

TEST_F(InputTest, ClickOnAnEmptyCellOfTwoRows_RunsTheFormsAction) {
    StartWith({5}, {"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2", "[MouseBtnAction]", "Left=3"});
    ShowInFront();
    kbtest::ClickAt(Bar(), 7 * 40 + 20, 20);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
    EXPECT_EQ(form->InputState().MenuContext(), mcForm);
}

TEST_F(InputTest, ClickOnThePopupHint_RunsTheLeftAction) {
    StartWith({10}, {"[Mouse]", "ShowPos=2", "[MouseBtnAction]", "Left=3"});
    ShowInFront();
    kbtest::ClickAt(ShowHint(false), 30, 5);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return form->WindowState().Locked(); }));
    EXPECT_EQ(form->InputState().MenuContext(), mcHintWindow);
}

TEST_F(InputTest, ClickOnTheHintsIconSquare_HoldsNothing_TheWheelThenMovesTheSelection) {
    StartWith({10, 10, 10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    const HWND window = ShowHint(true);
    kbtest::ClickAt(window, form->HintSetter()->LeftMargin() + 16,
                    form->HintSetter()->TopMargin() + 16);
    // Alone the wheel moves one button (11); with the left button held it turns the page (13).
    kbtest::WheelAt(Title(), kTitleX, kTitleY, 120);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Selected() == 9; }));
    EXPECT_EQ(Page(), 0);
}

// ---- Actions and commands ----------------------------------------------------------------------

TEST_F(InputTest, ActionsByNumber_PagesButtonsLockHideAndNothingForUnknownNumbers) {
    StartWith({10, 10, 10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    form->DoAction(13);
    EXPECT_EQ(Page(), 2);
    form->DoAction(14);
    EXPECT_EQ(Page(), 0);
    form->DoAction(11);
    EXPECT_EQ(Selected(), 9);
    form->DoAction(12);
    EXPECT_EQ(Selected(), 0);
    for (const int32_t n : {-1, 0, 17, 99})
        form->DoAction(n);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(form->Visible());
    form->DoAction(3);
    EXPECT_TRUE(form->WindowState().Locked());
    form->DoAction(9);
    EXPECT_TRUE(form->Visible());
    form->DoAction(3);
    form->DoAction(9);
    EXPECT_FALSE(form->Visible());
}

TEST_F(InputTest, ExtraButtons_RunTheirActionsOnlyWhileShown) {
    StartWith({10, 10, 10}, {"[Mouse]", "ShowPos=2"});
    form->LTimerMouse5BtnClick(nullptr);
    EXPECT_EQ(Page(), 0);
    ShowInFront();
    form->LTimerMouse5BtnClick(nullptr);
    EXPECT_EQ(Page(), 1);
    form->LTimerMouse4BtnClick(nullptr);
    EXPECT_EQ(Page(), 0);
}

TEST_F(InputTest, CloseButtonAndLastMenuItem_HideNotWhileLocked) {
    StartWith({10}, {"[Mouse]", "ShowPos=2"});
    ShowInFront();
    forms::TMenuItem& items = form->PopupMenu1->Items();
    ASSERT_EQ(items.Items(items.Count() - 1), form->mnExit);
    EXPECT_EQ(form->mnExit->Caption(), "ランチャーを閉じる(&Q)");
    form->TitleBarLockBtnClick(nullptr);
    form->mnExit->Click();
    EXPECT_TRUE(form->Visible());
    form->TitleBarLockBtnClick(nullptr);
    const forms::TRect r = form->CloseBtn->BoundsRect();
    kbtest::ClickAt(Window(), r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return !form->Visible(); }));
}
