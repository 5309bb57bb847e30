#include "qvtdock/TriggerTick.h"

bool CombinationAllowedHere(const TTickSettings& settings, const TTickProbes& probes) {
    return !settings.InvalidClickDeskTop || probes.OnDesktop() ||
           (settings.EffectiveClickTaskBar && probes.OnTaskbar());
}

TTickResult RunTriggerTick(THoldState& hold, const TTickProbes& probes,
                           const TTickSettings& settings) {
    TTickResult result;
    if (probes.Busy())
        return result;
    if (probes.AutoHide()) {
        hold.TickCount = 0;
        return result;
    }
    const bool visible = probes.Visible();
    if (visible) {
        result.HideHint = settings.HintHide && settings.BtnPopupHint && !probes.PointerInWindow() &&
                          probes.HintVisible();
        // The active window's own mouse handlers serve the buttons.
        if (probes.Active())
            return result;
    } else if (probes.EdgePopup()) {
        return result;
    }

    hold.LaunchBtnsHeld = probes.CombinationHeld();
    if (hold.LaunchBtnsHeld) {
        ++hold.TickCount;
    } else {
        hold.TickCount = 0;
        hold.LaunchFired = false;
    }
    if (hold.TickCount <= 0)
        return result;
    if (hold.LaunchBtnsHeld && !hold.LaunchFired) {
        // A hold where it does not count waits, counting on, until it reaches a place where it
        // does.
        if (!CombinationAllowedHere(settings, probes))
            return result;
        result.Launch = visible ? TTickLaunch::Foreground : TTickLaunch::Show;
        hold.LaunchFired = true;
    }
    hold.TickCount = 0;
    return result;
}
