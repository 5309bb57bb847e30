// What the launcher window's mouse buttons, wheel and keys run: the actions of the settings, the
// held button and the wheel turned while it is held, releases without their own press, the
// window drag, the menu context, and the key commands.
#include "qvtdock/InputState.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using P = TInputPlace;
using B = TInputButton;

// Distinct numbers, so that a test sees which one ran: Left 21, Right 22, Middle 23, Btn4 24,
// Btn5 25, UpScr 26, DnScr 27, MUpScr 28, MDnScr 29, LUpScr 30, LDnScr 31, RUpScr 32, RDnScr 33.
constexpr TMouseActions kActions{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};
constexpr TLauncherKeys kDefaultKeys{13, 27, 221, 219, 33, 34};

std::optional<int32_t> Click(TInputState& s, P place, B button) {
    s.Press(place, button);
    return s.Release(place, button, kActions).Action;
}
} // namespace

// ---- Actions -----------------------------------------------------------------------------------

TEST(ActionOf, ZeroToSixteen_TheirActions) {
    EXPECT_EQ(ActionOf(0), TAction::None);
    EXPECT_EQ(ActionOf(1), TAction::Menu);
    EXPECT_EQ(ActionOf(2), TAction::Run);
    EXPECT_EQ(ActionOf(9), TAction::Hide);
    EXPECT_EQ(ActionOf(10), TAction::Quit);
    EXPECT_EQ(ActionOf(13), TAction::PreviousPage);
    EXPECT_EQ(ActionOf(16), TAction::RowForward);
}

TEST(ActionOf, UnknownNumbers_None) {
    for (const int32_t n :
         {-1, 17, 99, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
        EXPECT_FALSE(ActionOf(n)) << n;
}

// ---- The form group and the hint window --------------------------------------------------------

TEST(InputState, ClickOnTheForm_RunsThatButtonsAction) {
    TInputState s;
    EXPECT_EQ(Click(s, P::Form, B::Left), 21);
    EXPECT_EQ(Click(s, P::Form, B::Right), 22);
    EXPECT_EQ(Click(s, P::Form, B::Middle), 23);
    EXPECT_EQ(s.HeldButton(), 0);
}

TEST(InputState, ClickOnTheHint_RunsThatButtonsActionWithoutArmingTheDrag) {
    TInputState s;
    s.Press(P::Hint, B::Right);
    EXPECT_EQ(s.HeldButton(), 2);
    EXPECT_FALSE(s.DragArmed());
    EXPECT_EQ(s.Release(P::Hint, B::Right, kActions).Action, 22);
}

TEST(InputState, ReleaseWithoutItsPress_RunsNothing) {
    // The combination that popped the window up under the pointer was pressed elsewhere.
    for (const P place : {P::Form, P::Hint, P::Bar, P::Tab})
        for (const B button : {B::Left, B::Right, B::Middle}) {
            TInputState s;
            const TReleaseOutcome out = s.Release(place, button, kActions);
            EXPECT_FALSE(out.Action);
            EXPECT_FALSE(out.ResetPageView);
        }
}

TEST(InputState, PressedOnOnePlaceReleasedOnAnother_RunsNothing) {
    TInputState s;
    s.Press(P::Bar, B::Left);
    EXPECT_FALSE(s.Release(P::Form, B::Left, kActions).Action);
    // The release ended the bar's press too.
    EXPECT_FALSE(s.Release(P::Bar, B::Left, kActions).Action);
}

TEST(InputState, PressWhoseReleaseWasMissed_EndsWithTheNextPressOfThatButton) {
    TInputState s;
    s.Press(P::Bar, B::Left);
    s.Press(P::Form, B::Left);
    EXPECT_FALSE(s.Release(P::Bar, B::Left, kActions).Action);
}

TEST(InputState, EndPresses_TheLaterReleaseRunsNothing) {
    TInputState s;
    s.Press(P::Form, B::Left);
    s.EndPresses();
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_FALSE(s.DragArmed());
    EXPECT_FALSE(s.Release(P::Form, B::Left, kActions).Action);
}

// ---- The wheel ---------------------------------------------------------------------------------

TEST(InputState, WheelAlone_UpScrAwayFromTheUserDnScrOtherwise) {
    TInputState s;
    EXPECT_EQ(s.Wheel(120, kActions), 26);
    EXPECT_EQ(s.Wheel(-120, kActions), 27);
    EXPECT_EQ(s.Wheel(0, kActions), 27);
    EXPECT_FALSE(s.WheelWhileHeld());
}

TEST(InputState, WheelWhileHeld_ThatButtonsWheelActions) {
    const struct {
        B button;
        int32_t up, down;
    } cases[] = {{B::Left, 30, 31}, {B::Right, 32, 33}, {B::Middle, 28, 29}};
    for (const auto& c : cases) {
        TInputState s;
        s.Press(P::Form, c.button);
        EXPECT_EQ(s.Wheel(1, kActions), c.up);
        EXPECT_EQ(s.Wheel(-1, kActions), c.down);
        EXPECT_TRUE(s.WheelWhileHeld());
    }
}

TEST(InputState, ReleaseAfterAWheelTurn_RunsNothingOnceThenClicksRunAgain) {
    TInputState s;
    s.Press(P::Form, B::Right);
    (void)s.Wheel(-120, kActions);
    EXPECT_FALSE(s.Release(P::Form, B::Right, kActions).Action);
    EXPECT_FALSE(s.WheelWhileHeld());
    EXPECT_EQ(Click(s, P::Form, B::Right), 22);
}

TEST(InputState, ButtonHeldOnTheBar_DoesNotCountForTheWheel) {
    TInputState s;
    s.Press(P::Bar, B::Right);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_EQ(s.Wheel(120, kActions), 26);
    EXPECT_EQ(s.Release(P::Bar, B::Right, kActions).Action, 1);
}

TEST(InputState, HeldOnTheFormReleasedOverTheBar_NoLongerHeld) {
    TInputState s;
    s.Press(P::Form, B::Left);
    (void)s.Wheel(120, kActions);
    EXPECT_FALSE(s.Release(P::Bar, B::Left, kActions).Action);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_FALSE(s.WheelWhileHeld());
    EXPECT_EQ(s.Wheel(120, kActions), 26);
}

// ---- The bar and the tabs ----------------------------------------------------------------------

TEST(InputState, BarRelease_LeftRunsRightOpensTheMenuWhateverTheSettings) {
    TInputState s;
    EXPECT_EQ(Click(s, P::Bar, B::Left), 2);
    EXPECT_EQ(Click(s, P::Bar, B::Right), 1);
    EXPECT_FALSE(Click(s, P::Bar, B::Middle));
}

TEST(InputState, TabLeftRelease_ShowsThePageFromItsStart) {
    TInputState s;
    s.Press(P::Tab, B::Left);
    const TReleaseOutcome out = s.Release(P::Tab, B::Left, kActions);
    EXPECT_TRUE(out.ResetPageView);
    EXPECT_FALSE(out.Action);
    EXPECT_EQ(Click(s, P::Tab, B::Right), 1);
}

TEST(InputState, TabMiddle_HeldForTheWheelAndRunsItsActionEvenAfterAWheelTurn) {
    TInputState s;
    s.Press(P::Tab, B::Middle);
    EXPECT_EQ(s.HeldButton(), 3);
    EXPECT_EQ(s.Wheel(120, kActions), 28);
    EXPECT_EQ(s.Release(P::Tab, B::Middle, kActions).Action, 23);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_FALSE(s.WheelWhileHeld());
}

TEST(InputState, TabLeftOrRight_NotHeld) {
    TInputState s;
    s.Press(P::Tab, B::Left);
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_EQ(s.Wheel(-120, kActions), 27);
}

// ---- The drag and the menu context -------------------------------------------------------------

TEST(InputState, FormPress_ArmsTheDragUntilItsRelease) {
    TInputState s;
    s.Press(P::Form, B::Left);
    EXPECT_TRUE(s.DragArmed());
    (void)s.Release(P::Form, B::Left, kActions);
    EXPECT_FALSE(s.DragArmed());
    s.Press(P::Bar, B::Left);
    EXPECT_FALSE(s.DragArmed());
}

TEST(InputState, DragEnded_TheDragTookTheReleaseAndTheWheelTurn) {
    TInputState s;
    s.Press(P::Form, B::Left);
    (void)s.Wheel(120, kActions);
    s.DragEnded();
    EXPECT_FALSE(s.DragArmed());
    EXPECT_EQ(s.HeldButton(), 0);
    EXPECT_FALSE(s.WheelWhileHeld());
    EXPECT_FALSE(s.Release(P::Form, B::Left, kActions).Action);
    EXPECT_EQ(Click(s, P::Form, B::Left), 21);
}

TEST(InputState, MenuContext_FollowsThePlaceOfThePress) {
    TInputState s;
    EXPECT_EQ(s.MenuContext(), mcForm);
    s.Press(P::Bar, B::Right);
    EXPECT_EQ(s.MenuContext(), mcButtonBar);
    s.Press(P::Tab, B::Right);
    EXPECT_EQ(s.MenuContext(), mcPageTab);
    s.Press(P::Hint, B::Right);
    EXPECT_EQ(s.MenuContext(), mcHintWindow);
    s.Press(P::Form, B::Right);
    EXPECT_EQ(s.MenuContext(), mcForm);
}

// ---- Keys --------------------------------------------------------------------------------------

TEST(KeyCommands, DefaultKeys_EnterRunsEscHidesOnThePress) {
    EXPECT_EQ(KeyDownCommand(13, kDefaultKeys), TKeyCommand::Run);
    EXPECT_EQ(KeyDownCommand(27, kDefaultKeys), TKeyCommand::Hide);
    EXPECT_EQ(KeyDownCommand(221, kDefaultKeys), TKeyCommand::None);
    EXPECT_EQ(KeyDownCommand(37, kDefaultKeys), TKeyCommand::None);
}

TEST(KeyCommands, DefaultKeys_MenuLockAndPagesOnTheRelease) {
    EXPECT_EQ(KeyUpCommand(221, kDefaultKeys), TKeyCommand::Menu);
    EXPECT_EQ(KeyUpCommand(219, kDefaultKeys), TKeyCommand::Lock);
    EXPECT_EQ(KeyUpCommand(33, kDefaultKeys), TKeyCommand::PreviousPage);
    EXPECT_EQ(KeyUpCommand(34, kDefaultKeys), TKeyCommand::NextPage);
    EXPECT_EQ(KeyUpCommand(37, kDefaultKeys), TKeyCommand::Left);
    EXPECT_EQ(KeyUpCommand(38, kDefaultKeys), TKeyCommand::Up);
    EXPECT_EQ(KeyUpCommand(39, kDefaultKeys), TKeyCommand::Right);
    EXPECT_EQ(KeyUpCommand(40, kDefaultKeys), TKeyCommand::Down);
    EXPECT_EQ(KeyUpCommand(13, kDefaultKeys), TKeyCommand::None);
    EXPECT_EQ(KeyUpCommand(65, kDefaultKeys), TKeyCommand::None);
}

TEST(KeyCommands, KeyOfTheSettings_WinsOverItsArrowMeaning) {
    const TLauncherKeys keys{13, 27, 221, 219, 37, 39};
    EXPECT_EQ(KeyUpCommand(37, keys), TKeyCommand::PreviousPage);
    EXPECT_EQ(KeyUpCommand(39, keys), TKeyCommand::NextPage);
    EXPECT_EQ(KeyUpCommand(38, keys), TKeyCommand::Up);
}

TEST(KeyCommands, ConsumedKey_NothingEvenWhenTheSettingsHoldZero) {
    const TLauncherKeys zeros{};
    EXPECT_EQ(KeyDownCommand(0, zeros), TKeyCommand::None);
    EXPECT_EQ(KeyUpCommand(0, zeros), TKeyCommand::None);
    EXPECT_EQ(KeyDownCommand(13, zeros), TKeyCommand::None);
}
