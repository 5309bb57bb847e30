// qvtcfg.exe /STYLE from outside, with style files in a temporary program folder: the list's
// order and the stored style, a refresh, an empty folder, the colour dialogs driven as a person
// would, Cancel after a confirmed colour, a settings file whose colour is no colour, and the bytes
// OK writes.
#include "qvtcfg/StyleEditor.h"
#include "qvtcfg/StyleIniBytes.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/StyleFiles.h"
#include "support/GuiTest.h"
#include "support/ProcessDriver.h"
#include "support/TempDir.h"

#include <commctrl.h>

#include <gmock/gmock.h>

#include <memory>

using kbtest::ProcessDriver;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr int kWaitMs = 15000;
constexpr int kRed = 706, kGreen = 707, kBlue = 708; // the colour dialog's fields
constexpr int kColorItemHeight = 20;

std::string StyleText(const std::string& title, const std::string& file, int type) {
    return "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\nType=" + std::to_string(type) +
           "\r\n[About]\r\nTitle=" + title + "\r\nFile=" + file + "\r\nAuthor=a\r\n";
}

class StyleProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = dir.File("qvtcfg.exe");
        ASSERT_TRUE(CopyFileW(cp932::Wide(Built("..\\bin\\qvtcfg.exe")).c_str(),
                              cp932::Wide(program).c_str(), FALSE));
    }

    static std::string Built(const char* name) {
        return forms::ExtractFilePath(forms::ProgramPath()) + name;
    }
    void AddStyle(const std::string& name, const std::string& title, const std::string& file,
                  int type = 0) {
        kbtest::WriteBytes(dir.File(name),
                           kbtest::MakeStyleFile({{0, StyleText(title, file, type)}}));
    }
    void CopyShippedStyle(const char* name) {
        ASSERT_TRUE(CopyFileW(cp932::Wide(kbtest::ProgramFolder() + name).c_str(),
                              cp932::Wide(dir.File(name)).c_str(), FALSE));
    }

    // Starts the style editor on the settings file and waits until it shows.
    HWND Open() {
        kbtest::ProcessOptions o;
        o.program = program;
        o.commandLine = "\"" + program + "\" /STYLE \"10:20\" \"" + ini + "\"";
        o.currentDir = dir.Path();
        process = std::make_unique<ProcessDriver>(o);
        const HWND editor = process->WaitForWindow(L"TfmStyle", kWaitMs, true);
        if (editor)
            kbtest::WaitUntil([&] { return kbtest::Painted(editor); });
        return editor;
    }
    void Close(HWND editor, const char* button) {
        const HWND b = kbtest::FindChildWindow(editor, L"TButton", button);
        ASSERT_NE(b, nullptr);
        PostMessageW(b, BM_CLICK, 0, 0);
        EXPECT_EQ(process->WaitForExit(kWaitMs), 0u);
    }

    // The owner-drawn style list (the other two combo boxes are not owner-drawn).
    static HWND StyleList(HWND editor) {
        struct Found {
            HWND list = nullptr;
        } found;
        EnumChildWindows(
            editor,
            [](HWND h, LPARAM lp) -> BOOL {
                if (kbtest::ClassNameOf(h) == L"TComboBox" &&
                    (GetWindowLongW(h, GWL_STYLE) & CBS_OWNERDRAWFIXED)) {
                    reinterpret_cast<Found*>(lp)->list = h;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found.list;
    }
    static std::vector<std::string> Titles(HWND list) {
        std::vector<std::string> titles;
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)),
                              L'\0');
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            titles.push_back(cp932::Narrow(text));
        }
        return titles;
    }
    static int Selected(HWND list) {
        return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    }
    // Shows a page as a click on its tab would.
    static void ShowPage(HWND editor, int index) {
        const HWND tabs = kbtest::FindChildWindow(editor, L"TPageControl");
        ASSERT_NE(tabs, nullptr);
        SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
        ASSERT_TRUE(kbtest::WaitUntil([&] {
            return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == static_cast<LRESULT>(index);
        }));
    }
    static HWND VisibleChild(HWND editor, const std::wstring& className, int nth = 0) {
        struct Found {
            const std::wstring* name;
            int skip;
            HWND window = nullptr;
        } found{&className, nth};
        EnumChildWindows(
            editor,
            [](HWND h, LPARAM lp) -> BOOL {
                auto* f = reinterpret_cast<Found*>(lp);
                if (kbtest::ClassNameOf(h) != *f->name || !IsWindowVisible(h))
                    return TRUE;
                if (f->skip-- > 0)
                    return TRUE;
                f->window = h;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found.window;
    }
    // The colour dialog the editor opens, and whether it came expanded.
    struct ColourDialog {
        HWND window = nullptr;
        bool expanded = false;
    };
    ColourDialog WaitForColourDialog() {
        ColourDialog d;
        d.window = process->WaitForWindow(L"#32770", kWaitMs, true);
        if (!d.window)
            return d;
        d.expanded = IsWindowVisible(GetDlgItem(d.window, kRed)) != FALSE;
        return d;
    }
    static void Confirm(HWND dialog, int red, int green, int blue) {
        SetDlgItemTextW(dialog, kRed, std::to_wstring(red).c_str());
        SetDlgItemTextW(dialog, kGreen, std::to_wstring(green).c_str());
        SetDlgItemTextW(dialog, kBlue, std::to_wstring(blue).c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ProcessDriver::WaitWindowGone(dialog, kWaitMs);
    }

    kbtest::TempDir dir;
    std::string program, ini = dir.File("qvtdock.ini");
    std::unique_ptr<ProcessDriver> process;
};

} // namespace

// ---- the style list ----

TEST_F(StyleProgramTest, StylesAreListedByTitleWithTheStoredOneSelectedAndDamagedOnesLeftOut) {
    AddStyle("1.sti", "Beta", "beta.sti");
    AddStyle("2.sti", "alpha", "alpha.sti");
    AddStyle("3.sti", "ポップ", "pop.sti", 2);
    kbtest::WriteBytes(dir.File("4.sti"), "no style");
    kbtest::WriteBytes(dir.File("5.sti"),
                       kbtest::MakeStyleFile({{0, StyleText("Broken", "broken.sti", 0) +
                                                      "[LockBtn]\r\nColor=clNoColour\r\n"}}));
    kbtest::WriteBytes(ini, "[Visible]\r\nStyleFile=POP.STI\r\n");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    const HWND list = StyleList(editor);
    ASSERT_NE(list, nullptr);
    EXPECT_THAT(Titles(list), ElementsAre("alpha", "Beta", "ポップ"));
    EXPECT_EQ(Selected(list), 2);
    EXPECT_NE(kbtest::FindChildWindow(editor, L"TListBox"), nullptr);
    Close(editor, "OK");
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("StyleFile=pop.sti\r\n"));
}

TEST_F(StyleProgramTest, ARefreshReturnsToTheStoredStyle) {
    AddStyle("a.sti", "alpha", "a.sti");
    AddStyle("n.sti", "Night", "night.sti");
    kbtest::WriteBytes(ini, "[Visible]\r\nStyleFile=night.sti\r\n");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    const HWND list = StyleList(editor);
    ASSERT_EQ(Selected(list), 1);
    // The user picks alpha.
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    ASSERT_EQ(Selected(list), 0);
    AddStyle("m.sti", "Middle", "m.sti");
    const HWND refresh = kbtest::FindChildWindow(editor, L"TSpeedButton", "一覧更新(&R)");
    ASSERT_NE(refresh, nullptr);
    kbtest::PostClick(refresh, 5, 5);
    EXPECT_TRUE(kbtest::WaitUntil([&] { return Titles(list).size() == 3; }));
    EXPECT_THAT(Titles(list), ElementsAre("alpha", "Middle", "Night"));
    EXPECT_EQ(Selected(list), 2);
    Close(editor, "キャンセル");
}

TEST_F(StyleProgramTest, AnEmptyFolderGreysTheListAndOkKeepsTheStoredStyle) {
    kbtest::WriteBytes(ini, "[Visible]\r\nStyleFile=mine.sti\r\n");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    const HWND list = StyleList(editor);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 0);
    Close(editor, "OK");
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("StyleFile=mine.sti\r\n"));
}

// ---- colour dialogs ----

TEST_F(StyleProgramTest, ARightClickSelectsAPartColourAndALeftClickOpensItsDialog) {
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, 1);
    const HWND parts = VisibleChild(editor, L"TListBox");
    ASSERT_NE(parts, nullptr);
    kbtest::PostClick(parts, 60, 1 * kColorItemHeight + 10, true);
    ASSERT_TRUE(kbtest::WaitUntil([&] { return SendMessageW(parts, LB_GETCURSEL, 0, 0) == 1; }));
    kbtest::PostClick(parts, 60, 3 * kColorItemHeight + 10); // "タイトル"
    // The first dialog is the left click's: what it confirms goes to part colour 4.
    const ColourDialog d = WaitForColourDialog();
    ASSERT_NE(d.window, nullptr);
    EXPECT_FALSE(d.expanded);
    Confirm(d.window, 1, 2, 3);
    EXPECT_TRUE(kbtest::WaitUntil([&] { return SendMessageW(parts, LB_GETCURSEL, 0, 0) == 3; }));
    Close(editor, "OK");
    const std::string bytes = kbtest::ReadBytes(ini);
    EXPECT_THAT(bytes, HasSubstr("\r\n2=$00EEFFFF\r\n"));
    EXPECT_THAT(bytes, HasSubstr("\r\n4=$00030201\r\n"));
}

TEST_F(StyleProgramTest, CancelAfterAConfirmedColourKeepsOnlyTheCustomColours) {
    kbtest::WriteBytes(ini, "[Color]\r\n1=clBlack\r\n");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, 1);
    const HWND parts = VisibleChild(editor, L"TListBox");
    ASSERT_NE(parts, nullptr);
    kbtest::PostClick(parts, 60, 10);
    const ColourDialog d = WaitForColourDialog();
    ASSERT_NE(d.window, nullptr);
    Confirm(d.window, 1, 2, 3);
    Close(editor, "キャンセル");
    const std::string bytes = kbtest::ReadBytes(ini);
    EXPECT_EQ(bytes.rfind("[Color]\r\n1=clBlack\r\n[PartsColors]\r\nColorA=000000\r\n", 0), 0u)
        << bytes;
    EXPECT_THAT(bytes, HasSubstr("ColorP=000000\r\n"));
}

TEST_F(StyleProgramTest, TheShapesOpenTheExpandedDialogOnAnyButton) {
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    ShowPage(editor, 2);
    // The lower of the two shapes is the background's.
    HWND back = VisibleChild(editor, L"TShape", 0);
    const HWND other = VisibleChild(editor, L"TShape", 1);
    ASSERT_NE(back, nullptr);
    ASSERT_NE(other, nullptr);
    if (kbtest::ScreenRectOf(other).top > kbtest::ScreenRectOf(back).top)
        back = other;
    kbtest::PostClick(back, 10, 10, true);
    const ColourDialog d = WaitForColourDialog();
    ASSERT_NE(d.window, nullptr);
    EXPECT_TRUE(d.expanded);
    Confirm(d.window, 0, 0, 255);
    Close(editor, "OK");
    const std::string bytes = kbtest::ReadBytes(ini);
    EXPECT_THAT(bytes, HasSubstr("[PopupHint]\r\n"));
    EXPECT_THAT(bytes, HasSubstr("\r\nColor=clBlue\r\n"));
    EXPECT_THAT(bytes, HasSubstr("FontColor=clInfoText\r\n"));
    EXPECT_THAT(bytes, HasSubstr("[PopupHintBackColors]\r\nColorA=000000\r\n"));
}

// ---- the settings file ----

TEST_F(StyleProgramTest, AColourThatIsNoColourShowsTheErrorBoxAndEndsWithCodeOne) {
    const std::string before = "[PopupHint]\r\nLocate=1\r\nLoc=2\r\n[Color]\r\n3=zzz\r\n";
    kbtest::WriteBytes(ini, before);
    kbtest::ProcessOptions o;
    o.program = program;
    o.commandLine = "\"" + program + "\" /STYLE \"10:20\" \"" + ini + "\"";
    o.currentDir = dir.Path();
    process = std::make_unique<ProcessDriver>(o);
    const HWND box = process->WaitForWindow(L"#32770", kWaitMs, true);
    ASSERT_NE(box, nullptr);
    kbtest::MessageDialogView view;
    kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(box);
        return !view.buttons.empty();
    });
    EXPECT_EQ(view.caption, "K+Bandeo Config");
    EXPECT_EQ(view.text, "'zzz' は整数ではありません");
    for (HWND h : process->Windows(L"TfmStyle"))
        EXPECT_FALSE(IsWindowVisible(h));
    ASSERT_TRUE(kbtest::AnswerDialog(box, IDOK));
    EXPECT_EQ(process->WaitForExit(kWaitMs), 1u);
    EXPECT_EQ(kbtest::ReadBytes(ini), "[PopupHint]\r\nLoc=2\r\n[Color]\r\n3=zzz\r\n");
}

TEST_F(StyleProgramTest, OkOnANewFileWritesEveryKeyAtItsDefault) {
    CopyShippedStyle("format.sti");
    CopyShippedStyle("night.sti");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    Close(editor, "OK");
    EXPECT_EQ(kbtest::ReadBytes(ini), kNewStyleIniBytes);
}

TEST_F(StyleProgramTest, CancelWritesNothing) {
    CopyShippedStyle("format.sti");
    const HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    Close(editor, "キャンセル");
    EXPECT_FALSE(kbtest::Exists(ini));
}
