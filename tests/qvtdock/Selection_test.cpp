// Moving the selection and scrolling the button bar: steps with and without wrap-around, the
// one-row bar shifted by whole screens, the bar of several rows following the selection, and
// the pages before and after.
#include "qvtdock/Selection.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr int kBtnSize = 40;

// A one-row bar of count buttons showing 10 from first, after the selection moved to sel.
std::optional<int> Row(int first, int sel, int step, int count = 25, int formSize = 10) {
    TRowScroll s;
    s.First = first;
    s.Selection = sel;
    s.Step = step;
    s.FormSize = formSize;
    s.Count = count;
    return ScrolledFirstButton(s);
}

// The bar's left edge for a first visible button.
int Left(int first) {
    return -kBtnSize * first;
}

// 35 buttons in rows of 10 (four rows), two of them in view from top.
std::optional<int> Rows(int top, int sel, bool down, bool byRow, int visible = 2, int rows = 4) {
    TRowsScroll s;
    s.Top = top;
    s.Selection = sel;
    s.Down = down;
    s.ByRow = byRow;
    s.VisibleRows = visible;
    s.RowCount = rows;
    s.ColCount = 10;
    return ScrolledTopRow(s);
}
} // namespace

// ---- Steps -------------------------------------------------------------------------------------

TEST(SteppedIndex, OneTowardsTheStart_WrapsFromTheFirstToTheLast) {
    EXPECT_EQ(SteppedIndex(5, 1, true, 25), 4);
    EXPECT_EQ(SteppedIndex(0, 1, true, 25), 24);
    EXPECT_EQ(SteppedIndex(0, 1, false, 25), 0);
}

TEST(SteppedIndex, OneTowardsTheEnd_WrapsFromTheLastToTheFirst) {
    EXPECT_EQ(SteppedIndex(9, -1, true, 25), 10);
    EXPECT_EQ(SteppedIndex(24, -1, true, 25), 0);
    EXPECT_EQ(SteppedIndex(24, -1, false, 25), 24);
}

TEST(SteppedIndex, WholeRowPastAnEnd_GoesToTheOtherEndNotAround) {
    EXPECT_EQ(SteppedIndex(3, 10, true, 25), 24);
    EXPECT_EQ(SteppedIndex(20, -10, true, 25), 0);
    EXPECT_EQ(SteppedIndex(13, 10, true, 25), 3);
}

TEST(SteppedIndex, NothingSelected_ForwardWrapsToTheFirstBackToTheLast) {
    EXPECT_EQ(SteppedIndex(25, -1, true, 25), 0);
    EXPECT_EQ(SteppedIndex(25, 1, true, 25), 24);
}

TEST(SteppedIndex, NoButtonsOrExtremeSteps_NoFault) {
    EXPECT_EQ(SteppedIndex(0, -1, true, 0), 0);
    EXPECT_EQ(SteppedIndex(5, std::numeric_limits<int>::min(), true, 25), 0);
    EXPECT_EQ(SteppedIndex(5, std::numeric_limits<int>::max(), false, 25), 0);
}

TEST(AllButtonsVisible, ARowOfTenShowsUpToTenButtons) {
    EXPECT_TRUE(AllButtonsVisible(400, 40, 10, 5));
    EXPECT_TRUE(AllButtonsVisible(400, 40, 10, 10));
    EXPECT_FALSE(AllButtonsVisible(400, 40, 10, 11));
    EXPECT_FALSE(AllButtonsVisible(360, 40, 10, 5));
    EXPECT_TRUE(AllButtonsVisible(400, 0, 10, 25));
}

// ---- One row -----------------------------------------------------------------------------------

TEST(ScrolledFirstButton, TwentyFiveButtons_ForwardAScreenAtATimeThenBackToTheStartOnWrap) {
    // Button 9 to 10, 19 to 20, then 24 wraps to 0.
    const auto a = Row(0, 10, -1);
    ASSERT_TRUE(a);
    EXPECT_EQ(Left(*a), -400);
    const auto b = Row(*a, 20, -1);
    ASSERT_TRUE(b);
    EXPECT_EQ(Left(*b), -600);
    const auto c = Row(*b, 0, -1);
    ASSERT_TRUE(c);
    EXPECT_EQ(*c, 0);
}

TEST(ScrolledFirstButton, BackFromTheFirstWrapsToTheLastScreen) {
    EXPECT_EQ(Row(0, 24, 1), 15);
}

TEST(ScrolledFirstButton, BackPastTheLeftEdge_TheScreenBefore) {
    EXPECT_EQ(Row(15, 14, 1), 5);
    EXPECT_EQ(Row(5, 4, 1), 0);
}

TEST(ScrolledFirstButton, SelectionInView_TheBarStays) {
    EXPECT_FALSE(Row(0, 5, -1));
    EXPECT_FALSE(Row(10, 15, 1));
    EXPECT_FALSE(Row(15, 24, -1));
}

TEST(ScrolledFirstButton, NextScreenPastTheEnd_TheLastScreenInstead) {
    EXPECT_EQ(Row(0, 10, -1, 12), 2);
}

TEST(ScrolledFirstButton, WholeRowForwardOutOfView_NearestPlaceThatShowsIt) {
    // 5 + 10 = 15, which no whole-screen rule reaches.
    EXPECT_EQ(Row(0, 15, -10), 6);
    EXPECT_EQ(Row(0, 23, -10, 40), 14);
}

TEST(ScrolledFirstButton, WholeRowBack_TheScreenBeforeShowsIt) {
    EXPECT_EQ(Row(15, 5, 10), 5);
    EXPECT_EQ(Row(10, 3, 10), 0);
}

TEST(ScrolledFirstButton, FewerButtonsThanARow_NeverPastTheStart) {
    EXPECT_EQ(Row(0, 4, 1, 5), 0);
    EXPECT_EQ(Row(0, 0, -1, 5), 0);
}

// ---- Several rows ------------------------------------------------------------------------------

TEST(ScrolledTopRow, ThirtyFiveButtonsTwoRowsInView_FollowsDownARowAtATime) {
    const auto a = Rows(0, 20, true, false);
    ASSERT_TRUE(a);
    EXPECT_EQ(-kBtnSize * *a, -40);
    const auto b = Rows(*a, 30, true, false);
    ASSERT_TRUE(b);
    EXPECT_EQ(-kBtnSize * *b, -80);
}

TEST(ScrolledTopRow, SelectionInView_TheBarStays) {
    EXPECT_FALSE(Rows(0, 19, true, false));
    EXPECT_FALSE(Rows(1, 15, false, false));
    EXPECT_FALSE(Rows(2, 34, true, false));
}

TEST(ScrolledTopRow, WrappedToAnEnd_ThatEndsRows) {
    EXPECT_EQ(Rows(0, 34, false, false), 2);
    EXPECT_EQ(Rows(2, 0, true, false), 0);
}

TEST(ScrolledTopRow, UpAboveTheView_FollowsUp) {
    // From button 20 to 19 in the row above the view.
    EXPECT_EQ(Rows(2, 19, false, false), 1);
    EXPECT_EQ(Rows(2, 5, false, false), 0);
}

TEST(ScrolledTopRow, EveryRowInView_NothingMoves) {
    EXPECT_FALSE(Rows(0, 34, true, true, 4));
    EXPECT_FALSE(Rows(0, 34, false, false, 5));
}

TEST(ScrolledTopRow, ByRow_OneRowNotPastTheEnds) {
    EXPECT_EQ(Rows(0, 0, true, true), 1);
    EXPECT_EQ(Rows(1, 0, true, true), 2);
    EXPECT_FALSE(Rows(2, 0, true, true));
    EXPECT_EQ(Rows(2, 25, false, true), 1);
    EXPECT_FALSE(Rows(0, 25, false, true));
}

TEST(ScrolledTopRow, ByRowUpWithTheSelectionInTheFirstRow_TheTop) {
    EXPECT_EQ(Rows(2, 3, false, true), 0);
}

TEST(ScrolledTopRow, NoColumnsOrNothingSelected_NoFault) {
    TRowsScroll s;
    s.ColCount = 0;
    s.RowCount = 4;
    EXPECT_FALSE(ScrolledTopRow(s));
    // Nothing selected: the index is the cell count, below the last row.
    EXPECT_EQ(Rows(0, 40, true, false), 2);
}

TEST(FirstVisibleRow, TheBarsTopEdgeInRows) {
    EXPECT_EQ(FirstVisibleRow(0, 40), 0);
    EXPECT_EQ(FirstVisibleRow(-80, 40), 2);
    EXPECT_EQ(FirstVisibleRow(-80, 0), 0);
}

// ---- Pages -------------------------------------------------------------------------------------

TEST(Pages, PreviousAndNextWrapAround) {
    EXPECT_EQ(PreviousPage(1, 3), 0);
    EXPECT_EQ(PreviousPage(0, 3), 2);
    EXPECT_EQ(NextPage(1, 3), 2);
    EXPECT_EQ(NextPage(2, 3), 0);
    EXPECT_EQ(NextPage(0, 1), 0);
}

TEST(Pages, NoPagesOrNoSuchPage_None) {
    EXPECT_FALSE(PreviousPage(0, 0));
    EXPECT_FALSE(NextPage(-1, 3));
    EXPECT_FALSE(PreviousPage(3, 3));
}
