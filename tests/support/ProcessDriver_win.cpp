#include "support/ProcessDriver.h"

#include "forms/base/Codepage.h"
#include "support/GuiTest.h"

#include <algorithm>
#include <chrono>
#include <cwctype>
#include <stdexcept>

namespace kbtest {

namespace {
std::wstring Upper(std::wstring_view s) {
    std::wstring u(s);
    for (wchar_t& c : u)
        c = static_cast<wchar_t>(std::towupper(c));
    return u;
}

// The name of an entry "NAME=value"; entries of the drive's current folders ("=C:=C:\x") keep
// their leading '='.
std::wstring NameOf(const std::wstring& entry) {
    const size_t eq = entry.find(L'=', 1);
    return entry.substr(0, eq == std::wstring::npos ? entry.size() : eq);
}

std::vector<std::wstring> OurEnvironment() {
    std::vector<std::wstring> entries;
    wchar_t* block = GetEnvironmentStringsW();
    if (!block)
        return entries;
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1)
        entries.emplace_back(p);
    FreeEnvironmentStringsW(block);
    return entries;
}

using Clock = std::chrono::steady_clock;
Clock::time_point Deadline(int timeoutMs) {
    return Clock::now() + std::chrono::milliseconds(timeoutMs);
}
} // namespace

std::wstring EnvironmentBlock(const ProcessOptions& options) {
    std::vector<std::wstring> entries;
    if (!options.emptyEnvironment)
        entries = OurEnvironment();
    for (const auto& [name, value] : options.environment) {
        const std::wstring wname = cp932::Wide(name);
        entries.erase(
            std::remove_if(entries.begin(), entries.end(),
                           [&](const std::wstring& e) { return Upper(NameOf(e)) == Upper(wname); }),
            entries.end());
        if (value)
            entries.push_back(wname + L"=" + cp932::Wide(*value));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::wstring& a, const std::wstring& b) {
                         return Upper(NameOf(a)) < Upper(NameOf(b));
                     });
    std::wstring block;
    for (const std::wstring& e : entries)
        block += e + L'\0';
    if (entries.empty())
        block += L'\0';
    block += L'\0';
    return block;
}

ProcessDriver::ProcessDriver(const ProcessOptions& options) {
    const std::wstring program = cp932::Wide(options.program);
    std::wstring line =
        options.commandLine.empty() ? L"\"" + program + L"\"" : cp932::Wide(options.commandLine);
    std::wstring environment = EnvironmentBlock(options);
    const std::wstring folder = cp932::Wide(options.currentDir);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(),
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        throw std::runtime_error("cannot start " + options.program + " (error " +
                                 std::to_string(GetLastError()) + ")");
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    id_ = pi.dwProcessId;
}

ProcessDriver::~ProcessDriver() {
    if (Running())
        Kill();
    CloseHandle(process_);
}

bool ProcessDriver::Running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ProcessDriver::WaitForIdle(int timeoutMs) {
    return WaitForInputIdle(process_, static_cast<DWORD>(timeoutMs)) == 0 && Running();
}

std::vector<HWND> ProcessDriver::Windows(const std::wstring& className) const {
    struct Found {
        DWORD pid;
        const std::wstring* className;
        std::vector<HWND> windows;
    } found{id_, &className, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Found*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == f->pid && (f->className->empty() || ClassNameOf(h) == *f->className))
                f->windows.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

HWND ProcessDriver::FirstWindow(const std::wstring& className, const std::string& text) const {
    for (HWND h : Windows(className))
        if (text.empty() || WindowText(h) == text)
            return h;
    return nullptr;
}

HWND ProcessDriver::WaitForWindow(const std::wstring& className, int timeoutMs, bool visibleOnly,
                                  const std::vector<HWND>& except) {
    const auto end = Deadline(timeoutMs);
    for (;;) {
        for (HWND h : Windows(className))
            if ((!visibleOnly || IsWindowVisible(h)) &&
                std::find(except.begin(), except.end(), h) == except.end())
                return h;
        if (Clock::now() >= end || !Running())
            return nullptr;
        Sleep(10);
    }
}

bool ProcessDriver::WaitWindowGone(HWND window, int timeoutMs, bool onlyHidden) {
    return WaitUntil([=] { return !IsWindow(window) || (onlyHidden && !IsWindowVisible(window)); },
                     timeoutMs);
}

bool ProcessDriver::PostClose(HWND window) {
    return window && IsWindow(window) && PostMessageW(window, WM_CLOSE, 0, 0);
}

bool ProcessDriver::QueryEndSession(HWND window, int timeoutMs) {
    DWORD_PTR answer = FALSE;
    return SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                               static_cast<UINT>(timeoutMs), &answer) &&
           answer == TRUE;
}

void ProcessDriver::EndSession(HWND window, bool ending, int timeoutMs) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_LOGOFF,
                        SMTO_NORMAL, static_cast<UINT>(timeoutMs), &ignored);
}

std::optional<DWORD> ProcessDriver::WaitForExit(int timeoutMs) {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
        Kill();
        return std::nullopt;
    }
    if (killed_)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void ProcessDriver::Kill() {
    if (!Running())
        return;
    killed_ = true;
    TerminateProcess(process_, kKilledExitCode);
    WaitForSingleObject(process_, 10000);
}

} // namespace kbtest
