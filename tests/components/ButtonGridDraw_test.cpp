// Cell plans of the launch-button grid, and their shapes drawn into pixels.
#include "components/ButtonGridDraw.h"

#include "support/PixelTesting.h"

#include "forms/gfx/PixelPainter.h"

#include <gtest/gtest.h>

#include <climits>

using namespace forms;
using namespace pixeltesting;

namespace {

constexpr TColor kFace = clSilver, kLight = clWhite, kDark = clGray, kMark = clRed;

TGridLook Look() {
    TGridLook look;
    look.BaseColor = kFace;
    look.TopLineColor = kLight;
    look.BtmLineColor = kDark;
    look.MarkColor = kMark;
    return look;
}

TCellState Button(bool marked = false) {
    TCellState cell;
    cell.Size = 40;
    cell.IsButton = true;
    cell.Marked = marked;
    return cell;
}

TCellState EmptyCell() {
    TCellState cell;
    cell.Size = 40;
    return cell;
}

PixelBuffer Drawn(const TCellPlan& plan, int size = 40) {
    PixelBuffer pixels = Picture(size, size, clBlack);
    TPixelPainter painter(pixels.View());
    DrawCellShapes(painter, plan);
    return pixels;
}

} // namespace

// ---- drawn faces ----

TEST(ButtonGridDraw, ButtonGetsARaisedBevelOnTheFace) {
    const PixelBuffer p = Drawn(PlanDrawnCell(Look(), Button()));
    EXPECT_EQ(At(p, 0, 0), kLight);
    EXPECT_EQ(At(p, 1, 30), kLight);
    EXPECT_EQ(At(p, 39, 39), kDark);
    EXPECT_EQ(At(p, 38, 1), kDark);
    EXPECT_TRUE(All(p, Rect(2, 2, 38, 38), kFace));
}

TEST(ButtonGridDraw, MarkLiesTwiceTheBevelWidthIn) {
    const PixelBuffer p = Drawn(PlanDrawnCell(Look(), Button(true)));
    EXPECT_EQ(At(p, 3, 3), kFace);
    EXPECT_EQ(At(p, 4, 4), kMark);
    EXPECT_EQ(At(p, 5, 20), kMark);
    EXPECT_EQ(At(p, 35, 35), kMark);
    EXPECT_EQ(At(p, 36, 36), kFace);
    EXPECT_TRUE(All(p, Rect(6, 6, 34, 34), kFace));
    TGridLook wide = Look();
    wide.BevelWidth = 5;
    EXPECT_EQ(PlanDrawnCell(wide, Button(true)).MarkRect, Rect(10, 10, 30, 30));
}

TEST(ButtonGridDraw, FilledMarkCoversTheInside) {
    TGridLook look = Look();
    look.MarkStyle = msFill;
    const PixelBuffer p = Drawn(PlanDrawnCell(look, Button(true)));
    EXPECT_EQ(At(p, 3, 3), kFace);
    EXPECT_TRUE(All(p, Rect(4, 4, 36, 36), kMark));
}

TEST(ButtonGridDraw, PressedButtonSinksWithoutMarkAndOthersStayRaised) {
    TCellState pressed = Button(true);
    pressed.Down = true;
    pressed.IsSelected = true;
    const TCellPlan plan = PlanDrawnCell(Look(), pressed);
    EXPECT_EQ(plan.Bevel, TCellBevel::Sunken);
    EXPECT_EQ(plan.Mark, TCellMark::None);
    const PixelBuffer p = Drawn(plan);
    EXPECT_EQ(At(p, 0, 0), kDark);
    EXPECT_EQ(At(p, 39, 39), kLight);
    EXPECT_EQ(At(p, 4, 4), kFace);
    TCellState other = Button();
    other.Down = true;
    EXPECT_EQ(PlanDrawnCell(Look(), other).Bevel, TCellBevel::Raised);
    EXPECT_EQ(PlanDrawnCell(Look(), other).BevelTop, kLight);
}

TEST(ButtonGridDraw, EmptyCellGetsAThinOutlineOneInAndNeverTheMark) {
    TCellState cell = EmptyCell();
    cell.Marked = true;
    const TCellPlan plan = PlanDrawnCell(Look(), cell);
    EXPECT_EQ(plan.Mark, TCellMark::None);
    EXPECT_EQ(plan.Bevel, TCellBevel::None);
    const PixelBuffer p = Drawn(plan);
    EXPECT_EQ(At(p, 0, 0), kFace);
    EXPECT_EQ(At(p, 1, 1), kDark);
    EXPECT_EQ(At(p, 38, 20), kDark);
    EXPECT_EQ(At(p, 20, 38), kDark);
    EXPECT_EQ(At(p, 39, 39), kFace);
    EXPECT_TRUE(All(p, Rect(2, 2, 38, 38), kFace));
}

TEST(ButtonGridDraw, WithoutNoneMarkedAnEmptyCellIsPlainFace) {
    TGridLook look = Look();
    look.NoneMarked = false;
    const PixelBuffer p = Drawn(PlanDrawnCell(look, EmptyCell()));
    EXPECT_EQ(Count(p, kFace), 40 * 40);
}

TEST(ButtonGridDraw, DisabledButtonLooksEmptyButKeepsItsIcon) {
    TCellState cell = Button(true);
    cell.Enabled = false;
    const TCellPlan plan = PlanDrawnCell(Look(), cell);
    EXPECT_EQ(plan.Bevel, TCellBevel::None);
    EXPECT_TRUE(plan.Outline);
    EXPECT_TRUE(plan.Icon.Visible);
}

// ---- icons ----

TEST(ButtonGridDraw, StretchedIconIsInsetBySpaceAndSinksOnePixelWhileDown) {
    EXPECT_EQ(PlanIcon(Look(), Button()).Box, Rect(4, 4, 36, 36));
    TCellState down = Button();
    down.Down = true; // any cell, pressed or not
    EXPECT_EQ(PlanIcon(Look(), down).Box, Rect(5, 5, 37, 37));
    EXPECT_FALSE(PlanIcon(Look(), EmptyCell()).Visible);
}

TEST(ButtonGridDraw, UnstretchedIconIs32PixelsCentred) {
    TGridLook look = Look();
    look.Stretch = false;
    EXPECT_EQ(PlanIcon(look, Button()).Box, Rect(4, 4, 36, 36));
    TCellState small = Button();
    small.Size = 21;
    EXPECT_EQ(PlanIcon(look, small).Box, Rect(-5, -5, 27, 27)); // div truncates towards zero
}

TEST(ButtonGridDraw, OnlyUnmarkedIconsTakeTheTranslucentPath) {
    TCellState cell = Button();
    cell.Translucent = true;
    EXPECT_TRUE(PlanIcon(Look(), cell).Translucent);
    cell.Marked = true;
    EXPECT_FALSE(PlanIcon(Look(), cell).Translucent);
    EXPECT_FALSE(PlanIcon(Look(), Button()).Translucent);
}

TEST(ButtonGridDraw, IconBoxWithoutAreaShowsNoIcon) {
    TGridLook look = Look();
    TCellState cell = Button();
    cell.Size = 8; // BtnSize = 2 x Space
    EXPECT_FALSE(PlanIcon(look, cell).Visible);
    cell.Size = 5;
    EXPECT_FALSE(PlanIcon(look, cell).Visible);
    look.Space = INT_MAX;
    cell.Size = INT_MAX;
    EXPECT_FALSE(PlanIcon(look, cell).Visible);
    look.Space = INT_MIN; // a box too large for 32 bits
    cell.Size = 40;
    EXPECT_FALSE(PlanIcon(look, cell).Visible);
}

// ---- skin faces ----

TEST(ButtonGridDraw, SkinCellChoosesTheStateImage) {
    TCellState cell = Button();
    EXPECT_EQ(PlanSkinCell(Look(), cell).StateImage, siNormal);
    cell.Marked = true;
    EXPECT_EQ(PlanSkinCell(Look(), cell).StateImage, siSelected);
    cell.Down = true;
    EXPECT_EQ(PlanSkinCell(Look(), cell).StateImage, siNormal);
    cell.IsSelected = true;
    EXPECT_EQ(PlanSkinCell(Look(), cell).StateImage, siPressed);
    EXPECT_FALSE(PlanSkinCell(Look(), cell).Fill);
    EXPECT_EQ(PlanSkinCell(Look(), cell).Icon.Box, Rect(5, 5, 37, 37));
}

TEST(ButtonGridDraw, SkinEmptyCellGetsItsImageOrTheFaceColour) {
    TGridLook look = Look();
    EXPECT_EQ(PlanSkinCell(look, EmptyCell()).StateImage, siEmpty);
    look.NoneMarked = false;
    const TCellPlan plan = PlanSkinCell(look, EmptyCell());
    EXPECT_EQ(plan.StateImage, siNone);
    EXPECT_EQ(Count(Drawn(plan), kFace), 40 * 40);
}

// ---- values from the settings that are out of bounds ----

TEST(ButtonGridDraw, HugeBevelWidthFillsTheFaceOnceAndEmptiesTheMark) {
    TGridLook look = Look();
    look.BevelWidth = INT_MAX;
    const TCellPlan plan = PlanDrawnCell(look, Button(true));
    EXPECT_TRUE(plan.MarkRect.IsEmpty());
    const PixelBuffer p = Drawn(plan);
    EXPECT_EQ(Count(p, kFace), 0);
    EXPECT_EQ(Count(p, kMark), 0);
}

TEST(ButtonGridDraw, NegativeBevelWidthDrawsNoBevelAndInsetsNothing) {
    TGridLook look = Look();
    look.BevelWidth = -3;
    const TCellPlan plan = PlanDrawnCell(look, Button(true));
    EXPECT_EQ(plan.MarkRect, Rect(0, 0, 40, 40));
    const PixelBuffer p = Drawn(plan);
    EXPECT_EQ(At(p, 0, 0), kMark);
    EXPECT_EQ(At(p, 2, 2), kFace);
}

TEST(ButtonGridDraw, TinyEmptyCellsGetAnOutlineOnlyWhereItFits) {
    TCellState cell = EmptyCell();
    cell.Size = 2;
    EXPECT_EQ(Count(Drawn(PlanDrawnCell(Look(), cell), 2), kFace), 4);
    cell.Size = 3;
    const PixelBuffer p = Drawn(PlanDrawnCell(Look(), cell), 3);
    EXPECT_EQ(At(p, 1, 1), kDark);
    EXPECT_EQ(Count(p, kDark), 1);
}
