#pragma once
// One tick of the launcher's trigger timer, apart from the system: the pointer-leave auto-hide
// first, then the pop-up hint and the screen edges, then the mouse-button combination, which pops
// the window up once per hold, on the first tick that sees the hold at an allowed place. The
// system's state comes in through probes, each asked only when the tick gets to it; two of them
// act (the auto-hide and the screen-edge pop-up, which hide or show the window themselves). What
// is left to do comes back as the result; the per-hold state is the caller's, kept between ticks.
#include <functional>

// The per-hold state of the mouse trigger: idle (nothing held) -> held (counting) -> fired
// (until a button of the combination is let go) -> idle.
struct THoldState {
    // Consecutive ticks that saw the combination held.
    int TickCount = 0;
    // The combination was held at the last tick that looked.
    bool LaunchBtnsHeld = false;
    // This hold has shown or brought forward the window.
    bool LaunchFired = false;
};

struct TTickProbes {
    // A child program or the About box runs: the tick does nothing.
    std::function<bool()> Busy;
    // Runs the pointer-leave auto-hide; true when it hid the window.
    std::function<bool()> AutoHide;
    std::function<bool()> Visible;
    // The application is the active one.
    std::function<bool()> Active;
    std::function<bool()> PointerInWindow;
    std::function<bool()> HintVisible;
    // Shows the hidden window when the pointer rests in an enabled screen-edge zone; true when it
    // did.
    std::function<bool()> EdgePopup;
    // Exactly the launch combination of mouse buttons is held.
    std::function<bool()> CombinationHeld;
    std::function<bool()> OnDesktop;
    std::function<bool()> OnTaskbar;
};

// The settings the tick reads (the combination's two place flags are the trigger timer's).
struct TTickSettings {
    bool HintHide = false;
    bool BtnPopupHint = false;
    bool InvalidClickDeskTop = true;
    bool EffectiveClickTaskBar = true;
};

enum class TTickLaunch {
    None,
    Show,       // show the hidden window
    Foreground, // bring the visible, inactive window to the front, where it is
};

struct TTickResult {
    bool HideHint = false; // the pop-up hint goes: the pointer is outside the window
    TTickLaunch Launch = TTickLaunch::None;
};

// The combination counts at the pointer's place: anywhere unless InvalidClickDeskTop, else on
// the desktop, or on the taskbar with EffectiveClickTaskBar.
[[nodiscard]] bool CombinationAllowedHere(const TTickSettings& settings, const TTickProbes& probes);

// One tick.
[[nodiscard]] TTickResult RunTriggerTick(THoldState& hold, const TTickProbes& probes,
                                         const TTickSettings& settings);
