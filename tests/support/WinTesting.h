#pragma once
// What the desktop tests add to support/GuiTest.h: stand-in windows of any class name, buttons
// and keys held until the test lets go, and the pointer put at a screen point.
#include "support/GuiTest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

namespace wintest {

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

// Mouse buttons and keys pressed by real input and released, in reverse order, by ReleaseAll or
// at the end of the scope, however the test ends.
class HeldInput {
public:
    HeldInput() = default;
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;
    ~HeldInput() { ReleaseAll(); }

    // down and up are MOUSEEVENTF_ flags; data names the extra button.
    void Mouse(DWORD down, DWORD up, DWORD data = 0) {
        SendMouse(down, data);
        ups_.push_back([=] { SendMouse(up, data); });
    }
    void Key(WORD vk) {
        SendKey(vk, false);
        ups_.push_back([=] { SendKey(vk, true); });
    }
    void ReleaseAll() {
        for (auto it = ups_.rbegin(); it != ups_.rend(); ++it)
            (*it)();
        ups_.clear();
        kbtest::Pump(30);
    }

private:
    static void SendMouse(DWORD flags, DWORD data) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        in.mi.mouseData = data;
        SendInput(1, &in, sizeof(in));
    }
    static void SendKey(WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof(in));
    }

    std::vector<std::function<void()>> ups_;
};

// Puts the pointer at a screen point, once the system has taken every earlier move.
inline void PointAt(int x, int y) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        kbtest::MovePointerTo(x, y);
        kbtest::Pump(30);
        POINT p{};
        if (GetCursorPos(&p) && p.x == x && p.y == y)
            return;
    }
    ADD_FAILURE() << "the pointer does not reach " << x << "," << y;
}

} // namespace wintest
