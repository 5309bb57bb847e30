#include "forms/shell/ComInit.h"

#include <objbase.h>

namespace forms {

ComInit::ComInit() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComInit::~ComInit() {
    // Every successful call, S_FALSE included, must be balanced.
    if (SUCCEEDED(result_))
        CoUninitialize();
}

void UseComOnThisThread() {
    thread_local ComInit com;
}

} // namespace forms
