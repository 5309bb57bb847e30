#pragma once
// What the desktop tests add to support/GuiTest.h: stand-in windows of any class name, buttons
// and keys held until the test lets go, and the pointer put at a screen point.
#include "support/GuiTest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
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
        kbtest::SettleInput();
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
        kbtest::SettleInput();
        POINT p{};
        if (GetCursorPos(&p) && p.x == x && p.y == y)
            return;
    }
    ADD_FAILURE() << "the pointer does not reach " << x << "," << y;
}

// The work area as the system reports it now.
inline RECT WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

// Waits until the system finds the window at the screen point, as pointer tests will.
inline bool WindowComesAt(HWND window, int x, int y) {
    return kbtest::PumpUntil([=] { return WindowFromPoint(POINT{x, y}) == window; });
}

// The desktop's windows as the shell makes them, which Wine has not: "Progman" at the bottom of
// the z-order, its view "SHELLDLL_DefView" and, when asked for, the view's icon list
// "SysListView32". They cover the work area only: Wine raises a window over the screen above its
// taskbar when the pointer moves.
class StandInDesktop {
public:
    explicit StandInDesktop(bool withIconList = true) {
        progman_ = std::make_unique<StandIn>(L"Progman", WorkArea(), nullptr, false);
        SetWindowPos(progman_->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        view_ = std::make_unique<StandIn>(L"SHELLDLL_DefView", Inside(), progman_->Handle());
        if (withIconList)
            AddIconList();
    }
    void AddIconList() {
        icons_ = std::make_unique<StandIn>(L"SysListView32", Inside(), view_->Handle());
    }
    // Leaves Progman alone, without its view.
    void RemoveView() {
        icons_.reset();
        view_.reset();
    }
    // The topmost of the stand-ins is what the system finds at the screen point.
    [[nodiscard]] bool Ready(int x, int y) const { return WindowComesAt(Top(), x, y); }

    [[nodiscard]] HWND Progman() const { return progman_->Handle(); }
    [[nodiscard]] HWND View() const { return view_->Handle(); }
    [[nodiscard]] HWND Top() const {
        return (icons_ ? icons_ : view_ ? view_ : progman_)->Handle();
    }

private:
    static RECT Inside() {
        const RECT area = WorkArea();
        return {0, 0, area.right - area.left, area.bottom - area.top};
    }
    std::unique_ptr<StandIn> progman_, view_, icons_; // freed icons first
};

} // namespace wintest
