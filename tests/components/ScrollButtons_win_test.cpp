// The scroll arrows under real input: the Value their owner reads, the painted halves and the
// turn on a new type.
#include "components/ScrollButtons.h"

#include "support/WinTest.h"
#include "support/WinTesting.h"

#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

constexpr TColor kBase = clSilver, kTop = clWhite, kBtm = clGray, kMark = clNavy;

TScrollBtns* PlaceArrows(TForm& form) {
    auto* a = MakeOwned<TScrollBtns>(&form);
    a->SetLeft(40);
    a->SetTop(30);
    a->SetBaseColor(kBase);
    a->SetTopLineColor(kTop);
    a->SetBtmLineColor(kBtm);
    a->SetMarkColor(kMark);
    a->SetParent(&form);
    return a;
}

// Records Value as the owner sees it in OnMouseDown and OnMouseUp.
struct ValueLog {
    std::vector<int> atDown, atUp;
    explicit ValueLog(TScrollBtns* a) {
        a->OnMouseDown = [this, a](TComponent*, TMouseButton, TShiftState, int, int) {
            atDown.push_back(a->Value());
        };
        a->OnMouseUp = [this, a](TComponent*, TMouseButton, TShiftState, int, int) {
            atUp.push_back(a->Value());
        };
    }
};

} // namespace

using ScrollButtonsTest = WinTest;

TEST_F(ScrollButtonsTest, ConstructionValuesAndStyle) {
    auto a = MakeScoped<TScrollBtns>();
    EXPECT_EQ(a->Width(), 32);
    EXPECT_EQ(a->Height(), 16);
    EXPECT_EQ(a->ButtonType(), sbtHor);
    EXPECT_EQ(a->Value(), 0);
    EXPECT_EQ(a->LeftBtnArrow(), basArrow);
    EXPECT_EQ(a->RightBtnArrow(), basArrow);
    EXPECT_EQ(a->BaseColor(), clBtnFace);
    EXPECT_EQ(a->Color(), clBtnFace);
    EXPECT_EQ(a->TopLineColor(), clBtnHighlight);
    EXPECT_EQ(a->BtmLineColor(), clBtnShadow);
    EXPECT_EQ(a->MarkColor(), clWindowText);
    EXPECT_EQ(a->ControlStyle(), csClickEvents | csOpaque | csDoubleClicks);
    EXPECT_EQ(a->FirstHalf(), Rect(0, 0, 16, 16));
    EXPECT_EQ(a->SecondHalf(), Rect(16, 0, 32, 16));
}

TEST_F(ScrollButtonsTest, BaseColourIsAlsoTheControlsColour) {
    auto a = MakeScoped<TScrollBtns>();
    a->SetBaseColor(clYellow);
    EXPECT_EQ(a->Color(), clYellow);
}

TEST_F(ScrollButtonsTest, OwnerReadsWhichHalfWasPressedInOnMouseDown) {
    auto f = ShownForm();
    auto* a = PlaceArrows(*f);
    ValueLog log(a);
    kbtest::ClickAt(a->Handle(), 8, 8);
    ASSERT_TRUE(PumpUntil([&] { return log.atUp.size() == 1; }));
    kbtest::ClickAt(a->Handle(), 24, 8);
    ASSERT_TRUE(PumpUntil([&] { return log.atUp.size() == 2; }));
    kbtest::ClickAt(a->Handle(), 16, 8);
    ASSERT_TRUE(PumpUntil([&] { return log.atUp.size() == 3; }));
    EXPECT_EQ(log.atDown, (std::vector<int>{-1, 1, 0}));
    EXPECT_EQ(log.atUp, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(a->Value(), 0);
}

TEST_F(ScrollButtonsTest, SecondPressOfADoubleClickLeavesValueZero) {
    auto f = ShownForm();
    auto* a = PlaceArrows(*f);
    ValueLog log(a);
    kbtest::DoubleClickAt(a->Handle(), 8, 8);
    ASSERT_TRUE(PumpUntil([&] { return log.atUp.size() == 2; }));
    EXPECT_EQ(log.atDown, (std::vector<int>{-1, 0}));
}

TEST_F(ScrollButtonsTest, PressedHalfIsDrawnSunken) {
    auto f = ShownForm();
    auto* a = PlaceArrows(*f);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(a->Handle(), 0, 0) == Rgb(kTop); }));
    EXPECT_EQ(ReadPixel(a->Handle(), 16, 0), Rgb(kTop));
    EXPECT_EQ(ReadPixel(a->Handle(), 31, 15), Rgb(kBtm));
    EXPECT_EQ(ReadPixel(a->Handle(), 10, 8), Rgb(kMark));
    EXPECT_EQ(ReadPixel(a->Handle(), 22, 8), Rgb(kMark));
    EXPECT_EQ(ReadPixel(a->Handle(), 2, 8), Rgb(kBase));

    kbtest::MoveMouseTo(a->Handle(), 24, 8);
    wintest::HeldInput held;
    held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(a->Handle(), 16, 0) == Rgb(kBtm); }));
    EXPECT_EQ(a->Value(), 1);
    EXPECT_EQ(ReadPixel(a->Handle(), 31, 15), Rgb(kTop));
    EXPECT_EQ(ReadPixel(a->Handle(), 0, 0), Rgb(kTop));
}

TEST_F(ScrollButtonsTest, NewTypeTurnsTheControl) {
    auto f = ShownForm();
    auto* a = PlaceArrows(*f);
    a->SetButtonType(sbtVer);
    EXPECT_EQ(a->Width(), 16);
    EXPECT_EQ(a->Height(), 32);
    const RECT r = kbtest::ScreenRectOf(a->Handle());
    EXPECT_EQ(r.right - r.left, 16);
    EXPECT_EQ(r.bottom - r.top, 32);
    EXPECT_EQ(a->FirstHalf(), Rect(0, 0, 16, 16));
    EXPECT_EQ(a->SecondHalf(), Rect(0, 16, 16, 32));
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(a->Handle(), 8, 10) == Rgb(kMark); }));
    a->SetButtonType(sbtVer);
    EXPECT_EQ(a->Width(), 16);
}
