// Single-line edits: OnChange only for real changes, text the code page cannot hold refused,
// selection counted in bytes, AutoSelect on keyboard focus, read-only, length limit, the input
// method, and the margin hook for derived edits.
#include "support/WinTest.h"

#include "forms/win/Edit.h"

#include <imm.h>

using namespace forms;

namespace {

// An edit that reserves a right margin, as an edit with a button inside would.
class TMarginEdit : public TEdit {
public:
    explicit TMarginEdit(TComponent* owner) : TEdit(owner) {}
    int updates = 0;

protected:
    void UpdateMargins() override {
        ++updates;
        SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 20));
    }
};

int RightMargin(HWND edit) {
    return HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0));
}

struct Fixture : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(300, 120);
        edit = MakeChild<TEdit>(form.get(), Bounds(8, 8, 200, 21));
        other = MakeChild<TEdit>(form.get(), Bounds(8, 40, 200, 21));
        edit->OnChange = [this](TComponent*) { ++changes; };
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->Focused(); }));
    }

    Scoped<TForm> form;
    TEdit *edit = nullptr, *other = nullptr;
    int changes = 0;
};

using EditTest = Fixture;

} // namespace

TEST_F(EditTest, IsAnEditWindowOfItsOwnClass) {
    EXPECT_EQ(kbtest::ClassNameOf(edit->Handle()), L"TEdit");
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL,
              static_cast<LRESULT>(DLGC_HASSETSEL));
}

TEST_F(EditTest, SettingTheSameTextFiresNothing) {
    edit->SetText("表示");
    ASSERT_EQ(changes, 1);
    edit->SetText("表示");
    EXPECT_EQ(changes, 1);
    edit->SetText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(kbtest::WindowText(edit->Handle()), "");
}

TEST_F(EditTest, SettingTextWithoutAWindowFiresAndReachesTheWindowLater) {
    auto f = MakeScoped<TForm>();
    auto* e = MakeChild<TEdit>(f.get(), Bounds(0, 0, 100, 21));
    int count = 0;
    e->OnChange = [&](TComponent*) { ++count; };
    e->SetText("ソース");
    e->SetText("ソース");
    EXPECT_EQ(count, 1);
    EXPECT_FALSE(e->HandleAllocated());
    EXPECT_EQ(kbtest::WindowText(e->Handle()), "ソース");
    EXPECT_EQ(count, 1); // making the window is no change
}

TEST_F(EditTest, TypingFiresOncePerCharacter) {
    Focus(edit);
    kbtest::Type(L"ab表");
    EXPECT_EQ(edit->Text(), "ab表");
    EXPECT_EQ(changes, 3);
    kbtest::PressKey(VK_BACK);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return edit->Text() == "ab"; }));
    EXPECT_EQ(changes, 4);
}

TEST_F(EditTest, TextTheCodePageCannotHoldIsRefusedAndReported) {
    edit->SetText("ab");
    changes = 0;
    Focus(edit);
    edit->SetSelStart(1);
    kbtest::Type(L"\u00e9"); // e with acute: not in code page 932
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(kbtest::WindowText(edit->Handle()), "ab");
    EXPECT_EQ(changes, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("932"), std::string::npos);
    EXPECT_EQ(edit->SelStart(), 1); // the caret stays where the input was refused
    kbtest::Type(L"c");
    EXPECT_EQ(edit->Text(), "acb");
}

TEST_F(EditTest, SelectionCountsBytesOfTheText) {
    edit->SetText("表ab示");
    edit->SetSelStart(2); // after 表
    EXPECT_EQ(edit->SelStart(), 2);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->SelLength(), 2);
    DWORD start = 0, end = 0;
    SendMessageW(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    edit->SetSelStart(1); // inside 表: its end
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SetSelStart(100); // past the end: the end
    EXPECT_EQ(edit->SelStart(), 6);
    edit->SetSelStart(-3);
    EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(EditTest, TabIntoTheEditSelectsAllButAClickDoesNot) {
    edit->SetText("abcdef");
    Focus(other);
    kbtest::PressKey(VK_TAB, true);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return edit->Focused(); }));
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 6);
    Focus(other);
    kbtest::ClickAt(edit->Handle(), 60, 10);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return edit->Focused(); }));
    kbtest::PumpPosted();
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, WithoutAutoSelectTheFocusSelectsNothing) {
    edit->SetText("abcdef");
    edit->SetAutoSelect(false);
    Focus(edit);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, ReadOnlyEditIgnoresTypingButTakesSetText) {
    edit->SetReadOnly(true);
    Focus(edit);
    kbtest::Type(L"x");
    EXPECT_EQ(edit->Text(), "");
    edit->SetText("set");
    EXPECT_EQ(edit->Text(), "set");
    edit->SetReadOnly(false);
    edit->SetSelStart(3);
    kbtest::Type(L"y");
    EXPECT_EQ(edit->Text(), "sety");
}

TEST_F(EditTest, MaxLengthLimitsTypingNotTheProgram) {
    edit->SetMaxLength(3);
    Focus(edit);
    kbtest::Type(L"abcde");
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetText("longer text");
    EXPECT_EQ(edit->Text(), "longer text");
    edit->SetMaxLength(-1); // no limit
    EXPECT_EQ(edit->MaxLength(), 0);
}

TEST_F(EditTest, ImeOffTakesTheInputContextAway) {
    EXPECT_NE(ImmGetContext(edit->Handle()), nullptr);
    edit->SetImeMode(TImeMode::imDisable);
    EXPECT_EQ(ImmGetContext(edit->Handle()), nullptr);
    edit->SetImeMode(TImeMode::imDontCare);
    HIMC context = ImmGetContext(edit->Handle());
    EXPECT_NE(context, nullptr);
    ImmReleaseContext(edit->Handle(), context);
}

TEST_F(EditTest, ImeOffSetBeforeTheWindowHoldsForTheNewWindow) {
    auto* e = MakeOwned<TEdit>(form.get());
    e->SetImeMode(TImeMode::imDisable);
    e->SetParent(form.get());
    EXPECT_EQ(ImmGetContext(e->Handle()), nullptr);
}

TEST_F(EditTest, DerivedEditKeepsItsMarginsThroughSizeAndFont) {
    auto* e = MakeChild<TMarginEdit>(form.get(), Bounds(8, 70, 150, 21));
    ASSERT_TRUE(e->HandleAllocated());
    EXPECT_GE(e->updates, 1);
    EXPECT_EQ(RightMargin(e->Handle()), 20);
    const int before = e->updates;
    e->SetWidth(180);
    EXPECT_GT(e->updates, before);
    e->Font().SetHeight(-16); // the system resets margins for a new font
    EXPECT_EQ(RightMargin(e->Handle()), 20);
}

TEST_F(EditTest, TextSurvivesAWindowMadeAnew) {
    Focus(edit);
    kbtest::Type(L"kept");
    edit->DestroyHandle();
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_EQ(kbtest::WindowText(edit->Handle()), "kept");
    EXPECT_EQ(changes, 4);
}

TEST_F(EditTest, ColourOfTheEditIsItsColor) {
    edit->SetColor(clYellow);
    edit->Invalidate();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    EXPECT_EQ(kbtest::ReadPixel(edit->Handle(), 150, 10), RGB(255, 255, 0));
}
