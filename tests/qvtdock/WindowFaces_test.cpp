// What the launcher window paints itself: the title bar's plain face, and the rows of empty
// cells below a page that has fewer rows than the window.
#include "qvtdock/WindowFaces.h"

#include "forms/gfx/PixelPainter.h"
#include "support/PixelTesting.h"

#include <gtest/gtest.h>

using forms::Bounds;
using pixeltesting::All;
using pixeltesting::At;

namespace {
constexpr forms::TColor kFace = 0x00CCE1E6, kLight = 0x00EEFFFF, kDark = 0x0099A8AC;
constexpr forms::TColor kPaper = 0x00123456;
} // namespace

// ---- The title bar -----------------------------------------------------------------------------

TEST(TitleBarFace, LightTopAndLeftDarkBottomAndRightFaceInside) {
    forms::PixelBuffer p = pixeltesting::Picture(400, 28, kPaper);
    forms::TPixelPainter painter(p.View());
    PaintTitleBarFace(painter, Bounds(0, 0, 400, 28), kFace, kLight, kDark);
    EXPECT_TRUE(All(p, Bounds(0, 0, 399, 1), kLight));
    EXPECT_TRUE(All(p, Bounds(0, 0, 1, 27), kLight));
    EXPECT_TRUE(All(p, Bounds(1, 27, 399, 1), kDark));
    EXPECT_TRUE(All(p, Bounds(399, 1, 1, 27), kDark));
    EXPECT_TRUE(All(p, Bounds(1, 1, 398, 26), kFace));
}

// ---- Empty rows --------------------------------------------------------------------------------

TEST(EmptyRows, BarCoversTheArea_NothingToPaint) {
    EXPECT_FALSE(PlanEmptyRows(40, 400, 40, 40, 10, true).Paint);
    // A page with more rows than the window.
    EXPECT_FALSE(PlanEmptyRows(200, 400, 80, 40, 10, true).Paint);
}

TEST(EmptyRows, OneRowInThree_TwoRowsOfEmptyCellsBelowTheBar) {
    const TEmptyRowsPlan plan = PlanEmptyRows(40, 400, 120, 40, 10, true);
    ASSERT_TRUE(plan.Paint);
    ASSERT_TRUE(plan.Cells);
    EXPECT_EQ(plan.CellSize, 40);
    EXPECT_EQ(plan.Columns, 10);
    EXPECT_EQ(plan.RowWidth, 400);
    EXPECT_EQ(plan.RowTops, (std::vector<int>{40, 80}));
}

TEST(EmptyRows, EmptyCellsOff_TheWholeAreaInTheFaceColour) {
    const TEmptyRowsPlan plan = PlanEmptyRows(40, 400, 120, 40, 10, false);
    ASSERT_TRUE(plan.Paint);
    EXPECT_FALSE(plan.Cells);
    EXPECT_EQ(plan.Fill, Bounds(0, 0, 400, 120));
}

TEST(EmptyRows, SizesOutsideTheirRanges_CellAndRowNoLargerThanTheLargestWindow) {
    const TEmptyRowsPlan plan = PlanEmptyRows(0, 400, 720, 100000, 100000, true);
    EXPECT_EQ(plan.CellSize, 72);
    EXPECT_EQ(plan.RowWidth, 72 * 50);
    EXPECT_EQ(plan.RowTops.size(), 10u);
    const TEmptyRowsPlan zero = PlanEmptyRows(0, 400, 80, 0, 0, true);
    EXPECT_EQ(zero.CellSize, 40);
    EXPECT_EQ(zero.Columns, 10);
    EXPECT_EQ(zero.RowTops, (std::vector<int>{0, 40}));
}

TEST(EmptyCell, FaceWithAnOutlineOnePixelInside) {
    forms::PixelBuffer p = pixeltesting::Picture(40, 40, kPaper);
    forms::TPixelPainter painter(p.View());
    DrawEmptyCell(painter, 40, kFace, kDark);
    // The cell's own edge keeps the face; the outline runs one pixel inside it.
    EXPECT_EQ(At(p, 0, 0), kFace);
    EXPECT_EQ(At(p, 39, 39), kFace);
    EXPECT_TRUE(All(p, Bounds(1, 1, 38, 1), kDark));
    EXPECT_TRUE(All(p, Bounds(1, 38, 38, 1), kDark));
    EXPECT_TRUE(All(p, Bounds(1, 1, 1, 38), kDark));
    EXPECT_TRUE(All(p, Bounds(38, 1, 1, 38), kDark));
    EXPECT_TRUE(All(p, Bounds(2, 2, 36, 36), kFace));
}
