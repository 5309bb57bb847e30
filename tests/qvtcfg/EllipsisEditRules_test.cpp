// The ellipsis edit's rules apart from the system: the text area beside the button, the blend
// behind the dots, where the dots go, the face drawn up, pressed and disabled, the text a one-line
// field keeps, and the scaling of edges.
#include "qvtcfg/EllipsisEditRules.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

#include <climits>

using namespace forms;
using namespace pixeltesting;

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

constexpr TColor kFrame = clFuchsia; // what the system's frame left
const TEllipsisColors kColors{Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(0, 0, 0),
                              Rgb(255, 255, 255)};

PixelBuffer Face(int w, int h, bool pressed, bool enabled) {
    PixelBuffer p = Picture(w, h, kFrame);
    TPixelPainter painter(p.View());
    DrawEllipsisFace(painter, w, h, pressed, enabled, kColors);
    return p;
}

const TColor kBlend = Rgb(184, 184, 184);

} // namespace

// ---- text area and blend ----

TEST(EllipsisEditRect, TheClientAreaWithoutTheButtonsStrip) {
    EXPECT_EQ(EllipsisEditRect(146, 16, 16), Rect(0, 0, 130, 16));
    EXPECT_EQ(EllipsisEditRect(10, 16, 16), Rect(0, 0, 0, 16));
    EXPECT_EQ(EllipsisEditRect(146, -2, 16), Rect(0, 0, 130, 0));
}

TEST(EllipsisBlend, EightPartsFaceOnePartShadow) {
    EXPECT_EQ(EllipsisBlend(Rgb(192, 192, 192), Rgb(128, 128, 128)), kBlend);
}

TEST(EllipsisBlend, EachChannelOnItsOwn) {
    EXPECT_EQ(EllipsisBlend(Rgb(240, 200, 10), Rgb(0, 100, 255)), Rgb(213, 188, 37));
    EXPECT_EQ(EllipsisBlend(Rgb(255, 255, 255), Rgb(255, 255, 255)), Rgb(255, 255, 255));
}

// ---- dots ----

TEST(EllipsisDots, FourPixelsApartAroundTheMiddle) {
    const auto dots = EllipsisDots(16, 16, false);
    EXPECT_EQ(dots[0], (TPoint{3, 7}));
    EXPECT_EQ(dots[1], (TPoint{7, 7}));
    EXPECT_EQ(dots[2], (TPoint{11, 7}));
}

TEST(EllipsisDots, PressedMovesThemOneRightAndDown) {
    const auto dots = EllipsisDots(16, 16, true);
    EXPECT_EQ(dots[1], (TPoint{8, 8}));
}

TEST(EllipsisDots, OddAndTinySizesRoundTowardsZero) {
    EXPECT_EQ(EllipsisDots(17, 15, false)[1], (TPoint{7, 6}));
    EXPECT_EQ(EllipsisDots(1, 0, false)[1], (TPoint{0, -1}));
}

// ---- the face ----

TEST(DrawEllipsisFace, UpTheFramesInsideIsFaceAndItsEdgeIsLeft) {
    const PixelBuffer p = Face(16, 20, false, true);
    EXPECT_TRUE(All(p, Rect(0, 0, 16, 2), kFrame));
    EXPECT_TRUE(All(p, Rect(0, 0, 2, 20), kFrame));
    EXPECT_TRUE(All(p, Rect(14, 0, 16, 20), kFrame));
    EXPECT_TRUE(All(p, Rect(0, 18, 16, 20), kFrame));
    EXPECT_TRUE(All(p, Rect(2, 2, 14, 6), kColors.Face)); // above the dots
}

TEST(DrawEllipsisFace, AnEnabledDotIsABlendSquareAShadowPlusAndADarkCentre) {
    const PixelBuffer p = Face(16, 16, false, true);
    for (const TPoint d : EllipsisDots(16, 16, false)) {
        EXPECT_EQ(At(p, d.X, d.Y), kColors.DarkShadow);
        EXPECT_EQ(At(p, d.X - 1, d.Y), kColors.Shadow);
        EXPECT_EQ(At(p, d.X + 1, d.Y), kColors.Shadow);
        EXPECT_EQ(At(p, d.X, d.Y - 1), kColors.Shadow);
        EXPECT_EQ(At(p, d.X, d.Y + 1), kColors.Shadow);
        EXPECT_EQ(At(p, d.X - 1, d.Y - 1), kBlend);
        EXPECT_EQ(At(p, d.X + 1, d.Y + 1), kBlend);
    }
    EXPECT_EQ(At(p, 5, 7), kColors.Face); // between two dots
    EXPECT_EQ(Count(p, kColors.DarkShadow), 3);
    EXPECT_EQ(Count(p, kColors.Shadow), 12);
    EXPECT_EQ(Count(p, kBlend), 12);
}

TEST(DrawEllipsisFace, PressedAShadowEdgedFaceAndTheDotsOneFurther) {
    const PixelBuffer p = Face(16, 16, true, true);
    EXPECT_TRUE(All(p, Rect(0, 0, 16, 1), kColors.Shadow));
    EXPECT_TRUE(All(p, Rect(0, 15, 16, 16), kColors.Shadow));
    EXPECT_TRUE(All(p, Rect(0, 0, 1, 16), kColors.Shadow));
    EXPECT_TRUE(All(p, Rect(15, 0, 16, 16), kColors.Shadow));
    EXPECT_TRUE(All(p, Rect(1, 1, 15, 6), kColors.Face));
    EXPECT_EQ(At(p, 8, 8), kColors.DarkShadow);
    EXPECT_EQ(At(p, 7, 7), kBlend);
    EXPECT_EQ(Count(p, kFrame), 0);
}

TEST(DrawEllipsisFace, DisabledDotsAreEngravedWithoutBlendOrDarkCentre) {
    const PixelBuffer p = Face(16, 16, false, false);
    for (const TPoint d : EllipsisDots(16, 16, false)) {
        EXPECT_EQ(At(p, d.X, d.Y), kColors.Shadow);
        EXPECT_EQ(At(p, d.X - 1, d.Y), kColors.Shadow);
        EXPECT_EQ(At(p, d.X, d.Y - 1), kColors.Shadow);
        EXPECT_EQ(At(p, d.X + 1, d.Y + 1), kColors.Highlight);
        EXPECT_EQ(At(p, d.X + 2, d.Y + 1), kColors.Highlight);
        EXPECT_EQ(At(p, d.X + 1, d.Y + 2), kColors.Highlight);
        EXPECT_EQ(At(p, d.X - 1, d.Y - 1), kColors.Face);
    }
    EXPECT_EQ(Count(p, kBlend), 0);
    EXPECT_EQ(Count(p, kColors.DarkShadow), 0);
}

TEST(DrawEllipsisFace, ADisabledButtonIsNeverDrawnPressed) {
    const PixelBuffer pressed = Face(16, 16, true, false);
    const PixelBuffer up = Face(16, 16, false, false);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(At(pressed, x, y), At(up, x, y)) << x << "," << y;
}

TEST(DrawEllipsisFace, ButtonsTooSmallForTheDotsDrawWithoutFailing) {
    for (const int size : {0, 1, 2, 3, 5}) {
        PixelBuffer p = Picture(std::max(size, 1), std::max(size, 1), kFrame);
        TPixelPainter painter(p.View());
        DrawEllipsisFace(painter, size, size, false, true, kColors);
        DrawEllipsisFace(painter, size, size, true, true, kColors);
        DrawEllipsisFace(painter, size, size, false, false, kColors);
    }
}

// ---- scaling ----

TEST(ScaleValue, RoundsToTheNearestHalvesAwayFromZero) {
    EXPECT_EQ(ScaleValue(10, 3, 2), 15);
    EXPECT_EQ(ScaleValue(5, 1, 2), 3);
    EXPECT_EQ(ScaleValue(-5, 1, 2), -3);
    EXPECT_EQ(ScaleValue(7, 2, 3), 5);
    EXPECT_EQ(ScaleValue(8, 1, 3), 3);
    EXPECT_EQ(ScaleValue(10, 1, -4), -3);
}

TEST(ScaleValue, A64BitIntermediateHeldWithin32Bits) {
    EXPECT_EQ(ScaleValue(100000, 100000, 100000), 100000);
    EXPECT_EQ(ScaleValue(INT_MAX, 2, 1), INT_MAX);
    EXPECT_EQ(ScaleValue(INT_MIN, 2, 1), INT_MIN);
    EXPECT_EQ(ScaleValue(INT_MIN, -1, 1), INT_MAX);
}

TEST(ScaleValue, ADivisorOfZeroLeavesTheValue) {
    EXPECT_EQ(ScaleValue(100, 3, 0), 100);
}
