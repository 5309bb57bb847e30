#include "qvtdock/HintPlacement.h"

#include <algorithm>

using forms::TPoint;
using forms::TRect;

TPoint ButtonCorner(int index, const THintBar& bar) {
    const int columns = std::max(bar.ColCount, 1);
    return {(index % columns) * bar.BtnSize, (index / columns) * bar.BtnSize};
}

TPoint CalcHintPos(THintLocate locate, int index, int w, int h, const THintBar& bar) {
    const TPoint b = ButtonCorner(index, bar);
    const int s = bar.BtnSize;
    const int ox = bar.XOffset, oy = bar.YOffset;
    switch (locate) {
    case hlLtop:
        return {b.X - w + ox, b.Y - h + oy};
    case hlTop:
        return {b.X + ox, b.Y - h + oy};
    case hlRtop:
        return {b.X + s + ox, b.Y - h + oy};
    case hlRight:
        return {b.X + s + ox, b.Y + oy};
    case hlRbtm:
        return {b.X + s + ox, b.Y + s + oy};
    case hlBtm:
        return {b.X + ox, b.Y + s + oy};
    case hlLbtm:
        return {b.X - w + ox, b.Y + s + oy};
    case hlLeft:
        return {b.X - w + ox, b.Y + oy};
    case hlNone:
        break;
    }
    return {0, b.Y + 2 + (bar.VisTab ? bar.TabHeight : 0)};
}

TRect PlaceHintBelowForm(const THintBelowForm& in,
                         const std::function<bool(int y)>& belowWorkArea) {
    const int w = std::max(in.Width, in.Text.Width);
    const int h = in.Text.Height;
    const TRect below{in.X, in.Y, in.X + w, in.Y + h};
    if (!belowWorkArea || !belowWorkArea(below.Bottom))
        return below;
    const int t = in.WindowTop;
    if (in.LockWidth)
        return {below.Left, t - h - in.HeightMargin - in.TopMargin, below.Left + in.MaxWidth, t};
    if (in.UseGlyph && in.UseStyle) {
        if (in.MaxLine == 0)
            return {below.Left, t - h - 4, below.Right, t - 4};
        return {below.Left, t - h, below.Right, t};
    }
    if (in.MaxLine == 0)
        return {below.Left, t - h - 8, below.Right, t - 4};
    return {below.Left, t - h - 4, below.Right, t - 4};
}
