#include "forms/win/WindowClass.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"

#include <map>
#include <string>
#include <unordered_map>

namespace forms {

namespace {

// The registries are never destroyed: windows of the application's forms still take messages
// while the application object goes, after function-local statics would be gone.
std::unordered_map<ATOM, WNDPROC>& DefaultProcs() {
    static auto* procs = new std::unordered_map<ATOM, WNDPROC>;
    return *procs;
}
std::map<std::wstring, ATOM>& ClassAtoms() {
    static auto* atoms = new std::map<std::wstring, ATOM>;
    return *atoms;
}

// The control whose window is being created: messages that arrive before WM_NCCREATE belong to
// it too.
thread_local TControl* creating = nullptr;

// The failure and the system's reason for the error code (none for 0).
[[noreturn]] void RaiseSystemError(std::string what, DWORD code) {
    if (code != 0) {
        const std::string reason = SysErrorMessage(static_cast<int>(code));
        what += ": " + (reason.empty() ? "エラー " + std::to_string(code) : reason);
    }
    throw Exception(std::move(what));
}

} // namespace

WNDPROC DefaultProcOf(HWND window) {
    const ATOM atom = static_cast<ATOM>(GetClassLongPtrW(window, GCW_ATOM));
    auto it = DefaultProcs().find(atom);
    return it == DefaultProcs().end() ? DefWindowProcW : it->second;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control && creating) {
        control = creating;
        creating = nullptr;
        control->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    if (!control)
        return CallWindowProcW(DefaultProcOf(window), window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WndProc(m);
    } catch (...) {
        if (msg == WM_PAINT)
            ValidateRect(window, nullptr);
        Application.HandleException(std::current_exception());
    }
    if (msg == WM_NCDESTROY) {
        // Destroyed by the system (or with its parent): the object stays, without a window.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (control->handle_ == window)
            control->handle_ = nullptr;
    }
    return m.Result;
}

void RegisterControlClass(const TCreateParams& p) {
    if (ClassAtoms().count(p.WinClassName))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcW;
    if (!p.SystemClass.empty()) {
        if (!GetClassInfoExW(nullptr, p.SystemClass.c_str(), &wc)) {
            const DWORD error = GetLastError();
            RaiseSystemError("ウィンドウクラスを登録できません: " + cp932::Narrow(p.WinClassName) +
                                 " (" + cp932::Narrow(p.SystemClass) + ")",
                             error);
        }
        defaultProc = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
        wc.style |= p.ClassStyle;
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    }
    wc.lpfnWndProc = ControlWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = p.WinClassName.c_str();
    const ATOM atom = RegisterClassExW(&wc);
    if (!atom) {
        const DWORD error = GetLastError();
        RaiseSystemError("ウィンドウクラスを登録できません: " + cp932::Narrow(p.WinClassName),
                         error);
    }
    ClassAtoms()[p.WinClassName] = atom;
    DefaultProcs()[atom] = defaultProc;
}

HWND CreateControlWindow(TControl& control, const TCreateParams& p, HMENU id) {
    const std::wstring caption = cp932::Wide(p.Caption);
    creating = &control;
    auto done = OnScopeExit([] { creating = nullptr; });
    SetLastError(0);
    HWND h =
        CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), caption.c_str(), p.Style, p.X, p.Y,
                        p.Width, p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    if (!h) {
        const DWORD error = GetLastError();
        done.Run();
        RaiseSystemError("ウィンドウを作成できません: " + cp932::Narrow(p.WinClassName), error);
    }
    return h;
}

} // namespace forms
