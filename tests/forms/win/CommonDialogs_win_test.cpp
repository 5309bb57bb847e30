// The common dialogs ("#32770") driven from a helper thread: a file chosen, a cancel, a filter with
// double-byte text, names the code page cannot hold refused; a colour chosen and the custom
// colours round trip; failures said in a message and answered with false.
#include "support/TempDir.h"
#include "support/WinTest.h"

#include "forms/base/Codepage.h"
#include "forms/win/CommonDialogs.h"

#include <cderr.h>


using namespace forms;
using kbtest::WindowDriver;

namespace {
constexpr int kFileNameBox = 1148; // cmb13: the file name
constexpr int kFileTypes = 1136;   // cmb1: the filter entries
constexpr int kRed = 706, kGreen = 707, kBlue = 708, kAddCustom = 712, kDefineCustom = 719;

// The entries of a combo box, as the user sees them.
std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                          L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(cp932::Narrow(text.c_str()));
    }
    return items;
}

// Types a name into an open dialog and confirms it.
void ChooseFile(HWND dialog, const std::wstring& name) {
    HWND edit = nullptr;
    kbtest::WaitUntil([&] {
        edit = kbtest::FindChildWindow(GetDlgItem(dialog, kFileNameBox), L"Edit");
        return edit && IsWindowVisible(edit);
    });
    SetWindowTextW(edit, name.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// What the open dialog looked like to the user.
struct Seen {
    std::string title;
    std::vector<std::string> types;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

void Look(HWND dialog, HWND form, Seen& seen) {
    kbtest::WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, kFileTypes)); });
    seen.title = kbtest::WindowText(dialog);
    seen.types = ComboItems(GetDlgItem(dialog, kFileTypes));
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(form) != FALSE;
}

// A message box of ours that the dialog showed: its text (a line break shows as CR LF), then
// closed.
struct MessageWatch {
    MessageWatch()
        : driver(L"TMessageForm", [this](HWND box) {
              kbtest::WaitUntil([&] {
                  view = kbtest::ReadMessageDialog(box);
                  return !view.buttons.empty();
              });
              PostMessageW(box, WM_CLOSE, 0, 0);
          }) {}
    kbtest::MessageDialogView view;
    WindowDriver driver;
};

struct Dialogs : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = ShownForm(200, 100);
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    void MakeFile(const std::wstring& name) {
        const std::wstring path = cp932::Wide(dir.Path()) + L"\\" + name;
        const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }
    kbtest::TempDir dir;
    Scoped<TForm> form;
};

// The system's answer replaced: a failure with a reason, or success with a name.
class TStubbedOpenDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    bool chosen = false;
    DWORD error = 0;
    std::wstring name;

protected:
    bool RunSystemDialog(OPENFILENAMEW& ofn, DWORD& e) override {
        e = error;
        if (chosen)
            name.copy(ofn.lpstrFile, std::min<size_t>(name.size(), ofn.nMaxFile - 1));
        if (chosen && name.size() < ofn.nMaxFile)
            ofn.lpstrFile[name.size()] = L'\0';
        return chosen;
    }
};

class TStubbedColorDialog : public TColorDialog {
public:
    using TColorDialog::TColorDialog;

protected:
    bool RunSystemDialog(CHOOSECOLORW&, DWORD& e) override {
        e = CDERR_INITIALIZATION;
        return false;
    }
};
} // namespace

using OpenDialogTest = Dialogs;

TEST_F(OpenDialogTest, AFileChosenComesBackWithItsFullPath) {
    MakeFile(L"表示.txt");
    TOpenDialog d(form.get());
    d.SetFilter("表示ファイル(*.txt)|*.txt|ポ すべて(*.*)|*.*");
    d.SetTitle("設定ファイル（QVTDOCK.INI）の指定");
    d.SetInitialDir(dir.Path());
    Seen seen;
    bool ok = false;
    {
        WindowDriver driver(L"#32770", [&](HWND dialog) {
            Look(dialog, form->Handle(), seen);
            ChooseFile(dialog, L"表示.txt");
        });
        ok = d.Execute();
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(d.FileName(), dir.File("表示.txt"));
    EXPECT_EQ(seen.title, "設定ファイル（QVTDOCK.INI）の指定");
    EXPECT_EQ(seen.types, (std::vector<std::string>{"表示ファイル(*.txt)", "ポ すべて(*.*)"}));
    EXPECT_EQ(seen.owner, form->Handle());
    EXPECT_FALSE(seen.ownerEnabled); // the form waits for the dialog
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_EQ(d.FilterIndex(), 1);
}

TEST_F(OpenDialogTest, CancelKeepsTheProposedName) {
    TOpenDialog d(form.get());
    d.SetFileName("qvtdock.ini");
    d.SetInitialDir(dir.Path());
    bool ok = true;
    {
        WindowDriver driver(L"#32770",
                            [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
        ok = d.Execute();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(d.FileName(), "qvtdock.ini");
    EXPECT_TRUE(errors.empty());
}

TEST_F(OpenDialogTest, ANameTheCodePageCannotHoldIsRefusedWithAMessage) {
    MakeFile(L"\uAC00.txt");
    TOpenDialog d(form.get());
    d.SetInitialDir(dir.Path());
    d.SetFileName("before.txt");
    MessageWatch message;
    WindowDriver driver(L"#32770", [](HWND dialog) { ChooseFile(dialog, L"\uAC00.txt"); });
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.FileName(), "before.txt");
    ASSERT_TRUE(message.driver.Acted());
    EXPECT_EQ(message.view.caption, "エラー");
    EXPECT_EQ(message.view.text,
              "このファイル名には、このプログラムで扱えない文字が含まれています。\r\n" +
                  dir.File("?.txt"));
}

TEST_F(OpenDialogTest, AMalformedFilterIsSaidAndNoDialogOpens) {
    TOpenDialog d(form.get());
    d.SetFilter("実行ファイル(*.EXE)|*.EXE|すべてのファイル");
    MessageWatch message;
    WindowDriver dialog(L"#32770", [](HWND h) { PostMessageW(h, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(d.Execute());
    EXPECT_TRUE(message.driver.Acted());
    EXPECT_EQ(
        message.view.text,
        "ファイルの種類の指定が正しくありません。\r\n実行ファイル(*.EXE)|*.EXE|すべてのファイル");
    EXPECT_FALSE(dialog.Acted());
}

TEST_F(OpenDialogTest, ASystemFailureIsSaidAndGivesFalse) {
    TStubbedOpenDialog d(form.get());
    d.error = FNERR_BUFFERTOOSMALL;
    MessageWatch message;
    EXPECT_FALSE(d.Execute());
    EXPECT_TRUE(message.driver.Acted());
    EXPECT_EQ(message.view.text, "ファイルを開くダイアログを表示できません。\r\n(エラー 3003)");
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(OpenDialogTest, AConfirmedDialogWithoutANameIsNoSuccess) {
    TStubbedOpenDialog d(form.get());
    d.SetFileName("kept.ini");
    d.chosen = true; // and no name
    MessageWatch message;
    EXPECT_FALSE(d.Execute());
    EXPECT_TRUE(message.driver.Acted());
    EXPECT_EQ(d.FileName(), "kept.ini");
}

using ColorDialogTest = Dialogs;

TEST_F(ColorDialogTest, AColourChosenComesBack) {
    TColorDialog d(form.get());
    d.SetColor(static_cast<TColor>(RGB(1, 2, 3)));
    d.SetFullOpen(true);
    std::string initialRed;
    bool defineEnabled = true;
    bool ok = false;
    {
        WindowDriver driver(L"#32770", [&](HWND dialog) {
            kbtest::WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, kRed)); });
            initialRed = kbtest::WindowText(GetDlgItem(dialog, kRed));
            defineEnabled = IsWindowEnabled(GetDlgItem(dialog, kDefineCustom)) != FALSE;
            SetDlgItemTextW(dialog, kRed, L"10");
            SetDlgItemTextW(dialog, kGreen, L"20");
            SetDlgItemTextW(dialog, kBlue, L"30");
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        ok = d.Execute();
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(d.Color(), static_cast<TColor>(RGB(10, 20, 30)));
    EXPECT_EQ(initialRed, "1");  // opened with the colour given
    EXPECT_FALSE(defineEnabled); // already open in full
    EXPECT_EQ(d.CustomColors().Count(), 16);
}

TEST_F(ColorDialogTest, CancelChangesNothing) {
    TColorDialog d(form.get());
    d.SetColor(clRed);
    d.CustomColors().Add("ColorA=123456");
    bool redHidden = false;
    {
        WindowDriver driver(L"#32770", [&](HWND dialog) {
            redHidden = !IsWindowVisible(GetDlgItem(dialog, kRed)); // not opened in full
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_FALSE(d.Execute());
    }
    EXPECT_TRUE(redHidden);
    EXPECT_EQ(d.Color(), clRed);
    EXPECT_EQ(d.CustomColors().Text(), "ColorA=123456\r\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(ColorDialogTest, CustomColoursRoundTripAndTakeAnAddedColour) {
    TColorDialog d(form.get());
    d.SetFullOpen(true);
    d.CustomColors().SetText("ColorB=00FF00\r\nColorC=junk\r\nColorP=abcdef\r\n");
    {
        WindowDriver driver(L"#32770", [](HWND dialog) {
            kbtest::WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, kRed)); });
            SetDlgItemTextW(dialog, kRed, L"86");   // 0x56
            SetDlgItemTextW(dialog, kGreen, L"52"); // 0x34
            SetDlgItemTextW(dialog, kBlue, L"18");  // 0x12
            SendMessageW(dialog, WM_COMMAND, kAddCustom,
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, kAddCustom)));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        ASSERT_TRUE(d.Execute());
    }
    TStrings& lines = d.CustomColors();
    ASSERT_EQ(lines.Count(), 16);
    EXPECT_EQ(lines.Strings(0), "ColorA=123456"); // the added colour, blue green red
    EXPECT_EQ(lines.Strings(1), "ColorB=00FF00");
    EXPECT_EQ(lines.Strings(2), "ColorC=000000"); // malformed reads as 0
    EXPECT_EQ(lines.Strings(3), "ColorD=000000"); // missing too
    EXPECT_EQ(lines.Strings(15), "ColorP=ABCDEF");
}

TEST_F(ColorDialogTest, ASystemFailureIsSaidAndGivesFalse) {
    TStubbedColorDialog d(form.get());
    d.SetColor(clRed);
    MessageWatch message;
    EXPECT_FALSE(d.Execute());
    EXPECT_TRUE(message.driver.Acted());
    EXPECT_EQ(message.view.text, "色の設定ダイアログを表示できません。\r\n(エラー 0002)");
    EXPECT_EQ(d.Color(), clRed);
}
