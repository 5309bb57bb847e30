// The standard controls in the key pipeline, driven by real keys: Tab walks every kind in tab
// order, Enter and Esc reach the default and cancel buttons from edits and combo boxes (unless a
// dropped list takes them), and accelerators reach labels, check boxes, radio buttons and groups.
#include "support/WinTest.h"

#include "forms/win/Button.h"
#include "forms/win/CheckBox.h"
#include "forms/win/ComboBox.h"
#include "forms/win/Edit.h"
#include "forms/win/GroupBox.h"
#include "forms/win/Label.h"
#include "forms/win/ListBox.h"
#include "forms/win/SpinEdit.h"

using namespace forms;

namespace {

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(420, 300);
        TForm* f = form.get();
        edit = MakeChild<TEdit>(f, Bounds(8, 8, 120, 21));
        spin = MakeChild<TSpinEdit>(f, Bounds(8, 36, 60, 21));
        list = MakeChild<TComboBox>(f, Bounds(8, 64, 120, 21));
        list->SetStyle(TComboBoxStyle::csDropDownList);
        list->Items().SetText("一\r\n二\r\n三");
        editCombo = MakeChild<TComboBox>(f, Bounds(8, 92, 120, 21));
        editCombo->Items().SetText("yyyy\r\nhh:nn");
        drawn = MakeChild<TComboBox>(f, Bounds(8, 120, 120, 22));
        drawn->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
        drawn->Items().SetText("a\r\nb");
        listBox = MakeChild<TListBox>(f, Bounds(8, 150, 120, 60));
        listBox->Items().SetText("x\r\ny");
        check = MakeChild<TCheckBox>(f, Bounds(150, 8, 150, 17));
        check->SetCaption("確認する(&C)");
        radio = MakeChild<TRadioButton>(f, Bounds(150, 30, 150, 17));
        radio->SetCaption("左(&R)");
        other = MakeChild<TRadioButton>(f, Bounds(150, 50, 150, 17));
        other->SetCaption("右(&T)");
        radio->SetChecked(true);
        group = MakeChild<TGroupBox>(f, Bounds(150, 80, 200, 70));
        group->SetCaption("グループ(&G)");
        inner = MakeChild<TEdit>(group, Bounds(10, 25, 100, 21));
        ok = MakeChild<TButton>(f, Bounds(150, 260, 80, 24));
        ok->SetCaption("OK");
        ok->SetDefault(true);
        cancel = MakeChild<TButton>(f, Bounds(240, 260, 80, 24));
        cancel->SetCaption("キャンセル");
        cancel->SetCancel(true);
        ok->OnClick = [this](TComponent*) { clicks.push_back("ok"); };
        cancel->OnClick = [this](TComponent*) { clicks.push_back("cancel"); };
        kbtest::BringToFront(form->Handle());
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    // Focuses c and waits until it has the focus.
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->Focused(); }));
    }

    Scoped<TForm> form;
    TEdit *edit = nullptr, *inner = nullptr;
    TSpinEdit* spin = nullptr;
    TComboBox *list = nullptr, *editCombo = nullptr, *drawn = nullptr;
    TListBox* listBox = nullptr;
    TCheckBox* check = nullptr;
    TRadioButton *radio = nullptr, *other = nullptr;
    TGroupBox* group = nullptr;
    TButton *ok = nullptr, *cancel = nullptr;
    std::vector<std::string> clicks;
};

using StandardKeysTest = Fixture;

} // namespace

TEST_F(StandardKeysTest, TabWalksEveryKindInTabOrderAndShiftTabWalksBack) {
    Focus(edit);
    const std::vector<TWinControl*> order{spin,  list,  editCombo, drawn,  listBox, check,
                                          radio, inner, ok,        cancel, edit};
    for (TWinControl* next : order) {
        kbtest::PressKey(VK_TAB);
        EXPECT_TRUE(kbtest::PumpUntil([next] { return next->Focused(); }))
            << "Tab did not reach " << next->ClassName() << " " << next->TabOrder();
    }
    for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
        TWinControl* previous = *it;
        kbtest::PressKey(VK_TAB, true);
        EXPECT_TRUE(kbtest::PumpUntil([previous] { return previous->Focused(); }))
            << "Shift+Tab did not reach " << previous->ClassName();
    }
}

TEST_F(StandardKeysTest, EnterAndEscapeFromAnEditReachTheDefaultAndCancelButtons) {
    Focus(edit);
    kbtest::Press(VK_RETURN);
    kbtest::Press(VK_ESCAPE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
    EXPECT_TRUE(edit->Focused());
}

TEST_F(StandardKeysTest, EnterAndEscapeFromAComboWithAnEditReachTheButtons) {
    Focus(editCombo);
    ASSERT_NE(GetFocus(), editCombo->Handle()); // the edit field inside has it
    kbtest::Press(VK_RETURN);
    kbtest::Press(VK_ESCAPE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
}

TEST_F(StandardKeysTest, EnterAndEscapeFromADropDownListReachTheButtons) {
    for (TComboBox* c : {list, drawn}) {
        clicks.clear();
        Focus(c);
        kbtest::Press(VK_RETURN);
        kbtest::Press(VK_ESCAPE);
        EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"})) << c->ClassName();
    }
}

TEST_F(StandardKeysTest, ADroppedListTakesEnterAndEscapeItself) {
    for (TComboBox* c : {list, editCombo}) {
        Focus(c);
        c->SetDroppedDown(true);
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->DroppedDown(); }));
        kbtest::Press(VK_DOWN);
        kbtest::Press(VK_RETURN);
        EXPECT_FALSE(c->DroppedDown());
        c->SetDroppedDown(true);
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->DroppedDown(); }));
        kbtest::Press(VK_ESCAPE);
        EXPECT_FALSE(c->DroppedDown());
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(StandardKeysTest, KeyEventsOfAComboWithAnEditFireOnTheCombo) {
    std::vector<uint16_t> downs;
    editCombo->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { downs.push_back(key); };
    Focus(editCombo);
    kbtest::Press('A');
    EXPECT_EQ(downs, (std::vector<uint16_t>{'A'}));
}

TEST_F(StandardKeysTest, ALabelsAcceleratorFocusesAnEditOrACombo) {
    auto* name = MakeChild<TLabel>(form.get(), Bounds(300, 200, 80, 17));
    name->SetCaption("名前(&N)");
    name->SetFocusControl(spin);
    auto* choice = MakeChild<TLabel>(form.get(), Bounds(300, 220, 80, 17));
    choice->SetCaption("選択(&L)");
    choice->SetFocusControl(editCombo);
    Focus(edit);
    kbtest::Press('N', false, false, true);
    EXPECT_TRUE(spin->Focused());
    kbtest::Press('L', false, false, true);
    EXPECT_TRUE(editCombo->Focused());
}

TEST_F(StandardKeysTest, AcceleratorsClickCheckBoxesAndRadioButtons) {
    int checkClicks = 0;
    check->OnClick = [&](TComponent*) { ++checkClicks; };
    Focus(edit);
    kbtest::Press('C', false, false, true);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(checkClicks, 1);
    kbtest::Press('T', false, false, true);
    EXPECT_TRUE(other->Checked());
    EXPECT_FALSE(radio->Checked());
}

TEST_F(StandardKeysTest, AGroupsAcceleratorFocusesTheFirstControlInside) {
    Focus(edit);
    kbtest::Press('G', false, false, true);
    EXPECT_TRUE(inner->Focused());
}

TEST_F(StandardKeysTest, EnterAndEscapeReachButtonsInsideAGroup) {
    // The settings editor keeps its buttons on panels: the dialog keys must reach them there.
    TButton* nestedOk = MakeChild<TButton>(group, Bounds(115, 25, 40, 24));
    nestedOk->SetCaption("適用");
    nestedOk->SetDefault(true);
    TButton* nestedCancel = MakeChild<TButton>(group, Bounds(155, 25, 40, 24));
    nestedCancel->SetCaption("戻す");
    nestedCancel->SetCancel(true);
    nestedOk->OnClick = [this](TComponent*) { clicks.push_back("nested ok"); };
    nestedCancel->OnClick = [this](TComponent*) { clicks.push_back("nested cancel"); };
    Focus(inner);
    kbtest::Press(VK_RETURN);
    kbtest::Press(VK_ESCAPE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"nested ok", "nested cancel"}));
}
