// List boxes: ItemAtPos off the items, the user's clicks (OnClick, OnDblClick, OnMouseMove,
// OnMouseUp), owner-drawn items with their states, the background following Enabled, and the
// horizontal extent.
#include "support/WinTest.h"

#include "forms/win/ListBox.h"

#include <algorithm>
#include <set>

using namespace forms;

namespace {

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(300, 220);
        list = MakeChild<TListBox>(form.get(), Bounds(8, 8, 160, 120));
        list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
        list->SetItemHeight(20);
        list->Items().SetText("赤\r\n緑\r\n青");
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    // The centre of item index in client coordinates.
    POINT ItemCentre(int index) const {
        RECT r{};
        SendMessageW(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    bool Painted() const {
        return kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); });
    }

    Scoped<TForm> form;
    TListBox* list = nullptr;
};

using ListBoxTest = Fixture;

} // namespace

TEST_F(ListBoxTest, IsAListBoxWindowOfItsOwnClass) {
    EXPECT_EQ(kbtest::ClassNameOf(list->Handle()), L"TListBox");
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(ListBoxTest, ItemAtPosFindsItemsAndNothingOffThem) {
    EXPECT_EQ(list->ItemAtPos({5, 5}), 0);
    EXPECT_EQ(list->ItemAtPos({5, 45}), 2);
    EXPECT_EQ(list->ItemAtPos({5, 60}), -1);  // below the last item
    EXPECT_EQ(list->ItemAtPos({5, -3}), -1);  // above the client area
    EXPECT_EQ(list->ItemAtPos({500, 5}), -1); // right of it
    list->SetTopIndex(1);
    list->Items().Add("黄");
    list->Items().Add("白");
    list->SetTopIndex(1);
    EXPECT_EQ(list->ItemAtPos({5, 5}), list->TopIndex());
    auto f = MakeScoped<TForm>();
    auto* windowless = MakeChild<TListBox>(f.get(), Bounds(0, 0, 50, 50));
    windowless->Items().Add("a");
    EXPECT_EQ(windowless->ItemAtPos({1, 1}), -1);
}

TEST_F(ListBoxTest, AClickSelectsFiresOnClickAndOnMouseUp) {
    std::vector<std::string> events;
    list->OnClick = [&](TComponent*) {
        events.push_back("click " + std::to_string(list->ItemIndex()));
    };
    list->OnMouseUp = [&](TComponent*, TMouseButton b, TShiftState, int, int y) {
        events.push_back("up " + std::to_string(static_cast<int>(b)) + " " +
                         std::to_string(list->ItemAtPos({5, y})));
    };
    const POINT p = ItemCentre(1);
    kbtest::ClickAt(list->Handle(), p.x, p.y);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return events.size() >= 2; }));
    // The selection is the item's by then, whichever comes first.
    std::sort(events.begin(), events.end());
    EXPECT_EQ(events, (std::vector<std::string>{"click 1", "up 0 1"}));
    kbtest::ClickAt(list->Handle(), p.x, p.y, true);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return events.size() >= 3; }));
    EXPECT_EQ(events.back(), "up 1 1");
    list->SetItemIndex(0); // the program's selection fires nothing
    kbtest::PumpPosted();
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(ListBoxTest, DoubleClickAndMovesReachTheirEvents) {
    int doubles = 0, moves = 0;
    list->OnDblClick = [&](TComponent*) { ++doubles; };
    list->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
    const POINT p = ItemCentre(2);
    kbtest::DoubleClickAt(list->Handle(), p.x, p.y);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return doubles == 1; }));
    EXPECT_GT(moves, 0);
    EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreDrawnWithTheirStates) {
    list->SetItemIndex(1);
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    list->OnDrawItem = [&](TWinControl* c, int index, const TRect& r, TOwnerDrawState s) {
        drawn.emplace_back(index, s);
        c->Canvas().FillRect(r);
    };
    list->SetFocus();
    ASSERT_TRUE(Painted());
    drawn.clear();
    list->Invalidate();
    ASSERT_TRUE(Painted());
    // Every item once; the focused one may come again for its focus rectangle.
    std::set<int> indexes;
    bool focusSeen = false;
    for (const auto& [index, state] : drawn) {
        indexes.insert(index);
        EXPECT_EQ(state.Selected, index == 1) << index;
        EXPECT_TRUE(!state.Focused || index == 1) << index;
        focusSeen |= state.Focused;
        EXPECT_FALSE(state.ComboBoxEdit);
    }
    EXPECT_EQ(indexes, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(focusSeen);
}

TEST_F(ListBoxTest, AHandlerTakenAwayOrItemsRemovedAreNotCalled) {
    int calls = 0;
    list->OnDrawItem = [&](TWinControl*, int, const TRect&, TOwnerDrawState) { ++calls; };
    list->Invalidate();
    ASSERT_TRUE(Painted());
    EXPECT_EQ(calls, 3);
    list->Items().Delete(2);
    calls = 0;
    list->Invalidate();
    ASSERT_TRUE(Painted());
    EXPECT_EQ(calls, 2);
    list->OnDrawItem = nullptr;
    calls = 0;
    list->Invalidate();
    ASSERT_TRUE(Painted());
    EXPECT_EQ(calls, 0);
}

TEST_F(ListBoxTest, TheBackgroundFollowsEnabled) {
    list->SetColor(clYellow);
    list->Invalidate();
    ASSERT_TRUE(Painted());
    EXPECT_EQ(kbtest::ReadPixel(list->Handle(), 30, 100), RGB(255, 255, 0));
    EXPECT_EQ(kbtest::ReadPixel(list->Handle(), 100, 10), RGB(255, 255, 0)); // inside an item
    list->SetEnabled(false);
    ASSERT_TRUE(Painted());
    EXPECT_EQ(kbtest::ReadPixel(list->Handle(), 30, 100), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(kbtest::ReadPixel(list->Handle(), 100, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(list->Color(), clYellow);
    list->SetEnabled(true);
    ASSERT_TRUE(Painted());
    EXPECT_EQ(kbtest::ReadPixel(list->Handle(), 30, 100), RGB(255, 255, 0));
}

TEST_F(ListBoxTest, AHorizontalExtentWiderThanTheListScrolls) {
    list->SetHorizontalExtent(list->Width() * 3);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_HORZ, &info));
    EXPECT_EQ(info.nMax + 1, list->Width() * 3);
    EXPECT_LT(static_cast<int>(info.nPage), info.nMax);
    list->SetHorizontalExtent(-1);
    EXPECT_EQ(list->HorizontalExtent(), 0);
}

TEST_F(ListBoxTest, PlainListDrawsItsOwnItems) {
    list->SetStyle(TListBoxStyle::lbStandard);
    int calls = 0;
    list->OnDrawItem = [&](TWinControl*, int, const TRect&, TOwnerDrawState) { ++calls; };
    list->Invalidate();
    ASSERT_TRUE(Painted());
    EXPECT_EQ(calls, 0);
    EXPECT_GT(list->ItemHeight(), 0);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
}
