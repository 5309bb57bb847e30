#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {
struct Surface {
    PixelBuffer pixels;
    TPixelPainter painter;
    explicit Surface(int w = 20, int h = 20)
        : pixels(w, h, 24), painter((Fill(pixels, clWhite), pixels.View())) {}
    static void Fill(PixelBuffer& p, TColor c) {
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                p.View().SetColor(x, y, c);
    }
    TColor At(int x, int y) const { return pixels.View().ColorAt(x, y); }
    int Count(TColor c) const {
        int n = 0;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                n += At(x, y) == c;
        return n;
    }
};
} // namespace

TEST(PixelPainter, LineExcludesItsEndPointAndMovesThePen) {
    Surface s;
    s.painter.SetPenColor(clRed);
    s.painter.MoveTo(1, 4);
    s.painter.LineTo(8, 4);
    EXPECT_EQ(s.At(1, 4), clRed);
    EXPECT_EQ(s.At(7, 4), clRed);
    EXPECT_EQ(s.At(8, 4), clWhite);
    EXPECT_EQ(s.Count(clRed), 7);
    EXPECT_EQ(s.painter.PenPos(), (TPoint{8, 4}));
}

TEST(PixelPainter, DiagonalLineTouchesEachRowOnce) {
    Surface s;
    s.painter.SetPenColor(clBlue);
    s.painter.MoveTo(2, 2);
    s.painter.LineTo(7, 7);
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(s.At(i, i), clBlue) << i;
    EXPECT_EQ(s.Count(clBlue), 5);
}

TEST(PixelPainter, WidePenCoversASquareAroundEachPoint) {
    Surface s;
    s.painter.SetPenColor(clRed);
    s.painter.SetPenWidth(2);
    s.painter.MoveTo(5, 5);
    s.painter.LineTo(8, 5);
    EXPECT_EQ(s.Count(clRed), 8); // three points, two rows, one column more
    EXPECT_EQ(s.At(4, 4), clRed);
    EXPECT_EQ(s.At(7, 5), clRed);
}

TEST(PixelPainter, RectangleOutlinesWithPenAndFillsWithBrush) {
    Surface s;
    s.painter.SetPenColor(clBlue);
    s.painter.SetBrushColor(clLime);
    s.painter.Rectangle(Rect(2, 2, 10, 10));
    EXPECT_EQ(s.At(2, 5), clBlue);
    EXPECT_EQ(s.At(9, 9), clBlue);
    EXPECT_EQ(s.At(5, 5), clLime);
    EXPECT_EQ(s.At(10, 5), clWhite);
    EXPECT_EQ(s.Count(clBlue), 28);
}

TEST(PixelPainter, ClearBrushLeavesTheInsideAlone) {
    Surface s;
    s.painter.SetBrushStyle(TBrushStyle::bsClear);
    s.painter.Rectangle(Rect(2, 2, 10, 10));
    s.painter.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.At(2, 5), clBlack);
    s.painter.SetBrushColor(clRed); // a colour makes the brush solid again
    EXPECT_EQ(s.painter.BrushStyle(), TBrushStyle::bsSolid);
}

TEST(PixelPainter, PolygonFillsInsideAndOutlinesItsEdges) {
    Surface s;
    s.painter.SetPenColor(clNavy);
    s.painter.SetBrushColor(clYellow);
    s.painter.Polygon({{2, 2}, {16, 2}, {2, 16}});
    EXPECT_EQ(s.At(4, 4), clYellow);
    EXPECT_EQ(s.At(2, 10), clNavy);
    EXPECT_EQ(s.At(9, 2), clNavy);
    EXPECT_EQ(s.At(15, 15), clWhite);
}

TEST(PixelPainter, EllipseStaysInsideItsBox) {
    Surface s;
    s.painter.SetPenColor(clRed);
    s.painter.SetBrushColor(clRed);
    s.painter.Ellipse(Rect(4, 4, 14, 14));
    EXPECT_EQ(s.At(9, 9), clRed);
    EXPECT_EQ(s.At(4, 9), clRed);
    EXPECT_EQ(s.At(4, 4), clWhite);
    EXPECT_EQ(s.At(14, 9), clWhite);
    EXPECT_EQ(s.At(9, 14), clWhite);
}

TEST(PixelPainter, GradientRunsFromFirstToSecondColour) {
    Surface s(100, 10);
    ASSERT_TRUE(s.painter.GradientFillRect(Rect(0, 0, 100, 10), clBlack, clWhite, false));
    EXPECT_EQ(s.At(0, 5), clBlack);
    EXPECT_GT(static_cast<uint32_t>(s.At(99, 5)) & 0xFF, 245u);
    EXPECT_LT(static_cast<uint32_t>(s.At(40, 5)) & 0xFF, static_cast<uint32_t>(s.At(60, 5)) & 0xFF);
    ASSERT_TRUE(s.painter.GradientFillRect(Rect(0, 0, 100, 10), clRed, clBlue, true));
    EXPECT_EQ(s.At(50, 0), clRed);
    EXPECT_EQ(static_cast<uint32_t>(s.At(50, 9)) & 0xFF0000,
              0xE50000u); // 9/10 of the way, rounded down
}

TEST(PixelPainter, DrawingBeyondThePictureIsClipped) {
    Surface s(4, 4);
    s.painter.SetPenColor(clRed);
    s.painter.SetBrushColor(clRed);
    s.painter.Rectangle(Rect(-10, -10, 30, 30));
    s.painter.Ellipse(Rect(-50, -50, 50, 50));
    s.painter.Polygon({{-100, -100}, {100, -100}, {0, 100}});
    s.painter.MoveTo(-1000, 2);
    s.painter.LineTo(1000, 2);
    EXPECT_TRUE(s.painter.GradientFillRect(Rect(-5, -5, 9, 9), clRed, clBlue, true));
    EXPECT_EQ(s.Count(clWhite), 0);
}

TEST(PixelPainter, SystemColoursResolveAndUnknownOnesAreBlack) {
    Surface s;
    s.painter.SetBrushColor(clBtnFace);
    s.painter.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(static_cast<uint32_t>(s.At(0, 0)), SystemColorRGB(15));
    s.painter.SetBrushColor(static_cast<TColor>(0xFFFFFFF0)); // an inverted system colour
    s.painter.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(s.At(1, 1), clBlack);
}
