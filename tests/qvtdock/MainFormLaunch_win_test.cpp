// Running the selected button in this process: what is counted and saved, the lock that a start
// lifts, the failure messages, and the command list in the menu. Most tests run over a recording
// shell; the browser, the mailer and real starts run kb_marker through the system's shell.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Files.h"
#include "support/FakeShell.h"
#include "support/Marker.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qvttest;

namespace {

// The registration error's text as the dialog shows it: the title's line, an empty line, the
// message.
std::string ErrorShown(const std::string& message) {
    return "【 登録エラー 】\r\n\r\n" + message;
}

class LaunchTest : public MainFormTest {
protected:
    // The launcher over the recording shell (or the system's, with realShell), with one page of
    // three slots and these settings lines.
    void StartWith(std::initializer_list<std::string_view> ini, bool realShell = false) {
        if (!realShell)
            env->shell = &shell;
        MainFormTest::StartWith({3}, ini);
    }
    TLaunchDataItem& Slot(int slot) { return *form->LaunchList().Items(0, slot); }
    void SetSlot(int slot, TItemKind kind, const std::string& path,
                 const std::string& comment = "") {
        Slot(slot).Kind = kind;
        Slot(slot).Path = path;
        Slot(slot).Comment = comment;
    }
    void Select(int slot) { form->BtnBar->SetBtnIndex(slot); }
    // The use count of the slot in the data file as saved now.
    int SavedCount(int slot) {
        form->mnSaveClick(nullptr);
        TLaunchList saved;
        saved.SetFileName(DataFile());
        saved.LoadFromFile();
        EXPECT_TRUE(saved.Loaded());
        return saved.Loaded() ? saved.Items(0, slot)->UseCount : -1;
    }
    // Runs the slot while a watch reads and answers any message dialog that it opens.
    kbtest::MessageDialogView LaunchAndReadMessage(int slot) {
        kbtest::MessageDialogView view;
        {
            kbtest::WindowDriver driver(
                L"TMessageForm",
                [&](HWND box) {
                    view = kbtest::ReadMessageDialog(box);
                    kbtest::AnswerDialog(box, "OK");
                },
                3000);
            form->LaunchButton(0, slot, 0);
        }
        return view;
    }
    std::vector<std::string> CommandCaptions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->mnLink->Count(); ++i)
            captions.push_back(form->mnLink->Items(i)->Caption());
        return captions;
    }

    kbtest::FakeShell shell;
};

} // namespace

// ---- Counting and the lock ---------------------------------------------------------------------

TEST_F(LaunchTest, ThreeLaunches_AddThreeToTheSavedCount) {
    StartWith({});
    shell.AddItem("C:\\t\\rec.exe");
    SetSlot(1, ikProgram, "C:\\t\\rec.exe");
    Select(1);
    for (int i = 0; i < 3; ++i)
        form->mnBtnOpenClick(nullptr);
    EXPECT_EQ(shell.runs.size(), 3u);
    EXPECT_EQ(SavedCount(1), 3);
}

TEST_F(LaunchTest, AShellErrorStillCounts) {
    StartWith({});
    shell.AddItem("C:\\t\\rec.exe");
    shell.executeResult = 2;
    SetSlot(0, ikProgram, "C:\\t\\rec.exe");
    EXPECT_FALSE(LaunchAndReadMessage(0).found);
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(LaunchTest, AStartUnlocksWithDropRunLockOff) {
    StartWith({"[Mouse]", "DropRunLockOff=1"});
    shell.AddItem("C:\\t\\rec.exe");
    SetSlot(0, ikProgram, "C:\\t\\rec.exe");
    form->TitleBarLockBtnClick(nullptr);
    ASSERT_TRUE(form->WindowState().Locked());
    form->LaunchButton(0, 0, 0);
    EXPECT_FALSE(form->WindowState().Locked());
    EXPECT_FALSE(form->mnLock->Checked());
}

TEST_F(LaunchTest, WithoutDropRunLockOffTheLockStays) {
    StartWith({"[Mouse]", "DropRunLockOff=0"});
    shell.AddItem("C:\\t\\rec.exe");
    SetSlot(0, ikProgram, "C:\\t\\rec.exe");
    form->TitleBarLockBtnClick(nullptr);
    form->LaunchButton(0, 0, 0);
    EXPECT_TRUE(form->WindowState().Locked());
}

TEST_F(LaunchTest, AFailedStartLeavesTheLock) {
    StartWith({"[Mouse]", "DropRunLockOff=1"});
    SetSlot(0, ikProgram, "C:\\t\\gone.exe");
    form->TitleBarLockBtnClick(nullptr);
    LaunchAndReadMessage(0);
    EXPECT_TRUE(form->WindowState().Locked());
}

// ---- Failure messages --------------------------------------------------------------------------

TEST_F(LaunchTest, NothingToRun_ShowsTheRegistrationErrorAndCountsNothing) {
    StartWith({});
    SetSlot(2, ikProgram, "C:\\t\\gone.exe");
    Slot(2).Title = "メモ帳";
    const kbtest::MessageDialogView view = LaunchAndReadMessage(2);
    ASSERT_TRUE(view.found);
    EXPECT_FALSE(view.system);
    EXPECT_EQ(view.text, ErrorShown("\"メモ帳\" は実行できません。"));
    EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(SavedCount(2), 0);
    // The bracket ended with the dialog: the launcher is topmost again.
    EXPECT_TRUE(form->TopMost());
}

TEST_F(LaunchTest, AMissingSpecialFolder_ShowsTheRegistrationError) {
    StartWith({});
    SetSlot(0, ikSpecialFolder, "rfPrinters"); // the recording shell has no special folder
    Slot(0).Title = "プリンタ";
    const kbtest::MessageDialogView view = LaunchAndReadMessage(0);
    EXPECT_EQ(view.text, ErrorShown("\"プリンタ\" は実行できません。"));
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(LaunchTest, AnUnregisteredSlot_RunsAndShowsNothing) {
    StartWith({});
    EXPECT_FALSE(LaunchAndReadMessage(0).found);
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(LaunchTest, ASlotOutsideThePage_DoesNothing) {
    StartWith({});
    EXPECT_NO_THROW(form->LaunchButton(0, 3, 0));
    EXPECT_NO_THROW(form->LaunchButton(4, 0, 0));
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(LaunchTest, LinkOpen_AFolderTheShellCannotName_SaysItIsNotFound) {
    StartWith({});
    SetSlot(0, ikProgram, "C:\\gone\\rec.exe");
    kbtest::MessageDialogView view;
    {
        kbtest::WindowDriver driver(L"TMessageForm", [&](HWND box) {
            view = kbtest::ReadMessageDialog(box);
            kbtest::AnswerDialog(box, "OK");
        });
        form->mnBtnLinkOpenClick(nullptr);
    }
    EXPECT_EQ(view.text, ErrorShown("登録先が見つかりません。"));
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(LaunchTest, LinkOpen_OpensTheFolderOfTheRegisteredFile) {
    StartWith({});
    shell.AddItem("C:\\t\\");
    SetSlot(0, ikProgram, "C:\\t\\rec.exe");
    form->mnBtnLinkOpenClick(nullptr);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\");
}

TEST_F(LaunchTest, Properties_AskTheShellForTheSlotsSheet) {
    StartWith({});
    shell.AddItem("C:\\t\\rec.exe");
    SetSlot(0, ikProgram, "C:\\t\\rec.exe");
    form->mnBtnPropClick(nullptr);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "C:\\t\\rec.exe");
    EXPECT_EQ(shell.invokes[0].second.Verb, "Properties");
}

TEST_F(LaunchTest, Properties_OfASpecialFolderTheSystemLacks_ShowNothing) {
    StartWith({});
    SetSlot(0, ikSpecialFolder, "rfPrinters");
    EXPECT_NO_THROW(form->mnBtnPropClick(nullptr));
    EXPECT_TRUE(shell.invokes.empty());
}

// ---- The command list --------------------------------------------------------------------------

TEST_F(LaunchTest, CommandList_AUrlThenAnAddress) {
    StartWith({});
    SetSlot(0, ikProgram, "C:\\t\\rec.exe", "http://example.com/ taro@example.jp");
    form->BuildCommandMenu();
    EXPECT_EQ(CommandCaptions(),
              (std::vector<std::string>{"エクスプローラ", "-", "URL: http://example.com/", "-",
                                        "MAIL: taro@example.jp"}));
    EXPECT_TRUE(form->mnLink->Enabled());
    EXPECT_EQ(form->mnLink->Items(0)->Hint(), "C:\\t\\rec.exe");
    EXPECT_EQ(form->mnLink->Items(4)->Hint(), "taro@example.jp");
}

TEST_F(LaunchTest, CommandList_IsRebuiltForEachSlot) {
    StartWith({});
    SetSlot(0, ikProgram, "C:\\t\\rec.exe", "www.example.com");
    SetSlot(1, ikSpecialFolder, "rfControlPanel");
    form->BuildCommandMenu();
    EXPECT_EQ(form->mnLink->Count(), 3);
    Select(1);
    form->BuildCommandMenu();
    EXPECT_EQ(form->mnLink->Count(), 0);
    EXPECT_FALSE(form->mnLink->Enabled());
    Select(2); // unregistered
    form->BuildCommandMenu();
    EXPECT_EQ(form->mnLink->Count(), 0);
    EXPECT_FALSE(form->mnLink->Enabled());
}

TEST_F(LaunchTest, CommandList_MyComputerListsTheSystemsDrives) {
    StartWith({});
    shell.displayNames["C:\\"] = "ローカル ディスク (C:)";
    SetSlot(0, ikSpecialFolder, "rfMyComputer");
    form->BuildCommandMenu();
    const std::vector<std::string> captions = CommandCaptions();
    ASSERT_GE(captions.size(), 4u);
    EXPECT_NE(std::find(captions.begin(), captions.end(), "DRIVE: ローカル ディスク (C:)"),
              captions.end());
    EXPECT_EQ(captions[captions.size() - 2], "ごみ箱を空にする");
    EXPECT_EQ(captions.back(), "最近使ったファイル一覧をクリア");
}

TEST_F(LaunchTest, CommandList_EntriesRunTheirCommands) {
    StartWith({});
    SetSlot(0, ikProgram, "C:\\t\\ソフト.exe", "http://example.com/");
    form->BuildCommandMenu();
    form->mnLink->Items(0)->Click();
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "explorer.exe");
    EXPECT_EQ(shell.runs[0].Params, "/e,\"C:\\t\\\"");
    form->mnLink->Items(2)->Click();
    ASSERT_EQ(shell.runs.size(), 2u);
    EXPECT_EQ(shell.runs[1].File, "http://example.com/");
}

TEST_F(LaunchTest, CommandList_ASpecialFoldersExplorerEntryOpensTheFolder) {
    StartWith({});
    shell.AddSpecialFolder(8, "recent", "C:\\u\\Recent");
    SetSlot(0, ikSpecialFolder, "rfRecent");
    form->BuildCommandMenu();
    ASSERT_EQ(CommandCaptions().front(), "エクスプローラ");
    form->mnLink->Items(0)->Click();
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "/e,\"C:\\u\\Recent\\\"");
}

TEST_F(LaunchTest, RecycleContents_AVanishedFolderIsLeftAlone) {
    StartWith({});
    const std::string folder = dir.File("gone");
    EXPECT_NO_THROW(form->RunCommand(2, folder, ""));
    EXPECT_NO_THROW(form->RunCommand(2, "", ""));
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(LaunchTest, ClearRecentDocuments_Smoke) {
    StartWith({}, true);
    EXPECT_NO_THROW(form->RunCommand(3, "", "rfMyComputer"));
}

// ---- Real starts through the system's shell ----------------------------------------------------

TEST_F(LaunchTest, RealStarts_ThreeRunsOfAProgramStartItThreeTimesAndAreSaved) {
    kbtest::Marker marker(dir);
    const std::string program = kbtest::CopyMarker(dir.File("prog"));
    StartWith({}, true);
    SetSlot(0, ikProgram, program);
    for (int i = 0; i < 3; ++i) {
        form->LaunchButton(0, 0, 0);
        ASSERT_TRUE(marker.Wait()) << i;
    }
    EXPECT_EQ(SavedCount(0), 3);
}

TEST_F(LaunchTest, RealStarts_ADeletedProgramShowsTheMessage) {
    kbtest::Marker marker(dir);
    const std::string program = kbtest::CopyMarker(dir.File("prog"));
    StartWith({}, true);
    SetSlot(0, ikProgram, program);
    Slot(0).Title = "消えた";
    forms::RemoveFile(program);
    const kbtest::MessageDialogView view = LaunchAndReadMessage(0);
    EXPECT_EQ(view.text, ErrorShown("\"消えた\" は実行できません。"));
    EXPECT_EQ(SavedCount(0), 0);
    EXPECT_FALSE(marker.Ran());
}

TEST_F(LaunchTest, RealStarts_AMissingDotUrlShowsTheMessage) {
    StartWith({}, true);
    SetSlot(0, ikDocument, dir.File("gone.url"));
    Slot(0).Title = "サイト";
    const kbtest::MessageDialogView view = LaunchAndReadMessage(0);
    EXPECT_EQ(view.text, ErrorShown("\"サイト\" は実行できません。"));
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(LaunchTest, RealStarts_TheBrowserGetsItsParameterAndTheUrlAsOneArgument) {
    kbtest::Marker marker(dir);
    const std::string browser = kbtest::CopyMarker(dir.File("ブラウザ"));
    StartWith({"[Connection]", "URL=0", "URLExe=" + browser, "URLExeParam=-new"}, true);
    SetSlot(0, ikUrl, "http://example.com/a b\"c");
    form->LaunchButton(0, 0, 0);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->argv, (std::vector<std::string>{"-new", "http://example.com/a%20b%22c"}));
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(LaunchTest, RealStarts_ADotUrlDocumentOpensItsUrlInTheBrowser) {
    kbtest::Marker marker(dir);
    const std::string browser = kbtest::CopyMarker(dir.File("web"));
    StartWith({"[Connection]", "URL=0", "URLExe=" + browser}, true);
    kbtest::WriteBytes(dir.File("site.url"), "[InternetShortcut]\r\nURL=http://example.com/x\r\n");
    SetSlot(0, ikDocument, dir.File("site.url"));
    form->LaunchButton(0, 0, 0);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->argv, std::vector<std::string>{"http://example.com/x"});
}

TEST_F(LaunchTest, RealStarts_TheMailerGetsItsParameterDirectlyFollowedByMailto) {
    kbtest::Marker marker(dir);
    const std::string mailer = kbtest::CopyMarker(dir.File("mail"));
    StartWith({"[Connection]", "MAIL=0", "MAILExe=" + mailer, "MAILExeParam=-m"}, true);
    SetSlot(0, ikProgram, mailer, "書く: taro@example.jp");
    form->BuildCommandMenu();
    ASSERT_EQ(CommandCaptions().back(), "MAIL: taro@example.jp");
    form->mnLink->Items(form->mnLink->Count() - 1)->Click();
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "-mmailto:taro@example.jp");
    EXPECT_EQ(report->argv, std::vector<std::string>{"-mmailto:taro@example.jp"});
}
