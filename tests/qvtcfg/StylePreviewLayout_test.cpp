// Where the style editor's launcher model puts its parts, which colours they take, and how the
// skinned hint sample is laid out.
#include "qvtcfg/StylePreviewLayout.h"

#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

using forms::Rect;
using forms::TColor;
using forms::TPoint;
using forms::TRect;

namespace {

const TRect kEditorBox{0, 0, 240, 148};
const forms::TSize kDigits{18, 12}; // "006" across, "0" down

// --- layout ---

TEST(LayoutPreviewRects, EditorBox_TitleBarButtonsAndCountersWhereTheLauncherHasThem) {
    const TPreviewLayout l = LayoutPreviewRects(kEditorBox, kDigits, true);
    EXPECT_EQ(l.TitleBar, Rect(0, 0, 240, 28));
    EXPECT_EQ(l.LockBtn, Rect(12, 4, 32, 24));
    EXPECT_EQ(l.WizBtn, Rect(194, 4, 214, 24));
    EXPECT_EQ(l.CloseBtn, Rect(216, 4, 236, 24));
    // The title is centred by the height of "0": (28 - 12) div 2.
    EXPECT_EQ(l.TitleAt, (TPoint{40, 8}));
    EXPECT_EQ(l.DateTimeClip, Rect(40, 8, 160, 24));
    // The counters stand before the data-editor button, by the width of "006".
    EXPECT_EQ(l.LowerCounter, Rect(194 - 18 - 4, 26 - 12, 194 + 18, 26));
    EXPECT_EQ(l.UpperCounterAt, (TPoint{172, 2}));
}

TEST(LayoutPreviewRects, EditorBox_FiveButtonsUnderTheTitleBar) {
    const TPreviewLayout l = LayoutPreviewRects(kEditorBox, kDigits, true);
    for (int i = 0; i < kPreviewButtonCount; ++i)
        EXPECT_EQ(l.Buttons[static_cast<size_t>(i)], Rect(40 * i, 28, 40 * i + 40, 68)) << i;
}

TEST(LayoutPreviewRects, WithTabRow_RowAt70To94AndHintSampleBelowIt) {
    const TPreviewLayout l = LayoutPreviewRects(kEditorBox, kDigits, true);
    EXPECT_EQ(l.TabTop, 70);
    EXPECT_EQ(l.TabRow, Rect(0, 70, 240, 94));
    EXPECT_EQ(l.Tabs[0], Rect(0, 70, 64, 94));
    EXPECT_EQ(l.Tabs[1], Rect(65, 70, 129, 94));
    EXPECT_EQ(l.Tabs[2], Rect(130, 70, 194, 94));
    EXPECT_EQ(l.TabLabels[0], (TPoint{10, 76}));
    EXPECT_EQ(l.TabLabels[1], (TPoint{74, 74}));
    EXPECT_EQ(l.TabLabels[2], (TPoint{138, 74}));
    EXPECT_EQ(l.ArrowArea, Rect(210, 70, 240, 94));
    EXPECT_EQ(l.LeftArrow, Rect(210, 70, 225, 85));
    EXPECT_EQ(l.RightArrow, Rect(225, 70, 240, 85));
    EXPECT_EQ(l.HintSample, Rect(0, 96, 240, 148));
    EXPECT_EQ(l.HintOff, Rect(0, 96, 240, 148));
}

TEST(LayoutPreviewRects, WithoutTabRow_HintSampleMovesUpButTheClearedBandStays) {
    const TPreviewLayout l = LayoutPreviewRects(kEditorBox, kDigits, false);
    EXPECT_EQ(l.HintSample, Rect(0, 72, 240, 124));
    EXPECT_EQ(l.HintOff, Rect(0, 96, 240, 148));
    EXPECT_EQ(l.TabTop, 70);
}

TEST(LayoutPreviewRects, BoxElsewhere_EveryPartMovesWithItsCorner) {
    const TPreviewLayout at0 = LayoutPreviewRects(kEditorBox, kDigits, true);
    const TPreviewLayout moved = LayoutPreviewRects(kEditorBox.Offset(10, 24), kDigits, true);
    EXPECT_EQ(moved.TitleBar, at0.TitleBar.Offset(10, 24));
    EXPECT_EQ(moved.CloseBtn, at0.CloseBtn.Offset(10, 24));
    EXPECT_EQ(moved.LowerCounter, at0.LowerCounter.Offset(10, 24));
    EXPECT_EQ(moved.Buttons[4], at0.Buttons[4].Offset(10, 24));
    EXPECT_EQ(moved.TabRow, at0.TabRow.Offset(10, 24));
    EXPECT_EQ(moved.RightArrow, at0.RightArrow.Offset(10, 24));
    EXPECT_EQ(moved.HintSample, at0.HintSample.Offset(10, 24));
    EXPECT_EQ(moved.TitleAt, (TPoint{50, 32}));
}

TEST(PageCounterRect, StandsAtTheRightEndOfTheTabRowByItsOwnExtent) {
    const TPreviewLayout l = LayoutPreviewRects(kEditorBox, kDigits, true);
    EXPECT_EQ(PageCounterRect(l, {30, 14}), Rect(210, 80, 240, 94));
}

// --- colours ---

TStiData StyleWithOwnColours() {
    TStiData s;
    s.Form.Color = 0xA00007;
    s.Tab.BaseColor = 0xA00012;
    s.Tab.TopLineColor = 0xA00013;
    s.Tab.BtmLineColor = 0xA00014;
    s.TabFont.SelectColor = 0xA00108;
    s.TabFont.Color = 0xA00015;
    s.Tab.CounterColor = 0xA00005;
    s.TitleBar.BaseColor = 0xA00001;
    s.TitleBar.TopLineColor = 0xA00002;
    s.TitleBar.BtmLineColor = 0xA00003;
    s.TitleFont.Color = 0xA00004;
    s.TitleBar.CounterColor = 0xA00006;
    s.BtnBar.BaseColor = 0xA00009;
    s.BtnBar.MarkColor = 0xA00208;
    s.BtnBar.TopLineColor = 0xA00010;
    s.BtnBar.BtmLineColor = 0xA00011;
    return s;
}

TStylePreviewInput PartColoursOn(bool changeable) {
    TStylePreviewInput in;
    in.CheckBoxColor = true;
    in.ColorChangeable = changeable;
    for (size_t k = 1; k < in.PartColors.size(); ++k)
        in.PartColors[k] = static_cast<TColor>(k);
    return in;
}

std::vector<TColor> AllOf(const TPreviewColors& c) {
    return {c.Body,          c.Tab,        c.TabLight,    c.TabDark,
            c.TabSelectText, c.TabText,    c.PageCounter, c.TitleFace,
            c.TitleLight,    c.TitleDark,  c.TitleText,   c.ButtonCounter,
            c.ButtonFace,    c.ButtonMark, c.ButtonLight, c.ButtonDark};
}

TEST(PreviewColors, TypeZeroWithPartColoursOn_EachPartTakesItsNumberedColour) {
    const TPreviewColors c = PreviewColors(StyleWithOwnColours(), PartColoursOn(true));
    const std::vector<TColor> expected = {7, 12, 13, 14, 8, 15, 5, 1, 2, 3, 4, 6, 9, 8, 10, 11};
    EXPECT_EQ(AllOf(c), expected);
}

TEST(PreviewColors, OtherTypeWithPartColoursOn_KeepsTheStyleColours) {
    const TPreviewColors c = PreviewColors(StyleWithOwnColours(), PartColoursOn(false));
    const std::vector<TColor> expected = {
        0xA00007, 0xA00012, 0xA00013, 0xA00014, 0xA00108, 0xA00015, 0xA00005, 0xA00001,
        0xA00002, 0xA00003, 0xA00004, 0xA00006, 0xA00009, 0xA00208, 0xA00010, 0xA00011};
    EXPECT_EQ(AllOf(c), expected);
}

TEST(PreviewColors, TypeZeroWithPartColoursOff_KeepsTheStyleColours) {
    TStylePreviewInput in = PartColoursOn(true);
    in.CheckBoxColor = false;
    EXPECT_EQ(AllOf(PreviewColors(StyleWithOwnColours(), in)),
              AllOf(PreviewColors(StyleWithOwnColours(), PartColoursOn(false))));
    EXPECT_FALSE(PartColorsApply(in));
    EXPECT_TRUE(PartColorsApply(PartColoursOn(true)));
}

// --- hint sample plan ---

int CopiesOf(const std::vector<THintSampleCopy>& plan, THintSampleSource source) {
    return static_cast<int>(
        std::count_if(plan.begin(), plan.end(), [&](const auto& c) { return c.Source == source; }));
}

// Edges 2 x (30 x 10), sides 2 x (10 x 10), body 16 x 12.
const THintSampleSizes kSizes{{60, 10}, {20, 10}, {16, 12}};

TEST(HintSamplePlan, StretchMode_BodyFillsTheInnerAreaAndSidesStretchBesideIt) {
    const auto plan = HintSamplePlan(188, 73, 1, kSizes);
    ASSERT_EQ(CopiesOf(plan, THintSampleSource::Body), 1);
    EXPECT_EQ(plan[0].From, Rect(0, 0, 16, 12));
    EXPECT_EQ(plan[0].To, Rect(10, 10, 178, 63));
    ASSERT_EQ(CopiesOf(plan, THintSampleSource::Sides), 2);
    EXPECT_EQ(plan[1].From, Rect(0, 0, 10, 10));
    EXPECT_EQ(plan[1].To, Rect(0, 10, 10, 63));
    EXPECT_EQ(plan[2].From, Rect(10, 0, 20, 10));
    EXPECT_EQ(plan[2].To, Rect(178, 10, 188, 63));
}

TEST(HintSamplePlan, EveryMode_TopAndBottomEdgesInThreeSlicesWithTenPixelCaps) {
    for (const int mode : {0, 1, 2, 7}) {
        const auto plan = HintSamplePlan(188, 73, mode, kSizes);
        std::vector<THintSampleCopy> edges;
        std::copy_if(plan.begin(), plan.end(), std::back_inserter(edges),
                     [](const auto& c) { return c.Source == THintSampleSource::Edges; });
        ASSERT_EQ(edges.size(), 6u) << mode;
        EXPECT_EQ(edges[0].From, Rect(0, 0, 10, 10));
        EXPECT_EQ(edges[0].To, Rect(0, 0, 10, 10));
        EXPECT_EQ(edges[1].To, Rect(10, 0, 178, 10));
        EXPECT_EQ(edges[2].From, Rect(20, 0, 30, 10));
        EXPECT_EQ(edges[2].To, Rect(178, 0, 188, 10));
        // The right half is the bottom edge.
        EXPECT_EQ(edges[3].From, Rect(30, 0, 40, 10));
        EXPECT_EQ(edges[3].To, Rect(0, 63, 10, 73));
        EXPECT_EQ(edges[5].To, Rect(178, 63, 188, 73));
    }
}

TEST(HintSamplePlan, OtherModes_NeitherBodyNorSides) {
    for (const int mode : {0, 3, 255}) {
        const auto plan = HintSamplePlan(188, 73, mode, kSizes);
        EXPECT_EQ(CopiesOf(plan, THintSampleSource::Body), 0) << mode;
        EXPECT_EQ(CopiesOf(plan, THintSampleSource::Sides), 0) << mode;
    }
}

TEST(HintSamplePlan, TileMode_TilesFromTheInnerCornerOnePastTheInnerArea) {
    // Inner area 50 x 30: tiles 0 .. 50 div 16 across and 0 .. 30 div 12 down.
    const auto plan = HintSamplePlan(70, 50, 2, {{}, {}, {16, 12}});
    ASSERT_EQ(CopiesOf(plan, THintSampleSource::Body), 4 * 3);
    EXPECT_EQ(plan[0].To, Rect(10, 10, 26, 22));
    EXPECT_EQ(plan[1].To, Rect(26, 10, 42, 22));
    // The tiles that run past the inner area lie under the edges; the picture cuts them.
    EXPECT_EQ(plan[3].To, Rect(58, 10, 70, 22));
    EXPECT_EQ(plan[3].From, Rect(0, 0, 12, 12));
    EXPECT_EQ(plan[11].To, Rect(58, 34, 70, 46));
}

TEST(HintSamplePlan, TileMode_SideCellsRepeatDownUnscaledCutToTheMargin) {
    // Side cells 12 x 8 (a 24 x 8 strip) into margins 10 x 53.
    const auto plan = HintSamplePlan(188, 73, 2, {{}, {24, 8}, {}});
    ASSERT_EQ(CopiesOf(plan, THintSampleSource::Sides), 2 * 7);
    EXPECT_EQ(plan[0].From, Rect(0, 0, 10, 8));
    EXPECT_EQ(plan[0].To, Rect(0, 10, 10, 18));
    EXPECT_EQ(plan[6].From, Rect(0, 0, 10, 5));
    EXPECT_EQ(plan[6].To, Rect(0, 58, 10, 63));
    EXPECT_EQ(plan[7].From, Rect(12, 0, 22, 8));
    EXPECT_EQ(plan[7].To, Rect(178, 10, 188, 18));
}

TEST(HintSamplePlan, NoSizeOrNoPictures_NoCopiesAndNoEndlessTiling) {
    EXPECT_TRUE(HintSamplePlan(0, 73, 2, kSizes).empty());
    EXPECT_TRUE(HintSamplePlan(188, -5, 2, kSizes).empty());
    EXPECT_TRUE(HintSamplePlan(188, 73, 2, {}).empty());
    // Pictures without width or height.
    EXPECT_TRUE(HintSamplePlan(188, 73, 2, {{0, 10}, {20, 0}, {16, -1}}).empty());
}

TEST(HintSamplePlan, StripsOfOneSquareCell_TheSecondCellIsRefused) {
    const auto plan = HintSamplePlan(188, 73, 1, {{10, 10}, {10, 10}, {16, 12}});
    ASSERT_EQ(CopiesOf(plan, THintSampleSource::Sides), 1);
    EXPECT_EQ(plan[1].To, Rect(0, 10, 10, 63));
    for (const THintSampleCopy& c : plan) {
        if (c.Source == THintSampleSource::Edges) {
            EXPECT_EQ(c.To.Top, 0) << "no bottom edge";
        }
    }
}

TEST(HintSamplePlan, InnerAreaWithoutRoom_NoBodyAndSidesOnlyWhereTheyHaveHeight) {
    // 20 wide: no inner width, so no body; the sides still stand beside it.
    auto plan = HintSamplePlan(20, 73, 2, kSizes);
    EXPECT_EQ(CopiesOf(plan, THintSampleSource::Body), 0);
    EXPECT_GT(CopiesOf(plan, THintSampleSource::Sides), 0);
    // 20 high: neither body nor sides, only the edges.
    plan = HintSamplePlan(188, 20, 1, kSizes);
    EXPECT_EQ(CopiesOf(plan, THintSampleSource::Body), 0);
    EXPECT_EQ(CopiesOf(plan, THintSampleSource::Sides), 0);
    EXPECT_EQ(CopiesOf(plan, THintSampleSource::Edges), 6);
}

// --- composing ---

TEST(ComposeHintSample, CarriesThePlanOutOnAWhitePicture) {
    using namespace pixeltesting;
    const forms::PixelBuffer edges = Bands({0x0000FF, 0x00FF00}, 30, 10);
    const forms::PixelBuffer sides = Bands({0xFF0000, 0x00FFFF}, 10, 10);
    const forms::PixelBuffer body = Picture(16, 12, 0x808080);
    const auto plan = HintSamplePlan(60, 40, 1, {{60, 10}, {20, 10}, {16, 12}});
    const forms::PixelBuffer a =
        ComposeHintSample(60, 40, plan, edges.View(), sides.View(), body.View());
    ASSERT_EQ(a.Width(), 60);
    ASSERT_EQ(a.Height(), 40);
    EXPECT_TRUE(All(a, Rect(0, 0, 60, 10), 0x0000FF));
    EXPECT_TRUE(All(a, Rect(0, 30, 60, 40), 0x00FF00));
    EXPECT_TRUE(All(a, Rect(0, 10, 10, 30), 0xFF0000));
    EXPECT_TRUE(All(a, Rect(50, 10, 60, 30), 0x00FFFF));
    EXPECT_TRUE(All(a, Rect(10, 10, 50, 30), 0x808080));
}

TEST(ComposeHintSample, PicturesMissing_StaysWhite) {
    const auto plan = HintSamplePlan(60, 40, 1, {{60, 10}, {20, 10}, {16, 12}});
    const forms::PixelBuffer a = ComposeHintSample(60, 40, plan, {}, {}, {});
    EXPECT_EQ(pixeltesting::Count(a, 0xFFFFFF), 60 * 40);
}

TEST(ComposeHintSample, NoSize_EmptyPicture) {
    EXPECT_TRUE(ComposeHintSample(0, 40, {}, {}, {}, {}).Empty());
    EXPECT_TRUE(ComposeHintSample(60, -1, {}, {}, {}, {}).Empty());
}

} // namespace
