#pragma once
// The desktop and the pointer: a box kept inside an area or the desktop's work area, and whether
// the pointer lies inside a window, on the desktop's icon view or on the taskbar.
#include "forms/gfx/Geometry.h"

// Moves a w x h box at (x, y) into area: first against the right edge, then the left, then the
// top, then the bottom. So a box wider than the area ends at its left edge, and one taller than
// it at its bottom edge (its top above the area).
void ClampToArea(int& x, int& y, int w, int h, const forms::TRect& area);

// p lies inside r and on none of its edges (r excludes its Right column and Bottom row, so the
// point must be right of Left and below Top).
[[nodiscard]] bool StrictlyInside(const forms::TRect& r, forms::TPoint p);

#ifdef _WIN32
// The box into the desktop work area, as ClampToArea.
void ClampToWorkArea(int& x, int& y, int w, int h);
// y is greater than the bottom of the work area.
[[nodiscard]] bool BelowWorkArea(int y);
// The pointer lies strictly inside the window's rectangle (wnd: HWND).
[[nodiscard]] bool CursorInWindow(void* wnd);
// The window under the pointer is the desktop's icon view: the "SysListView32" child of the
// "SHELLDLL_DefView" child of the "Progman" window, or, on a desktop shown as a web page, the
// view's "Internet Explorer_Server" child. False when any window of that chain is missing.
[[nodiscard]] bool CursorOnDesktop();
// The pointer lies strictly inside the taskbar ("Shell_TrayWnd"); false without a taskbar.
[[nodiscard]] bool CursorOnTaskbar();
#endif
