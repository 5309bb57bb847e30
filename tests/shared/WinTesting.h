#pragma once
// Small helpers for the tests that use real windows, the pointer and real input under Wine.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace wintest {

// Lets posted and sent messages of this thread through.
inline void Pump(int ms = 30) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

// Polls (pumping this thread's messages) until done() holds or the time is up; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        Pump(10);
    }
    return true;
}

// A plain window of a class registered on first use under the given name, destroyed with the
// object. Top-level windows are pop-ups without a frame, so their rectangle is exactly the one
// asked for.
class StandIn {
public:
    StandIn(const wchar_t* className, RECT r, HWND parent = nullptr, bool visible = true) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc); // fails harmlessly when it is registered already
        const DWORD style = (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0);
        wnd_ = CreateWindowExW(0, className, L"", style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, nullptr, wc.hInstance, nullptr);
    }
    ~StandIn() {
        if (wnd_)
            DestroyWindow(wnd_);
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    [[nodiscard]] HWND Handle() const { return wnd_; }

private:
    HWND wnd_ = nullptr;
};

inline RECT WindowRect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
}

inline std::wstring TextOf(HWND wnd) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(wnd, buffer, 1024);
    return buffer;
}

// Real mouse-button input at the pointer's place.
inline void SendMouse(DWORD flags, DWORD data = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.mouseData = data;
    SendInput(1, &in, sizeof(in));
}

inline void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(in));
}

// Runs work on a helper thread (to watch and drive a modal box) and joins it at scope end.
class Watcher {
public:
    explicit Watcher(std::function<void()> work) : thread_(std::move(work)) {}
    ~Watcher() {
        if (thread_.joinable())
            thread_.join();
    }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

private:
    std::thread thread_;
};

// Polls from a helper thread (no pumping) for a top-level window of this process.
inline HWND WaitForWindow(const wchar_t* className, const std::wstring& caption,
                          int timeoutMs = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (HWND w = FindWindowW(className, caption.c_str())) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w))
                return w;
        }
        Sleep(20);
    }
    return nullptr;
}

} // namespace wintest
