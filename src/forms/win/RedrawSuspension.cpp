#include "forms/win/RedrawSuspension.h"

#include <utility>

namespace forms {

TRedrawSuspension::TRedrawSuspension(TControl& control) : control_(control) {
    const HWND window = control.HandleAllocated() ? control.Handle() : nullptr;
    if (!window || !(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE))
        return;
    window_ = window;
    shown_ = control.Visible();
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
}

void TRedrawSuspension::End() noexcept {
    const HWND window = std::exchange(window_, nullptr);
    if (!window || !control_.HandleAllocated() || control_.Handle() != window)
        return;
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    // Hidden meanwhile: with drawing off, the hiding found the window hidden already. (A window
    // shown from outside the library is not the control's own doing, and stays.)
    if (shown_ && !control_.Visible()) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace forms
