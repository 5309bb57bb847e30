// The title-bar buttons under real input: notices and events on entering and leaving, presses,
// clicks and the painted faces and skin frames.
#include "components/MarkButtons.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

// A form that reports the buttons' enter and leave notices.
class TNoticeForm : public TForm {
public:
    explicit TNoticeForm(TComponent* owner) : TForm(owner) {}
    std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)> OnNotice;

protected:
    void WndProc(TMessage& m) override {
        if ((m.Msg == kFocusBtnEnterMessage || m.Msg == kFocusBtnLeaveMessage) && OnNotice)
            OnNotice(m.Msg, m.WParam, m.LParam);
        TForm::WndProc(m);
    }
};

constexpr TColor kForm = clTeal, kBase = clSilver, kTop = clWhite, kBtm = clGray, kLock = clLime,
                 kShape = clNavy;

// A button with plain colours on the form, away from its edges.
template <typename T> T* PlaceButton(TForm& form, int size = 40) {
    form.SetColor(kForm);
    auto* b = MakeOwned<T>(&form);
    b->SetBounds(40, 30, size, size);
    b->SetBaseColor(kBase);
    b->SetTopLineColor(kTop);
    b->SetBtmLineColor(kBtm);
    b->SetLockColor(kLock);
    b->SetParent(&form);
    return b;
}

// Nothing of the control waits to be painted.
bool Painted(TControl* c) {
    return !GetUpdateRect(c->Handle(), nullptr, FALSE);
}

std::string Notice(UINT msg, WPARAM w, LPARAM l, bool focusOn) {
    return (msg == kFocusBtnEnterMessage ? "notice 589" : "notice 58A") + std::string(" ") +
           std::to_string(w) + "," + std::to_string(l) + (focusOn ? " over" : " away");
}

// The skin used below: four square frames of one colour each.
std::unique_ptr<TBitmap> Skin(int side) {
    return bitmaptesting::Of(pixeltesting::Bands({clRed, clLime, clBlue, clYellow}, side, side));
}

} // namespace

using MarkButtonTest = WinTest;

// ---- construction ----

TEST_F(MarkButtonTest, EachLevelHasItsConstructionValues) {
    auto focus = MakeScoped<TFocusBtn>();
    EXPECT_EQ(focus->Width(), 40);
    EXPECT_EQ(focus->Height(), 40);
    EXPECT_TRUE(focus->Marking());
    EXPECT_EQ(focus->MarkColor(), clRed);
    EXPECT_EQ(focus->MarkStyle(), msFrame);
    EXPECT_FALSE(focus->LockMark());
    EXPECT_FALSE(focus->FoucusOn());

    auto mark = MakeScoped<TMarkBtn>();
    EXPECT_EQ(mark->Width(), 16);
    EXPECT_EQ(mark->Height(), 16);
    EXPECT_FALSE(mark->Marking());
    EXPECT_EQ(mark->ShapeMarkStyle(), bmsLeftArrow);
    EXPECT_EQ(mark->ShapeMarkColor(), clWindowText);
    EXPECT_EQ(mark->NumGlyph(), -1);
    EXPECT_FALSE(mark->Stretch());
    EXPECT_TRUE(mark->GlyphTrans());
    EXPECT_TRUE(mark->Glyph().Empty());
    EXPECT_EQ(mark->BaseColor(), clBtnFace);
    EXPECT_EQ(mark->TopLineColor(), clBtnHighlight);
    EXPECT_EQ(mark->BtmLineColor(), clBtnShadow);
    EXPECT_EQ(mark->LockColor(), clBlack);
    EXPECT_EQ(mark->Space(), 4);
    EXPECT_EQ(mark->BevelWidth(), 2);
    EXPECT_FALSE(mark->NoUse() || mark->DownLocked() || mark->Down());
    EXPECT_TRUE(mark->ParentColor());
    EXPECT_EQ(mark->ControlStyle(), csClickEvents | csCaptureMouse);
}

TEST_F(MarkButtonTest, WindowClassIsTheClassNameWithoutDoubleClicks) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f);
    EXPECT_EQ(kbtest::ClassNameOf(b->Handle()), L"TMarkBtn");
    EXPECT_FALSE(GetClassLongW(b->Handle(), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(MarkButtonTest, BaseColourBecomesTheColourOnlyWithoutParentColor) {
    auto b = MakeScoped<TMarkBtn>();
    const TColor before = b->Color();
    b->SetBaseColor(clYellow);
    EXPECT_EQ(b->Color(), before);
    b->SetParentColor(false);
    b->SetBaseColor(clAqua);
    EXPECT_EQ(b->Color(), clAqua);
}

// ---- entering and leaving ----

TEST_F(MarkButtonTest, EnterAndLeaveTellTheParentFirstThenChangeThenFire) {
    auto f = ShownForm<TNoticeForm>(200, 150);
    auto* b = PlaceButton<TMarkBtn>(*f);
    std::vector<std::string> log;
    f->OnNotice = [&](UINT msg, WPARAM w, LPARAM l) {
        log.push_back(Notice(msg, w, l, b->FoucusOn()));
    };
    b->OnEnter = [&](TComponent*) { log.push_back(b->FoucusOn() ? "enter over" : "enter away"); };
    b->OnLeave = [&](TComponent*) { log.push_back(b->FoucusOn() ? "leave over" : "leave away"); };
    kbtest::MoveMouseTo(f->Handle(), 180, 130);
    kbtest::MoveMouseTo(b->Handle(), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return b->FoucusOn(); }));
    auto enter = std::find(log.begin(), log.end(), "enter over");
    ASSERT_NE(enter, log.end());
    ASSERT_NE(enter, log.begin());
    EXPECT_EQ(*(enter - 1), "notice 589 0,0 away");

    // Onto another of our windows: the form itself.
    kbtest::MoveMouseTo(f->Handle(), 180, 130);
    ASSERT_TRUE(PumpUntil([&] { return !b->FoucusOn(); }));
    auto leave = std::find(log.begin(), log.end(), "leave away");
    ASSERT_NE(leave, log.end());
    EXPECT_EQ(*(leave - 1), "notice 58A 0,0 over");
}

// ---- presses and clicks ----

TEST_F(MarkButtonTest, ClickComesOnlyFromAReleaseOverTheButton) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f);
    int clicks = 0, ups = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    b->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
    kbtest::ClickAt(b->Handle(), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return ups == 1; }));
    EXPECT_EQ(clicks, 1);
    {
        wintest::HeldInput held;
        held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(PumpUntil([&] { return b->Down(); }));
        kbtest::MoveMouseTo(f->Handle(), 180, 130);
    }
    ASSERT_TRUE(PumpUntil([&] { return ups == 2; }));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Down());
}

TEST_F(MarkButtonTest, SecondPressOfADoubleClickPressesAgain) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f);
    std::vector<bool> downAtPress;
    int ups = 0;
    b->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        downAtPress.push_back(b->Down());
    };
    b->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
    kbtest::DoubleClickAt(b->Handle(), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return ups == 2; }));
    EXPECT_EQ(downAtPress, (std::vector<bool>{true, true}));
}

TEST_F(MarkButtonTest, PressWithAModifierHeldDoesNotPressTheButton) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f);
    int downs = 0;
    bool downAtPress = true;
    b->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        ++downs;
        downAtPress = b->Down();
    };
    kbtest::MoveMouseTo(b->Handle(), 10, 10);
    wintest::HeldInput held;
    held.Key(VK_SHIFT);
    held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return downs == 1; }));
    EXPECT_FALSE(downAtPress);
}

TEST_F(MarkButtonTest, PressedFaceIsSunkenWithTheShapeInTheLockColourOnePixelLower) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f);
    b->SetShapeMarkStyle(bmsRect);
    b->SetShapeMarkColor(kShape);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 20, 4) == Rgb(kShape); }));
    EXPECT_EQ(ReadPixel(b->Handle(), 0, 0), Rgb(kTop));
    EXPECT_EQ(ReadPixel(b->Handle(), 39, 39), Rgb(kBtm));
    EXPECT_EQ(ReadPixel(b->Handle(), 20, 36), Rgb(kBase));

    kbtest::MoveMouseTo(b->Handle(), 20, 20);
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 0, 0) == Rgb(kBtm); }));
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(ReadPixel(b->Handle(), 39, 39), Rgb(kTop));
    EXPECT_EQ(ReadPixel(b->Handle(), 20, 4), Rgb(kBase));
    EXPECT_EQ(ReadPixel(b->Handle(), 20, 5), Rgb(kLock));
    EXPECT_EQ(ReadPixel(b->Handle(), 20, 36), Rgb(kLock));
}

TEST_F(MarkButtonTest, HoverMarkFollowsThePointerWhenMarking) {
    auto f = ShownForm();
    auto* b = PlaceButton<TFocusBtn>(*f);
    b->SetMarkStyle(msFill);
    kbtest::MoveMouseTo(f->Handle(), 180, 130);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 20, 20) == Rgb(kBase); }));
    kbtest::MoveMouseTo(b->Handle(), 20, 20);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 20, 20) == Rgb(clRed); }));
    EXPECT_EQ(ReadPixel(b->Handle(), 1, 1), Rgb(kTop));
}

// ---- the skin ----

TEST_F(MarkButtonTest, NewGlyphTurnsTheSkinOffUntilNumGlyphIsSetAgain) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f, 16);
    const auto skin = Skin(16);
    b->SetNumGlyph(0);
    b->SetGlyph(skin.get());
    EXPECT_EQ(b->NumGlyph(), -1);
    EXPECT_EQ(b->Glyph().Width(), 64);
    b->SetGlyphTrans(false);
    b->SetNumGlyph(0);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clRed); }));
    b->SetGlyph(nullptr);
    EXPECT_EQ(b->NumGlyph(), -1);
    EXPECT_TRUE(b->Glyph().Empty());
}

TEST_F(MarkButtonTest, SkinFrameFollowsHoverMarkingUnusableAndPress) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f, 16);
    const auto skin = Skin(16);
    b->SetGlyph(skin.get());
    b->SetGlyphTrans(false);
    b->SetNumGlyph(0);
    kbtest::MoveMouseTo(f->Handle(), 180, 130);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clRed); }));

    // Hovered without Marking: still the normal frame.
    kbtest::MoveMouseTo(b->Handle(), 8, 8);
    ASSERT_TRUE(PumpUntil([&] { return b->FoucusOn() && Painted(b); }));
    EXPECT_EQ(ReadPixel(b->Handle(), 8, 8), Rgb(clRed));

    b->SetMarking(true);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clBlue); }));
    b->SetNoUse(true);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clYellow); }));
    b->SetNoUse(false);
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clLime); }));
}

TEST_F(MarkButtonTest, UnstretchedFrameIsCentredOverTheParentAndStretchedFillsTheButton) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f, 16);
    const auto skin = Skin(8);
    b->SetGlyph(skin.get());
    b->SetGlyphTrans(false);
    b->SetNumGlyph(0);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 8, 8) == Rgb(clRed); }));
    EXPECT_EQ(ReadPixel(b->Handle(), 4, 4), Rgb(clRed));
    EXPECT_EQ(ReadPixel(b->Handle(), 1, 1), Rgb(kForm));
    b->SetStretch(true);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 1, 1) == Rgb(clRed); }));
}

TEST_F(MarkButtonTest, SkinWithoutAGlyphDrawsNothingAndDoesNotFail) {
    auto f = ShownForm();
    auto* b = PlaceButton<TMarkBtn>(*f, 16);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 0, 0) == Rgb(kTop); }));
    b->SetNumGlyph(0);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(b->Handle(), 0, 0) == Rgb(kForm); }));
    EXPECT_EQ(ReadPixel(b->Handle(), 8, 8), Rgb(kForm));
    EXPECT_TRUE(errors.empty());
}
