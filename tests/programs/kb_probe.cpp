// A program for the process-driver tests to drive from outside. Its command line is a list of
// steps, done in order:
//   exit=N    the exit code when the program ends normally (default 0)
//   env=NAME  the exit code is the number in the variable NAME, or 255 when it is not set
//   wait=MS   sleeps before going on (nothing answers meanwhile)
//   hidden    a hidden top-level window "KbProbeHidden"; WM_CLOSE to it ends the program
//   shown     a visible top-level window "KbProbeShown" with the text "見える窓"
//   box       the system's Yes/No question box; its answer (IDYES 6, IDNO 7) is added as a digit
//   form      our message dialog (TMessageForm) with Yes and No; its modal result (6, 7) likewise
//   menu      a pop-up menu "開く(&O)", a separator, "終了(&X)" (ids 1, 2) and a disabled
//             submenu "その他"; the id chosen, or 0, likewise
//   hotkey    registers Ctrl+Alt+L; the hot key ends the program with code 93
//   hang      never answers again
// After the steps the program runs its message loop while one of its windows is there. A digit
// added to the exit code makes it code * 10 + digit.
#include "forms/base/Codepage.h"
#include "forms/win/MessageDialog.h"
#include "support/WideArguments.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
DWORD g_exitCode = 0;
int g_windows = 0;
constexpr int kHotKeyId = 993;

LRESULT CALLBACK ProbeProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        if (--g_windows == 0)
            PostQuitMessage(static_cast<int>(g_exitCode));
        return 0;
    case WM_HOTKEY:
        if (wParam == kHotKeyId) {
            g_exitCode = 93;
            DestroyWindow(window);
        }
        return 0;
    default:
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

HWND MakeWindow(const wchar_t* className, const wchar_t* text, bool visible) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(0, className, text, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                             200, 200, 240, 120, nullptr, nullptr, wc.hInstance, nullptr);
    if (h)
        ++g_windows;
    return h;
}

void AddDigit(int digit) {
    g_exitCode = g_exitCode * 10 + static_cast<DWORD>(digit);
}

int ChooseFromMenu() {
    HWND owner = MakeWindow(L"KbProbeMenuOwner", L"", false);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, cp932::Wide("開く(&O)").c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 2, cp932::Wide("終了(&X)").c_str());
    HMENU more = CreatePopupMenu();
    AppendMenuW(more, MF_STRING, 3, L"x");
    AppendMenuW(menu, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(more),
                cp932::Wide("その他").c_str());
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 300, 300, 0, owner, nullptr));
    DestroyMenu(menu);
    --g_windows; // the owner does not keep the program going
    DestroyWindow(owner);
    return chosen;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    for (const std::wstring& step : kbtest::WideArguments()) {
        if (step.rfind(L"exit=", 0) == 0) {
            g_exitCode = static_cast<DWORD>(std::wcstoul(step.c_str() + 5, nullptr, 10));
        } else if (step.rfind(L"env=", 0) == 0) {
            wchar_t value[64] = {};
            const DWORD n = GetEnvironmentVariableW(step.c_str() + 4, value, 64);
            g_exitCode =
                n == 0 || n >= 64 ? 255 : static_cast<DWORD>(std::wcstoul(value, nullptr, 10));
        } else if (step.rfind(L"wait=", 0) == 0) {
            Sleep(static_cast<DWORD>(std::wcstoul(step.c_str() + 5, nullptr, 10)));
        } else if (step == L"hidden") {
            MakeWindow(L"KbProbeHidden", L"", false);
        } else if (step == L"shown") {
            MakeWindow(L"KbProbeShown", cp932::Wide("見える窓").c_str(), true);
        } else if (step == L"box") {
            AddDigit(MessageBoxW(nullptr, cp932::Wide("続けますか？\r二行目").c_str(),
                                 cp932::Wide("プローブの確認").c_str(),
                                 MB_YESNO | MB_ICONQUESTION));
        } else if (step == L"form") {
            AddDigit(forms::ShowMessageDialog("フォームの質問", forms::TMsgDlgType::mtConfirmation,
                                              {forms::TMsgDlgBtn::mbYes, forms::TMsgDlgBtn::mbNo}));
        } else if (step == L"menu") {
            AddDigit(ChooseFromMenu());
        } else if (step == L"hotkey") {
            HWND target = MakeWindow(L"KbProbeHotKey", L"", false);
            RegisterHotKey(target, kHotKeyId, MOD_CONTROL | MOD_ALT, 'L');
        } else if (step == L"hang") {
            Sleep(INFINITE);
        }
    }
    if (g_windows > 0) {
        MSG m;
        while (GetMessageW(&m, nullptr, 0, 0) > 0) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    return static_cast<int>(g_exitCode);
}
