#include "components/TrayNotifier.h"

#include "components/FakeTrayShell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using forms::TComponent;

namespace {
constexpr uintptr_t kWindow = 0x1234;
constexpr uintptr_t kIcon = 0x5678;

// A notifier with an icon and a window, as a tray icon sets it up.
struct Tray {
    explicit Tray(int id = 1) : notifier(shell, id) {
        notifier.IconHandle = [this] { return icon; };
        notifier.Window = [] { return kWindow; };
    }
    // Shown in the notification area, outside any loading.
    Tray& Shown() {
        notifier.SetVisible(true, false);
        shell.calls.clear();
        return *this;
    }
    FakeTrayShell shell;
    uintptr_t icon = kIcon;
    TTrayNotifier notifier;
};

std::string Ascii(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}
} // namespace

// ---- ids ----

TEST(TrayIdsTest, FirstIconGetsOne) {
    TTrayIdList ids;
    TComponent a(nullptr);
    EXPECT_EQ(ids.Add(&a), 1);
    EXPECT_EQ(ids.Find(1), &a);
}

TEST(TrayIdsTest, IdFreedAtTheEndIsGivenAgain) {
    TTrayIdList ids;
    TComponent a(nullptr), b(nullptr), c(nullptr);
    ids.Add(&a);
    ids.Add(&b);
    ids.Remove(2);
    EXPECT_EQ(ids.Add(&c), 2);
    EXPECT_EQ(ids.Find(2), &c);
}

TEST(TrayIdsTest, IdFreedBeforeTheLastIsNotGivenAgain) {
    TTrayIdList ids;
    TComponent a(nullptr), b(nullptr), c(nullptr);
    ids.Add(&a);
    ids.Add(&b);
    ids.Remove(1);
    EXPECT_EQ(ids.Add(&c), 3);
    EXPECT_EQ(ids.Find(1), nullptr);
    EXPECT_EQ(ids.Icons(), (std::vector<TComponent*>{&b, &c}));
}

TEST(TrayIdsTest, HundredLivingIconsAreTheLimit) {
    TTrayIdList ids;
    TComponent icon(nullptr);
    for (int i = 1; i <= TTrayIdList::kMaxIcons; ++i)
        ASSERT_EQ(ids.Add(&icon), i);
    try {
        ids.Add(&icon);
        FAIL() << "the 101st icon got an id";
    } catch (const ENotifyIconError& e) {
        EXPECT_EQ(e.Message(), "タスクトレイにアイコンを登録できません。");
    }
    EXPECT_EQ(ids.Count(), 100);
    ids.Remove(50);
    EXPECT_EQ(ids.Add(&icon), 101);
}

TEST(TrayIdsTest, UnknownIdFindsNothingAndRemovesNothing) {
    TTrayIdList ids;
    TComponent a(nullptr);
    ids.Add(&a);
    ids.Remove(7);
    EXPECT_EQ(ids.Find(0), nullptr);
    EXPECT_EQ(ids.Find(-1), nullptr);
    EXPECT_EQ(ids.Count(), 1);
}

// ---- tip and record ----

TEST(TrayTipTest, SeventyAsciiBytesKeepTheFirstSixtyTwo) {
    const std::string tip = Ascii(70);
    EXPECT_EQ(TrayTip(tip), tip.substr(0, 62));
}

TEST(TrayTipTest, DoubleByteCharacterStraddlingTheLimitIsLeftOut) {
    // 61 bytes and あ (82 A0): the second byte would be the 63rd.
    EXPECT_EQ(TrayTip(Ascii(61) + "あ"), Ascii(61));
    // 60 bytes and あ end exactly at the limit.
    EXPECT_EQ(TrayTip(Ascii(60) + "あ"), Ascii(60) + "あ");
    // A trail byte that is '\' (表 = 95 5C) counts as part of its character.
    EXPECT_EQ(TrayTip(Ascii(61) + "表"), Ascii(61));
}

TEST(TrayTipTest, FlagsNameTheTipOnlyWhenThereIsOne) {
    EXPECT_EQ(TrayFlags("x"), 7u);
    EXPECT_EQ(TrayFlags(""), 3u);
}

TEST(TrayTipTest, ClickWaitIsTheDoubleClickTimeAndFifty) {
    EXPECT_EQ(TrayClickWait(500), 550u);
    EXPECT_EQ(TrayClickWait(0), 50u);
}

TEST(TrayNotifierTest, NewIconHasTheDefaults) {
    Tray t;
    EXPECT_EQ(t.notifier.TipHelp(), "TipHelp");
    EXPECT_FALSE(t.notifier.Visible());
    EXPECT_TRUE(t.notifier.Enabled());
    EXPECT_TRUE(t.notifier.AutoPopup());
    EXPECT_FALSE(t.notifier.Registered());
    EXPECT_FALSE(t.notifier.ClickPending());
    EXPECT_TRUE(t.shell.calls.empty());
}

TEST(TrayNotifierTest, AddCarriesIdWindowMessageIconAndTip) {
    Tray t(4);
    t.notifier.SetVisible(true, false);
    ASSERT_EQ(t.shell.calls.size(), 1u);
    const FakeTrayShell::Call& c = t.shell.calls[0];
    EXPECT_EQ(c.Operation, TTrayOperation::Add);
    EXPECT_EQ(c.Record.Id, 4);
    EXPECT_EQ(c.Record.Window, kWindow);
    EXPECT_EQ(c.Record.CallbackMessage, 1224u);
    EXPECT_EQ(c.Record.Icon, kIcon);
    EXPECT_EQ(c.Record.Flags, 7u);
    EXPECT_EQ(c.Record.Tip, "TipHelp");
    EXPECT_TRUE(t.notifier.Registered());
}

TEST(TrayNotifierTest, LongTipIsCutAndSettingItAgainCallsNothing) {
    Tray t;
    t.Shown();
    t.notifier.SetTipHelp(Ascii(70));
    EXPECT_EQ(t.notifier.TipHelp(), Ascii(62));
    ASSERT_EQ(t.shell.calls.size(), 1u);
    EXPECT_EQ(t.shell.calls[0].Operation, TTrayOperation::Modify);
    EXPECT_EQ(t.shell.calls[0].Record.Tip, Ascii(62));
    t.notifier.SetTipHelp(Ascii(62));
    t.notifier.SetTipHelp(Ascii(70));
    EXPECT_EQ(t.shell.calls.size(), 1u);
}

TEST(TrayNotifierTest, EmptyTipRegistersWithFlagsThree) {
    Tray t;
    t.notifier.SetTipHelp("");
    t.notifier.SetVisible(true, false);
    ASSERT_EQ(t.shell.calls.size(), 1u);
    EXPECT_EQ(t.shell.calls[0].Record.Flags, 3u);
    EXPECT_EQ(t.shell.calls[0].Record.Tip, "");
    t.notifier.SetTipHelp("ランチャー");
    EXPECT_EQ(t.shell.calls.back().Record.Flags, 7u);
}

// ---- adding, changing, deleting ----

TEST(TrayNotifierTest, VisibleWithoutAnyIconStaysFalse) {
    Tray t;
    t.icon = 0;
    t.notifier.SetVisible(true, false);
    EXPECT_FALSE(t.notifier.Visible());
    EXPECT_TRUE(t.shell.calls.empty());
}

TEST(TrayNotifierTest, HiddenIconIsDeleted) {
    Tray t;
    t.Shown();
    t.notifier.SetVisible(false, false);
    ASSERT_EQ(t.shell.calls.size(), 1u);
    EXPECT_EQ(t.shell.calls[0].Operation, TTrayOperation::Delete);
    EXPECT_EQ(t.shell.calls[0].Record.Window, kWindow);
    EXPECT_FALSE(t.notifier.Registered());
    EXPECT_TRUE(t.shell.icons.empty());
    t.notifier.SetVisible(false, false);
    EXPECT_EQ(t.shell.calls.size(), 1u);
}

TEST(TrayNotifierTest, WhileLoadingVisibleIsKeptUntilLoaded) {
    Tray t;
    t.notifier.SetVisible(true, true);
    EXPECT_TRUE(t.notifier.Visible());
    EXPECT_TRUE(t.shell.calls.empty());
    t.notifier.Loaded();
    EXPECT_EQ(t.shell.Count(TTrayOperation::Add), 1u);
    EXPECT_TRUE(t.notifier.Registered());
}

TEST(TrayNotifierTest, LoadedAddsNothingWhenNotVisible) {
    Tray t;
    t.notifier.Loaded();
    EXPECT_TRUE(t.shell.calls.empty());
}

TEST(TrayNotifierTest, RefusedAddRaisesAndLeavesTheIconUnregistered) {
    Tray t;
    t.shell.refuse = true;
    EXPECT_THROW(t.notifier.SetVisible(true, false), ENotifyIconError);
    EXPECT_TRUE(t.notifier.Visible());
    EXPECT_FALSE(t.notifier.Registered());
}

TEST(TrayNotifierTest, RefusedChangeRaisesAndKeepsTheIconRegistered) {
    Tray t;
    t.Shown();
    t.shell.refuse = true;
    EXPECT_THROW(t.notifier.SetTipHelp("新しい"), ENotifyIconError);
    EXPECT_THROW(t.notifier.IconChanged(), ENotifyIconError);
    EXPECT_TRUE(t.notifier.Registered());
    EXPECT_EQ(t.notifier.TipHelp(), "新しい");
}

TEST(TrayNotifierTest, RefusedDeleteIsNotReported) {
    Tray t;
    t.Shown();
    t.shell.refuse = true;
    t.notifier.SetVisible(false, false);
    EXPECT_FALSE(t.notifier.Registered());
    t.notifier.Remove();
    EXPECT_EQ(t.shell.calls.size(), 1u);
}

TEST(TrayNotifierTest, IconChangeReachesOnlyARegisteredIcon) {
    Tray t;
    t.notifier.IconChanged();
    EXPECT_TRUE(t.shell.calls.empty());
    t.Shown();
    t.icon = 0x9999;
    t.notifier.IconChanged();
    ASSERT_EQ(t.shell.calls.size(), 1u);
    EXPECT_EQ(t.shell.calls[0].Operation, TTrayOperation::Modify);
    EXPECT_EQ(t.shell.calls[0].Record.Icon, 0x9999u);
}

TEST(TrayNotifierTest, RemoveDeletesOnlyARegisteredIcon) {
    Tray t;
    t.notifier.Remove();
    EXPECT_TRUE(t.shell.calls.empty());
    t.Shown();
    t.notifier.Remove();
    EXPECT_EQ(t.shell.Count(TTrayOperation::Delete), 1u);
    EXPECT_TRUE(t.shell.icons.empty());
}

// ---- the taskbar's announcement ----

TEST(TrayTaskbarTest, AddRefusedAtStartComesWithTheTaskbar) {
    Tray t;
    t.notifier.SetVisible(true, true);
    t.shell.refuse = true; // no notification area yet
    t.notifier.Loaded();   // does not raise
    EXPECT_FALSE(t.notifier.Registered());
    t.shell.refuse = false;
    t.notifier.TaskbarCreated();
    EXPECT_TRUE(t.notifier.Registered());
    EXPECT_EQ(t.shell.icons.size(), 1u);
}

TEST(TrayTaskbarTest, RestartedShellGetsTheIconAgain) {
    Tray t;
    t.Shown();
    t.shell.Restart();
    t.notifier.TaskbarCreated();
    ASSERT_EQ(t.shell.calls.size(), 1u);
    EXPECT_EQ(t.shell.calls[0].Operation, TTrayOperation::Add);
    EXPECT_TRUE(t.notifier.Registered());
    EXPECT_EQ(t.shell.icons.size(), 1u);
}

TEST(TrayTaskbarTest, AnnouncementThatFindsTheIconKeepsIt) {
    Tray t;
    t.Shown();
    t.notifier.TaskbarCreated(); // the add is refused: the shell holds it still
    EXPECT_TRUE(t.notifier.Registered());
    t.notifier.SetVisible(false, false);
    EXPECT_TRUE(t.shell.icons.empty());
}

TEST(TrayTaskbarTest, RefusedAgainWaitsForTheNextAnnouncement) {
    Tray t;
    t.Shown();
    t.shell.Restart();
    t.shell.refuse = true;
    t.notifier.TaskbarCreated();
    EXPECT_FALSE(t.notifier.Registered());
    t.shell.refuse = false;
    t.notifier.TaskbarCreated();
    EXPECT_TRUE(t.notifier.Registered());
}

TEST(TrayTaskbarTest, HiddenIconStaysAway) {
    Tray t;
    t.notifier.TaskbarCreated();
    EXPECT_TRUE(t.shell.calls.empty());
}

// ---- notifications ----

namespace {
TTrayReaction R(TTrayAction a, TTrayButton b = TTrayButton::Left) {
    return {a, b};
}
const uint32_t kMove = 0x200, kLDown = 0x201, kLUp = 0x202, kLDbl = 0x203, kRDown = 0x204,
               kRUp = 0x205, kRDbl = 0x206, kMDown = 0x207, kMUp = 0x208, kWheel = 0x20A;
} // namespace

TEST(TrayDispatchTest, EachMessageAsksForItsEvent) {
    Tray t;
    TTrayHandlers none;
    using A = TTrayAction;
    using B = TTrayButton;
    EXPECT_EQ(t.notifier.Notification(kMove, none), R(A::MouseMove));
    EXPECT_EQ(t.notifier.Notification(kLDown, none), R(A::MouseDown, B::Left));
    EXPECT_EQ(t.notifier.Notification(kRDown, none), R(A::MouseDown, B::Right));
    EXPECT_EQ(t.notifier.Notification(kRUp, none), R(A::MouseUp, B::Right));
    EXPECT_EQ(t.notifier.Notification(kMDown, none), R(A::MouseDown, B::Middle));
    EXPECT_EQ(t.notifier.Notification(kMUp, none), R(A::MouseUp, B::Middle));
    EXPECT_EQ(t.notifier.Notification(kLDbl, none), R(A::DblClick));
    EXPECT_EQ(t.notifier.Notification(kRDbl, none), R(A::None));
    EXPECT_EQ(t.notifier.Notification(kWheel, none), R(A::None));
    EXPECT_EQ(t.notifier.Notification(0, none), R(A::None));
}

TEST(TrayDispatchTest, DisabledIconIgnoresEverything) {
    Tray t;
    t.notifier.SetEnabled(false);
    TTrayHandlers all{true, false, true, true};
    for (uint32_t m : {kMove, kLDown, kLUp, kLDbl, kRDown, kRUp, kMDown, kMUp})
        EXPECT_EQ(t.notifier.Notification(m, all), R(TTrayAction::None)) << m;
    EXPECT_FALSE(t.notifier.ClickPending());
}

TEST(TrayDispatchTest, PressOpensTheButtonsMenuWithAutoPopup) {
    Tray t;
    TTrayHandlers menus;
    menus.LeftMenu = menus.RightMenu = true;
    EXPECT_EQ(t.notifier.Notification(kLDown, menus), R(TTrayAction::LeftMenu));
    EXPECT_EQ(t.notifier.Notification(kRDown, menus), R(TTrayAction::RightMenu));
    t.notifier.SetAutoPopup(false);
    EXPECT_EQ(t.notifier.Notification(kLDown, menus), R(TTrayAction::MouseDown, TTrayButton::Left));
    EXPECT_EQ(t.notifier.Notification(kRDown, menus),
              R(TTrayAction::MouseDown, TTrayButton::Right));
}

TEST(TrayDispatchTest, PressWithoutThatButtonsMenuIsAMouseDown) {
    Tray t;
    TTrayHandlers rightOnly;
    rightOnly.RightMenu = true;
    EXPECT_EQ(t.notifier.Notification(kLDown, rightOnly),
              R(TTrayAction::MouseDown, TTrayButton::Left));
    EXPECT_EQ(t.notifier.Notification(kRDown, rightOnly), R(TTrayAction::RightMenu));
}

TEST(TrayDispatchTest, LeftReleaseWithOnMouseUpIsOnlyAMouseUp) {
    Tray t;
    TTrayHandlers has;
    has.OnClick = has.OnMouseUp = true;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(t.notifier.Notification(kLUp, has), R(TTrayAction::MouseUp, TTrayButton::Left));
    EXPECT_FALSE(t.notifier.ClickPending());
}

TEST(TrayDispatchTest, LeftReleaseWithoutOnClickStartsNoWait) {
    Tray t;
    EXPECT_EQ(t.notifier.Notification(kLUp, {}), R(TTrayAction::None));
    EXPECT_FALSE(t.notifier.ClickPending());
}

// ---- single and double clicks on a clock of the test's own ----

namespace {
// Plays notifications at given milliseconds and ends each wait when its time has come, as the
// single-click thread does after the double-click time (500 here) and 50 ms.
class ClickClock {
public:
    explicit ClickClock(TTrayNotifier& notifier) : notifier_(notifier) { has.OnClick = true; }

    void At(int ms, uint32_t message) {
        RunUntil(ms);
        const TTrayReaction r = notifier_.Notification(message, has);
        if (r.Action == TTrayAction::StartClickWait)
            waits_.push_back(ms + static_cast<int>(TrayClickWait(500)));
        if (r.Action == TTrayAction::DblClick)
            events.push_back("dblclick@" + std::to_string(ms));
    }
    void RunUntil(int ms) {
        while (!waits_.empty() && waits_.front() <= ms) {
            const int due = waits_.front();
            waits_.erase(waits_.begin());
            if (notifier_.ClickWaitEnded(has.OnClick))
                events.push_back("click@" + std::to_string(due));
        }
    }

    TTrayHandlers has;
    std::vector<std::string> events;

private:
    TTrayNotifier& notifier_;
    std::vector<int> waits_;
};
using Events = std::vector<std::string>;
} // namespace

TEST(TrayClickTest, SingleClickFiresOnClickOnceAfterTheWait) {
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLDown);
    clock.At(80, kLUp);
    EXPECT_TRUE(t.notifier.ClickPending());
    clock.RunUntil(629);
    EXPECT_TRUE(clock.events.empty());
    clock.RunUntil(10000);
    EXPECT_EQ(clock.events, Events{"click@630"});
    EXPECT_FALSE(t.notifier.ClickPending());
}

TEST(TrayClickTest, DoubleClickFiresOnlyOnDblClick) {
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLDown);
    clock.At(80, kLUp);
    clock.At(200, kLDbl);
    clock.At(280, kLUp);
    clock.RunUntil(10000);
    EXPECT_EQ(clock.events, Events{"dblclick@200"});
}

TEST(TrayClickTest, ClickSoonAfterADoubleClickFiresWhenTheFirstWaitEnds) {
    // One pending mark serves every wait: the wait of the double click's first release ends
    // the new click's wait early.
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLDown);
    clock.At(80, kLUp);
    clock.At(200, kLDbl);
    clock.At(280, kLUp);
    clock.At(400, kLDown);
    clock.At(450, kLUp);
    clock.RunUntil(10000);
    EXPECT_EQ(clock.events, (Events{"dblclick@200", "click@630"}));
}

TEST(TrayClickTest, TwoSeparateClicksFireTwice) {
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLUp);
    clock.At(1000, kLUp);
    clock.RunUntil(10000);
    EXPECT_EQ(clock.events, (Events{"click@550", "click@1550"}));
}

TEST(TrayClickTest, DisablingCancelsTheWaitingClick) {
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLUp);
    t.notifier.SetEnabled(false);
    t.notifier.SetEnabled(true);
    clock.RunUntil(10000);
    EXPECT_TRUE(clock.events.empty());
}

TEST(TrayClickTest, OnClickRemovedDuringTheWaitFiresNothing) {
    Tray t;
    ClickClock clock(t.notifier);
    clock.At(0, kLUp);
    clock.has.OnClick = false;
    clock.RunUntil(10000);
    EXPECT_TRUE(clock.events.empty());
    EXPECT_FALSE(t.notifier.ClickPending());
}
