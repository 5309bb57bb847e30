#include "qvtdock/InputState.h"

namespace {
constexpr uint8_t Bit(TInputButton button) {
    return static_cast<uint8_t>(1u << static_cast<unsigned>(button));
}
constexpr size_t Index(TInputPlace place) {
    return static_cast<size_t>(place);
}

constexpr int32_t kMenuAction = 1;
constexpr int32_t kRunAction = 2;

constexpr uint16_t kLeftArrow = 37, kUpArrow = 38, kRightArrow = 39, kDownArrow = 40;
} // namespace

std::optional<TAction> ActionOf(int32_t number) {
    if (number < 0 || number > static_cast<int32_t>(TAction::RowForward))
        return std::nullopt;
    return static_cast<TAction>(number);
}

void TInputState::Hold(TInputButton button) {
    // A hold begins clean; a second button held on top keeps what the first one saw.
    if (held_ == 0)
        wheelWhileHeld_ = false;
    held_ = static_cast<int32_t>(button);
}

void TInputState::Press(TInputPlace place, TInputButton button) {
    // A press of a button ends whatever earlier press of it never saw its release.
    for (uint8_t& mask : pressed_)
        mask = static_cast<uint8_t>(mask & ~Bit(button));
    pressed_[Index(place)] |= Bit(button);
    switch (place) {
    case TInputPlace::Form:
        menuContext_ = mcForm;
        Hold(button);
        dragArmed_ = true;
        break;
    case TInputPlace::Hint:
        menuContext_ = mcHintWindow;
        Hold(button);
        break;
    case TInputPlace::Bar:
        menuContext_ = mcButtonBar;
        break;
    case TInputPlace::Tab:
        menuContext_ = mcPageTab;
        if (button == TInputButton::Middle)
            Hold(button);
        break;
    }
}

TReleaseOutcome TInputState::Release(TInputPlace place, TInputButton button,
                                     const TMouseActions& actions) {
    const bool matched = (pressed_[Index(place)] & Bit(button)) != 0;
    const bool wasHeld = held_ == static_cast<int32_t>(button);
    for (uint8_t& mask : pressed_)
        mask = static_cast<uint8_t>(mask & ~Bit(button));
    if (pressed_[Index(TInputPlace::Form)] == 0)
        dragArmed_ = false;

    TReleaseOutcome outcome;
    switch (place) {
    case TInputPlace::Form:
    case TInputPlace::Hint:
        held_ = 0;
        if (wheelWhileHeld_) {
            wheelWhileHeld_ = false;
            return outcome;
        }
        if (matched)
            outcome.Action = actions[static_cast<size_t>(button) - 1];
        return outcome;
    case TInputPlace::Bar:
        // A button held on the form and let go over a button of the bar is no longer held.
        if (wasHeld) {
            held_ = 0;
            wheelWhileHeld_ = false;
        }
        // The bar's own meaning, whatever the settings say.
        if (!matched)
            return outcome;
        if (button == TInputButton::Left)
            outcome.Action = kRunAction;
        else if (button == TInputButton::Right)
            outcome.Action = kMenuAction;
        return outcome;
    case TInputPlace::Tab:
        if (button == TInputButton::Left) {
            outcome.ResetPageView = matched;
        } else if (button == TInputButton::Right) {
            if (matched)
                outcome.Action = kMenuAction;
        } else {
            // The middle button runs its action even after a wheel turn.
            if (matched)
                outcome.Action = actions[makMiddle];
            held_ = 0;
            wheelWhileHeld_ = false;
        }
        return outcome;
    }
    return outcome;
}

int32_t TInputState::Wheel(int delta, const TMouseActions& actions) {
    const bool up = delta > 0;
    switch (held_) {
    case 1:
        wheelWhileHeld_ = true;
        return actions[up ? makLUpScr : makLDnScr];
    case 2:
        wheelWhileHeld_ = true;
        return actions[up ? makRUpScr : makRDnScr];
    case 3:
        wheelWhileHeld_ = true;
        return actions[up ? makMUpScr : makMDnScr];
    default:
        wheelWhileHeld_ = false;
        return actions[up ? makUpScr : makDnScr];
    }
}

void TInputState::DragEnded() {
    pressed_[Index(TInputPlace::Form)] = 0;
    held_ = 0;
    wheelWhileHeld_ = false;
    dragArmed_ = false;
}

void TInputState::EndPresses() {
    pressed_ = {};
    held_ = 0;
    wheelWhileHeld_ = false;
    dragArmed_ = false;
}

TKeyCommand KeyDownCommand(uint16_t key, const TLauncherKeys& keys) {
    if (key == 0)
        return TKeyCommand::None;
    if (key == keys[0])
        return TKeyCommand::Run;
    if (key == keys[1])
        return TKeyCommand::Hide;
    return TKeyCommand::None;
}

TKeyCommand KeyUpCommand(uint16_t key, const TLauncherKeys& keys) {
    if (key == 0)
        return TKeyCommand::None;
    if (key == keys[2])
        return TKeyCommand::Menu;
    if (key == keys[3])
        return TKeyCommand::Lock;
    if (key == keys[4])
        return TKeyCommand::PreviousPage;
    if (key == keys[5])
        return TKeyCommand::NextPage;
    switch (key) {
    case kLeftArrow:
        return TKeyCommand::Left;
    case kUpArrow:
        return TKeyCommand::Up;
    case kRightArrow:
        return TKeyCommand::Right;
    case kDownArrow:
        return TKeyCommand::Down;
    default:
        return TKeyCommand::None;
    }
}
