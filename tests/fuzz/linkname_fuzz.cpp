// The file name of the shortcut made for a slot, from its title (a data file's text, or a dropped
// file's name): whatever the title, the name stays in its folder and is one Windows may create.
// Checked on the UTF-16 name the system gets, so a double-byte character counts as what it is.
#include "FuzzTarget.h"

#include "forms/base/Codepage.h"
#include "shared/LaunchItems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name = ShortcutFileName(fuzz::Bytes(data, size));
    FUZZ_CHECK(name.size() > 4 && name.compare(name.size() - 4, 4, ".lnk") == 0);
    for (const char16_t c : cp932::ToUtf16(name))
        FUZZ_CHECK(c >= 0x20 && c != 0x7F &&
                   std::u16string_view(u"\\/:*?\"<>|").find(c) == std::u16string_view::npos);
    return 0;
}
