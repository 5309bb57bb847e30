// qvtcfg.exe /CFG from outside, by real keys and clicks: what Enter and Esc do before and after
// the keyboard page, leaving without OK, the program pickers, a pasted two-line path, the bytes OK
// writes, a settings file that cannot be written, and the launcher's shortcut created and deleted
// in the start-up folder, which stays whether or not the dialog ends with OK.
#include "qvtcfg/CfgIniBytes.h"
#include "qvtcfg/SettingsEditor.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/FileUtils.h"
#include "shared/LaunchItems.h"
#include "shared/VersionInfo.h"
#include "support/GuiTest.h"
#include "support/ProcessDriver.h"
#include "support/TempDir.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <memory>
#include <optional>

using kbtest::ProcessDriver;
using ::testing::HasSubstr;

namespace {

constexpr int kWaitMs = 15000;
constexpr int kOpenDialogFileName = 1148; // cmb13
constexpr int kKeyboardPage = 2, kGeneralPage = 0, kLauncherPage1 = 2, kOtherPage = 5;
const std::string kForeign = "[Bounds]\r\nLeft=5\r\n[Color]\r\n0=$00FFFFFF\r\n";

class SettingsProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = dir.File("qvtcfg.exe");
        ASSERT_TRUE(CopyFileW(cp932::Wide(Built("..\\bin\\qvtcfg.exe")).c_str(),
                              cp932::Wide(program).c_str(), FALSE));
        ini = dir.File("qvtdock.ini");
    }

    static std::string Built(const char* name) {
        return forms::ExtractFilePath(forms::ProgramPath()) + name;
    }
    // The folder OK writes as the data editor's when the file names none.
    std::string ProgramFolder() const {
        return forms::IncludeTrailingBackslash(GetLongPathNameStr(dir.Path()));
    }

    // Starts the settings editor on the settings file and waits until it shows, in front.
    // Without bytes there is no file.
    HWND Open(const std::optional<std::string>& bytes) {
        if (bytes)
            kbtest::WriteBytes(ini, *bytes);
        kbtest::ProcessOptions o;
        o.program = program;
        o.commandLine = "\"" + program + "\" /CFG \"10:20\" \"" + ini + "\"";
        o.currentDir = dir.Path();
        process = std::make_unique<ProcessDriver>(o);
        const HWND editor = process->WaitForWindow(L"TfmCfg", kWaitMs, true);
        if (editor) {
            kbtest::WaitUntil([&] { return kbtest::Painted(editor); });
            kbtest::BringToFront(editor);
        }
        return editor;
    }
    void Press(HWND editor, const char* button) {
        const HWND b = kbtest::FindChildWindow(editor, L"TButton", button);
        ASSERT_NE(b, nullptr) << button;
        PostMessageW(b, BM_CLICK, 0, 0);
    }
    void ExpectExit() { EXPECT_EQ(process->WaitForExit(kWaitMs), 0u); }
    static HWND Pages(HWND editor) {
        return FindWindowExW(editor, nullptr, L"TPageControl", nullptr);
    }
    // Shows a page as a click on its tab would; the inner pages of "操作" when inner.
    static void ShowPage(HWND editor, int index, bool inner = false) {
        HWND tabs = Pages(editor);
        if (inner)
            tabs = kbtest::FindChildWindow(tabs, L"TPageControl");
        ASSERT_NE(tabs, nullptr);
        SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
        ASSERT_TRUE(kbtest::WaitUntil([&] {
            return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == static_cast<LRESULT>(index);
        }));
    }
    // The nth visible child window of the class, in reading order (top to bottom, then left to
    // right).
    static HWND Visible(HWND editor, const std::wstring& className, int nth = 0) {
        struct Found {
            const std::wstring* name;
            std::vector<HWND> windows;
        } found{&className, {}};
        EnumChildWindows(
            editor,
            [](HWND h, LPARAM lp) -> BOOL {
                auto* f = reinterpret_cast<Found*>(lp);
                if (kbtest::ClassNameOf(h) == *f->name && IsWindowVisible(h))
                    f->windows.push_back(h);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        std::sort(found.windows.begin(), found.windows.end(), [](HWND a, HWND b) {
            const RECT ra = kbtest::ScreenRectOf(a), rb = kbtest::ScreenRectOf(b);
            return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
        });
        return nth < static_cast<int>(found.windows.size())
                   ? found.windows[static_cast<size_t>(nth)]
                   : nullptr;
    }
    // Waits until the control shows the text (real input reaches the editor in its own time).
    static bool Shows(HWND control, const std::string& text) {
        return kbtest::WaitUntil([&] { return TextOf(control) == text; });
    }
    // The text as the control itself holds it (an edit keeps it apart from the window's caption).
    static std::string TextOf(HWND window) {
        wchar_t text[1024] = {};
        SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        return cp932::Narrow(text);
    }
    // A click on a button window, its graphic buttons included.
    static void ClickButton(HWND button) {
        ASSERT_NE(button, nullptr);
        RECT r{};
        GetClientRect(button, &r);
        kbtest::PostClick(button, r.right / 2, r.bottom / 2);
    }
    static size_t Count(const std::string& text, const std::string& part) {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }
    // Reads the next message form of the editor and answers it with OK.
    kbtest::MessageDialogView Confirmation() {
        kbtest::MessageDialogView view;
        const HWND box = process->WaitForWindow(L"TMessageForm", kWaitMs, true);
        if (!box)
            return view;
        kbtest::WaitUntil([&] {
            view = kbtest::ReadMessageDialog(box);
            return !view.buttons.empty();
        });
        kbtest::AnswerDialog(box, "OK");
        ProcessDriver::WaitWindowGone(box, kWaitMs);
        return view;
    }

    kbtest::TempDir dir;
    std::string program, ini;
    std::unique_ptr<ProcessDriver> process;
};

} // namespace

// ---- the dialog's keys ----

TEST_F(SettingsProgramTest, EnterAtOpeningDoesNothingAndEscCancels) {
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    kbtest::PressFor(editor, VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(editor));
    kbtest::PressFor(editor, VK_ESCAPE);
    ExpectExit();
    EXPECT_EQ(kbtest::ReadBytes(ini), kForeign); // Enter pressed no OK
}

TEST_F(SettingsProgramTest, KeysAreCapturedOnTheKeyboardPageAndEnterIsOkAfterLeavingIt) {
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, 1);
    ShowPage(editor, kKeyboardPage, true);
    const HWND field = Visible(editor, L"TKeyEdit");
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(Shows(field, "Enter"));
    kbtest::PressFor(editor, VK_ESCAPE);
    EXPECT_TRUE(Shows(field, "Esc"));
    kbtest::PressFor(editor, VK_RETURN);
    EXPECT_TRUE(Shows(field, "Enter"));
    kbtest::PressFor(editor, VK_F7);
    EXPECT_TRUE(Shows(field, "F7"));
    EXPECT_TRUE(IsWindowVisible(editor));
    ShowPage(editor, kGeneralPage);
    kbtest::PressFor(editor, VK_RETURN);
    ExpectExit();
    EXPECT_THAT(kbtest::ReadBytes(ini),
                HasSubstr("[Key]\r\nShow=\r\nShowPos=1\r\n0=118\r\n1=27\r\n"));
}

TEST_F(SettingsProgramTest, TheHotKeyFieldTakesEnterAndEsc) {
    const HWND editor = Open(kForeign + "[Key]\r\nShow=Ctrl+Q\r\n");
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, 1);
    ShowPage(editor, kKeyboardPage, true);
    ShowPage(editor, kLauncherPage1); // Enter and Esc are the dialog's again
    const HWND field = Visible(editor, L"THotKeyEdit");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(TextOf(field), "Ctrl+Q");
    kbtest::ClickAt(field, 10, 5);
    kbtest::PressFor(editor, VK_RETURN);
    EXPECT_TRUE(Shows(field, "")); // a named key is gone when released
    kbtest::PressFor(editor, 'W');
    EXPECT_TRUE(Shows(field, "W"));
    EXPECT_TRUE(IsWindowVisible(editor));
    kbtest::PressFor(editor, VK_ESCAPE);
    EXPECT_TRUE(Shows(field, ""));
    kbtest::PressFor(editor, 'E');
    EXPECT_TRUE(Shows(field, "E"));
    EXPECT_TRUE(IsWindowVisible(editor));
    Press(editor, "OK");
    ExpectExit();
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("[Key]\r\nShow=E\r\n"));
}

TEST_F(SettingsProgramTest, CancelEscTheCloseBoxAndTheSessionsEndAfterEditsLeaveTheFileAsItWas) {
    const std::string before = kForeign + "[Mouse]\r\nRunHide=0\r\n; note\r\n";
    for (int way = 0; way < 4; ++way) {
        const HWND editor = Open(before);
        ASSERT_NE(editor, nullptr);
        PostMessageW(
            kbtest::FindChildWindow(editor, L"TCheckBox", "非アクティブならランチャーを閉じる(&H)"),
            BM_CLICK, 0, 0);
        ShowPage(editor, kOtherPage);
        SetWindowTextW(Visible(editor, L"TEdit"), L"-x");
        if (way == 0)
            Press(editor, "キャンセル");
        else if (way == 1)
            kbtest::PressFor(editor, VK_ESCAPE);
        else if (way == 2)
            ProcessDriver::PostClose(editor);
        else {
            EXPECT_TRUE(ProcessDriver::QueryEndSession(editor, kWaitMs));
            ProcessDriver::EndSession(editor, true, kWaitMs);
        }
        ExpectExit();
        EXPECT_EQ(kbtest::ReadBytes(ini), before) << way;
    }
    DeleteFileW(cp932::Wide(ini).c_str());
    const HWND editor = Open(std::nullopt);
    ASSERT_NE(editor, nullptr);
    Press(editor, "キャンセル");
    ExpectExit();
    EXPECT_FALSE(kbtest::Exists(ini));
}

// ---- writing ----

TEST_F(SettingsProgramTest, OkWritesEveryKeyAfterTheOtherSectionsByteForByte) {
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    Press(editor, "OK");
    ExpectExit();
    EXPECT_EQ(kbtest::ReadBytes(ini), kForeign + NewCfgIniBytes(ProgramFolder()));
}

TEST_F(SettingsProgramTest, ASettingsFileThatCannotBeWrittenShowsTheErrorAndEndsWithCodeOne) {
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    kbtest::SetReadOnly(ini, true);
    Press(editor, "OK");
    const HWND box = process->WaitForWindow(L"#32770", kWaitMs, true);
    ASSERT_NE(box, nullptr);
    kbtest::MessageDialogView view;
    kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(box);
        return !view.buttons.empty();
    });
    EXPECT_EQ(view.caption, "K+Bandeo Config");
    EXPECT_EQ(Count(view.text, ini), 2u) << view.text;
    ASSERT_TRUE(kbtest::AnswerDialog(box, IDOK));
    EXPECT_EQ(process->WaitForExit(kWaitMs), 1u);
    kbtest::SetReadOnly(ini, false);
    EXPECT_EQ(kbtest::ReadBytes(ini), kForeign);
}

// ---- the programs ----

TEST_F(SettingsProgramTest, TheMailPickerAndPastedTwoLineTextsWriteOneLineEach) {
    kbtest::WriteBytes(dir.File("mailer.exe"), "MZ");
    const HWND editor = Open(kForeign + "[Connection]\r\nURL=0\r\nMAIL=0\r\n");
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, kOtherPage);
    const HWND url = Visible(editor, L"TEllipsisEdit", 0);
    const HWND mail = Visible(editor, L"TEllipsisEdit", 1); // the data editor's comes last
    const HWND urlParam = Visible(editor, L"TEdit", 0);
    ASSERT_NE(mail, nullptr);
    ASSERT_NE(urlParam, nullptr);
    ClickButton(kbtest::FindChildWindow(mail, L"TEllipsisButton"));
    const HWND dialog = process->WaitForWindow(L"#32770", kWaitMs, true);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "メールソフトの指定");
    kbtest::WaitUntil([&] { return GetDlgItem(dialog, kOpenDialogFileName) != nullptr; });
    SetWindowTextW(kbtest::FindChildWindow(GetDlgItem(dialog, kOpenDialogFileName), L"Edit"),
                   cp932::Wide(dir.File("mailer.exe")).c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(dialog, kWaitMs));
    EXPECT_TRUE(Shows(mail, dir.File("mailer.exe")));

    // Two lines pasted into the browser's field and its parameters.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::wstring two = L"C:\\web\\a.exe\r\nC:\\other.exe";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (two.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), two.c_str(), (two.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(url, WM_PASTE, 0, 0);
    SendMessageW(urlParam, WM_PASTE, 0, 0);
    EXPECT_TRUE(Shows(url, "C:\\web\\a.exe"));
    Press(editor, "OK");
    ExpectExit();
    const std::string written = kbtest::ReadBytes(ini);
    EXPECT_THAT(written, HasSubstr("\r\nMAILExe=" + dir.File("mailer.exe") + "\r\n"));
    EXPECT_THAT(written, HasSubstr("\r\nURLExe=C:\\web\\a.exe\r\n"));
    EXPECT_THAT(written, HasSubstr("\r\nURLExeParam=C:\\web\\a.exe"));
    EXPECT_EQ(Count(written, "\r\nURLExe="), 1u);
    EXPECT_EQ(Count(written, "\r\nURLExeParam="), 1u);
    EXPECT_EQ(Count(written, "\r\nC:\\other"), 0u); // no line of its own
}

// ---- the launcher's shortcut ----

class ShortcutProgramTest : public SettingsProgramTest {
protected:
    void SetUp() override {
        SettingsProgramTest::SetUp();
        link = forms::IncludeTrailingBackslash(RootFolderPath(rfStartup)) + "K+Bandeo.lnk";
        DeleteFileW(cp932::Wide(link).c_str());
    }
    void TearDown() override { DeleteFileW(cp932::Wide(link).c_str()); }

    void ClickShortcutButton(HWND editor, const char* caption) {
        ClickButton(kbtest::FindChildWindow(editor, L"TSpeedButton", caption));
    }

    std::string link;
};

TEST_F(ShortcutProgramTest, CreatedTwiceItIsOneLinkToTheLauncherAndStaysAfterCancel) {
    const std::string launcher = dir.File("qvtdock.exe");
    ASSERT_TRUE(CopyFileW(cp932::Wide(Built("..\\bin\\qvtdock.exe")).c_str(),
                          cp932::Wide(launcher).c_str(), FALSE));
    TVersionStrings version;
    GetFileVersionStrings(launcher, version);
    ASSERT_FALSE(version[2].empty());
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, kOtherPage);
    const HWND folders = Visible(editor, L"TComboBox");
    ASSERT_NE(folders, nullptr);
    const std::string item = TextOf(folders);
    EXPECT_FALSE(item.empty());
    for (int i = 0; i < 2; ++i) {
        ClickShortcutButton(editor, "作成(&C)");
        const auto view = Confirmation();
        EXPECT_EQ(view.caption, "情報");
        EXPECT_EQ(view.text,
                  "【 ショートカット作成 】\r\n\r\n" + item + " にショートカットを作成しました。");
        EXPECT_EQ(view.rect.left, kbtest::ScreenRectOf(editor).left + 16);
        EXPECT_EQ(view.rect.top, kbtest::ScreenRectOf(editor).top + 16);
    }
    Press(editor, "キャンセル");
    ExpectExit();
    EXPECT_EQ(kbtest::ReadBytes(ini), kForeign);
    ASSERT_TRUE(kbtest::Exists(link));

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shellLink = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                               reinterpret_cast<void**>(&shellLink)),
              S_OK);
    IPersistFile* persist = nullptr;
    shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(persist->Load(cp932::Wide(link).c_str(), STGM_READ), S_OK);
    wchar_t text[MAX_PATH] = {};
    shellLink->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_EQ(cp932::Narrow(text), ProgramFolder() + "qvtdock.exe");
    shellLink->GetWorkingDirectory(text, MAX_PATH);
    // The system keeps the folder without its trailing backslash.
    EXPECT_EQ(forms::IncludeTrailingBackslash(cp932::Narrow(text)), ProgramFolder());
    int icon = -1;
    shellLink->GetIconLocation(text, MAX_PATH, &icon);
    EXPECT_EQ(cp932::Narrow(text), ProgramFolder() + "qvtdock.exe");
    EXPECT_EQ(icon, 0);
    int show = 0;
    shellLink->GetShowCmd(&show);
    EXPECT_EQ(show, SW_SHOWNORMAL);
    shellLink->GetArguments(text, MAX_PATH);
    EXPECT_EQ(std::wstring(text), L"");
    shellLink->GetDescription(text, MAX_PATH);
    EXPECT_EQ(cp932::Narrow(text), version[2] + version[3]); // "K+Bandeo2.00"
    persist->Release();
    shellLink->Release();
    CoUninitialize();
}

TEST_F(ShortcutProgramTest, DeletedTwiceTheMessageShowsOnce) {
    kbtest::WriteBytes(link, "not really a link");
    const HWND editor = Open(kForeign);
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, kOtherPage);
    ClickShortcutButton(editor, "削除(&D)");
    const auto view = Confirmation();
    EXPECT_EQ(view.text,
              "【 ショートカット削除 】\r\n\r\nショートカットを削除しました。\r\n\r\n" + link);
    EXPECT_FALSE(kbtest::Exists(link));
    ClickShortcutButton(editor, "削除(&D)");
    // The second press finds nothing and says nothing: the next box is the one for the create.
    ClickShortcutButton(editor, "作成(&C)");
    EXPECT_THAT(Confirmation().text, HasSubstr("【 ショートカット作成 】"));
    Press(editor, "OK");
    ExpectExit();
    EXPECT_TRUE(kbtest::Exists(link));
}
