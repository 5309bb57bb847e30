// The test-only fault of WriteFileReplacing; both platforms' halves ask it.
#include "forms/base/Files.h"

namespace forms {

namespace {
TWriteFault armedFault = TWriteFault::DiskFull;
int writesToFault = 0; // 0: disarmed
} // namespace

void ArmWriteFault(TWriteFault fault, int n) {
    armedFault = fault;
    writesToFault = n > 0 ? n : 0;
}

std::optional<TWriteFault> detail::NextWriteFault() {
    if (writesToFault == 0 || --writesToFault > 0)
        return std::nullopt;
    return armedFault;
}

} // namespace forms
