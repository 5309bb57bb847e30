#include "components/MarkButtonFace.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

#include <climits>

using namespace forms;
using namespace pixeltesting;

namespace {

TMarkBtnState Hovered(bool marking) {
    TMarkBtnState s;
    s.FoucusOn = true;
    s.Marking = marking;
    return s;
}

// Plain colours, so that the pictures hold exactly what was asked for.
constexpr TColor kBase = clSilver, kTop = clWhite, kBtm = clGray, kMark = clRed, kShape = clNavy,
                 kLock = clLime, kBehind = clFuchsia;
const TBtnBevel kBevel{kBase, kTop, kBtm, 2};

// A drawn mark button as the control chain paints it: face, hover mark, shape.
PixelBuffer DrawnButton(const TMarkBtnState& state, TMarkStyleEx shape,
                        TMarkStyle markStyle = msFrame, int w = 40, int h = 40,
                        TBtnBevel bevel = kBevel, int space = 4) {
    PixelBuffer pixels = Picture(w, h, kBehind);
    TPixelPainter painter(pixels.View());
    const TRect r = Rect(0, 0, w, h);
    DrawBtnFace(painter, r, state, true, bevel);
    DrawHoverMark(painter, r, bevel.BevelWidth, state, kMark, markStyle);
    DrawShapeMark(painter, r, state, shape, space, kShape, kLock);
    return pixels;
}

} // namespace

// ---- rules ----

TEST(MarkButtonRules, BevelIsSunkenOnlyWhenPressedOrLockedDownAndUsable) {
    struct Case {
        bool noUse, downLocked, down, raised;
    };
    const Case cases[] = {
        {false, false, false, true}, {false, false, true, false}, {false, true, false, false},
        {false, true, true, false},  {true, false, false, true},  {true, false, true, true},
        {true, true, false, true},   {true, true, true, true},
    };
    for (const Case& c : cases) {
        TMarkBtnState s;
        s.NoUse = c.noUse;
        s.DownLocked = c.downLocked;
        s.Down = c.down;
        EXPECT_EQ(BevelRaised(s), c.raised) << c.noUse << c.downLocked << c.down;
    }
}

TEST(MarkButtonRules, HoverMarkNeedsMarkingAndAUsableButton) {
    EXPECT_TRUE(ShowsHoverMark(Hovered(true)));
    EXPECT_FALSE(ShowsHoverMark(Hovered(false)));
    TMarkBtnState locked;
    locked.LockMark = true;
    locked.Marking = true;
    EXPECT_TRUE(ShowsHoverMark(locked));
    TMarkBtnState unusable = Hovered(true);
    unusable.NoUse = true;
    EXPECT_FALSE(ShowsHoverMark(unusable));
    TMarkBtnState away;
    away.Marking = true;
    EXPECT_FALSE(ShowsHoverMark(away));
}

TEST(MarkButtonRules, ShapeIsInvertedWhenUnusableAndLowerInTheLockColourWhenPressed) {
    TMarkBtnState s;
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Color, 0x00FF0000);
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Offset, 0);
    s.Down = true;
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Color, kLock);
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Offset, 1);
    s.Down = false;
    s.DownLocked = true;
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Offset, 1);
    s.NoUse = true;
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Color, 0x0000FFFF);
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Offset, 0);
}

TEST(MarkButtonRules, GlyphFrameFollowsTheStateTable) {
    TMarkBtnState s;
    EXPECT_EQ(GlyphFrameOf(s), kNormalFrame);
    s.Down = true;
    EXPECT_EQ(GlyphFrameOf(s), kPressedFrame);
    s.Down = false;
    s.DownLocked = true;
    EXPECT_EQ(GlyphFrameOf(s), kPressedFrame);
    EXPECT_EQ(GlyphFrameOf(Hovered(true)), kHoveredFrame);
    TMarkBtnState hoveredDown = Hovered(true);
    hoveredDown.Down = true;
    EXPECT_EQ(GlyphFrameOf(hoveredDown), kPressedFrame);
    TMarkBtnState lockMark;
    lockMark.LockMark = true;
    lockMark.Marking = true;
    EXPECT_EQ(GlyphFrameOf(lockMark), kHoveredFrame);
}

TEST(MarkButtonRules, HoveredWithoutMarkingShowsTheNormalFrame) {
    EXPECT_EQ(GlyphFrameOf(Hovered(false)), kNormalFrame);
}

TEST(MarkButtonRules, UnusableWinsOverLockedDownAndHover) {
    TMarkBtnState s = Hovered(true);
    s.NoUse = true;
    s.DownLocked = true;
    s.Down = true;
    EXPECT_EQ(GlyphFrameOf(s), kUnusableFrame);
    EXPECT_TRUE(BevelRaised(s));
    EXPECT_FALSE(ShowsHoverMark(s));
    EXPECT_EQ(ShapeLookOf(s, 0x00FF0000, kLock).Color, 0x0000FFFF);
}

TEST(MarkButtonRules, NewGlyphTurnsTheSkinOffWhenModifiedOrNarrowerThanHigh) {
    EXPECT_EQ(NumGlyphAfterGlyph(0, true, 64, 16), -1);
    EXPECT_EQ(NumGlyphAfterGlyph(2, false, 64, 16), 2);
    EXPECT_EQ(NumGlyphAfterGlyph(0, false, 16, 16), 0);
    EXPECT_EQ(NumGlyphAfterGlyph(0, false, 15, 16), -1);
    EXPECT_EQ(NumGlyphAfterGlyph(-1, false, 64, 16), -1);
}

// ---- drawn faces ----

TEST(MarkButtonFace, RaisedFaceHasLightTopLeftAndDarkBottomRight) {
    const PixelBuffer p = DrawnButton({}, bmsNone);
    EXPECT_EQ(At(p, 0, 0), kTop);
    EXPECT_EQ(At(p, 1, 20), kTop);
    EXPECT_EQ(At(p, 39, 39), kBtm);
    EXPECT_EQ(At(p, 20, 38), kBtm);
    EXPECT_TRUE(All(p, Rect(2, 2, 38, 38), kBase));
}

TEST(MarkButtonFace, PressedFaceIsSunkenWithTheShapeInTheLockColourOnePixelLower) {
    TMarkBtnState down;
    down.Down = true;
    const PixelBuffer p = DrawnButton(down, bmsRect);
    EXPECT_EQ(At(p, 0, 0), kBtm);
    EXPECT_EQ(At(p, 39, 39), kTop);
    // The square (4, 4, 36, 36) moved to (4, 5, 36, 37).
    EXPECT_EQ(At(p, 20, 4), kBase);
    EXPECT_EQ(At(p, 20, 5), kLock);
    EXPECT_EQ(At(p, 20, 36), kLock);
    EXPECT_EQ(Count(p, kShape), 0);

    const PixelBuffer up = DrawnButton({}, bmsRect);
    EXPECT_EQ(At(up, 20, 4), kShape);
    EXPECT_EQ(At(up, 20, 36), kBase);
}

TEST(MarkButtonFace, UnusableLockedDownIsRaisedWithTheInverseShapeAndNoHoverMark) {
    TMarkBtnState s = Hovered(true);
    s.NoUse = true;
    s.DownLocked = true;
    const PixelBuffer p = DrawnButton(s, bmsRect);
    EXPECT_EQ(At(p, 0, 0), kTop);
    EXPECT_EQ(At(p, 39, 39), kBtm);
    EXPECT_EQ(At(p, 20, 4), InvertColor(kShape));
    EXPECT_EQ(At(p, 2, 2), kBase);
    EXPECT_EQ(Count(p, kMark), 0);
}

TEST(MarkButtonFace, HoverFrameIsTwoRingsInsideTheBevel) {
    const PixelBuffer p = DrawnButton(Hovered(true), bmsNone);
    EXPECT_EQ(At(p, 2, 2), kMark);
    EXPECT_EQ(At(p, 3, 20), kMark);
    EXPECT_EQ(At(p, 37, 37), kMark);
    EXPECT_EQ(At(p, 1, 1), kTop);
    EXPECT_TRUE(All(p, Rect(4, 4, 36, 36), kBase));
}

TEST(MarkButtonFace, HoverFillCoversTheInsideOfTheBevel) {
    const PixelBuffer p = DrawnButton(Hovered(true), bmsNone, msFill);
    EXPECT_TRUE(All(p, Rect(2, 2, 38, 38), kMark));
    EXPECT_EQ(At(p, 1, 1), kTop);
}

TEST(MarkButtonFace, WithoutMarkingTheHoveredFaceShowsNoMark) {
    EXPECT_EQ(Count(DrawnButton(Hovered(false), bmsNone, msFill), kMark), 0);
    TMarkBtnState locked;
    locked.LockMark = true;
    EXPECT_EQ(Count(DrawnButton(locked, bmsNone), kMark), 0);
}

TEST(MarkButtonFace, HoverMarkLeavesTheBrushAsItWas) {
    PixelBuffer pixels = Picture(20, 20, kBehind);
    TPixelPainter painter(pixels.View());
    painter.SetBrushStyle(TBrushStyle::bsClear);
    DrawHoverMark(painter, Rect(0, 0, 20, 20), 2, Hovered(true), kMark, msFill);
    EXPECT_EQ(painter.BrushStyle(), TBrushStyle::bsClear);
    painter.SetBrushColor(kBase);
    DrawHoverMark(painter, Rect(0, 0, 20, 20), 2, Hovered(true), kMark, msFill);
    EXPECT_EQ(painter.BrushColor(), kBase);
}

TEST(MarkButtonFace, SkinnedFaceFillsNothingButStillDrawsTheBevel) {
    PixelBuffer pixels = Picture(20, 20, kBehind);
    TPixelPainter painter(pixels.View());
    DrawBtnFace(painter, Rect(0, 0, 20, 20), {}, false, kBevel);
    DrawHoverMark(painter, Rect(0, 0, 20, 20), 2, {}, kMark, msFrame);
    EXPECT_EQ(painter.BrushStyle(), TBrushStyle::bsClear);
    EXPECT_EQ(At(pixels, 0, 0), kTop);
    EXPECT_TRUE(All(pixels, Rect(2, 2, 18, 18), kBehind));
}

TEST(MarkButtonFace, HugeBevelAndSpaceNeitherOverflowNorHang) {
    for (const int huge : {INT_MAX, INT_MIN}) {
        TBtnBevel bevel = kBevel;
        bevel.BevelWidth = huge;
        const PixelBuffer p = DrawnButton(Hovered(true), bmsCircle, msFrame, 20, 16, bevel, huge);
        EXPECT_EQ(Count(p, kBehind), 0) << huge;
    }
}

TEST(MarkButtonFace, NegativeBevelWidthDrawsNoBevel) {
    TBtnBevel bevel = kBevel;
    bevel.BevelWidth = -3;
    const PixelBuffer p = DrawnButton({}, bmsNone, msFrame, 20, 20, bevel);
    EXPECT_TRUE(All(p, Rect(0, 0, 20, 20), kBase));
}
