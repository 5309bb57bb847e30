// The user locale's order, compared on the UTF-16 texts so that the system's ANSI code page
// plays no part.
#include "shared/LaunchData.h"

#include "forms/base/Codepage.h"

#include <windows.h>

int CompareLocaleText(std::string_view a, std::string_view b) {
    const std::wstring wa = cp932::Wide(a), wb = cp932::Wide(b);
    const int result =
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                       wb.data(), static_cast<int>(wb.size()));
    if (result == 0) { // only for invalid arguments; fall back to the code units
        const int c = wa.compare(wb);
        return (c > 0) - (c < 0);
    }
    return result - CSTR_EQUAL;
}
