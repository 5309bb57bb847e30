// The skinned hint's plan (which part of which picture goes where) and the composed picture.
#include "components/HintSkin.h"

#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace forms;
using namespace pixeltesting;

bool operator==(const THintSkinCopy& a, const THintSkinCopy& b) {
    return a.Source == b.Source && a.From == b.From && a.To == b.To;
}

void PrintTo(const THintSkinCopy& c, std::ostream* os) {
    const char* names[] = {"Body", "Edges", "Sides"};
    *os << names[static_cast<int>(c.Source)] << " (" << c.From.Left << "," << c.From.Top << ","
        << c.From.Right << "," << c.From.Bottom << ") -> (" << c.To.Left << "," << c.To.Top << ","
        << c.To.Right << "," << c.To.Bottom << ")";
}

namespace {

using Plan = std::vector<THintSkinCopy>;
constexpr auto Body = THintSkinSource::Body;
constexpr auto Edges = THintSkinSource::Edges;
constexpr auto Sides = THintSkinSource::Sides;

// Left 10, right 6, top 4, bottom 8: on a 60 x 40 hint the body is (10, 4)-(54, 32).
THintMetrics Margins() {
    THintMetrics m;
    m.LeftMargin = 10;
    m.RightMargin = 6;
    m.TopMargin = 4;
    m.HeightMargin = 8;
    return m;
}

// A 16 x 16 body, edges of two 30 x 10 halves, sides of two 10 x 10 cells.
const THintSkinSizes kSizes{{16, 16}, {60, 10}, {20, 10}};

const Plan kTopAndBottom = {
    {Edges, Rect(0, 0, 10, 10), Rect(0, 0, 10, 4)},
    {Edges, Rect(10, 0, 24, 10), Rect(10, 0, 54, 4)},
    {Edges, Rect(24, 0, 30, 10), Rect(54, 0, 60, 4)},
    {Edges, Rect(30, 0, 40, 10), Rect(0, 32, 10, 40)},
    {Edges, Rect(40, 0, 54, 10), Rect(10, 32, 54, 40)},
    {Edges, Rect(54, 0, 60, 10), Rect(54, 32, 60, 40)},
};

Plan Joined(Plan a, const Plan& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

// ---- plans ----

TEST(HintSkinPlan, StretchFillsTheBodyAndSidesAndSlicesTheEdges) {
    const Plan expected = Joined(
        {
            {Body, Rect(0, 0, 16, 16), Rect(10, 4, 54, 32)},
            {Sides, Rect(0, 0, 10, 10), Rect(0, 4, 10, 32)},
            {Sides, Rect(10, 0, 20, 10), Rect(54, 4, 60, 32)},
        },
        kTopAndBottom);
    EXPECT_EQ(HintSkinPlan(60, 40, Margins(), wdsStretch, kSizes), expected);
}

TEST(HintSkinPlan, TailTilesTheBodyAndRepeatsTheSidesCutToTheirBoxes) {
    const Plan expected = Joined(
        {
            {Body, Rect(0, 0, 16, 16), Rect(10, 4, 26, 20)},
            {Body, Rect(0, 0, 16, 16), Rect(26, 4, 42, 20)},
            {Body, Rect(0, 0, 12, 16), Rect(42, 4, 54, 20)},
            {Body, Rect(0, 0, 16, 12), Rect(10, 20, 26, 32)},
            {Body, Rect(0, 0, 16, 12), Rect(26, 20, 42, 32)},
            {Body, Rect(0, 0, 12, 12), Rect(42, 20, 54, 32)},
            {Sides, Rect(0, 0, 10, 10), Rect(0, 4, 10, 14)},
            {Sides, Rect(0, 0, 10, 10), Rect(0, 14, 10, 24)},
            {Sides, Rect(0, 0, 10, 8), Rect(0, 24, 10, 32)},
            {Sides, Rect(10, 0, 16, 10), Rect(54, 4, 60, 14)},
            {Sides, Rect(10, 0, 16, 10), Rect(54, 14, 60, 24)},
            {Sides, Rect(10, 0, 16, 8), Rect(54, 24, 60, 32)},
        },
        kTopAndBottom);
    EXPECT_EQ(HintSkinPlan(60, 40, Margins(), wdsTail, kSizes), expected);
}

TEST(HintSkinPlan, TailOfAnExactMultipleAddsNoEmptyTiles) {
    // A 32 x 16 body of 16 x 16 tiles: the extra column and row lie outside it.
    const Plan plan = HintSkinPlan(10 + 32 + 6, 4 + 16 + 8, Margins(), wdsTail, {{16, 16}, {}, {}});
    EXPECT_EQ(plan, (Plan{{Body, Rect(0, 0, 16, 16), Rect(10, 4, 26, 20)},
                          {Body, Rect(0, 0, 16, 16), Rect(26, 4, 42, 20)}}));
}

TEST(HintSkinPlan, NormalDrawsTheBodyOnceUnscaledAndNoSides) {
    const Plan expected = Joined({{Body, Rect(0, 0, 16, 16), Rect(10, 4, 26, 20)}}, kTopAndBottom);
    EXPECT_EQ(HintSkinPlan(60, 40, Margins(), wdsNormal, kSizes), expected);
}

TEST(HintSkinPlan, MarginsWiderThanTheHintDrawNoBodyOrSides) {
    THintMetrics m = Margins();
    m.LeftMargin = m.RightMargin = 40;
    for (const TWindowDrawStyle style : {wdsNormal, wdsStretch, wdsTail})
        for (const THintSkinCopy& c : HintSkinPlan(60, 40, m, style, kSizes))
            EXPECT_EQ(c.Source, Edges) << "style " << style;
}

TEST(HintSkinPlan, MarginsTallerThanTheHintDrawNoBodyOrSides) {
    for (const THintSkinCopy& c : HintSkinPlan(60, 10, Margins(), wdsTail, kSizes))
        EXPECT_EQ(c.Source, Edges);
}

TEST(HintSkinPlan, EmptyPicturesGetNoCopies) {
    EXPECT_TRUE(HintSkinPlan(60, 40, Margins(), wdsTail, {}).empty());
    EXPECT_TRUE(HintSkinPlan(60, 40, Margins(), wdsStretch, {}).empty());
    const Plan noBody = HintSkinPlan(60, 40, Margins(), wdsTail, {{0, 0}, {60, 10}, {20, 10}});
    for (const THintSkinCopy& c : noBody)
        EXPECT_NE(c.Source, Body);
    // Pictures of one row or column but no area.
    EXPECT_TRUE(HintSkinPlan(60, 40, Margins(), wdsTail, {{16, 0}, {0, 10}, {20, 0}}).empty());
}

TEST(HintSkinPlan, AHintWithoutAreaGetsNoCopies) {
    EXPECT_TRUE(HintSkinPlan(0, 40, Margins(), wdsStretch, kSizes).empty());
    EXPECT_TRUE(HintSkinPlan(60, 0, Margins(), wdsStretch, kSizes).empty());
    EXPECT_TRUE(HintSkinPlan(-5, -5, Margins(), wdsTail, kSizes).empty());
}

TEST(HintSkinPlan, SideCellsThatAreNotSquaresAreRefused) {
    // Two cells 5 x 40: the strip holds no square cell.
    const Plan plan = HintSkinPlan(60, 40, Margins(), wdsStretch, {{16, 16}, {60, 10}, {10, 40}});
    for (const THintSkinCopy& c : plan)
        EXPECT_NE(c.Source, Sides);
}

TEST(HintSkinPlan, SideCellsWithoutWidthAreRefused) {
    const Plan plan = HintSkinPlan(60, 40, Margins(), wdsTail, {{16, 16}, {60, 10}, {1, 1}});
    for (const THintSkinCopy& c : plan)
        EXPECT_NE(c.Source, Sides);
}

TEST(HintSkinPlan, MarginsOfZeroGiveNoSidesAndThirdsForTheEdges) {
    THintMetrics m;
    m.LeftMargin = m.RightMargin = 0;
    m.TopMargin = m.HeightMargin = 5;
    const Plan plan = HintSkinPlan(60, 40, m, wdsStretch, kSizes);
    for (const THintSkinCopy& c : plan)
        EXPECT_NE(c.Source, Sides);
    ASSERT_EQ(plan.size(), 7u);
    EXPECT_EQ(plan[1], (THintSkinCopy{Edges, Rect(0, 0, 10, 10), Rect(0, 0, 10, 5)}));
}

// ---- composing ----

TEST(ComposeHintSkin, PutsEachPictureInItsPlace) {
    const PixelBuffer body = Picture(16, 16, clRed);
    const PixelBuffer edges = Bands({clLime, clBlue}, 30, 10);
    const PixelBuffer sides = Bands({clYellow, clAqua}, 10, 10);
    PixelBuffer skin = Picture(60, 40, clWhite, 32);
    ComposeHintSkin(skin.View(), body.View(), edges.View(), sides.View(),
                    HintSkinPlan(60, 40, Margins(), wdsStretch, kSizes));
    EXPECT_TRUE(All(skin, Rect(10, 4, 54, 32), clRed));
    EXPECT_TRUE(All(skin, Rect(0, 4, 10, 32), clYellow));
    EXPECT_TRUE(All(skin, Rect(54, 4, 60, 32), clAqua));
    EXPECT_TRUE(All(skin, Rect(0, 0, 60, 4), clLime));
    EXPECT_TRUE(All(skin, Rect(0, 32, 60, 40), clBlue));
}

TEST(ComposeHintSkin, NormalLeavesWhiteWhereTheBodyDoesNotReach) {
    const PixelBuffer body = Picture(16, 16, clRed);
    const PixelBuffer edges = Bands({clLime, clBlue}, 30, 10);
    const PixelBuffer sides = Bands({clYellow, clAqua}, 10, 10);
    PixelBuffer skin = Picture(60, 40, clWhite, 32);
    ComposeHintSkin(skin.View(), body.View(), edges.View(), sides.View(),
                    HintSkinPlan(60, 40, Margins(), wdsNormal, kSizes));
    EXPECT_TRUE(All(skin, Rect(10, 4, 26, 20), clRed));
    EXPECT_TRUE(All(skin, Rect(26, 4, 60, 32), clWhite));
    EXPECT_TRUE(All(skin, Rect(0, 4, 10, 32), clWhite));
}

TEST(ComposeHintSkin, MissingPicturesLeaveThePictureAlone) {
    PixelBuffer skin = Picture(60, 40, clWhite, 32);
    ComposeHintSkin(skin.View(), PixelView(), PixelView(), PixelView(),
                    HintSkinPlan(60, 40, Margins(), wdsTail, kSizes));
    EXPECT_EQ(Count(skin, clWhite), 60 * 40);
}

TEST(ComposeHintSkin, OnAnEmptyPictureDoesNothing) {
    const PixelBuffer body = Picture(16, 16, clRed);
    ComposeHintSkin(PixelView(), body.View(), body.View(), body.View(),
                    HintSkinPlan(60, 40, Margins(), wdsStretch, kSizes));
}
