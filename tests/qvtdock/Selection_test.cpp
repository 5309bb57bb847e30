// Moving the selection and scrolling the button bar: steps with and without wrap-around, the
// one-row bar shifted by whole screens, the bar of several rows following the selection, and
// the pages before and after.
#include "qvtdock/Selection.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
// A one-row bar of count buttons, 10 in view from first, after the selection moved to sel.
std::optional<int> Row(int first, int sel, int step, int count = 25) {
    return ScrolledFirstButton({first, sel, step, 10, count});
}

// 35 buttons in four rows of 10, two rows in view from top.
std::optional<int> Rows(int top, int sel, bool down, bool byRow, int visible = 2) {
    return ScrolledTopRow({top, sel, down, byRow, visible, 4, 10});
}
} // namespace

TEST(SteppedIndex, OneStep_WrapsAtTheEndsOrStops) {
    EXPECT_EQ(SteppedIndex(9, -1, true, 25), 10);
    EXPECT_EQ(SteppedIndex(24, -1, true, 25), 0);
    EXPECT_EQ(SteppedIndex(24, -1, false, 25), 24);
    EXPECT_EQ(SteppedIndex(0, 1, true, 25), 24);
    EXPECT_EQ(SteppedIndex(0, 1, false, 25), 0);
    // Nothing selected (the index is the count).
    EXPECT_EQ(SteppedIndex(25, -1, true, 25), 0);
}

TEST(SteppedIndex, WholeRowPastAnEnd_GoesToTheOtherEnd_NoOverflow) {
    EXPECT_EQ(SteppedIndex(3, 10, true, 25), 24);
    EXPECT_EQ(SteppedIndex(20, -10, true, 25), 0);
    EXPECT_EQ(SteppedIndex(5, std::numeric_limits<int>::min(), true, 25), 0);
    EXPECT_EQ(SteppedIndex(0, -1, true, 0), 0);
}

TEST(AllButtonsVisible, ARowOfTenShowsUpToTenButtons) {
    EXPECT_TRUE(AllButtonsVisible(400, 40, 10, 5));
    EXPECT_FALSE(AllButtonsVisible(400, 40, 10, 11));
    EXPECT_TRUE(AllButtonsVisible(400, 0, 10, 25));
}

TEST(ScrolledFirstButton, OneRowOf25_ScreensForwardThenTheStartOnWrap) {
    // 9 to 10 (bar left -400), 19 to 20 (-600), 24 wraps to 0.
    EXPECT_EQ(Row(0, 10, -1), 10);
    EXPECT_EQ(Row(10, 20, -1), 15);
    EXPECT_EQ(Row(15, 0, -1), 0);
    // Back: 0 wraps to 24, the last screen; past the left edge the screen before.
    EXPECT_EQ(Row(0, 24, 1), 15);
    EXPECT_EQ(Row(15, 14, 1), 5);
}

TEST(ScrolledFirstButton, SelectionInViewOrAllButtonsFit_TheBarStaysAtTheStart) {
    EXPECT_FALSE(Row(0, 5, -1));
    EXPECT_FALSE(Row(15, 24, -1));
    EXPECT_EQ(Row(0, 4, 1, 5), 0);
    EXPECT_EQ(Row(0, 10, -1, 12), 2);
}

TEST(ScrolledFirstButton, WholeRowStepOutOfView_NearestPlaceThatShowsIt) {
    EXPECT_EQ(Row(0, 15, -10), 6);
    EXPECT_EQ(Row(15, 5, 10), 5);
}

TEST(ScrolledTopRow, ThirtyFiveButtonsTwoRowsInView_TopsMinus40AndMinus80) {
    EXPECT_EQ(Rows(0, 20, true, false), 1);
    EXPECT_EQ(Rows(1, 30, true, false), 2);
    EXPECT_FALSE(Rows(1, 15, false, false));
    // Wrapped to the last button, or to the first; up above the view.
    EXPECT_EQ(Rows(0, 34, false, false), 2);
    EXPECT_EQ(Rows(2, 0, true, false), 0);
    EXPECT_EQ(Rows(2, 19, false, false), 1);
    EXPECT_FALSE(Rows(0, 34, true, false, 4));
}

TEST(ScrolledTopRow, ByRow_OneRowNotPastTheEnds) {
    EXPECT_EQ(Rows(1, 0, true, true), 2);
    EXPECT_FALSE(Rows(2, 0, true, true));
    EXPECT_EQ(Rows(2, 25, false, true), 1);
    EXPECT_EQ(Rows(2, 3, false, true), 0);
    EXPECT_FALSE(Rows(0, 25, false, true));
    EXPECT_FALSE(ScrolledTopRow({0, 0, true, true, 1, 4, 0}));
}

TEST(FirstVisibleRow, TheBarsTopEdgeInRows) {
    EXPECT_EQ(FirstVisibleRow(-80, 40), 2);
    EXPECT_EQ(FirstVisibleRow(0, 40), 0);
    EXPECT_EQ(FirstVisibleRow(-80, 0), 0);
}

TEST(Pages, PreviousAndNextWrapAround_NoneWithoutSuchAPage) {
    EXPECT_EQ(PreviousPage(0, 3), 2);
    EXPECT_EQ(NextPage(2, 3), 0);
    EXPECT_EQ(NextPage(0, 1), 0);
    EXPECT_FALSE(PreviousPage(0, 0));
    EXPECT_FALSE(NextPage(3, 3));
}
