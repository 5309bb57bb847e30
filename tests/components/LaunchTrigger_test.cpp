#include "components/LaunchTrigger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;

namespace {

// The buttons a test holds; counts how often the second extra button was looked at.
struct Buttons {
    TLaunchMouseBtns held;
    bool x1 = false, x2 = false;
    int x2Asked = 0;

    // The events of one tick in firing order.
    std::string Tick(TLaunchTrigger& t) {
        const TTickEvents e = t.Tick({[this] { return held; }, [this] { return x1; },
                                      [this] {
                                          ++x2Asked;
                                          return x2;
                                      }});
        return std::string(e.Mouse4BtnClick ? "m4 " : "") + (e.Mouse5BtnClick ? "m5 " : "") +
               (e.Timer ? "timer" : "");
    }
};

// The pointer's place; counts how often each place was asked.
struct Places {
    bool desktop = false, taskbar = false;
    int desktopAsked = 0, taskbarAsked = 0;

    bool Agree(TLaunchTrigger& t) {
        return t.Agree({[this] { return ++desktopAsked, desktop; },
                        [this] { return ++taskbarAsked, taskbar; }});
    }
};

// A main window at (100, 100, 300, 200) and the pointer.
struct Pointer {
    std::optional<TRect> window = Rect(100, 100, 300, 200);
    std::optional<TPoint> cursor = TPoint{150, 150};
    bool underIsMain = true;
    int underAsked = 0;

    bool InCursor(TLaunchTrigger& t) {
        return t.InCursor({[this] { return window; }, [this] { return cursor; },
                           [this] { return ++underAsked, underIsMain; }});
    }
};

} // namespace

TEST(LaunchTrigger, StartsWithTheMiddleButtonCountingOnDesktopAndTaskbar) {
    const TLaunchTrigger t;
    EXPECT_EQ(t.LaunchMouseBtns, TLaunchMouseBtns({lmMiddle}));
    EXPECT_TRUE(t.InvalidClickDeskTop);
    EXPECT_TRUE(t.EffectiveClickTaskBar);
    EXPECT_FALSE(t.LaunchMouseBtnDowned || t.X1Held || t.X2Held || t.AgreeValue || t.InCursorRgn);
}

// ---- the launch combination ----

TEST(LaunchTrigger, Tick_CombinationIsExactlyTheButtonsHeld) {
    TLaunchTrigger t;
    Buttons b;
    b.held = {lmMiddle};
    EXPECT_EQ(b.Tick(t), "timer");
    EXPECT_TRUE(t.LaunchMouseBtnDowned);
    b.held = {lmMiddle, lmLeft};
    b.Tick(t);
    EXPECT_FALSE(t.LaunchMouseBtnDowned);
    b.held = {};
    b.Tick(t);
    EXPECT_FALSE(t.LaunchMouseBtnDowned);
}

TEST(LaunchTrigger, Tick_CombinationNamingNoneIsNeverHeld) {
    TLaunchTrigger t;
    t.LaunchMouseBtns = {lmNone, lmMiddle};
    Buttons b;
    b.held = {lmMiddle};
    b.Tick(t);
    EXPECT_FALSE(t.LaunchMouseBtnDowned);
}

TEST(LaunchTrigger, Tick_CombinationIsReadAlsoOnTicksAnExtraButtonSwallows) {
    TLaunchTrigger t;
    t.LaunchMouseBtns = {lmMiddle, lmMos4};
    Buttons b;
    b.held = {lmMiddle, lmMos4};
    b.x1 = true;
    b.Tick(t);
    EXPECT_EQ(b.Tick(t), "");
    EXPECT_TRUE(t.LaunchMouseBtnDowned);
}

// ---- extra buttons ----

TEST(LaunchTrigger, Tick_FirstExtraButtonDownHeldUpOverThreeTicks) {
    TLaunchTrigger t;
    Buttons b;
    b.x1 = true;
    EXPECT_EQ(b.Tick(t), "timer"); // down
    EXPECT_EQ(b.Tick(t), "");      // still down: no OnTimer
    EXPECT_EQ(b.Tick(t), "");
    b.x1 = false;
    EXPECT_EQ(b.Tick(t), "m4 timer"); // up: the click, then OnTimer
    EXPECT_EQ(b.Tick(t), "timer");
}

TEST(LaunchTrigger, Tick_SecondExtraButtonIsLookedAtOnlyWhileTheFirstIsIdle) {
    TLaunchTrigger t;
    Buttons b;
    b.x1 = true;
    b.x2 = true;
    EXPECT_EQ(b.Tick(t), "timer");
    EXPECT_EQ(b.Tick(t), "");
    b.x1 = false;
    EXPECT_EQ(b.Tick(t), "m4 timer"); // the first's release ends the tick
    EXPECT_EQ(b.x2Asked, 0);
    EXPECT_EQ(b.Tick(t), "timer"); // now the second is seen going down
    EXPECT_EQ(b.Tick(t), "");
    b.x2 = false;
    EXPECT_EQ(b.Tick(t), "m5 timer");
}

TEST(LaunchTrigger, Tick_SecondExtraButtonsReleaseWaitsUntilTheFirstIsIdle) {
    TLaunchTrigger t;
    Buttons b;
    b.x2 = true;
    b.Tick(t);
    b.x1 = true;
    b.Tick(t);
    b.x2 = false; // released while the first is held
    EXPECT_EQ(b.Tick(t), "");
    b.x1 = false;
    EXPECT_EQ(b.Tick(t), "m4 timer");
    EXPECT_EQ(b.Tick(t), "m5 timer");
}

// ---- Agree ----

TEST(LaunchTrigger, Agree_AnywhereWhenTheDesktopRuleIsOffWithoutAsking) {
    TLaunchTrigger t;
    t.InvalidClickDeskTop = false;
    Places p;
    EXPECT_TRUE(p.Agree(t));
    EXPECT_TRUE(t.AgreeValue);
    EXPECT_EQ(p.desktopAsked + p.taskbarAsked, 0);
}

TEST(LaunchTrigger, Agree_DesktopFirstThenTheTaskbarOnlyWhenItCounts) {
    TLaunchTrigger t;
    Places p;
    p.desktop = true;
    EXPECT_TRUE(p.Agree(t));
    EXPECT_EQ(p.taskbarAsked, 0);
    p.desktop = false;
    p.taskbar = true;
    EXPECT_TRUE(p.Agree(t));
    EXPECT_EQ(p.taskbarAsked, 1);
    t.EffectiveClickTaskBar = false;
    EXPECT_FALSE(p.Agree(t));
    EXPECT_FALSE(t.AgreeValue);
    EXPECT_EQ(p.taskbarAsked, 1);
    EXPECT_EQ(p.desktopAsked, 3);
}

// ---- InCursor ----

TEST(LaunchTrigger, InCursor_StrictlyInsideAndOverTheMainWindow) {
    TLaunchTrigger t;
    Pointer p;
    EXPECT_TRUE(p.InCursor(t));
    EXPECT_TRUE(t.InCursorRgn);
    p.cursor = TPoint{299, 199};
    EXPECT_TRUE(p.InCursor(t));
    p.underIsMain = false; // another window lies above
    EXPECT_TRUE(p.InCursor(t));
    EXPECT_FALSE(t.InCursorRgn);
}

TEST(LaunchTrigger, InCursor_BorderAndOutsideDoNotCountAndAskNothingMore) {
    TLaunchTrigger t;
    Pointer p;
    for (const TPoint at :
         {TPoint{100, 150}, TPoint{150, 100}, TPoint{300, 150}, TPoint{150, 200}, TPoint{50, 50}}) {
        p.InCursor(t);
        p.underAsked = 0;
        p.cursor = at;
        EXPECT_FALSE(p.InCursor(t)) << at.X << "," << at.Y;
        EXPECT_FALSE(t.InCursorRgn);
        EXPECT_EQ(p.underAsked, 0);
        p.cursor = TPoint{150, 150};
    }
}

TEST(LaunchTrigger, InCursor_NoMainWindowOrNoPointerIsOutside) {
    TLaunchTrigger t;
    Pointer p;
    p.InCursor(t);
    p.window.reset();
    EXPECT_FALSE(p.InCursor(t));
    EXPECT_FALSE(t.InCursorRgn);
    p.window = Rect(100, 100, 300, 200);
    p.cursor.reset();
    EXPECT_FALSE(p.InCursor(t));
    EXPECT_FALSE(t.InCursorRgn);
}
