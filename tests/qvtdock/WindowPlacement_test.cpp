// Where a show puts the launcher window and the pointer: last position, at the pointer or
// centred; kept inside the work area; the pointer moved onto the window unless it is on the
// taskbar and the settings spare it.
#include "qvtdock/WindowPlacement.h"

#include <gtest/gtest.h>

#include <optional>

using forms::TPoint;

namespace {
// A 1024 x 768 screen with a taskbar 30 pixels high at the bottom, and the default window.
constexpr forms::TSize kScreen{1024, 768};
constexpr forms::TRect kWorkArea{0, 0, 1024, 738};
constexpr int kW = 400, kH = 94;

TPlacementInput At(int mode, TPoint pointer, forms::TRect window = forms::Bounds(50, 60, kW, kH)) {
    TPlacementInput in;
    in.Mode = mode;
    in.Clamp = true;
    in.Window = window;
    in.Pointer = pointer;
    in.Screen = kScreen;
    in.WorkArea = kWorkArea;
    in.Revision.Revision = true;
    in.Revision.RevisionTaskBar = true;
    in.Revision.RevisionPoint = 0;
    return in;
}
} // namespace

// ---- Modes -------------------------------------------------------------------------------------

TEST(PlanPlacement, AtPointer_PointerRestsOnTheTitleBar) {
    const TPlacement p = PlanPlacement(At(kPlaceAtPointer, {500, 300}));
    EXPECT_EQ(p.Position, (TPoint{496, 288}));
    EXPECT_EQ(p.Pointer, (TPoint{500, 300}));
}

TEST(PlanPlacement, LastPosition_StaysWhereItWas) {
    const TPlacement p = PlanPlacement(At(kPlaceAtLastPosition, {900, 700}));
    EXPECT_EQ(p.Position, (TPoint{50, 60}));
    EXPECT_EQ(p.Pointer, (TPoint{54, 72}));
}

TEST(PlanPlacement, Centre_OnTheWholeScreenNotTheWorkArea) {
    const TPlacement p = PlanPlacement(At(kPlaceAtScreenCentre, {0, 0}));
    EXPECT_EQ(p.Position, (TPoint{(1024 - kW) / 2, (768 - kH) / 2}));
}

TEST(PlanPlacement, UnknownMode_Centres) {
    EXPECT_EQ(PlanPlacement(At(7, {0, 0})).Position, (TPoint{312, 337}));
    EXPECT_EQ(PlanPlacement(At(-1, {0, 0})).Position, (TPoint{312, 337}));
}

// ---- Clamps ------------------------------------------------------------------------------------

TEST(PlanPlacement, NearTheRightEdge_ClampedAndThePointerJumpsOntoTheWindow) {
    const TPlacement p = PlanPlacement(At(kPlaceAtPointer, {1000, 300}));
    EXPECT_EQ(p.Position, (TPoint{1024 - kW, 288}));
    EXPECT_EQ(p.Pointer, (TPoint{1024 - kW + 4, 300}));
}

TEST(PlanPlacement, NearTheBottom_ClampedAboveTheTaskbar) {
    const TPlacement p = PlanPlacement(At(kPlaceAtPointer, {500, 760}));
    EXPECT_EQ(p.Position, (TPoint{496, 738 - kH}));
    EXPECT_EQ(p.Pointer, (TPoint{500, 738 - kH + 12}));
}

TEST(PlanPlacement, InTheTopLeftCorner_ClampedToTheCorner) {
    const TPlacement p = PlanPlacement(At(kPlaceAtPointer, {2, 3}));
    EXPECT_EQ(p.Position, (TPoint{0, 0}));
    EXPECT_EQ(p.Pointer, (TPoint{4, 12}));
}

TEST(PlanPlacement, WorkAreaNotAtTheOrigin_ClampedToItsCorner) {
    TPlacementInput in = At(kPlaceAtPointer, {10, 10});
    in.WorkArea = {40, 30, 1024, 768}; // taskbars on the left and at the top
    EXPECT_EQ(PlanPlacement(in).Position, (TPoint{40, 30}));
}

TEST(PlanPlacement, LastPositionOffScreen_BroughtBackIntoTheWorkArea) {
    EXPECT_EQ(
        PlanPlacement(At(kPlaceAtLastPosition, {0, 0}, forms::Bounds(-500, 5000, kW, kH))).Position,
        (TPoint{0, 738 - kH}));
    EXPECT_EQ(
        PlanPlacement(At(kPlaceAtLastPosition, {0, 0}, forms::Bounds(2000, -100, kW, kH))).Position,
        (TPoint{1024 - kW, 0}));
}

TEST(PlanPlacement, WithoutClamp_LeftWhereItLands) {
    TPlacementInput in = At(kPlaceAtLastPosition, {0, 0}, forms::Bounds(-500, 5000, kW, kH));
    in.Clamp = false;
    EXPECT_EQ(PlanPlacement(in).Position, (TPoint{-500, 5000}));
}

TEST(PlanPlacement, WiderAndTallerThanTheWorkArea_LeftEdgeAndBottomEdge) {
    const forms::TRect big = forms::Bounds(0, 0, 1100, 800);
    const TPlacement p = PlanPlacement(At(kPlaceAtScreenCentre, {0, 0}, big));
    EXPECT_EQ(p.Position, (TPoint{0, 738 - 800}));
}

// ---- The pointer -------------------------------------------------------------------------------

TEST(PlanPlacement, PointerOnTheTaskbarAndSpared_WindowMovesPointerStays) {
    TPlacementInput in = At(kPlaceAtPointer, {500, 750});
    in.PointerOnTaskbar = true;
    in.Revision.RevisionTaskBar = false;
    const TPlacement p = PlanPlacement(in);
    EXPECT_EQ(p.Position, (TPoint{496, 738 - kH}));
    EXPECT_EQ(p.Pointer, std::nullopt);
}

TEST(PlanPlacement, PointerOnTheTaskbarNotSpared_Moves) {
    TPlacementInput in = At(kPlaceAtPointer, {500, 750});
    in.PointerOnTaskbar = true;
    EXPECT_EQ(PlanPlacement(in).Pointer, (TPoint{500, 738 - kH + 12}));
}

TEST(PlanPlacement, RevisionOff_PointerNeverMoves) {
    TPlacementInput in = At(kPlaceAtPointer, {1000, 300});
    in.Revision.Revision = false;
    EXPECT_EQ(PlanPlacement(in).Pointer, std::nullopt);
}

TEST(PlanPlacement, RevisionPointOutOfTheTable_PointerNotMoved) {
    TPlacementInput in = At(kPlaceAtPointer, {500, 300});
    in.Revision.RevisionPoint = 9;
    EXPECT_EQ(PlanPlacement(in).Pointer, std::nullopt);
}

TEST(RevisionPointOf, NinePointsFourInFromTheSidesTwelveFromTopAndBottom) {
    const forms::TRect w = forms::Bounds(100, 200, 400, 94);
    const TPoint expected[9] = {{104, 212}, {300, 212}, {496, 212}, {104, 247}, {300, 247},
                                {496, 247}, {104, 282}, {300, 282}, {496, 282}};
    for (uint8_t i = 0; i < 9; ++i)
        EXPECT_EQ(RevisionPointOf(i, w), expected[i]) << int(i);
}

TEST(RevisionPointOf, OddSizes_TheMiddleTruncates) {
    EXPECT_EQ(RevisionPointOf(4, forms::Bounds(0, 0, 401, 95)), (TPoint{200, 47}));
}

TEST(RevisionPointOf, OtherValues_None) {
    EXPECT_EQ(RevisionPointOf(9, forms::Bounds(0, 0, 10, 10)), std::nullopt);
    EXPECT_EQ(RevisionPointOf(255, forms::Bounds(0, 0, 10, 10)), std::nullopt);
}
