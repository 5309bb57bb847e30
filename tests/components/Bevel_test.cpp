#include "components/Bevel.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

#include <climits>

using namespace forms;
using namespace pixeltesting;

TEST(Bevel, FittingRings_AtMostHalfTheShorterSideRoundedUp) {
    EXPECT_EQ(FittingRings(Rect(0, 0, 40, 40), 2), 2);
    EXPECT_EQ(FittingRings(Rect(0, 0, 40, 40), 100), 20);
    EXPECT_EQ(FittingRings(Rect(0, 0, 40, 5), INT_MAX), 3);
    EXPECT_EQ(FittingRings(Rect(0, 0, 40, 40), 0), 0);
    EXPECT_EQ(FittingRings(Rect(0, 0, 40, 40), -3), 0);
    EXPECT_EQ(FittingRings(Rect(5, 5, 5, 40), 2), 0);
}

TEST(Bevel, ShrinkRect_TurnsEmptyAtTheMiddleInsteadOfInsideOut) {
    EXPECT_EQ(ShrinkRect(Rect(0, 0, 40, 30), 2), Rect(2, 2, 38, 28));
    EXPECT_EQ(ShrinkRect(Rect(0, 0, 40, 30), 20), Rect(20, 15, 20, 15));
    EXPECT_EQ(ShrinkRect(Rect(0, 0, 40, 30), INT_MAX), Rect(20, 15, 20, 15));
    EXPECT_EQ(ShrinkRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), INT_MAX).IsEmpty(), false);
}

TEST(Bevel, DrawBevel_DrawsTheAskedRingsAndShrinksByTheWidth) {
    PixelBuffer pixels = Picture(10, 10, clWhite);
    TPixelPainter painter(pixels.View());
    TRect r = Rect(0, 0, 10, 10);
    DrawBevel(painter, r, clRed, clBlue, 2);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_EQ(At(pixels, 1, 1), clRed);
    EXPECT_EQ(At(pixels, 8, 8), clBlue);
    EXPECT_EQ(At(pixels, 2, 2), clWhite);
}

TEST(Bevel, DrawBevel_HugeWidthFillsTheFaceOnceAndLeavesNothingInside) {
    PixelBuffer pixels = Picture(10, 6, clWhite);
    TPixelPainter painter(pixels.View());
    TRect r = Rect(0, 0, 10, 6);
    DrawBevel(painter, r, clRed, clBlue, INT_MAX);
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(Count(pixels, clWhite), 0);
}
