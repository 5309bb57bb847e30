#include "qvtdock/Layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

using forms::Bounds;

namespace {
int Usable(int value, int fallback, int maximum) {
    if (value < 1)
        return fallback;
    return std::min(value, maximum);
}

// a x b pixels, saturated to the largest int.
int Extent(int64_t a, int64_t b) {
    return static_cast<int>(std::min<int64_t>(a * b, std::numeric_limits<int>::max()));
}
} // namespace

int UsableBtnSize(int value) {
    return Usable(value, kDefaultBtnSize, kMaxBtnSize);
}

int UsableFormSize(int value) {
    return Usable(value, kDefaultFormSize, kMaxFormSize);
}

int UsableRowMax(int value) {
    return Usable(value, kDefaultRowMax, kMaxRowMax);
}

TGridShape PageGridShape(int btnCount, int formSize, int rowMax) {
    const int n = std::max(btnCount, 0);
    const int c = UsableFormSize(formSize);
    if (UsableRowMax(rowMax) == 1)
        return {std::max(n, 1), 1};
    return {c, n / c + 1};
}

TWindowLayout PlanLayout(const TLayoutInput& input) {
    const int s = UsableBtnSize(input.BtnSize);
    const int c = UsableFormSize(input.FormSize);
    const int r = UsableRowMax(input.RowMax);
    TWindowLayout layout;
    layout.Grid = PageGridShape(input.BtnCount, c, r);
    layout.ClientWidth = s * c;
    const int baseHeight = r * s;
    layout.TitleBar = Bounds(0, 0, layout.ClientWidth, kTitleBarHeight);
    layout.Base = Bounds(0, kTitleBarHeight, layout.ClientWidth, baseHeight);
    layout.Bar = Bounds(0, 0, Extent(layout.Grid.ColCount, s), Extent(layout.Grid.RowCount, s));
    const int tabHeight = input.TabsShown ? std::max(input.TabHeight, 0) : 0;
    layout.ClientHeight = kTitleBarHeight + baseHeight + tabHeight + 2;
    if (input.TabsShown)
        layout.Tabs = Bounds(0, layout.ClientHeight - tabHeight, layout.ClientWidth, tabHeight);
    return layout;
}

TTitleBarLayout PlanTitleBar(const TTitleBarInput& input) {
    const int w = input.Width, h = input.Height, edge = kTitleButtonEdge;
    TTitleBarLayout layout;
    const int a = (h - edge) / 2;
    layout.CloseBtn = Bounds(w - edge - 4, a, edge, edge);
    layout.WizBtn = Bounds(w - edge - edge - 6, 4, edge, edge);
    layout.LockBtn = Bounds(12, a, edge, edge);
    const forms::TSize count = input.PageCounter, btn = input.BtnCounter;
    const int b = (h - count.Height - btn.Height) / 2;
    layout.PageCounter = Bounds(layout.WizBtn.Left - count.Width - 4, h - b - count.Height,
                                count.Width, count.Height);
    layout.BtnCounter =
        Bounds(layout.PageCounter.Left, layout.PageCounter.Top - btn.Height, btn.Width, btn.Height);
    constexpr int kTitleHeight = 16;
    layout.Title = Bounds(40, (h - kTitleHeight) / 2, FullTitleWidth(w), kTitleHeight);
    return layout;
}

int TitleWidthFor(int textWidth, int titleBarWidth) {
    return std::max(std::min(textWidth, titleBarWidth - kTitleMargin), 0);
}

int FullTitleWidth(int titleBarWidth) {
    return std::max(titleBarWidth - kTitleMargin, 0);
}
