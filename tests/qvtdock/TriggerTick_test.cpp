// One tick of the trigger timer over a pretend machine: busy, the pointer-leave auto-hide, the
// pop-up hint, the screen edges, and the launch combination once per hold.
#include "qvtdock/TriggerTick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// What the probes read, and which of them were asked.
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
        return {probe("busy", &Machine::busy),         probe("autoHide", &Machine::autoHides),
                probe("visible", &Machine::visible),   probe("active", &Machine::active),
                probe("inWindow", &Machine::inWindow), probe("hint", &Machine::hintVisible),
                probe("edge", &Machine::edge),         probe("held", &Machine::held),
                probe("desktop", &Machine::desktop),   probe("taskbar", &Machine::taskbar)};
    }
    bool Asked(const std::string& name) const {
        return std::find(asked.begin(), asked.end(), name) != asked.end();
    }
};

class TriggerTick : public ::testing::Test {
protected:
    TTickResult Tick() {
        machine.asked.clear();
        return RunTriggerTick(hold, machine.Probes(), settings);
    }
    TTickLaunch Launch() { return Tick().Launch; }

    Machine machine;
    THoldState hold;
    TTickSettings settings; // the defaults: the desktop and the taskbar only
};
} // namespace

TEST_F(TriggerTick, Busy_AsksNothingElseAndDoesNothing) {
    machine.busy = machine.held = machine.desktop = true;
    hold.TickCount = 3;
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_EQ(machine.asked, std::vector<std::string>{"busy"});
    EXPECT_EQ(hold.TickCount, 3);
}

TEST_F(TriggerTick, AutoHideComesFirst_WhenItHidTheTickEndsWithTheCountReset) {
    machine.autoHides = machine.held = machine.desktop = true;
    hold.TickCount = 2;
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_EQ(machine.asked, (std::vector<std::string>{"busy", "autoHide"}));
    EXPECT_EQ(hold.TickCount, 0);
}

TEST_F(TriggerTick, AHoldOnTheDesktopShowsOnce_ReleaseReArms) {
    machine.held = machine.desktop = true;
    EXPECT_EQ(Launch(), TTickLaunch::Show);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(Launch(), TTickLaunch::None) << i;
    machine.held = false;
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_FALSE(hold.LaunchFired);
    machine.held = true;
    EXPECT_EQ(Launch(), TTickLaunch::Show);
}

TEST_F(TriggerTick, SuppressedHold_CountsOnAndFiresWhenItReachesAnAllowedPlace) {
    machine.held = true; // over another program's window
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Launch(), TTickLaunch::None);
        EXPECT_EQ(hold.TickCount, i);
    }
    machine.taskbar = true;
    EXPECT_EQ(Launch(), TTickLaunch::Show);
    EXPECT_EQ(hold.TickCount, 0);
}

TEST_F(TriggerTick, ThePlaceRule_AskedOnlyAsFarAsItNeeds) {
    machine.held = true;
    machine.taskbar = true;
    settings.EffectiveClickTaskBar = false;
    EXPECT_EQ(Launch(), TTickLaunch::None); // the taskbar excluded
    settings.InvalidClickDeskTop = false;
    EXPECT_EQ(Launch(), TTickLaunch::Show); // anywhere
    EXPECT_FALSE(machine.Asked("desktop") || machine.Asked("taskbar"));

    TTickSettings defaults;
    Machine m;
    m.desktop = true;
    EXPECT_TRUE(CombinationAllowedHere(defaults, m.Probes()));
    EXPECT_FALSE(m.Asked("taskbar"));
}

TEST_F(TriggerTick, VisibleButInactive_TheHoldBringsItForward) {
    machine.visible = machine.held = machine.desktop = true;
    EXPECT_EQ(Launch(), TTickLaunch::Foreground);
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_FALSE(machine.Asked("edge"));
}

TEST_F(TriggerTick, VisibleAndActive_TheHoldIsLeftToTheWindow_AndItsStateWaits) {
    machine.visible = machine.active = machine.held = machine.desktop = true;
    hold.LaunchFired = true;
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_FALSE(machine.Asked("held"));
    machine.visible = machine.active = machine.held = false; // hidden by Esc, let go
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_FALSE(hold.LaunchFired);
}

TEST_F(TriggerTick, HiddenWindow_TheEdgesComeFirst_AndWhenTheyShowTheTickEnds) {
    machine.edge = machine.held = machine.desktop = true;
    EXPECT_EQ(Launch(), TTickLaunch::None);
    EXPECT_TRUE(machine.Asked("edge"));
    EXPECT_FALSE(machine.Asked("held"));
}

TEST_F(TriggerTick, PopupHint_GoesWhileThePointerIsOutsideTheWindowAndHintHideIsOn) {
    settings.HintHide = settings.BtnPopupHint = true;
    machine.visible = machine.hintVisible = machine.active = true;
    EXPECT_TRUE(Tick().HideHint);
    machine.inWindow = true;
    EXPECT_FALSE(Tick().HideHint);
    machine.inWindow = false;
    settings.HintHide = false;
    EXPECT_FALSE(Tick().HideHint);
    // With the inactive window brought forward in the same tick.
    settings.HintHide = true;
    machine.active = false;
    machine.held = machine.desktop = true;
    const TTickResult r = Tick();
    EXPECT_TRUE(r.HideHint);
    EXPECT_EQ(r.Launch, TTickLaunch::Foreground);
}
