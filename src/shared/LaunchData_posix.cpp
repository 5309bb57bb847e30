// The host build has no user locale to ask: ASCII letters without case, then the bytes, so that
// the order stays total.
#include "shared/LaunchData.h"

#include "forms/base/StrUtils.h"

int CompareLocaleText(std::string_view a, std::string_view b) {
    if (const int c = forms::CompareText(a, b))
        return c;
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}
