// The program's command line as the system gives it, in UTF-16 (the input's bytes in pairs), made
// code-page text for the argument splitter: a line of characters the code page holds converts
// back unchanged, and no argument handed on holds the NUL that marks a character it cannot hold.
#include "FuzzTarget.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtcfg/ProgramArguments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const std::string line = forms::CommandLineFromUtf16(units);
    FUZZ_CHECK(line.size() <= 2 * units.size());
    if (units.find(u'\0') == std::u16string::npos && line.find('\0') == std::string::npos)
        FUZZ_CHECK(cp932::ToUtf16(line) == units);
    const TProgramArguments arguments(line, {"C:\\Program Files\\K+Bandeo\\qvtcfg.exe"});
    for (int i = 0; i <= arguments.ParamCount(); ++i)
        FUZZ_CHECK(arguments.ParamStr(i).find('\0') == std::string::npos);
    return 0;
}
