#include "forms/gfx/PixelBuffer.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace forms;

TEST(PixelBuffer, RowsArePaddedToWholeWords) {
    EXPECT_EQ(DibStride(1, 1), 4);
    EXPECT_EQ(DibStride(33, 1), 8);
    EXPECT_EQ(DibStride(3, 24), 12);
    EXPECT_EQ(DibStride(5, 8), 8);
    EXPECT_EQ(PixelBuffer(7, 2, 4).Stride(), 4);
}

TEST(PixelBuffer, NewBufferIsZeroedWithFullBlackPalette) {
    PixelBuffer p(3, 2, 8);
    EXPECT_EQ(p.Bits().size(), 8u);
    EXPECT_EQ(p.Palette().size(), 256u);
    EXPECT_EQ(PixelBuffer(3, 2, 24).Palette().size(), 0u);
}

TEST(PixelBuffer, BadSizeOrDepthIsRefused) {
    EXPECT_THROW(PixelBuffer(0, 1, 8), std::invalid_argument);
    EXPECT_THROW(PixelBuffer(1, -1, 8), std::invalid_argument);
    EXPECT_THROW(PixelBuffer(1, 1, 2), std::invalid_argument);
}

TEST(PixelBuffer, SubBytePixelsPackMostSignificantFirst) {
    PixelBuffer one(10, 1, 1);
    one.View().SetRaw(0, 0, 1);
    one.View().SetRaw(9, 0, 1);
    EXPECT_EQ(one.Bits()[0], 0x80);
    EXPECT_EQ(one.Bits()[1], 0x40);
    EXPECT_EQ(one.View().Raw(9, 0), 1u);
    EXPECT_EQ(one.View().Raw(8, 0), 0u);

    PixelBuffer four(3, 1, 4);
    four.View().SetRaw(0, 0, 0xA);
    four.View().SetRaw(1, 0, 0x5);
    four.View().SetRaw(2, 0, 0xF);
    EXPECT_EQ(four.Bits()[0], 0xA5);
    EXPECT_EQ(four.Bits()[1], 0xF0);
    EXPECT_EQ(four.View().Raw(1, 0), 5u);
}

TEST(PixelBuffer, ColoursReadBackInEveryDepth) {
    for (int bits : {16, 24, 32}) {
        PixelBuffer p(2, 2, bits);
        p.View().SetColor(1, 1, clRed);
        p.View().SetColor(0, 1, 0x00FF8000); // blue 255, green 128
        EXPECT_EQ(p.View().ColorAt(1, 1), clRed) << bits;
        EXPECT_EQ(p.View().ColorAt(0, 0), clBlack) << bits;
        if (bits == 16)
            EXPECT_EQ(p.View().ColorAt(0, 1), 0x00FF8400); // 5 bits per channel
        else
            EXPECT_EQ(p.View().ColorAt(0, 1), 0x00FF8000) << bits;
    }
}

TEST(PixelBuffer, TwentyFourBitPixelsAreBlueGreenRedBytes) {
    PixelBuffer p(1, 1, 24);
    p.View().SetColor(0, 0, 0x00332211); // red 11, green 22, blue 33
    EXPECT_EQ(p.Bits()[0], 0x33);
    EXPECT_EQ(p.Bits()[1], 0x22);
    EXPECT_EQ(p.Bits()[2], 0x11);
}

TEST(PixelBuffer, PaletteColourPicksNearestEntry) {
    PixelBuffer p(1, 1, 1);
    p.Palette() = {RgbQuadFromColor(clBlack), RgbQuadFromColor(clWhite)};
    p.View().SetColor(0, 0, 0x00E0E0E0);
    EXPECT_EQ(p.View().Raw(0, 0), 1u);
    EXPECT_EQ(p.View().ColorAt(0, 0), clWhite);
}

TEST(PixelBuffer, IndexBeyondShortPaletteReadsBlack) {
    PixelBuffer p(1, 1, 8);
    p.Palette().resize(2);
    p.View().SetRaw(0, 0, 200);
    EXPECT_EQ(p.View().ColorAt(0, 0), clBlack);
}

namespace {
PixelBuffer Filled(int w, int h, int bits, TColor color) {
    PixelBuffer p(w, h, bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.View().SetColor(x, y, color);
    return p;
}
} // namespace

TEST(StretchCopy, EnlargesByRepeatingPixels) {
    PixelBuffer src = Filled(2, 1, 24, clRed);
    src.View().SetColor(1, 0, clBlue);
    PixelBuffer dst = Filled(8, 2, 24, clWhite);
    StretchCopy(dst.View(), Rect(0, 0, 8, 2), src.View(), Rect(0, 0, 2, 1));
    EXPECT_EQ(dst.View().ColorAt(0, 0), clRed);
    EXPECT_EQ(dst.View().ColorAt(3, 1), clRed);
    EXPECT_EQ(dst.View().ColorAt(4, 0), clBlue);
    EXPECT_EQ(dst.View().ColorAt(7, 1), clBlue);
}

TEST(StretchCopy, ShrinksByTakingThePixelUnderEachCentre) {
    PixelBuffer src(4, 1, 24);
    const TColor colours[] = {clRed, clLime, clBlue, clYellow};
    for (int x = 0; x < 4; ++x)
        src.View().SetColor(x, 0, colours[x]);
    PixelBuffer dst = Filled(2, 1, 24, clWhite);
    StretchCopy(dst.View(), Rect(0, 0, 2, 1), src.View(), Rect(0, 0, 4, 1));
    EXPECT_EQ(dst.View().ColorAt(0, 0), clLime);
    EXPECT_EQ(dst.View().ColorAt(1, 0), clYellow);
}

TEST(StretchCopy, EmptyOrReversedRectanglesCopyNothing) {
    PixelBuffer src = Filled(4, 4, 24, clRed);
    PixelBuffer dst = Filled(4, 4, 24, clWhite);
    StretchCopy(dst.View(), Rect(4, 0, 0, 4), src.View(), Rect(0, 0, 4, 4));
    StretchCopy(dst.View(), Rect(0, 0, 4, 4), src.View(), Rect(3, 0, 1, 4));
    StretchCopy(dst.View(), Rect(0, 0, 0, 4), src.View(), Rect(0, 0, 4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.View().ColorAt(x, y), clWhite);
}

TEST(StretchCopy, PartsOutsideEitherPictureAreSkipped) {
    PixelBuffer src = Filled(2, 2, 24, clRed);
    PixelBuffer dst = Filled(4, 4, 24, clWhite);
    // Every source pixel covers two target pixels.
    StretchCopy(dst.View(), Rect(-2, -2, 6, 6), src.View(), Rect(-2, -2, 2, 2));
    EXPECT_EQ(dst.View().ColorAt(1, 1), clWhite); // from (-1, -1)
    EXPECT_EQ(dst.View().ColorAt(2, 2), clRed);
    EXPECT_EQ(dst.View().ColorAt(3, 3), clRed);
}

TEST(StretchCopy, DifferentDepthsGoThroughColours) {
    PixelBuffer src(2, 1, 8);
    src.Palette()[3] = RgbQuadFromColor(clAqua);
    src.View().SetRaw(0, 0, 3);
    PixelBuffer dst = Filled(2, 1, 32, clWhite);
    StretchCopy(dst.View(), Rect(0, 0, 2, 1), src.View(), Rect(0, 0, 2, 1));
    EXPECT_EQ(dst.View().ColorAt(0, 0), clAqua);
    EXPECT_EQ(dst.View().ColorAt(1, 0), clBlack);

    PixelBuffer other(2, 1, 8); // same depth, other palette: colours, not indexes
    other.Palette()[7] = RgbQuadFromColor(clAqua);
    StretchCopy(other.View(), Rect(0, 0, 1, 1), src.View(), Rect(0, 0, 1, 1));
    EXPECT_EQ(other.View().Raw(0, 0), 7u);
}

TEST(CopyPixels, KeepsDepthAndPaletteAndClipsToThePicture) {
    PixelBuffer src(4, 2, 4);
    src.Palette()[5] = RgbQuadFromColor(clOlive);
    src.View().SetRaw(3, 1, 5);
    const PixelBuffer part = CopyPixels(src.View(), Rect(2, 1, 10, 10));
    ASSERT_EQ(part.Width(), 2);
    ASSERT_EQ(part.Height(), 1);
    EXPECT_EQ(part.BitCount(), 4);
    EXPECT_EQ(part.View().Raw(1, 0), 5u);
    EXPECT_EQ(part.View().ColorAt(1, 0), clOlive);
    EXPECT_TRUE(CopyPixels(src.View(), Rect(4, 0, 8, 2)).Empty());
    EXPECT_TRUE(CopyPixels(PixelView(), Rect(0, 0, 1, 1)).Empty());
}
