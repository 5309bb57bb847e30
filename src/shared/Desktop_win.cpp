// The work area, and the pointer's place among the desktop's windows, on Win32.
#include "shared/Desktop.h"

#include <windows.h>

#include <optional>

namespace {
forms::TRect WorkArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

std::optional<forms::TPoint> Cursor() {
    POINT p{};
    if (!GetCursorPos(&p))
        return std::nullopt;
    return forms::TPoint{p.x, p.y};
}

bool CursorStrictlyInside(HWND wnd) {
    RECT r{};
    const auto p = Cursor();
    return wnd && p && GetWindowRect(wnd, &r) &&
           StrictlyInside({r.left, r.top, r.right, r.bottom}, *p);
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return parent ? FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}
} // namespace

void ClampToWorkArea(int& x, int& y, int w, int h) {
    ClampToArea(x, y, w, h, WorkArea());
}

bool BelowWorkArea(int y) {
    return y > WorkArea().Bottom;
}

bool CursorInWindow(void* wnd) {
    return CursorStrictlyInside(static_cast<HWND>(wnd));
}

bool CursorOnDesktop() {
    const auto p = Cursor();
    if (!p)
        return false;
    const HWND under = WindowFromPoint({p->X, p->Y});
    const HWND view = ChildOfClass(FindWindowW(L"Progman", nullptr), L"SHELLDLL_DefView");
    if (const HWND web = ChildOfClass(view, L"Internet Explorer_Server"))
        return under == web;
    const HWND icons = ChildOfClass(view, L"SysListView32");
    return icons && under == icons;
}

bool CursorOnTaskbar() {
    return CursorStrictlyInside(FindWindowW(L"Shell_TrayWnd", nullptr));
}
