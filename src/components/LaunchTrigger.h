#pragma once
// The launch trigger's rules, apart from the system: what one tick of the trigger timer reports
// from the held mouse buttons (the exact launch combination, clicks of the two extra buttons and
// the ticks their holds swallow), whether a combination counts where the pointer is (Agree), and
// whether the pointer is over the main window (InCursor). The system's state comes in through
// probes, each asked only when a rule gets to it; TRavoTimer (LaunchTimer.h) feeds them from
// Win32.
#include "forms/gfx/Geometry.h"
#include "shared/MouseButtons.h"

#include <functional>
#include <optional>

// What one tick reads.
struct TButtonProbes {
    std::function<TLaunchMouseBtns()> HeldButtons;
    // The first and second extra mouse buttons are down now.
    std::function<bool()> X1Down;
    std::function<bool()> X2Down;
};

// What one tick fires, in this order: an extra button's click, then the owner's OnTimer.
struct TTickEvents {
    bool Mouse4BtnClick = false;
    bool Mouse5BtnClick = false;
    bool Timer = false;
};

// Where the pointer is, for Agree.
struct TPlaceProbes {
    std::function<bool()> OnDesktop;
    std::function<bool()> OnTaskbar;
};

// The pointer and the application's main window, for InCursor.
struct TWindowProbes {
    // The main window's rectangle on the screen; none without a main window.
    std::function<std::optional<forms::TRect>()> MainWindowRect;
    std::function<std::optional<forms::TPoint>()> CursorPos;
    // The window under the pointer is the main window, a child of it or a descendant.
    std::function<bool()> UnderPointerIsMainWindow;
};

// The trigger's state, with the construction values.
struct TLaunchTrigger {
    // The extra buttons were down at the last tick that looked at them.
    bool X1Held = false;
    bool X2Held = false;
    // The last result of Agree and the last window test of InCursor.
    bool AgreeValue = false;
    bool InCursorRgn = false;
    // At the last tick exactly LaunchMouseBtns were held.
    bool LaunchMouseBtnDowned = false;
    TLaunchMouseBtns LaunchMouseBtns{lmMiddle};
    // The combination counts only on the desktop, and with EffectiveClickTaskBar on the taskbar
    // too.
    bool InvalidClickDeskTop = true;
    bool EffectiveClickTaskBar = true;

    // One tick. An extra button's press fires OnTimer once, its hold swallows OnTimer on every
    // later tick, its release fires its click and then OnTimer; the second extra button is
    // looked at only on ticks where the first is idle.
    TTickEvents Tick(const TButtonProbes& probes);
    // The combination counts at the pointer's place: anywhere with InvalidClickDeskTop off, else
    // on the desktop, or on the taskbar with EffectiveClickTaskBar. Kept in AgreeValue.
    bool Agree(const TPlaceProbes& probes);
    // The pointer lies strictly inside the main window's rectangle (not on its border). Also sets
    // InCursorRgn: inside, and the window under the pointer belongs to the main window.
    bool InCursor(const TWindowProbes& probes);
};
