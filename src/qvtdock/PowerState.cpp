#include "qvtdock/PowerState.h"

namespace {
// Past the second suspend-type event: the hide-at-two rule is spent until the count is reset.
constexpr int kResumedCount = 3;
constexpr int kHideAtCount = 2;
} // namespace

TPowerSteps PowerEvent(int& count, uint32_t code) {
    TPowerSteps steps;
    switch (code) {
    case pbQuerySuspend:
    case pbQueryStandby:
    case pbSuspend:
    case pbStandby:
        ++count;
        steps.Suspend = true;
        break;
    case pbResumeCritical:
    case pbResumeSuspend:
    case pbResumeStandby:
    case pbResumeAutomatic:
        count = kResumedCount;
        break;
    default:
        break;
    }
    steps.HideIfVisible = count == kHideAtCount;
    return steps;
}
