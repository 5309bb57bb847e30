#include "shared/Desktop.h"

void ClampToArea(int& x, int& y, int w, int h, const forms::TRect& area) {
    if (x > area.Right - w)
        x = area.Right - w;
    if (x < area.Left)
        x = area.Left;
    if (y < area.Top)
        y = area.Top;
    if (y > area.Bottom - h)
        y = area.Bottom - h;
}

bool StrictlyInside(const forms::TRect& r, forms::TPoint p) {
    return p.X > r.Left && p.X < r.Right && p.Y > r.Top && p.Y < r.Bottom;
}
