// The work-area clamp and the pointer test.
#include "shared/Desktop.h"

#include <gtest/gtest.h>

using forms::TPoint;
using forms::TRect;

namespace {
const TRect kWorkArea{0, 0, 1024, 748};

TPoint Clamped(int x, int y, int w, int h, const TRect& area = kWorkArea) {
    ClampToArea(x, y, w, h, area);
    return {x, y};
}
} // namespace

TEST(ClampToArea, BoxInsideStays) {
    EXPECT_EQ(Clamped(100, 200, 300, 100), (TPoint{100, 200}));
    EXPECT_EQ(Clamped(724, 648, 300, 100), (TPoint{724, 648})); // touching the corner
}

TEST(ClampToArea, BoxPastAnEdgeMovesBackToIt) {
    EXPECT_EQ(Clamped(900, 10, 300, 100), (TPoint{724, 10}));
    EXPECT_EQ(Clamped(-50, 10, 300, 100), (TPoint{0, 10}));
    EXPECT_EQ(Clamped(10, -5, 300, 100), (TPoint{10, 0}));
    EXPECT_EQ(Clamped(10, 700, 300, 100), (TPoint{10, 648}));
    EXPECT_EQ(Clamped(2000, 2000, 300, 100), (TPoint{724, 648}));
}

TEST(ClampToArea, BoxWiderThanTheAreaEndsAtItsLeftEdge) {
    EXPECT_EQ(Clamped(500, 10, 1200, 100).X, 0);
    EXPECT_EQ(Clamped(-300, 10, 1200, 100).X, 0);
}

TEST(ClampToArea, BoxTallerThanTheAreaEndsAtItsBottomEdge) {
    EXPECT_EQ(Clamped(10, 0, 100, 800).Y, 748 - 800);
}

TEST(ClampToArea, AreaAwayFromTheOrigin) {
    const TRect area{-1024, 100, 0, 868}; // a monitor left of the primary one, taskbar on top
    EXPECT_EQ(Clamped(-10, 50, 100, 100, area), (TPoint{-100, 100}));
    EXPECT_EQ(Clamped(-2000, 900, 100, 100, area), (TPoint{-1024, 768}));
}

TEST(StrictlyInside, LeftAndTopEdgesAreOutside) {
    const TRect bar{0, 748, 1024, 768};
    EXPECT_FALSE(StrictlyInside(bar, {500, 748}));
    EXPECT_TRUE(StrictlyInside(bar, {500, 749}));
    EXPECT_FALSE(StrictlyInside(bar, {0, 760}));
    EXPECT_TRUE(StrictlyInside(bar, {1, 760}));
}

TEST(StrictlyInside, RightColumnAndBottomRowAreOutside) {
    const TRect r{10, 20, 30, 40};
    EXPECT_TRUE(StrictlyInside(r, {29, 39}));
    EXPECT_FALSE(StrictlyInside(r, {30, 30}));
    EXPECT_FALSE(StrictlyInside(r, {20, 40}));
    EXPECT_FALSE(StrictlyInside(TRect{}, {0, 0}));
}
