#include "qvtdock/ScreenEdge.h"

int CornerSize(int screenHeight) {
    return screenHeight / 20 / 5;
}

int EdgeMargin(int screenHeight) {
    return screenHeight / 20 + 10;
}

int ScreenZoneAt(forms::TPoint p, int w, int h, const std::array<bool, 8>& enabled) {
    const int corner = CornerSize(h);
    const int edge = EdgeMargin(h);
    const int x = p.X, y = p.Y;
    if (x < 0 || y < 0 || x >= w || y >= h)
        return -1;
    const bool left = x<corner, right = x> w - corner;
    const bool top = y<corner, bottom = y> h - corner;
    const bool alongY = edge < y && y < h - edge;
    const bool alongX = edge < x && x < w - edge;
    const struct {
        TScreenZone Zone;
        bool Holds;
    } order[] = {
        {szTopLeft, left && top},
        {szTopRight, right && top},
        {szLeftEdge, x < kEdgeDepth && alongY},
        {szTopEdge, y < kEdgeDepth && alongX},
        {szBottomLeft, left && bottom},
        {szBottomRight, right && bottom},
        {szRightEdge, x > w - kEdgeDepth && alongY},
        {szBottomEdge, y > h - kEdgeDepth && alongX},
    };
    for (const auto& z : order)
        if (enabled[z.Zone] && z.Holds)
            return z.Zone;
    return -1;
}
