#pragma once
// What the launcher window's mouse buttons, wheel and keys run, apart from the window. The
// settings assign an action number to each mouse button of the form, to the two extra buttons and
// to the wheel turned alone or while the left, right or middle button is held; six keys run fixed
// commands. TInputState remembers which button is held where, whether the wheel turned meanwhile,
// whether a window drag is armed, where the context menu was asked for, where the pointer was last
// and which wheel message is being dispatched.
//
// A release runs something only after its own press on the same control: the form group (form,
// title bar, labels, button area and the empty cells of the bar) and the pop-up hint through the
// held button, the bar and the tab strip through their own press. So the release of a button
// pressed elsewhere, such as the combination that has just popped the window up under the
// pointer, runs nothing.
#include "forms/gfx/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>

// The actions of the settings, numbered 0 to 16.
enum class TAction : uint8_t {
    None,           // 0
    Menu,           // 1: the context menu at the pointer
    Run,            // 2: run the selected button
    Lock,           // 3: toggle the lock
    DataEditor,     // 4
    ButtonSize,     // 5: the button size dialog
    Columns,        // 6: the buttons-per-row dialog
    Settings,       // 7: the configuration program
    Style,          // 8: the style editor
    Hide,           // 9: hide the launcher
    Quit,           // 10: end the program
    PreviousButton, // 11: one button towards the start, wrapping
    NextButton,     // 12: one button towards the end, wrapping
    PreviousPage,   // 13
    NextPage,       // 14
    RowBack,        // 15: a row's worth of buttons towards the start
    RowForward,     // 16: a row's worth of buttons towards the end
};
// The action of a number of the settings; none for a number outside 0 to 16, which does nothing.
[[nodiscard]] std::optional<TAction> ActionOf(int32_t number);

// The action numbers of [MouseBtnAction], in the order of TAppCfg::Actions.
using TMouseActions = std::array<int32_t, 13>;
enum TMouseActionKey : uint8_t {
    makLeft,
    makRight,
    makMiddle,
    makBtn4,
    makBtn5,
    makUpScr,
    makDnScr,
    makMUpScr,
    makMDnScr,
    makLUpScr,
    makLDnScr,
    makRUpScr,
    makRDnScr,
};

// Where a mouse input lands.
enum class TInputPlace : uint8_t {
    Form, // the form, title bar, labels, button area, empty cells of the bar
    Hint, // the pop-up hint window
    Bar,  // a button of the bar
    Tab,  // the page tab strip
};

// The buttons that carry actions, numbered as the held button.
enum class TInputButton : uint8_t { Left = 1, Right = 2, Middle = 3 };

// Where the context menu was asked for.
enum TMenuContext : uint8_t {
    mcForm = 0,       // form, title bar, labels or button area
    mcButtonBar = 1,  // a button of the bar
    mcPageTab = 2,    // the page tabs
    mcOutside = 3,    // outside the window, or the tray icon
    mcKeyboard = 4,   // the menu key
    mcHintWindow = 5, // the pop-up hint window
};

// The parameters of a wheel message, for sending it on.
struct TWheelMessage {
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
};

// What a release runs.
struct TReleaseOutcome {
    std::optional<int32_t> Action; // an action number (maybe one that does nothing)
    bool ResetPageView = false;    // show the current page from its first button
};

class TInputState {
public:
    // A press of button on place. The form group and the hint hold the button (the wheel then
    // runs that button's wheel actions), the tab strip only the middle one, the bar none. The
    // form group's press also arms the window drag. The menu context follows the place.
    void Press(TInputPlace place, TInputButton button);
    // The release of button on place: what it runs, by the actions of the settings.
    [[nodiscard]] TReleaseOutcome Release(TInputPlace place, TInputButton button,
                                          const TMouseActions& actions);
    // A wheel turn of delta (positive: away from the user): the action number to run. With a
    // button held, the release of that button then runs nothing.
    [[nodiscard]] int32_t Wheel(int delta, const TMouseActions& actions);
    // The window drag that the form group's press armed has run; it took the release.
    void DragEnded();
    // Every press has ended without its release reaching the window (the window hid).
    void EndPresses();
    // Everything back to the start.
    void Reset() { *this = TInputState(); }

    // 0 none, 1 left, 2 right, 3 middle.
    [[nodiscard]] int32_t HeldButton() const { return held_; }
    [[nodiscard]] bool WheelWhileHeld() const { return wheelWhileHeld_; }
    [[nodiscard]] bool DragArmed() const { return dragArmed_; }
    // A TMenuContext.
    [[nodiscard]] uint8_t MenuContext() const { return menuContext_; }
    void SetMenuContext(uint8_t context) { menuContext_ = context; }
    // The menu key opened the menu.
    [[nodiscard]] bool KeyMenu() const { return keyMenu_; }
    void SetKeyMenu(bool value) { keyMenu_ = value; }
    // The last pointer point: client coordinates of the control pressed or moved over.
    [[nodiscard]] forms::TPoint LastPoint() const { return lastPoint_; }
    void SetLastPoint(forms::TPoint point) { lastPoint_ = point; }
    // The wheel message being dispatched, known only while it is: a bar of several rows gets it
    // again.
    [[nodiscard]] std::optional<TWheelMessage> WheelSource() const { return wheelSource_; }
    void SetWheelSource(std::optional<TWheelMessage> message) { wheelSource_ = message; }

private:
    void Hold(TInputButton button);

    int32_t held_ = 0;
    bool wheelWhileHeld_ = false;
    bool dragArmed_ = false;
    uint8_t menuContext_ = mcForm;
    bool keyMenu_ = false;
    // The buttons pressed on each place and not yet released, a bit per button.
    std::array<uint8_t, 4> pressed_{};
    forms::TPoint lastPoint_;
    std::optional<TWheelMessage> wheelSource_;
};

// What a key does on the launcher window.
enum class TKeyCommand : uint8_t {
    None,
    Run,  // on the key's press
    Hide, // on the key's press
    Menu,
    Lock,
    PreviousPage,
    NextPage,
    Left,
    Up,
    Right,
    Down,
};
// The six keys of the settings: run, hide, menu, lock, previous page, next page.
using TLauncherKeys = std::array<uint16_t, 6>;
// The key's press runs or hides (the key is then used up); anything else goes on to the bar.
[[nodiscard]] TKeyCommand KeyDownCommand(uint16_t key, const TLauncherKeys& keys);
// The key's release: the menu, lock and page keys, then the arrows; a key of the settings wins
// over its meaning as an arrow.
[[nodiscard]] TKeyCommand KeyUpCommand(uint16_t key, const TLauncherKeys& keys);
