#include "components/ScrollArrows.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

using namespace forms;
using namespace pixeltesting;

namespace {

constexpr TColor kBase = clSilver, kTop = clWhite, kBtm = clGray, kMark = clNavy;

TScrollArrows Arrows(TScrollBtnsType type, int w, int h) {
    TScrollArrows a;
    a.ButtonType = type;
    a.BaseColor = kBase;
    a.TopLineColor = kTop;
    a.BtmLineColor = kBtm;
    a.MarkColor = kMark;
    a.CalcHalves(w, h);
    return a;
}

PixelBuffer Painted(TScrollArrows& a, int w, int h) {
    PixelBuffer pixels = Picture(w, h, clFuchsia);
    TPixelPainter painter(pixels.View());
    a.Paint(painter, w, h);
    return pixels;
}

} // namespace

// ---- halves, hit test, value ----

TEST(ScrollArrows, HorizontalHalvesAreSquaresOfTheHeightAtBothEnds) {
    const TScrollArrows a = Arrows(sbtHor, 32, 16);
    EXPECT_EQ(a.FirstHalf, Rect(0, 0, 16, 16));
    EXPECT_EQ(a.SecondHalf, Rect(16, 0, 32, 16));
    const TScrollArrows wide = Arrows(sbtHor, 50, 10);
    EXPECT_EQ(wide.SecondHalf, Rect(40, 0, 50, 10));
}

TEST(ScrollArrows, VerticalHalvesAreSquaresOfTheWidthAtTopAndBottom) {
    const TScrollArrows a = Arrows(sbtVer, 16, 40);
    EXPECT_EQ(a.FirstHalf, Rect(0, 0, 16, 16));
    EXPECT_EQ(a.SecondHalf, Rect(0, 24, 16, 40));
}

TEST(ScrollArrows, NoneKeepsTheLastHalves) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    a.ButtonType = sbtNone;
    a.CalcHalves(100, 100);
    EXPECT_EQ(a.FirstHalf, Rect(0, 0, 16, 16));
    EXPECT_EQ(a.SecondHalf, Rect(16, 0, 32, 16));
}

TEST(ScrollArrows, HitTestIsStrictlyInsideAHalf) {
    const TScrollArrows a = Arrows(sbtHor, 32, 16);
    EXPECT_EQ(a.HitTest(8, 8), 0);
    EXPECT_EQ(a.HitTest(24, 8), 1);
    EXPECT_EQ(a.HitTest(16, 8), -1); // the edge the halves share
    EXPECT_EQ(a.HitTest(0, 8), -1);
    EXPECT_EQ(a.HitTest(8, 0), -1);
    EXPECT_EQ(a.HitTest(15, 15), 0);
    EXPECT_EQ(a.HitTest(31, 8), 1);
    EXPECT_EQ(a.HitTest(32, 8), -1);
    EXPECT_EQ(a.HitTest(-5, -5), -1);
}

TEST(ScrollArrows, PressSetsValueAndPressesOnlyTheHalfHit) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    a.Press(8, 8);
    EXPECT_EQ(a.Value, -1);
    EXPECT_TRUE(a.FirstPressed);
    EXPECT_FALSE(a.SecondPressed);
    a.Press(24, 8);
    EXPECT_EQ(a.Value, 1);
    EXPECT_FALSE(a.FirstPressed);
    EXPECT_TRUE(a.SecondPressed);
    a.Press(16, 8);
    EXPECT_EQ(a.Value, 0);
    EXPECT_FALSE(a.FirstPressed || a.SecondPressed);
    a.Press(0, 8);
    EXPECT_EQ(a.Value, 0);
}

TEST(ScrollArrows, ReleaseEndsEveryPress) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    a.Press(24, 8);
    a.Release();
    EXPECT_EQ(a.Value, 0);
    EXPECT_FALSE(a.FirstPressed || a.SecondPressed);
}

TEST(ScrollArrows, TurningHorizontalToVerticalSwapsTheSize) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    EXPECT_EQ(a.ChangeType(sbtVer, {32, 16}), (TSize{16, 32}));
    EXPECT_EQ(a.ButtonType, sbtVer);
    EXPECT_EQ(a.FirstHalf, Rect(0, 0, 16, 16));
    EXPECT_EQ(a.SecondHalf, Rect(0, 16, 16, 32));
    EXPECT_EQ(a.ChangeType(sbtVer, {16, 32}), (TSize{16, 32}));
}

// ---- the points of the marks ----

TEST(ScrollArrows, TrianglesPointOutwardsAndMoveDownWhenPressed) {
    const TRect first = Rect(0, 0, 16, 16), second = Rect(16, 0, 32, 16);
    using P = std::array<TPoint, 3>;
    EXPECT_EQ(ArrowTriangle(first, adLeft, 0), (P{{{4, 8}, {12, 4}, {12, 12}}}));
    EXPECT_EQ(ArrowTriangle(second, adRight, 0), (P{{{20, 12}, {20, 4}, {28, 8}}}));
    EXPECT_EQ(ArrowTriangle(second, adRight, 1), (P{{{20, 13}, {20, 5}, {28, 9}}}));
    const TRect top = Rect(0, 0, 16, 16), bottom = Rect(0, 16, 16, 32);
    EXPECT_EQ(ArrowTriangle(top, adUp, 0), (P{{{8, 4}, {12, 12}, {4, 12}}}));
    EXPECT_EQ(ArrowTriangle(bottom, adDown, 1), (P{{{4, 21}, {12, 21}, {8, 29}}}));
}

TEST(ScrollArrows, StopBarsStandAtTheArrowsPoint) {
    const TRect half = Rect(0, 0, 16, 16);
    const auto left = StopBars(half, adLeft, 0);
    EXPECT_EQ(left[0].From, (TPoint{4, 3}));
    EXPECT_EQ(left[0].To, (TPoint{4, 13}));
    EXPECT_EQ(left[1].From, (TPoint{5, 3}));
    const auto right = StopBars(half, adRight, 1);
    EXPECT_EQ(right[0].From, (TPoint{12, 4}));
    EXPECT_EQ(right[1].To, (TPoint{11, 14}));
    const auto down = StopBars(half, adDown, 0);
    EXPECT_EQ(down[0].From, (TPoint{3, 12}));
    EXPECT_EQ(down[0].To, (TPoint{13, 12}));
    EXPECT_EQ(down[1].From, (TPoint{3, 11}));
    EXPECT_EQ(ArrowSquare(half, 1), Rect(4, 5, 12, 13));
}

// ---- drawn pixels ----

TEST(ScrollArrows, PaintsRaisedFramesAndFilledTriangles) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    const PixelBuffer p = Painted(a, 32, 16);
    EXPECT_EQ(At(p, 0, 0), kTop);
    EXPECT_EQ(At(p, 1, 1), kTop);
    EXPECT_EQ(At(p, 15, 15), kBtm);
    EXPECT_EQ(At(p, 16, 0), kTop);
    EXPECT_EQ(At(p, 31, 15), kBtm);
    EXPECT_EQ(At(p, 10, 8), kMark); // inside the left arrow
    EXPECT_EQ(At(p, 22, 8), kMark); // inside the right arrow
    EXPECT_EQ(At(p, 2, 8), kBase);
    EXPECT_EQ(Count(p, clFuchsia), 0);
}

TEST(ScrollArrows, PressedHalfIsSunkenWithItsArrowOnePixelLower) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    a.Press(24, 8);
    const PixelBuffer p = Painted(a, 32, 16);
    EXPECT_EQ(At(p, 16, 0), kBtm);
    EXPECT_EQ(At(p, 31, 15), kTop);
    EXPECT_EQ(At(p, 0, 0), kTop); // the other half stays raised
    // The right arrow (20, 5), (20, 13), (28, 9): its tip row moved from 8 to 9.
    EXPECT_EQ(At(p, 26, 9), kMark);
    EXPECT_EQ(At(p, 22, 10), kMark);
    EXPECT_EQ(At(p, 21, 4), kBase); // where the raised arrow's top edge would lie
}

TEST(ScrollArrows, StopArrowsAddTwoBarsWithoutTheirEndPixel) {
    TScrollArrows a = Arrows(sbtHor, 32, 16);
    a.LeftBtnArrow = basStopArrow;
    const PixelBuffer p = Painted(a, 32, 16);
    EXPECT_EQ(At(p, 4, 3), kMark);
    EXPECT_EQ(At(p, 5, 3), kMark);
    EXPECT_EQ(At(p, 4, 12), kMark);
    EXPECT_EQ(At(p, 4, 13), kBase);
    EXPECT_EQ(At(p, 6, 3), kBase);
    EXPECT_EQ(At(p, 20, 3), kBase); // the right half keeps a plain arrow
}

TEST(ScrollArrows, VerticalArrowsWithStopBarsAndSquares) {
    TScrollArrows a = Arrows(sbtVer, 16, 32);
    a.LeftBtnArrow = basStopArrow;
    a.RightBtnArrow = basRect;
    const PixelBuffer p = Painted(a, 16, 32);
    EXPECT_EQ(At(p, 8, 10), kMark); // inside the up arrow
    EXPECT_EQ(At(p, 3, 4), kMark);  // its bars
    EXPECT_EQ(At(p, 12, 5), kMark);
    EXPECT_EQ(At(p, 13, 4), kBase);
    EXPECT_TRUE(All(p, Rect(4, 20, 12, 28), kMark)); // the lower square
    EXPECT_EQ(At(p, 12, 28), kBase);
    EXPECT_EQ(At(p, 0, 16), kTop);
    EXPECT_EQ(At(p, 15, 31), kBtm);
}

TEST(ScrollArrows, NoneFillsTheFaceOnly) {
    TScrollArrows a = Arrows(sbtNone, 32, 16);
    const PixelBuffer p = Painted(a, 32, 16);
    EXPECT_TRUE(All(p, Rect(0, 0, 32, 16), kBase));
}
