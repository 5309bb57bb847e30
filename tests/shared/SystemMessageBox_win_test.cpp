// The system message box, watched and answered from a helper thread.
#include "shared/SystemMessageBox.h"

#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {
constexpr int kTextId = 0xFFFF; // the box's message text
constexpr int kIconId = 0x440;  // the box's icon

// What the watcher saw of the box.
struct Seen {
    bool found = false; // with the caption asked for
    std::string text;
    HICON icon = nullptr;
    std::set<int> buttons; // the visible ones
    HWND owner = nullptr;
    bool topmost = false;
    bool foreground = false;
};

// Shows the box and answers it with press once it is up; returns the box's result.
int ShowAndPress(const char* text, const std::string& caption, int kind, int buttons, void* owner,
                 int press, Seen& seen) {
    kbtest::WindowDriver watcher(L"#32770", [&, press](HWND box) {
        seen.found = kbtest::WindowText(box) == caption;
        seen.text = kbtest::WindowText(GetDlgItem(box, kTextId));
        seen.icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, kIconId, STM_GETICON, 0, 0));
        for (int id = IDOK; id <= IDNO; ++id)
            if (HWND b = GetDlgItem(box, id); b && IsWindowVisible(b))
                seen.buttons.insert(id);
        seen.owner = GetWindow(box, GW_OWNER);
        seen.topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        // The box is visible a moment before its activation ends.
        seen.foreground = kbtest::PumpUntil([box] { return GetForegroundWindow() == box; });
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, press)));
    });
    return ShowMessageBoxEx(text, caption, kind, buttons, owner);
}

HICON SystemIcon(const wchar_t* id) {
    return LoadIconW(nullptr, id);
}
} // namespace

TEST(ShowMessageBoxEx, ShowsTextWithIconAndButtonsAndReturnsThePressedOne) {
    Seen seen;
    const int result = ShowAndPress("表示&ソ\r\n二行目", "確認 十", 2, 5, nullptr, IDNO, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(result, IDNO);
    EXPECT_EQ(seen.text, "表示&ソ\r\n二行目");
    EXPECT_EQ(seen.icon, SystemIcon(IDI_QUESTION));
    EXPECT_EQ(seen.buttons, (std::set<int>{IDYES, IDNO, IDCANCEL}));
}

TEST(ShowMessageBoxEx, IsSystemModalInTheForeground) {
    Seen seen;
    ShowAndPress("a", "modal", 1, 1, nullptr, IDOK, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.topmost);
    EXPECT_TRUE(seen.foreground);
}

TEST(ShowMessageBoxEx, KindsGiveTheirIcons) {
    const struct {
        int kind;
        const wchar_t* icon;
    } cases[] = {{0, IDI_WARNING}, {1, IDI_INFORMATION}, {2, IDI_QUESTION},
                 {3, IDI_ERROR},   {4, IDI_INFORMATION}, {-1, IDI_INFORMATION}};
    for (const auto& c : cases) {
        Seen seen;
        ShowAndPress("a", "kinds", c.kind, 1, nullptr, IDOK, seen);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.icon, SystemIcon(c.icon)) << "kind " << c.kind;
    }
}

TEST(ShowMessageBoxEx, ButtonCodesGiveTheirButtons) {
    const struct {
        int code;
        std::set<int> buttons;
        int press;
    } cases[] = {{0, {IDABORT, IDRETRY, IDIGNORE}, IDRETRY},
                 {1, {IDOK}, IDOK},
                 {2, {IDOK, IDCANCEL}, IDCANCEL},
                 {3, {IDRETRY, IDCANCEL}, IDRETRY},
                 {4, {IDYES, IDNO}, IDYES},
                 {5, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
                 {9, {IDOK}, IDOK},
                 {-1, {IDOK}, IDOK}};
    for (const auto& c : cases) {
        Seen seen;
        const int result = ShowAndPress("a", "buttons", 1, c.code, nullptr, c.press, seen);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.buttons, c.buttons) << "code " << c.code;
        EXPECT_EQ(result, c.press) << "code " << c.code;
    }
}

TEST(ShowMessageBoxEx, ForegroundOwnerIsTheForegroundWindow) {
    wintest::StandIn owner(L"KbBoxOwner", RECT{100, 100, 300, 200});
    SetForegroundWindow(owner.Handle());
    ASSERT_TRUE(kbtest::PumpUntil([&] { return GetForegroundWindow() == owner.Handle(); }));
    Seen seen;
    ShowAndPress("a", "owned", 1, 1, kForegroundOwner, IDOK, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, owner.Handle());
}

TEST(ShowMessageBoxEx, GivenOwnerOwnsTheBox) {
    wintest::StandIn owner(L"KbBoxOwner", RECT{100, 100, 300, 200});
    Seen seen;
    ShowAndPress("a", "owned 2", 1, 1, owner.Handle(), IDOK, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, owner.Handle());
}
