// A program for the launch tests to start: it writes its arguments (the command line after the
// program name) and its working folder, as two code-page-932 lines, then each argument as the
// system splits the line (CommandLineToArgvW, the program name left out) on a line of its own, to
// the file that the environment variable KB_MARKER names, and ends. The file appears whole or not
// at all.
#include "forms/base/Codepage.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {
std::wstring Arguments() {
    std::wstring line = GetCommandLineW();
    size_t i = 0;
    if (!line.empty() && line[0] == L'"') {
        i = line.find(L'"', 1);
        i = i == std::wstring::npos ? line.size() : i + 1;
    } else {
        while (i < line.size() && line[i] != L' ' && line[i] != L'\t')
            ++i;
    }
    while (i < line.size() && (line[i] == L' ' || line[i] == L'\t'))
        ++i;
    return line.substr(i);
}

std::wstring Variable(const wchar_t* name) {
    wchar_t value[2048] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, 2048);
    return n == 0 || n >= 2048 ? std::wstring() : std::wstring(value, n);
}

// The copy, then the change of the file named by the last argument.
void EditLastArgument(const std::wstring& file) {
    if (const std::wstring copy = Variable(L"KB_MARKER_COPY"); !copy.empty())
        CopyFileW(file.c_str(), copy.c_str(), FALSE);
    if (const std::wstring ini = Variable(L"KB_MARKER_INI"); !ini.empty()) {
        const size_t a = ini.find(L'|');
        const size_t b = a == std::wstring::npos ? a : ini.find(L'|', a + 1);
        if (b != std::wstring::npos)
            WritePrivateProfileStringW(ini.substr(0, a).c_str(),
                                       ini.substr(a + 1, b - a - 1).c_str(),
                                       ini.substr(b + 1).c_str(), file.c_str());
    }
    if (const std::wstring source = Variable(L"KB_MARKER_REPLACE"); !source.empty())
        CopyFileW(source.c_str(), file.c_str(), FALSE);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t target[MAX_PATH + 1];
    const DWORD n = GetEnvironmentVariableW(L"KB_MARKER", target, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    wchar_t folder[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::string text = cp932::Narrow(Arguments()) + "\n" + cp932::Narrow(folder) + "\n";
    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i)
            text += cp932::Narrow(argv[i]) + "\n";
        if (argc > 1)
            EditLastArgument(argv[argc - 1]);
        LocalFree(argv);
    }
    const std::wstring temporary = std::wstring(target) + L".part";
    const HANDLE h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
    if (!ok || !MoveFileExW(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING))
        return 1;
    if (const std::wstring hold = Variable(L"KB_MARKER_HOLD"); !hold.empty()) {
        for (int i = 0; i < 600 && GetFileAttributesW(hold.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            Sleep(50);
    }
    const std::wstring code = Variable(L"KB_MARKER_EXIT");
    return code.empty() ? 0 : _wtoi(code.c_str());
}
