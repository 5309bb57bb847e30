// The work area, pointer, desktop and taskbar tests on the real system (the test desktop:
// 1024 x 768, taskbar at the bottom).
#include "shared/Desktop.h"

#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <memory>

using wintest::PointAt;
using wintest::StandIn;
using wintest::WindowComesAt;
using wintest::WorkArea;

namespace {
// The desktop's windows as the shell makes them, which the test desktop lacks.
class StandInDesktop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(L"Progman", nullptr), nullptr) << "the test desktop has no shell";
        desktop = std::make_unique<wintest::StandInDesktop>(false);
        ASSERT_TRUE(desktop->Ready(500, 300));
    }
    void AddIconList() {
        desktop->AddIconList();
        ASSERT_TRUE(desktop->Ready(500, 300));
    }

    std::unique_ptr<wintest::StandInDesktop> desktop;
};
} // namespace

TEST(WorkAreaWin, ClampKeepsTheBoxInsideTheRealWorkArea) {
    const RECT area = WorkArea();
    int x = area.right - 50, y = area.bottom - 20;
    ClampToWorkArea(x, y, 200, 100);
    EXPECT_EQ(x, area.right - 200);
    EXPECT_EQ(y, area.bottom - 100);
    x = area.left - 10;
    y = area.top - 10;
    ClampToWorkArea(x, y, 200, 100);
    EXPECT_EQ(x, area.left);
    EXPECT_EQ(y, area.top);
}

TEST(WorkAreaWin, BoxWiderThanTheWorkAreaEndsAtItsLeftEdge) {
    const RECT area = WorkArea();
    int x = 300, y = 10;
    ClampToWorkArea(x, y, area.right - area.left + 100, 100);
    EXPECT_EQ(x, area.left);
}

TEST(WorkAreaWin, BelowWorkAreaOnlyPastTheBottom) {
    const RECT area = WorkArea();
    EXPECT_FALSE(BelowWorkArea(area.bottom));
    EXPECT_TRUE(BelowWorkArea(area.bottom + 1));
    EXPECT_FALSE(BelowWorkArea(area.top - 100));
}

TEST(PointerWin, CursorInWindowIsStrictOnEveryEdge) {
    StandIn box(L"KbPointerBox", RECT{100, 100, 300, 200});
    ASSERT_TRUE(WindowComesAt(box.Handle(), 150, 150));
    PointAt(150, 150);
    EXPECT_TRUE(CursorInWindow(box.Handle()));
    PointAt(100, 150);
    EXPECT_FALSE(CursorInWindow(box.Handle()));
    PointAt(150, 100);
    EXPECT_FALSE(CursorInWindow(box.Handle()));
    PointAt(299, 199);
    EXPECT_TRUE(CursorInWindow(box.Handle()));
    PointAt(300, 150);
    EXPECT_FALSE(CursorInWindow(box.Handle()));
    EXPECT_FALSE(CursorInWindow(nullptr));
}

TEST(PointerWin, TaskbarTestIsStrictOnItsTopAndLeftEdges) {
    const HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_NE(bar, nullptr) << "the test desktop has a taskbar";
    const RECT r = kbtest::ScreenRectOf(bar);
    const int midX = (r.left + r.right) / 2;
    PointAt(midX, r.top + 1);
    EXPECT_TRUE(CursorOnTaskbar());
    PointAt(midX, r.top);
    EXPECT_FALSE(CursorOnTaskbar());
    PointAt(r.left, (r.top + r.bottom) / 2);
    EXPECT_FALSE(CursorOnTaskbar());
    PointAt(r.left + 1, r.bottom - 1);
    EXPECT_TRUE(CursorOnTaskbar());
    PointAt(midX, r.top - 100);
    EXPECT_FALSE(CursorOnTaskbar());
}

TEST(PointerWin, WithoutAShellNoPlaceIsTheDesktop) {
    ASSERT_EQ(FindWindowW(L"Progman", nullptr), nullptr);
    PointAt(500, 300);
    EXPECT_FALSE(CursorOnDesktop());
}

TEST_F(StandInDesktop, PointerOverTheIconListIsOnTheDesktop) {
    AddIconList();
    PointAt(500, 300);
    EXPECT_TRUE(CursorOnDesktop());
}

TEST_F(StandInDesktop, WindowAboveTheDesktopHidesIt) {
    AddIconList();
    StandIn above(L"KbAboveDesktop", RECT{400, 200, 600, 400});
    ASSERT_TRUE(WindowComesAt(above.Handle(), 500, 300));
    PointAt(500, 300);
    EXPECT_FALSE(CursorOnDesktop());
    PointAt(700, 300);
    EXPECT_TRUE(CursorOnDesktop());
}

TEST_F(StandInDesktop, TaskbarIsNotTheDesktop) {
    AddIconList();
    const RECT bar = kbtest::ScreenRectOf(FindWindowW(L"Shell_TrayWnd", nullptr));
    PointAt((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
    EXPECT_FALSE(CursorOnDesktop());
}

TEST_F(StandInDesktop, ViewWithoutAnIconListIsNeverTheDesktop) {
    // The pointer is over the view itself, and the missing list's handle would be 0.
    PointAt(500, 300);
    EXPECT_FALSE(CursorOnDesktop());
}

TEST_F(StandInDesktop, ProgmanWithoutAViewIsNeverTheDesktop) {
    desktop->RemoveView();
    ASSERT_TRUE(desktop->Ready(500, 300));
    PointAt(500, 300);
    EXPECT_FALSE(CursorOnDesktop());
}

TEST_F(StandInDesktop, WebDesktopCountsOnlyItsPage) {
    AddIconList();
    StandIn web(L"Internet Explorer_Server", RECT{0, 0, 400, 400}, desktop->View());
    // A new child goes below its older siblings; the page lies over the icon list.
    SetWindowPos(web.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(WindowComesAt(web.Handle(), 200, 200));
    PointAt(200, 200);
    EXPECT_TRUE(CursorOnDesktop());
    PointAt(600, 300); // the icon list, which the page replaces
    EXPECT_FALSE(CursorOnDesktop());
}
