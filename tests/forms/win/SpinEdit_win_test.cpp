// Spin edits: values held in the range when set, typed values pulled in when the focus leaves,
// text that is no integer read as the minimum, steps by the arrows and keys, OnChange counts.
#include "support/WinTest.h"

#include "forms/win/SpinEdit.h"

#include <climits>

using namespace forms;

namespace {

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(240, 100);
        spin = MakeChild<TSpinEdit>(form.get(), Bounds(8, 8, 80, 21));
        spin->SetMinValue(24);
        spin->SetMaxValue(72);
        spin->SetValue(40);
        next = MakeChild<TSpinEdit>(form.get(), Bounds(8, 40, 80, 21));
        spin->OnChange = [this](TComponent*) { ++changes; };
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->Focused(); }));
    }

    Scoped<TForm> form;
    TSpinEdit *spin = nullptr, *next = nullptr;
    int changes = 0;
};

using SpinEditTest = Fixture;

} // namespace

TEST_F(SpinEditTest, IsAnEditWithUpDownArrowsInside) {
    EXPECT_EQ(kbtest::ClassNameOf(spin->Handle()), L"TSpinEdit");
    ASSERT_NE(spin->UpDownHandle(), nullptr);
    EXPECT_EQ(GetParent(spin->UpDownHandle()), spin->Handle());
    EXPECT_EQ(kbtest::ClassNameOf(spin->UpDownHandle()), L"msctls_updown32");
    RECT client, arrows;
    GetClientRect(spin->Handle(), &client);
    GetWindowRect(spin->UpDownHandle(), &arrows);
    MapWindowPoints(nullptr, spin->Handle(), reinterpret_cast<POINT*>(&arrows), 2);
    EXPECT_EQ(arrows.right, client.right);
    // The text stops short of the arrows.
    EXPECT_GE(HIWORD(SendMessageW(spin->Handle(), EM_GETMARGINS, 0, 0)),
              arrows.right - arrows.left);
}

TEST_F(SpinEditTest, ASetValueIsPulledToTheNearestBound) {
    spin->SetValue(99);
    EXPECT_EQ(spin->Value(), 72);
    EXPECT_EQ(spin->Text(), "72");
    spin->SetValue(INT_MIN);
    EXPECT_EQ(spin->Text(), "24");
    spin->SetValue(30);
    EXPECT_EQ(spin->Text(), "30");
}

TEST_F(SpinEditTest, ATypedValueIsPulledInWhenTheFocusLeaves) {
    Focus(spin);
    spin->SelectAll();
    kbtest::Type(L"99");
    EXPECT_EQ(spin->Text(), "99");
    EXPECT_EQ(spin->Value(), 72); // held in the range already
    kbtest::PressKey(VK_TAB);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return next->Focused(); }));
    EXPECT_EQ(spin->Text(), "72");
    Focus(spin);
    spin->SelectAll();
    kbtest::Type(L"5");
    Focus(next);
    EXPECT_EQ(spin->Text(), "24");
}

TEST_F(SpinEditTest, TextThatIsNoIntegerCountsAsTheMinimum) {
    spin->SetText("abc");
    EXPECT_EQ(spin->Value(), 24);
    spin->SetText("4O"); // a letter O
    EXPECT_EQ(spin->Value(), 24);
    spin->SetText("");
    EXPECT_EQ(spin->Value(), 24);
    spin->SetText(" 50 ");
    EXPECT_EQ(spin->Value(), 50);
    spin->SetText("99999999999");
    EXPECT_EQ(spin->Value(), 24);
    Focus(spin);
    Focus(next);
    EXPECT_EQ(spin->Text(), "24");
}

TEST_F(SpinEditTest, OnlyDigitsAndSignsCanBeTyped) {
    Focus(spin);
    spin->SelectAll();
    kbtest::Type(L"4x5");
    EXPECT_EQ(spin->Text(), "45");
    spin->SelectAll();
    kbtest::Type(L"-3");
    EXPECT_EQ(spin->Text(), "-3");
}

TEST_F(SpinEditTest, UpAndDownKeysStepByTheIncrementAndStopAtTheBounds) {
    spin->SetIncrement(10);
    Focus(spin);
    changes = 0;
    kbtest::Press(VK_UP);
    EXPECT_EQ(spin->Value(), 50);
    kbtest::Press(VK_UP);
    kbtest::Press(VK_UP);
    EXPECT_EQ(spin->Value(), 70);
    kbtest::Press(VK_UP);
    EXPECT_EQ(spin->Value(), 72);
    kbtest::Press(VK_UP); // at the bound: no change, no event
    EXPECT_EQ(changes, 4);
    kbtest::Press(VK_DOWN);
    EXPECT_EQ(spin->Value(), 62);
    EXPECT_TRUE(spin->Focused()); // the arrows never leave the field
}

TEST_F(SpinEditTest, ClicksOnTheArrowsStepAndFocusTheField) {
    Focus(next);
    changes = 0;
    RECT r;
    GetClientRect(spin->UpDownHandle(), &r);
    kbtest::ClickAt(spin->UpDownHandle(), r.right / 2, r.bottom / 4);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return spin->Value() == 41; }));
    EXPECT_TRUE(spin->Focused());
    kbtest::ClickAt(spin->UpDownHandle(), r.right / 2, r.bottom * 3 / 4);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return spin->Value() == 40; }));
    EXPECT_EQ(changes, 2);
}

TEST_F(SpinEditTest, IncrementBelowOneCountsAsOne) {
    spin->SetIncrement(0);
    EXPECT_EQ(spin->Increment(), 1);
    spin->SetIncrement(-5);
    EXPECT_EQ(spin->Increment(), 1);
}

TEST_F(SpinEditTest, ABoundPastTheOtherMovesItAndPullsTheValueIn) {
    spin->SetMinValue(100);
    EXPECT_EQ(spin->MaxValue(), 100);
    EXPECT_EQ(spin->Text(), "100");
    spin->SetMaxValue(-5);
    EXPECT_EQ(spin->MinValue(), -5);
    EXPECT_EQ(spin->Value(), -5);
}

TEST_F(SpinEditTest, StepsNeverOverflow) {
    spin->SetMaxValue(INT_MAX);
    spin->SetValue(INT_MAX - 1);
    spin->SetIncrement(INT_MAX);
    Focus(spin);
    kbtest::Press(VK_UP);
    EXPECT_EQ(spin->Value(), INT_MAX);
    spin->SetMinValue(INT_MIN);
    spin->SetValue(INT_MIN + 1);
    kbtest::Press(VK_DOWN);
    EXPECT_EQ(spin->Value(), INT_MIN);
}

TEST_F(SpinEditTest, SetValueOfTheShownValueFiresNothing) {
    changes = 0;
    spin->SetValue(40);
    spin->SetValue(1000); // 72
    spin->SetValue(72);
    EXPECT_EQ(changes, 1);
}
