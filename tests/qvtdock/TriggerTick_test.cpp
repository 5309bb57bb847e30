// One tick of the trigger timer over a pretend machine: busy, the pointer-leave auto-hide, the
// pop-up hint, the screen edges, and the launch combination once per hold.
#include "qvtdock/TriggerTick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// What the probes read, and which of them were asked, in order.
struct Machine {
    bool busy = false, autoHides = false, visible = false, active = false, inWindow = false;
    bool hintVisible = false, edge = false, held = false, desktop = false, taskbar = false;
    std::vector<std::string> asked;

    TTickProbes Probes() {
        const auto probe = [this](const char* name, bool Machine::*fact) {
            return [this, name, fact] {
                asked.emplace_back(name);
                return this->*fact;
            };
        };
        TTickProbes p;
        p.Busy = probe("busy", &Machine::busy);
        p.AutoHide = probe("autoHide", &Machine::autoHides);
        p.Visible = probe("visible", &Machine::visible);
        p.Active = probe("active", &Machine::active);
        p.PointerInWindow = probe("inWindow", &Machine::inWindow);
        p.HintVisible = probe("hintVisible", &Machine::hintVisible);
        p.EdgePopup = probe("edge", &Machine::edge);
        p.CombinationHeld = probe("held", &Machine::held);
        p.OnDesktop = probe("desktop", &Machine::desktop);
        p.OnTaskbar = probe("taskbar", &Machine::taskbar);
        return p;
    }
    bool Asked(const std::string& name) const {
        for (const std::string& a : asked)
            if (a == name)
                return true;
        return false;
    }
};

class TriggerTick : public ::testing::Test {
protected:
    TTickResult Tick() {
        machine.asked.clear();
        return RunTriggerTick(hold, machine.Probes(), settings);
    }
    // Ticks until one launches; the number of ticks that took, or 0 when none did in ten.
    int TicksUntilLaunch() {
        for (int i = 1; i <= 10; ++i)
            if (Tick().Launch != TTickLaunch::None)
                return i;
        return 0;
    }

    Machine machine;
    THoldState hold;
    TTickSettings settings; // the defaults: desktop and taskbar only
};
} // namespace

// ---- Busy and the pointer-leave auto-hide ------------------------------------------------------

TEST_F(TriggerTick, Busy_AsksNothingElseAndDoesNothing) {
    machine.busy = true;
    machine.held = true;
    machine.desktop = true;
    hold.TickCount = 3;
    const TTickResult r = Tick();
    EXPECT_EQ(machine.asked, std::vector<std::string>{"busy"});
    EXPECT_EQ(r.Launch, TTickLaunch::None);
    EXPECT_FALSE(r.HideHint);
    EXPECT_EQ(hold.TickCount, 3);
}

TEST_F(TriggerTick, AutoHideComesFirst_AndWhenItHidTheTickEndsWithTheCountReset) {
    machine.autoHides = true;
    machine.held = true;
    machine.desktop = true;
    hold.TickCount = 2;
    const TTickResult r = Tick();
    EXPECT_EQ(machine.asked, (std::vector<std::string>{"busy", "autoHide"}));
    EXPECT_EQ(r.Launch, TTickLaunch::None);
    EXPECT_EQ(hold.TickCount, 0);
}

// ---- The combination, once per hold ------------------------------------------------------------

TEST_F(TriggerTick, HoldOnTheDesktop_ShowsOnTheFirstTick) {
    machine.held = true;
    machine.desktop = true;
    const TTickResult r = Tick();
    EXPECT_EQ(r.Launch, TTickLaunch::Show);
    EXPECT_TRUE(hold.Fired);
    EXPECT_TRUE(hold.Held);
    EXPECT_EQ(hold.TickCount, 0);
}

TEST_F(TriggerTick, LongHold_FiresOnceHoweverLong) {
    machine.held = true;
    machine.taskbar = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Show);
    machine.visible = false; // hidden again by other means while the hold lasts
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Tick().Launch, TTickLaunch::None) << i;
}

TEST_F(TriggerTick, Release_ReArms) {
    machine.held = true;
    machine.desktop = true;
    ASSERT_EQ(Tick().Launch, TTickLaunch::Show);
    machine.held = false;
    EXPECT_EQ(Tick().Launch, TTickLaunch::None);
    EXPECT_FALSE(hold.Fired);
    EXPECT_FALSE(hold.Held);
    machine.held = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Show);
}

TEST_F(TriggerTick, SuppressedHold_CountsOnAndFiresWhenItReachesTheDesktop) {
    machine.held = true; // over another program's window
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Tick().Launch, TTickLaunch::None);
        EXPECT_EQ(hold.TickCount, i);
        EXPECT_FALSE(hold.Fired);
    }
    machine.desktop = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Show);
    EXPECT_EQ(hold.TickCount, 0);
}

TEST_F(TriggerTick, SuppressedHold_ReleasedBeforeAnAllowedPlace_NeverFires) {
    machine.held = true;
    EXPECT_EQ(TicksUntilLaunch(), 0);
    machine.held = false;
    ASSERT_EQ(Tick().Launch, TTickLaunch::None);
    EXPECT_EQ(hold.TickCount, 0);
    machine.desktop = true; // the pointer arrives after the release
    EXPECT_EQ(TicksUntilLaunch(), 0);
}

TEST_F(TriggerTick, TheTaskbarCounts_OnlyWithEffectiveClickTaskBar) {
    machine.held = true;
    machine.taskbar = true;
    settings.EffectiveClickTaskBar = false;
    EXPECT_EQ(TicksUntilLaunch(), 0);
    settings.EffectiveClickTaskBar = true;
    EXPECT_EQ(TicksUntilLaunch(), 1);
}

TEST_F(TriggerTick, InvalidClickDeskTopOff_AnyPlaceCounts_AndThePlaceIsNotAsked) {
    settings.InvalidClickDeskTop = false;
    machine.held = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Show);
    EXPECT_FALSE(machine.Asked("desktop"));
    EXPECT_FALSE(machine.Asked("taskbar"));
}

TEST_F(TriggerTick, OnTheDesktop_TheTaskbarIsNotAsked) {
    machine.held = true;
    machine.desktop = true;
    (void)Tick();
    EXPECT_FALSE(machine.Asked("taskbar"));
}

TEST_F(TriggerTick, NothingHeld_ThePlaceIsNotAsked) {
    EXPECT_EQ(Tick().Launch, TTickLaunch::None);
    EXPECT_FALSE(machine.Asked("desktop"));
    EXPECT_FALSE(machine.Asked("taskbar"));
}

// ---- A visible window --------------------------------------------------------------------------

TEST_F(TriggerTick, VisibleButInactive_TheHoldBringsItForward) {
    machine.visible = true;
    machine.held = true;
    machine.desktop = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Foreground);
    EXPECT_EQ(Tick().Launch, TTickLaunch::None);
}

TEST_F(TriggerTick, VisibleAndActive_TheTickEndsBeforeTheCombination) {
    machine.visible = true;
    machine.active = true;
    machine.held = true;
    machine.desktop = true;
    hold.Fired = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::None);
    EXPECT_FALSE(machine.Asked("held"));
    EXPECT_FALSE(machine.Asked("edge"));
    EXPECT_TRUE(hold.Fired); // the hold's state waits for a tick that looks
}

TEST_F(TriggerTick, FiredWhileActive_ReleasedLater_ReArmsOnTheNextTickThatLooks) {
    machine.held = true;
    machine.desktop = true;
    ASSERT_EQ(Tick().Launch, TTickLaunch::Show);
    machine.visible = true;
    machine.active = true;
    machine.held = false;
    (void)Tick();
    EXPECT_TRUE(hold.Fired);
    machine.visible = false; // hidden by Esc, say
    machine.active = false;
    (void)Tick();
    EXPECT_FALSE(hold.Fired);
    machine.held = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::Show);
}

// ---- The pop-up hint ---------------------------------------------------------------------------

class TriggerTickHint : public TriggerTick {
protected:
    void SetUp() override {
        settings.HintHide = true;
        settings.BtnPopupHint = true;
        machine.visible = true;
        machine.hintVisible = true;
    }
};

TEST_F(TriggerTickHint, PointerOutsideTheWindow_TheHintGoes) {
    EXPECT_TRUE(Tick().HideHint);
}

TEST_F(TriggerTickHint, AlsoWhenTheWindowIsActive) {
    machine.active = true;
    EXPECT_TRUE(Tick().HideHint);
}

TEST_F(TriggerTickHint, PointerInsideTheWindow_TheHintStays) {
    machine.inWindow = true;
    EXPECT_FALSE(Tick().HideHint);
}

TEST_F(TriggerTickHint, HintHideOrThePopupHintOff_TheHintStays) {
    settings.HintHide = false;
    EXPECT_FALSE(Tick().HideHint);
    settings.HintHide = true;
    settings.BtnPopupHint = false;
    EXPECT_FALSE(Tick().HideHint);
    EXPECT_FALSE(machine.Asked("inWindow"));
}

TEST_F(TriggerTickHint, NoHintShown_NothingToHide) {
    machine.hintVisible = false;
    EXPECT_FALSE(Tick().HideHint);
}

TEST_F(TriggerTickHint, HintGoesAndTheHoldBringsTheInactiveWindowForward_InOneTick) {
    machine.held = true;
    machine.desktop = true;
    const TTickResult r = Tick();
    EXPECT_TRUE(r.HideHint);
    EXPECT_EQ(r.Launch, TTickLaunch::Foreground);
}

TEST_F(TriggerTickHint, HiddenWindow_TheHintIsNotLookedAt) {
    machine.visible = false;
    EXPECT_FALSE(Tick().HideHint);
    EXPECT_FALSE(machine.Asked("hintVisible"));
}

// ---- The screen edges --------------------------------------------------------------------------

TEST_F(TriggerTick, HiddenWindow_TheEdgesAreTriedFirst_AndWhenTheyShowTheTickEnds) {
    machine.edge = true;
    machine.held = true;
    machine.desktop = true;
    EXPECT_EQ(Tick().Launch, TTickLaunch::None); // the edge showed it already
    EXPECT_TRUE(machine.Asked("edge"));
    EXPECT_FALSE(machine.Asked("held"));
    EXPECT_FALSE(hold.Fired);
}

TEST_F(TriggerTick, VisibleWindow_TheEdgesAreNotTried) {
    machine.visible = true;
    (void)Tick();
    EXPECT_FALSE(machine.Asked("edge"));
}

// ---- The place rule alone ----------------------------------------------------------------------

TEST(CombinationAllowedHere, TheThreePlaces) {
    Machine m;
    TTickSettings s;
    EXPECT_FALSE(CombinationAllowedHere(s, m.Probes()));
    m.desktop = true;
    EXPECT_TRUE(CombinationAllowedHere(s, m.Probes()));
    m.desktop = false;
    m.taskbar = true;
    EXPECT_TRUE(CombinationAllowedHere(s, m.Probes()));
    s.EffectiveClickTaskBar = false;
    EXPECT_FALSE(CombinationAllowedHere(s, m.Probes()));
    s.InvalidClickDeskTop = false;
    m.taskbar = false;
    EXPECT_TRUE(CombinationAllowedHere(s, m.Probes()));
}
