#pragma once
// The trigger's settings between the settings record and the trigger timer: the launch
// combination of mouse buttons ([Mouse] LMLeft .. LMMos5), which is never empty.
#include "shared/MouseButtons.h"
#include "shared/Settings.h"

// The combination the settings name; none named gives the middle button, and the record then
// names it too.
[[nodiscard]] TLaunchMouseBtns LaunchCombination(TAppCfg& cfg);
// The combination back into the record.
void StoreLaunchCombination(TLaunchMouseBtns buttons, TAppCfg& cfg);
