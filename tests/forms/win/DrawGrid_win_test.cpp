// The draw grid: counts and cell sizes, the current cell and what shows of the grid, the cell
// under a point, and what real presses and paints do.
#include "support/WinTest.h"

#include "forms/win/Button.h"
#include "forms/win/DrawGrid.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;

namespace {

class TProbeGrid : public TCustomDrawGrid {
public:
    explicit TProbeGrid(TComponent* owner) : TCustomDrawGrid(owner) {
        OnClick = [this](TComponent*) { log.push_back("click " + Cell()); };
        OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int, int) {
            log.push_back("down " + Cell());
        };
    }
    std::string Cell() const { return std::to_string(Col()) + "," + std::to_string(Row()); }
    std::vector<std::string> log;
};

// A grid of 4 x 3 cells of 40 x 20 pixels in a 150 x 50 client: columns 0 to 2 and rows 0 to 1
// show whole or in part.
TProbeGrid* PlaceGrid(TWinControl& parent) {
    auto* g = MakeChild<TProbeGrid>(&parent, Bounds(10, 10, 150, 50));
    g->SetColCount(4);
    g->SetRowCount(3);
    g->SetDefaultColWidth(40);
    g->SetDefaultRowHeight(20);
    return g;
}

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

} // namespace

using DrawGridTest = WinTest;

// ---- counts and sizes ----

TEST_F(DrawGridTest, CountsAreAtLeastOne) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(0);
    g->SetRowCount(-3);
    EXPECT_EQ(g->ColCount(), 1);
    EXPECT_EQ(g->RowCount(), 1);
}

TEST_F(DrawGridTest, CountAboveTheLimitRaisesAndChangesNothing) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(7);
    EXPECT_THROW(g->SetColCount(TCustomDrawGrid::kMaxCount + 1), EGridIndexError);
    EXPECT_THROW(g->SetRowCount(TCustomDrawGrid::kMaxCount + 1), EGridIndexError);
    EXPECT_EQ(g->ColCount(), 7);
    EXPECT_NO_THROW(g->SetColCount(TCustomDrawGrid::kMaxCount));
}

TEST_F(DrawGridTest, NewColumnsTakeTheDefaultWidth) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(2);
    g->SetDefaultColWidth(30);
    g->SetColWidths(1, 12);
    g->SetColCount(4);
    EXPECT_EQ(g->ColWidths(1), 12);
    EXPECT_EQ(g->ColWidths(3), 30);
}

TEST_F(DrawGridTest, SettingADefaultResetsEveryCellAlsoWhenUnchanged) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(3);
    g->SetRowCount(3);
    g->SetDefaultColWidth(30);
    g->SetDefaultRowHeight(18);
    g->SetColWidths(2, 70);
    g->SetRowHeights(1, 5);
    g->SetDefaultColWidth(30);
    g->SetDefaultRowHeight(18);
    EXPECT_EQ(g->ColWidths(2), 30);
    EXPECT_EQ(g->RowHeights(1), 18);
}

TEST_F(DrawGridTest, SizesAreCutIntoTheirRangeAndOnlyCellsOfTheGridHaveOne) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColWidths(0, -5);
    g->SetRowHeights(0, 1 << 30);
    EXPECT_EQ(g->ColWidths(0), 0);
    EXPECT_EQ(g->RowHeights(0), TCustomDrawGrid::kMaxCellSize);
    g->SetDefaultColWidth(-1);
    EXPECT_EQ(g->DefaultColWidth(), 0);
    EXPECT_THROW(g->SetColWidths(g->ColCount(), 10), EGridIndexError);
    EXPECT_THROW((void)g->RowHeights(-1), EGridIndexError);
}

// ---- current cell ----

TEST_F(DrawGridTest, InvalidColOrRowRaisesAndChangesNothing) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(4);
    g->SetRowCount(3);
    g->SetCol(2);
    g->log.clear();
    EXPECT_THROW(g->SetCol(4), EGridIndexError);
    EXPECT_THROW(g->SetCol(-1), EGridIndexError);
    EXPECT_THROW(g->SetRow(3), EGridIndexError);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->Row(), 0);
    EXPECT_TRUE(g->log.empty());
}

TEST_F(DrawGridTest, MovingTheCurrentCellClicksOnlyWhenItMoves) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetCol(1);
    g->SetCol(1);
    g->SetRow(2);
    EXPECT_EQ(g->log, (std::vector<std::string>{"click 1,0", "click 1,2"}));
}

TEST_F(DrawGridTest, FewerColumnsPullTheCurrentCellInQuietly) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(6);
    g->SetCol(5);
    g->log.clear();
    g->SetColCount(3);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_LE(g->LeftCol(), 2);
    EXPECT_TRUE(g->log.empty());
}

TEST_F(DrawGridTest, CurrentColumnComesIntoView) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    g->SetCol(3); // ends at 160 from column 0: two columns must go
    EXPECT_EQ(g->LeftCol(), 1);
    g->SetCol(0);
    EXPECT_EQ(g->LeftCol(), 0);
    g->SetRow(2); // rows 20 high in a 50-pixel client: row 2 ends at 60
    EXPECT_EQ(g->TopRow(), 1);
}

TEST_F(DrawGridTest, LeftColMovesTheViewNotTheCurrentCell) {
    auto g = MakeScoped<TProbeGrid>();
    g->SetColCount(4);
    g->SetCol(1);
    g->log.clear();
    g->SetLeftCol(3);
    EXPECT_EQ(g->LeftCol(), 3);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_THROW(g->SetLeftCol(4), EGridIndexError);
    EXPECT_THROW(g->SetTopRow(-1), EGridIndexError);
    EXPECT_EQ(g->LeftCol(), 3);
    EXPECT_TRUE(g->log.empty());
}

// ---- cells and points ----

TEST_F(DrawGridTest, MouseToCellIsMinusOneOutsideTheCells) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    g->SetColCount(3); // 120 of the 150 pixels
    int col = 0, row = 0;
    g->MouseToCell(45, 25, col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    g->MouseToCell(130, 5, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, 0);
    g->MouseToCell(-1, -1, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
    g->MouseToCell(10, 50, col, row); // the client's bottom edge is outside
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, -1);
}

TEST_F(DrawGridTest, CellsStartAtLeftColAndTopRow) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    g->SetColWidths(1, 25);
    EXPECT_EQ(g->CellRect(1, 1), Rect(40, 20, 65, 40));
    EXPECT_EQ(g->CellRect(3, 0), Rect(105, 0, 145, 20));
    g->SetLeftCol(1);
    g->SetTopRow(1);
    int col = 0, row = 0;
    g->MouseToCell(30, 5, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(g->CellRect(1, 1), Rect(0, 0, 25, 20));
    EXPECT_TRUE(g->CellRect(0, 1).IsEmpty()); // scrolled out
    EXPECT_TRUE(g->CellRect(4, 1).IsEmpty()); // no such column
}

// ---- real input ----

TEST_F(DrawGridTest, PressMakesTheCellCurrentAndFocusesWithoutTabStop) {
    auto f = ShownForm();
    auto* button = MakeChild<TButton>(f.get(), Bounds(10, 100, 80, 24));
    auto* g = PlaceGrid(*f);
    g->SetTabStop(false);
    button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return button->Focused(); }));
    kbtest::ClickAt(g->Handle(), 50, 25);
    ASSERT_TRUE(PumpUntil([&] { return g->log.size() == 2; }));
    EXPECT_EQ(g->log, (std::vector<std::string>{"click 1,1", "down 1,1"}));
    EXPECT_TRUE(g->Focused());
}

TEST_F(DrawGridTest, PressOnTheCurrentCellClicksAgainAndReleaseDoesNot) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    int ups = 0;
    g->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
    kbtest::ClickAt(g->Handle(), 5, 5);
    ASSERT_TRUE(PumpUntil([&] { return ups == 1; }));
    EXPECT_EQ(g->log, (std::vector<std::string>{"click 0,0", "down 0,0"}));
}

TEST_F(DrawGridTest, PressBesideTheCellsOrWithTheRightButtonMovesNothing) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    g->SetColCount(3);
    kbtest::ClickAt(g->Handle(), 140, 5);
    ASSERT_TRUE(PumpUntil([&] { return g->log.size() == 1; }));
    kbtest::ClickAt(g->Handle(), 45, 25, true);
    ASSERT_TRUE(PumpUntil([&] { return g->log.size() == 2; }));
    EXPECT_EQ(g->log, (std::vector<std::string>{"down 0,0", "down 0,0"}));
    EXPECT_TRUE(g->Focused());
}

TEST_F(DrawGridTest, PressOnAPartlyShownCellScrollsItIntoView) {
    auto f = ShownForm();
    auto* g = PlaceGrid(*f);
    kbtest::ClickAt(g->Handle(), 130, 5); // column 3 shows 30 of its 40 pixels
    ASSERT_TRUE(PumpUntil([&] { return g->log.size() == 2; }));
    EXPECT_EQ(g->Col(), 3);
    EXPECT_EQ(g->LeftCol(), 1);
}

// ---- painting ----

TEST_F(DrawGridTest, EveryShownCellIsDrawnWithItsState) {
    auto f = ShownForm();
    f->SetColor(clWhite);
    auto* g = PlaceGrid(*f);
    g->SetColor(clGreen);
    g->SetColCount(3);
    g->SetCol(1);
    std::vector<std::string> drawn;
    g->OnDrawCell = [&](TComponent*, int col, int row, const TRect& r, TGridDrawState state) {
        drawn.push_back(std::to_string(col) + "," + std::to_string(row) + ":" +
                        std::to_string(state));
        g->Canvas().Brush().SetColor(state & gdSelected ? clRed : clBlue);
        g->Canvas().FillRect(r.Inflate(-1, -1));
    };
    g->Invalidate();
    const HWND w = g->Handle();
    ASSERT_TRUE(PumpUntil([&] { return kbtest::ReadPixel(w, 45, 5) == Rgb(clRed); }));
    EXPECT_EQ(kbtest::ReadPixel(w, 5, 25), Rgb(clBlue));
    EXPECT_EQ(kbtest::ReadPixel(w, 85, 45), Rgb(clBlue));  // row 2 shows its first 10 pixels
    EXPECT_EQ(kbtest::ReadPixel(w, 140, 5), Rgb(clGreen)); // beyond the last column
    EXPECT_EQ(drawn.size(), 9u);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "1,0:1"), drawn.end());

    drawn.clear();
    g->SetFocus();
    ASSERT_TRUE(
        PumpUntil([&] { return std::find(drawn.begin(), drawn.end(), "1,0:3") != drawn.end(); }));
}
