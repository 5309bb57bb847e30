// The one main of every test executable.
#include "support/Rounds.h"

#include <gmock/gmock.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {
// A crash ends the test program at once with a line on stderr, instead of waiting in a debugger.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    std::fprintf(stderr, "crash: exception 0x%08lx at %p\n",
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ExitProcess(3);
}

// Wine's desktop shell keeps a hidden tooltip window for every tray icon ever added, also after
// the icon is deleted. Left there, the hundreds the launcher's tests add make every later window
// search and creation on the shared desktop markedly slower, so each test closes those it left.
void CloseShellTrayTooltips() {
    const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    DWORD shell = 0;
    if (tray == nullptr || GetWindowThreadProcessId(tray, &shell) == 0)
        return;
    EnumWindows(
        [](HWND window, LPARAM shellProcess) -> BOOL {
            wchar_t name[32] = {};
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == static_cast<DWORD>(shellProcess) && !IsWindowVisible(window) &&
                GetClassNameW(window, name, 32) > 0 && wcscmp(name, L"tooltips_class32") == 0)
                PostMessageW(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        static_cast<LPARAM>(shell));
}

class ShellTooltipSweeper : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& /*test*/) override { CloseShellTrayTooltips(); }
};
} // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
#endif
    testing::InitGoogleMock(&argc, argv);
#ifdef _WIN32
    if (kbtest::UnderWine())
        testing::UnitTest::GetInstance()->listeners().Append(new ShellTooltipSweeper);
#endif
    return RUN_ALL_TESTS();
}
