// Page controls: sheets' OnShow and OnHide follow whether each sheet is showing, through nesting,
// the form's own showing, code and the user; tabs follow the sheets; removed sheets are forgotten.
#include "support/WinTest.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/win/Button.h"
#include "forms/win/PageControl.h"

#include <commctrl.h>

using namespace forms;
using kbtest::PumpUntil;

namespace {
using Log = std::vector<std::string>;

// A form (hidden until a test shows it) with an outer page control of sheets A, B and C; B holds
// an inner page control with sheets B1 and B2. Every sheet logs "<caption> show/hide".
struct Pages : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = MakeScoped<TForm>();
        form->SetBounds(100, 100, 10, 10);
        form->SetClientSize(320, 240);
        outer = MakeChild<TPageControl>(form.get(), Bounds(0, 0, 320, 200));
        a = Sheet(outer, "A");
        b = Sheet(outer, "B");
        c = Sheet(outer, "C表ポ");
        inner = MakeChild<TPageControl>(b, Bounds(4, 4, 280, 150));
        b1 = Sheet(inner, "B1");
        b2 = Sheet(inner, "B2");
        button = MakeChild<TButton>(b2, Bounds(10, 10, 75, 25));
        ok = MakeChild<TButton>(form.get(), Bounds(10, 208, 75, 25));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    TTabSheet* Sheet(TPageControl* parent, const std::string& caption) {
        auto* s = MakeOwned<TTabSheet>(form.get());
        s->SetCaption(caption);
        s->SetPageControl(parent);
        s->OnShow = [this, caption](TComponent*) { log.push_back(caption + " show"); };
        s->OnHide = [this, caption](TComponent*) { log.push_back(caption + " hide"); };
        return s;
    }
    void ShowForm() {
        form->Show();
        kbtest::BringToFront(form->Handle());
    }
    // The client point in the middle of a tab.
    static POINT TabCentre(TPageControl* pc, int index) {
        RECT r{};
        SendMessageW(pc->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    static std::string TabText(TPageControl* pc, int index) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(pc->Handle(), TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        return cp932::Narrow(text);
    }
    static int TabCount(TPageControl* pc) {
        return static_cast<int>(SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0));
    }
    static int SelectedTab(TPageControl* pc) {
        return static_cast<int>(SendMessageW(pc->Handle(), TCM_GETCURSEL, 0, 0));
    }

    Scoped<TForm> form;
    TPageControl *outer = nullptr, *inner = nullptr;
    TTabSheet *a = nullptr, *b = nullptr, *c = nullptr, *b1 = nullptr, *b2 = nullptr;
    TButton *button = nullptr, *ok = nullptr;
    Log log;
};
} // namespace

using PageControlTest = Pages;

TEST_F(PageControlTest, FirstSheetIsActiveAndNothingFiresWhileTheFormIsHidden) {
    EXPECT_EQ(outer->ActivePage(), a);
    EXPECT_EQ(inner->ActivePage(), b1);
    outer->SetActivePage(b);
    outer->SetActivePage(a);
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControlTest, ShowingTheFormShowsTheActiveSheetsAndHidingHidesThem) {
    outer->SetActivePage(b);
    ShowForm();
    EXPECT_EQ(log, (Log{"B show", "B1 show"}));
    log.clear();
    form->Hide();
    EXPECT_EQ(log, (Log{"B hide", "B1 hide"}));
}

TEST_F(PageControlTest, LeavingAnOuterSheetHidesTheSheetInsideIt) {
    ShowForm();
    EXPECT_EQ(log, (Log{"A show"}));
    log.clear();
    outer->SetActivePage(b);
    EXPECT_EQ(log, (Log{"B show", "B1 show", "A hide"}));
    log.clear();
    inner->SetActivePageIndex(1);
    EXPECT_EQ(log, (Log{"B2 show", "B1 hide"}));
    log.clear();
    outer->SetActivePage(a);
    EXPECT_EQ(log, (Log{"A show", "B hide", "B2 hide"}));
    log.clear();
    // The inner page chosen while its outer sheet is hidden shows only with the outer sheet.
    inner->SetActivePage(b1);
    EXPECT_TRUE(log.empty());
    outer->SetActivePageIndex(1);
    EXPECT_EQ(log, (Log{"B show", "B1 show", "A hide"}));
}

TEST_F(PageControlTest, OnlyTheActiveSheetIsVisibleAndItFillsTheDisplayArea) {
    ShowForm();
    outer->SetActivePage(b);
    EXPECT_TRUE(IsWindowVisible(b->Handle()));
    EXPECT_FALSE(IsWindowVisible(a->Handle()));
    EXPECT_FALSE(IsWindowVisible(button->Handle())); // on B2, not the active inner sheet
    EXPECT_EQ(b->BoundsRect(), outer->DisplayRect());
    EXPECT_FALSE(outer->DisplayRect().IsEmpty());
    EXPECT_GT(outer->DisplayRect().Top, 10); // below the tabs
}

TEST_F(PageControlTest, TabsCarryTheCaptionsAndFollowChanges) {
    ShowForm();
    ASSERT_EQ(TabCount(outer), 3);
    EXPECT_EQ(TabText(outer, 0), "A");
    EXPECT_EQ(TabText(outer, 2), "C表ポ");
    c->SetCaption("その他");
    EXPECT_EQ(TabText(outer, 2), "その他");
    c->SetPageIndex(0);
    EXPECT_EQ(TabText(outer, 0), "その他");
    EXPECT_EQ(outer->Pages(1), a);
    EXPECT_EQ(outer->ActivePage(), a);
    EXPECT_EQ(SelectedTab(outer), 1);
    EXPECT_EQ(kbtest::ClassNameOf(outer->Handle()), L"TPageControl");
    EXPECT_EQ(kbtest::ClassNameOf(a->Handle()), L"TTabSheet");
}

TEST_F(PageControlTest, AClickOnATabAsksChangesAndShows) {
    ShowForm();
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    log.clear();
    outer->OnChanging = [&](TComponent*, bool&) { log.push_back("changing"); };
    outer->OnChange = [&](TComponent*) { log.push_back("change"); };
    const POINT p = TabCentre(outer, 1);
    kbtest::ClickAt(outer->Handle(), p.x, p.y);
    ASSERT_TRUE(PumpUntil([&] { return outer->ActivePage() == b; }));
    EXPECT_EQ(log, (Log{"changing", "B show", "B1 show", "A hide", "change"}));
    EXPECT_EQ(SelectedTab(outer), 1);
}

TEST_F(PageControlTest, OnChangingCanKeepThePage) {
    ShowForm();
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    log.clear();
    outer->OnChanging = [&](TComponent*, bool& allow) { allow = false; };
    const POINT p = TabCentre(outer, 2);
    kbtest::ClickAt(outer->Handle(), p.x, p.y);
    kbtest::PumpPosted();
    EXPECT_EQ(outer->ActivePage(), a);
    EXPECT_EQ(SelectedTab(outer), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControlTest, CtrlTabMovesTheInnermostPageControlAroundTheFocus) {
    outer->SetActivePage(b);
    inner->SetActivePage(b2);
    ShowForm();
    button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return button->Focused(); }));
    log.clear();
    kbtest::PressKey(VK_TAB, false, true);
    ASSERT_TRUE(PumpUntil([&] { return inner->ActivePage() == b1; })); // wraps to the first
    EXPECT_EQ(outer->ActivePage(), b);
    EXPECT_EQ(log, (Log{"B1 show", "B2 hide"}));
    // The focus left the hidden sheet for the page control.
    EXPECT_TRUE(inner->Focused());
    kbtest::PressKey(VK_TAB, true, true);
    ASSERT_TRUE(PumpUntil([&] { return inner->ActivePage() == b2; }));
    // With the focus on the outer page control its pages move.
    outer->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return outer->Focused(); }));
    kbtest::PressKey(VK_TAB, false, true);
    ASSERT_TRUE(PumpUntil([&] { return outer->ActivePage() == c; }));
    // Outside every page control nothing moves.
    ok->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return ok->Focused(); }));
    kbtest::PressKey(VK_TAB, false, true);
    kbtest::PumpPosted();
    EXPECT_EQ(outer->ActivePage(), c);
}

TEST_F(PageControlTest, ASheetTakenOffHidesOnceAndIsForgotten) {
    ShowForm();
    outer->SetActivePage(b);
    log.clear();
    b->SetPageControl(nullptr);
    EXPECT_EQ(b->PageControl(), nullptr);
    EXPECT_EQ(outer->PageCount(), 2);
    EXPECT_EQ(TabCount(outer), 2);
    // The sheet that took its place is active.
    EXPECT_EQ(outer->ActivePage(), c);
    EXPECT_EQ(SelectedTab(outer), 1);
    EXPECT_EQ(log, (Log{"C表ポ show", "B hide", "B1 hide"}));
    log.clear();
    outer->SetActivePage(b); // not one of its pages any more
    outer->SelectNextPage(true);
    outer->SelectNextPage(true);
    EXPECT_EQ(log, (Log{"A show", "C表ポ hide", "C表ポ show", "A hide"}));
}

TEST_F(PageControlTest, ADeletedSheetIsNeverCalledAgain) {
    ShowForm();
    outer->SetActivePage(c);
    log.clear();
    ComponentDelete()(c);
    EXPECT_EQ(outer->PageCount(), 2);
    EXPECT_EQ(TabCount(outer), 2);
    EXPECT_EQ(outer->ActivePage(), b); // the one before the last
    EXPECT_EQ(log, (Log{"B show", "B1 show"}));
    log.clear();
    outer->SelectNextPage(true);
    outer->SelectNextPage(true);
    EXPECT_EQ(outer->ActivePage(), b);
    EXPECT_EQ(log, (Log{"A show", "B hide", "B1 hide", "B show", "B1 show", "A hide"}));
}

TEST_F(PageControlTest, DestroyingTheFormFiresNoSheetEvents) {
    ShowForm();
    outer->SetActivePage(b);
    log.clear();
    form.reset();
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControlTest, ADeletedPageControlLetsItsSheetsGo) {
    ShowForm();
    ComponentDelete()(inner);
    EXPECT_EQ(b1->PageControl(), nullptr);
    EXPECT_EQ(b1->PageIndex(), -1);
    b1->SetPageControl(outer); // a sheet can move to another page control
    EXPECT_EQ(outer->PageCount(), 4);
    EXPECT_EQ(TabText(outer, 3), "B1");
}

TEST_F(PageControlTest, PageIndexesOutsideThePagesAreRefused) {
    EXPECT_THROW(outer->SetActivePageIndex(3), EListIndexError);
    EXPECT_THROW(outer->SetActivePageIndex(-2), EListIndexError);
    EXPECT_THROW((void)outer->Pages(3), EListIndexError);
    EXPECT_EQ(outer->ActivePage(), a);
    outer->SetActivePageIndex(-1);
    EXPECT_EQ(outer->ActivePage(), nullptr);
    EXPECT_EQ(outer->ActivePageIndex(), -1);
}
