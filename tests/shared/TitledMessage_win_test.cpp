// The titled message dialog, read and answered by a watcher thread while it runs modally.
#include "shared/TitledMessage.h"

#include "forms/win/Application.h"
#include "forms/win/MessageDialog.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using forms::TMsgDlgBtn;
using forms::TMsgDlgType;

namespace {
using DialogView = kbtest::MessageDialogView;
using DialogShown = std::function<bool(const DialogView&)>;

// The dialog shows its caption, its text and its buttons.
bool ShowsItsTexts(const DialogView& v) {
    return !v.caption.empty() && !v.text.empty() && !v.buttons.empty();
}
// The dialog's top-left corner is at (left, top).
DialogShown CornerAt(int left, int top) {
    return [=](const DialogView& v) { return v.rect.left == left && v.rect.top == top; };
}
// The dialog's bottom-right corner is at (right, bottom).
DialogShown EndsAt(int right, int bottom) {
    return [=](const DialogView& v) { return v.rect.right == right && v.rect.bottom == bottom; };
}
// The dialog stands in the middle of the screen.
bool CentredOnTheScreen(const DialogView& v) {
    const int w = v.rect.right - v.rect.left, h = v.rect.bottom - v.rect.top;
    return v.rect.left == (GetSystemMetrics(SM_CXSCREEN) - w) / 2 &&
           v.rect.top == (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
}

class TitledMessage : public testing::Test {
protected:
    void SetUp() override {
        oldTitle_ = forms::Application.Title();
        forms::Application.SetTitle("K+Bandeo2.00");
    }
    void TearDown() override { forms::Application.SetTitle(oldTitle_); }

    // Shows the message; once the dialog shows what shown looks for, reads it and presses the
    // button with that caption. (Should it never show that, the last reading is kept.) On the
    // watcher's thread PumpUntil only waits: that thread owns no window, so no message comes.
    int ShowAndPress(std::string_view msg, std::string_view title, forms::TMsgDlgButtons buttons,
                     TMsgDlgType type, int x, int y, const std::string& press,
                     const DialogShown& shown = ShowsItsTexts) {
        kbtest::WindowDriver watcher(L"TMessageForm", [&](HWND dialog) {
            kbtest::PumpUntil([&] {
                view = kbtest::ReadMessageDialog(dialog);
                return shown(view);
            });
            PostMessageW(kbtest::FindChildWindow(dialog, L"TButton", press), BM_CLICK, 0, 0);
        });
        return ShowTitledMessage(msg, title, buttons, type, x, y);
    }
    int ShowOk(int x, int y, const DialogShown& shown) {
        return ShowAndPress("a", "b", {TMsgDlgBtn::mbOK}, TMsgDlgType::mtCustom, x, y, "OK", shown);
    }

    DialogView view;

private:
    std::string oldTitle_;
};

RECT WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}
} // namespace

TEST_F(TitledMessage, ShowsTheTitledTextAndReturnsThePressedButton) {
    const int result = ShowAndPress("\"C:\\表示\" を\r\r登録しますか？", "登録の確認",
                                    {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}, TMsgDlgType::mtCustom,
                                    -1, -1, "いいえ(&N)");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(result, forms::mrNo);
    EXPECT_EQ(view.text, "【 登録の確認 】\r\n\r\n\"C:\\表示\" を\r\n\r\n登録しますか？");
    EXPECT_EQ(view.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
}

TEST_F(TitledMessage, CaptionFollowsTheType) {
    ShowAndPress("a", "b", {TMsgDlgBtn::mbOK}, TMsgDlgType::mtCustom, -1, -1, "OK");
    EXPECT_EQ(view.caption, "K+Bandeo2.00");
    const int result =
        ShowAndPress("a", "b", {TMsgDlgBtn::mbOK}, TMsgDlgType::mtError, -1, -1, "OK");
    EXPECT_EQ(view.caption, "エラー");
    EXPECT_EQ(result, forms::mrOk);
}

TEST_F(TitledMessage, AmpersandsInTitleAndMessageStayAsWritten) {
    ShowAndPress("R&D は&&です", "A&B", {TMsgDlgBtn::mbOK}, TMsgDlgType::mtInformation, -1, -1,
                 "OK");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.text, "【 A&B 】\r\n\r\nR&D は&&です");
}

TEST_F(TitledMessage, ZeroCoordinatesPutTheCornerNearThePointer) {
    wintest::PointAt(400, 300);
    ShowOk(0, 0, CornerAt(384, 284));
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.rect.left, 384);
    EXPECT_EQ(view.rect.top, 284);
}

TEST_F(TitledMessage, GivenCoordinatesAreTheTopLeftCorner) {
    ShowOk(216, 116, CornerAt(216, 116));
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.rect.left, 216);
    EXPECT_EQ(view.rect.top, 116);
}

TEST_F(TitledMessage, BothNegativeCentresOnTheScreen) {
    ShowOk(-1, -1, CentredOnTheScreen);
    ASSERT_TRUE(view.found);
    const int w = view.rect.right - view.rect.left, h = view.rect.bottom - view.rect.top;
    EXPECT_EQ(view.rect.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
    EXPECT_EQ(view.rect.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2);
}

TEST_F(TitledMessage, DialogPastTheWorkAreaStaysWhollyInside) {
    const RECT area = WorkArea();
    ShowOk(area.right - 10, area.bottom - 10, EndsAt(area.right, area.bottom));
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.rect.right, area.right);
    EXPECT_EQ(view.rect.bottom, area.bottom);
}

TEST_F(TitledMessage, PointerOnTheTaskbarStillGivesADialogInsideTheWorkArea) {
    const RECT area = WorkArea();
    wintest::PointAt(area.right - 4, area.bottom + 10);
    ShowOk(0, 0, EndsAt(area.right, area.bottom));
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.rect.right, area.right);
    EXPECT_EQ(view.rect.bottom, area.bottom);
    EXPECT_GE(view.rect.left, area.left);
    EXPECT_GE(view.rect.top, area.top);
}
