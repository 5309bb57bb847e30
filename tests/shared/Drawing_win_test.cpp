// The drawing utilities on real bitmap canvases through GDI.
#include "shared/Drawing.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace forms;
using namespace bitmaptesting;

namespace {
// The mark in red, inset by 4 in a 20 x 20 box of a white bitmap.
std::unique_ptr<TBitmap> Mark(TMarkStyleEx style, int offset = 0) {
    auto b = Plain(20, 20, clWhite);
    DrawMarkStyle(b->Canvas(), Rect(0, 0, 20, 20), style, 4, offset, clRed);
    return b;
}

// The bounding box of the pixels that are not white.
TRect InkBox(TBitmap& b) {
    TRect box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != clWhite) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}
} // namespace

TEST(DrawingWin, DrawMarkStyle_KeepsTheCanvasPenAndBrushColours) {
    for (TMarkStyleEx style : {bmsNone, bmsLeftStopArrow, bmsFrame, bmsCircle, bmsCross}) {
        auto b = Plain(20, 20, clWhite);
        TCanvas& c = b->Canvas();
        c.Pen().SetColor(clLime);
        c.Brush().SetColor(clBlue);
        DrawMarkStyle(c, Rect(0, 0, 20, 20), style, 4, 1, clRed);
        EXPECT_EQ(c.Pen().Color(), clLime) << style;
        EXPECT_EQ(c.Brush().Color(), clBlue) << style;
    }
}

TEST(DrawingWin, DrawMarkStyle_RectAndFrameCoverTheirBoxes) {
    auto rect = Mark(bmsRect, 1);
    EXPECT_TRUE(All(*rect, Rect(4, 5, 16, 17), clRed));
    EXPECT_TRUE(All(*rect, Rect(0, 0, 20, 5), clWhite));
    EXPECT_TRUE(All(*rect, Rect(16, 0, 20, 20), clWhite));
    auto frame = Mark(bmsFrame);
    EXPECT_TRUE(All(*frame, Rect(4, 4, 16, 6), clRed));
    EXPECT_TRUE(All(*frame, Rect(4, 14, 16, 16), clRed));
    EXPECT_TRUE(All(*frame, Rect(6, 6, 14, 14), clWhite));
}

TEST(DrawingWin, DrawMarkStyle_StopArrowsHaveTheirBarsAndTips) {
    auto left = Mark(bmsLeftStopArrow);
    EXPECT_TRUE(All(*left, Rect(4, 4, 6, 16), clRed));
    EXPECT_TRUE(All(*left, Rect(13, 9, 16, 11), clRed));
    EXPECT_EQ(left->Canvas().Pixels(8, 5), clWhite);
    auto down = Mark(bmsDownStopArrow);
    EXPECT_TRUE(All(*down, Rect(4, 15, 16, 17), clRed));
    EXPECT_TRUE(All(*down, Rect(9, 5, 11, 8), clRed));
    EXPECT_TRUE(All(*down, Rect(0, 0, 20, 4), clWhite));
}

TEST(DrawingWin, DrawMarkStyle_CrossRestoresThePenWidth) {
    auto b = Plain(20, 20, clWhite);
    b->Canvas().Pen().SetWidth(3);
    DrawMarkStyle(b->Canvas(), Rect(0, 0, 20, 20), bmsCross, 4, 0, clRed);
    EXPECT_EQ(b->Canvas().Pen().Width(), 3);
    EXPECT_EQ(b->Canvas().Pixels(9, 9), clRed);
    EXPECT_EQ(b->Canvas().Pixels(9, 3), clWhite);
}

TEST(DrawingWin, DrawFrame3D_PaintsItsRingsAndShrinksTheRect) {
    auto b = Plain(10, 10, clWhite);
    TRect r = Rect(0, 0, 10, 10);
    DrawFrame3D(b->Canvas(), r, clYellow, clNavy, 2);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_TRUE(All(*b, Rect(0, 0, 9, 1), clYellow));
    EXPECT_TRUE(All(*b, Rect(0, 1, 8, 2), clYellow));
    EXPECT_TRUE(All(*b, Rect(0, 0, 2, 8), clYellow));
    EXPECT_TRUE(All(*b, Rect(8, 1, 10, 10), clNavy));
    EXPECT_TRUE(All(*b, Rect(1, 8, 10, 10), clNavy));
    EXPECT_TRUE(All(*b, r, clWhite));
}

TEST(DrawingWin, DrawTabFace_SelectedTopTabJoinsTheAreaBelow) {
    auto b = Plain(40, 20, clWhite);
    const TRect face = DrawTabFace(b->Canvas(), Rect(0, 0, 40, 20), 2, clSilver, clYellow, clNavy,
                                   teTop, true, false);
    EXPECT_EQ(face, Rect(3, 7, 39, 19));
    EXPECT_TRUE(All(*b, Rect(0, 0, 40, 4), clWhite));
    EXPECT_TRUE(All(*b, Rect(0, 4, 39, 5), clYellow));
    EXPECT_TRUE(All(*b, Rect(2, 6, 38, 20), clSilver));
    EXPECT_TRUE(All(*b, Rect(39, 4, 40, 20), clNavy));
}

TEST(DrawingWin, GradientRect_RunsInTheModesDirection) {
    auto b = Plain(64, 64, clWhite);
    ASSERT_TRUE(GradientRect(b->Canvas(), Rect(0, 0, 64, 64), clBlack, clRed, 0));
    EXPECT_LT(b->Canvas().Pixels(30, 0) & 0xFF, 8);
    EXPECT_GT(b->Canvas().Pixels(30, 63) & 0xFF, 240);
    EXPECT_EQ(b->Canvas().Pixels(0, 40), b->Canvas().Pixels(63, 40));
    ASSERT_TRUE(GradientRect(b->Canvas(), Rect(0, 0, 64, 64), clBlack, clRed, 1));
    EXPECT_LT(b->Canvas().Pixels(0, 30) & 0xFF, 8);
    EXPECT_GT(b->Canvas().Pixels(63, 30) & 0xFF, 240);
    EXPECT_FALSE(GradientRect(b->Canvas(), Rect(0, 0, 64, 64), clWhite, clWhite, 2));
}

TEST(DrawingWin, GetEdgeFont_TurnsVerticalEdgesOnly) {
    TFont font;
    font.SetHeight(-14);
    for (TTabEdgePosition edge : {teTop, teBottom, teLeft, teRight}) {
        HFONT h = GetEdgeFont(font, edge);
        ASSERT_NE(h, nullptr);
        LOGFONTW lf{};
        ASSERT_EQ(GetObjectW(h, sizeof lf, &lf), static_cast<int>(sizeof lf));
        EXPECT_EQ(lf.lfEscapement, edge == teLeft || edge == teRight ? -900 : 0) << edge;
        EXPECT_EQ(lf.lfHeight, -14);
        EXPECT_EQ(std::wstring(lf.lfFaceName), font.Description().lfFaceName);
        DeleteObject(h);
    }
    HFONT turned = CreateRotatedFont(font, 90);
    LOGFONTW lf{};
    GetObjectW(turned, sizeof lf, &lf);
    EXPECT_EQ(lf.lfEscapement, 900);
    DeleteObject(turned);
}

TEST(DrawingWin, GetEdgeFont_CaptionOnAVerticalEdgeRunsDownwards) {
    auto upright = Plain(120, 120, clWhite);
    auto turned = Plain(120, 120, clWhite);
    TFont font; // "ＭＳ Ｐゴシック", a TrueType face in the test prefix
    font.SetHeight(-16);
    upright->Canvas().Font().SetHandle(GetEdgeFont(font, teTop));
    turned->Canvas().Font().SetHandle(GetEdgeFont(font, teLeft));
    for (TBitmap* b : {upright.get(), turned.get()}) {
        b->Canvas().Font().SetColor(clBlack);
        b->Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        b->Canvas().TextOutAt(60, 10, "ページ1");
    }
    const TRect across = InkBox(*upright), down = InkBox(*turned);
    EXPECT_GT(across.Width(), 2 * across.Height());
    EXPECT_GT(down.Height(), 2 * down.Width());
    // Turned clockwise, the text starts at the point and grows down, its tops facing right.
    EXPECT_GE(down.Top, 10);
    EXPECT_LE(down.Right, 61);
    EXPECT_NEAR(down.Height(), across.Width(), 2);
}

TEST(DrawingWin, DrawRotatedBitmap_DrawsTheTurnedPictureAtThePoint) {
    PixelBuffer pair = pixeltesting::Bands({clRed, clBlue}, 1, 1);
    auto source = Of(pair);
    auto b = Plain(10, 10, clWhite);
    DrawRotatedBitmap(b->Canvas(), 3, 4, 90, source.get(), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(3, 4), clRed);
    EXPECT_EQ(b->Canvas().Pixels(3, 5), clBlue);
    EXPECT_EQ(b->Canvas().Pixels(4, 4), clWhite);
    DrawRotatedBitmap(b->Canvas(), 0, 0, 180, source.get(), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(0, 0), clBlue);
    EXPECT_EQ(b->Canvas().Pixels(1, 0), clRed);
}

TEST(DrawingWin, DrawRotatedBitmap_MissingOrEmptyBitmapDrawsNothing) {
    auto b = Plain(10, 10, clWhite);
    TBitmap empty;
    DrawRotatedBitmap(b->Canvas(), 0, 0, 90, nullptr, clRed);
    DrawRotatedBitmap(b->Canvas(), 0, 0, 90, &empty, clRed);
    EXPECT_TRUE(All(*b, Rect(0, 0, 10, 10), clWhite));
}
