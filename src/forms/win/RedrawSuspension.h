#pragma once
// Drawing of a control's window held off while many changes are made, so that none of the
// in-between states shows (WM_SETREDRAW, which Wine supports fully, unlike LockWindowUpdate).
#include "forms/win/Control.h"

namespace forms {

// While it lives, the control's window draws nothing; when it ends, drawing is on again and the
// window is drawn whole. Turning drawing back on marks a window visible, so a window that is
// hidden when the suspension starts is left alone (it draws nothing anyway), and a control
// hidden during the suspension keeps its window hidden. A control without a window, or whose
// window went meanwhile, is left alone too.
class TRedrawSuspension {
public:
    explicit TRedrawSuspension(TControl& control);
    ~TRedrawSuspension() { End(); }
    TRedrawSuspension(const TRedrawSuspension&) = delete;
    TRedrawSuspension& operator=(const TRedrawSuspension&) = delete;

    // Ends it before the guard goes; later calls do nothing.
    void End() noexcept;

private:
    TControl& control_;
    HWND window_ = nullptr; // the window whose drawing is off
    bool shown_ = false;    // the control counted as visible when it began
};

} // namespace forms
