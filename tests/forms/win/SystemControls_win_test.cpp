// What the standard controls share: items kept by the control and shown by its window, updates as
// one WM_SETREDRAW pair, owner-drawn items measured while the window is being made, and texts
// read back exactly.
#include "support/WinTest.h"

#include "forms/base/Codepage.h"
#include "forms/win/ComboBox.h"
#include "forms/win/ListBox.h"

using namespace forms;

namespace {

// The items as the window holds them (LB_GETTEXT), in CP932.
std::vector<std::string> WindowItems(HWND list) {
    std::vector<std::string> out;
    const int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::wstring w(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        const auto len = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data()));
        w.resize(static_cast<size_t>(len));
        out.push_back(cp932::Narrow(w));
    }
    return out;
}

// Counts the WM_SETREDRAW messages that windows of this thread receive while it lives.
class RedrawCounter {
public:
    explicit RedrawCounter(HWND window) {
        target_ = window;
        seen_.clear();
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~RedrawCounter() { UnhookWindowsHookEx(hook_); }
    RedrawCounter(const RedrawCounter&) = delete;
    RedrawCounter& operator=(const RedrawCounter&) = delete;
    // The wParam of each WM_SETREDRAW the window got, in order.
    [[nodiscard]] const std::vector<WPARAM>& Seen() const { return seen_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && m->hwnd == target_ && m->message == WM_SETREDRAW)
            seen_.push_back(m->wParam);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND target_ = nullptr;
    static inline std::vector<WPARAM> seen_;
    HHOOK hook_;
};

// An owner-drawn combo box that records what it is asked to measure.
class TMeasuredCombo : public TComboBox {
public:
    explicit TMeasuredCombo(TComponent* owner) : TComboBox(owner) {
        SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    }
    std::vector<int> measured;
    bool windowMade = false;

protected:
    void MeasureItem(int index, int& height) override {
        if (!windowMade)
            measured.push_back(index);
        TComboBox::MeasureItem(index, height);
    }
};

using ItemsTest = WinTest;

} // namespace

TEST_F(ItemsTest, EveryChangeOfTheItemsReachesTheWindow) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    TStrings& items = list->Items();
    items.Add("一");
    items.Add("三");
    items.Insert(1, "二");
    items.Add("消す");
    items.Delete(3);
    items.SetStrings(0, "壱");
    EXPECT_EQ(WindowItems(list->Handle()), (std::vector<std::string>{"壱", "二", "三"}));
    items.Clear();
    EXPECT_TRUE(WindowItems(list->Handle()).empty());
}

TEST_F(ItemsTest, ItemsSetBeforeTheWindowExistsFillItWithTheSelection) {
    auto f = MakeScoped<TForm>(); // no window yet
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    list->Items().SetText("a\r\nb\r\nc");
    list->SetItemIndex(2);
    list->Items().Insert(0, "first"); // moves the selected item down
    EXPECT_FALSE(list->HandleAllocated());
    EXPECT_EQ(WindowItems(list->Handle()), (std::vector<std::string>{"first", "a", "b", "c"}));
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(ItemsTest, SelectionOfADeletedItemGoesWithoutAWindowToo) {
    auto f = MakeScoped<TForm>();
    auto* combo = MakeChild<TComboBox>(f.get(), Bounds(8, 8, 150, 22));
    combo->Items().SetText("a\r\nb\r\nc");
    combo->SetItemIndex(1);
    combo->Items().Delete(1);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    combo->Items().Delete(0);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "c");
}

TEST_F(ItemsTest, AnUpdateIsOneRedrawPairHoweverDeep) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    const RedrawCounter counter(list->Handle());
    {
        const TStringsUpdate outer(list->Items());
        const TStringsUpdate inner(list->Items());
        for (int i = 0; i < 5; ++i)
            list->Items().Add(std::to_string(i));
        TStringList other{"x", "y"};
        list->Items().Assign(other);
    }
    EXPECT_EQ(counter.Seen(), (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_EQ(WindowItems(list->Handle()), (std::vector<std::string>{"x", "y"}));
}

TEST_F(ItemsTest, AnUpdateLeavesAHiddenListHidden) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    list->Hide();
    list->Items().SetText("a\r\nb");
    EXPECT_FALSE(IsWindowVisible(list->Handle()));
}

TEST_F(ItemsTest, ABadIndexRaisesAndChangesNothing) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    list->Items().Add("a");
    EXPECT_THROW(list->Items().Insert(2, "x"), EListIndexError);
    EXPECT_THROW(list->Items().Delete(1), EListIndexError);
    EXPECT_THROW(list->Items().SetStrings(-1, "x"), EListIndexError);
    EXPECT_THROW((void)list->Items().Strings(1), EListIndexError);
    EXPECT_EQ(WindowItems(list->Handle()), (std::vector<std::string>{"a"}));
}

TEST_F(ItemsTest, ItemsAndSelectionOutliveAWindowMadeAnew) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    list->Items().SetText("表\r\nソ\r\nポ");
    list->SetItemIndex(1);
    const HWND before = list->Handle();
    list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    EXPECT_NE(list->Handle(), before);
    EXPECT_EQ(WindowItems(list->Handle()), (std::vector<std::string>{"表", "ソ", "ポ"}));
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(ItemsTest, ItemsHoldWhatTheWindowShows) {
    auto f = ShownForm();
    auto* list = MakeChild<TListBox>(f.get(), Bounds(8, 8, 150, 100));
    // A lone lead byte is no character: the window shows the code page's replacement.
    list->Items().Add("a\x81");
    EXPECT_EQ(list->Items().Strings(0), WindowItems(list->Handle())[0]);
    EXPECT_EQ(list->Items().IndexOf(list->Items().Strings(0)), 0);
}

TEST_F(ItemsTest, OwnerDrawnComboIsMeasuredWhileItsWindowIsMade) {
    auto f = ShownForm();
    auto* combo = MakeOwned<TMeasuredCombo>(f.get());
    combo->SetItemHeight(20);
    combo->Items().SetText("a\r\nb");
    combo->SetParent(f.get()); // the window is made here
    combo->windowMade = true;
    ASSERT_TRUE(combo->HandleAllocated());
    // The selection field (-1) and the list's items, asked before CreateWindowEx returned.
    EXPECT_NE(std::find(combo->measured.begin(), combo->measured.end(), -1), combo->measured.end());
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 20);
    // The field is as tall as an item, within the 3D frame, also after the font came.
    EXPECT_EQ(combo->Height(), 20 + 6);
    combo->Font().SetHeight(-20);
    EXPECT_EQ(combo->Height(), 20 + 6);
}

TEST_F(ItemsTest, OwnerDrawnListIsMeasuredWhileItsWindowIsMade) {
    auto f = ShownForm();
    auto* list = MakeOwned<TListBox>(f.get());
    list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    list->SetItemHeight(23);
    list->Items().SetText("a\r\nb");
    list->SetParent(f.get());
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 23);
    list->SetItemHeight(0); // at least 1
    EXPECT_EQ(list->ItemHeight(), 1);
}
