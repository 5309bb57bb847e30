// The launcher window's geometry: the bands and the window from the sizes, the page's grid, the
// sizes the settings file may hold wrongly, and the title bar's places.
#include "qvtdock/Layout.h"

#include <gtest/gtest.h>

#include <limits>

using forms::Bounds;
using forms::TRect;

namespace {
TLayoutInput Input(int s, int c, int r, int n, int tab = 24, bool tabs = true) {
    TLayoutInput in;
    in.BtnSize = s;
    in.FormSize = c;
    in.RowMax = r;
    in.BtnCount = n;
    in.TabHeight = tab;
    in.TabsShown = tabs;
    return in;
}
} // namespace

// ---- The window and its bands ------------------------------------------------------------------

TEST(WindowLayout, Defaults_400By94) {
    const TWindowLayout l = PlanLayout(Input(40, 10, 1, 10));
    EXPECT_EQ(l.ClientWidth, 400);
    EXPECT_EQ(l.ClientHeight, 94);
    EXPECT_EQ(l.TitleBar, Bounds(0, 0, 400, 28));
    EXPECT_EQ(l.Base, Bounds(0, 28, 400, 40));
    EXPECT_EQ(l.Bar, Bounds(0, 0, 400, 40));
    // Two pixels of the window's face lie between the buttons and the tabs.
    EXPECT_EQ(l.Tabs, Bounds(0, 70, 400, 24));
}

TEST(WindowLayout, Size48Columns12ThreeRowsTabs30_576By204) {
    const TWindowLayout l = PlanLayout(Input(48, 12, 3, 20, 30));
    EXPECT_EQ(l.ClientWidth, 576);
    EXPECT_EQ(l.ClientHeight, 204);
    EXPECT_EQ(l.Base, Bounds(0, 28, 576, 144));
    EXPECT_EQ(l.Grid.ColCount, 12);
    EXPECT_EQ(l.Grid.RowCount, 2);
    EXPECT_EQ(l.Bar, Bounds(0, 0, 576, 96));
    EXPECT_EQ(l.Tabs, Bounds(0, 174, 576, 30));
}

TEST(WindowLayout, TabsHidden_ExactlyTheTabHeightShorterAndNoTabBand) {
    const TWindowLayout shown = PlanLayout(Input(40, 10, 1, 10, 24, true));
    const TWindowLayout hidden = PlanLayout(Input(40, 10, 1, 10, 24, false));
    EXPECT_EQ(shown.ClientHeight - hidden.ClientHeight, 24);
    EXPECT_TRUE(hidden.Tabs.IsEmpty());
    EXPECT_EQ(hidden.Base, shown.Base);
    const TWindowLayout tall = PlanLayout(Input(40, 10, 1, 10, 40, false));
    EXPECT_EQ(tall.ClientHeight, 70);
}

TEST(WindowLayout, OneRowOf25In10Wide_BarHolds25ButtonsWindowStays10) {
    const TWindowLayout l = PlanLayout(Input(40, 10, 1, 25));
    EXPECT_EQ(l.Grid.ColCount, 25);
    EXPECT_EQ(l.Grid.RowCount, 1);
    EXPECT_EQ(l.Bar, Bounds(0, 0, 1000, 40));
    EXPECT_EQ(l.Base, Bounds(0, 28, 400, 40));
    EXPECT_EQ(l.ClientWidth, 400);
}

TEST(WindowLayout, ThreeRowsPageOf5_OneRowInAThreeRowArea) {
    const TWindowLayout l = PlanLayout(Input(40, 10, 3, 5));
    EXPECT_EQ(l.Grid.RowCount, 1);
    EXPECT_EQ(l.Bar.Height(), 40);
    EXPECT_EQ(l.Base.Height(), 120);
    EXPECT_EQ(l.ClientHeight, 28 + 120 + 24 + 2);
}

TEST(WindowLayout, MorePagesRowsThanTheWindow_BarTallerThanBase) {
    const TWindowLayout l = PlanLayout(Input(40, 10, 2, 45));
    EXPECT_EQ(l.Grid.RowCount, 5);
    EXPECT_EQ(l.Bar.Height(), 200);
    EXPECT_EQ(l.Base.Height(), 80);
}

TEST(PageGrid, SingleRow_AllButtonsSideBySide) {
    const TGridShape g = PageGridShape(7, 10, 1);
    EXPECT_EQ(g.ColCount, 7);
    EXPECT_EQ(g.RowCount, 1);
}

TEST(PageGrid, SeveralRows_FullRowsPlusOne) {
    EXPECT_EQ(PageGridShape(9, 10, 2).RowCount, 1);
    EXPECT_EQ(PageGridShape(10, 10, 2).RowCount, 2);
    EXPECT_EQ(PageGridShape(11, 10, 2).RowCount, 2);
    EXPECT_EQ(PageGridShape(11, 10, 2).ColCount, 10);
}

TEST(PageGrid, NoButtons_StillOneColumnAndOneRow) {
    EXPECT_EQ(PageGridShape(0, 10, 1).ColCount, 1);
    EXPECT_EQ(PageGridShape(-3, 10, 1).ColCount, 1);
    EXPECT_EQ(PageGridShape(0, 10, 3).RowCount, 1);
}

// ---- Sizes outside the editors' ranges ---------------------------------------------------------

TEST(UsableSizes, BelowOne_TheDefaults) {
    EXPECT_EQ(UsableBtnSize(0), 40);
    EXPECT_EQ(UsableBtnSize(-48), 40);
    EXPECT_EQ(UsableFormSize(0), 10);
    EXPECT_EQ(UsableFormSize(std::numeric_limits<int>::min()), 10);
    EXPECT_EQ(UsableRowMax(0), 1);
    EXPECT_EQ(UsableRowMax(-2), 1);
}

TEST(UsableSizes, AboveTheEditorsMaxima_TheMaxima) {
    EXPECT_EQ(UsableBtnSize(73), 72);
    EXPECT_EQ(UsableBtnSize(std::numeric_limits<int>::max()), 72);
    EXPECT_EQ(UsableFormSize(51), 50);
    EXPECT_EQ(UsableRowMax(11), 10);
    // Values in between are used as they are.
    EXPECT_EQ(UsableBtnSize(72), 72);
    EXPECT_EQ(UsableBtnSize(1), 1);
    EXPECT_EQ(UsableFormSize(50), 50);
}

TEST(WindowLayout, FormSizeZeroRowMaxTwo_400Wide) {
    const TWindowLayout l = PlanLayout(Input(40, 0, 2, 15));
    EXPECT_EQ(l.ClientWidth, 400);
    EXPECT_EQ(l.Grid.ColCount, 10);
    EXPECT_EQ(l.Grid.RowCount, 2);
    EXPECT_EQ(l.Base.Height(), 80);
}

TEST(WindowLayout, HugeSizes_TheLargestWindowTheEditorsAllow) {
    const TWindowLayout l = PlanLayout(Input(1000, 1000, 1000, 10));
    EXPECT_EQ(l.ClientWidth, 72 * 50);
    EXPECT_EQ(l.Base.Height(), 72 * 10);
}

TEST(WindowLayout, HugePageInOneRow_BarWidthSaturatesWindowUnchanged) {
    const int most = std::numeric_limits<int>::max();
    const TWindowLayout l = PlanLayout(Input(72, 10, 1, most));
    EXPECT_EQ(l.Bar.Width(), most);
    EXPECT_EQ(l.ClientWidth, 720);
}

// ---- The title bar -----------------------------------------------------------------------------

namespace {
TTitleBarInput TitleInput(int w, forms::TSize counter = {22, 11}) {
    TTitleBarInput in;
    in.Width = w;
    in.Height = 28;
    in.BtnCounter = counter;
    in.PageCounter = counter;
    return in;
}
} // namespace

TEST(TitleBarLayout, ButtonsAtTheirEdges) {
    const TTitleBarLayout l = PlanTitleBar(TitleInput(400));
    EXPECT_EQ(l.CloseBtn, Bounds(376, 4, 20, 20));
    EXPECT_EQ(l.WizBtn, Bounds(354, 4, 20, 20));
    EXPECT_EQ(l.LockBtn, Bounds(12, 4, 20, 20));
}

TEST(TitleBarLayout, CountersStackedLeftOfTheDataEditorButtonAndCentred) {
    const TTitleBarLayout l = PlanTitleBar(TitleInput(400));
    // (28 - 11 - 11) / 2 = 3 pixels above and below the pair.
    EXPECT_EQ(l.PageCounter, Bounds(328, 14, 22, 11));
    EXPECT_EQ(l.BtnCounter, Bounds(328, 3, 22, 11));
}

TEST(TitleBarLayout, TitleBetweenLockAndCounters) {
    const TTitleBarLayout l = PlanTitleBar(TitleInput(576));
    EXPECT_EQ(l.Title, Bounds(40, 6, 456, 16));
}

TEST(TitleBarLayout, CountersTallerThanTheBar_HalvesTruncateTowardsZero) {
    TTitleBarInput in = TitleInput(400);
    in.BtnCounter = {22, 15};
    in.PageCounter = {22, 16};
    const TTitleBarLayout l = PlanTitleBar(in);
    // (28 - 16 - 15) / 2 is -1, not -2.
    EXPECT_EQ(l.PageCounter.Top, 28 + 1 - 16);
    EXPECT_EQ(l.BtnCounter.Top, l.PageCounter.Top - 15);
}

TEST(TitleBarLayout, NarrowWindow_TitleWidthNeverNegative) {
    const TTitleBarLayout l = PlanTitleBar(TitleInput(40));
    EXPECT_EQ(l.Title.Width(), 0);
    EXPECT_EQ(l.CloseBtn.Left, 16);
    EXPECT_EQ(TitleWidthFor(50, 100), 0);
    EXPECT_EQ(TitleWidthFor(500, 400), 280);
    EXPECT_EQ(TitleWidthFor(50, 400), 50);
}
