// Strip cells and skin parts on real bitmaps and canvases, and the shipped styles' glyphs drawn
// the way the controls draw them.
#include "shared/SkinDrawing.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"
#include "shared/StyleFile.h"
#include "shared/StyleFiles.h"
#include "support/GuiTest.h"

#include <gtest/gtest.h>

using namespace forms;
using namespace bitmaptesting;
using pixeltesting::Bands;

namespace {
// Four square cells of 4 x 4: red, lime, blue, yellow.
std::unique_ptr<TBitmap> FourCells() {
    return Of(Bands({clRed, clLime, clBlue, clYellow}, 4, 4));
}

// Thirds of 10 columns: red, lime, blue.
std::unique_ptr<TBitmap> Thirds() {
    return Of(Bands({clRed, clLime, clBlue}, 10, 10));
}

bool SamePixels(TBitmap& a, TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Canvas().Pixels(x, y) != b.Canvas().Pixels(x, y))
                return false;
    return true;
}
} // namespace

// ---- strip cells ----

TEST(SkinDrawingWin, CopyStripCell_StretchesTheCellOverTheDestination) {
    auto strip = FourCells();
    auto dest = Plain(10, 7, clWhite);
    EXPECT_TRUE(CopyStripCell(dest.get(), strip.get(), 1, 4));
    EXPECT_TRUE(All(*dest, Rect(0, 0, 10, 7), clLime));
}

TEST(SkinDrawingWin, CopyStripCell_PalettedStripKeepsItsColours) {
    auto strip = FourCells();
    strip->SetPixelFormat(TPixelFormat::pf8bit);
    auto dest = Plain(3, 3, clWhite);
    EXPECT_TRUE(CopyStripCell(dest.get(), strip.get(), 3, 4));
    EXPECT_TRUE(All(*dest, Rect(0, 0, 3, 3), clYellow));
}

TEST(SkinDrawingWin, CopyStripCell_MissingBitmapsAndRefusedCellsAreNotDone) {
    auto strip = FourCells();
    auto dest = Plain(4, 4, clWhite);
    TBitmap empty;
    EXPECT_FALSE(CopyStripCell(nullptr, strip.get(), 0, 4));
    EXPECT_FALSE(CopyStripCell(dest.get(), nullptr, 0, 4));
    EXPECT_FALSE(CopyStripCell(&empty, strip.get(), 0, 4));
    EXPECT_FALSE(CopyStripCell(dest.get(), &empty, 0, 4));
    EXPECT_FALSE(CopyStripCell(dest.get(), strip.get(), 4, 8));
    EXPECT_FALSE(CopyStripCell(dest.get(), strip.get(), 0, 0));
    EXPECT_TRUE(All(*dest, Rect(0, 0, 4, 4), clWhite));
}

TEST(SkinDrawingWin, DrawStripCell_DrawsTheCellUnscaledAtThePoint) {
    auto strip = FourCells();
    auto b = Plain(12, 12, clWhite);
    b->Canvas().SetCopyMode(SRCINVERT);
    EXPECT_TRUE(DrawStripCell(b->Canvas(), 5, 6, strip.get(), 2, 4));
    EXPECT_TRUE(All(*b, Rect(5, 6, 9, 10), clBlue));
    EXPECT_EQ(b->Canvas().Pixels(9, 6), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(5, 10), clWhite);
    EXPECT_EQ(b->Canvas().CopyMode(), static_cast<DWORD>(SRCINVERT));
    EXPECT_FALSE(DrawStripCell(b->Canvas(), 0, 0, strip.get(), 4, 8));
    EXPECT_FALSE(DrawStripCell(b->Canvas(), 0, 0, nullptr, 0, 4));
    EXPECT_EQ(b->Canvas().Pixels(0, 0), clWhite);
}

TEST(SkinDrawingWin, DrawStripCellIn_CentresTheCellWithAClearBrush) {
    auto strip = FourCells();
    auto b = Plain(20, 20, clWhite);
    DrawStripCellIn(b->Canvas(), 0, 4, strip.get(), 20, 20, false, false);
    EXPECT_TRUE(All(*b, Rect(8, 8, 12, 12), clRed));
    EXPECT_EQ(b->Canvas().Pixels(7, 8), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(12, 11), clWhite);
    EXPECT_EQ(b->Canvas().Brush().Style(), TBrushStyle::bsClear);
}

TEST(SkinDrawingWin, DrawStripCellIn_StretchesTheCellOverTheBox) {
    auto strip = FourCells();
    auto b = Plain(20, 20, clWhite);
    DrawStripCellIn(b->Canvas(), 3, 4, strip.get(), 15, 10, true, false);
    EXPECT_TRUE(All(*b, Rect(0, 0, 15, 10), clYellow));
    EXPECT_EQ(b->Canvas().Pixels(15, 5), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(5, 10), clWhite);
}

TEST(SkinDrawingWin, DrawStripCellIn_TransparentCellLeavesItsBottomLeftColourOut) {
    PixelBuffer cells = Bands({clWhite, clWhite}, 4, 4);
    cells.View().SetColor(1, 1, clRed);
    auto strip = Of(cells);
    auto b = Plain(4, 4, clBlue);
    DrawStripCellIn(b->Canvas(), 0, 2, strip.get(), 4, 4, true, true);
    EXPECT_EQ(b->Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(b->Canvas().Pixels(2, 2), clBlue);
}

TEST(SkinDrawingWin, DrawStripCellIn_RefusedCellOrMissingStripDrawsNothing) {
    auto strip = FourCells();
    auto b = Plain(8, 8, clWhite);
    DrawStripCellIn(b->Canvas(), 4, 4, strip.get(), 8, 8, true, false);
    DrawStripCellIn(b->Canvas(), 0, 0, strip.get(), 8, 8, true, false);
    DrawStripCellIn(b->Canvas(), 0, 4, nullptr, 8, 8, true, false);
    DrawStripCellIn(b->Canvas(), 0, 4, strip.get(), 0, 8, true, false);
    EXPECT_TRUE(All(*b, Rect(0, 0, 8, 8), clWhite));
}

TEST(SkinDrawingWin, DrawStripCellStretched_FillsTheRectOrRefusesTheFifthSquare) {
    auto strip = FourCells();
    auto b = Plain(30, 30, clWhite);
    DrawStripCellStretched(b->Canvas(), 4, 4, strip.get(), Rect(0, 0, 30, 30), false);
    EXPECT_TRUE(All(*b, Rect(0, 0, 30, 30), clWhite));
    DrawStripCellStretched(b->Canvas(), 1, 4, strip.get(), Rect(5, 6, 25, 16), false);
    EXPECT_TRUE(All(*b, Rect(5, 6, 25, 16), clLime));
    EXPECT_EQ(b->Canvas().Pixels(25, 10), clWhite);
    DrawStripCellStretched(b->Canvas(), 0, 4, nullptr, Rect(0, 0, 30, 30), false);
}

// ---- three slices ----

TEST(SkinDrawingWin, DrawThreeSlice_StretchesTheMiddleBetweenTheCaps) {
    auto skin = Thirds();
    auto b = Plain(120, 30, clWhite);
    DrawThreeSlice(b->Canvas(), skin.get(), Rect(10, 5, 110, 25), 0, 0);
    EXPECT_TRUE(All(*b, Rect(10, 5, 20, 25), clRed));
    EXPECT_TRUE(All(*b, Rect(20, 5, 100, 25), clLime));
    EXPECT_TRUE(All(*b, Rect(100, 5, 110, 25), clBlue));
    EXPECT_TRUE(All(*b, Rect(0, 0, 120, 5), clWhite));
    EXPECT_TRUE(All(*b, Rect(110, 0, 120, 30), clWhite));
}

TEST(SkinDrawingWin, DrawThreeSlice_OversizedCapsDrawNoMirroredMiddle) {
    auto skin = Thirds();
    auto b = Plain(100, 10, clWhite);
    DrawThreeSlice(b->Canvas(), skin.get(), Rect(0, 0, 100, 10), 40, 80);
    EXPECT_EQ(b->Canvas().Pixels(0, 5), clRed);
    EXPECT_EQ(b->Canvas().Pixels(29, 5), clBlue);
    EXPECT_TRUE(All(*b, Rect(30, 0, 70, 10), clWhite));
    EXPECT_EQ(b->Canvas().Pixels(70, 5), clRed);
    EXPECT_EQ(b->Canvas().Pixels(99, 5), clBlue);

    auto narrow = Plain(15, 10, clWhite);
    DrawThreeSlice(narrow->Canvas(), skin.get(), Rect(0, 0, 15, 10), 10, 10);
    EXPECT_TRUE(All(*narrow, Rect(0, 0, 5, 10), clRed));
    EXPECT_TRUE(All(*narrow, Rect(5, 0, 15, 10), clBlue));
}

TEST(SkinDrawingWin, FillThreeSlice_CoversTheWholeBitmap) {
    auto skin = Thirds();
    auto dest = Plain(50, 7, clWhite);
    FillThreeSlice(dest.get(), skin.get(), 0, 0);
    EXPECT_TRUE(All(*dest, Rect(0, 0, 10, 7), clRed));
    EXPECT_TRUE(All(*dest, Rect(10, 0, 40, 7), clLime));
    EXPECT_TRUE(All(*dest, Rect(40, 0, 50, 7), clBlue));
    FillThreeSlice(dest.get(), nullptr, 0, 0);
    FillThreeSlice(nullptr, skin.get(), 0, 0);
}

// ---- skin parts ----

TEST(SkinDrawingWin, DrawSkinPart_VerticalPartsTurnTheLeftCapToTheTop) {
    auto skin = Thirds();
    auto b = Plain(40, 80, clWhite);
    DrawSkinPart(b->Canvas(), skin.get(), Rect(10, 5, 30, 65), 0, 0, 90, false);
    EXPECT_TRUE(All(*b, Rect(10, 5, 30, 15), clRed));
    EXPECT_TRUE(All(*b, Rect(10, 15, 30, 55), clLime));
    EXPECT_TRUE(All(*b, Rect(10, 55, 30, 65), clBlue));
    EXPECT_TRUE(All(*b, Rect(30, 0, 40, 80), clWhite));
    EXPECT_TRUE(All(*b, Rect(0, 65, 40, 80), clWhite));
}

TEST(SkinDrawingWin, DrawSkinPart_NinetyAndMinusNinetyDrawTheSamePicture) {
    auto skin = Of(Bands({clRed, clLime, clBlue, clYellow, clAqua}, 7, 9));
    auto a = Plain(30, 60, clWhite), b = Plain(30, 60, clWhite);
    DrawSkinPart(a->Canvas(), skin.get(), Rect(3, 2, 27, 57), 0, 0, 90, false);
    DrawSkinPart(b->Canvas(), skin.get(), Rect(3, 2, 27, 57), 0, 0, -90, false);
    EXPECT_TRUE(SamePixels(*a, *b));
}

TEST(SkinDrawingWin, DrawSkinPart_TransparentLeavesTheBottomLeftColourOut) {
    PixelBuffer pixels = Bands({clWhite, clRed, clWhite}, 10, 10);
    auto skin = Of(pixels);
    auto b = Plain(60, 10, clBlue);
    DrawSkinPart(b->Canvas(), skin.get(), Rect(0, 0, 60, 10), 0, 0, 0, true);
    EXPECT_TRUE(All(*b, Rect(0, 0, 10, 10), clBlue));
    EXPECT_TRUE(All(*b, Rect(10, 0, 50, 10), clRed));
    EXPECT_TRUE(All(*b, Rect(50, 0, 60, 10), clBlue));
}

TEST(SkinDrawingWin, DrawSkinPart_MissingSkinOrEmptyRectDrawsNothing) {
    auto skin = Thirds();
    TBitmap empty;
    auto b = Plain(20, 20, clWhite);
    DrawSkinPart(b->Canvas(), nullptr, Rect(0, 0, 20, 20), 0, 0, 0, false);
    DrawSkinPart(b->Canvas(), &empty, Rect(0, 0, 20, 20), 0, 0, 0, false);
    DrawSkinPart(b->Canvas(), skin.get(), Rect(5, 5, 5, 20), 0, 0, 90, false);
    DrawSkinPart(b->Canvas(), skin.get(), Rect(5, 5, 20, 5), 0, 0, 0, false);
    EXPECT_TRUE(All(*b, Rect(0, 0, 20, 20), clWhite));
}

TEST(SkinDrawingWin, DrawSkinPartRotated_KeepsHeadAndTailOfTheTitleBar) {
    PixelBuffer pixels = Bands({clRed, clLime, clLime, clBlue, clBlue}, 40, 12);
    auto skin = Of(pixels);
    auto b = Plain(240, 28, clWhite);
    DrawSkinPartRotated(b->Canvas(), skin.get(), Rect(0, 0, 240, 28), false, 0);
    EXPECT_TRUE(All(*b, Rect(0, 0, 40, 28), clRed));
    EXPECT_TRUE(All(*b, Rect(40, 0, 160, 28), clLime));
    EXPECT_TRUE(All(*b, Rect(160, 0, 240, 28), clBlue));
}

TEST(SkinDrawingWin, DrawSkinPartRotated_TurnsAndSqueezes) {
    PixelBuffer pixels = Bands({clRed, clLime, clLime, clBlue, clBlue}, 40, 12);
    auto skin = Of(pixels);
    auto b = Plain(40, 260, clWhite);
    DrawSkinPartRotated(b->Canvas(), skin.get(), Rect(5, 10, 33, 250), false, 90);
    EXPECT_TRUE(All(*b, Rect(5, 10, 33, 50), clRed));
    EXPECT_TRUE(All(*b, Rect(5, 170, 33, 250), clBlue));
    EXPECT_TRUE(All(*b, Rect(0, 0, 40, 10), clWhite));

    auto small = Plain(100, 10, clWhite); // the 200-pixel skin squeezed into 100
    DrawSkinPartRotated(small->Canvas(), skin.get(), Rect(0, 0, 100, 10), false, 0);
    EXPECT_TRUE(All(*small, Rect(0, 0, 20, 10), clRed));
    EXPECT_TRUE(All(*small, Rect(60, 0, 100, 10), clBlue));
    DrawSkinPartRotated(small->Canvas(), nullptr, Rect(0, 0, 100, 10), false, 0);
}

TEST(SkinDrawingWin, SkinDrawingKeepsGdiObjectsSteady) {
    auto skin = Thirds();
    auto strip = FourCells();
    auto b = Plain(60, 60, clWhite);
    auto round = [&] {
        DrawSkinPart(b->Canvas(), skin.get(), Rect(0, 0, 20, 60), 0, 0, -90, true);
        DrawSkinPartRotated(b->Canvas(), skin.get(), Rect(0, 0, 60, 20), true, 180);
        DrawStripCellIn(b->Canvas(), 1, 4, strip.get(), 30, 30, true, true);
        DrawStripCellStretched(b->Canvas(), 2, 4, strip.get(), Rect(0, 0, 9, 9), true);
        DrawThreeSlice(b->Canvas(), skin.get(), Rect(0, 0, 60, 9), 5, 5);
    };
    round();
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 50; ++i)
        round();
    EXPECT_LE(kbtest::GdiObjects(), before);
}

// ---- the shipped styles ----

namespace {
// A background colour that no shipped glyph holds (their transparent colour is fuchsia).
constexpr TColor kSentinel = 0x00123456;

// Pixels that are no longer the sentinel background.
int Painted(TBitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas().Pixels(x, y) != kSentinel;
    return n;
}
} // namespace

TEST(SkinDrawingWin, ShippedStyleGlyphs_DrawWithTheCellCountsTheControlsUse) {
    for (const char* name : {"format.sti", "night.sti"}) {
        const std::string path = kbtest::ProgramFolder() + name;
        TStiData d;
        ASSERT_TRUE(LoadStyleFile(path, d)) << name;
        TBitmap lock, bar, tab, title, edgeH, edgeV;
        ASSERT_TRUE(LoadStyleGlyphs(path,
                                    {d.LockBtn.GlyphIndex, d.BtnBar.GlyphIndex, d.Tab.GlyphIndex,
                                     d.TitleBar.GlyphIndex, d.SubForm.GlyphH, d.SubForm.GlyphV},
                                    false, {&lock, &bar, &tab, &title, &edgeH, &edgeV}))
            << name;
        for (int frame = 0; frame < 4; ++frame) {
            auto button = Plain(20, 20, kSentinel);
            DrawStripCellIn(button->Canvas(), frame, 4, &lock, 20, 20, true, false);
            EXPECT_EQ(Painted(*button), 400) << name << frame;
            auto cell = Plain(40, 40, kSentinel);
            DrawStripCellIn(cell->Canvas(), frame, 4, &bar, 40, 40, true, false);
            EXPECT_EQ(Painted(*cell), 1600) << name << frame;
        }
        for (int frame = 0; frame < 2; ++frame) {
            auto face = Plain(tab.Width() / 2, tab.Height(), kSentinel);
            EXPECT_TRUE(CopyStripCell(face.get(), &tab, frame, 2)) << name;
            auto strip = Plain(24, 64, kSentinel);
            DrawSkinPart(strip->Canvas(), face.get(), Rect(0, 0, 24, 64), 0, 0, 90, false);
            EXPECT_EQ(Painted(*strip), 24 * 64) << name;
            auto edge = Plain(edgeH.Width() / 2, edgeH.Height(), kSentinel);
            EXPECT_TRUE(CopyStripCell(edge.get(), &edgeH, frame, 2)) << name;
            auto side = Plain(10, 100, kSentinel);
            DrawStripCellIn(side->Canvas(), frame, 2, &edgeV, 10, 100, true, false);
            EXPECT_EQ(Painted(*side), 1000) << name;
        }
        auto bar240 = Plain(240, 28, kSentinel);
        DrawSkinPart(bar240->Canvas(), &title, Rect(0, 0, 240, 28), 40, 80, 0, false);
        EXPECT_EQ(Painted(*bar240), 240 * 28) << name;
        auto preview = Plain(240, 28, kSentinel);
        DrawSkinPartRotated(preview->Canvas(), &title, Rect(0, 0, 240, 28), false, 0);
        EXPECT_EQ(Painted(*preview), 240 * 28) << name;
    }
}
