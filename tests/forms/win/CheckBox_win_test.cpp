// Check boxes, radio buttons and group boxes: OnClick on the user's click and on a change by
// SetChecked (not on the same state), radio buttons clearing the ones beside them only, the
// checked radio button as the tab stop, and the group box as a parent.
#include "support/WinTest.h"

#include "forms/win/CheckBox.h"
#include "forms/win/GroupBox.h"

using namespace forms;

namespace {

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(360, 240);
        box = MakeChild<TCheckBox>(form.get(), Bounds(8, 8, 200, 17));
        box->SetCaption("左ボタン(&L)");
        box->OnClick = [this](TComponent*) { events.push_back(box->Checked() ? "on" : "off"); };
        group = MakeChild<TGroupBox>(form.get(), Bounds(8, 40, 300, 100));
        group->SetCaption("位置(&P)");
        for (int i = 0; i < 3; ++i) {
            radios[i] = MakeChild<TRadioButton>(group, Bounds(10, 20 + 22 * i, 120, 17));
            radios[i]->SetCaption("位置 " + std::to_string(i));
            radios[i]->OnClick = [this, i](TComponent*) {
                events.push_back("radio " + std::to_string(i));
            };
        }
        outside = MakeChild<TRadioButton>(form.get(), Bounds(8, 160, 120, 17));
        outside->SetCaption("外");
        outside->SetChecked(true);
        events.clear();
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void ClickOn(TControl* c) {
        kbtest::ClickAt(c->Handle(), 6, c->Height() / 2);
        kbtest::SettleInput();
    }

    Scoped<TForm> form;
    TCheckBox* box = nullptr;
    TGroupBox* group = nullptr;
    TRadioButton* radios[3] = {};
    TRadioButton* outside = nullptr;
    std::vector<std::string> events;
};

using CheckBoxTest = Fixture;

} // namespace

TEST_F(CheckBoxTest, AreButtonWindowsOfTheirOwnClasses) {
    EXPECT_EQ(kbtest::ClassNameOf(box->Handle()), L"TCheckBox");
    EXPECT_EQ(kbtest::ClassNameOf(radios[0]->Handle()), L"TRadioButton");
    EXPECT_EQ(kbtest::ClassNameOf(group->Handle()), L"TGroupBox");
    EXPECT_EQ(kbtest::WindowText(box->Handle()), "左ボタン(&L)");
    EXPECT_EQ(GetParent(radios[0]->Handle()), group->Handle());
}

TEST_F(CheckBoxTest, AClickTurnsTheBoxOverAndFiresOnce) {
    ClickOn(box);
    EXPECT_TRUE(box->Checked());
    ClickOn(box);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(events, (std::vector<std::string>{"on", "off"}));
}

TEST_F(CheckBoxTest, SpaceTurnsTheFocusedBoxOver) {
    box->SetFocus();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return box->Focused(); }));
    kbtest::PressKey(VK_SPACE);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return box->Checked(); }));
    EXPECT_EQ(events, (std::vector<std::string>{"on"}));
}

TEST_F(CheckBoxTest, SetCheckedFiresOnChangeOnlyAsAClickWould) {
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetChecked(false);
    box->SetChecked(false);
    EXPECT_EQ(events, (std::vector<std::string>{"on", "off"}));
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(CheckBoxTest, AHandlerMayCheckTheBoxAgain) {
    // The last of a set of boxes may not be unchecked: its handler checks it again.
    box->SetChecked(true);
    events.clear();
    box->OnClick = [this](TComponent*) {
        events.push_back(box->Checked() ? "on" : "off");
        if (!box->Checked())
            box->SetChecked(true);
    };
    ClickOn(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(events, (std::vector<std::string>{"off", "on"}));
}

TEST_F(CheckBoxTest, StateSetBeforeTheWindowExistsIsShownByIt) {
    auto f = MakeScoped<TForm>();
    auto* b = MakeChild<TCheckBox>(f.get(), Bounds(0, 0, 80, 17));
    int clicks = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    b->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->HandleAllocated());
    EXPECT_EQ(SendMessageW(b->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    b->DestroyHandle();
    EXPECT_TRUE(b->Checked());
}

TEST_F(CheckBoxTest, CheckingARadioButtonClearsOnlyTheOnesBesideIt) {
    radios[0]->SetChecked(true);
    radios[2]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_TRUE(outside->Checked()); // another parent
    // Only the button whose own state changed fires.
    EXPECT_EQ(events, (std::vector<std::string>{"radio 0", "radio 2"}));
}

TEST_F(CheckBoxTest, ClickingARadioButtonChecksItOnce) {
    ClickOn(radios[1]);
    EXPECT_TRUE(radios[1]->Checked());
    ClickOn(radios[1]); // checked already: no change, no event
    ClickOn(radios[0]);
    EXPECT_FALSE(radios[1]->Checked());
    EXPECT_EQ(events, (std::vector<std::string>{"radio 1", "radio 0"}));
    radios[0]->SetChecked(false);
    EXPECT_EQ(events.back(), "radio 0");
}

TEST_F(CheckBoxTest, OnlyTheCheckedRadioButtonIsATabStopAndArrowsMoveTheCheck) {
    radios[1]->SetChecked(true);
    EXPECT_FALSE(radios[0]->TabStop());
    EXPECT_TRUE(radios[1]->TabStop());
    radios[1]->SetFocus();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return radios[1]->Focused(); }));
    kbtest::PressKey(VK_DOWN);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return radios[2]->Focused(); }));
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_TRUE(radios[2]->TabStop());
    EXPECT_FALSE(radios[1]->TabStop());
    kbtest::PressKey(VK_DOWN); // wraps
    ASSERT_TRUE(kbtest::PumpUntil([this] { return radios[0]->Focused(); }));
    kbtest::PressKey(VK_UP);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return radios[2]->Focused(); }));
    EXPECT_TRUE(outside->Checked());
}

TEST_F(CheckBoxTest, TheGroupBoxIsPaintedInItsParentsColour) {
    form->SetColor(clAqua);
    form->Invalidate();
    group->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    EXPECT_EQ(group->Color(), clAqua);
    EXPECT_EQ(kbtest::ReadPixel(group->Handle(), 200, 60), RGB(0, 255, 255));
    // Behind the check box's caption too.
    EXPECT_EQ(kbtest::ReadPixel(box->Handle(), box->Width() - 2, 2), RGB(0, 255, 255));
}
