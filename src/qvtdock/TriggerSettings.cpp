#include "qvtdock/TriggerSettings.h"

#include <array>
#include <utility>

namespace {
// The record's flag of each button of the combination.
auto ButtonFlags(TAppCfg& cfg) {
    return std::array{std::pair{lmLeft, &cfg.LMLeft}, std::pair{lmRight, &cfg.LMRight},
                      std::pair{lmMiddle, &cfg.LMMiddle}, std::pair{lmMos4, &cfg.LMMos4},
                      std::pair{lmMos5, &cfg.LMMos5}};
}
} // namespace

TLaunchMouseBtns LaunchCombination(TAppCfg& cfg) {
    TLaunchMouseBtns buttons;
    for (auto [button, flag] : ButtonFlags(cfg))
        if (*flag)
            buttons.Include(button);
    if (buttons.Empty()) {
        cfg.LMMiddle = true;
        buttons.Include(lmMiddle);
    }
    return buttons;
}

void StoreLaunchCombination(TLaunchMouseBtns buttons, TAppCfg& cfg) {
    for (auto [button, flag] : ButtonFlags(cfg))
        *flag = buttons.Contains(button);
}
