// Bitmap processing on real bitmaps and canvases.
#include "shared/BitmapEffects.h"

#include "support/BitmapTesting.h"

#include "forms/gfx/Icon.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace forms;
using namespace bitmaptesting;

namespace {
TPoint Outside(TPoint, const void*) {
    return {0, -1};
}
} // namespace

TEST(BitmapEffectsWin, RotateBitmap_GivesANewBitmapOfTheSameFormatAndPalette) {
    auto source = Plain(6, 3, clWhite);
    source->Canvas().Brush().SetColor(clRed);
    source->Canvas().FillRect(Rect(0, 0, 1, 1));
    source->SetPixelFormat(TPixelFormat::pf8bit);
    const std::unique_ptr<TBitmap> turned = RotateBitmap(*source, 0);
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->Width(), 3);
    EXPECT_EQ(turned->Height(), 6);
    EXPECT_EQ(turned->BitCount(), 8);
    EXPECT_EQ(turned->Palette(), source->Palette());
    EXPECT_EQ(turned->Canvas().Pixels(2, 0), clRed);
    EXPECT_EQ(turned->Canvas().Pixels(0, 0), clWhite);
    const std::unique_ptr<TBitmap> half = RotateBitmap(*source, 1);
    EXPECT_EQ(half->Width(), 6);
    EXPECT_EQ(half->Canvas().Pixels(5, 2), clRed);
    EXPECT_THROW((void)RotateBitmap(*source, 5), std::invalid_argument);
}

TEST(BitmapEffectsWin, RemapBitmap_FillsWhatLiesOutsideTheSource) {
    auto source = Plain(4, 4, clWhite);
    const std::unique_ptr<TBitmap> out = RemapBitmap(*source, 5, 2, Outside, clTeal, nullptr);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Width(), 5);
    EXPECT_EQ(out->Height(), 2);
    EXPECT_EQ(out->BitCount(), 24);
    EXPECT_TRUE(All(*out, Rect(0, 0, 5, 2), clTeal));
}

TEST(BitmapEffectsWin, DrawGraphicHalf_BlendsTheGraphicWithTheCanvas) {
    auto canvas = Plain(10, 10, clRed);
    auto white = Plain(4, 4, clWhite);
    DrawGraphicHalf(canvas->Canvas(), 2, 3, *white, false);
    // Red 255 - 127 + 127, green and blue 255 - 127 + 0.
    EXPECT_TRUE(All(*canvas, Rect(2, 3, 6, 7), 0x008080FF));
    EXPECT_EQ(canvas->Canvas().Pixels(1, 3), clRed);
    EXPECT_EQ(canvas->Canvas().Pixels(6, 6), clRed);
    EXPECT_EQ(canvas->Canvas().Pixels(5, 7), clRed);
}

TEST(BitmapEffectsWin, DrawGraphicHalf_GraphicsOwnTransparencyShowsTheBackground) {
    auto canvas = Plain(10, 10, clBlue);
    auto glyph = Plain(4, 4, clWhite);
    glyph->Canvas().Brush().SetColor(clLime);
    glyph->Canvas().FillRect(Rect(1, 1, 3, 3));
    glyph->SetTransparent(true);
    DrawGraphicHalf(canvas->Canvas(), 0, 0, *glyph, false);
    EXPECT_EQ(canvas->Canvas().Pixels(0, 0), clBlue);
    EXPECT_EQ(canvas->Canvas().Pixels(1, 1), 0x007F8000); // blue 127, green 128
}

TEST(BitmapEffectsWin, DrawGraphicHalf_TransparentLeavesOutTheBottomLeftColour) {
    // Left half red, right half blue; the blend's bottom-left colour is white over red.
    auto opaque = Plain(8, 4, clBlue);
    opaque->Canvas().Brush().SetColor(clRed);
    opaque->Canvas().FillRect(Rect(0, 0, 4, 4));
    auto seeThrough = Plain(8, 4, clBlue);
    seeThrough->Canvas().Brush().SetColor(clRed);
    seeThrough->Canvas().FillRect(Rect(0, 0, 4, 4));
    auto white = Plain(8, 4, clWhite);
    DrawGraphicHalf(opaque->Canvas(), 0, 0, *white, false);
    DrawGraphicHalf(seeThrough->Canvas(), 0, 0, *white, true);
    EXPECT_EQ(opaque->Canvas().Pixels(1, 1), 0x008080FF);
    EXPECT_EQ(seeThrough->Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(seeThrough->Canvas().Pixels(6, 1), 0x00FF8080);
}

TEST(BitmapEffectsWin, DrawGraphicHalf_ZeroSizeGraphicDrawsNothing) {
    auto canvas = Plain(4, 4, clRed);
    TBitmap empty;
    TIcon none;
    DrawGraphicHalf(canvas->Canvas(), 0, 0, empty, true);
    DrawGraphicHalf(canvas->Canvas(), 0, 0, none, false);
    EXPECT_TRUE(All(*canvas, Rect(0, 0, 4, 4), clRed));
}
