#pragma once
// Where the value dialog stands: at the screen point its caller asks for, moved into the desktop
// work area so that the whole dialog can be seen.
#include "forms/gfx/Geometry.h"

// The top-left corner for a dialog whose window is size big, asked for at (x, y): first kept
// from crossing the work area's right edge, then its left; then its top, then its bottom. So a
// dialog wider than the area starts at its left edge, and one taller than it ends at its bottom.
[[nodiscard]] forms::TPoint ValueDialogPosition(int x, int y, forms::TSize size,
                                                const forms::TRect& workArea);
