// The scrolling title on a real form: its window and window text, the painted text moving with
// the ticks, the turned fonts of the vertical styles, and no GDI objects left behind.
#include "components/ScrollingLabel.h"

#include "forms/gfx/DeviceContext.h"
#include "shared/DateFormat.h"
#include "support/BitmapTesting.h"
#include "support/WinTest.h"

#include <climits>
#include <memory>

using namespace forms;
using kbtest::PumpUntil;

namespace {

constexpr TColor kFace = clWhite, kInk = clBlack;

// A title whose ticks the test runs itself.
class TTickedLabel : public TScrlLabel {
public:
    explicit TTickedLabel(TComponent* owner) : TScrlLabel(owner) {}
    void Tick() { TelopTimer(this); }
};

// What the screen shows of the window.
std::unique_ptr<TBitmap> Shot(HWND window) {
    const RECT r = kbtest::ScreenRectOf(window);
    auto b = bitmaptesting::Plain(r.right - r.left, r.bottom - r.top, clFuchsia);
    const WindowDC screen;
    BitBlt(b->Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Handle(), r.left,
           r.top, SRCCOPY);
    return b;
}

// The box of every pixel that is not the face; empty when there is none.
TRect InkBox(TBitmap& b) {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != kFace) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Left == INT_MAX ? TRect{} : box;
}

TRect InkOf(TControl* c) {
    return InkBox(*Shot(c->Handle()));
}

using ScrollingLabelTest = WinTest;

// A white form with a title in black.
template <typename T = TTickedLabel> T* PlaceTitle(TForm& form, TRect bounds) {
    form.SetColor(kFace);
    auto* label = MakeChild<T>(&form, bounds);
    label->Font().SetColor(kInk);
    label->Font().SetHeight(-16);
    label->SetInterval(60000); // the test runs the ticks
    label->SetScrollStyle(tssHorzLeft);
    return label;
}

} // namespace

// ---- the window and its text ----

TEST_F(ScrollingLabelTest, ConstructionValues) {
    auto l = MakeScoped<TScrlLabel>();
    EXPECT_EQ(l->Align(), TAlign::alNone);
    EXPECT_FALSE(l->AutoSize());
    EXPECT_EQ(l->Layout(), TTextLayout::tlTop);
    EXPECT_FALSE(l->WordWrap());
    EXPECT_TRUE(l->Transparent());
    EXPECT_EQ(l->Caption(), "");
    EXPECT_EQ(l->ScrollStyle(), tssHorzLeft);
    EXPECT_EQ(l->TelopMessage(), "スクロール");
    EXPECT_EQ(l->ScrollValue(), 4);
    EXPECT_FALSE(l->ShowTime());
    EXPECT_FALSE(l->Telop());
    EXPECT_EQ(l->DateTimeFormat(), "yyyy/mm/dd - hh:nn");
    EXPECT_EQ(l->Interval(), 200u);
    EXPECT_FALSE(l->TimerEnabled());
    EXPECT_EQ(l->TextLeft(), 0);
    EXPECT_EQ(l->TextTop(), (l->Height() - l->Font().Size()) / 2);
    EXPECT_EQ(l->Font().Orientation(), 0);
}

TEST_F(ScrollingLabelTest, WindowOfItsClassShowsTheTextAndKeepsTheCaptionEmpty) {
    auto f = ShownForm();
    auto* l = MakeChild<TScrlLabel>(f.get(), Rect(10, 10, 195, 30));
    ASSERT_EQ(kbtest::FindChildWindow(f->Handle(), L"TScrlLabel"), l->Handle());
    EXPECT_EQ(kbtest::WindowText(l->Handle()), "スクロール");
    l->SetTelopMessage("ページ 1");
    EXPECT_EQ(kbtest::WindowText(l->Handle()), "ページ 1");
    EXPECT_EQ(l->Caption(), "");
    l->SetShowTime(true);
    EXPECT_TRUE(PumpUntil([&] {
        return kbtest::WindowText(l->Handle()) == FormatDateTimeEx(l->DateTimeFormat(), Now());
    }));
    l->SetShowTime(false);
    EXPECT_EQ(kbtest::WindowText(l->Handle()), "ページ 1");
    EXPECT_EQ(l->Caption(), "");
}

TEST_F(ScrollingLabelTest, ClockTicksKeepTheWindowTextCurrent) {
    auto f = ShownForm();
    auto* l = MakeChild<TScrlLabel>(f.get(), Rect(10, 10, 195, 30));
    l->SetDateTimeFormat("hh:nn:ss");
    l->SetShowTime(true);
    EXPECT_EQ(l->Interval(), 1000u);
    const std::string first = kbtest::WindowText(l->Handle());
    EXPECT_TRUE(PumpUntil([&] { return kbtest::WindowText(l->Handle()) != first; }, 4000));
    EXPECT_EQ(l->TextLeft(), 0); // a standing clock does not move
}

// ---- painting and scrolling ----

TEST_F(ScrollingLabelTest, EveryTickMovesThePaintedTextByScrollValue) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle(*f, Rect(20, 20, 205, 44));
    l->SetScrollValue(10);
    l->SetTelop(true);
    ASSERT_TRUE(PumpUntil([&] { return InkOf(l).Width() > 20; }));
    const int right = InkOf(l).Right;
    for (int tick = 1; tick <= 3; ++tick) {
        l->Tick();
        EXPECT_EQ(l->TextLeft(), -10 * tick);
        EXPECT_TRUE(PumpUntil([&] { return InkOf(l).Right == right - 10 * tick; }))
            << "tick " << tick << ": " << InkOf(l).Right;
    }
}

TEST_F(ScrollingLabelTest, RealTimerScrollsAndStoppingPutsTheTextBack) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle<TScrlLabel>(*f, Rect(20, 20, 205, 44));
    l->SetInterval(30);
    l->SetTelop(true);
    EXPECT_TRUE(PumpUntil([&] { return l->TextLeft() <= -12; }));
    l->SetTelop(false);
    EXPECT_FALSE(l->TimerEnabled());
    EXPECT_EQ(l->TextLeft(), 0);
    EXPECT_TRUE(PumpUntil([&] { return InkOf(l).Left <= 3; }));
}

TEST_F(ScrollingLabelTest, HiddenLabelDoesNotMove) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle<TScrlLabel>(*f, Rect(20, 20, 205, 44));
    l->SetVisible(false);
    l->SetInterval(20);
    l->SetTelop(true);
    kbtest::PumpPastTimers(150);
    EXPECT_EQ(l->TextLeft(), 0);
    l->SetVisible(true);
    EXPECT_TRUE(PumpUntil([&] { return l->TextLeft() < 0; }));
}

TEST_F(ScrollingLabelTest, OpaqueLabelFillsItsColourBehindTheText) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle(*f, Rect(20, 20, 205, 44));
    l->SetTransparent(false);
    l->SetColor(clYellow);
    EXPECT_TRUE(PumpUntil([&] {
        return kbtest::ReadPixel(l->Handle(), 180, 2) ==
               static_cast<COLORREF>(ColorToRGB(clYellow));
    }));
}

// ---- vertical styles ----

TEST_F(ScrollingLabelTest, UpStyleRunsTheTextDownFromTheTop) {
    auto f = ShownForm(120, 220);
    auto* l = PlaceTitle(*f, Rect(30, 10, 70, 200)); // 40 x 190
    l->SetScrollStyle(tssVertUp);
    EXPECT_EQ(l->Font().Orientation(), -900);
    EXPECT_EQ(l->TextTop(), 0);
    EXPECT_EQ(l->TextLeft(), (40 - 12) / 2 + 12);
    ASSERT_TRUE(PumpUntil([&] { return InkOf(l).Height() > 40; }));
    const TRect ink = InkOf(l);
    EXPECT_GT(ink.Height(), 2 * ink.Width());
    EXPECT_LE(ink.Top, 3);
    EXPECT_LE(ink.Right, l->TextLeft() + 1); // the glyphs' tops face right, at the origin
    EXPECT_GE(ink.Left, l->TextLeft() - 17);
    l->SetScrollValue(10);
    l->SetTelop(true);
    l->Tick();
    EXPECT_EQ(l->TextTop(), -10);
    EXPECT_TRUE(PumpUntil([&] { return InkOf(l).Bottom == ink.Bottom - 10; }));
}

TEST_F(ScrollingLabelTest, DownStyleRunsTheTextUpFromTheBottom) {
    auto f = ShownForm(120, 220);
    auto* l = PlaceTitle(*f, Rect(30, 10, 70, 200));
    l->SetScrollStyle(tssVertDn);
    EXPECT_EQ(l->Font().Orientation(), 900);
    EXPECT_EQ(l->TextTop(), 190);
    EXPECT_EQ(l->TextLeft(), (40 - 12) / 2);
    ASSERT_TRUE(PumpUntil([&] { return InkOf(l).Height() > 40; }));
    const TRect ink = InkOf(l);
    EXPECT_GT(ink.Height(), 2 * ink.Width());
    EXPECT_GE(ink.Bottom, 187);
    EXPECT_GE(ink.Left, l->TextLeft() - 1); // the glyphs' tops face left, at the origin
    EXPECT_LE(ink.Right, l->TextLeft() + 17);
    l->SetScrollValue(10);
    l->SetTelop(true);
    l->Tick(); // moves down, out of the label
    l->SetTelop(false);
    EXPECT_EQ(l->TextTop(), 190);
    l->SetTelop(true);
    l->SetScrollStyle(tssVertDn);
    EXPECT_EQ(l->TextTop(), 190);
}

// ---- resources ----

TEST_F(ScrollingLabelTest, TogglesAndStyleChangesLeaveNoGdiObjects) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle(*f, Rect(20, 20, 205, 44));
    l->SetTelop(true);
    l->SetTelop(false);
    l->SetScrollStyle(tssVertUp);
    l->SetScrollStyle(tssHorzLeft);
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    kbtest::Pump(50);
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 1000; ++i) {
        l->SetTelop(true);
        l->Tick();
        l->SetTelop(false);
        l->SetScrollStyle(static_cast<TTelopScrollStyle>(i % 3));
        if (i % 100 == 0)
            kbtest::Pump(5);
    }
    l->SetScrollStyle(tssHorzLeft);
    kbtest::Pump(50);
    EXPECT_LE(kbtest::GdiObjects(), before + 2);
}

TEST_F(ScrollingLabelTest, FreedWhileScrollingTheTimerGoesWithIt) {
    auto f = ShownForm(240, 80);
    auto* l = PlaceTitle<TScrlLabel>(*f, Rect(20, 20, 205, 44));
    l->SetInterval(10);
    l->SetTelop(true);
    ASSERT_TRUE(PumpUntil([&] { return l->TextLeft() < 0; }));
    ComponentDelete()(l);
    kbtest::PumpPastTimers(80);
    EXPECT_TRUE(errors.empty());
}
