// The cross-process driver against small programs of ours: kb_marker reports how it was started,
// kb_probe shows windows, boxes, dialogs and menus on request and ends with a code that tells what
// it was answered.
#include "support/ProcessDriver.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "support/GuiTest.h"
#include "support/TempDir.h"
#include "support/WinTesting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

using kbtest::ProcessDriver;
using kbtest::ProcessOptions;
using testing::ElementsAre;

namespace {
std::string TestProgram(const char* name) {
    return forms::ExtractFilePath(forms::ProgramPath()) + name;
}

ProcessOptions Probe(const std::string& steps) {
    ProcessOptions o;
    o.program = TestProgram("kb_probe.exe");
    o.commandLine = "kb_probe " + steps;
    return o;
}

// The block's entries, without the terminating empty one.
std::vector<std::string> Entries(const std::wstring& block) {
    std::vector<std::string> entries;
    for (size_t i = 0; i < block.size() && block[i];) {
        const size_t end = block.find(L'\0', i);
        entries.push_back(cp932::Narrow(block.substr(i, end - i)));
        i = end + 1;
    }
    return entries;
}
} // namespace

// --- starting -------------------------------------------------------------------------------

TEST(ProcessDriverStart, CommandLineAndCurrentFolderReachTheProgramExactly) {
    kbtest::TempDir dir;
    const std::string report = dir.File("report.txt");
    ProcessOptions o;
    o.program = TestProgram("kb_marker.exe");
    o.commandLine = "marker  first \"二 語\"  表";
    o.currentDir = dir.Path();
    o.environment = {{"KB_MARKER", report}};
    ProcessDriver p(o);
    ASSERT_EQ(p.WaitForExit(), 0u);
    EXPECT_EQ(kbtest::ReadBytes(report),
              "first \"二 語\"  表\n" + dir.Path() + "\nfirst\n二 語\n表\n");
}

TEST(ProcessDriverStart, EnvironmentVariablesAreSetReplacedAndRemoved) {
    SetEnvironmentVariableW(L"KB_PROBE_CODE", L"11");
    {
        ProcessOptions o = Probe("env=KB_PROBE_CODE");
        ProcessDriver inherited(o);
        EXPECT_EQ(inherited.WaitForExit(), 11u);

        o.environment = {{"kb_probe_code", std::string("42")}};
        ProcessDriver replaced(o);
        EXPECT_EQ(replaced.WaitForExit(), 42u);

        o.environment = {{"KB_PROBE_CODE", std::nullopt}};
        ProcessDriver removed(o);
        EXPECT_EQ(removed.WaitForExit(), 255u);
    }
    SetEnvironmentVariableW(L"KB_PROBE_CODE", nullptr);
}

TEST(ProcessDriverStart, EnvironmentBlockIsSortedWithoutLetterCaseAndEndsTwice) {
    ProcessOptions o;
    o.emptyEnvironment = true;
    o.environment = {{"b", std::string("2")},
                     {"A", std::string("1")},
                     {"B", std::string("3")},
                     {"gone", std::string("x")},
                     {"GONE", std::nullopt}};
    const std::wstring block = kbtest::EnvironmentBlock(o);
    EXPECT_THAT(Entries(block), ElementsAre("A=1", "B=3"));
    EXPECT_EQ(block.substr(block.size() - 2), std::wstring(2, L'\0'));

    ProcessOptions none;
    none.emptyEnvironment = true;
    EXPECT_EQ(kbtest::EnvironmentBlock(none), std::wstring(2, L'\0'));
}

TEST(ProcessDriverStart, MissingProgramRaisesAClearError) {
    ProcessOptions o;
    o.program = TestProgram("no_such_program.exe");
    try {
        ProcessDriver p(o);
        FAIL() << "started a program that does not exist";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr("no_such_program.exe"));
    }
}

// --- windows and the end --------------------------------------------------------------------

TEST(ProcessDriverWindows, FindsHiddenAndVisibleWindowsOfThatProcessOnly) {
    // A window of ours with the same class name is not the program's.
    wintest::StandIn ours(L"KbProbeHidden", RECT{0, 0, 10, 10}, nullptr, false);
    ProcessDriver p(Probe("hidden shown"));
    ASSERT_TRUE(p.WaitForIdle());
    const std::vector<HWND> hidden = p.Windows(L"KbProbeHidden");
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_NE(hidden[0], ours.Handle());
    EXPECT_FALSE(IsWindowVisible(hidden[0]));
    const HWND shown = p.FirstWindow(L"KbProbeShown", "見える窓");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_EQ(p.FirstWindow(L"KbProbeShown", "ほかの窓"), nullptr);
    EXPECT_GE(p.Windows().size(), 2u);
}

TEST(ProcessDriverWindows, WmCloseEndsTheProgramWithItsCode) {
    ProcessDriver p(Probe("exit=7 hidden"));
    const HWND window = p.WaitForWindow(L"KbProbeHidden");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(p.Running());
    ASSERT_TRUE(ProcessDriver::PostClose(window));
    EXPECT_EQ(p.WaitForExit(), 7u);
    EXPECT_FALSE(p.Killed());
    EXPECT_FALSE(ProcessDriver::PostClose(window)); // gone with its program
}

TEST(ProcessDriverWindows, IdleComesOnlyOnceTheLoopRuns) {
    ProcessDriver p(Probe("wait=300 hidden"));
    ASSERT_TRUE(p.WaitForIdle());
    // The window is made before the loop starts.
    EXPECT_NE(p.FirstWindow(L"KbProbeHidden"), nullptr);
}

TEST(ProcessDriverWindows, WaitingForAWindowEndsWhenTheProgramEnds) {
    ProcessDriver p(Probe("exit=3"));
    EXPECT_EQ(p.WaitForWindow(L"KbProbeHidden", 10000), nullptr);
    EXPECT_EQ(p.WaitForExit(), 3u);
}

TEST(ProcessDriverEnd, AProgramThatDoesNotEndInTimeIsKilled) {
    ProcessDriver p(Probe("hang"));
    EXPECT_EQ(p.WaitForExit(200), std::nullopt);
    EXPECT_TRUE(p.Killed());
    EXPECT_FALSE(p.Running());
    DWORD code = 0;
    GetExitCodeProcess(p.Handle(), &code);
    EXPECT_EQ(code, kbtest::kKilledExitCode);
}

TEST(ProcessDriverEnd, TheDriverKillsItsProgramWhenItGoes) {
    HANDLE watch = nullptr;
    {
        ProcessDriver p(Probe("hidden"));
        ASSERT_TRUE(p.WaitForIdle());
        watch = OpenProcess(SYNCHRONIZE, FALSE, p.Id());
        ASSERT_NE(watch, nullptr);
    }
    EXPECT_EQ(WaitForSingleObject(watch, 5000), WAIT_OBJECT_0);
    CloseHandle(watch);
}

// --- boxes, dialogs and menus of the other process -------------------------------------------

TEST(ProcessDriverDialogs, SystemBoxesAreReadAndAnsweredByTextAndById) {
    ProcessDriver p(Probe("box box"));
    const HWND first = p.WaitForWindow(L"#32770", 10000, true);
    ASSERT_NE(first, nullptr);
    const kbtest::MessageDialogView view = kbtest::ReadMessageDialog(first);
    EXPECT_TRUE(view.system);
    EXPECT_EQ(view.caption, "プローブの確認");
    EXPECT_EQ(view.text, "続けますか？\r二行目");
    EXPECT_THAT(view.buttonIds, ElementsAre(IDYES, IDNO));
    ASSERT_EQ(view.buttons.size(), 2u);
    EXPECT_FALSE(kbtest::AnswerDialog(first, "no such button"));
    EXPECT_FALSE(kbtest::AnswerDialog(first, IDCANCEL)); // not one of its buttons
    ASSERT_TRUE(kbtest::AnswerDialog(first, view.buttons[0]));

    const HWND second = p.WaitForWindow(L"#32770", 10000, true, {first});
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(kbtest::AnswerDialog(second, IDNO));
    EXPECT_EQ(p.WaitForExit(), 67u); // Yes, then No
}

TEST(ProcessDriverDialogs, OurMessageDialogIsReadAndAnsweredByText) {
    ProcessDriver p(Probe("form"));
    const HWND dialog = p.WaitForWindow(L"TMessageForm", 10000, true);
    ASSERT_NE(dialog, nullptr);
    kbtest::MessageDialogView view;
    ASSERT_TRUE(kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(dialog);
        return view.buttons.size() == 2;
    }));
    EXPECT_FALSE(view.system);
    EXPECT_EQ(view.caption, "確認");
    EXPECT_EQ(view.text, "フォームの質問");
    ASSERT_TRUE(kbtest::AnswerDialog(dialog, view.buttons[1]));
    EXPECT_EQ(p.WaitForExit(), 7u); // No
}

TEST(ProcessDriverMenus, AnOpenMenuIsReadAndAnEntryChosen) {
    ProcessDriver p(Probe("menu"));
    const HWND menu = p.WaitForWindow(L"#32768", 10000, true);
    ASSERT_NE(menu, nullptr);
    const std::vector<kbtest::MenuItemView> items = kbtest::DriveMenu(menu, 1);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(cp932::Narrow(items[0].text), "開く(&O)");
    EXPECT_FALSE(items[0].submenu);
    EXPECT_TRUE(items[1].type & MFT_SEPARATOR);
    EXPECT_EQ(cp932::Narrow(items[2].text), "終了(&X)");
    EXPECT_EQ(cp932::Narrow(items[3].text), "その他");
    EXPECT_TRUE(items[3].submenu);
    EXPECT_TRUE(items[3].state & MFS_GRAYED);
    EXPECT_EQ(p.WaitForExit(), 2u); // the second entry that can be chosen
}

TEST(ProcessDriverMenus, AMenuClosedWithoutAChoiceGivesNothing) {
    ProcessDriver p(Probe("exit=5 menu"));
    const HWND menu = p.WaitForWindow(L"#32768", 10000, true);
    ASSERT_NE(menu, nullptr);
    kbtest::DriveMenu(menu, -1);
    EXPECT_EQ(p.WaitForExit(), 50u);
}

// --- real input beside it --------------------------------------------------------------------

TEST(ProcessDriverInput, HeldKeysReachTheOtherProgramsHotKey) {
    ProcessDriver p(Probe("hotkey"));
    ASSERT_TRUE(p.WaitForIdle());
    {
        wintest::HeldInput held;
        held.Key(VK_CONTROL);
        held.Key(VK_MENU);
        kbtest::PressKey('L');
    }
    EXPECT_EQ(p.WaitForExit(), 93u);
}
