// The launch-button grid's rules without a window: geometry, selection, keys, wheel and the
// routing of mouse messages, watched through a host that records what the grid asks of it.
#include "components/ButtonGrid.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using Log = std::vector<std::string>;

namespace {

class RecordingHost : public TButtonGridHost {
public:
    void DrawBtn(int index, bool marked) override {
        draws.push_back(std::to_string(index) + (marked ? "*" : ""));
    }
    int IconCount() const override { return icons; }
    void Change() override {
        events.push_back("change");
        if (onChange)
            onChange();
    }
    void BtnMouseWheel(int delta) override { events.push_back("wheel " + std::to_string(delta)); }
    void GridResized(int w, int h) override {
        events.push_back("size " + std::to_string(w) + "x" + std::to_string(h));
    }
    void GridChanged() override { events.push_back("repaint"); }

    int icons = 0;
    Log events, draws;
    std::function<void()> onChange;
};

// A grid of cols x rows cells of 40 pixels, its host's records cleared.
template <typename Grid = TButtonGrid> struct Fixture {
    Fixture(int cols, int rows, int icons = 0) {
        host.icons = icons;
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        Clear();
    }
    void Clear() {
        host.events.clear();
        host.draws.clear();
    }
    void Select(int i) {
        grid->SetBtnIndex(i);
        Clear();
    }
    // Presses a key with a library handling that records itself; returns the key afterwards.
    uint16_t Key(uint16_t key) {
        grid->KeyDown(key, [this](uint16_t&) { host.events.push_back("OnKeyDown"); });
        return key;
    }
    TGridMouse Mouse(int x, int y, bool plainLeft = false) {
        TGridMouse m;
        m.X = x;
        m.Y = y;
        m.PlainLeftPress = plainLeft;
        m.NoneBtnEvent = [this] { host.events.push_back("none"); };
        m.LibraryEvent = [this] { host.events.push_back("library"); };
        return m;
    }

    RecordingHost host;
    std::unique_ptr<Grid> grid = std::make_unique<Grid>(host);
};

TGridMouse At(int x, int y) {
    TGridMouse m;
    m.X = x;
    m.Y = y;
    return m;
}

} // namespace

// ---- geometry ----

TEST(ButtonGridGeometry, ConstructionValues) {
    RecordingHost host;
    TButtonGrid grid(host);
    EXPECT_EQ(grid.ColCount(), 10);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.BtnSize(), 40);
    EXPECT_EQ(grid.Count(), 10);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 40);
    EXPECT_EQ(grid.BtnIndex(), 0);
    EXPECT_EQ(grid.MarkedCell(), 0);
    EXPECT_FALSE(grid.Down());
    EXPECT_TRUE(grid.ScrollWrap());
    EXPECT_EQ(grid.DownKeyCode(), 13);
}

TEST(ButtonGridGeometry, BtnIndexAt_EdgesAndPointsOutside) {
    Fixture<> f(3, 2);
    EXPECT_EQ(f.grid->BtnIndexAt(0, 0), 0);
    EXPECT_EQ(f.grid->BtnIndexAt(39, 39), 0);
    EXPECT_EQ(f.grid->BtnIndexAt(40, 39), 1);
    EXPECT_EQ(f.grid->BtnIndexAt(39, 40), 3);
    EXPECT_EQ(f.grid->BtnIndexAt(119, 79), 5);
    EXPECT_EQ(f.grid->BtnIndexAt(-5, -5), 0);
    EXPECT_EQ(f.grid->BtnIndexAt(120, 80), 5);
    EXPECT_EQ(f.grid->BtnIndexAt(INT_MAX, INT_MAX), 5);
    EXPECT_EQ(f.grid->BtnIndexAt(INT_MIN, 60), 3);
}

TEST(ButtonGridGeometry, CellRectAndCentre) {
    Fixture<> f(3, 2);
    forms::TRect r;
    ASSERT_TRUE(f.grid->CellRect(4, r));
    EXPECT_EQ(r, forms::Rect(40, 40, 80, 80));
    ASSERT_TRUE(f.grid->CellRect(6, r)); // Count: the cell below the last row
    EXPECT_EQ(r, forms::Rect(0, 80, 40, 120));
    EXPECT_EQ(f.grid->CellCenter(4), (forms::TPoint{60, 60}));
    f.grid->SetColCount(1);
    f.grid->SetBtnSize(1000000);
    EXPECT_FALSE(f.grid->CellRect(INT_MAX, r)); // its top does not fit in 32 bits
    EXPECT_EQ(f.grid->CellCenter(INT_MAX).Y, INT_MAX);
}

TEST(ButtonGridGeometry, SizeChangeResizesRepaintsAndKeepsTheSelection) {
    Fixture<> f(10, 1);
    f.Select(9);
    f.grid->SetColCount(3);
    EXPECT_EQ(f.host.events, (Log{"size 120x40", "repaint"}));
    EXPECT_EQ(f.grid->Count(), 3);
    EXPECT_EQ(f.grid->BtnIndex(), 9); // not clamped to the new Count
    f.Clear();
    f.grid->SetRowCount(2);
    f.grid->SetBtnSize(50);
    EXPECT_EQ(f.host.events, (Log{"size 120x80", "repaint", "size 150x100", "repaint"}));
}

TEST(ButtonGridGeometry, SameZeroOrNegativeSizesAreIgnored) {
    Fixture<> f(3, 2);
    for (int v : {0, -1, INT_MIN}) {
        f.grid->SetColCount(v);
        f.grid->SetRowCount(v);
        f.grid->SetBtnSize(v);
    }
    f.grid->SetColCount(3);
    f.grid->SetRowCount(2);
    f.grid->SetBtnSize(40);
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_EQ(f.grid->Count(), 6);
    EXPECT_EQ(f.grid->Width(), 120);
}

TEST(ButtonGridGeometry, SizesThatOverflowAreIgnored) {
    Fixture<> f(10, 1);
    f.grid->SetBtnSize(INT_MAX / 10 + 1); // width overflows
    f.grid->SetColCount(INT_MAX / 40 + 1);
    f.grid->SetRowCount(INT_MAX / 40 + 1); // height overflows
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_EQ(f.grid->Width(), 400);
    f.grid->SetBtnSize(1);
    f.grid->SetColCount(65536);
    f.Clear();
    f.grid->SetRowCount(65536); // Count would be 2^32
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_EQ(f.grid->Count(), 65536);
    f.grid->SetColCount(INT_MAX); // exactly fits
    EXPECT_EQ(f.grid->Count(), INT_MAX);
    EXPECT_EQ(f.grid->BtnIndexAt(INT_MAX, 0), INT_MAX - 1);
}

// ---- selection ----

TEST(ButtonGridSelection, SetBtnIndex_ErasesTheOldMarkDrawsTheNewThenFiresOnChange) {
    Fixture<> f(3, 2);
    f.grid->SetBtnIndex(4);
    EXPECT_EQ(f.host.draws, (Log{"0", "4*"}));
    EXPECT_EQ(f.host.events, (Log{"change"}));
    EXPECT_EQ(f.grid->MarkedCell(), 4);
}

TEST(ButtonGridSelection, SetBtnIndex_SameValueDrawsAndFiresNothing) {
    Fixture<> f(3, 2);
    f.grid->SetBtnIndex(0);
    EXPECT_TRUE(f.host.draws.empty());
    EXPECT_TRUE(f.host.events.empty());
}

TEST(ButtonGridSelection, SetBtnIndex_OutOfRangeSelectsNothing) {
    Fixture<> f(3, 2);
    f.grid->SetBtnIndex(-1);
    EXPECT_EQ(f.grid->BtnIndex(), 6);
    EXPECT_EQ(f.host.draws, (Log{"0", "6*"})); // the mark goes below the grid, out of sight
    EXPECT_EQ(f.host.events, (Log{"change"}));
    f.Clear();
    f.grid->SetBtnIndex(7);
    EXPECT_EQ(f.grid->BtnIndex(), 6);
    EXPECT_EQ(f.host.events, (Log{"change"})); // 7 differed from 6
}

TEST(ButtonGridSelection, HandlerThatSelectsAgainLeavesOneMark) {
    Fixture<> f(3, 2);
    bool again = true;
    f.host.onChange = [&] {
        if (std::exchange(again, false))
            f.grid->SetBtnIndex(5);
    };
    f.grid->SetBtnIndex(2);
    EXPECT_EQ(f.host.draws, (Log{"0", "2*", "2", "5*"}));
    EXPECT_EQ(f.grid->BtnIndex(), 5);
}

TEST(ButtonGridSelection, SelectQuiet_MovesTheMarkWithoutEventAndRefusesOutOfRange) {
    Fixture<> f(3, 2);
    f.grid->SelectQuiet(3);
    EXPECT_EQ(f.host.draws, (Log{"0", "3*"}));
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_EQ(f.grid->BtnIndex(), 3);
    f.Clear();
    for (int v : {3, -1, 6, INT_MAX})
        f.grid->SelectQuiet(v);
    EXPECT_TRUE(f.host.draws.empty());
    EXPECT_EQ(f.grid->BtnIndex(), 3);
}

// ---- keys ----

TEST(ButtonGridKeys, ArrowsWrapAroundTheWholeGridWithoutOnChange) {
    Fixture<> f(3, 2);
    struct Case {
        int from;
        uint16_t key;
        int to;
    };
    for (Case c : {Case{1, kVkUp, 4}, Case{4, kVkDown, 1}, Case{0, kVkLeft, 5},
                   Case{5, kVkRight, 0}, Case{4, kVkLeft, 3}, Case{1, kVkDown, 4}}) {
        f.Select(c.from);
        EXPECT_EQ(f.Key(c.key), 0);
        EXPECT_EQ(f.grid->BtnIndex(), c.to) << c.from << " key " << c.key;
        EXPECT_EQ(f.grid->MarkedCell(), c.to);
        EXPECT_EQ(f.host.events, (Log{"OnKeyDown"})); // OnKeyDown first, no OnChange
    }
}

TEST(ButtonGridKeys, ArrowFromNoSelectionStaysInTheGridOrSelectsNothing) {
    Fixture<> f(3, 1);
    f.Select(-1); // 3: nothing selected
    f.Key(kVkDown);
    EXPECT_EQ(f.grid->BtnIndex(), 3);
    EXPECT_TRUE(f.host.draws.empty());
    f.Key(kVkRight);
    EXPECT_EQ(f.grid->BtnIndex(), 0);
}

TEST(ButtonGridKeys, DownKeyCodePressesTheMarkedCellUntilItsRelease) {
    Fixture<> f(3, 2);
    f.Select(2);
    EXPECT_EQ(f.Key(kVkReturn), 0);
    EXPECT_TRUE(f.grid->Down());
    EXPECT_EQ(f.host.draws, (Log{"2*"}));
    uint16_t key = kVkReturn;
    f.grid->KeyUp(key, [&](uint16_t&) { f.host.events.push_back("OnKeyUp"); });
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(f.grid->Down());
    EXPECT_EQ(f.host.events, (Log{"OnKeyDown", "OnKeyUp"}));
    f.grid->SetDownKeyCode(' ');
    EXPECT_EQ(f.Key(' '), 0);
    EXPECT_TRUE(f.grid->Down());
}

TEST(ButtonGridKeys, OnKeyDownConsumingAKeyStopsIt) {
    Fixture<> f(3, 2);
    for (uint16_t k : {kVkRight, kVkReturn}) {
        uint16_t key = k;
        f.grid->KeyDown(key, [](uint16_t& key) { key = 0; });
        EXPECT_EQ(key, 0);
    }
    EXPECT_EQ(f.grid->BtnIndex(), 0);
    EXPECT_FALSE(f.grid->Down());
    EXPECT_TRUE(f.host.draws.empty());
    // Not even a DownKeyCode of 0 takes a consumed key for itself.
    f.grid->SetDownKeyCode(0);
    uint16_t key = 'A';
    f.grid->KeyDown(key, [](uint16_t& key) { key = 0; });
    EXPECT_FALSE(f.grid->Down());
}

TEST(ButtonGridKeys, OnKeyDownChangingAKeyActsOnTheNewKey) {
    Fixture<> f(3, 2);
    uint16_t key = 'L';
    f.grid->KeyDown(key, [](uint16_t& key) { key = kVkRight; });
    EXPECT_EQ(f.grid->BtnIndex(), 1);
    key = 'Q';
    f.grid->KeyDown(key, nullptr);
    EXPECT_EQ(key, 'Q'); // not the grid's: passed on
}

TEST(ButtonGridKeys, OnKeyDownThatFreesTheGridEndsTheKey) {
    Fixture<> f(3, 2);
    uint16_t key = kVkReturn;
    f.grid->KeyDown(key, [&](uint16_t&) { f.grid.reset(); });
    EXPECT_FALSE(f.grid);
    EXPECT_TRUE(f.host.draws.empty());
}

TEST(IconButtonGridKeys, ArrowsMoveAmongTheButtonsWithoutOnKeyDown) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    struct Case {
        int from;
        uint16_t key;
        int to;
    };
    for (Case c : {Case{1, kVkUp, 1}, Case{5, kVkDown, 5}, Case{3, kVkDown, 6},
                   Case{6, kVkRight, 0}, Case{0, kVkLeft, 6}, Case{4, kVkUp, 1}}) {
        f.Select(c.from);
        EXPECT_EQ(f.Key(c.key), 0);
        EXPECT_EQ(f.grid->BtnIndex(), c.to) << c.from << " key " << c.key;
        EXPECT_TRUE(f.host.events.empty()); // neither OnKeyDown nor OnChange
    }
}

TEST(IconButtonGridKeys, OtherKeysGoThroughOnKeyDownAndDownKeyCode) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    EXPECT_EQ(f.Key('A'), 'A');
    EXPECT_EQ(f.Key(kVkReturn), 0);
    EXPECT_EQ(f.host.events, (Log{"OnKeyDown", "OnKeyDown"}));
    EXPECT_TRUE(f.grid->Down());
}

TEST(IconButtonGridKeys, ArrowToACellOutsideTheGridSelectsNothingWithOnChange) {
    Fixture<TIconButtonGrid> f(3, 1, 0);
    f.Key(kVkLeft); // no buttons: icon count - 1 = -1
    EXPECT_EQ(f.grid->BtnIndex(), 3);
    EXPECT_EQ(f.host.events, (Log{"change"}));
    f.Clear();
    f.host.icons = 5; // more buttons than cells
    f.Select(2);
    f.Key(kVkRight);
    EXPECT_EQ(f.grid->BtnIndex(), 3);
    EXPECT_EQ(f.host.events, (Log{"change"}));
}

// ---- wheel ----

TEST(ButtonGridWheel, WrapsWithScrollWrap) {
    Fixture<> f(3, 2);
    f.grid->Wheel(120, false);
    EXPECT_EQ(f.grid->BtnIndex(), 5);
    EXPECT_EQ(f.host.events, (Log{"change", "wheel 120"}));
    f.Clear();
    f.grid->Wheel(-120, false);
    EXPECT_EQ(f.grid->BtnIndex(), 0);
    f.grid->Wheel(0, false); // no delta counts as towards the user
    EXPECT_EQ(f.grid->BtnIndex(), 1);
}

TEST(ButtonGridWheel, StopsAtTheEndsWithoutScrollWrap) {
    Fixture<> f(3, 2);
    f.grid->SetScrollWrap(false);
    f.grid->Wheel(120, false);
    EXPECT_EQ(f.grid->BtnIndex(), 0);
    EXPECT_EQ(f.host.events, (Log{"wheel 120"})); // no change, still the wheel event
    f.Select(5);
    f.grid->Wheel(-120, false);
    EXPECT_EQ(f.grid->BtnIndex(), 5);
}

TEST(ButtonGridWheel, FocusedGridLeavesTheWheelToAGraphicChildUnderThePointer) {
    Fixture<> f(3, 2);
    f.grid->Wheel(-120, true);
    EXPECT_EQ(f.grid->BtnIndex(), 1); // not focused: the child does not matter
    f.grid->SetFocused(true);
    f.Clear();
    f.grid->Wheel(-120, true);
    EXPECT_EQ(f.grid->BtnIndex(), 1);
    EXPECT_TRUE(f.host.events.empty());
}

TEST(IconButtonGridWheel, AlwaysWrapsAmongTheButtonsAndQuietly) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    f.grid->SetScrollWrap(false);
    f.grid->SetFocused(true);
    f.grid->Wheel(120, true);
    EXPECT_EQ(f.grid->BtnIndex(), 6);
    EXPECT_EQ(f.host.events, (Log{"wheel 120"}));
    f.grid->Wheel(-120, true);
    EXPECT_EQ(f.grid->BtnIndex(), 0);
}

TEST(IconButtonGridWheel, WithoutButtonsSelectsNothing) {
    Fixture<TIconButtonGrid> f(3, 3, 0);
    f.grid->Wheel(-120, false); // 0 + 1 is beyond the buttons: 0 again
    EXPECT_EQ(f.grid->BtnIndex(), 0);
    f.grid->Wheel(120, false); // -1
    EXPECT_EQ(f.grid->BtnIndex(), 9);
    EXPECT_EQ(f.host.events, (Log{"wheel -120", "change", "wheel 120"}));
}

// ---- mouse ----

TEST(ButtonGridMouse, PlainLeftPressSelectsPressesThenFiresTheLibraryEvent) {
    Fixture<> f(3, 2);
    f.grid->MouseDown(f.Mouse(50, 50, true));
    EXPECT_EQ(f.grid->BtnIndex(), 4);
    EXPECT_TRUE(f.grid->Down());
    EXPECT_EQ(f.host.events, (Log{"change", "library"}));
    EXPECT_EQ(f.host.draws, (Log{"0", "4*", "4*"}));
    f.Clear();
    f.grid->MouseUp(f.Mouse(50, 50));
    EXPECT_FALSE(f.grid->Down());
    EXPECT_EQ(f.host.events, (Log{"library"}));
    EXPECT_EQ(f.host.draws, (Log{"4*"}));
}

TEST(ButtonGridMouse, OtherPressesSelectWithoutPressing) {
    Fixture<> f(3, 2);
    f.grid->MouseDown(f.Mouse(90, 10, false));
    EXPECT_EQ(f.grid->BtnIndex(), 2);
    EXPECT_FALSE(f.grid->Down());
}

TEST(ButtonGridMouse, SelectionFollowsThePointerEvenOutside) {
    Fixture<> f(3, 2);
    f.grid->MouseMove(f.Mouse(500, -20));
    EXPECT_EQ(f.grid->BtnIndex(), 2);
    EXPECT_EQ(f.host.events, (Log{"change", "library"}));
    f.Clear();
    f.grid->MouseMove(f.Mouse(100, 0));
    EXPECT_EQ(f.host.events, (Log{"library"}));
}

TEST(ButtonGridMouse, OnChangeThatFreesTheGridEndsThePress) {
    Fixture<> f(3, 2);
    f.host.onChange = [&] { f.grid.reset(); };
    TGridMouse m = f.Mouse(50, 50, true);
    f.grid->MouseDown(m);
    EXPECT_FALSE(f.grid);
    EXPECT_EQ(f.host.events, (Log{"change"}));
}

TEST(IconButtonGridMouse, AllBtnClickedFiresTheEmptyAreaEventFirstEverywhere) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    f.grid->SetAllBtnClicked(true);
    f.grid->MouseDown(f.Mouse(50, 50, true)); // a button
    EXPECT_EQ(f.host.events, (Log{"none", "change", "library"}));
    f.Clear();
    f.grid->MouseMove(f.Mouse(50, 50));
    EXPECT_EQ(f.host.events, (Log{"none", "library"}));
    f.Clear();
    f.grid->MouseUp(f.Mouse(50, 50));
    EXPECT_EQ(f.host.events, (Log{"none", "library"}));
    f.Clear();
    for (auto rule : {&TButtonGrid::MouseDown, &TButtonGrid::MouseMove, &TButtonGrid::MouseUp})
        ((*f.grid).*rule)(f.Mouse(100, 100)); // cell 8, empty
    EXPECT_EQ(f.host.events, (Log{"none", "none", "none"}));
    EXPECT_EQ(f.grid->BtnIndex(), 4);
}

TEST(IconButtonGridMouse, WithoutAllBtnClickedEmptyCellsFireNothing) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    f.grid->MouseDown(f.Mouse(100, 100, true));
    f.grid->MouseMove(f.Mouse(100, 100));
    f.grid->MouseUp(f.Mouse(100, 100));
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_TRUE(f.host.draws.empty());
    f.grid->MouseDown(f.Mouse(10, 10, true));
    EXPECT_EQ(f.host.events, (Log{"library"}));
    EXPECT_TRUE(f.grid->Down());
}

TEST(IconButtonGridMouse, WithoutIconsOnlyTheEmptyAreaEventFires) {
    Fixture<TIconButtonGrid> f(3, 3, 0);
    f.grid->MouseDown(f.Mouse(10, 10, true));
    f.grid->MouseMove(f.Mouse(50, 10));
    f.grid->MouseUp(f.Mouse(50, 10));
    EXPECT_EQ(f.host.events, (Log{"none", "none", "none"}));
    EXPECT_FALSE(f.grid->Down());
    EXPECT_EQ(f.grid->BtnIndex(), 0);
}

TEST(IconButtonGridMouse, ReleaseOverAnEmptyCellLeavesTheButtonDown) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    f.grid->MouseDown(f.Mouse(10, 10, true));
    f.grid->MouseUp(At(100, 100));
    EXPECT_TRUE(f.grid->Down()); // only a release that reaches the grid's rule clears it
}

TEST(IconButtonGridMouse, EmptyAreaHandlerThatFreesTheGridEndsTheMessage) {
    Fixture<TIconButtonGrid> f(3, 3, 7);
    f.grid->SetAllBtnClicked(true);
    TGridMouse m = f.Mouse(10, 10, true);
    m.NoneBtnEvent = [&] { f.grid.reset(); };
    f.grid->MouseDown(m);
    EXPECT_FALSE(f.grid);
    EXPECT_TRUE(f.host.events.empty());
}
