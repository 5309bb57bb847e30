#include "shared/Drawing.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

using namespace forms;
using namespace pixeltesting;

namespace {

// A white picture with a painter on it.
struct Sheet {
    PixelBuffer pixels;
    TPixelPainter painter;
    explicit Sheet(int w = 20, int h = 20)
        : pixels(Picture(w, h, clWhite)), painter(pixels.View()) {}
    TColor operator()(int x, int y) const { return At(pixels, x, y); }
};

const TMarkStyleEx kAllMarks[] = {
    bmsNone,          bmsLeftArrow,      bmsRightArrow,  bmsUpArrow,       bmsDownArrow,
    bmsLeftStopArrow, bmsRightStopArrow, bmsUpStopArrow, bmsDownStopArrow, bmsRect,
    bmsFrame,         bmsCircle,         bmsCross};

// The mark in red, inset by 4 in a 20 x 20 box.
Sheet Mark(TMarkStyleEx style, int offset = 0) {
    Sheet s;
    DrawMarkStyle(s.painter, Rect(0, 0, 20, 20), style, 4, offset, clRed);
    return s;
}

bool SameMoved(const PixelBuffer& a, const PixelBuffer& b, int dx, int dy) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const int bx = x + dx, by = y + dy;
            if (bx < b.Width() && by < b.Height() && At(a, x, y) != At(b, bx, by))
                return false;
        }
    return true;
}

} // namespace

// ---- colours ----

TEST(Drawing, InvertColor_InvertsLowBitsAndKeepsTheHighByte) {
    EXPECT_EQ(InvertColor(0x00FF0000), 0x0000FFFF);
    EXPECT_EQ(InvertColor(static_cast<TColor>(0xFF000005)), static_cast<TColor>(0xFFFFFFFA));
    EXPECT_EQ(InvertColor(InvertColor(0x00123456)), 0x00123456);
}

TEST(Drawing, ColorToTriVertex_IsEachRgbByteTimes256) {
    uint16_t r = 1, g = 1, b = 1;
    ColorToTriVertex(0x00112233, r, g, b);
    EXPECT_EQ(r, 0x3300);
    EXPECT_EQ(g, 0x2200);
    EXPECT_EQ(b, 0x1100);
    ColorToTriVertex(clBtnFace, r, g, b);
    EXPECT_EQ(r, (SystemColorRGB(15) & 0xFF) << 8);
}

TEST(Drawing, ColorToTriVertex_InvertedSystemColoursAreBlackNeverOutOfRange) {
    for (int index = 0; index < 256; ++index) {
        uint16_t r = 1, g = 1, b = 1;
        ColorToTriVertex(InvertColor(MakeSystemColor(index)), r, g, b);
        EXPECT_EQ(r | g | b, 0) << index;
        ColorToTriVertex(MakeSystemColor(index), r, g, b); // beyond index 30: black
        if (index > 30) {
            EXPECT_EQ(r | g | b, 0) << index;
        }
    }
}

// ---- gradients ----

TEST(Drawing, GradientRect_ModeZeroRunsFromTopToBottom) {
    Sheet s(10, 50);
    ASSERT_TRUE(GradientRect(s.painter, Rect(0, 0, 10, 50), clBlack, clBlue, 0));
    EXPECT_EQ(s(5, 0), clBlack);
    EXPECT_GT(static_cast<uint32_t>(s(5, 49)) >> 16, 240u);
    EXPECT_EQ(s(0, 20), s(9, 20)); // rows are even
}

TEST(Drawing, GradientRect_ModeOneRunsFromLeftToRight) {
    Sheet s(50, 10);
    ASSERT_TRUE(GradientRect(s.painter, Rect(0, 0, 50, 10), clRed, clBlack, 1));
    EXPECT_EQ(s(0, 5), clRed);
    EXPECT_LT(static_cast<uint32_t>(s(49, 5)) & 0xFF, 16u);
    EXPECT_EQ(s(20, 0), s(20, 9));
}

TEST(Drawing, GradientRect_OtherModesFailAndDrawNothing) {
    Sheet s;
    EXPECT_FALSE(GradientRect(s.painter, Rect(0, 0, 20, 20), clRed, clBlue, 2));
    EXPECT_FALSE(GradientRect(s.painter, Rect(0, 0, 20, 20), clRed, clBlue, 255));
    EXPECT_EQ(Count(s.pixels, clWhite), 400);
}

// ---- marks ----

TEST(Drawing, DrawMarkStyle_NoneDrawsNothingAndTouchesNoState) {
    Sheet s;
    s.painter.SetPenColor(clLime);
    s.painter.SetBrushStyle(TBrushStyle::bsClear);
    DrawMarkStyle(s.painter, Rect(0, 0, 20, 20), bmsNone, 0, 0, clRed);
    EXPECT_EQ(Count(s.pixels, clWhite), 400);
    EXPECT_EQ(s.painter.PenColor(), clLime);
    EXPECT_EQ(s.painter.BrushStyle(), TBrushStyle::bsClear);
}

TEST(Drawing, DrawMarkStyle_EveryStyleRestoresPenAndBrushColours) {
    for (TMarkStyleEx style : kAllMarks) {
        Sheet s;
        s.painter.SetPenColor(clLime);
        s.painter.SetBrushColor(clBlue);
        s.painter.SetPenWidth(3);
        DrawMarkStyle(s.painter, Rect(0, 0, 20, 20), style, 4, 1, clRed);
        EXPECT_EQ(s.painter.PenColor(), clLime) << style;
        EXPECT_EQ(s.painter.BrushColor(), clBlue) << style;
        EXPECT_EQ(s.painter.PenWidth(), style == bmsFrame ? 1 : 3) << style;
        EXPECT_EQ(Count(s.pixels, clRed) > 0, style != bmsNone) << style;
    }
}

TEST(Drawing, DrawMarkStyle_RectFillsTheBoxInsideTheMargin) {
    const Sheet s = Mark(bmsRect);
    EXPECT_TRUE(All(s.pixels, Rect(4, 4, 16, 16), clRed));
    EXPECT_EQ(Count(s.pixels, clRed), 144);
}

TEST(Drawing, DrawMarkStyle_FrameIsTwoRingsAroundAnEmptyMiddle) {
    const Sheet s = Mark(bmsFrame);
    EXPECT_TRUE(All(s.pixels, Rect(4, 4, 16, 6), clRed));
    EXPECT_TRUE(All(s.pixels, Rect(14, 4, 16, 16), clRed));
    EXPECT_TRUE(All(s.pixels, Rect(6, 6, 14, 14), clWhite));
    EXPECT_EQ(Count(s.pixels, clRed), 144 - 64);
}

TEST(Drawing, DrawMarkStyle_CircleFillsTheMiddleNotTheCorners) {
    const Sheet s = Mark(bmsCircle);
    EXPECT_EQ(s(10, 10), clRed);
    EXPECT_EQ(s(4, 10), clRed);
    EXPECT_EQ(s(4, 4), clWhite);
    EXPECT_EQ(s(15, 15), clWhite);
    EXPECT_TRUE(All(s.pixels, Rect(0, 16, 20, 20), clWhite));
}

TEST(Drawing, DrawMarkStyle_ArrowsPointTheirWay) {
    const Sheet left = Mark(bmsLeftArrow);
    EXPECT_EQ(left(4, 10), clRed);  // the tip
    EXPECT_EQ(left(15, 5), clRed);  // the base
    EXPECT_EQ(left(5, 5), clWhite); // beside the tip
    const Sheet right = Mark(bmsRightArrow);
    EXPECT_EQ(right(16, 10), clRed);
    EXPECT_EQ(right(4, 5), clRed);
    EXPECT_EQ(right(14, 5), clWhite);
    const Sheet up = Mark(bmsUpArrow);
    EXPECT_EQ(up(10, 4), clRed);
    EXPECT_EQ(up(5, 15), clRed);
    EXPECT_EQ(up(5, 5), clWhite);
    const Sheet down = Mark(bmsDownArrow);
    EXPECT_EQ(down(10, 16), clRed);
    EXPECT_EQ(down(5, 4), clRed);
    EXPECT_EQ(down(5, 14), clWhite);
}

TEST(Drawing, DrawMarkStyle_StopArrowsAddATwoPixelBarWhereTheyPoint) {
    EXPECT_TRUE(All(Mark(bmsLeftStopArrow).pixels, Rect(4, 4, 6, 16), clRed));
    EXPECT_TRUE(All(Mark(bmsRightStopArrow).pixels, Rect(15, 4, 17, 16), clRed));
    EXPECT_TRUE(All(Mark(bmsUpStopArrow).pixels, Rect(4, 4, 16, 6), clRed));
    EXPECT_TRUE(All(Mark(bmsDownStopArrow).pixels, Rect(4, 15, 16, 17), clRed));
    EXPECT_EQ(Mark(bmsLeftArrow)(5, 5), clWhite);
}

TEST(Drawing, DrawMarkStyle_CrossDrawsBothDiagonalsTwoPixelsWide) {
    const Sheet s = Mark(bmsCross);
    for (int i = 4; i < 14; ++i) {
        EXPECT_EQ(s(i, i), clRed) << i;
        EXPECT_EQ(s(18 - i, i), clRed) << i;
    }
    EXPECT_EQ(s(10, 4), clWhite);
    EXPECT_GT(Count(s.pixels, clRed), 2 * 12 * 2);
}

TEST(Drawing, DrawMarkStyle_OffsetMovesGlyphsDownAndTheCrossAlsoRight) {
    for (TMarkStyleEx style : kAllMarks) {
        const Sheet up = Mark(style, 0), down = Mark(style, 1);
        const int dx = style == bmsCross ? 1 : 0;
        EXPECT_TRUE(SameMoved(up.pixels, down.pixels, dx, 1)) << style;
        EXPECT_EQ(SameMoved(up.pixels, down.pixels, 0, 0), style == bmsNone) << style;
    }
}

// ---- frames ----

TEST(Drawing, DrawFrame3D_ShrinksTheRectByItsWidth) {
    Sheet s(10, 10);
    TRect r = Rect(0, 0, 10, 10);
    DrawFrame3D(s.painter, r, clYellow, clNavy, 2);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_TRUE(All(s.pixels, Rect(2, 2, 8, 8), clWhite));
}

TEST(Drawing, DrawFrame3D_TopAndLeftInOneColourBottomAndRightInTheOther) {
    Sheet s(10, 10);
    TRect r = Rect(0, 0, 10, 10);
    DrawFrame3D(s.painter, r, clYellow, clNavy, 2);
    EXPECT_TRUE(All(s.pixels, Rect(0, 0, 9, 1), clYellow));
    EXPECT_TRUE(All(s.pixels, Rect(0, 0, 1, 9), clYellow));
    EXPECT_TRUE(All(s.pixels, Rect(9, 0, 10, 10), clNavy));
    EXPECT_TRUE(All(s.pixels, Rect(0, 9, 10, 10), clNavy));
    EXPECT_TRUE(All(s.pixels, Rect(1, 1, 8, 2), clYellow));
    EXPECT_TRUE(All(s.pixels, Rect(8, 1, 9, 9), clNavy));
    EXPECT_EQ(s.painter.PenWidth(), 1);
}

TEST(Drawing, DrawFrame3D_WidthZeroDrawsNothingAndKeepsTheRect) {
    Sheet s(10, 10);
    TRect r = Rect(1, 2, 7, 9);
    DrawFrame3D(s.painter, r, clYellow, clNavy, 0);
    EXPECT_EQ(r, Rect(1, 2, 7, 9));
    EXPECT_EQ(Count(s.pixels, clWhite), 100);
}

// ---- tab faces ----

namespace {
struct TabCase {
    TTabEdgePosition edge;
    TRect face;      // returned
    TPoint givenUp;  // still background
    TPoint seam;     // face colour over the edge ring
    TPoint ringEdge; // an edge ring pixel outside the seam
    TColor ringColour;
};
} // namespace

TEST(Drawing, DrawTabFace_SelectedTabGivesUpItsEdgeSideAndJoinsTheOther) {
    const TabCase cases[] = {
        {teTop, Rect(3, 7, 39, 19), {20, 2}, {20, 19}, {0, 19}, clNavy},
        {teBottom, Rect(3, 3, 39, 15), {20, 18}, {20, 0}, {39, 0}, clNavy},
        {teLeft, Rect(7, 3, 39, 19), {2, 10}, {39, 10}, {39, 0}, clNavy},
        {teRight, Rect(3, 3, 35, 19), {38, 10}, {0, 10}, {0, 0}, clYellow},
    };
    for (const TabCase& c : cases) {
        Sheet s(40, 20);
        const TRect face = DrawTabFace(s.painter, Rect(0, 0, 40, 20), 2, clSilver, clYellow, clNavy,
                                       c.edge, true, false);
        EXPECT_EQ(face, c.face) << c.edge;
        EXPECT_EQ(s(c.givenUp.X, c.givenUp.Y), clWhite) << c.edge;
        EXPECT_EQ(s(c.seam.X, c.seam.Y), clSilver) << c.edge;
        EXPECT_EQ(s(c.ringEdge.X, c.ringEdge.Y), c.ringColour) << c.edge;
        EXPECT_EQ(s(20, 10), clSilver) << c.edge;
    }
}

TEST(Drawing, DrawTabFace_UnselectedTabIsFramedAllRound) {
    Sheet s(40, 20);
    const TRect face = DrawTabFace(s.painter, Rect(0, 0, 40, 20), 2, clSilver, clYellow, clNavy,
                                   teTop, false, true);
    EXPECT_EQ(face, Rect(2, 2, 38, 18));
    EXPECT_EQ(s(20, 0), clYellow);
    EXPECT_EQ(s(20, 19), clNavy);
    EXPECT_TRUE(All(s.pixels, face, clSilver));
}

TEST(Drawing, DrawTabFace_FrameOutlinesTheFaceInThePenColour) {
    Sheet s(40, 20);
    s.painter.SetPenColor(clRed);
    const TRect face = DrawTabFace(s.painter, Rect(0, 0, 40, 20), 0, clSilver, clYellow, clNavy,
                                   teTop, false, true);
    EXPECT_EQ(face, Rect(0, 0, 40, 20));
    EXPECT_EQ(s(0, 0), clRed);
    EXPECT_EQ(s(39, 19), clRed);
    EXPECT_EQ(s(20, 10), clSilver);
}

// ---- turning by any angle ----

namespace {
PixelBuffer TwoPixels() {
    PixelBuffer p = Picture(2, 1, clRed);
    p.View().SetColor(1, 0, clBlue);
    return p;
}
} // namespace

TEST(Drawing, RotatePixelsByAngle_NinetyBringsTheLeftEndToTheTop) {
    const PixelBuffer turned = RotatePixelsByAngle(TwoPixels().View(), 90, clWhite);
    ASSERT_EQ(turned.Width(), 1);
    ASSERT_EQ(turned.Height(), 2);
    EXPECT_EQ(At(turned, 0, 0), clRed);
    EXPECT_EQ(At(turned, 0, 1), clBlue);
    const PixelBuffer back = RotatePixelsByAngle(TwoPixels().View(), -90, clWhite);
    EXPECT_EQ(At(back, 0, 0), clBlue);
}

TEST(Drawing, RotatePixelsByAngle_HalfTurnSwapsAndZeroCopies) {
    const PixelBuffer half = RotatePixelsByAngle(TwoPixels().View(), 180, clWhite);
    ASSERT_EQ(half.Width(), 2);
    EXPECT_EQ(At(half, 0, 0), clBlue);
    EXPECT_EQ(At(half, 1, 0), clRed);
    const PixelBuffer none = RotatePixelsByAngle(TwoPixels().View(), 0, clWhite);
    ASSERT_EQ(none.Width(), 2);
    EXPECT_EQ(At(none, 0, 0), clRed);
    EXPECT_EQ(none.BitCount(), 32);
}

TEST(Drawing, RotatePixelsByAngle_UncoveredCornersTakeTheResolvedBackColour) {
    const PixelBuffer square = Picture(10, 10, clRed);
    const PixelBuffer turned = RotatePixelsByAngle(square.View(), 45, clBtnFace);
    EXPECT_EQ(turned.Width(), 14);
    EXPECT_EQ(turned.Height(), 14);
    EXPECT_EQ(static_cast<uint32_t>(At(turned, 0, 0)), SystemColorRGB(15));
    EXPECT_EQ(At(turned, 7, 7), clRed);
    const PixelBuffer odd = RotatePixelsByAngle(square.View(), 30, InvertColor(clBtnFace));
    EXPECT_EQ(At(odd, 0, 0), clBlack);
}

TEST(Drawing, RotatePixelsByAngle_EmptyPictureGivesNothing) {
    EXPECT_TRUE(RotatePixelsByAngle(PixelView(), 90, clWhite).Empty());
}
