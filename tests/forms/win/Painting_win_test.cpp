// What reaches the screen: pixels read back from the screen after painting.
#include "support/WinTest.h"

#include "forms/gfx/Bitmap.h"
#include "forms/win/Label.h"
#include "forms/win/PaintBox.h"
#include "forms/win/Panel.h"

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {
COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}
} // namespace

using PaintingTest = WinTest;

TEST_F(PaintingTest, FormPaintsItsColourAndOnPaint) {
    auto f = ShownForm(200, 150);
    f->SetColor(clTeal);
    f->OnPaint = [&](TComponent*) {
        f->Canvas().Brush().SetColor(clYellow);
        f->Canvas().FillRect(Rect(10, 10, 30, 30));
    };
    f->Repaint();
    EXPECT_TRUE(PumpUntil([&] {
        return ReadPixel(f->Handle(), 100, 100) == Rgb(clTeal) &&
               ReadPixel(f->Handle(), 20, 20) == Rgb(clYellow);
    }));
    EXPECT_EQ(ReadPixel(f->Handle(), 100, 100), Rgb(clTeal));
    EXPECT_EQ(ReadPixel(f->Handle(), 20, 20), Rgb(clYellow));
    EXPECT_EQ(ReadPixel(f->Handle(), 30, 30), Rgb(clTeal)); // right and bottom excluded
}

TEST_F(PaintingTest, TransparentLabelShowsThePaintBoxBelow) {
    auto f = ShownForm(200, 100);
    f->SetColor(clWhite);
    auto* box = MakeOwned<TPaintBox>(f.get());
    box->SetBounds(0, 0, 200, 40);
    box->OnPaint = [box](TComponent*) {
        box->Canvas().Brush().SetColor(clNavy);
        box->Canvas().FillRect(box->ClientRect());
    };
    box->SetParent(f.get());
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetTransparent(true);
    label->Font().SetColor(clYellow);
    label->SetCaption("■ ラベル");
    label->SetLeft(20);
    label->SetTop(10);
    label->SetParent(f.get());
    auto* opaque = MakeOwned<TLabel>(f.get());
    opaque->SetColor(clRed);
    opaque->SetCaption("不透明");
    opaque->SetLeft(120);
    opaque->SetTop(10);
    opaque->SetParent(f.get());
    ASSERT_GT(label->Width(), 20);
    EXPECT_TRUE(PumpUntil([&] {
        return kbtest::Painted(f->Handle()) &&
               ReadPixel(label->Handle(), label->Width() - 1, label->Height() - 1) == Rgb(clNavy) &&
               ReadPixel(opaque->Handle(), opaque->Width() - 1, opaque->Height() - 1) == Rgb(clRed);
    }));
    // Around the text, the transparent label shows the box; the opaque one its own colour.
    EXPECT_EQ(ReadPixel(label->Handle(), label->Width() - 1, label->Height() - 1), Rgb(clNavy));
    EXPECT_EQ(ReadPixel(opaque->Handle(), opaque->Width() - 1, opaque->Height() - 1), Rgb(clRed));
    int yellow = 0;
    for (int x = 0; x < label->Width(); ++x)
        for (int y = 0; y < label->Height(); ++y)
            yellow += ReadPixel(label->Handle(), x, y) == Rgb(clYellow);
    EXPECT_GT(yellow, 10);
}

TEST_F(PaintingTest, RepaintingTheBoxRefreshesTheLabelAbove) {
    auto f = ShownForm(200, 100);
    TColor face = clNavy;
    auto* box = MakeOwned<TPaintBox>(f.get());
    box->SetBounds(0, 0, 200, 40);
    box->OnPaint = [box, &face](TComponent*) {
        box->Canvas().Brush().SetColor(face);
        box->Canvas().FillRect(box->ClientRect());
    };
    box->SetParent(f.get());
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetTransparent(true);
    label->SetCaption("あ");
    label->SetLeft(20);
    label->SetTop(10);
    label->SetParent(f.get());
    ASSERT_TRUE(PumpUntil(
        [&] { return ReadPixel(label->Handle(), label->Width() - 1, 0) == Rgb(clNavy); }));
    face = clMaroon;
    box->Invalidate();
    EXPECT_TRUE(PumpUntil([&] {
        return ReadPixel(label->Handle(), label->Width() - 1, 0) == Rgb(clMaroon) &&
               ReadPixel(box->Handle(), 150, 30) == Rgb(clMaroon);
    }));
    EXPECT_EQ(ReadPixel(label->Handle(), label->Width() - 1, 0), Rgb(clMaroon));
    EXPECT_EQ(ReadPixel(box->Handle(), 150, 30), Rgb(clMaroon));
}

TEST_F(PaintingTest, PanelDrawsBevelAndFace) {
    auto f = ShownForm(200, 100);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetColor(clSilver);
    panel->SetBounds(10, 10, 100, 50);
    panel->SetParent(f.get());
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(panel->Handle(), 50, 25) == Rgb(clSilver); }));
    EXPECT_EQ(ReadPixel(panel->Handle(), 0, 20), Rgb(clBtnHighlight));
    EXPECT_EQ(ReadPixel(panel->Handle(), 99, 20), Rgb(clBtnShadow));
    EXPECT_EQ(ReadPixel(panel->Handle(), 50, 25), Rgb(clSilver));
    panel->SetBevelOuter(TBevelCut::bvNone);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(panel->Handle(), 0, 20) == Rgb(clSilver); }));
}

TEST_F(PaintingTest, PinnedStyleFormDoesNotPaintOverItsChildren) {
    class TPinned : public TForm {
    public:
        explicit TPinned(TComponent* o) : TForm(o) {}

    protected:
        void CreateParams(TCreateParams& p) override {
            TForm::CreateParams(p);
            p.Style = WS_POPUP;
        }
    };
    auto f = MakeScoped<TPinned>();
    f->SetBounds(100, 100, 200, 100);
    f->SetColor(clWhite);
    auto* panel = MakeOwned<TPanel>(f.get());
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clGreen);
    panel->SetBounds(10, 10, 50, 50);
    panel->SetParent(f.get());
    f->Show();
    kbtest::BringToFront(f->Handle());
    f->Repaint();
    EXPECT_TRUE(PumpUntil([&] {
        return kbtest::Painted(f->Handle()) && ReadPixel(f->Handle(), 100, 30) == Rgb(clWhite);
    }));
    EXPECT_EQ(ReadPixel(f->Handle(), 30, 30), Rgb(clGreen));
    EXPECT_EQ(ReadPixel(f->Handle(), 100, 30), Rgb(clWhite));
}

TEST_F(PaintingTest, AutoSizedLabelFitsItsCaption) {
    auto f = ShownForm();
    auto* label = MakeOwned<TLabel>(f.get());
    label->SetParent(f.get());
    label->SetCaption("短い");
    const int shortWidth = label->Width();
    label->SetCaption("もっと長いキャプション");
    EXPECT_GT(label->Width(), shortWidth);
    label->SetAlignment(TAlignment::taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("000");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(PaintingTest, SavesAPictureForAPerson) {
    auto f = ShownForm(120, 60);
    f->SetCaption("画面");
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(f->Handle()); }));
    const std::string path = kbtest::SaveWindowPicture(f->Handle(), "PaintingTest");
    forms::TBitmap check;
    check.LoadFromFile(path);
    EXPECT_EQ(check.Width(), f->Width());
}
