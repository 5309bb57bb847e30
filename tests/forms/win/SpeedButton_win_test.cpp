// Speed buttons: never focused, groups and AllowAllUp driven by real clicks, the disabled look,
// and the glyph above the caption.
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include "forms/win/Button.h"
#include "forms/win/Panel.h"
#include "forms/win/SpeedButton.h"

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {
struct Buttons : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(300, 160);
        focus = MakeChild<TButton>(form.get(), Bounds(200, 120, 75, 25));
        for (int i = 0; i < 3; ++i) {
            group[i] = MakeChild<TSpeedButton>(form.get(), Bounds(10 + i * 30, 10, 23, 22));
            group[i]->SetGroupIndex(1);
            group[i]->OnClick = [this, i](TComponent*) { clicks.push_back(i); };
        }
        focus->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return focus->Focused(); }));
        ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Click(TSpeedButton* b, size_t clicksAfter) {
        kbtest::ClickAt(b->Handle(), b->Width() / 2, b->Height() / 2);
        ASSERT_TRUE(PumpUntil([&] { return clicks.size() == clicksAfter; }));
    }
    // Down states of the three group buttons.
    std::vector<bool> Downs() const {
        return {group[0]->Down(), group[1]->Down(), group[2]->Down()};
    }
    static void DrawGlyph(TBitmap& glyph) {
        glyph.SetSize(16, 16);
        glyph.Canvas().Brush().SetColor(clFuchsia); // the bottom-left colour: transparent
        glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
        glyph.Canvas().Brush().SetColor(clNavy);
        glyph.Canvas().FillRect(Rect(4, 4, 12, 12));
    }

    Scoped<TForm> form;
    TButton* focus = nullptr;
    TSpeedButton* group[3] = {};
    std::vector<int> clicks;
};
} // namespace

using SpeedButtonTest = Buttons;

TEST_F(SpeedButtonTest, AClickNeverTakesTheFocus) {
    Click(group[0], 1);
    EXPECT_TRUE(focus->Focused());
    EXPECT_EQ(kbtest::ClassNameOf(group[0]->Handle()), L"TSpeedButton");
}

TEST_F(SpeedButtonTest, GroupKeepsOneButtonDown) {
    Click(group[0], 1);
    EXPECT_EQ(Downs(), (std::vector<bool>{true, false, false}));
    Click(group[1], 2);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, true, false}));
    Click(group[1], 3); // a click on the down button keeps it down and still clicks
    EXPECT_EQ(Downs(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 1}));
    group[1]->SetDown(false); // refused without AllowAllUp
    EXPECT_TRUE(group[1]->Down());
    group[2]->SetDown(true); // in code: the group follows, nothing fires
    EXPECT_EQ(Downs(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(SpeedButtonTest, AllowAllUpLetsTheDownButtonGoUp) {
    group[2]->SetAllowAllUp(true); // for the whole group
    EXPECT_TRUE(group[0]->AllowAllUp());
    Click(group[0], 1);
    EXPECT_TRUE(group[0]->Down());
    Click(group[0], 2);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, false, false}));
    group[1]->SetDown(true);
    group[1]->SetDown(false);
    EXPECT_FALSE(group[1]->Down());
}

TEST_F(SpeedButtonTest, GroupsAreKeptApartByIndexAndParent) {
    auto* panel = MakeChild<TPanel>(form.get(), Bounds(10, 50, 100, 40));
    auto* other = MakeChild<TSpeedButton>(panel, Bounds(4, 4, 23, 22));
    other->SetGroupIndex(1);
    auto* bold = MakeChild<TSpeedButton>(form.get(), Bounds(120, 10, 23, 22));
    bold->SetGroupIndex(2);
    bold->SetAllowAllUp(true);
    other->SetDown(true);
    bold->SetDown(true);
    group[0]->SetDown(true);
    EXPECT_TRUE(other->Down());
    EXPECT_TRUE(bold->Down());
    EXPECT_FALSE(group[0]->AllowAllUp()); // group 2's setting stays there
}

TEST_F(SpeedButtonTest, PlainButtonNeverStaysDown) {
    auto* plain = MakeChild<TSpeedButton>(form.get(), Bounds(120, 10, 60, 22));
    int plainClicks = 0;
    plain->OnClick = [&](TComponent*) {
        ++plainClicks;
        clicks.push_back(9);
    };
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    Click(plain, 1);
    EXPECT_EQ(plainClicks, 1);
    EXPECT_FALSE(plain->Down());
}

TEST_F(SpeedButtonTest, ReleasedOutsideIsNoClick) {
    const POINT inside = {group[0]->Width() / 2, group[0]->Height() / 2};
    kbtest::MoveMouseTo(group[0]->Handle(), inside.x, inside.y);
    {
        wintest::HeldInput held;
        held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(PumpUntil([&] { return group[0]->Pressed(); }));
        kbtest::MoveMouseTo(group[0]->Handle(), inside.x, 80);
        ASSERT_TRUE(PumpUntil([&] { return !group[0]->Pressed(); }));
    }
    kbtest::PumpPosted();
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(group[0]->Down());
}

TEST_F(SpeedButtonTest, DisabledButtonIgnoresClicksAndLooksEngraved) {
    auto* copy = MakeChild<TSpeedButton>(form.get(), Bounds(120, 10, 44, 44));
    DrawGlyph(copy->Glyph());
    copy->SetLayout(TButtonLayout::blGlyphTop);
    copy->SetCaption("コピー");
    int copies = 0;
    copy->OnClick = [&](TComponent*) { ++copies; };
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    // The glyph above the caption: its square in the upper half, centred.
    const int gx = 22, gy = (44 - (16 + 4 + copy->Canvas().TextHeight("コピー"))) / 2;
    EXPECT_EQ(ReadPixel(copy->Handle(), gx, gy + 8), ColorToRGB(clNavy));
    EXPECT_NE(ReadPixel(copy->Handle(), gx, gy + 1), ColorToRGB(clFuchsia));
    copy->SetEnabled(false);
    EXPECT_TRUE(PumpUntil(
        [&] { return ReadPixel(copy->Handle(), gx, gy + 8) == ColorToRGB(clBtnShadow); }));
    kbtest::ClickAt(copy->Handle(), 22, 22);
    kbtest::PumpPosted();
    EXPECT_EQ(copies, 0);
}

TEST_F(SpeedButtonTest, AltAndTheAcceleratorClickIt) {
    auto* relist = MakeChild<TSpeedButton>(form.get(), Bounds(120, 10, 100, 22));
    relist->SetCaption("一覧更新(&R)");
    int clicked = 0;
    relist->OnClick = [&](TComponent*) { ++clicked; };
    kbtest::PressKey('R', false, false, true);
    EXPECT_TRUE(PumpUntil([&] { return clicked == 1; }));
    EXPECT_TRUE(focus->Focused());
}

TEST_F(SpeedButtonTest, LatchedButtonLooksPressed) {
    auto* flat = MakeChild<TSpeedButton>(form.get(), Bounds(120, 10, 40, 30));
    flat->SetFlat(true);
    flat->SetGroupIndex(5);
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    const COLORREF face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ReadPixel(flat->Handle(), 0, 15), face); // flat: no edge away from the pointer
    flat->SetDown(true);
    EXPECT_TRUE(
        PumpUntil([&] { return ReadPixel(flat->Handle(), 0, 15) == ColorToRGB(clBtnShadow); }));
}
