// The tray icon with the real notification area of Wine's desktop and with a recording one: what
// the shell is given, the callback window, the shell's notifications posted to it (clicks, double
// clicks, menus), the taskbar's announcement, and what is left when an icon goes.
#include "components/TrayIcon.h"

#include "components/FakeTrayShell.h"
#include "support/WinTest.h"

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;

namespace {

// An icon of our own (a copy of the system's application icon).
std::unique_ptr<TIcon> MakeIcon(LPCWSTR which = IDI_APPLICATION) {
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CopyIcon(LoadIconW(nullptr, which)));
    return icon;
}

// The real notification area holds an icon for this window and id (a change of nothing is
// accepted only for an icon it holds).
bool ShellHolds(HWND window, int id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = static_cast<UINT>(id);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void ShellDelete(HWND window, int id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = static_cast<UINT>(id);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

// The shell's announcement of a (new) taskbar, as every top-level window gets it.
void BroadcastTaskbarCreated() {
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

// The shell's notification of a mouse message over the icon.
void Notify(TTrayIcon* tray, UINT mouseMessage) {
    PostMessageW(TTrayIcon::SharedWindow()->Handle(), WM_USER + 200,
                 static_cast<WPARAM>(tray->Id()), static_cast<LPARAM>(mouseMessage));
}

class TrayIconTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm();
        icon = MakeIcon();
    }
    // A tray icon of the form with its own icon, given to the recording shell.
    TTrayIcon* FakeTray() {
        auto* tray = MakeOwned<TTrayIcon>(form.get(), shell);
        tray->SetIcon(icon.get());
        return tray;
    }
    // The same, shown in the real notification area.
    TTrayIcon* RealTray() {
        auto* tray = MakeOwned<TTrayIcon>(form.get());
        tray->SetIcon(icon.get());
        tray->SetVisible(true);
        return tray;
    }

    FakeTrayShell shell; // outlives the form and its tray icons
    Scoped<TForm> form;
    std::unique_ptr<TIcon> icon;
};

// A form that makes its tray icon in its constructor, as the launcher's main form does.
class TfmWithTray : public TForm {
public:
    TfmWithTray(TComponent* owner, TTrayShell& shell, HICON image) : TForm(owner) {
        tray = MakeOwned<TTrayIcon>(this, shell);
        tray->Icon().SetHandle(CopyIcon(image));
        tray->SetTipHelp("");
        tray->SetVisible(true);
        callsInConstructor = static_cast<FakeTrayShell&>(shell).calls.size();
    }
    TTrayIcon* tray = nullptr;
    size_t callsInConstructor = 0;
};

} // namespace

// ---- the real notification area ----

TEST_F(TrayIconTest, IconIsAddedChangedAndDeletedInTheNotificationArea) {
    TTrayIcon* tray = RealTray();
    ASSERT_TRUE(tray->Registered());
    HWND window = TTrayIcon::SharedWindow()->Handle();
    EXPECT_TRUE(ShellHolds(window, tray->Id()));
    tray->SetTipHelp("ランチャーのアイコン");
    tray->SetIcon(MakeIcon(IDI_INFORMATION).get());
    tray->SetVisible(false);
    EXPECT_FALSE(tray->Registered());
    EXPECT_FALSE(ShellHolds(window, tray->Id()));
    tray->SetVisible(true);
    EXPECT_TRUE(ShellHolds(window, tray->Id()));
}

TEST_F(TrayIconTest, NothingIsLeftWhenTheIconGoes) {
    TTrayIcon* tray = RealTray();
    const int id = tray->Id();
    HWND window = TTrayIcon::SharedWindow()->Handle();
    ASSERT_TRUE(ShellHolds(window, id));
    delete tray;
    EXPECT_FALSE(ShellHolds(window, id));
    EXPECT_EQ(kbtest::FindTopWindow(L"TTaskbarWatch"), nullptr);
    EXPECT_EQ(TTrayIcon::SharedWindow()->CurrentIcon(), nullptr);
}

TEST_F(TrayIconTest, CallbackWindowIsAHiddenChildOfTheOwnerForm) {
    FakeTray();
    TCallbackWindow* w = TTrayIcon::SharedWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(kbtest::ClassNameOf(w->Handle()), L"TCallbackWindow");
    EXPECT_EQ(GetParent(w->Handle()), form->Handle());
    EXPECT_TRUE(GetWindowLongW(w->Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(IsWindowVisible(w->Handle()));
    EXPECT_EQ(w->Owner(), form.get());
}

TEST_F(TrayIconTest, AllTrayIconsShareOneCallbackWindow) {
    TTrayIcon* a = FakeTray();
    TCallbackWindow* w = TTrayIcon::SharedWindow();
    auto other = ShownForm();
    auto* b = MakeOwned<TTrayIcon>(other.get(), shell);
    EXPECT_EQ(TTrayIcon::SharedWindow(), w);
    EXPECT_EQ(b->Id(), a->Id() + 1);
}

TEST_F(TrayIconTest, CallbackWindowGoesWithItsFormAndIsMadeAgain) {
    auto other = ShownForm();
    auto* first = MakeOwned<TTrayIcon>(other.get(), shell);
    (void)first;
    ASSERT_EQ(TTrayIcon::SharedWindow()->Owner(), other.get());
    other.reset();
    EXPECT_EQ(TTrayIcon::SharedWindow(), nullptr);
    FakeTray();
    ASSERT_NE(TTrayIcon::SharedWindow(), nullptr);
    EXPECT_EQ(TTrayIcon::SharedWindow()->Owner(), form.get());
}

TEST_F(TrayIconTest, TaskbarAnnouncementBringsTheIconBackAfterARestart) {
    TTrayIcon* tray = RealTray();
    HWND window = TTrayIcon::SharedWindow()->Handle();
    ShellDelete(window, tray->Id()); // as a restarted shell holds nothing
    ASSERT_FALSE(ShellHolds(window, tray->Id()));
    BroadcastTaskbarCreated();
    EXPECT_TRUE(PumpUntil([&] { return ShellHolds(window, tray->Id()); }));
    EXPECT_TRUE(tray->Registered());
}

// ---- what the shell is given ----

TEST_F(TrayIconTest, RecordNamesTheCallbackWindowMessageIconAndTip) {
    TTrayIcon* tray = FakeTray();
    tray->SetVisible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    const TTrayRecord& r = shell.calls[0].Record;
    EXPECT_EQ(reinterpret_cast<HWND>(r.Window), TTrayIcon::SharedWindow()->Handle());
    EXPECT_EQ(r.CallbackMessage, static_cast<uint32_t>(WM_USER + 200));
    EXPECT_EQ(r.Id, tray->Id());
    EXPECT_EQ(reinterpret_cast<HICON>(r.Icon), tray->Icon().Handle());
    EXPECT_EQ(r.Flags, 7u);
    EXPECT_EQ(r.Tip, "TipHelp");
}

TEST_F(TrayIconTest, NewImageChangesTheRegisteredIcon) {
    TTrayIcon* tray = FakeTray();
    tray->SetVisible(true);
    auto other = MakeIcon(IDI_WARNING);
    tray->SetIcon(other.get());
    ASSERT_EQ(shell.Count(TTrayOperation::Modify), 1u);
    EXPECT_EQ(reinterpret_cast<HICON>(shell.calls.back().Record.Icon), tray->Icon().Handle());
    EXPECT_NE(tray->Icon().Handle(), other->Handle()); // a copy, never the caller's
    tray->SetIcon(&tray->Icon());
    EXPECT_EQ(shell.Count(TTrayOperation::Modify), 1u);
}

TEST_F(TrayIconTest, EmptiedIconShowsTheFormsIcon) {
    auto formIcon = MakeIcon(IDI_QUESTION);
    SendMessageW(form->Handle(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(formIcon->Handle()));
    TTrayIcon* tray = FakeTray();
    tray->SetVisible(true);
    tray->SetIcon(nullptr);
    EXPECT_TRUE(tray->Icon().Empty());
    EXPECT_EQ(tray->CurrentIconHandle(), formIcon->Handle());
    EXPECT_EQ(reinterpret_cast<HICON>(shell.calls.back().Record.Icon), formIcon->Handle());
    SendMessageW(form->Handle(), WM_SETICON, ICON_BIG, 0);
}

TEST_F(TrayIconTest, VisibleWithoutAnyIconStaysFalse) {
    if (!Application.Icon().Empty())
        GTEST_SKIP() << "the test program has an application icon";
    auto* tray = MakeOwned<TTrayIcon>(form.get(), shell);
    tray->SetVisible(true);
    EXPECT_FALSE(tray->Visible());
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, FormsIconWaitsForLoadedWithoutATip) {
    auto f = MakeScoped<TfmWithTray>(shell, icon->Handle());
    EXPECT_EQ(f->callsInConstructor, 0u);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].Operation, TTrayOperation::Add);
    EXPECT_EQ(shell.calls[0].Record.Flags, 3u);
    EXPECT_TRUE(f->tray->Registered());
    // Built, the form's icon reacts at once.
    f->tray->SetVisible(false);
    EXPECT_EQ(shell.Count(TTrayOperation::Delete), 1u);
}

TEST_F(TrayIconTest, AddRefusedWhileTheFormLoadsWaitsForTheTaskbar) {
    shell.refuse = true; // the session's notification area is not there yet
    auto f = MakeScoped<TfmWithTray>(shell, icon->Handle());
    EXPECT_FALSE(f->tray->Registered());
    EXPECT_TRUE(f->tray->Visible());
    EXPECT_TRUE(errors.empty());
    shell.refuse = false;
    BroadcastTaskbarCreated();
    EXPECT_TRUE(PumpUntil([&] { return f->tray->Registered(); }));
}

TEST_F(TrayIconTest, HundredTrayIconsAreTheLimit) {
    FakeTray();
    std::vector<Scoped<TTrayIcon>> trays;
    while (trays.size() < 99)
        trays.push_back(MakeScoped<TTrayIcon>(shell));
    const int components = form->ComponentCount();
    EXPECT_THROW(MakeOwned<TTrayIcon>(form.get(), shell), ENotifyIconError);
    EXPECT_EQ(form->ComponentCount(), components);
    const int last = trays.back()->Id();
    trays.pop_back();
    EXPECT_EQ(MakeScoped<TTrayIcon>(shell)->Id(), last);
}

// ---- properties ----

TEST_F(TrayIconTest, AnimateRateIsAtLeastAHundred) {
    TTrayIcon* tray = FakeTray();
    EXPECT_EQ(tray->AnimateRate(), 500);
    tray->SetAnimateRate(50);
    EXPECT_EQ(tray->AnimateRate(), 100);
    tray->SetAnimateRate(700);
    EXPECT_EQ(tray->AnimateRate(), 700);
}

TEST_F(TrayIconTest, MenusAndImagesThatGoAreDropped) {
    TTrayIcon* tray = FakeTray();
    auto* menu = MakeOwned<TPopupMenu>(form.get());
    auto* images = MakeOwned<TComponent>(form.get());
    tray->SetLBPopupMenu(menu);
    tray->SetRBPopupMenu(menu);
    tray->SetAnimateIcons(images);
    delete menu;
    delete images;
    EXPECT_EQ(tray->LBPopupMenu(), nullptr);
    EXPECT_EQ(tray->RBPopupMenu(), nullptr);
    EXPECT_EQ(tray->AnimateIcons(), nullptr);
}

// ---- the shell's notifications ----

TEST_F(TrayIconTest, SingleClickFiresOnClickOnceAfterTheWait) {
    TTrayIcon* tray = FakeTray();
    std::vector<std::string> events;
    tray->OnMouseDown = [&](TComponent* s, TMouseButton b, TShiftState sh, int, int) {
        events.push_back(s == tray && b == TMouseButton::mbLeft && sh == ssLeft ? "down" : "?");
    };
    tray->OnClick = [&](TComponent* s) { events.push_back(s == tray ? "click" : "?"); };
    Notify(tray, WM_LBUTTONDOWN);
    Notify(tray, WM_LBUTTONUP);
    kbtest::PumpPosted();
    EXPECT_EQ(events, std::vector<std::string>{"down"});
    EXPECT_TRUE(tray->ClickPending());
    ASSERT_TRUE(PumpUntil([&] { return !tray->ClickWaiting(); }));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "click"}));
    EXPECT_EQ(TTrayIcon::SharedWindow()->CurrentIcon(), tray);
}

TEST_F(TrayIconTest, DoubleClickFiresOnlyOnDblClick) {
    TTrayIcon* tray = FakeTray();
    int clicks = 0, doubles = 0;
    tray->OnClick = [&](TComponent*) { ++clicks; };
    tray->OnDblClick = [&](TComponent*) { ++doubles; };
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Notify(tray, m);
    kbtest::PumpPosted();
    EXPECT_EQ(doubles, 1);
    ASSERT_TRUE(PumpUntil([&] { return !tray->ClickWaiting(); }));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(tray->ClickPending());
}

TEST_F(TrayIconTest, RightPressOpensTheRightMenuForTheTrayIcon) {
    TTrayIcon* tray = FakeTray();
    auto* menu = MakeOwned<TPopupMenu>(form.get());
    bool chosen = false;
    TComponent* popupSender = nullptr;
    TComponent* openedBy = nullptr;
    menu->Items().Add("表示(&S)", [&](TComponent*) { chosen = true; });
    menu->Items().Add("終了(&X)");
    menu->OnPopup = [&](TComponent* sender) {
        popupSender = sender;
        openedBy = menu->PopupComponent();
    };
    tray->SetRBPopupMenu(menu);
    int downs = 0;
    tray->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
    std::vector<kbtest::MenuItemView> items;
    kbtest::WindowDriver d(L"#32768", [&](HWND m) { items = kbtest::DriveMenu(m, 0); });
    Notify(tray, WM_RBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return chosen; }));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, L"表示(&S)");
    EXPECT_EQ(items[1].text, L"終了(&X)");
    EXPECT_EQ(popupSender, menu);
    EXPECT_EQ(openedBy, tray);
    EXPECT_EQ(downs, 0);
}

TEST_F(TrayIconTest, WithoutAutoPopupARightPressIsAMouseDown) {
    TTrayIcon* tray = FakeTray();
    auto* menu = MakeOwned<TPopupMenu>(form.get());
    menu->Items().Add("項目");
    tray->SetRBPopupMenu(menu);
    tray->SetAutoPopup(false);
    std::vector<TMouseButton> downs;
    tray->OnMouseDown = [&](TComponent*, TMouseButton b, TShiftState, int, int) {
        downs.push_back(b);
    };
    kbtest::WindowDriver d(
        L"#32768", [](HWND m) { kbtest::DriveMenu(m, -1); }, 2000);
    Notify(tray, WM_RBUTTONDOWN);
    kbtest::PumpPosted();
    EXPECT_FALSE(d.Acted());
    EXPECT_EQ(downs, std::vector<TMouseButton>{TMouseButton::mbRight});
}

TEST_F(TrayIconTest, DisabledIconFiresNothingAndOpensNoMenu) {
    TTrayIcon* tray = FakeTray();
    auto* menu = MakeOwned<TPopupMenu>(form.get());
    menu->Items().Add("項目");
    tray->SetLBPopupMenu(menu);
    tray->SetRBPopupMenu(menu);
    int fired = 0;
    tray->OnClick = tray->OnDblClick = [&](TComponent*) { ++fired; };
    tray->OnMouseDown =
        tray->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++fired; };
    tray->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++fired; };
    tray->SetEnabled(false);
    kbtest::WindowDriver d(
        L"#32768", [](HWND m) { kbtest::DriveMenu(m, -1); }, 2000);
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                   WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Notify(tray, m);
    kbtest::PumpPosted();
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(tray->ClickWaiting());
    EXPECT_FALSE(d.Acted());
}

TEST_F(TrayIconTest, EventsCarryTheButtonAndThePointersScreenPosition) {
    TTrayIcon* tray = FakeTray();
    std::vector<std::string> events;
    POINT at{};
    auto button = [](TMouseButton b) {
        return b == TMouseButton::mbLeft ? "L" : b == TMouseButton::mbRight ? "R" : "M";
    };
    tray->OnMouseDown = [&](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
        events.push_back(std::string("down ") + button(b) + std::to_string(s));
        at = {x, y};
    };
    tray->OnMouseUp = [&](TComponent*, TMouseButton b, TShiftState s, int, int) {
        events.push_back(std::string("up ") + button(b) + std::to_string(s));
    };
    tray->OnMouseMove = [&](TComponent*, TShiftState s, int, int) {
        events.push_back("move " + std::to_string(s));
    };
    tray->OnClick = [&](TComponent*) { events.push_back("click"); };
    kbtest::MovePointerTo(321, 234);
    for (UINT m :
         {WM_MOUSEMOVE, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONUP, WM_LBUTTONUP, WM_RBUTTONDBLCLK})
        Notify(tray, m);
    kbtest::PumpPosted();
    // With OnMouseUp a left release is a plain release: no click wait.
    EXPECT_EQ(events,
              (std::vector<std::string>{"move 0", "down M32", "up M32", "up R16", "up L8"}));
    EXPECT_FALSE(tray->ClickWaiting());
    EXPECT_EQ(at.x, 321);
    EXPECT_EQ(at.y, 234);
}

TEST_F(TrayIconTest, NotificationOfAnUnknownIdIsIgnored) {
    TTrayIcon* tray = FakeTray();
    int fired = 0;
    tray->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++fired; };
    PostMessageW(TTrayIcon::SharedWindow()->Handle(), WM_USER + 200,
                 static_cast<WPARAM>(tray->Id() + 50), WM_MOUSEMOVE);
    kbtest::PumpPosted();
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(TTrayIcon::SharedWindow()->CurrentIcon(), nullptr);
}

TEST_F(TrayIconTest, IconDestroyedDuringTheWaitGetsNoClick) {
    TTrayIcon* tray = FakeTray();
    bool clicked = false;
    tray->OnClick = [&](TComponent*) { clicked = true; };
    Notify(tray, WM_LBUTTONUP);
    kbtest::PumpPosted();
    ASSERT_TRUE(tray->ClickWaiting());
    delete tray; // stops and waits for its click thread
    EXPECT_EQ(TTrayIcon::SharedWindow()->CurrentIcon(), nullptr);
    kbtest::PumpPastTimers(GetDoubleClickTime() + 100);
    EXPECT_FALSE(clicked);
}

TEST_F(TrayIconTest, ClickHandlerMayFreeTheIcon) {
    TTrayIcon* tray = FakeTray();
    bool clicked = false;
    tray->OnClick = [&](TComponent* sender) {
        clicked = true;
        delete sender;
    };
    Notify(tray, WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return clicked; }));
    EXPECT_EQ(TTrayIcon::SharedWindow()->CurrentIcon(), nullptr);
}

TEST_F(TrayIconTest, DisablingDuringTheWaitCancelsTheClick) {
    TTrayIcon* tray = FakeTray();
    bool clicked = false;
    tray->OnClick = [&](TComponent*) { clicked = true; };
    Notify(tray, WM_LBUTTONUP);
    kbtest::PumpPosted();
    tray->SetEnabled(false);
    tray->SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return !tray->ClickWaiting(); }));
    EXPECT_FALSE(clicked);
}
