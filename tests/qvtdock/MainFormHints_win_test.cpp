// The selected button's pop-up hint where the settings put it, and the ordinary hints of the
// launcher's controls when the pop-up hint is off.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/ScopeGuard.h"
#include "support/WinTesting.h"

#include <gmock/gmock.h>

using namespace qvttest;

class ButtonHintTest : public MainFormTest {
protected:
    // A launcher of 40-pixel buttons, 10 to a row, shown at (100, 200) with button 1 selected;
    // the hint offsets (5, 7).
    void StartShown(const std::string& extraIni = "") {
        Prepare({4});
        kbtest::WriteBytes(IniFile(), Lines({"[PopupHint]", "X=5", "Y=7", "[Visible]", extraIni}));
        Start();
        form->Show();
        form->SetBounds(100, 200, form->Width(), form->Height());
        form->BtnBar->SetBtnIndex(1);
        setter().SetIsIcon(false);
        setter().SetLockWidth(false);
        setter().SetMaxLine(0);
    }
    THintSetter& setter() { return *form->HintSetter(); }
    HWND HintHandle() {
        TRvHint* hint = setter().HintWindow();
        return hint && hint->HandleAllocated() ? hint->Handle() : nullptr;
    }
    bool HintShown() {
        HWND h = HintHandle();
        return h && IsWindowVisible(h);
    }
    RECT HintRect() { return kbtest::ScreenRectOf(HintHandle()); }
    // The bar's client origin on the screen.
    POINT BarOrigin() {
        const RECT r = kbtest::ClientRectOnScreen(form->BtnBar->Handle());
        return {r.left, r.top};
    }
    // The size the placement measures for the current text.
    forms::TRect Measured() {
        return setter().HintWindow()->CalcHintRect(setter().MaxWidth(), setter().HintStr());
    }
    void ShowAt(THintLocate locate) {
        setter().HideHint();
        setter().SetLocate(locate);
        form->ShowButtonHint();
        ASSERT_TRUE(kbtest::PumpUntil([&] { return HintShown(); }));
    }
};

TEST_F(ButtonHintTest, AroundTheButton_TouchingItPlusTheOffsets) {
    StartShown();
    ShowAt(hlRight);
    const POINT o = BarOrigin();
    RECT r = HintRect();
    EXPECT_EQ(r.left, o.x + 40 + 40 + 5);
    EXPECT_EQ(r.top, o.y + 0 + 7);
    EXPECT_EQ(setter().HintStr(), form->ComposeButtonText(0, 1, true, true));

    ShowAt(hlLtop);
    const forms::TRect m = Measured();
    r = HintRect();
    EXPECT_EQ(r.left, o.x + 40 - m.Width() + 5);
    EXPECT_EQ(r.top, o.y - m.Height() + 7);

    ShowAt(hlBtm);
    r = HintRect();
    EXPECT_EQ(r.left, o.x + 40 + 5);
    EXPECT_EQ(r.top, o.y + 40 + 7);
}

TEST_F(ButtonHintTest, WithIcon_ThirtySixPixelsMoreThanTheMeasure) {
    StartShown();
    setter().SetIsIcon(true);
    ShowAt(hlLeft);
    const forms::TRect m = Measured();
    const RECT r = HintRect();
    EXPECT_EQ(r.left, BarOrigin().x + 40 - (m.Width() + 36) + 5);
}

TEST_F(ButtonHintTest, NoPlace_BelowTheWindow) {
    StartShown();
    ShowAt(hlNone);
    const RECT r = HintRect();
    EXPECT_EQ(r.left, form->Left());
    EXPECT_EQ(r.top, form->Top() + form->Height());
}

TEST_F(ButtonHintTest, NoPlace_NoRoomBelow_AboveTheWindow) {
    StartShown();
    const RECT work = wintest::WorkArea();
    form->SetBounds(100, work.bottom - form->Height() - 5, form->Width(), form->Height());
    ShowAt(hlNone);
    const RECT r = HintRect();
    EXPECT_LT(r.bottom, form->Top());
    EXPECT_EQ(r.left, form->Left());
}

TEST_F(ButtonHintTest, HiddenLauncherOrNothingSelected_NoHint) {
    StartShown();
    const auto shows = [&] {
        setter().HideHint();
        setter().SetLocate(hlRight);
        form->ShowButtonHint();
        kbtest::PumpPosted();
        return HintShown();
    };
    ASSERT_TRUE(shows());
    // The bar's cells behind the page's four buttons select nothing.
    form->BtnBar->SetBtnIndex(8);
    ASSERT_FALSE(form->SelectedSlot());
    EXPECT_FALSE(shows());
    form->BtnBar->SetBtnIndex(1);
    form->Hide();
    EXPECT_FALSE(shows());
}

TEST_F(ButtonHintTest, PopupHintOff_NoHint) {
    StartShown("BtnPopupHint=0");
    setter().HideHint();
    setter().SetLocate(hlRight);
    form->ShowButtonHint();
    kbtest::PumpPosted();
    EXPECT_FALSE(HintShown());
}

// ---- The ordinary hints

TEST_F(ButtonHintTest, OrdinaryHint_OnTheBar_TitleAtTheButtonsTopRight) {
    StartShown("BtnPopupHint=0");
    std::string text = "bar";
    bool canShow = true;
    forms::THintInfo info;
    info.HintControl = form->BtnBar;
    form->ApplicationEvents1ShowHint(text, canShow, info);
    EXPECT_TRUE(canShow);
    EXPECT_EQ(text, form->ComposeButtonText(0, 1, false, true));
    const POINT o = BarOrigin();
    EXPECT_EQ(info.HintPos, (forms::TPoint{o.x + 80, o.y}));
    EXPECT_EQ(info.HintMaxWidth, form->HintSetter()->MaxWidth());
    // Nothing selected: no hint.
    form->BtnBar->SetBtnIndex(8);
    form->ApplicationEvents1ShowHint(text, canShow, info);
    EXPECT_FALSE(canShow);
}

TEST_F(ButtonHintTest, OrdinaryHint_RestingOnTheBar_ShowsTheButtonsText) {
    StartShown("BtnPopupHint=0");
    kbtest::BringToFront(form->Handle());
    const int hintPause = forms::Application.HintPause;
    forms::Application.HintPause = 10;
    const auto restore = forms::OnScopeExit([&] { forms::Application.HintPause = hintPause; });
    kbtest::MoveMouseTo(form->BtnBar->Handle(), 60, 20);
    ASSERT_TRUE(kbtest::PumpUntil([] {
        forms::THintWindow* hint = forms::Application.HintWindow();
        return hint && hint->IsHintVisible();
    }));
    EXPECT_EQ(kbtest::WindowText(forms::Application.HintWindow()->Handle()),
              form->ComposeButtonText(0, 1, false, true));
}

TEST_F(ButtonHintTest, OrdinaryHint_OtherFormsKeepTheirOwn) {
    StartShown("BtnPopupHint=0");
    forms::TForm other(nullptr);
    std::string text = "クリップボードへコピー";
    bool canShow = true;
    forms::THintInfo info;
    info.HintControl = &other;
    info.HintPos = {1, 2};
    form->ApplicationEvents1ShowHint(text, canShow, info);
    EXPECT_TRUE(canShow);
    EXPECT_EQ(text, "クリップボードへコピー");
    EXPECT_EQ(info.HintPos, (forms::TPoint{1, 2}));
}

TEST_F(ButtonHintTest, OrdinaryHint_TitleBarControls_KeepTheirOwn) {
    StartShown("BtnPopupHint=0");
    for (forms::TControl* c :
         std::vector<forms::TControl*>{form->LockBtn, form->WizBtn, form->CloseBtn, form->LbBtn,
                                       form->LbCount, form->PageTab->CounterLabel()}) {
        std::string text = c->Hint();
        bool canShow = true;
        forms::THintInfo info;
        info.HintControl = c;
        info.HintPos = {1, 2};
        form->ApplicationEvents1ShowHint(text, canShow, info);
        EXPECT_EQ(text, c->Hint());
        EXPECT_EQ(info.HintPos, (forms::TPoint{1, 2}));
    }
    EXPECT_EQ(form->CloseBtn->Hint(), "閉じる");
    EXPECT_EQ(form->WizBtn->Hint(), "登録データー編集");
    EXPECT_EQ(form->LbBtn->Hint(), "選択ボタンNo.");
    EXPECT_EQ(form->LbCount->Hint(), "ページ内ボタン数");
}

TEST_F(ButtonHintTest, OrdinaryHint_PopupHintOn_LeftAlone) {
    StartShown();
    std::string text = "bar";
    bool canShow = true;
    forms::THintInfo info;
    info.HintControl = form->BtnBar;
    form->ApplicationEvents1ShowHint(text, canShow, info);
    EXPECT_EQ(text, "bar");
    EXPECT_TRUE(canShow);
}
