// Where the selected button's pop-up hint stands.
#include "qvtdock/HintPlacement.h"

#include <gtest/gtest.h>

using forms::TPoint;
using forms::TRect;

namespace {
// Buttons of 40 pixels, 5 to a row; button 7 is at (80, 40).
THintBar Bar(int ox = 0, int oy = 0) {
    THintBar bar;
    bar.BtnSize = 40;
    bar.ColCount = 5;
    bar.XOffset = ox;
    bar.YOffset = oy;
    bar.TabHeight = 24;
    return bar;
}
constexpr int kW = 100, kH = 30;
} // namespace

TEST(ButtonCorner, IndexRunsAlongTheRows) {
    EXPECT_EQ(ButtonCorner(0, Bar()), (TPoint{0, 0}));
    EXPECT_EQ(ButtonCorner(4, Bar()), (TPoint{160, 0}));
    EXPECT_EQ(ButtonCorner(7, Bar()), (TPoint{80, 40}));
    THintBar none = Bar();
    none.ColCount = 0;
    EXPECT_EQ(ButtonCorner(2, none), (TPoint{0, 80}));
}

TEST(CalcHintPos, EachPlace_TouchesTheButtonOnItsSide) {
    const THintBar bar = Bar();
    EXPECT_EQ(CalcHintPos(hlLtop, 7, kW, kH, bar), (TPoint{80 - kW, 40 - kH}));
    EXPECT_EQ(CalcHintPos(hlTop, 7, kW, kH, bar), (TPoint{80, 40 - kH}));
    EXPECT_EQ(CalcHintPos(hlRtop, 7, kW, kH, bar), (TPoint{120, 40 - kH}));
    EXPECT_EQ(CalcHintPos(hlRight, 7, kW, kH, bar), (TPoint{120, 40}));
    EXPECT_EQ(CalcHintPos(hlRbtm, 7, kW, kH, bar), (TPoint{120, 80}));
    EXPECT_EQ(CalcHintPos(hlBtm, 7, kW, kH, bar), (TPoint{80, 80}));
    EXPECT_EQ(CalcHintPos(hlLbtm, 7, kW, kH, bar), (TPoint{80 - kW, 80}));
    EXPECT_EQ(CalcHintPos(hlLeft, 7, kW, kH, bar), (TPoint{80 - kW, 40}));
}

TEST(CalcHintPos, Offsets_MoveEveryPlace) {
    const THintBar bar = Bar(5, -3);
    for (int locate = hlLtop; locate <= hlLeft; ++locate) {
        const auto l = static_cast<THintLocate>(locate);
        const TPoint plain = CalcHintPos(l, 3, kW, kH, Bar());
        EXPECT_EQ(CalcHintPos(l, 3, kW, kH, bar), (TPoint{plain.X + 5, plain.Y - 3}))
            << "locate " << locate;
    }
}

TEST(CalcHintPos, FirstButtonTopLeft_LiesOutsideTheBar) {
    const TPoint p = CalcHintPos(hlLtop, 0, kW, kH, Bar());
    EXPECT_EQ(p, (TPoint{-kW, -kH}));
}

TEST(CalcHintPos, OtherValue_StandsAtTheBarsLeftEdgeClearOfTheTabs) {
    THintBar bar = Bar(7, 9);
    EXPECT_EQ(CalcHintPos(hlNone, 7, kW, kH, bar), (TPoint{0, 42}));
    EXPECT_EQ(CalcHintPos(static_cast<THintLocate>(12), 7, kW, kH, bar), (TPoint{0, 42}));
    bar.VisTab = true;
    EXPECT_EQ(CalcHintPos(hlNone, 7, kW, kH, bar), (TPoint{0, 66}));
}

// Offsets from the settings file at the ends of int: X=2147483647 with Loc=3 overflowed.
TEST(CalcHintPos, OffsetsAtTheEndsOfIntSaturate) {
    EXPECT_EQ(CalcHintPos(hlRtop, 7, kW, kH, Bar(INT32_MAX, 0)), (TPoint{INT32_MAX, 40 - kH}));
    EXPECT_EQ(CalcHintPos(hlLtop, 7, kW, kH, Bar(INT32_MIN, INT32_MIN)),
              (TPoint{INT32_MIN, INT32_MIN + 40 - kH}));
}

// ---- below the window ----

namespace {
// A window at (200, 500), 150 high; the hint is measured 120 x 40.
THintBelowForm Below() {
    THintBelowForm in;
    in.X = 200;
    in.Y = 650;
    in.Width = 300;
    in.WindowTop = 500;
    in.Text = {120, 40};
    in.MaxWidth = 250;
    in.HeightMargin = 6;
    in.TopMargin = 3;
    return in;
}
const auto kRoom = [](int) { return false; };
const auto kNoRoom = [](int) { return true; };
} // namespace

TEST(PlaceHintBelowForm, RoomBelow_UnderTheWindowAtLeastTheWidthWide) {
    EXPECT_EQ(PlaceHintBelowForm(Below(), kRoom), (TRect{200, 650, 500, 690}));
    THintBelowForm wide = Below();
    wide.Text = {420, 40};
    EXPECT_EQ(PlaceHintBelowForm(wide, kRoom), (TRect{200, 650, 620, 690}));
}

TEST(PlaceHintBelowForm, TheWorkAreaTestSeesTheHintsBottom) {
    int asked = 0;
    (void)PlaceHintBelowForm(Below(), [&](int y) {
        asked = y;
        return false;
    });
    EXPECT_EQ(asked, 690);
}

TEST(PlaceHintBelowForm, NoRoom_LockedWidth_AboveTheWindowMaxWidthWide) {
    THintBelowForm in = Below();
    in.LockWidth = true;
    EXPECT_EQ(PlaceHintBelowForm(in, kNoRoom), (TRect{200, 500 - 40 - 6 - 3, 450, 500}));
}

TEST(PlaceHintBelowForm, NoRoom_Skin_AboveByLineLimit) {
    THintBelowForm in = Below();
    in.UseGlyph = in.UseStyle = true;
    EXPECT_EQ(PlaceHintBelowForm(in, kNoRoom), (TRect{200, 456, 500, 496}));
    in.MaxLine = 2;
    EXPECT_EQ(PlaceHintBelowForm(in, kNoRoom), (TRect{200, 460, 500, 500}));
}

TEST(PlaceHintBelowForm, NoRoom_OtherLooks_AboveByLineLimit) {
    THintBelowForm in = Below();
    in.UseGlyph = true; // without the style it is no skin
    EXPECT_EQ(PlaceHintBelowForm(in, kNoRoom), (TRect{200, 452, 500, 496}));
    in.MaxLine = 1;
    EXPECT_EQ(PlaceHintBelowForm(in, kNoRoom), (TRect{200, 456, 500, 496}));
}
