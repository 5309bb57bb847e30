#include "qvtdock/WindowPlacement.h"

#include "shared/Desktop.h"

std::optional<forms::TPoint> RevisionPointOf(uint8_t point, forms::TRect window) {
    if (point > 8)
        return std::nullopt;
    const int w = window.Width(), h = window.Height();
    const int xs[3] = {kPointerInsetX, w / 2, w - kPointerInsetX};
    const int ys[3] = {kPointerInsetY, h / 2, h - kPointerInsetY};
    return forms::TPoint{window.Left + xs[point % 3], window.Top + ys[point / 3]};
}

TPlacement PlanPlacement(const TPlacementInput& in) {
    const int w = in.Window.Width(), h = in.Window.Height();
    int x = 0, y = 0;
    switch (in.Mode) {
    case kPlaceAtLastPosition:
        x = in.Window.Left;
        y = in.Window.Top;
        break;
    case kPlaceAtPointer:
        x = in.Pointer.X - kPointerInsetX;
        y = in.Pointer.Y - kPointerInsetY;
        break;
    default:
        x = (in.Screen.Width - w) / 2;
        y = (in.Screen.Height - h) / 2;
        break;
    }
    if (in.Clamp)
        ClampToArea(x, y, w, h, in.WorkArea);

    TPlacement plan;
    plan.Position = {x, y};
    const TPointerRevision& r = in.Revision;
    if (r.Revision && (r.RevisionTaskBar || !in.PointerOnTaskbar))
        plan.Pointer = RevisionPointOf(r.RevisionPoint, forms::Bounds(x, y, w, h));
    return plan;
}
