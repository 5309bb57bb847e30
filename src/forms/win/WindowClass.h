#pragma once
// The window classes of our controls and the one window procedure they share. A class is
// registered on first use under the control's class name, superclassing a system class when the
// control names one; the procedure hands every message of the window to its control object and
// keeps errors from reaching the system.
#include "forms/win/Control.h"

#include <windows.h>

namespace forms {

// Registers the class that params names, once per name. When the system refuses (or has no
// system class of that name to superclass) an Exception says so with the system's reason.
void RegisterControlClass(const TCreateParams& params);
// Makes control's window from params (the class registered); messages that come before
// CreateWindowExW returns reach control already. When the system refuses, an Exception says so
// with the system's reason.
HWND CreateControlWindow(TControl& control, const TCreateParams& params, HMENU id);
// The procedure the window's class has without us: DefWindowProcW, or the superclassed system
// class's own.
WNDPROC DefaultProcOf(HWND window);
LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace forms
