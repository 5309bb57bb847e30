#pragma once
// The launcher and the machine's power events: before the machine suspends or goes on standby the
// launcher leaves the topmost band, unlocks, hides and gives the foreground to the taskbar. A
// count of the suspend-type events since calling was last switched (or since the start) hides a
// window that is still, or again, shown after the second of them; a resume sets the count past
// that point.
#include <cstdint>

// The event codes of the broadcast (its wParam) that this looks at.
enum TPowerEvent : uint32_t {
    pbQuerySuspend = 0,
    pbQueryStandby = 1,
    pbSuspend = 4,
    pbStandby = 5,
    pbResumeCritical = 6,
    pbResumeSuspend = 7,
    pbResumeStandby = 8,
    pbResumeAutomatic = 18,
};

// What one event asks of the launcher, in this order.
struct TPowerSteps {
    // Leave the topmost band, unlock when locked, hide, and give the taskbar the foreground.
    bool Suspend = false;
    // Afterwards: hide the window when it is visible.
    bool HideIfVisible = false;
};

// One event; count is the launcher's count of suspend-type events.
[[nodiscard]] TPowerSteps PowerEvent(int& count, uint32_t code);
