// The Wine-side helper of ./run.sh: what a shell script cannot do from the Linux side of the
// virtual desktop. One command per call; the exit code says how it went (0 done, 1 not in time,
// 2 no such window, 3 bad arguments).
//   kb_helper wait CLASS [MS]     waits for a top-level window of the class (hidden ones too)
//   kb_helper visible CLASS       0 when such a window is visible, else 1
//   kb_helper keys TEXT           presses a key with modifiers, e.g. Ctrl+Alt+L, Win+F12
//   kb_helper close CLASS [MS]    posts WM_CLOSE to the window and waits until its program ends
//   kb_helper picture FILE        saves the whole screen (the virtual desktop) as a .bmp
//   kb_helper user                prints the logged-on user's name
#include "forms/base/Codepage.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/DeviceContext.h"
#include "shared/FileUtils.h"
#include "support/WideArguments.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {
enum Result { kDone = 0, kTimeUp = 1, kNoWindow = 2, kBadArguments = 3 };

HWND TopWindowOfClass(const std::wstring& className, bool visibleOnly) {
    for (HWND h = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); h;
         h = FindWindowExW(nullptr, h, className.c_str(), nullptr))
        if (!visibleOnly || IsWindowVisible(h))
            return h;
    return nullptr;
}

int Wait(const std::wstring& className, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!TopWindowOfClass(className, false)) {
        if (GetTickCount() - start > ms)
            return kTimeUp;
        Sleep(50);
    }
    return kDone;
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// A key text as the settings hold it: modifiers "Shift", "Ctrl", "Alt", "Win" and a letter, a digit
// or F1 to F24, joined by '+'. The modifiers' keys come first, the key last.
std::optional<std::vector<WORD>> ParseKeyText(const std::string& text) {
    std::vector<WORD> keys;
    size_t start = 0;
    for (;;) {
        const size_t plus = text.find('+', start);
        std::string part = text.substr(start, plus == std::string::npos ? plus : plus - start);
        for (char& c : part)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const bool last = plus == std::string::npos;
        if (!last && (part == "SHIFT" || part == "CTRL" || part == "ALT" || part == "WIN")) {
            keys.push_back(part == "SHIFT"  ? VK_SHIFT
                           : part == "CTRL" ? VK_CONTROL
                           : part == "ALT"  ? VK_MENU
                                            : VK_LWIN);
        } else if (last && part.size() == 1 && std::isalnum(static_cast<unsigned char>(part[0]))) {
            keys.push_back(static_cast<WORD>(part[0]));
            return keys;
        } else if (last && part.size() >= 2 && part[0] == 'F') {
            const int n = std::atoi(part.c_str() + 1);
            if (n < 1 || n > 24 || part != "F" + std::to_string(n))
                return std::nullopt;
            keys.push_back(static_cast<WORD>(VK_F1 + n - 1));
            return keys;
        } else {
            return std::nullopt;
        }
        start = plus + 1;
    }
}

int Keys(const std::string& text) {
    const std::optional<std::vector<WORD>> keys = ParseKeyText(text);
    if (!keys)
        return kBadArguments;
    const std::vector<WORD> held(keys->begin(), keys->end() - 1);
    for (WORD vk : held)
        SendKey(vk, false);
    SendKey(keys->back(), false);
    SendKey(keys->back(), true);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        SendKey(*it, true);
    return kDone;
}

int Close(const std::wstring& className, DWORD ms) {
    const HWND window = TopWindowOfClass(className, false);
    if (!window)
        return kNoWindow;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process)
        return kDone;
    const DWORD waited = WaitForSingleObject(process, ms);
    CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? kDone : kTimeUp;
}

int Picture(const std::wstring& file) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    forms::TBitmap picture;
    picture.SetPixelFormat(forms::TPixelFormat::pf24bit);
    picture.SetSize(w, h);
    {
        const forms::WindowDC screen;
        BitBlt(picture.Canvas().Handle(), 0, 0, w, h, screen.Handle(), 0, 0, SRCCOPY);
    }
    picture.SaveToFile(cp932::Narrow(file));
    return kDone;
}

// As the launcher reads it, in UTF-8 for the Linux side's file names.
int User() {
    const std::string name = GetLogonUserName();
    if (name.empty())
        return kNoWindow;
    std::printf("%s\n", cp932::ToUtf8(name).c_str());
    return kDone;
}
} // namespace

int main() {
    const std::vector<std::wstring> args = kbtest::WideArguments();
    if (args.empty())
        return kBadArguments;
    const std::wstring& command = args[0];
    const DWORD ms = args.size() > 2 ? std::wcstoul(args[2].c_str(), nullptr, 10) : 10000;
    if (command == L"user")
        return User();
    if (args.size() < 2)
        return kBadArguments;
    if (command == L"wait")
        return Wait(args[1], ms);
    if (command == L"visible")
        return TopWindowOfClass(args[1], true) ? kDone : kTimeUp;
    if (command == L"keys")
        return Keys(cp932::Narrow(args[1]));
    if (command == L"close")
        return Close(args[1], ms);
    if (command == L"picture")
        return Picture(args[1]);
    return kBadArguments;
}
