// The keyboard layout's key names: the system's name of the key's scan code.
#include "shared/KeyNames.h"

#include "forms/base/Codepage.h"

#include <windows.h>

namespace {
std::string LayoutKeyName(uint8_t code) {
    const UINT scan = MapVirtualKeyW(code, MAPVK_VK_TO_VSC);
    if (scan == 0)
        return {};
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64);
    return length > 0 ? cp932::Narrow(std::wstring_view(name, static_cast<size_t>(length))) : "";
}
} // namespace

const TKeyNames& SystemKeyNames() {
    static const TKeyNames names(LayoutKeyName);
    return names;
}
