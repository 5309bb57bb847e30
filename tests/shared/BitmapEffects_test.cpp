#include "shared/BitmapEffects.h"

#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

using namespace forms;
using namespace pixeltesting;

namespace {

TPoint Outside(TPoint, const void*) {
    return {-1, 0};
}

TPoint OneLeft(TPoint p, const void* data) {
    return {p.X + *static_cast<const int*>(data), p.Y};
}

// Random stored values in every pixel (and a random palette for up to 8 bits).
PixelBuffer Noise(int w, int h, int bits, unsigned seed) {
    std::mt19937 rng(seed);
    PixelBuffer p(w, h, bits);
    for (auto& b : p.Bits())
        b = static_cast<uint8_t>(rng());
    for (auto& q : p.Palette())
        q = rng() & 0xFFFFFF;
    return p;
}

bool SameValues(const PixelBuffer& a, const PixelBuffer& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitCount() != b.BitCount())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.View().Raw(x, y) != b.View().Raw(x, y))
                return false;
    return true;
}

} // namespace

TEST(BitmapEffects, RemapPixels_PointsOutsideTakeTheFillAsEachDepthStoresIt) {
    const TColor fill = 0x00ABCDEF;
    const struct {
        int bits;
        uint32_t stored;
    } cases[] = {{1, 1}, {4, 0xF}, {8, 0xEF}, {16, 0xCDEF}, {24, 0xEFCDAB}, {32, 0x00ABCDEF}};
    for (const auto& c : cases) {
        const PixelBuffer source(3, 3, c.bits);
        const PixelBuffer out = RemapPixels(source.View(), 2, 5, Outside, fill, nullptr);
        ASSERT_EQ(out.Width(), 2);
        ASSERT_EQ(out.Height(), 5);
        EXPECT_EQ(out.BitCount(), c.bits);
        EXPECT_EQ(out.View().Raw(1, 4), c.stored) << c.bits;
    }
}

TEST(BitmapEffects, RemapPixels_TwentyFourBitFillKeepsTheColour) {
    const PixelBuffer source(1, 1, 24);
    const PixelBuffer out = RemapPixels(source.View(), 1, 1, Outside, clTeal, nullptr);
    EXPECT_EQ(At(out, 0, 0), clTeal);
}

TEST(BitmapEffects, RemapPixels_CopiesStoredValuesAndThePalette) {
    PixelBuffer source(4, 1, 8);
    source.Palette()[9] = RgbQuadFromColor(clPurple);
    source.View().SetRaw(1, 0, 9);
    const int shift = 1;
    const PixelBuffer out = RemapPixels(source.View(), 4, 1, OneLeft, 200, &shift);
    EXPECT_EQ(out.View().Raw(0, 0), 9u);
    EXPECT_EQ(At(out, 0, 0), clPurple);
    EXPECT_EQ(out.View().Raw(3, 0), 200u); // (4, 0) lies outside
}

TEST(BitmapEffects, RemapPixels_EmptySourceOrSizeGivesNothing) {
    const PixelBuffer source(2, 2, 24);
    EXPECT_TRUE(RemapPixels(PixelView(), 2, 2, Outside, 0, nullptr).Empty());
    EXPECT_TRUE(RemapPixels(source.View(), 0, 2, Outside, 0, nullptr).Empty());
    EXPECT_TRUE(RemapPixels(source.View(), 2, -1, Outside, 0, nullptr).Empty());
}

TEST(BitmapEffects, RotatePixels_HalfTurnKeepsTheSizeQuarterTurnsSwapIt) {
    const PixelBuffer source(5, 3, 24);
    EXPECT_EQ(RotatePixels(source.View(), 1).Width(), 5);
    EXPECT_EQ(RotatePixels(source.View(), 1).Height(), 3);
    for (int mode : {0, 2}) {
        const PixelBuffer turned = RotatePixels(source.View(), mode);
        EXPECT_EQ(turned.Width(), 3) << mode;
        EXPECT_EQ(turned.Height(), 5) << mode;
    }
}

TEST(BitmapEffects, RotatePixels_ModesTurnClockwiseHalfAndCounterClockwise) {
    PixelBuffer source = Picture(3, 2, clWhite);
    source.View().SetColor(0, 0, clRed); // top-left
    const PixelBuffer clockwise = RotatePixels(source.View(), 0);
    EXPECT_EQ(At(clockwise, 1, 0), clRed); // top-right
    const PixelBuffer half = RotatePixels(source.View(), 1);
    EXPECT_EQ(At(half, 2, 1), clRed); // bottom-right
    const PixelBuffer counter = RotatePixels(source.View(), 2);
    EXPECT_EQ(At(counter, 0, 2), clRed); // bottom-left
}

TEST(BitmapEffects, RotatePixels_ClockwiseThenCounterClockwiseGivesBackEveryDepth) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const PixelBuffer source = Noise(7, 5, bits, static_cast<unsigned>(bits));
        const PixelBuffer there = RotatePixels(source.View(), 0);
        const PixelBuffer back = RotatePixels(there.View(), 2);
        EXPECT_TRUE(SameValues(source, back)) << bits;
        EXPECT_EQ(back.Palette(), source.Palette()) << bits;
        const PixelBuffer twice = RotatePixels(RotatePixels(source.View(), 1).View(), 1);
        EXPECT_TRUE(SameValues(source, twice)) << bits;
    }
}

TEST(BitmapEffects, RotatePixels_OtherModesAreRefused) {
    const PixelBuffer source(2, 2, 24);
    EXPECT_THROW((void)RotatePixels(source.View(), 3), std::invalid_argument);
    EXPECT_THROW((void)RotatePixels(source.View(), -1), std::invalid_argument);
}

TEST(BitmapEffects, BlendHalf_EachByteIsHalfPictureAndHalfBackground) {
    PixelBuffer picture = Picture(3, 2, 0x00FF00C8);          // blue 255, green 0, red 200
    const PixelBuffer background = Picture(3, 2, 0x00FFFF64); // 255, 255, 100
    BlendHalf(picture.View(), background.View());
    // 255 - 127 + 127, 0 - 0 + 127, 200 - 100 + 50
    EXPECT_EQ(At(picture, 0, 0), 0x00FF7F96);
    EXPECT_EQ(At(picture, 2, 1), 0x00FF7F96);
}

TEST(BitmapEffects, BlendHalf_RoundsTowardsThePicture) {
    PixelBuffer picture = Picture(1, 1, clWhite, 32);
    const PixelBuffer background = Picture(1, 1, clBlack, 32);
    BlendHalf(picture.View(), background.View());
    EXPECT_EQ(At(picture, 0, 0), 0x00808080);
}

TEST(BitmapEffects, BlendHalf_UnlikePicturesAreLeftAlone) {
    PixelBuffer picture = Picture(2, 2, clWhite);
    BlendHalf(picture.View(), Picture(3, 2, clBlack).View());
    BlendHalf(picture.View(), Picture(2, 2, clBlack, 32).View());
    EXPECT_EQ(Count(picture, clWhite), 4);
    PixelBuffer paletted(2, 2, 8);
    paletted.View().SetRaw(0, 0, 7);
    BlendHalf(paletted.View(), PixelBuffer(2, 2, 8).View());
    EXPECT_EQ(paletted.View().Raw(0, 0), 7u);
}
