#pragma once
// A helper program's arguments as the system splits its command line, the program's name left
// out. The helpers of the tests and tools take window titles and paths in any script.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace kbtest {

inline std::vector<std::wstring> WideArguments() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv)
        return {};
    std::vector<std::wstring> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    LocalFree(argv);
    return args;
}

} // namespace kbtest
