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
