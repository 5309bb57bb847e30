#include "forms/base/Color.h"

#include <windows.h>

namespace forms {

uint32_t SystemColorRGB(int index) {
    return index >= 0 && index <= 30 ? GetSysColor(index) : 0;
}

} // namespace forms
