// Combo boxes of the three styles: ItemIndex, OnChange for typing and choosing (not for the
// program's selection or a same-text set), owner-drawn items with their states, the dropped
// list's length, focus events, and typed text the code page cannot hold.
#include "support/WinTest.h"

#include "forms/win/ComboBox.h"
#include "forms/win/Edit.h"

using namespace forms;

namespace {

struct Drawn {
    int index;
    TOwnerDrawState state;
};

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(300, 240);
        combo = MakeChild<TComboBox>(form.get(), Bounds(8, 8, 150, 21));
        combo->Items().SetText("yyyy/mm/dd\r\nhh:nn\r\n表示");
        combo->OnChange = [this](TComponent*) { ++changes; };
        edit = MakeChild<TEdit>(form.get(), Bounds(180, 8, 100, 21));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->Focused(); }));
    }
    // The dropped list's window.
    static HWND ListOf(TComboBox* c) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(c->Handle(), &info);
        return info.hwndList;
    }
    // Drops the list and clicks the item at index in it.
    void ChooseWithTheMouse(TComboBox* c, int index) {
        c->SetDroppedDown(true);
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->DroppedDown(); }));
        HWND list = ListOf(c);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        kbtest::ClickAt(list, item.left + 5, (item.top + item.bottom) / 2);
        ASSERT_TRUE(kbtest::PumpUntil([c] { return !c->DroppedDown(); }));
        kbtest::PumpPosted();
    }

    Scoped<TForm> form;
    TComboBox* combo = nullptr;
    TEdit* edit = nullptr;
    int changes = 0;
};

using ComboBoxTest = Fixture;

} // namespace

TEST_F(ComboBoxTest, IsAComboBoxWindowOfItsOwnClass) {
    EXPECT_EQ(kbtest::ClassNameOf(combo->Handle()), L"TComboBox");
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
}

TEST_F(ComboBoxTest, ItemIndexOutsideTheItemsSelectsNoneAndNothingFires) {
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "hh:nn");
    combo->SetItemIndex(15);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(-7);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboBoxTest, TypingFiresOncePerCharacterAndASameTextSetNothing) {
    Focus(combo);
    kbtest::Type(L"yy");
    EXPECT_EQ(combo->Text(), "yy");
    EXPECT_EQ(changes, 2);
    combo->SetText("yy");
    EXPECT_EQ(changes, 2);
    combo->SetText("hh");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(kbtest::WindowText(combo->Handle()), "hh");
}

TEST_F(ComboBoxTest, ChoosingAnItemFiresOnceWithItsTextInTheField) {
    std::string seen;
    combo->OnChange = [&](TComponent*) {
        ++changes;
        seen = combo->Text();
    };
    ChooseWithTheMouse(combo, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, "表示");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(kbtest::WindowText(combo->Handle()), "表示");
}

TEST_F(ComboBoxTest, DropDownListFiresOnTheUsersChoiceOnly) {
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItemIndex(0);
    Focus(combo);
    kbtest::Press(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "hh:nn");
    EXPECT_EQ(changes, 1);
    ChooseWithTheMouse(combo, 1); // the same item again
    EXPECT_EQ(changes, 1);
    ChooseWithTheMouse(combo, 2);
    EXPECT_EQ(changes, 2);
    combo->SetItemIndex(0);
    EXPECT_EQ(changes, 2);
}

TEST_F(ComboBoxTest, DropDownListTextSelectsTheItemOfThatText) {
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetText("HH:NN"); // any letter case
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    combo->SetText("hh:nn");
    EXPECT_EQ(changes, 1);
    combo->SetText("missing");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxTest, StyleChangeKeepsItemsSelectionAndText) {
    combo->SetItemIndex(2);
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    EXPECT_EQ(kbtest::ClassNameOf(combo->Handle()), L"TComboBox");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
    combo->SetStyle(TComboBoxStyle::csDropDown);
    EXPECT_EQ(combo->Text(), "表示");
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboBoxTest, TypedTextTheCodePageCannotHoldIsRefused) {
    Focus(combo);
    kbtest::Type(L"a");
    kbtest::Type(L"\u00e9");
    EXPECT_EQ(combo->Text(), "a");
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(errors.size(), 1u);
}

TEST_F(ComboBoxTest, OneEntryAndOneExitHoweverTheFocusMovesInside) {
    std::vector<std::string> events;
    combo->OnEnter = [&](TComponent*) { events.push_back("enter"); };
    combo->OnExit = [&](TComponent*) { events.push_back("exit"); };
    Focus(edit);
    kbtest::PressKey(VK_TAB, true);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return combo->Focused(); }));
    EXPECT_EQ(form->ActiveControl(), combo);
    kbtest::PumpPosted();
    kbtest::PressKey(VK_TAB);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return edit->Focused(); }));
    kbtest::PumpPosted();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(ComboBoxTest, ADroppedListShowsDropDownCountItems) {
    combo->Items().Clear();
    for (int i = 0; i < 20; ++i)
        combo->Items().Add("item " + std::to_string(i));
    combo->SetDropDownCount(10);
    combo->SetDroppedDown(true);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return combo->DroppedDown(); }));
    RECT r;
    GetClientRect(ListOf(combo), &r);
    EXPECT_EQ(r.bottom / combo->ItemHeight(), 10);
    combo->SetDroppedDown(false);
    combo->Items().SetText("one\r\ntwo");
    combo->SetDroppedDown(true);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return combo->DroppedDown(); }));
    GetClientRect(ListOf(combo), &r);
    EXPECT_EQ(r.bottom / combo->ItemHeight(), 2);
    combo->SetDroppedDown(false);
    combo->SetDropDownCount(0);
    EXPECT_EQ(combo->DropDownCount(), 1);
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAreDrawnWithTheirStates) {
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->SetItemHeight(18);
    combo->SetItemIndex(1);
    std::vector<Drawn> drawn;
    combo->OnDrawItem = [&](TWinControl* c, int index, const TRect& r, TOwnerDrawState s) {
        EXPECT_EQ(c, combo);
        EXPECT_EQ(r.Height(), 18);
        drawn.push_back({index, s});
        TCanvas& canvas = c->Canvas();
        canvas.FillRect(r);
    };
    Focus(combo);
    combo->Invalidate();
    ASSERT_TRUE(
        kbtest::PumpUntil([&] { return !drawn.empty() && kbtest::Painted(form->Handle()); }));
    // The field shows the selected item, selected and focused.
    const Drawn& field = drawn.back();
    EXPECT_EQ(field.index, 1);
    EXPECT_TRUE(field.state.ComboBoxEdit);
    EXPECT_TRUE(field.state.Selected);
    EXPECT_TRUE(field.state.Focused);
    drawn.clear();
    combo->SetDroppedDown(true);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return drawn.size() >= 3; }));
    bool sawSelectedInList = false;
    for (const Drawn& d : drawn) {
        if (d.state.ComboBoxEdit)
            continue;
        if (d.index == 1) {
            sawSelectedInList = d.state.Selected;
        } else {
            EXPECT_FALSE(d.state.Selected) << d.index;
        }
    }
    EXPECT_TRUE(sawSelectedInList);
    combo->SetDroppedDown(false);
}

TEST_F(ComboBoxTest, AHandlerTakenAwayIsCalledNoMore) {
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->SetItemIndex(0);
    int calls = 0;
    combo->OnDrawItem = [&](TWinControl*, int, const TRect&, TOwnerDrawState) { ++calls; };
    combo->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return calls > 0; }));
    combo->OnDrawItem = nullptr;
    calls = 0;
    combo->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    EXPECT_EQ(calls, 0);
}

TEST_F(ComboBoxTest, ItemsRemovedAreNotDrawn) {
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->SetItemIndex(2);
    std::vector<int> indexes;
    combo->OnDrawItem = [&](TWinControl*, int index, const TRect&, TOwnerDrawState) {
        indexes.push_back(index);
    };
    combo->Items().Clear();
    combo->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    EXPECT_TRUE(indexes.empty());
    // A draw notice for an item that is gone (sent as a stale notice would come) only clears.
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.itemID = 2;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = combo->Handle();
    item.rcItem = {0, 0, 20, 16};
    const WindowDC dc(combo->Handle());
    item.hDC = dc.Handle();
    SendMessageW(form->Handle(), WM_DRAWITEM, static_cast<WPARAM>(GetDlgCtrlID(combo->Handle())),
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_TRUE(indexes.empty());
}
