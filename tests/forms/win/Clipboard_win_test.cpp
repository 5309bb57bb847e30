// The clipboard as text: Japanese text round trips through CF_UNICODETEXT, text the code page
// cannot hold is reported, and the clipboard is closed again on every path.
#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Clipboard.h"

#include <atomic>
#include <cstring>
#include <optional>
#include <thread>

using namespace forms;

namespace {
// The clipboard's CF_UNICODETEXT as it lies there, or nullopt when it cannot be opened.
std::optional<std::wstring> RawText() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutRawText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Another thread holds the clipboard open until the object goes.
class ClipboardHeld {
public:
    ClipboardHeld()
        : thread_([this] {
              opened_ = OpenClipboard(nullptr) != FALSE;
              ready_ = true;
              while (!release_)
                  Sleep(5);
              if (opened_)
                  CloseClipboard();
          }) {
        kbtest::WaitUntil([this] { return ready_.load(); });
    }
    ~ClipboardHeld() {
        release_ = true;
        thread_.join();
    }
    [[nodiscard]] bool Opened() const { return opened_; }

private:
    std::atomic<bool> opened_{false}, ready_{false}, release_{false};
    std::thread thread_;
};
} // namespace

using ClipboardTest = WinTest;

TEST_F(ClipboardTest, JapaneseTextRoundTripsAsUnicode) {
    const std::string text = "日本語の表示 ソ十ポ～\r\n二行目";
    Clipboard.SetAsText(text);
    EXPECT_TRUE(Clipboard.HasText());
    EXPECT_EQ(RawText(), std::optional<std::wstring>(L"日本語の表示 ソ十ポ\uFF5E\r\n二行目"));
    bool lossy = true;
    EXPECT_EQ(Clipboard.AsText(&lossy), text);
    EXPECT_FALSE(lossy);
}

TEST_F(ClipboardTest, TextTheCodePageCannotHoldIsReported) {
    PutRawText(L"a\uAC00b");
    bool lossy = false;
    EXPECT_EQ(Clipboard.AsText(&lossy), "a?b");
    EXPECT_TRUE(lossy);
}

TEST_F(ClipboardTest, EmptyClipboardHasNoText) {
    Clipboard.SetAsText("x");
    Clipboard.Clear();
    EXPECT_FALSE(Clipboard.HasText());
    EXPECT_EQ(Clipboard.AsText(), "");
}

TEST_F(ClipboardTest, EveryCallClosesTheClipboard) {
    Clipboard.SetAsText("表");
    (void)Clipboard.AsText();
    // Closed again: another opener gets it.
    EXPECT_TRUE(RawText().has_value());
}

TEST_F(ClipboardTest, AClipboardHeldElsewhereIsAnErrorNotAHang) {
    Clipboard.SetAsText("before");
    {
        const ClipboardHeld held;
        ASSERT_TRUE(held.Opened());
        try {
            (void)Clipboard.AsText();
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message().rfind("クリップボードを開けません", 0), 0u) << e.Message();
        }
        EXPECT_THROW(Clipboard.SetAsText("after"), Exception);
    }
    EXPECT_EQ(Clipboard.AsText(), "before");
    Clipboard.SetAsText("after");
    EXPECT_EQ(Clipboard.AsText(), "after");
}
