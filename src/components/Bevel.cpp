#include "components/Bevel.h"

#include "shared/Drawing.h"

#include <algorithm>
#include <cstdint>

using forms::TRect;

int FittingRings(const TRect& r, int width) {
    if (width <= 0 || r.IsEmpty())
        return 0;
    const int64_t shorter = std::min<int64_t>(int64_t{r.Right} - r.Left, int64_t{r.Bottom} - r.Top);
    return static_cast<int>(std::min<int64_t>(width, (shorter + 1) / 2));
}

TRect ShrinkRect(const TRect& r, int amount) {
    const int64_t left = int64_t{r.Left} + amount, right = int64_t{r.Right} - amount;
    const int64_t top = int64_t{r.Top} + amount, bottom = int64_t{r.Bottom} - amount;
    auto middle = [](int64_t a, int64_t b) { return static_cast<int>(a + (b - a) / 2); };
    TRect out;
    if (left <= right) {
        out.Left = static_cast<int>(left);
        out.Right = static_cast<int>(right);
    } else {
        out.Left = out.Right = middle(r.Left, r.Right);
    }
    if (top <= bottom) {
        out.Top = static_cast<int>(top);
        out.Bottom = static_cast<int>(bottom);
    } else {
        out.Top = out.Bottom = middle(r.Top, r.Bottom);
    }
    return out;
}

void DrawBevel(forms::TPainter& painter, TRect& r, forms::TColor topColor,
               forms::TColor bottomColor, int width) {
    const TRect outer = r;
    DrawFrame3D(painter, r, topColor, bottomColor, FittingRings(outer, width));
    r = ShrinkRect(outer, std::max(width, 0));
}
