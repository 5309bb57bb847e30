// Bevels: boxes, etched frames and lines, lowered or raised, read from the screen; what lies
// below shows through.
#include "support/WinTest.h"

#include "forms/win/Bevel.h"
#include "forms/win/Shape.h"

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {
struct BevelForm : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(240, 160);
        form->SetColor(clBtnFace);
        shadow = ColorToRGB(clBtnShadow);
        light = ColorToRGB(clBtnHighlight);
        face = ColorToRGB(clBtnFace);
        ASSERT_NE(shadow, face);
        ASSERT_NE(light, face);
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    TBevel* Bevel(TBevelShape shape, TBevelCut style = TBevelCut::bvLowered) {
        auto* b = MakeChild<TBevel>(form.get(), Bounds(20, 20, 40, 30));
        b->SetShape(shape);
        b->SetStyle(style);
        Settle();
        return b;
    }
    void Settle() {
        ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }

    Scoped<TForm> form;
    COLORREF shadow = 0, light = 0, face = 0;
};
} // namespace

using BevelTest = BevelForm;

TEST_F(BevelTest, LoweredBoxIsShadowAboveAndLeftLightBelowAndRight) {
    const HWND h = Bevel(TBevelShape::bsBox)->Handle();
    EXPECT_EQ(ReadPixel(h, 20, 0), shadow);
    EXPECT_EQ(ReadPixel(h, 0, 15), shadow);
    EXPECT_EQ(ReadPixel(h, 20, 29), light);
    EXPECT_EQ(ReadPixel(h, 39, 15), light);
    EXPECT_EQ(ReadPixel(h, 20, 15), face); // the parent's face shows inside
}

TEST_F(BevelTest, RaisedBoxIsTheOtherWayRound) {
    const HWND h = Bevel(TBevelShape::bsBox, TBevelCut::bvRaised)->Handle();
    EXPECT_EQ(ReadPixel(h, 20, 0), light);
    EXPECT_EQ(ReadPixel(h, 39, 15), shadow);
}

TEST_F(BevelTest, FrameIsEtched) {
    const HWND h = Bevel(TBevelShape::bsFrame)->Handle();
    EXPECT_EQ(ReadPixel(h, 20, 0), shadow);
    EXPECT_EQ(ReadPixel(h, 20, 1), light);
    EXPECT_EQ(ReadPixel(h, 20, 28), shadow);
    EXPECT_EQ(ReadPixel(h, 20, 29), light);
    EXPECT_EQ(ReadPixel(h, 0, 15), shadow);
    EXPECT_EQ(ReadPixel(h, 1, 15), light);
    EXPECT_EQ(ReadPixel(h, 38, 15), shadow);
    EXPECT_EQ(ReadPixel(h, 39, 15), light);
    EXPECT_EQ(ReadPixel(h, 20, 15), face);
}

TEST_F(BevelTest, LinesLieOnTheirEdge) {
    const HWND top = Bevel(TBevelShape::bsTopLine)->Handle();
    EXPECT_EQ(ReadPixel(top, 20, 0), shadow);
    EXPECT_EQ(ReadPixel(top, 20, 1), light);
    EXPECT_EQ(ReadPixel(top, 20, 29), face);
    EXPECT_EQ(ReadPixel(top, 0, 15), face);
    auto* bottom = Bevel(TBevelShape::bsBottomLine, TBevelCut::bvRaised);
    bottom->SetLeft(80);
    Settle();
    EXPECT_EQ(ReadPixel(bottom->Handle(), 20, 28), light);
    EXPECT_EQ(ReadPixel(bottom->Handle(), 20, 29), shadow);
    EXPECT_EQ(ReadPixel(bottom->Handle(), 20, 0), face);
    auto* left = Bevel(TBevelShape::bsLeftLine);
    left->SetLeft(140);
    Settle();
    EXPECT_EQ(ReadPixel(left->Handle(), 0, 15), shadow);
    EXPECT_EQ(ReadPixel(left->Handle(), 1, 15), light);
    EXPECT_EQ(ReadPixel(left->Handle(), 39, 15), face);
    auto* right = Bevel(TBevelShape::bsRightLine);
    right->SetTop(80);
    Settle();
    EXPECT_EQ(ReadPixel(right->Handle(), 38, 15), shadow);
    EXPECT_EQ(ReadPixel(right->Handle(), 39, 15), light);
    EXPECT_EQ(ReadPixel(right->Handle(), 0, 15), face);
}

TEST_F(BevelTest, SpacerAndFlatCutsDrawNothing) {
    const HWND spacer = Bevel(TBevelShape::bsSpacer)->Handle();
    EXPECT_EQ(ReadPixel(spacer, 0, 0), face);
    EXPECT_EQ(ReadPixel(spacer, 39, 29), face);
    auto* none = Bevel(TBevelShape::bsBox, TBevelCut::bvNone);
    none->SetLeft(100);
    Settle();
    EXPECT_EQ(ReadPixel(none->Handle(), 0, 0), face);
}

TEST_F(BevelTest, ShapeBelowShowsThroughAFrame) {
    auto* shape = MakeChild<TShape>(form.get(), Bounds(20, 20, 40, 30));
    shape->Brush().SetColor(clRed);
    shape->Pen().SetColor(clRed);
    const HWND h = Bevel(TBevelShape::bsFrame)->Handle();
    EXPECT_EQ(ReadPixel(h, 20, 15), ColorToRGB(clRed));
    EXPECT_EQ(ReadPixel(h, 20, 0), shadow);
}
