// The launcher program's window from outside: a copy of qvtdock.exe started by the cross-process
// driver lays its hidden window out as its settings file says, and shows the counters and the
// title of the first button.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtdock/LauncherProgramTest.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;

namespace {

constexpr int kWaitMs = 15000;

struct Box {
    long left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Box& a, const Box& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend void PrintTo(const Box& b, std::ostream* os) {
        *os << "(" << b.left << ", " << b.top << ") " << b.width << " x " << b.height;
    }
};

// The child's rectangle in its parent's client area.
Box RectIn(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {0, 0, r.right, r.bottom};
}

// The window's own children of the class, top to bottom.
std::vector<HWND> ChildrenOf(HWND parent, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (kbtest::ClassNameOf(h) == className)
            found.push_back(h);
    std::sort(found.begin(), found.end(),
              [](HWND a, HWND b) { return RectIn(a).top < RectIn(b).top; });
    return found;
}

class ProgramLayoutTest : public LauncherProgramTest<> {
protected:
    // Starts the launcher on these pages and settings and waits until its window has this client
    // size and its title bar is laid out for it.
    HWND StartLaidOut(const std::vector<int>& counts, const std::string& ini, Box client) {
        WriteData(counts, ini);
        const HWND main = StartLauncher();
        if (!main)
            return nullptr;
        kbtest::WaitUntil([&] { return ClientOf(main) == client && TitleBarLaidOut(main); },
                          kWaitMs);
        return main;
    }
};

} // namespace

TEST_F(ProgramLayoutTest, HiddenWindowFollowsTheIni) {
    const HWND main = StartLaidOut(
        {20, 3}, "[Visible]\r\nBtnSize=48\r\nFormSize=12\r\nRowMax=3\r\nTabHeight=30\r\n",
        {0, 0, 576, 204});
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(ClientOf(main), (Box{0, 0, 576, 204}));
    const HWND base = kbtest::FindChildWindow(main, L"TBasePanel");
    const HWND bar = kbtest::FindChildWindow(main, L"TQvtGrpBtns");
    const HWND tabs = kbtest::FindChildWindow(main, L"TKTabPanel");
    ASSERT_TRUE(base && bar && tabs);
    EXPECT_EQ(RectIn(base), (Box{0, 28, 576, 144}));
    EXPECT_EQ(RectIn(bar), (Box{0, 0, 576, 96}));
    EXPECT_EQ(RectIn(tabs), (Box{0, 174, 576, 30}));

    const std::vector<HWND> counters = ChildrenOf(main, L"TLabel");
    ASSERT_EQ(counters.size(), 2u);
    EXPECT_EQ(kbtest::WindowText(counters[0]), "001");
    EXPECT_EQ(kbtest::WindowText(counters[1]), "020");
    // The lock, data-editor and close buttons, left to right.
    std::vector<HWND> buttons = ChildrenOf(main, L"TMarkBtn");
    ASSERT_EQ(buttons.size(), 3u);
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return RectIn(a).left < RectIn(b).left; });
    EXPECT_EQ(RectIn(buttons[0]), (Box{12, 4, 20, 20}));
    EXPECT_EQ(RectIn(buttons[1]), (Box{530, 4, 20, 20}));
    EXPECT_EQ(RectIn(buttons[2]), (Box{552, 4, 20, 20}));
    const HWND title = kbtest::FindChildWindow(main, L"TScrlLabel");
    EXPECT_EQ(kbtest::WindowText(title), "[P1] 1.1");
}
