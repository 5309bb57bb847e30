// qvtcfg.exe from outside, as the launcher and the user meet it: started with exact command lines
// by the cross-process driver, its windows found and answered, its exit code read. Which settings
// file an editor was given shows in the file OK writes; the editors themselves are driven further
// by SettingsProgram_win_test.cpp and StyleProgram_win_test.cpp.
#include "qvtcfg/SettingsEditor.h"
#include "qvtcfg/StyleEditor.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/VersionInfo.h"
#include "support/GuiTest.h"
#include "support/ProcessDriver.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <memory>

using kbtest::ProcessDriver;
using ::testing::HasSubstr;

namespace {

constexpr int kWaitMs = 15000;
constexpr int kScreenWidth = 1024, kScreenHeight = 768, kWorkAreaBottom = 748;

std::string BuiltProgram(const char* name) {
    return forms::ExtractFilePath(forms::ProgramPath()) + name;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = dir.File("qvtcfg.exe");
        ASSERT_TRUE(CopyFileW(cp932::Wide(BuiltProgram("..\\bin\\qvtcfg.exe")).c_str(),
                              cp932::Wide(program).c_str(), FALSE));
        ini = dir.File("qvtdock.ini");
        kbtest::WriteBytes(ini, "[Bounds]\r\n");
    }

    std::unique_ptr<ProcessDriver> Start(const std::string& commandLine,
                                         const std::string& file = "") {
        kbtest::ProcessOptions o;
        o.program = file.empty() ? program : file;
        o.commandLine = commandLine;
        o.currentDir = dir.Path();
        return std::make_unique<ProcessDriver>(o);
    }
    std::string Quoted(const std::string& s) const { return "\"" + s + "\""; }
    std::string Line(const std::string& tail) const { return Quoted(program) + " " + tail; }

    // The program's visible top-level window with that caption, whatever its class.
    static HWND WaitForCaption(ProcessDriver& p, const std::string& caption) {
        HWND found = nullptr;
        kbtest::WaitUntil(
            [&] {
                for (HWND h : p.Windows())
                    if (IsWindowVisible(h) && kbtest::WindowText(h) == caption)
                        found = h;
                return found != nullptr || !p.Running();
            },
            kWaitMs);
        return found;
    }
    // The settings editor's OK has written its keys to the file.
    static bool Edited(const std::string& file) {
        return kbtest::ReadBytes(file).find("[MouseBtnAction]\r\n") != std::string::npos;
    }
    static void Press(HWND window, const std::wstring& className, const std::string& text) {
        const HWND button = kbtest::FindChildWindow(window, className, text);
        ASSERT_NE(button, nullptr) << text;
        PostMessageW(button, BM_CLICK, 0, 0);
    }
    static RECT Outer(HWND window) { return kbtest::ScreenRectOf(window); }
    static int Width(const RECT& r) { return r.right - r.left; }
    static int Height(const RECT& r) { return r.bottom - r.top; }
    static kbtest::MessageDialogView ReadBox(HWND box) {
        kbtest::MessageDialogView view;
        kbtest::WaitUntil([&] {
            view = kbtest::ReadMessageDialog(box);
            return !view.buttons.empty();
        });
        return view;
    }

    kbtest::TempDir dir;
    std::string program, ini;
};

} // namespace

// ---- switch modes ----

TEST_F(ProgramTest, ALowerCaseSwitchOpensTheSettingsEditorSixteenPixelsIn) {
    auto p = Start(Line("/cfg " + Quoted("100:200") + " " + Quoted(ini)));
    const HWND editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    const RECT r = Outer(editor);
    EXPECT_EQ(r.left, 116);
    EXPECT_EQ(r.top, 216);
    const RECT client = kbtest::ClientRectOnScreen(editor);
    EXPECT_EQ(Width(client), kCfgFormClientWidth);
    EXPECT_EQ(Height(client), kCfgFormClientHeight);
    Press(editor, L"TButton", "OK");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_TRUE(Edited(ini));
}

TEST_F(ProgramTest, TheStyleSwitchWithoutAPositionCentresTheStyleEditor) {
    auto p = Start(Line("/STYLE " + Quoted("-1:-1") + " " + Quoted(ini)));
    const HWND editor = WaitForCaption(*p, kStyleFormCaption);
    ASSERT_NE(editor, nullptr);
    const RECT r = Outer(editor);
    EXPECT_EQ(r.left, (kScreenWidth - Width(r)) / 2);
    EXPECT_EQ(r.top, (kScreenHeight - Height(r)) / 2);
    const RECT client = kbtest::ClientRectOnScreen(editor);
    EXPECT_EQ(Width(client), kStyleFormClientWidth);
    EXPECT_EQ(Height(client), kStyleFormClientHeight);
    Press(editor, L"TButton", "キャンセル");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
}

TEST_F(ProgramTest, ACornerOutsideIsMovedIntoTheWorkArea) {
    auto p = Start(Line("/cfg " + Quoted("2000:2000") + " " + Quoted(ini)));
    HWND editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    RECT r = Outer(editor);
    EXPECT_EQ(r.right, kScreenWidth);
    EXPECT_EQ(r.bottom, kWorkAreaBottom);
    ProcessDriver::PostClose(editor);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);

    p = Start(Line("/cfg " + Quoted("-500:-300") + " " + Quoted(ini)));
    editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    r = Outer(editor);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    ProcessDriver::PostClose(editor);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
}

TEST_F(ProgramTest, TheLaunchersUnquotedLineFromAFolderWithBlanksOpensTheEditor) {
    kbtest::MakeDir(dir.File("Program Files"));
    kbtest::MakeDir(dir.File("Program Files\\KB"));
    const std::string spaced = dir.File("Program Files\\KB\\qvtcfg.exe");
    ASSERT_TRUE(CopyFileW(cp932::Wide(program).c_str(), cp932::Wide(spaced).c_str(), FALSE));
    auto p = Start(spaced + " /CFG " + Quoted("100:200") + " " + Quoted(ini), spaced);
    const HWND editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    Press(editor, L"TButton", "OK");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_TRUE(Edited(ini));
}

TEST_F(ProgramTest, ADoubleBytePathArrivesWhole) {
    kbtest::MakeDir(dir.File("予定"));
    const std::string yotei = dir.File("予定\\qvtdock.ini");
    auto p = Start(Line("/cfg " + Quoted("1:2") + " " + Quoted(yotei)));
    const HWND editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    Press(editor, L"TButton", "OK");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_TRUE(Edited(yotei));
}

TEST_F(ProgramTest, ARelativeSettingsPathIsTakenInTheCurrentFolder) {
    auto p = Start(Line("/style " + Quoted("1:2") + " qvtdock.ini"));
    const HWND editor = WaitForCaption(*p, kStyleFormCaption);
    ASSERT_NE(editor, nullptr);
    Press(editor, L"TButton", "OK");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_THAT(kbtest::ReadBytes(ini),
                HasSubstr("[Bounds]\r\n[Visible]\r\nAlphaBlendValue=255\r\n"));
}

TEST_F(ProgramTest, ASwitchWithoutASettingsFileIsRefusedCentredWithCodeZero) {
    auto p = Start(Line("/cfg " + Quoted("100:200")));
    const HWND box = p->WaitForWindow(L"TMessageForm", kWaitMs, true);
    ASSERT_NE(box, nullptr);
    const auto view = ReadBox(box);
    EXPECT_EQ(view.caption, "エラー");
    EXPECT_THAT(view.text, HasSubstr("【 ファイルエラー 】"));
    EXPECT_THAT(view.text, HasSubstr("設定ファイルが見つかりません。"));
    EXPECT_EQ(view.rect.left, (kScreenWidth - Width(view.rect)) / 2);
    EXPECT_EQ(view.rect.top, (kScreenHeight - Height(view.rect)) / 2);
    for (HWND h : p->Windows())
        EXPECT_NE(kbtest::WindowText(h), kCfgFormCaption);
    ASSERT_TRUE(kbtest::AnswerDialog(box, "OK"));
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
}

TEST_F(ProgramTest, AnErrorOutOfAnEditorShowsTheErrorBoxAndEndsWithCodeOne) {
    const std::string raising = BuiltProgram("kb_cfg_raising.exe");
    for (const char* sw : {"/cfg", "/STYLE"}) {
        auto p =
            Start(Quoted(raising) + " " + sw + " " + Quoted("1:2") + " " + Quoted(ini), raising);
        const HWND box = p->WaitForWindow(L"#32770", kWaitMs, true);
        ASSERT_NE(box, nullptr) << sw;
        const auto view = ReadBox(box);
        EXPECT_EQ(view.caption, "K+Bandeo Config");
        EXPECT_EQ(view.text, "設定ファイル \"" + ini + "\" を読み込めません");
        ASSERT_TRUE(kbtest::AnswerDialog(box, IDOK));
        EXPECT_EQ(p->WaitForExit(kWaitMs), 1u) << sw;
    }
}

// ---- the start form ----

TEST_F(ProgramTest, OtherFirstArgumentsOpenTheCentredStartFormAndCloseWithCodeZero) {
    for (const std::string& tail : {std::string("/CONFIG ") + Quoted("1:2") + " " + Quoted(ini),
                                    std::string("CFG"), Quoted(ini), std::string()}) {
        auto p = Start(tail.empty() ? Quoted(program) : Line(tail));
        const HWND form = p->WaitForWindow(L"TCfgMain", kWaitMs, true);
        ASSERT_NE(form, nullptr) << tail;
        EXPECT_EQ(kbtest::WindowText(form), "K+Bandeo Config");
        const RECT r = Outer(form);
        EXPECT_EQ(r.left, (kScreenWidth - Width(r)) / 2) << tail;
        EXPECT_EQ(r.top, (kScreenHeight - Height(r)) / 2) << tail;
        ProcessDriver::PostClose(form);
        EXPECT_EQ(p->WaitForExit(kWaitMs), 0u) << tail;
    }
}

TEST_F(ProgramTest, TheStartFormOpensEachEditorAtItsCornerPlusSixteen) {
    auto p = Start(Quoted(program));
    const HWND form = p->WaitForWindow(L"TCfgMain", kWaitMs, true);
    ASSERT_NE(form, nullptr);
    const HWND field = kbtest::FindChildWindow(form, L"TEllipsisEdit");
    ASSERT_NE(field, nullptr);
    SetWindowTextW(field, cp932::Wide(ini).c_str());
    const RECT corner = Outer(form);

    Press(form, L"TButton", "設定");
    HWND editor = WaitForCaption(*p, kCfgFormCaption);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Outer(editor).left, corner.left + 16);
    EXPECT_EQ(Outer(editor).top, corner.top + 16);
    Press(editor, L"TButton", "OK");
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(editor, kWaitMs));
    EXPECT_TRUE(Edited(ini));

    Press(form, L"TRadioButton", "スタイルの設定");
    Press(form, L"TButton", "設定");
    editor = WaitForCaption(*p, kStyleFormCaption);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Outer(editor).left, corner.left + 16);
    EXPECT_EQ(Outer(editor).top, corner.top + 16);
    Press(editor, L"TButton", "キャンセル");
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(editor, kWaitMs));

    EXPECT_TRUE(IsWindowVisible(form));
    Press(form, L"TButton", "終了");
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
}

TEST_F(ProgramTest, TheStartFormRefusesAnotherFileAtItsCornerPlusSixteen) {
    const std::string other = dir.File("other.ini");
    kbtest::WriteBytes(other, "");
    auto p = Start(Quoted(program));
    const HWND form = p->WaitForWindow(L"TCfgMain", kWaitMs, true);
    ASSERT_NE(form, nullptr);
    SetWindowTextW(kbtest::FindChildWindow(form, L"TEllipsisEdit"), cp932::Wide(other).c_str());
    Press(form, L"TButton", "設定");
    const HWND box = p->WaitForWindow(L"TMessageForm", kWaitMs, true);
    ASSERT_NE(box, nullptr);
    const auto view = ReadBox(box);
    EXPECT_THAT(view.text, HasSubstr("設定ファイルが見つかりません。"));
    EXPECT_EQ(view.rect.left, Outer(form).left + 16);
    EXPECT_EQ(view.rect.top, Outer(form).top + 16);
    ASSERT_TRUE(kbtest::AnswerDialog(box, "OK"));
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(box, kWaitMs));
    EXPECT_TRUE(IsWindowVisible(form));
    ProcessDriver::PostClose(form);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
}

// ---- the file ----

TEST_F(ProgramTest, TheVersionResourceIsTheProductsAndTheIconIsTheLaunchers) {
    TVersionStrings info;
    GetFileVersionStrings(program, info);
    EXPECT_EQ(info[2], "K+Bandeo");
    EXPECT_EQ(info[3], "2.00");
    EXPECT_FALSE(info[4].empty());
    const HMODULE module =
        LoadLibraryExW(cp932::Wide(program).c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14)), nullptr); // RT_GROUP_ICON
    FreeLibrary(module);
}
