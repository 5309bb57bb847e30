// The page tab strip's rules without a window: tab lengths and layout per edge, the selected tab
// between the grid's current cell and TabIndex, when OnChange fires, how a cell is painted, and
// the counter, watched through a grid and a host that record what the strip asks of them.
#include "components/TabStrip.h"

#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace forms;
using Log = std::vector<std::string>;

namespace {

// A draw grid with the class library's rules that matter here: at least one column and row, a
// cell outside the grid refused, and the strip's Click on every move of the current cell.
class FakeGrid : public TTabGrid {
public:
    int ColCount() const override { return static_cast<int>(widths.size()); }
    void SetColCount(int v) override {
        widths.resize(static_cast<size_t>(std::max(v, 1)), defaultWidth);
        col = std::min(col, ColCount() - 1);
    }
    int RowCount() const override { return static_cast<int>(heights.size()); }
    void SetRowCount(int v) override {
        heights.resize(static_cast<size_t>(std::max(v, 1)), defaultHeight);
        row = std::min(row, RowCount() - 1);
    }
    void SetColWidths(int c, int w) override { widths.at(static_cast<size_t>(c)) = w; }
    void SetRowHeights(int r, int h) override { heights.at(static_cast<size_t>(r)) = h; }
    void SetDefaultColWidth(int v) override {
        defaultWidth = v;
        std::fill(widths.begin(), widths.end(), v);
    }
    void SetDefaultRowHeight(int v) override {
        defaultHeight = v;
        std::fill(heights.begin(), heights.end(), v);
    }
    int Col() const override { return col; }
    void SetCol(int v) override {
        if (v < 0 || v >= ColCount())
            throw EGridIndexError(v);
        if (v != col) {
            col = v;
            Moved();
        }
    }
    int Row() const override { return row; }
    void SetRow(int v) override {
        if (v < 0 || v >= RowCount())
            throw EGridIndexError(v);
        if (v != row) {
            row = v;
            Moved();
        }
    }
    void SetLeftCol(int v) override { leftCol = v; }
    void SetTopRow(int v) override { topRow = v; }

    // What the base grid does on a mouse move with hover selection: the cell under the pointer,
    // -1 (outside every cell) counting as 0.
    void Hover(int c, int r) {
        SetCol(std::max(c, 0));
        SetRow(std::max(r, 0));
    }

    std::vector<int> widths = std::vector<int>(1, 64), heights = std::vector<int>(1, 24);
    int defaultWidth = 64, defaultHeight = 24;
    int col = 0, row = 0, leftCol = -1, topRow = -1;
    std::function<void()> onMove;
    Log* log = nullptr;

private:
    void Moved() {
        if (log)
            log->push_back("click");
        if (onMove)
            onMove();
    }
};

// Measures 'M' 10 pixels wide and every other byte 6; every text is 12 high.
class FakeHost : public TTabStripHost {
public:
    int CaptionWidth(std::string_view text) override {
        int w = 0;
        for (char ch : text)
            w += ch == 'M' ? 10 : 6;
        return w;
    }
    int CaptionHeight(std::string_view) override { return 12; }
    void CopyControlFont() override { log.push_back("copy font"); }
    void TurnCaptionFont(TTabEdgePosition p) override {
        log.push_back("turn font " + std::to_string(p));
    }
    void HideCounter() override { log.push_back("hide counter"); }
    void PlaceScrollBtns() override { log.push_back("place arrows"); }
    void UpdateCounter() override { log.push_back("counter"); }
    void Redraw() override { log.push_back("redraw"); }
    void Change() override {
        log.push_back("change");
        if (onChange)
            onChange();
    }

    Log log;
    std::function<void()> onChange;
};

struct Fixture {
    explicit Fixture(std::vector<std::string> captions = {}) {
        grid.log = &host.log;
        grid.onMove = [this] {
            if (strip)
                strip->Click();
        };
        if (!captions.empty())
            SetTabs(captions);
        host.log.clear();
    }
    void SetTabs(const std::vector<std::string>& captions) {
        TStringList list;
        for (const auto& c : captions)
            list.Add(c);
        strip->SetTabs(list);
    }
    FakeGrid grid;
    FakeHost host;
    std::unique_ptr<TTabStrip> strip = std::make_unique<TTabStrip>(grid, host);
};

const std::vector<std::string> kFive = {"A", "Settings", "MMMMMMM", "", "Last"};

} // namespace

// ---- construction ----

TEST(TabStrip, ConstructionValues) {
    Fixture f;
    const TTabStrip& s = *f.strip;
    EXPECT_EQ(s.Tabs().Count(), 0);
    EXPECT_EQ(s.TabPosition(), teTop);
    EXPECT_TRUE(s.AutoWidthSize());
    EXPECT_EQ(s.Margin(), 6);
    EXPECT_EQ(s.TabBtnHeight(), 24);
    EXPECT_EQ(s.TabIndex(), -1);
    EXPECT_EQ(s.CounterPlace(), 2);
    EXPECT_TRUE(s.CounterZero());
    EXPECT_EQ(s.Look.BtmLineColor, clBtnShadow);
    EXPECT_EQ(s.Look.SelectColor, clRed);
    EXPECT_EQ(s.Look.BaseColor, clBtnFace);
    EXPECT_EQ(s.Look.TopLineColor, clBtnHighlight);
    EXPECT_EQ(s.Look.NonSelectColor, clWindowText);
    EXPECT_FALSE(s.Look.UseGlyph);
    EXPECT_TRUE(s.Look.GlyphTrans);
}

// ---- layout ----

TEST(TabStrip, TabsAlongTheTopTakeTheirCaptionsLengthButNeverLessThanFiveEms) {
    Fixture f(kFive);
    EXPECT_EQ(f.grid.ColCount(), 5);
    EXPECT_EQ(f.grid.RowCount(), 1);
    // "MMMMM" is 50: "A" 6 + 12 + 8 = 26 -> 50; "Settings" 48 + 20 = 68; "MMMMMMM" 70 + 20 = 90;
    // "" 20 -> 50; "Last" 24 + 20 = 44 -> 50.
    EXPECT_EQ(f.grid.widths, (std::vector<int>{50, 68, 90, 50, 50}));
    EXPECT_EQ(f.grid.heights, (std::vector<int>{24}));
}

TEST(TabStrip, WithoutAutoWidthEveryTabIsFiveEmsLong) {
    Fixture f(kFive);
    f.strip->SetAutoWidthSize(false);
    EXPECT_EQ(f.grid.widths, (std::vector<int>(5, 50)));
    EXPECT_EQ(f.host.log.back(), "redraw");
}

TEST(TabStrip, TabsOnTheLeftOrRightAreRows) {
    for (TTabEdgePosition edge : {teLeft, teRight}) {
        Fixture f(kFive);
        f.strip->SetTabPosition(edge);
        EXPECT_EQ(f.grid.RowCount(), 5) << edge;
        EXPECT_EQ(f.grid.ColCount(), 1);
        EXPECT_EQ(f.grid.heights, (std::vector<int>{50, 68, 90, 50, 50}));
        EXPECT_EQ(f.grid.widths, (std::vector<int>{24}));
        f.strip->SetTabPosition(teBottom); // back along the bottom: one row, the strip's thickness
        EXPECT_EQ(f.grid.widths, (std::vector<int>{50, 68, 90, 50, 50}));
        EXPECT_EQ(f.grid.heights, (std::vector<int>{24}));
    }
}

TEST(TabStrip, EmptyTabsLeaveTheCellsAndSelectNothing) {
    Fixture f(kFive);
    f.strip->SetTabIndex(3);
    f.SetTabs({});
    EXPECT_EQ(f.grid.widths, (std::vector<int>{50, 68, 90, 50, 50}));
    EXPECT_EQ(f.strip->TabIndex(), -1);
}

TEST(TabStrip, NewTabsSelectTheFirstWithoutMovingTheCellOrFiringAnything) {
    Fixture f(kFive);
    f.strip->SetTabIndex(2);
    f.host.log.clear();
    f.SetTabs({"x", "y", "z"});
    EXPECT_EQ(f.strip->TabIndex(), 0);
    EXPECT_EQ(f.grid.Col(), 2);
    EXPECT_EQ(f.host.log, (Log{"place arrows", "counter", "redraw"}));
}

TEST(TabStrip, MarginWaitsForTheNextLayout) {
    Fixture f(kFive);
    f.strip->SetMargin(20);
    EXPECT_EQ(f.grid.widths[1], 68);
    EXPECT_EQ(f.host.log, (Log{"redraw"}));
    f.strip->Rebuild();
    EXPECT_EQ(f.grid.widths[1], 48 + 40 + 8);
    EXPECT_EQ(f.host.log, (Log{"redraw", "place arrows", "counter", "redraw"}));
}

TEST(TabStrip, CaptionsEditedInPlaceShowAfterRebuild) {
    Fixture f({"a", "b"});
    f.strip->Tabs().Add("MMMMMMMMMM");
    EXPECT_EQ(f.grid.ColCount(), 2);
    f.strip->Rebuild();
    EXPECT_EQ(f.grid.widths, (std::vector<int>{50, 50, 120}));
}

TEST(TabStrip, TabBtnHeightIsTheThicknessAndTurnsTheFontAgain) {
    Fixture f(kFive);
    f.strip->SetTabBtnHeight(30);
    EXPECT_EQ(f.grid.heights, (std::vector<int>{30}));
    EXPECT_EQ(f.host.log, (Log{"turn font 0", "redraw"}));
    f.strip->SetTabPosition(teRight);
    f.host.log.clear();
    f.strip->SetTabBtnHeight(20);
    EXPECT_EQ(f.grid.widths, (std::vector<int>{20}));
    EXPECT_EQ(f.host.log, (Log{"turn font 3", "redraw"}));
}

TEST(TabStrip, TabPositionCopiesTheFontLaysOutTurnsItAndShowsTheSelectedTab) {
    Fixture f(kFive);
    f.strip->SetTabIndex(3);
    f.host.log.clear();
    f.strip->SetTabPosition(teLeft);
    EXPECT_EQ(f.host.log,
              (Log{"hide counter", "copy font", "turn font 2", "place arrows", "click", "redraw"}));
    EXPECT_EQ(f.grid.Row(), 3);
    EXPECT_EQ(f.grid.topRow, 0);
    EXPECT_EQ(f.strip->TabIndex(), 3);

    f.host.log.clear();
    f.strip->SetTabPosition(teTop); // the counter stays hidden until VisibleCounter is set again
    EXPECT_EQ(f.host.log, (Log{"copy font", "turn font 0", "place arrows", "click", "redraw"}));
    EXPECT_EQ(f.grid.Col(), 3);
    EXPECT_EQ(f.grid.leftCol, 0);
}

TEST(TabStrip, TabPositionRunsAlsoForTheSameEdge) {
    Fixture f(kFive);
    f.strip->SetTabPosition(teTop);
    EXPECT_EQ(f.host.log, (Log{"copy font", "turn font 0", "place arrows", "redraw"}));
}

TEST(TabStrip, TabLengthsSaturateForAHugeMargin) {
    Fixture f(kFive);
    f.strip->SetMargin(INT_MAX);
    f.strip->Rebuild();
    EXPECT_EQ(f.grid.widths[0], INT_MAX);
    f.strip->SetMargin(INT_MIN);
    f.strip->Rebuild();
    EXPECT_EQ(f.grid.widths[0], 50);
}

TEST(TabStrip, SizeTabCellOfNoTabRaises) {
    Fixture f({"a"});
    EXPECT_THROW(f.strip->SizeTabCell(1), EListIndexError);
}

// ---- TabIndex ----

TEST(TabStrip, TabIndexMovesTheCellAndUpdatesTheCounterWithoutChange) {
    Fixture f(kFive);
    f.strip->SetTabIndex(4);
    EXPECT_EQ(f.grid.Col(), 4);
    EXPECT_EQ(f.strip->TabIndex(), 4);
    EXPECT_EQ(f.host.log, (Log{"click", "counter"}));
}

TEST(TabStrip, TabIndexThatNamesNoTabRaisesAndChangesNothing) {
    Fixture f(kFive);
    f.strip->SetTabIndex(2);
    f.host.log.clear();
    for (int bad : {-1, 5, INT_MIN}) {
        EXPECT_THROW(f.strip->SetTabIndex(bad), EGridIndexError) << bad;
        EXPECT_EQ(f.strip->TabIndex(), 2);
        EXPECT_EQ(f.grid.Col(), 2);
    }
    EXPECT_TRUE(f.host.log.empty());
    Fixture none;
    EXPECT_THROW(none.strip->SetTabIndex(0), EGridIndexError);
    EXPECT_EQ(none.strip->TabIndex(), -1);
}

TEST(TabStrip, TabIndexOfATabNotLaidOutYetRaisesAndChangesNothing) {
    Fixture f({"a", "b"});
    f.strip->Tabs().Add("c"); // no Rebuild: the grid has two columns
    EXPECT_THROW(f.strip->SetTabIndex(2), EGridIndexError);
    EXPECT_EQ(f.strip->TabIndex(), 0);
}

// ---- Click and Change ----

TEST(TabStrip, ClickCopiesTheCurrentCellIntoTabIndex) {
    Fixture f(kFive);
    f.grid.SetCol(3);
    EXPECT_EQ(f.strip->TabIndex(), 3);
    f.strip->SetTabPosition(teRight);
    f.grid.SetRow(1);
    EXPECT_EQ(f.strip->TabIndex(), 1);
}

TEST(TabStrip, ClickOnACellBeyondTheCaptionsSelectsNothing) {
    Fixture f(kFive);
    f.strip->Tabs().Delete(4);
    f.strip->Tabs().Delete(3); // the grid still has five columns
    f.grid.SetCol(4);
    EXPECT_EQ(f.strip->TabIndex(), 0);
}

TEST(TabStrip, HoverFiresChangeWhenTheTabChanged) {
    Fixture f(kFive);
    f.grid.Hover(2, 0);
    f.strip->MouseMoved(true);
    f.grid.Hover(2, 0);
    f.strip->MouseMoved(true);
    EXPECT_EQ(f.strip->TabIndex(), 2);
    EXPECT_EQ(f.host.log, (Log{"click", "change"}));
}

TEST(TabStrip, HoverBeyondTheLastTabSelectsTheFirst) {
    Fixture f(kFive);
    f.grid.Hover(3, 0);
    f.strip->MouseMoved(true);
    f.host.log.clear();
    f.grid.Hover(-1, 0);
    f.strip->MouseMoved(true);
    EXPECT_EQ(f.strip->TabIndex(), 0);
    EXPECT_EQ(f.host.log, (Log{"click", "change"}));
}

TEST(TabStrip, WithoutHoverSelectionAMoveOnlyRemembersTheTab) {
    Fixture f(kFive);
    f.strip->SetTabIndex(3);
    f.strip->MouseMoved(false);
    f.host.log.clear();
    f.strip->MouseMoved(true); // TabIndex as the last move saw it
    EXPECT_TRUE(f.host.log.empty());
}

TEST(TabStrip, EveryReleaseFiresChangeAlsoOnTheSelectedTab) {
    Fixture f(kFive);
    f.strip->Released();
    f.strip->Released();
    EXPECT_EQ(f.host.log, (Log{"change", "change"}));
}

TEST(TabStrip, ArrowsStepOneTabAndHoldAtTheEnds) {
    Fixture f(kFive);
    f.strip->ArrowPressed(-1, true);
    EXPECT_EQ(f.strip->TabIndex(), 0);
    EXPECT_EQ(f.host.log, (Log{"change"}));
    f.strip->ArrowPressed(+1, true);
    EXPECT_EQ(f.strip->TabIndex(), 1);
    f.strip->SetTabIndex(4);
    f.host.log.clear();
    f.strip->ArrowPressed(+1, true);
    f.strip->ArrowPressed(0, true);
    EXPECT_EQ(f.strip->TabIndex(), 4);
    EXPECT_EQ(f.host.log, (Log{"change", "change"}));
}

TEST(TabStrip, ArrowsOnTheSideStepRows) {
    Fixture f(kFive);
    f.strip->SetTabPosition(teLeft);
    f.strip->ArrowPressed(+1, true);
    EXPECT_EQ(f.grid.Row(), 1);
    EXPECT_EQ(f.grid.Col(), 0);
    EXPECT_EQ(f.strip->TabIndex(), 1);
}

TEST(TabStrip, HiddenArrowsDoNothing) {
    Fixture f(kFive);
    f.strip->ArrowPressed(+1, false);
    EXPECT_EQ(f.strip->TabIndex(), 0);
    EXPECT_TRUE(f.host.log.empty());
}

TEST(TabStrip, WithoutTabsNothingSelectsAndNothingFires) {
    Fixture f(kFive);
    f.SetTabs({}); // the grid keeps five columns
    f.host.log.clear();
    f.grid.Hover(3, 0);
    f.strip->MouseMoved(true);
    f.strip->Released();
    f.strip->ArrowPressed(+1, true);
    f.grid.SetCol(1);
    EXPECT_EQ(f.strip->TabIndex(), -1);
    EXPECT_EQ(f.host.log, (Log{"click", "click"}));
}

TEST(TabStrip, ChangeMayFreeTheStrip) {
    Fixture f(kFive);
    f.host.onChange = [&f] { f.strip.reset(); };
    f.grid.Hover(2, 0);
    f.strip->MouseMoved(true);
    EXPECT_EQ(f.strip, nullptr);
}

TEST(TabStrip, ClickMayFreeTheStripWhileTabIndexMovesTheCell) {
    Fixture f(kFive);
    TTabStrip* strip = f.strip.get();
    f.grid.onMove = [&f] { f.strip.reset(); };
    strip->SetTabIndex(3);
    EXPECT_EQ(f.strip, nullptr);
}

// ---- painting ----

TEST(TabStrip, WithoutTabsNoCellIsPainted) {
    Fixture f;
    EXPECT_FALSE(f.strip->PlanCell(0, 0, Rect(0, 0, 50, 24), true).Paint);
}

TEST(TabStrip, CaptionOnTopSitsAMarginInAndOnePixelLowerWhenNotSelected) {
    Fixture f(kFive);
    const TRect r = Rect(50, 0, 118, 24);
    const TTabCellPlan on = f.strip->PlanCell(1, 0, r, true);
    ASSERT_TRUE(on.HasCaption);
    EXPECT_EQ(on.Caption, "Settings");
    EXPECT_FALSE(on.Skin);
    EXPECT_EQ(on.Fill, r);
    EXPECT_EQ(on.X, 50 + 8);
    EXPECT_EQ(on.Y, (24 - 12) / 2 + 1);
    EXPECT_EQ(on.CaptionRect, Rect(50, 0, 110, 24));
    EXPECT_EQ(on.CaptionColor, clRed);
    const TTabCellPlan off = f.strip->PlanCell(1, 0, r, false);
    EXPECT_EQ(off.Y, on.Y + 1);
    EXPECT_EQ(off.X, on.X);
    EXPECT_EQ(off.CaptionColor, clWindowText);
}

TEST(TabStrip, CaptionsShiftTowardTheWindowsInsidePerEdge) {
    struct Case {
        TTabEdgePosition edge;
        int x, y, xOff, yOff; // selected origin, and the unselected one's offset from it
    };
    // Cell (0, 100)-(24, 168); h 12, centring 6, inset 8.
    const Case cases[] = {
        {teBottom, 8, 100 + 6 - 1, 0, -1},
        {teLeft, 6 + 12 + 1, 108, 1, 0},
        {teRight, 6 + 12 - 1, 108, -1, 0},
    };
    for (const Case& c : cases) {
        Fixture f(kFive);
        f.strip->SetTabPosition(c.edge);
        const TRect r = Rect(0, 100, 24, 168);
        const TTabCellPlan on = f.strip->PlanCell(1, 1, r, true);
        const TTabCellPlan off = f.strip->PlanCell(1, 1, r, false);
        EXPECT_EQ(on.X, c.x) << c.edge;
        EXPECT_EQ(on.Y, c.y) << c.edge;
        EXPECT_EQ(off.X - on.X, c.xOff) << c.edge;
        EXPECT_EQ(off.Y - on.Y, c.yOff) << c.edge;
        if (c.edge == teBottom)
            EXPECT_EQ(on.CaptionRect, Rect(0, 100, 16, 168));
        else
            EXPECT_EQ(on.CaptionRect, Rect(0, 100, 24, 160));
    }
}

TEST(TabStrip, CentringRoundsTowardZero) {
    Fixture f(kFive);
    f.strip->SetTabBtnHeight(25);
    EXPECT_EQ(f.strip->PlanCell(0, 0, Rect(0, 0, 50, 25), true).Y, 6 + 1);
    f.strip->SetTabBtnHeight(5); // (5 - 12) / 2 = -3, not -4
    EXPECT_EQ(f.strip->PlanCell(0, 0, Rect(0, 0, 50, 5), true).Y, -3 + 1);
}

TEST(TabStrip, SkinFramesAndAnglesFollowTheEdge) {
    const struct {
        TTabEdgePosition edge;
        int angle;
    } cases[] = {{teTop, 0}, {teBottom, 0}, {teLeft, 90}, {teRight, -90}};
    for (const auto& c : cases) {
        Fixture f(kFive);
        f.strip->SetTabPosition(c.edge);
        f.strip->Look.UseGlyph = true;
        const TRect r = Rect(10, 20, 60, 80);
        const TTabCellPlan on = f.strip->PlanCell(1, 1, r, true);
        const TTabCellPlan off = f.strip->PlanCell(1, 1, r, false);
        EXPECT_TRUE(on.Skin);
        EXPECT_EQ(on.SkinFrame, 0);
        EXPECT_EQ(off.SkinFrame, 1);
        EXPECT_EQ(on.SkinAngle, c.angle) << c.edge;
        const bool vertical = c.edge == teLeft || c.edge == teRight;
        EXPECT_EQ(on.SkinRect, vertical ? Rect(10, 21, 60, 79) : Rect(11, 20, 59, 80));
        if (!vertical)
            EXPECT_EQ(on.X, 11 + 8); // from the skin's shrunk edge
        else
            EXPECT_EQ(on.Y, 21 + 8);
    }
}

TEST(TabStrip, CellBeyondTheCaptionsOrWithAnEmptyOneHasNoCaption) {
    Fixture f(kFive);
    const TTabCellPlan empty = f.strip->PlanCell(3, 0, Rect(0, 0, 50, 24), false);
    EXPECT_TRUE(empty.Paint);
    EXPECT_FALSE(empty.HasCaption);
    const TTabCellPlan beyond = f.strip->PlanCell(7, 0, Rect(0, 0, 50, 24), false);
    EXPECT_TRUE(beyond.Paint);
    EXPECT_FALSE(beyond.HasCaption);
    EXPECT_FALSE(f.strip->PlanCell(-1, 0, Rect(0, 0, 50, 24), false).HasCaption);
}

// ---- counter ----

TEST(TabStrip, PadNumberFillsToThePlacesButNeverCuts) {
    EXPECT_EQ(PadNumber(2, 2, true), "02");
    EXPECT_EQ(PadNumber(2, 2, false), " 2");
    EXPECT_EQ(PadNumber(120, 2, true), "120");
    EXPECT_EQ(PadNumber(0, 3, true), "000");
    EXPECT_EQ(PadNumber(7, 0, true), "7");
    EXPECT_EQ(PadNumber(7, -4, false), "7");
    EXPECT_EQ(PadNumber(7, INT_MAX, false).size(), 32u);
}

TEST(TabStrip, CounterReadsTheTabAndTheNumberOfTabs) {
    Fixture f(kFive);
    f.strip->SetTabIndex(1);
    EXPECT_EQ(f.strip->CounterCaption(), "02-05");
    EXPECT_EQ(f.strip->CounterHint(), "Page No: 2 - Total: 5");
    f.strip->SetCounterZero(false);
    EXPECT_EQ(f.strip->CounterCaption(), " 2- 5");
    EXPECT_EQ(f.host.log.back(), "counter");
    Fixture none;
    EXPECT_EQ(none.strip->CounterCaption(), "00-00");
    EXPECT_EQ(none.strip->CounterHint(), "Page No: 0 - Total: 0");
}

TEST(TabStrip, CounterKeepsEveryDigitOfManyTabs) {
    std::vector<std::string> many(120, "p");
    Fixture f(many);
    f.strip->SetTabIndex(1);
    EXPECT_EQ(f.strip->CounterCaption(), "02-120");
    f.strip->SetCounterPlace(4);
    EXPECT_EQ(f.strip->CounterCaption(), "0002-0120");
}

// ---- arrows and counter placement ----

TEST(TabStrip, ArrowTargetHoldsAtTheEnds) {
    EXPECT_EQ(ArrowTarget(-1, 0, 5), 0);
    EXPECT_EQ(ArrowTarget(+1, 4, 5), 4);
    EXPECT_EQ(ArrowTarget(+1, 2, 5), 3);
    EXPECT_EQ(ArrowTarget(0, 2, 5), 2);
    EXPECT_EQ(ArrowTarget(+1, INT_MAX, INT_MAX), INT_MAX - 1);
}

TEST(TabStrip, ArrowsLieAtTheStripsEnd) {
    EXPECT_EQ(ArrowsType(teTop), sbtHor);
    EXPECT_EQ(ArrowsType(teBottom), sbtHor);
    EXPECT_EQ(ArrowsType(teLeft), sbtVer);
    EXPECT_EQ(ArrowsType(teRight), sbtVer);
    const TSize strip{224, 30};
    EXPECT_EQ(ArrowsOrigin(teTop, strip, 24, {30, 15}), (TPoint{194, 8}));
    EXPECT_EQ(ArrowsOrigin(teBottom, strip, 24, {30, 15}), (TPoint{194, 0}));
    EXPECT_EQ(ArrowsOrigin(teLeft, {24, 200}, 24, {15, 30}), (TPoint{9, 170}));
    EXPECT_EQ(ArrowsOrigin(teRight, {24, 200}, 24, {15, 30}), (TPoint{9, 170}));
}

TEST(TabStrip, CounterSitsTwoPixelsBelowTheStripsRightEnd) {
    EXPECT_EQ(CounterOrigin({224, 24}, {40, 14}), (TPoint{184, 12}));
}
