// What the launcher window's mouse buttons, wheel and keys run: the actions of the settings, the
// held button and the wheel turned while it is held, releases without their own press, the
// window drag, the menu context, and the key commands.
#include "qvtdock/InputState.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using P = TInputPlace;
using B = TInputButton;

// Distinct numbers: Left 21, Right 22, Middle 23, Btn4 24, Btn5 25, UpScr 26, DnScr 27,
// MUpScr 28, MDnScr 29, LUpScr 30, LDnScr 31, RUpScr 32, RDnScr 33.
constexpr TMouseActions kActions{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};
constexpr TLauncherKeys kDefaultKeys{13, 27, 221, 219, 33, 34};

std::optional<int32_t> Click(TInputState& s, P place, B button) {
    s.Press(place, button);
    return s.Release(place, button, kActions).Action;
}
} // namespace

TEST(ActionOf, ZeroToSixteenAreActions_OtherNumbersNone) {
    EXPECT_EQ(ActionOf(0), TAction::None);
    EXPECT_EQ(ActionOf(2), TAction::Run);
    EXPECT_EQ(ActionOf(16), TAction::RowForward);
    for (const int32_t n : {-1, 17, 99, std::numeric_limits<int32_t>::min()})
        EXPECT_FALSE(ActionOf(n)) << n;
}

TEST(InputState, ClickOnTheFormOrHint_RunsThatButtonsAction) {
    TInputState s;
    EXPECT_EQ(Click(s, P::Form, B::Left), 21);
    EXPECT_EQ(Click(s, P::Form, B::Middle), 23);
    EXPECT_EQ(Click(s, P::Hint, B::Right), 22);
    EXPECT_EQ(s.HeldButton(), 0);
}

TEST(InputState, ReleaseWithoutItsOwnPress_RunsNothing) {
    // The combination that popped the window up under the pointer was pressed elsewhere.
    for (const P place : {P::Form, P::Hint, P::Bar, P::Tab})
        for (const B button : {B::Left, B::Right, B::Middle}) {
            TInputState s;
            const TReleaseOutcome out = s.Release(place, button, kActions);
            EXPECT_FALSE(out.Action || out.ResetPageView);
        }
    // Pressed on the bar, let go over the form; a press whose release was missed.
    TInputState s;
    s.Press(P::Bar, B::Left);
    EXPECT_FALSE(s.Release(P::Form, B::Left, kActions).Action);
    s.Press(P::Bar, B::Left);
    s.Press(P::Form, B::Left);
    EXPECT_FALSE(s.Release(P::Bar, B::Left, kActions).Action);
    s.Press(P::Form, B::Right);
    s.EndPresses();
    EXPECT_FALSE(s.Release(P::Form, B::Right, kActions).Action);
}

TEST(InputState, Wheel_AloneOrWithTheHeldButtonsActions) {
    TInputState s;
    EXPECT_EQ(s.Wheel(120, kActions), 26);
    EXPECT_EQ(s.Wheel(0, kActions), 27);
    const struct {
        B button;
        int32_t up, down;
    } held[] = {{B::Left, 30, 31}, {B::Right, 32, 33}, {B::Middle, 28, 29}};
    for (const auto& c : held) {
        TInputState h;
        h.Press(P::Form, c.button);
        EXPECT_EQ(h.Wheel(1, kActions), c.up);
        EXPECT_EQ(h.Wheel(-1, kActions), c.down);
    }
}

TEST(InputState, ReleaseAfterAWheelTurn_RunsNothingOnce) {
    TInputState s;
    s.Press(P::Form, B::Right);
    (void)s.Wheel(-120, kActions);
    EXPECT_TRUE(s.WheelWhileHeld());
    EXPECT_FALSE(s.Release(P::Form, B::Right, kActions).Action);
    EXPECT_FALSE(s.WheelWhileHeld());
    EXPECT_EQ(Click(s, P::Form, B::Right), 22);
}

TEST(InputState, Bar_HoldsNothingAndKeepsItsOwnMeaning) {
    TInputState s;
    s.Press(P::Bar, B::Right);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_EQ(s.Wheel(120, kActions), 26);
    EXPECT_EQ(s.Release(P::Bar, B::Right, kActions).Action, 1);
    EXPECT_EQ(Click(s, P::Bar, B::Left), 2);
    EXPECT_FALSE(Click(s, P::Bar, B::Middle));
    // Held on the form, let go over a button: no longer held.
    s.Press(P::Form, B::Left);
    (void)s.Release(P::Bar, B::Left, kActions);
    EXPECT_EQ(s.Wheel(120, kActions), 26);
}

TEST(InputState, Tab_LeftShowsThePageMiddleRunsItsActionEvenAfterAWheelTurn) {
    TInputState s;
    s.Press(P::Tab, B::Left);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_TRUE(s.Release(P::Tab, B::Left, kActions).ResetPageView);
    s.Press(P::Tab, B::Middle);
    EXPECT_EQ(s.Wheel(120, kActions), 28);
    EXPECT_EQ(s.Release(P::Tab, B::Middle, kActions).Action, 23);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_FALSE(s.WheelWhileHeld());
}

TEST(InputState, Drag_ArmedByTheFormsPressUntilItsReleaseOrTheDrag) {
    TInputState s;
    s.Press(P::Hint, B::Left);
    EXPECT_FALSE(s.DragArmed());
    s.Press(P::Form, B::Left);
    EXPECT_TRUE(s.DragArmed());
    (void)s.Release(P::Form, B::Left, kActions);
    EXPECT_FALSE(s.DragArmed());
    // The drag took the release, and the wheel turn with it.
    s.Press(P::Form, B::Left);
    (void)s.Wheel(120, kActions);
    s.DragEnded();
    EXPECT_FALSE(s.DragArmed() || s.WheelWhileHeld() || s.HeldButton());
    EXPECT_EQ(Click(s, P::Form, B::Left), 21);
}

TEST(InputState, MenuContext_FollowsThePlaceOfThePress) {
    TInputState s;
    const std::pair<P, uint8_t> places[] = {
        {P::Bar, mcButtonBar}, {P::Tab, mcPageTab}, {P::Hint, mcHintWindow}, {P::Form, mcForm}};
    for (const auto& [place, context] : places) {
        s.Press(place, B::Right);
        EXPECT_EQ(s.MenuContext(), context);
    }
}

TEST(KeyCommands, DefaultKeys) {
    EXPECT_EQ(KeyDownCommand(13, kDefaultKeys), TKeyCommand::Run);
    EXPECT_EQ(KeyDownCommand(27, kDefaultKeys), TKeyCommand::Hide);
    EXPECT_EQ(KeyDownCommand(221, kDefaultKeys), TKeyCommand::None);
    EXPECT_EQ(KeyUpCommand(221, kDefaultKeys), TKeyCommand::Menu);
    EXPECT_EQ(KeyUpCommand(219, kDefaultKeys), TKeyCommand::Lock);
    EXPECT_EQ(KeyUpCommand(33, kDefaultKeys), TKeyCommand::PreviousPage);
    EXPECT_EQ(KeyUpCommand(34, kDefaultKeys), TKeyCommand::NextPage);
    EXPECT_EQ(KeyUpCommand(37, kDefaultKeys), TKeyCommand::Left);
    EXPECT_EQ(KeyUpCommand(40, kDefaultKeys), TKeyCommand::Down);
    EXPECT_EQ(KeyUpCommand(13, kDefaultKeys), TKeyCommand::None);
}

TEST(KeyCommands, KeyOfTheSettingsWinsOverItsArrowMeaning_ZeroIsNoKey) {
    const TLauncherKeys keys{0, 27, 221, 219, 37, 39};
    EXPECT_EQ(KeyUpCommand(37, keys), TKeyCommand::PreviousPage);
    EXPECT_EQ(KeyUpCommand(39, keys), TKeyCommand::NextPage);
    EXPECT_EQ(KeyUpCommand(38, keys), TKeyCommand::Up);
    EXPECT_EQ(KeyDownCommand(0, keys), TKeyCommand::None);
}
