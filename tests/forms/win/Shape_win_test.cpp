// Shapes: outline and fill read from the screen, corners left to the parent, and mouse-up for
// every button.
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include "forms/win/Shape.h"

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {
struct ShapeForm : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(240, 160);
        form->SetColor(clBtnFace);
        face = ColorToRGB(clBtnFace);
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Settle() {
        ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }

    Scoped<TForm> form;
    COLORREF face = 0;
};
} // namespace

using ShapeTest = ShapeForm;

TEST_F(ShapeTest, RectangleIsOutlinedWithThePenAndFilledWithTheBrush) {
    auto* shape = MakeChild<TShape>(form.get(), Bounds(20, 20, 41, 22));
    shape->Brush().SetColor(clYellow);
    shape->Pen().SetColor(clNavy);
    Settle();
    const HWND h = shape->Handle();
    EXPECT_EQ(ReadPixel(h, 0, 0), ColorToRGB(clNavy));
    EXPECT_EQ(ReadPixel(h, 40, 21), ColorToRGB(clNavy));
    EXPECT_EQ(ReadPixel(h, 20, 11), ColorToRGB(clYellow));
    shape->Brush().SetColor(clLime); // repaints
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(h, 20, 11) == ColorToRGB(clLime); }));
}

TEST_F(ShapeTest, RoundRectangleAndEllipseLeaveTheCornersToTheParent) {
    auto* round = MakeChild<TShape>(form.get(), Bounds(20, 20, 41, 22));
    round->SetShape(TShapeType::stRoundRect);
    round->Brush().SetColor(clInfoBk);
    auto* ellipse = MakeChild<TShape>(form.get(), Bounds(80, 20, 41, 22));
    ellipse->SetShape(TShapeType::stEllipse);
    ellipse->Brush().SetColor(clRed);
    Settle();
    EXPECT_EQ(ReadPixel(round->Handle(), 0, 0), face);
    EXPECT_EQ(ReadPixel(round->Handle(), 20, 0), ColorToRGB(clBlack)); // the pen
    EXPECT_EQ(ReadPixel(round->Handle(), 20, 11), ColorToRGB(clInfoBk));
    EXPECT_EQ(ReadPixel(ellipse->Handle(), 1, 1), face);
    EXPECT_EQ(ReadPixel(ellipse->Handle(), 20, 11), ColorToRGB(clRed));
}

TEST_F(ShapeTest, WidePenStaysInsideTheBounds) {
    auto* shape = MakeChild<TShape>(form.get(), Bounds(20, 20, 41, 22));
    shape->Pen().SetWidth(3);
    shape->Pen().SetColor(clBlue);
    shape->Brush().SetColor(clWhite);
    Settle();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadPixel(shape->Handle(), 20, i), ColorToRGB(clBlue)) << i;
        EXPECT_EQ(ReadPixel(shape->Handle(), 20, 21 - i), ColorToRGB(clBlue)) << i;
        EXPECT_EQ(ReadPixel(shape->Handle(), i, 11), ColorToRGB(clBlue)) << i;
        EXPECT_EQ(ReadPixel(shape->Handle(), 40 - i, 11), ColorToRGB(clBlue)) << i;
    }
    EXPECT_EQ(ReadPixel(shape->Handle(), 20, 11), ColorToRGB(clWhite));
}

TEST_F(ShapeTest, MouseUpFiresForEveryButton) {
    auto* shape = MakeChild<TShape>(form.get(), Bounds(20, 20, 41, 22));
    std::vector<TMouseButton> ups;
    shape->OnMouseUp = [&](TComponent* sender, TMouseButton b, TShiftState, int, int) {
        EXPECT_EQ(sender, shape);
        ups.push_back(b);
    };
    Settle();
    kbtest::ClickAt(shape->Handle(), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return ups.size() == 1; }));
    kbtest::ClickAt(shape->Handle(), 10, 10, true);
    ASSERT_TRUE(PumpUntil([&] { return ups.size() == 2; }));
    {
        wintest::HeldInput held;
        held.Mouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    }
    ASSERT_TRUE(PumpUntil([&] { return ups.size() == 3; }));
    EXPECT_EQ(ups, (std::vector<TMouseButton>{TMouseButton::mbLeft, TMouseButton::mbRight,
                                              TMouseButton::mbMiddle}));
}
