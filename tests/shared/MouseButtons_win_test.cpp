// Key and button state on the real system, from real input.
#include "shared/MouseButtons.h"

#include "support/WinTesting.h"

#include <gtest/gtest.h>

using wintest::HeldInput;
using wintest::PointAt;
using wintest::StandIn;

namespace {
// Waits until the system finds the window at the screen point, so that the buttons are pressed
// over it.
bool WindowComesAt(HWND window, int x, int y) {
    return kbtest::PumpUntil([=] { return WindowFromPoint(POINT{x, y}) == window; });
}

bool HeldButtonsBecome(TLaunchMouseBtns expected) {
    return kbtest::PumpUntil([&] { return GetMouseButtons() == expected; });
}
} // namespace

TEST(KeyStateWin, HeldKeyIsDownUntilReleased) {
    // Keys reach the system's key state only while some window is in the foreground.
    StandIn target(L"KbKeyTarget", RECT{100, 100, 300, 200});
    SetForegroundWindow(target.Handle());
    ASSERT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() == target.Handle(); }));
    // Wine sets the key state from the X server's when the X focus arrives, which would undo a
    // key pressed before. A pointer move makes a round trip to the X server on this thread and
    // then handles the events it brought, the focus's among them. The point is off our windows,
    // whose entering would bring a key state again.
    kbtest::MovePointerTo(700, 500);
    HeldInput input;
    input.Key(VK_F13);
    EXPECT_TRUE(kbtest::PumpUntil([] { return IsKeyDown(VK_F13); }));
    EXPECT_FALSE(IsKeyUp(VK_F13));
    input.ReleaseAll();
    EXPECT_TRUE(kbtest::PumpUntil([] { return IsKeyUp(VK_F13); }));
    EXPECT_FALSE(IsKeyDown(VK_F13));
}

TEST(KeyStateWin, HeldMouseButtonsFormExactlyTheirSet) {
    StandIn pad(L"KbButtonPad", RECT{100, 100, 400, 400});
    ASSERT_TRUE(WindowComesAt(pad.Handle(), 250, 250));
    PointAt(250, 250);
    ASSERT_TRUE(HeldButtonsBecome({}));
    HeldInput input;
    input.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    input.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(HeldButtonsBecome({lmLeft, lmMiddle})) << int(GetMouseButtons().Bits());
    EXPECT_TRUE(IsKeyDown(VK_LBUTTON));
    input.ReleaseAll();
    EXPECT_TRUE(HeldButtonsBecome({}));
}

TEST(KeyStateWin, RightAndExtraButtonsHaveTheirOwnMembers) {
    StandIn pad(L"KbButtonPad", RECT{100, 100, 400, 400});
    ASSERT_TRUE(WindowComesAt(pad.Handle(), 250, 250));
    PointAt(250, 250);
    HeldInput input;
    input.Mouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    input.Mouse(MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1);
    EXPECT_TRUE(HeldButtonsBecome({lmRight, lmMos4})) << int(GetMouseButtons().Bits());
    input.Mouse(MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON2);
    EXPECT_TRUE(HeldButtonsBecome({lmRight, lmMos4, lmMos5})) << int(GetMouseButtons().Bits());
    input.ReleaseAll();
    EXPECT_TRUE(HeldButtonsBecome({}));
}
