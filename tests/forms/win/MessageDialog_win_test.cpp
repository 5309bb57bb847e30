// The message dialog and modal forms, driven from a helper thread while the modal loop runs.
#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Button.h"
#include "forms/win/MessageDialog.h"
#include "forms/win/Screen.h"

#include <atomic>

using namespace forms;

namespace {
using DialogView = kbtest::MessageDialogView;

// Shows the dialog, reads it, then does 'act' with it; returns the modal result.
int Drive(const std::function<int()>& show, DialogView& view,
          const std::function<void(HWND)>& act) {
    kbtest::WindowDriver d(L"TMessageForm", [&](HWND dialog) {
        // Visible comes before the modal loop runs: read once its buttons are there and painted.
        kbtest::WaitUntil([&] {
            view = kbtest::ReadMessageDialog(dialog);
            return !view.buttons.empty() && kbtest::Painted(dialog);
        });
        act(dialog);
    });
    return show();
}

void ClickButton(HWND dialog, const std::string& caption) {
    PostMessageW(kbtest::FindChildWindow(dialog, L"TButton", caption), BM_CLICK, 0, 0);
}
} // namespace

using MessageDialogTest = WinTest;

TEST_F(MessageDialogTest, ShowsCaptionTextAndButtonsInOrder) {
    DialogView v;
    const int result = Drive(
        [] {
            return ShowMessageDialog("本当に削除しますか？", TMsgDlgType::mtConfirmation,
                                     {TMsgDlgBtn::mbNo, TMsgDlgBtn::mbYes});
        },
        v, [](HWND d) { ClickButton(d, "はい(&Y)"); });
    EXPECT_EQ(result, mrYes);
    EXPECT_EQ(v.caption, "確認");
    EXPECT_EQ(v.text, "本当に削除しますか？");
    EXPECT_EQ(v.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
}

TEST_F(MessageDialogTest, EveryButtonGivesItsResult) {
    const std::pair<TMsgDlgBtn, int> expected[] = {
        {TMsgDlgBtn::mbOK, mrOk},           {TMsgDlgBtn::mbCancel, mrCancel},
        {TMsgDlgBtn::mbAbort, mrAbort},     {TMsgDlgBtn::mbRetry, mrRetry},
        {TMsgDlgBtn::mbIgnore, mrIgnore},   {TMsgDlgBtn::mbAll, mrAll},
        {TMsgDlgBtn::mbNoToAll, mrNoToAll}, {TMsgDlgBtn::mbYesToAll, mrYesToAll}};
    for (auto [button, result] : expected) {
        DialogView v;
        const int got = Drive(
            [&] { return ShowMessageDialog("x", TMsgDlgType::mtCustom, {button}); }, v,
            [&](HWND d) { PostMessageW(kbtest::FindChildWindow(d, L"TButton"), BM_CLICK, 0, 0); });
        EXPECT_EQ(got, result) << (v.buttons.empty() ? "no dialog seen" : v.buttons.front());
    }
}

TEST_F(MessageDialogTest, CaptionsFollowTheType) {
    Application.SetTitle("アプリ");
    const std::pair<TMsgDlgType, std::string> types[] = {{TMsgDlgType::mtWarning, "警告"},
                                                         {TMsgDlgType::mtError, "エラー"},
                                                         {TMsgDlgType::mtInformation, "情報"},
                                                         {TMsgDlgType::mtCustom, "アプリ"}};
    for (auto [type, caption] : types) {
        auto dialog = CreateMessageDialog("本文", type, {TMsgDlgBtn::mbOK});
        EXPECT_EQ(dialog->Caption(), caption);
    }
}

TEST_F(MessageDialogTest, EscapeChoosesCancelElseNoElseOk) {
    struct Case {
        TMsgDlgButtons buttons;
        int result;
    };
    const Case cases[] = {{{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}, mrCancel},
                          {{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}, mrNo},
                          {{TMsgDlgBtn::mbOK}, mrOk}};
    // Keys go to the focused button of the dialog: post them there from the GUI thread.
    for (const Case& c : cases) {
        auto dialog = CreateMessageDialog("esc", TMsgDlgType::mtWarning, c.buttons);
        TForm* form = dialog.get();
        form->OnShow = [form](TComponent*) { PostMessageW(form->Handle(), WM_APP, 0, 0); };
        Application.OnMessage = [form](MSG& m, bool& handled) {
            if (m.message == WM_APP && m.hwnd == form->Handle()) {
                handled = true;
                HWND focus =
                    form->ActiveControl() ? form->ActiveControl()->Handle() : form->Handle();
                kbtest::PostKey(focus, VK_ESCAPE);
            }
        };
        EXPECT_EQ(form->ShowModal(), c.result);
        Application.OnMessage = nullptr;
    }
}

TEST_F(MessageDialogTest, EnterChoosesTheDefaultButton) {
    auto dialog = CreateMessageDialog("enter", TMsgDlgType::mtInformation,
                                      {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK});
    TForm* form = dialog.get();
    form->OnShow = [form](TComponent*) { PostMessageW(form->Handle(), WM_APP, 0, 0); };
    Application.OnMessage = [form](MSG& m, bool& handled) {
        if (m.message == WM_APP && m.hwnd == form->Handle()) {
            handled = true;
            kbtest::PostKey(form->ActiveControl()->Handle(), VK_RETURN);
        }
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(MessageDialogTest, CloseBoxGivesCancel) {
    DialogView v;
    const int result = Drive(
        [] {
            return ShowMessageDialog("閉じる", TMsgDlgType::mtError,
                                     {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo});
        },
        v, [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(MessageDialogTest, PlacedAtThePointAndKeptInTheWorkArea) {
    DialogView v;
    Drive(
        [] { return ShowMessageDialog("位置", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}, 40, 30); },
        v, [](HWND d) { ClickButton(d, "OK"); });
    EXPECT_EQ(v.rect.left, 40);
    EXPECT_EQ(v.rect.top, 30);
    Drive(
        [] {
            return ShowMessageDialog("端", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}, 5000, 5000);
        },
        v, [](HWND d) { ClickButton(d, "OK"); });
    const TRect work = Screen.WorkArea();
    EXPECT_EQ(v.rect.right, work.Right);
    EXPECT_EQ(v.rect.bottom, work.Bottom);
    Drive([] { return ShowMessageDialog("中央", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK}); }, v,
          [](HWND d) { ClickButton(d, "OK"); });
    EXPECT_EQ(v.rect.left, (Screen.Width() - (v.rect.right - v.rect.left)) / 2);
}

TEST_F(MessageDialogTest, AmpersandIsShownAndLoneReturnBreaksTheLine) {
    auto one = CreateMessageDialog("A&B", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK});
    auto two = CreateMessageDialog("A&B\rC", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK});
    EXPECT_GT(two->ClientHeight(), one->ClientHeight());
    HWND label = kbtest::FindChildWindow(two->Handle(), L"TLabel");
    EXPECT_EQ(kbtest::WindowText(label), "A&B\r\nC");
}

TEST_F(MessageDialogTest, LongTextWraps) {
    const std::string word = "とても長い文章が続きます。";
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += word;
    auto dialog = CreateMessageDialog(text, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
    EXPECT_LE(dialog->Width(), Screen.Width() / 2 + 100);
    EXPECT_GT(dialog->ClientHeight(), 100);
}

TEST_F(MessageDialogTest, ModalFormDisablesOurOtherWindowsMeanwhile) {
    auto main = ShownForm();
    auto dialog = MakeScoped<TForm>();
    dialog->SetBounds(200, 200, 200, 100);
    bool enabledDuring = true;
    dialog->OnShow = [&](TComponent*) { PostMessageW(dialog->Handle(), WM_APP, 0, 0); };
    Application.OnMessage = [&](MSG& m, bool& handled) {
        if (m.message == WM_APP && m.hwnd == dialog->Handle()) {
            handled = true;
            enabledDuring = IsWindowEnabled(main->Handle()) != FALSE;
            dialog->SetModalResult(mrAbort);
        }
    };
    EXPECT_EQ(dialog->ShowModal(), mrAbort);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_THROW(
        {
            dialog->Show();
            dialog->ShowModal();
        },
        Exception);
}

TEST_F(MessageDialogTest, ModalBracketReenablesOnEveryPath) {
    auto main = ShownForm();
    try {
        ModalBracket bracket;
        EXPECT_FALSE(IsWindowEnabled(main->Handle()));
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(MessageDialogTest, ShowMessageAndInformation_TheTitleAndTheirIcons) {
    Application.SetTitle("題名");
    std::vector<kbtest::MessageDialogView> seen;
    for (const auto show : {&ShowMessage, &ShowInformation}) {
        kbtest::WindowDriver d(L"#32770", [&](HWND box) {
            seen.push_back(kbtest::ReadMessageDialog(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        show(seen.empty() ? "お知らせ" : "情報です");
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "題名");
    EXPECT_EQ(seen[0].icon, nullptr);
    EXPECT_EQ(seen[1].caption, "題名");
    EXPECT_EQ(seen[1].text, "情報です");
    EXPECT_EQ(seen[1].icon, LoadIconW(nullptr, IDI_INFORMATION));
}

TEST_F(MessageDialogTest, SavesThePictureOfADialog) {
    DialogView v;
    std::string path;
    Drive(
        [] {
            return ShowMessageDialog("【 題 】\r\rメッセージ本文です。", TMsgDlgType::mtWarning,
                                     {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo});
        },
        v,
        [&](HWND d) {
            path = kbtest::SaveWindowPicture(d, "MessageDialog");
            ClickButton(d, "いいえ(&N)");
        });
    EXPECT_FALSE(path.empty());
}
