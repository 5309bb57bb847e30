// Rich-edit memos: lines in one update, the look asked for, and the edit commands' "can" states
// following what the user did.
#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Button.h"
#include "forms/win/Clipboard.h"
#include "forms/win/RichEdit.h"

#include <richedit.h>

using namespace forms;
using kbtest::PumpUntil;

namespace {
// Counts the WM_SETTEXT messages that reach one window while the counter lives.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND window) {
        target_ = window;
        count_ = 0;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~SetTextCounter() { UnhookWindowsHookEx(hook_); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;
    [[nodiscard]] int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && m->hwnd == target_ && m->message == WM_SETTEXT)
            ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND target_ = nullptr;
    static inline int count_ = 0;
    HHOOK hook_ = nullptr;
};

struct Memo : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(300, 160);
        memo = MakeChild<TRichEdit>(form.get(), Bounds(8, 8, 200, 100));
        next = MakeChild<TButton>(form.get(), Bounds(8, 120, 75, 25));
        ok = MakeChild<TButton>(form.get(), Bounds(100, 120, 75, 25));
        ok->SetDefault(true);
        ok->OnClick = [this](TComponent*) { ++okClicks; };
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void FocusMemo() {
        kbtest::ClickAt(memo->Handle(), 150, 80);
        ASSERT_TRUE(PumpUntil([&] { return memo->Focused(); }));
    }
    void Type(const std::wstring& text) {
        for (const wchar_t ch : text)
            kbtest::TypeChar(ch);
    }
    [[nodiscard]] LONG Style() const { return GetWindowLongW(memo->Handle(), GWL_STYLE); }
    [[nodiscard]] LONG ExStyle() const { return GetWindowLongW(memo->Handle(), GWL_EXSTYLE); }

    Scoped<TForm> form;
    TRichEdit* memo = nullptr;
    TButton *next = nullptr, *ok = nullptr;
    int okClicks = 0;
};
} // namespace

using RichEditTest = Memo;

TEST_F(RichEditTest, IsARichEditUnderItsOwnClassName) {
    EXPECT_EQ(kbtest::ClassNameOf(memo->Handle()), L"TRichEdit");
    const std::wstring system = TRichEdit::SystemClassName();
    EXPECT_TRUE(system == L"RICHEDIT50W" || system == L"RichEdit20W");
    WNDCLASSEXW ours{}, theirs{};
    ours.cbSize = theirs.cbSize = sizeof ours;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TRichEdit", &ours));
    ASSERT_TRUE(GetClassInfoExW(nullptr, system.c_str(), &theirs));
    EXPECT_EQ(ours.cbWndExtra, theirs.cbWndExtra);
}

TEST_F(RichEditTest, LinesAssignedTogetherReachTheControlAsOneText) {
    TStringList lines{"[K+Bandeo : 1.0] qvtdock.exe", "インストール先：C:\\表\\", "",
                      "========================================"};
    const SetTextCounter counter(memo->Handle());
    memo->Lines().Assign(lines);
    EXPECT_EQ(counter.Count(), 1);
    ASSERT_EQ(memo->Lines().Count(), 4);
    EXPECT_EQ(memo->Lines().Strings(1), "インストール先：C:\\表\\");
    EXPECT_EQ(memo->Lines().Strings(2), "");
    EXPECT_EQ(memo->Text(), lines.Text());
}

TEST_F(RichEditTest, LinesChangeOneByOneOutsideAnUpdate) {
    memo->Lines().Add("一");
    memo->Lines().Add("三");
    memo->Lines().Insert(1, "二");
    memo->Lines().SetStrings(0, "壱");
    EXPECT_EQ(memo->Text(), "壱\r\n二\r\n三\r\n");
    memo->Lines().Delete(2);
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_THROW(memo->Lines().Delete(2), EListIndexError);
    EXPECT_THROW((void)memo->Lines().Strings(-1), EListIndexError);
    EXPECT_EQ(memo->Text(), "壱\r\n二\r\n");
}

TEST_F(RichEditTest, TextSetBeforeTheWindowExistsAndKeptWhenItIsMadeAgain) {
    auto* early = MakeOwned<TRichEdit>(form.get());
    early->Lines().SetText("before\r\n表示");
    early->SetParent(form.get());
    ASSERT_TRUE(early->HandleAllocated());
    EXPECT_EQ(early->Text(), "before\r\n表示\r\n");
    early->SetScrollBars(TScrollStyle::ssVertical); // remade with a scroll bar
    EXPECT_EQ(early->Text(), "before\r\n表示\r\n");
    EXPECT_TRUE(GetWindowLongW(early->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(RichEditTest, NoBorderNoWrapAndAVerticalScrollBarAsAsked) {
    EXPECT_TRUE(ExStyle() & WS_EX_CLIENTEDGE);
    memo->SetBorder(false);
    EXPECT_FALSE(ExStyle() & WS_EX_CLIENTEDGE);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetWordWrap(false);
    EXPECT_TRUE(Style() & WS_VSCROLL);
    EXPECT_FALSE(Style() & WS_HSCROLL);
    const std::string longLine(200, 'x');
    memo->SetText(longLine);
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 1);
    memo->SetWordWrap(true);
    EXPECT_EQ(memo->Text(), longLine);
    EXPECT_GT(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(RichEditTest, CanStatesFollowTypingSelectAllCopyAndUndo) {
    Clipboard.Clear();
    FocusMemo();
    EXPECT_FALSE(memo->CanUndo());
    EXPECT_FALSE(memo->CanSelectAll());
    EXPECT_FALSE(memo->CanPaste());
    Type(L"ab表");
    ASSERT_TRUE(PumpUntil([&] { return memo->Text() == "ab表"; }));
    EXPECT_TRUE(memo->CanUndo());
    EXPECT_TRUE(memo->CanSelectAll());
    EXPECT_FALSE(memo->CanCopy()); // nothing selected
    EXPECT_FALSE(memo->CanCut());
    EXPECT_FALSE(memo->CanDelete());
    memo->SelectAll();
    EXPECT_EQ(memo->SelLength(), 3);
    EXPECT_EQ(memo->SelText(), "ab表");
    EXPECT_TRUE(memo->CanCopy());
    EXPECT_TRUE(memo->CanCut());
    EXPECT_TRUE(memo->CanDelete());
    memo->CopyToClipboard();
    EXPECT_EQ(Clipboard.AsText(), "ab表");
    EXPECT_TRUE(memo->CanPaste());
    memo->Undo();
    EXPECT_EQ(memo->Text(), "");
    EXPECT_FALSE(memo->CanSelectAll());
    EXPECT_FALSE(memo->CanCopy());
    memo->PasteFromClipboard();
    EXPECT_EQ(memo->Text(), "ab表");
    memo->SelectAll();
    memo->ClearSelection();
    EXPECT_EQ(memo->Text(), "");
}

TEST_F(RichEditTest, ReadOnlyRefusesTheCommandsThatChangeTheText) {
    Clipboard.SetAsText("x");
    memo->SetText("text");
    memo->SelectAll();
    memo->SetReadOnly(true);
    EXPECT_TRUE(memo->CanCopy());
    EXPECT_FALSE(memo->CanCut());
    EXPECT_FALSE(memo->CanDelete());
    EXPECT_FALSE(memo->CanPaste());
    EXPECT_FALSE(memo->CanUndo());
    memo->SetReadOnly(false);
    EXPECT_TRUE(memo->CanPaste());
}

TEST_F(RichEditTest, EnterMakesALineAndTabMovesOn) {
    FocusMemo();
    Type(L"a");
    kbtest::PressKey(VK_RETURN);
    Type(L"b");
    ASSERT_TRUE(PumpUntil([&] { return memo->Text() == "a\r\nb"; })) << memo->Text();
    EXPECT_EQ(okClicks, 0); // not the default button's
    kbtest::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return next->Focused(); }));
    EXPECT_EQ(memo->Text(), "a\r\nb");
}

TEST_F(RichEditTest, TextTheCodePageCannotHoldIsReported) {
    bool lossy = false;
    memo->SetText("表");
    EXPECT_EQ(memo->Text(&lossy), "表");
    EXPECT_FALSE(lossy);
    SetWindowTextW(memo->Handle(), L"a\uAC00b"); // pasted from elsewhere
    EXPECT_EQ(memo->Text(&lossy), "a?b");
    EXPECT_TRUE(lossy);
}

TEST_F(RichEditTest, ColoursReachTheControl) {
    memo->SetText("");
    memo->SetColor(clBtnFace);
    ASSERT_TRUE(PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    EXPECT_TRUE(PumpUntil(
        [&] { return kbtest::ReadPixel(memo->Handle(), 100, 60) == ColorToRGB(clBtnFace); }));
}
