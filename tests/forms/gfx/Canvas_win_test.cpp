// Drawing is checked on bitmap canvases, whose pixels are read back exactly.
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"
#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {
TBitmap& White(TBitmap& b, int w = 20, int h = 20) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(w, h);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, w, h));
    return b;
}
} // namespace

TEST(Canvas, FillRectExcludesRightColumnAndBottomRow) {
    TBitmap b;
    White(b);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(2, 3, 6, 8));
    EXPECT_EQ(b.Canvas().Pixels(2, 3), clRed);
    EXPECT_EQ(b.Canvas().Pixels(5, 7), clRed);
    EXPECT_EQ(b.Canvas().Pixels(6, 7), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(5, 8), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(1, 3), clWhite);
}

TEST(Canvas, RectangleOutlinesWithPenAndFillsWithBrush) {
    TBitmap b;
    White(b);
    b.Canvas().Pen().SetColor(clBlue);
    b.Canvas().Brush().SetColor(clLime);
    b.Canvas().Rectangle(2, 2, 10, 10);
    EXPECT_EQ(b.Canvas().Pixels(2, 5), clBlue);
    EXPECT_EQ(b.Canvas().Pixels(9, 5), clBlue);
    EXPECT_EQ(b.Canvas().Pixels(5, 5), clLime);
    EXPECT_EQ(b.Canvas().Pixels(10, 5), clWhite);
}

TEST(Canvas, ClearBrushLeavesTheInsideAlone) {
    TBitmap b;
    White(b);
    b.Canvas().Pen().SetColor(clBlack);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().Rectangle(2, 2, 10, 10);
    EXPECT_EQ(b.Canvas().Pixels(5, 5), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(2, 5), clBlack);
}

TEST(Canvas, LineExcludesItsEndPoint) {
    TBitmap b;
    White(b);
    b.Canvas().Pen().SetColor(clRed);
    b.Canvas().MoveTo(1, 4);
    b.Canvas().LineTo(8, 4);
    EXPECT_EQ(b.Canvas().Pixels(1, 4), clRed);
    EXPECT_EQ(b.Canvas().Pixels(7, 4), clRed);
    EXPECT_EQ(b.Canvas().Pixels(8, 4), clWhite);
    EXPECT_EQ(b.Canvas().PenPos(), (TPoint{8, 4}));
}

TEST(Canvas, PolygonIsFilled) {
    TBitmap b;
    White(b);
    b.Canvas().Pen().SetColor(clNavy);
    b.Canvas().Brush().SetColor(clNavy);
    b.Canvas().Polygon({{2, 2}, {16, 2}, {2, 16}});
    EXPECT_EQ(b.Canvas().Pixels(5, 5), clNavy);
    EXPECT_EQ(b.Canvas().Pixels(15, 15), clWhite);
}

TEST(Canvas, SystemColoursAreResolved) {
    TBitmap b;
    White(b);
    b.Canvas().Brush().SetColor(clBtnFace);
    b.Canvas().FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(static_cast<COLORREF>(b.Canvas().Pixels(1, 1)), GetSysColor(COLOR_BTNFACE));
}

TEST(Canvas, OutOfRangeSystemColourDrawsBlack) {
    TBitmap b;
    White(b);
    b.Canvas().Brush().SetColor(static_cast<TColor>(0xFF0000F7));
    b.Canvas().FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clBlack);
}

TEST(Canvas, TextIsMeasuredAndDrawnInTheFontColour) {
    TBitmap b;
    White(b, 120, 30);
    TCanvas& c = b.Canvas();
    const int one = c.TextWidth("W");
    EXPECT_GT(one, 0);
    EXPECT_GT(c.TextWidth("WWWW"), 3 * one);
    EXPECT_GT(c.TextWidth("表示"), 0);
    EXPECT_GT(c.TextHeight("表示"), 8);
    c.Font().SetColor(clRed);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOutAt(2, 2, "■■■");
    int red = 0;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 30; ++y)
            red += c.Pixels(x, y) == clRed;
    EXPECT_GT(red, 20);
    EXPECT_EQ(c.Pixels(119, 29), clWhite);
}

TEST(Canvas, TextRectClipsToItsRectangle) {
    TBitmap b;
    White(b, 100, 30);
    TCanvas& c = b.Canvas();
    c.Font().SetColor(clBlack);
    c.Brush().SetColor(clYellow);
    c.TextRect(Rect(0, 0, 10, 30), 0, 0, "■■■■■■");
    EXPECT_EQ(c.Pixels(20, 5), clWhite);
    EXPECT_EQ(c.Pixels(9, 28), clYellow);
}

TEST(Canvas, DrawTextInMeasuresWrappedLines) {
    TBitmap b;
    White(b, 10, 10);
    TRect oneLine = Rect(0, 0, 1000, 0);
    b.Canvas().DrawTextIn("あいう えお かきく", oneLine, DT_CALCRECT | DT_WORDBREAK);
    TRect narrow = Rect(0, 0, oneLine.Width() / 2, 0);
    b.Canvas().DrawTextIn("あいう えお かきく", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(narrow.Height(), oneLine.Height());
}

TEST(Canvas, GradientRunsFromFirstToSecondColour) {
    TBitmap b;
    White(b, 100, 10);
    ASSERT_TRUE(b.Canvas().GradientFillRect(Rect(0, 0, 100, 10), clBlack, clWhite, false));
    const uint32_t left = static_cast<uint32_t>(b.Canvas().Pixels(0, 5));
    const uint32_t right = static_cast<uint32_t>(b.Canvas().Pixels(99, 5));
    EXPECT_LT(left & 0xFF, 8u);
    EXPECT_GT(right & 0xFF, 245u);
    ASSERT_TRUE(b.Canvas().GradientFillRect(Rect(0, 0, 100, 10), clRed, clBlue, true));
    EXPECT_EQ(b.Canvas().Pixels(50, 0) & 0xFF, 0xFF);
}

TEST(Canvas, CopyRectStretchesPartOfAnotherCanvas) {
    TBitmap src, dst;
    White(src, 4, 4);
    src.Canvas().Brush().SetColor(clRed);
    src.Canvas().FillRect(Rect(0, 0, 2, 2));
    White(dst, 20, 20);
    dst.Canvas().CopyRect(Rect(0, 0, 10, 10), src.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(dst.Canvas().Pixels(9, 9), clRed);
    EXPECT_EQ(dst.Canvas().Pixels(10, 10), clWhite);
}

TEST(Canvas, TransparentBitmapLeavesItsTransparentColourOut) {
    TBitmap glyph, dst;
    White(glyph, 4, 4);
    glyph.Canvas().Brush().SetColor(clGreen);
    glyph.Canvas().FillRect(Rect(1, 1, 3, 3));
    glyph.SetTransparent(true); // white, from the bottom-left pixel
    EXPECT_EQ(glyph.TransparentColor(), clWhite);
    White(dst, 10, 10);
    dst.Canvas().Brush().SetColor(clRed);
    dst.Canvas().FillRect(Rect(0, 0, 10, 10));
    dst.Canvas().Draw(2, 2, glyph);
    EXPECT_EQ(dst.Canvas().Pixels(2, 2), clRed);
    EXPECT_EQ(dst.Canvas().Pixels(3, 3), clGreen);
    dst.Canvas().StretchDraw(Rect(0, 0, 8, 8), glyph);
    EXPECT_EQ(dst.Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(dst.Canvas().Pixels(4, 4), clGreen);
}

TEST(Canvas, BorrowedContextGetsItsOwnObjectsBack) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH),
            font = GetCurrentObject(dc, OBJ_FONT);
    {
        TCanvas c(dc);
        c.Pen().SetColor(clRed);
        c.Brush().SetColor(clBlue);
        (void)c.TextWidth("x");
        c.Rectangle(0, 0, 2, 2);
        EXPECT_NE(GetCurrentObject(dc, OBJ_PEN), pen);
        c.Pen().SetColor(clLime); // the old pen is let go before it is deleted
        c.Rectangle(0, 0, 2, 2);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    DeleteDC(dc);
}

TEST(Canvas, RepeatedChangesDoNotGrowGdiObjects) {
    TBitmap b;
    White(b);
    auto count = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
    for (int i = 0; i < 5; ++i) {
        b.Canvas().Pen().SetColor(static_cast<TColor>(i));
        b.Canvas().Rectangle(0, 0, 5, 5);
    }
    const DWORD before = count();
    for (int i = 0; i < 200; ++i) {
        b.Canvas().Pen().SetColor(static_cast<TColor>(i));
        b.Canvas().Brush().SetColor(static_cast<TColor>(i * 3));
        b.Canvas().Font().SetHeight(-10 - i % 5);
        b.Canvas().Rectangle(0, 0, 5, 5);
        (void)b.Canvas().TextWidth("x");
    }
    EXPECT_LE(count(), before + 2);
}

TEST(Canvas, PainterInterfaceSharesPenAndBrushState) {
    TBitmap b;
    White(b);
    TPainter& p = b.Canvas();
    p.SetPenColor(clRed);
    p.SetPenWidth(3);
    p.SetBrushStyle(TBrushStyle::bsClear);
    EXPECT_EQ(b.Canvas().Pen().Color(), clRed);
    EXPECT_EQ(b.Canvas().Pen().Width(), 3);
    EXPECT_EQ(b.Canvas().Brush().Style(), TBrushStyle::bsClear);
    p.SetBrushColor(clBlue);
    EXPECT_EQ(p.BrushStyle(), TBrushStyle::bsSolid);
    EXPECT_EQ(p.BrushColor(), clBlue);
}

// The portable painter stands in for GDI in native tests: on simple shapes both give the same
// pixels.
TEST(Canvas, PixelPainterAgreesWithGdiOnSimpleShapes) {
    auto draw = [](TPainter& p) {
        p.SetPenColor(clRed);
        p.SetBrushColor(clLime);
        p.Rectangle(Rect(2, 2, 9, 7));
        p.SetBrushColor(clBlue);
        p.FillRect(Rect(10, 1, 14, 5));
        p.SetPenColor(clNavy);
        p.Polyline({{1, 18}, {1, 10}, {12, 10}, {12, 17}});
        p.MoveTo(14, 8);
        p.LineTo(19, 13);
        p.SetBrushStyle(TBrushStyle::bsClear);
        p.SetPenColor(clMaroon);
        p.Rectangle(Rect(3, 12, 8, 16));
    };
    TBitmap b;
    White(b);
    draw(b.Canvas());
    PixelBuffer pixels(20, 20, 24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            pixels.View().SetColor(x, y, clWhite);
    TPixelPainter painter(pixels.View());
    draw(painter);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(b.Canvas().Pixels(x, y), pixels.View().ColorAt(x, y)) << x << "," << y;
}
