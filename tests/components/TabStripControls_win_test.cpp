// The page tab strip as a window under real input: OnChange on releases, hover and arrows, the
// focus handed on, the counter label, the painted faces, skins and turned captions, and GDI
// objects that stay steady.
#include "components/TabStripControls.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Button.h"
#include "support/BitmapTesting.h"
#include "support/WinTest.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {

constexpr TColor kBase = clSilver, kTop = clWhite, kBtm = clGray, kSelect = clRed, kOther = clBlue;

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

TStringList Captions(const std::vector<std::string>& captions) {
    TStringList list;
    for (const auto& c : captions)
        list.Add(c);
    return list;
}

// A strip in plain colours on the form, laid out for the edge, the first tab selected.
TKTabPanel* PlaceStrip(TForm& form, const std::vector<std::string>& captions,
                       TTabEdgePosition edge = teTop, const TRect& bounds = Bounds(0, 0, 224, 24)) {
    auto* s = MakeChild<TKTabPanel>(&form, bounds);
    s->SetBaseColor(kBase);
    s->SetTopLineColor(kTop);
    s->SetBtmLineColor(kBtm);
    s->SetSelectColor(kSelect);
    s->SetNonSelectColor(kOther);
    s->SetTabPosition(edge);
    s->SetTabs(Captions(captions));
    s->SetTabIndex(0);
    return s;
}

TPoint Middle(const TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// The window's picture as the screen shows it.
std::unique_ptr<TBitmap> Picture(HWND window) {
    const RECT r = kbtest::ClientRectOnScreen(window);
    auto b = bitmaptesting::Plain(r.right - r.left, r.bottom - r.top, clWhite);
    const WindowDC screen;
    BitBlt(b->Canvas().Handle(), 0, 0, b->Width(), b->Height(), screen.Handle(), r.left, r.top,
           SRCCOPY);
    return b;
}

// The box around the pixels in r that are clearly red (anti-aliased edges count too).
TRect RedInk(TBitmap& b, const TRect& r, int* count = nullptr) {
    TRect box{r.Right, r.Bottom, r.Left, r.Top};
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const TColor c = b.Canvas().Pixels(x, y);
            const int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
            if (red > green + 60 && red > blue + 60) {
                ++n;
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
        }
    if (count)
        *count = n;
    return box;
}

// Records TabIndex at every OnChange.
struct ChangeLog {
    std::vector<int> tabs;
    explicit ChangeLog(TKTabPanel* s) {
        s->OnChange = [this, s](TComponent*) { tabs.push_back(s->TabIndex()); };
    }
};

} // namespace

using TabStripTest = WinTest;

// ---- construction ----

TEST_F(TabStripTest, BaseGridConstructionValues) {
    auto g = MakeScoped<TBaseGrid>();
    EXPECT_EQ(g->ColCount(), 10);
    EXPECT_EQ(g->RowCount(), 1);
    EXPECT_FALSE(g->TabStop());
    EXPECT_EQ(g->DefaultColWidth(), 38);
    EXPECT_EQ(g->DefaultRowHeight(), 38);
    EXPECT_EQ(g->Width(), 380);
    EXPECT_EQ(g->Height(), 38);
    EXPECT_FALSE(g->ParentColor());
    EXPECT_EQ(g->MouseDownBtn(), mbtNone);
    EXPECT_TRUE(g->NoneClick());
}

TEST_F(TabStripTest, StripConstructionValues) {
    auto s = MakeScoped<TKTabPanel>();
    EXPECT_EQ(s->ColCount(), 1);
    EXPECT_EQ(s->DefaultRowHeight(), 24);
    EXPECT_EQ(s->DefaultColWidth(), 56);
    EXPECT_EQ(s->TabBtnHeight(), 24);
    EXPECT_EQ(s->BoundsRect(), Rect(0, 0, 224, 24));
    EXPECT_TRUE(s->ParentFont());
    EXPECT_TRUE(s->ParentColor());
    EXPECT_FALSE(s->NoneClick());
    EXPECT_EQ(s->TabIndex(), -1);
    EXPECT_EQ(s->Tabs().Count(), 0);
    EXPECT_FALSE(s->UseGlyph());
    EXPECT_TRUE(s->Glyph().Empty());
    EXPECT_TRUE(s->GlyphTrans());
    EXPECT_FALSE(s->VisibleCounter());
    EXPECT_FALSE(s->CounterBackTrans());
    EXPECT_TRUE(s->CounterZero());
    EXPECT_EQ(s->CounterPlace(), 2);
    EXPECT_EQ(s->CounterColor(), clRed);
    EXPECT_TRUE(s->AutoWidthSize());
    EXPECT_EQ(s->Margin(), 6);
    EXPECT_EQ(s->TabPosition(), teTop);

    TLabel* counter = s->CounterLabel();
    EXPECT_FALSE(counter->Visible());
    EXPECT_TRUE(counter->ShowHint());
    EXPECT_EQ(counter->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(counter->Font().Name(), "Arial");
    EXPECT_EQ(counter->Font().Size(), 8);
    EXPECT_EQ(counter->Font().Style(), fsBold);
    EXPECT_EQ(counter->Font().Color(), clRed);
    EXPECT_FALSE(counter->Transparent());
    EXPECT_EQ(counter->Caption(), "000/000");

    TScrollBtns* arrows = s->ScrollBtns();
    EXPECT_FALSE(arrows->Visible());
    EXPECT_EQ(arrows->Width(), 30);
    EXPECT_EQ(arrows->Height(), 15);
}

TEST_F(TabStripTest, StripArrowsAndCounterAreWindowsOfTheirClasses) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1"});
    EXPECT_EQ(kbtest::FindChildWindow(f->Handle(), L"TKTabPanel"), s->Handle());
    EXPECT_EQ(kbtest::FindChildWindow(s->Handle(), L"TScrollBtns"), s->ScrollBtns()->Handle());
    EXPECT_EQ(kbtest::FindChildWindow(s->Handle(), L"TLabel"), s->CounterLabel()->Handle());
}

// ---- colours ----

TEST_F(TabStripTest, ColoursReachTheControlAndTheArrows) {
    auto s = MakeScoped<TKTabPanel>();
    s->SetBaseColor(clYellow);
    s->SetBtmLineColor(clMaroon);
    s->SetNonSelectColor(clNavy);
    s->SetTopLineColor(clAqua);
    EXPECT_EQ(s->Color(), clYellow);
    EXPECT_FALSE(s->ParentColor());
    TScrollBtns* arrows = s->ScrollBtns();
    EXPECT_EQ(arrows->BaseColor(), clYellow);
    EXPECT_EQ(arrows->BtmLineColor(), clMaroon);
    EXPECT_EQ(arrows->MarkColor(), clNavy);
    EXPECT_EQ(arrows->TopLineColor(), clBtnHighlight); // until the arrows are placed again
    s->Rebuild();
    EXPECT_EQ(arrows->TopLineColor(), clAqua);
}

// ---- real input ----

TEST_F(TabStripTest, EveryReleaseFiresChangeThenTheFocusMovesOn) {
    auto f = ShownForm(300, 100);
    auto* next = MakeChild<TButton>(f.get(), Bounds(10, 60, 80, 24));
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2", "ページ3"});
    s->SetVisibleCounter(true);
    ChangeLog log(s);
    const TPoint second = Middle(s->CellRect(1, 0));
    kbtest::ClickAt(s->Handle(), second.X, second.Y);
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 1; }));
    EXPECT_EQ(log.tabs, (std::vector<int>{1}));
    EXPECT_EQ(s->CounterLabel()->Caption(), "02-03");
    ASSERT_TRUE(PumpUntil([&] { return next->Focused(); }));

    kbtest::ClickAt(s->Handle(), second.X, second.Y); // the selected tab again
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 2; }));
    EXPECT_EQ(log.tabs, (std::vector<int>{1, 1}));
    ASSERT_TRUE(PumpUntil([&] { return next->Focused(); }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(TabStripTest, MouseDownBtnHoldsTheButtonWhileItIsDownAndEveryReleaseChanges) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2"});
    ChangeLog log(s);
    std::vector<TMouseBtnType> down, up;
    s->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        down.push_back(s->MouseDownBtn());
    };
    s->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        up.push_back(s->MouseDownBtn());
    };
    const TPoint second = Middle(s->CellRect(1, 0));
    kbtest::ClickAt(s->Handle(), second.X, second.Y, true);
    ASSERT_TRUE(PumpUntil([&] { return up.size() == 1; }));
    kbtest::ClickAt(s->Handle(), second.X, second.Y);
    ASSERT_TRUE(PumpUntil([&] { return up.size() == 2; }));
    EXPECT_EQ(down, (std::vector<TMouseBtnType>{mbtRight, mbtLeft}));
    EXPECT_EQ(up, (std::vector<TMouseBtnType>{mbtNone, mbtNone}));
    // A right press moves no tab, but its release fires OnChange as any release does.
    EXPECT_EQ(log.tabs, (std::vector<int>{0, 1}));
}

TEST_F(TabStripTest, HoverSelectsTheTabUnderThePointerAndBeyondTheLastTheFirst) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"a", "b", "c"});
    s->SetNoneClick(true);
    ChangeLog log(s);
    ASSERT_LT(s->CellRect(2, 0).Right, 170);
    const TPoint third = Middle(s->CellRect(2, 0));
    kbtest::MoveMouseTo(s->Handle(), third.X, 3);
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 1; }));
    EXPECT_EQ(s->TabIndex(), 2);
    kbtest::MoveMouseTo(s->Handle(), 180, 3); // the strip's empty part, above the arrows
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 2; }));
    EXPECT_EQ(log.tabs, (std::vector<int>{2, 0}));
}

TEST_F(TabStripTest, ArrowsStepOneTabAndHoldAtTheFirst) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2", "ページ3"});
    ChangeLog log(s);
    TScrollBtns* arrows = s->ScrollBtns();
    ASSERT_TRUE(arrows->Visible());
    EXPECT_EQ(arrows->BoundsRect(), Rect(194, 8, 224, 23));
    kbtest::ClickAt(arrows->Handle(), 22, 7);
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 1; }));
    kbtest::ClickAt(arrows->Handle(), 7, 7);
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 2; }));
    kbtest::ClickAt(arrows->Handle(), 7, 7);
    ASSERT_TRUE(PumpUntil([&] { return log.tabs.size() == 3; }));
    EXPECT_EQ(log.tabs, (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(arrows->Visible());
}

TEST_F(TabStripTest, WithoutTabsClicksSelectNothingAndFireNothing) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"a", "b", "c"});
    s->SetTabs(TStringList{});
    s->SetNoneClick(true);
    ChangeLog log(s);
    int ups = 0;
    s->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
    kbtest::MoveMouseTo(s->Handle(), 60, 5);
    kbtest::ClickAt(s->Handle(), 60, 5);
    kbtest::ClickAt(s->ScrollBtns()->Handle(), 22, 7);
    ASSERT_TRUE(PumpUntil([&] { return ups == 1; }));
    kbtest::PumpPosted();
    EXPECT_EQ(s->TabIndex(), -1);
    EXPECT_TRUE(log.tabs.empty());
}

TEST_F(TabStripTest, ChangeHandlerMayFreeTheStrip) {
    auto f = ShownForm(300, 100);
    Scoped<TKTabPanel> s = MakeScoped<TKTabPanel>();
    s->SetParent(f.get());
    s->SetTabPosition(teTop);
    s->SetTabs(Captions({"a", "b"}));
    bool changed = false;
    s->OnChange = [&](TComponent*) {
        changed = true;
        s.reset();
    };
    const TPoint first = Middle(s->CellRect(0, 0));
    kbtest::ClickAt(s->Handle(), first.X, first.Y);
    ASSERT_TRUE(PumpUntil([&] { return changed; }));
    EXPECT_EQ(s, nullptr);
    EXPECT_TRUE(errors.empty());
}

// ---- properties ----

TEST_F(TabStripTest, CaptionsTakeTheControlsFontOnlyWhenTabPositionIsSet) {
    auto s = MakeScoped<TKTabPanel>();
    s->Font().SetName("Arial");
    s->Font().SetHeight(-15);
    s->Font().SetStyle(fsBold);
    EXPECT_NE(s->CaptionFont().Name(), "Arial");
    s->SetTabPosition(teLeft);
    EXPECT_EQ(s->CaptionFont().Name(), "Arial");
    EXPECT_EQ(s->CaptionFont().Height(), -15);
    EXPECT_EQ(s->CaptionFont().Style(), fsBold);
    EXPECT_EQ(s->CaptionFont().Description().lfEscapement, -900);
    s->SetTabPosition(teBottom);
    EXPECT_EQ(s->CaptionFont().Description().lfEscapement, 0);
}

// ---- counter ----

TEST_F(TabStripTest, CounterShowsTheTabAndTheTotalAtTheStripsRightEnd) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"1", "2", "3", "4", "5"});
    s->SetVisibleCounter(true);
    s->SetTabIndex(1);
    TLabel* counter = s->CounterLabel();
    EXPECT_EQ(kbtest::WindowText(counter->Handle()), "02-05");
    EXPECT_EQ(counter->Hint(), "Page No: 2 - Total: 5");
    EXPECT_EQ(counter->Left() + counter->Width(), s->Width());
    EXPECT_EQ(counter->Top() + counter->Height(), s->Height() + 2);
    EXPECT_TRUE(IsWindowVisible(counter->Handle()));
    s->SetCounterZero(false);
    EXPECT_EQ(counter->Caption(), " 2- 5");
    s->SetCounterColor(clLime);
    EXPECT_EQ(counter->Font().Color(), clLime);
    s->SetCounterBackTrans(true);
    EXPECT_TRUE(counter->Transparent());
}

TEST_F(TabStripTest, NoCounterOnTheSidesUntilItIsShownAgain) {
    auto f = ShownForm(300, 250);
    auto* s = PlaceStrip(*f, {"1", "2"});
    s->SetVisibleCounter(true);
    s->SetTabPosition(teLeft);
    EXPECT_FALSE(s->CounterLabel()->Visible());
    s->SetVisibleCounter(true);
    EXPECT_FALSE(s->CounterLabel()->Visible());
    s->SetTabPosition(teBottom);
    EXPECT_FALSE(s->CounterLabel()->Visible());
    s->SetVisibleCounter(true);
    EXPECT_TRUE(s->CounterLabel()->Visible());
}

// ---- painting ----

TEST_F(TabStripTest, SelectedTabJoinsTheStripsInsideAndTheOthersAreFramed) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2", "ページ3"});
    const HWND w = s->Handle();
    const TRect on = s->CellRect(0, 0), off = s->CellRect(1, 0);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(w, off.Left, 10) == Rgb(kTop); }));
    EXPECT_EQ(ReadPixel(w, off.Right - 1, 10), Rgb(kBtm));
    EXPECT_EQ(ReadPixel(w, off.Left + 4, off.Bottom - 1), Rgb(kBtm));
    // The selected tab starts four pixels lower and has no bottom line.
    EXPECT_EQ(ReadPixel(w, on.Left, 2), Rgb(kBase));
    EXPECT_EQ(ReadPixel(w, on.Left, 10), Rgb(kTop));
    EXPECT_EQ(ReadPixel(w, on.Left + 6, on.Bottom - 1), Rgb(kBase));
}

TEST_F(TabStripTest, CaptionsOnTopRunAcrossInTheirColours) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2"});
    const HWND w = s->Handle();
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(w); }));
    auto picture = Picture(w);
    int red = 0;
    const TRect ink = RedInk(*picture, s->CellRect(0, 0), &red);
    EXPECT_GT(red, 20);
    EXPECT_GT(ink.Width(), 2 * ink.Height());
    int redInOther = 0;
    RedInk(*picture, s->CellRect(1, 0), &redInOther);
    EXPECT_EQ(redInOther, 0);
}

TEST_F(TabStripTest, CaptionsOnTheSidesRunDownTheTabs) {
    for (TTabEdgePosition edge : {teLeft, teRight}) {
        auto f = ShownForm(300, 250);
        auto* s = PlaceStrip(*f, {"ページ1", "設定"}, edge, Bounds(10, 0, 24, 220));
        const HWND w = s->Handle();
        ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(w); }));
        const TRect cell = s->CellRect(0, 0);
        EXPECT_EQ(cell.Width(), 24) << edge;
        EXPECT_GT(cell.Height(), cell.Width()) << edge;
        auto picture = Picture(w);
        int red = 0;
        const TRect ink = RedInk(*picture, cell, &red);
        EXPECT_GT(red, 20) << edge;
        EXPECT_GT(ink.Height(), 2 * ink.Width()) << edge;
        EXPECT_GE(ink.Top, cell.Top + s->Margin()) << edge;
        EXPECT_EQ(s->ScrollBtns()->BoundsRect(), Rect(9, 190, 24, 220)) << edge;
    }
}

TEST_F(TabStripTest, SkinFramesShowTheSelectedTabAndTheOthers) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2"});
    TBitmap skin;
    skin.SetPixelFormat(TPixelFormat::pf24bit);
    skin.SetSize(60, 24);
    skin.Canvas().Brush().SetColor(clGreen);
    skin.Canvas().FillRect(Rect(0, 0, 30, 24));
    skin.Canvas().Brush().SetColor(clPurple);
    skin.Canvas().FillRect(Rect(30, 0, 60, 24));
    s->SetGlyph(skin);
    s->SetGlyphTrans(false);
    s->SetUseGlyph(true);
    const HWND w = s->Handle();
    const TRect on = s->CellRect(0, 0), off = s->CellRect(1, 0);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(w, on.Left + 3, 3) == Rgb(clGreen); }));
    EXPECT_EQ(ReadPixel(w, off.Left + 3, 3), Rgb(clPurple));
    EXPECT_EQ(ReadPixel(w, off.Left, 3), Rgb(kBase)); // one pixel between the skins
}

TEST_F(TabStripTest, EmptySkinWithUseGlyphPaintsTheBareStrip) {
    auto f = ShownForm(300, 100);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2"});
    s->SetUseGlyph(true);
    const HWND w = s->Handle();
    const TRect off = s->CellRect(1, 0);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(w, off.Left, 10) == Rgb(kBase); }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(TabStripTest, TurningTheCaptionFontDeletesTheOneItReplaces) {
    auto s = MakeScoped<TKTabPanel>();
    s->SetTabPosition(teLeft);
    const HFONT first = s->CaptionFont().Handle();
    ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_FONT));
    s->SetTabBtnHeight(30);
    const HFONT second = s->CaptionFont().Handle();
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    s->SetTabPosition(teTop);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetObjectType(s->CaptionFont().Handle()), static_cast<DWORD>(OBJ_FONT));
}

// GetGuiResources counts nothing under Wine 8; on Windows this catches any object a layout or
// paint leaves behind.
TEST_F(TabStripTest, GdiObjectsStaySteadyOverManyTabPositions) {
    auto f = ShownForm(300, 250);
    auto* s = PlaceStrip(*f, {"ページ1", "ページ2", "設定"}, teTop, Bounds(0, 0, 224, 224));
    const TTabEdgePosition edges[] = {teTop, teLeft, teBottom, teRight};
    auto cycle = [&](int times) {
        for (int i = 0; i < times; ++i) {
            s->SetTabPosition(edges[i % 4]);
            if (i % 50 == 0)
                s->Update();
        }
        s->SetTabPosition(teTop);
        s->Update();
        kbtest::PumpPosted();
    };
    cycle(8);
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD before = kbtest::GdiObjects();
    cycle(1000);
    EXPECT_EQ(kbtest::GdiObjects(), before);
}
