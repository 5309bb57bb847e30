#include "shared/SkinDrawing.h"

#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <random>

using namespace forms;
using namespace pixeltesting;

namespace {
bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}
} // namespace

// ---- strip cells ----

TEST(SkinDrawing, StripCellRect_CountsCellsAsSquares) {
    EXPECT_EQ(StripCellRect(64, 16, 3, 8), Rect(24, 0, 32, 16));
    EXPECT_EQ(StripCellRect(64, 16, 4, 8), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 16, 3, 4), Rect(48, 0, 64, 16));
}

TEST(SkinDrawing, StripCellRect_StripWithoutSizeOrCountIsMissing) {
    EXPECT_EQ(StripCellRect(0, 16, 0, 1), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 0, 0, 1), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 16, 0, 0), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 16, 0, -2), std::nullopt);
    EXPECT_EQ(StripCellRect(-64, -16, 0, 1), std::nullopt);
}

TEST(SkinDrawing, StripCellRect_IndexMustLieWithinTheCount) {
    EXPECT_EQ(StripCellRect(64, 16, 2, 2), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 16, -1, 4), std::nullopt);
    EXPECT_EQ(StripCellRect(64, 16, 1, 2), Rect(32, 0, 64, 16));
}

TEST(SkinDrawing, StripCellRect_CellWithoutWidthIsMissing) {
    EXPECT_EQ(StripCellRect(3, 1, 0, 4), std::nullopt);
}

TEST(SkinDrawing, StripCellRect_AnyAcceptedCellLiesInsideTheStrip) {
    std::mt19937 rng(8);
    std::uniform_int_distribution<int> size(-3, 70), number(-3, 12);
    for (int i = 0; i < 20000; ++i) {
        const int w = size(rng), h = size(rng), index = number(rng), count = number(rng);
        const auto cell = StripCellRect(w, h, index, count);
        if (!cell)
            continue;
        EXPECT_FALSE(cell->IsEmpty());
        EXPECT_TRUE(Inside(*cell, Rect(0, 0, w, h))) << w << " " << h << " " << index;
        EXPECT_LT(index, count);
    }
}

TEST(SkinDrawing, CopyStripCell_StretchesTheCellOverTheWholeDestination) {
    const PixelBuffer strip = Bands({clRed, clLime, clBlue, clYellow}, 4, 4);
    PixelBuffer dest = Picture(8, 6, clWhite);
    EXPECT_TRUE(CopyStripCell(dest.View(), strip.View(), 2, 4));
    EXPECT_EQ(Count(dest, clBlue), 48);
}

TEST(SkinDrawing, CopyStripCell_RefusedCellOrMissingPictureLeavesDestination) {
    const PixelBuffer strip = Bands({clRed, clLime, clBlue, clYellow}, 4, 4);
    PixelBuffer dest = Picture(8, 6, clWhite);
    EXPECT_FALSE(CopyStripCell(dest.View(), strip.View(), 4, 8));
    EXPECT_FALSE(CopyStripCell(dest.View(), strip.View(), 0, 0));
    EXPECT_FALSE(CopyStripCell(dest.View(), PixelView(), 0, 1));
    EXPECT_FALSE(CopyStripCell(PixelView(), strip.View(), 0, 1));
    EXPECT_EQ(Count(dest, clWhite), 48);
}

// ---- three slices ----

TEST(SkinDrawing, ThreeSliceCopies_CapsKeepTheirWidthAndTheMiddleStretches) {
    const auto copies = ThreeSliceCopies(30, 10, Rect(0, 0, 100, 20), 5, 10);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].Source, Rect(0, 0, 5, 10));
    EXPECT_EQ(copies[0].Target, Rect(0, 0, 5, 20));
    EXPECT_EQ(copies[1].Source, Rect(5, 0, 20, 10));
    EXPECT_EQ(copies[1].Target, Rect(5, 0, 90, 20));
    EXPECT_EQ(copies[2].Source, Rect(20, 0, 30, 10));
    EXPECT_EQ(copies[2].Target, Rect(90, 0, 100, 20));
}

TEST(SkinDrawing, ThreeSliceCopies_OneZeroWidthMeansThirdsForBoth) {
    const auto copies = ThreeSliceCopies(30, 10, Rect(0, 0, 100, 20), 5, 0);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].Source, Rect(0, 0, 10, 10));
    EXPECT_EQ(copies[2].Source, Rect(20, 0, 30, 10));
    EXPECT_EQ(copies[2].Target, Rect(90, 0, 100, 20));
}

TEST(SkinDrawing, ThreeSliceCopies_CapsWiderThanTheSkinGetNoMiddleAndAreCut) {
    const auto copies = ThreeSliceCopies(30, 10, Rect(0, 0, 240, 28), 40, 80);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].Source, Rect(0, 0, 30, 10));
    EXPECT_EQ(copies[0].Target, Rect(0, 0, 30, 28));
    EXPECT_EQ(copies[1].Source, Rect(0, 0, 30, 10));
    EXPECT_EQ(copies[1].Target, Rect(210, 0, 240, 28));
}

TEST(SkinDrawing, ThreeSliceCopies_CapsWiderThanTheTargetGetNoMiddleAndAreCut) {
    const auto copies = ThreeSliceCopies(300, 10, Rect(10, 0, 110, 28), 40, 80);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].Target, Rect(10, 0, 50, 28));
    EXPECT_EQ(copies[1].Source, Rect(220, 0, 300, 10));
    EXPECT_EQ(copies[1].Target, Rect(30, 0, 110, 28));
    const auto narrow = ThreeSliceCopies(300, 10, Rect(0, 0, 30, 28), 40, 80);
    ASSERT_EQ(narrow.size(), 2u);
    EXPECT_EQ(narrow[0].Source, Rect(0, 0, 30, 10));
    EXPECT_EQ(narrow[1].Source, Rect(270, 0, 300, 10));
    EXPECT_EQ(narrow[1].Target, Rect(0, 0, 30, 28));
}

TEST(SkinDrawing, ThreeSliceCopies_EmptySkinOrTargetGivesNothing) {
    EXPECT_TRUE(ThreeSliceCopies(0, 10, Rect(0, 0, 100, 20), 0, 0).empty());
    EXPECT_TRUE(ThreeSliceCopies(30, 0, Rect(0, 0, 100, 20), 0, 0).empty());
    EXPECT_TRUE(ThreeSliceCopies(30, 10, Rect(0, 0, 0, 20), 0, 0).empty());
    EXPECT_TRUE(ThreeSliceCopies(30, 10, Rect(0, 20, 100, 20), 0, 0).empty());
}

TEST(SkinDrawing, ThreeSliceCopies_NeverMirrorNorLeaveSkinOrTarget) {
    std::mt19937 rng(106);
    std::uniform_int_distribution<int> size(-2, 150), cap(-5, 160);
    for (int i = 0; i < 20000; ++i) {
        const int sw = size(rng), sh = size(rng);
        const TRect target = Bounds(size(rng) - 50, 3, size(rng), size(rng));
        for (const TSliceCopy& c : ThreeSliceCopies(sw, sh, target, cap(rng), cap(rng))) {
            ASSERT_FALSE(c.Source.IsEmpty());
            ASSERT_FALSE(c.Target.IsEmpty());
            ASSERT_TRUE(Inside(c.Source, Rect(0, 0, sw, sh)));
            ASSERT_TRUE(Inside(c.Target, target));
        }
    }
}

TEST(SkinDrawing, FillThreeSlice_StretchesOnlyTheMiddle) {
    const PixelBuffer skin = Bands({clRed, clLime, clLime, clLime, clLime, clBlue}, 5, 4);
    PixelBuffer dest = Picture(60, 8, clWhite);
    FillThreeSlice(dest.View(), skin.View(), 5, 5);
    EXPECT_TRUE(All(dest, Rect(0, 0, 5, 8), clRed));
    EXPECT_TRUE(All(dest, Rect(5, 0, 55, 8), clLime));
    EXPECT_TRUE(All(dest, Rect(55, 0, 60, 8), clBlue));
}

TEST(SkinDrawing, FillThreeSlice_CapsWiderThanTheTargetOverlapWithoutMiddle) {
    const PixelBuffer skin = Bands({clRed, clLime, clBlue}, 10, 4);
    PixelBuffer dest = Picture(15, 4, clWhite);
    FillThreeSlice(dest.View(), skin.View(), 10, 10);
    EXPECT_TRUE(All(dest, Rect(0, 0, 5, 4), clRed));
    EXPECT_TRUE(All(dest, Rect(5, 0, 15, 4), clBlue));
}

TEST(SkinDrawing, FillThreeSlice_CapsWiderThanTheSkinDrawTheSkinAtBothEnds) {
    const PixelBuffer skin = Bands({clRed, clLime, clBlue}, 10, 4);
    PixelBuffer dest = Picture(100, 4, clWhite);
    FillThreeSlice(dest.View(), skin.View(), 40, 40);
    EXPECT_EQ(At(dest, 0, 0), clRed);
    EXPECT_EQ(At(dest, 29, 0), clBlue);
    EXPECT_TRUE(All(dest, Rect(30, 0, 70, 4), clWhite));
    EXPECT_EQ(At(dest, 70, 0), clRed);
    EXPECT_EQ(At(dest, 99, 3), clBlue);
}

TEST(SkinDrawing, FillThreeSlice_ZeroSizePicturesDrawNothing) {
    const PixelBuffer skin = Bands({clRed, clLime, clBlue}, 10, 4);
    PixelBuffer dest = Picture(10, 4, clWhite);
    FillThreeSlice(dest.View(), PixelView(), 0, 0);
    FillThreeSlice(PixelView(), skin.View(), 0, 0);
    DrawThreeSlice(dest.View(), skin.View(), Rect(5, 0, 5, 4), 0, 0);
    EXPECT_EQ(Count(dest, clWhite), 40);
}

// ---- skin parts ----

namespace {
const PixelBuffer& ThirdsSkin() {
    static const PixelBuffer skin = Bands({clRed, clLime, clBlue}, 10, 10);
    return skin;
}
} // namespace

TEST(SkinDrawing, ComposeSkinPart_UnturnedPartLiesAlongItsWidth) {
    const PixelBuffer part = ComposeSkinPart(ThirdsSkin().View(), 60, 8, 0, 0, 0);
    ASSERT_EQ(part.Width(), 60);
    ASSERT_EQ(part.Height(), 8);
    EXPECT_TRUE(All(part, Rect(0, 0, 10, 8), clRed));
    EXPECT_TRUE(All(part, Rect(10, 0, 50, 8), clLime));
    EXPECT_TRUE(All(part, Rect(50, 0, 60, 8), clBlue));
}

TEST(SkinDrawing, ComposeSkinPart_QuarterTurnsBringTheLeftCapToTheTop) {
    const PixelBuffer part = ComposeSkinPart(ThirdsSkin().View(), 8, 60, 0, 0, 90);
    ASSERT_EQ(part.Width(), 8);
    ASSERT_EQ(part.Height(), 60);
    EXPECT_TRUE(All(part, Rect(0, 0, 8, 10), clRed));
    EXPECT_TRUE(All(part, Rect(0, 10, 8, 50), clLime));
    EXPECT_TRUE(All(part, Rect(0, 50, 8, 60), clBlue));
}

TEST(SkinDrawing, ComposeSkinPart_NinetyAndMinusNinetyDrawTheSamePicture) {
    const PixelBuffer skin = Bands({clRed, clLime, clBlue, clYellow, clAqua}, 7, 9);
    const PixelBuffer a = ComposeSkinPart(skin.View(), 13, 47, 0, 0, 90);
    const PixelBuffer b = ComposeSkinPart(skin.View(), 13, 47, 0, 0, -90);
    EXPECT_EQ(a.Bits(), b.Bits());
}

TEST(SkinDrawing, ComposeSkinPart_EmptySkinOrSizeGivesNothing) {
    EXPECT_TRUE(ComposeSkinPart(PixelView(), 10, 10, 0, 0, 0).Empty());
    EXPECT_TRUE(ComposeSkinPart(ThirdsSkin().View(), 0, 10, 0, 0, 0).Empty());
    EXPECT_TRUE(ComposeSkinPart(ThirdsSkin().View(), 10, 0, 0, 0, 90).Empty());
}

// ---- turned skins of the style editor ----

TEST(SkinDrawing, SkinSliceCopy_NoMiddleWhenEitherSideIsShorterThanHeadAndTail) {
    EXPECT_EQ(SkinSliceCopy({100, 10}, {240, 28}, 0, TSkinSlice::Middle), std::nullopt);
    EXPECT_EQ(SkinSliceCopy({100, 10}, {110, 28}, 0, TSkinSlice::Middle), std::nullopt);
    EXPECT_EQ(SkinSliceCopy({30, 10}, {240, 28}, 0, TSkinSlice::Tail)->Source, Rect(0, 0, 30, 10));
    EXPECT_EQ(SkinSliceCopy({0, 10}, {240, 28}, 0, TSkinSlice::Head), std::nullopt);
}

namespace {
// A skin of 200 columns: a red head of 40, a green middle of 80, a blue tail of 80.
PixelBuffer HeadMiddleTail() {
    PixelBuffer p = Picture(200, 10, clLime);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 40; ++x)
            p.View().SetColor(x, y, clRed);
        for (int x = 120; x < 200; ++x)
            p.View().SetColor(x, y, clBlue);
    }
    return p;
}
} // namespace

TEST(SkinDrawing, ComposeRotatedSkin_StretchesOnlyTheMiddleAlongThePart) {
    const PixelBuffer t = ComposeRotatedSkin(HeadMiddleTail().View(), 240, 28, 0, clWhite);
    ASSERT_EQ(t.Width(), 240);
    ASSERT_EQ(t.Height(), 28);
    EXPECT_TRUE(All(t, Rect(0, 0, 40, 28), clRed));
    EXPECT_TRUE(All(t, Rect(40, 0, 160, 28), clLime));
    EXPECT_TRUE(All(t, Rect(160, 0, 240, 28), clBlue));
}

TEST(SkinDrawing, ComposeRotatedSkin_TurnsTheHeadToWhereTheAngleSends) {
    const PixelBuffer down = ComposeRotatedSkin(HeadMiddleTail().View(), 28, 240, 90, clWhite);
    EXPECT_TRUE(All(down, Rect(0, 0, 28, 40), clRed));
    EXPECT_TRUE(All(down, Rect(0, 160, 28, 240), clBlue));
    const PixelBuffer up = ComposeRotatedSkin(HeadMiddleTail().View(), 28, 240, -90, clWhite);
    EXPECT_TRUE(All(up, Rect(0, 200, 28, 240), clRed));
    EXPECT_TRUE(All(up, Rect(0, 0, 28, 80), clBlue));
    const PixelBuffer back = ComposeRotatedSkin(HeadMiddleTail().View(), 240, 28, 180, clWhite);
    EXPECT_TRUE(All(back, Rect(200, 0, 240, 28), clRed));
    EXPECT_TRUE(All(back, Rect(0, 0, 80, 28), clBlue));
    const PixelBuffer odd = ComposeRotatedSkin(HeadMiddleTail().View(), 240, 28, 45, clWhite);
    EXPECT_TRUE(All(odd, Rect(0, 0, 40, 28), clRed)); // as unturned
}

TEST(SkinDrawing, ComposeRotatedSkin_LongerSkinIsSqueezedWhole) {
    const PixelBuffer skin = Bands({clRed, clBlue}, 150, 10);
    const PixelBuffer t = ComposeRotatedSkin(skin.View(), 240, 28, 0, clWhite);
    EXPECT_TRUE(All(t, Rect(0, 0, 120, 28), clRed));
    EXPECT_TRUE(All(t, Rect(120, 0, 240, 28), clBlue));
}

TEST(SkinDrawing, ComposeRotatedSkin_ShortSkinKeepsItsEndsAndNeverMirrors) {
    const PixelBuffer skin = Bands({clRed, clBlue}, 50, 10);
    const PixelBuffer t = ComposeRotatedSkin(skin.View(), 240, 28, 0, clWhite);
    EXPECT_TRUE(All(t, Rect(0, 0, 40, 28), clRed));
    EXPECT_TRUE(All(t, Rect(40, 0, 160, 28), clWhite));
    EXPECT_TRUE(All(t, Rect(160, 0, 190, 28), clRed));
    EXPECT_TRUE(All(t, Rect(190, 0, 240, 28), clBlue));
}

TEST(SkinDrawing, ComposeRotatedSkin_EmptyBitmapOrSizeGivesNothing) {
    EXPECT_TRUE(ComposeRotatedSkin(PixelView(), 240, 28, 0, clWhite).Empty());
    EXPECT_TRUE(ComposeRotatedSkin(HeadMiddleTail().View(), 0, 28, 0, clWhite).Empty());
    EXPECT_TRUE(ComposeRotatedSkin(HeadMiddleTail().View(), 240, 0, 90, clWhite).Empty());
}
