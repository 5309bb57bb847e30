#include "support/Rounds.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kbtest {

bool UnderWine() {
#ifdef _WIN32
    // Wine's own export, which Windows' ntdll lacks.
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
#else
    return false;
#endif
}

int Rounds(int native) {
    return UnderWine() ? std::max(1, native / 4) : native;
}

} // namespace kbtest
