#include "support/GuiTest.h"

#include "forms/base/Codepage.h"
#include "forms/gfx/Bitmap.h"
#include "forms/win/Application.h"

#include <chrono>
#include <vector>

namespace kbtest {

namespace {
struct Search {
    std::wstring className;
    std::string text;
    HWND found = nullptr;
};

bool Matches(HWND h, const Search& s) {
    return ClassNameOf(h) == s.className && (s.text.empty() || WindowText(h) == s.text);
}
} // namespace

std::wstring ClassNameOf(HWND window) {
    wchar_t buf[256] = {};
    GetClassNameW(window, buf, 256);
    return buf;
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(window, w.data(), n + 1);
    w.resize(static_cast<size_t>(n));
    return cp932::Narrow(w);
}

HWND FindTopWindow(const std::wstring& className, const std::string& text) {
    Search s{className, text};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    if (s.found)
        return s.found;
    // Windows of other threads of this process (boxes shown by helper threads).
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == GetCurrentProcessId() && Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindChildWindow(HWND parent, const std::wstring& className, const std::string& text) {
    Search s{className, text};
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (Matches(h, *s)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForTopWindow(const std::wstring& className, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        Search s{className, ""};
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                if (pid == GetCurrentProcessId() && IsWindowVisible(h) && Matches(h, *s)) {
                    s->found = h;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found)
            return s.found;
        Sleep(20);
    } while (std::chrono::steady_clock::now() < end);
    return nullptr;
}

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        forms::Application.ProcessMessages();
        if (!done())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

void BringToFront(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    UpdateWindow(window);
    Pump(30);
}

namespace {
POINT ToScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

void SendMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}
} // namespace

void MoveMouseTo(HWND window, int x, int y) {
    // One absolute move, so that no second, stale move event follows it.
    const POINT p = ToScreen(window, x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

void ClickAt(HWND window, int x, int y, bool right) {
    MoveMouseTo(window, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(HWND window, int x, int y) {
    ClickAt(window, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD vk, bool shift, bool ctrl, bool alt) {
    if (shift)
        SendKey(VK_SHIFT, false);
    if (ctrl)
        SendKey(VK_CONTROL, false);
    if (alt)
        SendKey(VK_MENU, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (alt)
        SendKey(VK_MENU, true);
    if (ctrl)
        SendKey(VK_CONTROL, true);
    if (shift)
        SendKey(VK_SHIFT, true);
}

void TypeChar(wchar_t ch) {
    INPUT in[2] = {};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = ch;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof in[0]);
}

void PostClick(HWND window, int x, int y, bool right) {
    const LPARAM pos = MAKELPARAM(x, y);
    PostMessageW(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                 pos);
    PostMessageW(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, pos);
}

void PostKey(HWND window, WORD vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
}

COLORREF ReadPixel(HWND window, int x, int y) {
    const POINT p = ToScreen(window, x, y);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

std::string SaveWindowPicture(HWND window, const std::string& name) {
    const RECT r = ScreenRectOf(window);
    forms::TBitmap picture;
    picture.SetPixelFormat(forms::TPixelFormat::pf24bit);
    picture.SetSize(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(picture.Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left,
           r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    CreateDirectoryW(L"screens", nullptr);
    const std::string path = "screens\\" + name + ".bmp";
    picture.SaveToFile(path);
    return path;
}

DWORD GdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

DWORD UserObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
}

} // namespace kbtest
