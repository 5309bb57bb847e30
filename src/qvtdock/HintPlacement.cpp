#include "qvtdock/HintPlacement.h"

#include <algorithm>

using forms::SaturatedInt;
using forms::TPoint;
using forms::TRect;

// Offsets come from the settings file and can be any int, so every sum is made in 64 bits and
// saturates: a hint pushed that far stands off the screen, never wraps round onto it.
namespace {
int Sum(int64_t a, int64_t b, int64_t c = 0) {
    return SaturatedInt(a + b + c);
}
} // namespace

TPoint ButtonCorner(int index, const THintBar& bar) {
    const int columns = std::max(bar.ColCount, 1);
    return {SaturatedInt(int64_t{index % columns} * bar.BtnSize),
            SaturatedInt(int64_t{index / columns} * bar.BtnSize)};
}

TPoint CalcHintPos(THintLocate locate, int index, int w, int h, const THintBar& bar) {
    const TPoint b = ButtonCorner(index, bar);
    const int s = bar.BtnSize;
    const int ox = bar.XOffset, oy = bar.YOffset;
    const int64_t left = int64_t{b.X} - w, right = int64_t{b.X} + s;
    const int64_t above = int64_t{b.Y} - h, below = int64_t{b.Y} + s;
    switch (locate) {
    case hlLtop:
        return {Sum(left, ox), Sum(above, oy)};
    case hlTop:
        return {Sum(b.X, ox), Sum(above, oy)};
    case hlRtop:
        return {Sum(right, ox), Sum(above, oy)};
    case hlRight:
        return {Sum(right, ox), Sum(b.Y, oy)};
    case hlRbtm:
        return {Sum(right, ox), Sum(below, oy)};
    case hlBtm:
        return {Sum(b.X, ox), Sum(below, oy)};
    case hlLbtm:
        return {Sum(left, ox), Sum(below, oy)};
    case hlLeft:
        return {Sum(left, ox), Sum(b.Y, oy)};
    case hlNone:
        break;
    }
    return {0, Sum(b.Y, 2, bar.VisTab ? bar.TabHeight : 0)};
}

TRect PlaceHintBelowForm(const THintBelowForm& in,
                         const std::function<bool(int y)>& belowWorkArea) {
    const int w = std::max(in.Width, in.Text.Width);
    const int h = in.Text.Height;
    const TRect below{in.X, in.Y, Sum(in.X, w), Sum(in.Y, h)};
    if (!belowWorkArea || !belowWorkArea(below.Bottom))
        return below;
    const int t = in.WindowTop;
    if (in.LockWidth)
        return {below.Left, Sum(t, -int64_t{h} - in.HeightMargin, -int64_t{in.TopMargin}),
                Sum(below.Left, in.MaxWidth), t};
    if (in.UseGlyph && in.UseStyle) {
        if (in.MaxLine == 0)
            return {below.Left, Sum(t, -int64_t{h}, -4), below.Right, Sum(t, -4)};
        return {below.Left, Sum(t, -int64_t{h}), below.Right, t};
    }
    if (in.MaxLine == 0)
        return {below.Left, Sum(t, -int64_t{h}, -8), below.Right, Sum(t, -4)};
    return {below.Left, Sum(t, -int64_t{h}, -4), below.Right, Sum(t, -4)};
}
