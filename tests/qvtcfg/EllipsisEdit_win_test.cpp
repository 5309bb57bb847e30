// The ellipsis edit on a test form, with real input: the button inside the edit and the text kept
// beside it through typing, resizing and a new font; no line break by Enter, Ctrl+Enter, paste or
// code; a click on the button focuses the edit and fires once; disabled, the engraved dots and
// no event; the pressed face; the cursor over text and button; scaling and the edit properties
// that remake the window.
#include "qvtcfg/EllipsisEdit.h"

#include "support/WinTest.h"
#include "support/WinTesting.h"

#include "forms/win/Button.h"
#include "forms/win/Clipboard.h"

using namespace forms;

namespace {

COLORREF Sys(int index) {
    return GetSysColor(index);
}

struct EllipsisEditTest : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(320, 120);
        edit = MakeChild<TEllipsisEdit>(form.get(), Bounds(8, 8, 200, 20));
        other = MakeChild<TEdit>(form.get(), Bounds(8, 60, 200, 21));
        edit->OnEllipsisClick = [this](TComponent* sender) { clicks.push_back(sender); };
        ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return c->Focused(); }));
    }
    HWND ButtonWindow() { return edit->Button()->Handle(); }
    RECT EditClient() {
        RECT r{};
        GetClientRect(edit->Handle(), &r);
        return r;
    }
    int RightMargin() { return HIWORD(SendMessageW(edit->Handle(), EM_GETMARGINS, 0, 0)); }
    bool ButtonPainted() {
        return kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); });
    }
    // The button's pixels as the screen shows them.
    std::vector<COLORREF> ButtonPixels() {
        std::vector<COLORREF> pixels;
        const TRect r = edit->Button()->BoundsRect();
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                pixels.push_back(kbtest::ReadPixel(ButtonWindow(), x, y));
        return pixels;
    }
    // Where the caret stands in the edit's client coordinates.
    int CaretX() {
        POINT p{};
        GetCaretPos(&p);
        return p.x;
    }

    Scoped<TForm> form;
    TEllipsisEdit* edit = nullptr;
    TEdit* other = nullptr;
    std::vector<TComponent*> clicks;
};

} // namespace

// ---- what it is made of ----

TEST_F(EllipsisEditTest, DefaultsAreAnEmptyOneLineEditOf150By20) {
    auto e = MakeScoped<TEllipsisEdit>();
    EXPECT_EQ(e->Width(), 150);
    EXPECT_EQ(e->Height(), 20);
    EXPECT_EQ(e->Text(), "");
    EXPECT_TRUE(e->AutoSelect());
    EXPECT_EQ(e->Button()->Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(e->Button()->Align(), TAlign::alRight);
}

TEST_F(EllipsisEditTest, IsAOneLineEditWindowOfItsOwnClassWithTheButtonInside) {
    EXPECT_EQ(kbtest::ClassNameOf(edit->Handle()), L"TEllipsisEdit");
    const LONG style = GetWindowLongW(edit->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_WANTRETURN), 0);
    EXPECT_EQ(GetParent(ButtonWindow()), edit->Handle());
    EXPECT_EQ(kbtest::ClassNameOf(ButtonWindow()), L"TEllipsisButton");
}

TEST_F(EllipsisEditTest, TheButtonIsAScrollBarWideAndSpansTheClientHeightAtTheRight) {
    const RECT client = EditClient();
    const TRect b = edit->Button()->BoundsRect();
    EXPECT_EQ(b.Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(b.Right, client.right);
    EXPECT_EQ(b.Top, 0);
    EXPECT_EQ(b.Bottom, client.bottom);
    EXPECT_EQ(edit->EditRect(), Rect(0, 0, client.right - b.Width(), client.bottom));
}

TEST_F(EllipsisEditTest, TheButtonHasItsOwnColourAndTheHint) {
    form->SetColor(clYellow);
    EXPECT_EQ(edit->Button()->Color(), clBtnFace);
    edit->SetEllipsisHint("ファイルを選ぶ");
    EXPECT_EQ(edit->EllipsisHint(), "ファイルを選ぶ");
    EXPECT_EQ(edit->Button()->Hint(), "ファイルを選ぶ");
}

// ---- text beside the button ----

TEST_F(EllipsisEditTest, TheRightMarginReservesTheButtonsStrip) {
    EXPECT_GE(RightMargin(), edit->Button()->Width());
}

TEST_F(EllipsisEditTest, TwoHundredCharactersScrollBesideTheButtonNeverUnderIt) {
    const std::vector<COLORREF> before = ButtonPixels();
    Focus(edit);
    kbtest::Type(std::wstring(200, L'W'));
    ASSERT_EQ(edit->Text(), std::string(200, 'W'));
    ASSERT_TRUE(ButtonPainted());
    EXPECT_EQ(ButtonPixels(), before);
    EXPECT_LE(CaretX(), edit->Button()->Left());
    // The last character is shown, left of the button.
    const LRESULT pos = SendMessageW(edit->Handle(), EM_POSFROMCHAR, 199, 0);
    EXPECT_GT(static_cast<short>(LOWORD(pos)), 0);
    EXPECT_LT(static_cast<short>(LOWORD(pos)), edit->Button()->Left());
}

TEST_F(EllipsisEditTest, AResizeMovesTheButtonAndKeepsTheTextOffIt) {
    edit->SetWidth(280);
    const TRect b = edit->Button()->BoundsRect();
    EXPECT_EQ(b.Right, EditClient().right);
    EXPECT_GE(RightMargin(), b.Width());
    Focus(edit);
    kbtest::Type(std::wstring(120, L'M'));
    EXPECT_LE(CaretX(), b.Left);
}

TEST_F(EllipsisEditTest, ANewFontKeepsTheTextOffTheButton) {
    TFont font;
    font.SetHeight(-16);
    edit->SetFont(font);
    EXPECT_GE(RightMargin(), edit->Button()->Width());
    // A font sent to the window directly as well.
    SendMessageW(edit->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)),
                 TRUE);
    EXPECT_GE(RightMargin(), edit->Button()->Width());
    Focus(edit);
    kbtest::Type(std::wstring(80, L'M'));
    EXPECT_LE(CaretX(), edit->Button()->Left());
}

// ---- no line breaks ----

TEST_F(EllipsisEditTest, EnterAndCtrlEnterInsertNothing) {
    Focus(edit);
    kbtest::Type(L"ab");
    kbtest::PressKey(VK_RETURN);
    kbtest::PressKey(VK_RETURN, false, true);
    kbtest::PressKey('J', false, true);
    kbtest::PressKey('M', false, true);
    kbtest::Type(L"c");
    EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(EllipsisEditTest, EnterGoesToTheFormsDefaultButton) {
    auto* ok = MakeChild<TButton>(form.get(), Bounds(230, 8, 75, 25));
    ok->SetDefault(true);
    int pressed = 0;
    ok->OnClick = [&pressed](TComponent*) { ++pressed; };
    Focus(edit);
    kbtest::Type(L"ab");
    kbtest::PressKey(VK_RETURN);
    EXPECT_TRUE(kbtest::PumpUntil([&pressed] { return pressed == 1; }));
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EllipsisEditTest, APastedTwoLinePathKeepsItsFirstLine) {
    Clipboard.SetAsText("C:\\予定\\qvtdock.ini\r\nC:\\other\\qvtdock.ini");
    Focus(edit);
    kbtest::Type(L"x");
    kbtest::PressKey('V', false, true);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return edit->Text() != "x"; }));
    EXPECT_EQ(edit->Text(), "xC:\\予定\\qvtdock.ini");
}

TEST_F(EllipsisEditTest, APasteCutAtALoneCrOrLfToo) {
    Focus(edit);
    for (const char* clip : {"a\rb", "a\nb"}) {
        edit->SetText("");
        Clipboard.SetAsText(clip);
        SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
        EXPECT_EQ(edit->Text(), "a") << clip;
    }
}

TEST_F(EllipsisEditTest, APasteWithoutLineBreaksIsOrdinary) {
    Clipboard.SetAsText("C:\\kb\\qvtdock.ini");
    Focus(edit);
    SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), "C:\\kb\\qvtdock.ini");
}

TEST_F(EllipsisEditTest, TextSetInCodeLosesCrAndLf) {
    edit->SetText("C:\\a\r\nb\\qvtdock.ini");
    EXPECT_EQ(edit->Text(), "C:\\ab\\qvtdock.ini");
    SetWindowTextW(edit->Handle(), L"x\r\ny\rz");
    EXPECT_EQ(edit->Text(), "xyz");
    auto unplaced = MakeScoped<TEllipsisEdit>();
    unplaced->SetText("a\nb");
    EXPECT_EQ(unplaced->Text(), "ab");
}

// ---- the button ----

TEST_F(EllipsisEditTest, AClickOnTheButtonFocusesTheEditAndFiresOnceWithTheEdit) {
    edit->SetText("abc");
    Focus(other);
    const TRect b = edit->Button()->BoundsRect();
    kbtest::ClickAt(ButtonWindow(), b.Width() / 2, b.Height() / 2);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return !clicks.empty(); }));
    kbtest::PumpPosted();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], edit);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), 0); // focus by the mouse selects nothing
}

TEST_F(EllipsisEditTest, WithoutAHandlerAClickDoesNothing) {
    edit->OnEllipsisClick = nullptr;
    kbtest::ClickAt(ButtonWindow(), 5, 5);
    kbtest::PumpPosted();
    EXPECT_TRUE(errors.empty());
}

TEST_F(EllipsisEditTest, TheRaisedDotsAndTheBlendBehindThem) {
    ASSERT_TRUE(ButtonPainted());
    const TRect b = edit->Button()->BoundsRect();
    const TColor blend = EllipsisBlend(static_cast<TColor>(Sys(COLOR_BTNFACE)),
                                       static_cast<TColor>(Sys(COLOR_BTNSHADOW)));
    for (const TPoint d : EllipsisDots(b.Width(), b.Height(), false)) {
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X, d.Y), Sys(COLOR_3DDKSHADOW));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X + 1, d.Y), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X - 1, d.Y - 1),
                  static_cast<COLORREF>(blend));
    }
    EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), 3, 3), Sys(COLOR_BTNFACE));
}

TEST_F(EllipsisEditTest, HeldDownTheFaceIsSunkAndTheDotsMoveOneFurther) {
    const TRect b = edit->Button()->BoundsRect();
    const TPoint middle = EllipsisDots(b.Width(), b.Height(), true)[1];
    kbtest::MoveMouseTo(ButtonWindow(), b.Width() / 2, b.Height() / 2);
    {
        wintest::HeldInput held;
        held.Mouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(kbtest::PumpUntil([this] { return edit->Button()->Pressed(); }));
        ASSERT_TRUE(ButtonPainted());
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), middle.X, middle.Y), Sys(COLOR_3DDKSHADOW));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), 0, 0), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), b.Width() - 1, b.Height() - 1),
                  Sys(COLOR_BTNSHADOW));
        EXPECT_TRUE(clicks.empty());
    }
    ASSERT_TRUE(kbtest::PumpUntil([this] { return clicks.size() == 1; }));
    ASSERT_TRUE(ButtonPainted());
    EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), middle.X - 1, middle.Y - 1), Sys(COLOR_3DDKSHADOW));
}

TEST_F(EllipsisEditTest, DisabledTheDotsAreEngravedAndAClickFiresNothing) {
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Button()->Enabled());
    ASSERT_TRUE(ButtonPainted());
    const TRect b = edit->Button()->BoundsRect();
    for (const TPoint d : EllipsisDots(b.Width(), b.Height(), false)) {
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X, d.Y), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X + 1, d.Y + 1), Sys(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(kbtest::ReadPixel(ButtonWindow(), d.X - 1, d.Y - 1), Sys(COLOR_BTNFACE));
    }
    kbtest::ClickAt(ButtonWindow(), b.Width() / 2, b.Height() / 2);
    kbtest::PumpPosted();
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(edit->Focused());
    edit->SetEnabled(true);
    EXPECT_TRUE(edit->Button()->Enabled());
}

// ---- the cursor ----

TEST_F(EllipsisEditTest, AnIBeamOverTheTextAndTheEditsCursorOverTheButton) {
    const TRect b = edit->Button()->BoundsRect();
    const HCURSOR ibeam = LoadCursorW(nullptr, IDC_IBEAM);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    kbtest::MoveMouseTo(edit->Handle(), 20, 8);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetCursor() == ibeam; }));
    kbtest::MoveMouseTo(ButtonWindow(), b.Width() / 2, b.Height() / 2);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetCursor() == arrow; }));
    edit->SetCursor(crHandPoint);
    kbtest::MoveMouseTo(ButtonWindow(), b.Width() / 2 + 1, b.Height() / 2);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetCursor() == hand; }));
    kbtest::MoveMouseTo(edit->Handle(), 21, 8);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetCursor() == ibeam; }));
}

// ---- scaling ----

TEST_F(EllipsisEditTest, ChangeScaleScalesTheEdgesAndAnOwnFontButNotTheButton) {
    const int fontSize = edit->Font().Size();
    edit->ChangeScale(3, 2);
    EXPECT_EQ(edit->BoundsRect(), Rect(12, 12, 312, 42));
    EXPECT_EQ(edit->Font().Size(), fontSize); // the parent's font
    EXPECT_EQ(edit->Button()->Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(edit->Button()->BoundsRect().Bottom, EditClient().bottom);
    TFont own;
    own.SetSize(10);
    edit->SetFont(own);
    edit->ChangeScale(2, 1);
    EXPECT_EQ(edit->Font().Size(), 20);
    EXPECT_EQ(edit->BoundsRect(), Rect(24, 24, 624, 84));
}

TEST_F(EllipsisEditTest, ChangeScaleByOneOrByZeroChangesNothing) {
    edit->ChangeScale(5, 5);
    edit->ChangeScale(5, 0);
    EXPECT_EQ(edit->BoundsRect(), Rect(8, 8, 208, 28));
}

// ---- properties that remake the window ----

TEST_F(EllipsisEditTest, APasswordCharHidesTheTextAndKeepsIt) {
    edit->SetText("secret");
    edit->SetPasswordChar('*');
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(edit->Text(), "secret");
    EXPECT_GE(RightMargin(), edit->Button()->Width());
    EXPECT_EQ(GetParent(ButtonWindow()), edit->Handle());
    edit->SetPasswordChar('\0');
    EXPECT_EQ(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_PASSWORD, 0);
}

TEST_F(EllipsisEditTest, CharCaseAlignmentAndHideSelectionBecomeWindowStyles) {
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    Focus(edit);
    kbtest::Type(L"abc");
    EXPECT_EQ(edit->Text(), "ABC");
    edit->SetAlignment(TAlignment::taRightJustify);
    edit->SetHideSelection(false);
    edit->SetOEMConvert(true);
    const LONG style = GetWindowLongW(edit->Handle(), GWL_STYLE);
    EXPECT_NE(style & ES_RIGHT, 0);
    EXPECT_NE(style & ES_NOHIDESEL, 0);
    EXPECT_NE(style & ES_OEMCONVERT, 0);
    EXPECT_NE(style & ES_UPPERCASE, 0);
    EXPECT_EQ(edit->Text(), "ABC");
    EXPECT_EQ(edit->Button()->BoundsRect().Right, EditClient().right);
}
