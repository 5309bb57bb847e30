#include "components/LaunchTrigger.h"

#include "shared/Desktop.h"

namespace {
// One extra button's edge: true when the tick stops here with the events set.
bool ExtraButtonEdge(bool down, bool& held, bool& click, TTickEvents& events) {
    if (held && down)
        return true; // still held: this tick fires nothing
    if (down) {
        held = true;
        events.Timer = true;
        return true;
    }
    if (held) {
        held = false;
        click = true;
        events.Timer = true;
        return true;
    }
    return false;
}
} // namespace

TTickEvents TLaunchTrigger::Tick(const TButtonProbes& probes) {
    TTickEvents events;
    LaunchMouseBtnDowned = probes.HeldButtons() == LaunchMouseBtns;
    if (ExtraButtonEdge(probes.X1Down(), X1Held, events.Mouse4BtnClick, events))
        return events;
    if (ExtraButtonEdge(probes.X2Down(), X2Held, events.Mouse5BtnClick, events))
        return events;
    events.Timer = true;
    return events;
}

bool TLaunchTrigger::Agree(const TPlaceProbes& probes) {
    AgreeValue =
        !InvalidClickDeskTop || probes.OnDesktop() || (EffectiveClickTaskBar && probes.OnTaskbar());
    return AgreeValue;
}

bool TLaunchTrigger::InCursor(const TWindowProbes& probes) {
    const std::optional<forms::TRect> window = probes.MainWindowRect();
    const std::optional<forms::TPoint> cursor =
        window ? probes.CursorPos() : std::optional<forms::TPoint>();
    const bool inside = window && cursor && StrictlyInside(*window, *cursor);
    InCursorRgn = inside && probes.UnderPointerIsMainWindow();
    return inside;
}
