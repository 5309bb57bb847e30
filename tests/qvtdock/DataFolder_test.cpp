// The launcher's folders and the first-run plan: every branch with the exact texts the user
// reads, the probes each branch asks, and the data file a first run writes.
#include "qvtdock/DataFolder.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "shared/DataFile.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using ::testing::ElementsAre;

namespace {

constexpr char kProgramFolder[] = "C:\\K+B\\";
constexpr char kEmptyItemLine[] = "0,0,\"未登録\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"";

// Probes over a set of folders and files; records what was asked.
struct Machine {
    std::set<std::string> folders, files;
    std::vector<std::string> asked;

    TDataFolderProbes Probes(const std::string& user) {
        TDataFolderProbes p;
        p.ProgramFolder = kProgramFolder;
        p.UserName = user;
        p.FolderExists = [this](const std::string& f) {
            asked.push_back("folder " + f);
            return folders.count(f) > 0;
        };
        p.FileExists = [this](const std::string& f) {
            asked.push_back("file " + f);
            return files.count(f) > 0;
        };
        return p;
    }
};

std::string Describe(const TStartStep& step) {
    switch (step.Action) {
    case TStartAction::Message:
        return "message " + step.Text;
    case TStartAction::CreateFolder:
        return "create " + step.Path;
    case TStartAction::CopySeed:
        return "copy " + step.Source + " > " + step.Path;
    case TStartAction::WriteNewFile:
        return "new " + step.Path;
    case TStartAction::End:
        return "end";
    }
    return "?";
}

std::vector<std::string> Describe(const std::vector<TStartStep>& steps) {
    std::vector<std::string> out;
    for (const auto& s : steps)
        out.push_back(Describe(s));
    return out;
}

} // namespace

// ---- Paths -----------------------------------------------------------------------------------

TEST(LauncherPaths, ProgramFolderHasOneTrailingBackslash) {
    EXPECT_EQ(ProgramFolderOf("C:\\K+B\\qvtdock.exe"), "C:\\K+B\\");
    EXPECT_EQ(ProgramFolderOf("C:\\qvtdock.exe"), "C:\\");
    EXPECT_EQ(ProgramFolderOf("C:\\表\\qvtdock.exe"), "C:\\表\\");
}

TEST(LauncherPaths, DataFolderIsTheUsersFolderBelowTheProgram) {
    EXPECT_EQ(DataFolderOf(kProgramFolder, "taro"), "C:\\K+B\\taro\\");
    EXPECT_EQ(UserFolderOf(kProgramFolder, "taro"), "C:\\K+B\\taro");
}

TEST(LauncherPaths, UnreadableUserNameUsesTheProgramFolder) {
    EXPECT_EQ(DataFolderOf(kProgramFolder, ""), kProgramFolder);
}

TEST(LauncherPaths, UserNameEndingInTrailByte5CStillGetsItsBackslash) {
    // 表 is 95 5C: its second byte is no folder delimiter.
    EXPECT_EQ(DataFolderOf(kProgramFolder, "表"), "C:\\K+B\\表\\");
    EXPECT_EQ(DataFolderOf(kProgramFolder, "表").size(), std::string(kProgramFolder).size() + 3);
}

// ---- First-run plan --------------------------------------------------------------------------

TEST(FirstRunPlan, FolderAndFileThere_NothingHappens) {
    Machine m;
    m.folders = {"C:\\K+B\\taro"};
    m.files = {"C:\\K+B\\taro\\qvtdock.lst"};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("taro"));
    EXPECT_EQ(plan.DataFolder, "C:\\K+B\\taro\\");
    EXPECT_TRUE(plan.Steps.empty());
    EXPECT_FALSE(plan.Question);
    EXPECT_THAT(m.asked, ElementsAre("folder C:\\K+B\\taro", "file C:\\K+B\\taro\\qvtdock.lst"));
}

TEST(FirstRunPlan, FolderThereFileMissing_AsksToCreateWithTheExactText) {
    Machine m;
    m.folders = {"C:\\K+B\\taro"};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("taro"));
    ASSERT_TRUE(plan.Question);
    EXPECT_EQ(plan.Question->Caption, "データーファイル作成の確認");
    EXPECT_EQ(plan.Question->Text, "qvtdock.lst が\"C:\\K+B\\taro\\\"に 見つかりません\r"
                                   "qvtdock.lst を新規に作成しますか？\r\r"
                                   "(新規に作成しない場合は終了します)");
    EXPECT_TRUE(plan.Steps.empty());
    EXPECT_THAT(Describe(StepsInOrder(plan, true)), ElementsAre("new C:\\K+B\\taro\\qvtdock.lst"));
    EXPECT_THAT(Describe(StepsInOrder(plan, false)), ElementsAre("end"));
    EXPECT_TRUE(EndsStartUp(StepsInOrder(plan, false)));
    EXPECT_FALSE(EndsStartUp(StepsInOrder(plan, true)));
}

TEST(FirstRunPlan, NoFolderNoSeed_TwoMessagesThenANewFile) {
    Machine m;
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("taro"));
    EXPECT_FALSE(plan.Question);
    EXPECT_THAT(Describe(plan.Steps),
                ElementsAre("message データー保存フォルダ\r\"C:\\K+B\\taro\\\"\rを作成します",
                            "create C:\\K+B\\taro\\", "message qvtdock.lst を新規に作成します",
                            "new C:\\K+B\\taro\\qvtdock.lst"));
    EXPECT_EQ(plan.DataFolder, "C:\\K+B\\taro\\");
    EXPECT_THAT(m.asked, ElementsAre("folder C:\\K+B\\taro", "file C:\\K+B\\qvtdock.lst"));
}

TEST(FirstRunPlan, NoFolderWithSeed_AsksToCopyAfterTheFolderMessage) {
    Machine m;
    m.files = {"C:\\K+B\\qvtdock.lst"};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("taro"));
    EXPECT_THAT(Describe(plan.Steps),
                ElementsAre("message データー保存フォルダ\r\"C:\\K+B\\taro\\\"\rを作成します",
                            "create C:\\K+B\\taro\\"));
    ASSERT_TRUE(plan.Question);
    EXPECT_EQ(plan.Question->Caption, "コピーの確認");
    EXPECT_EQ(plan.Question->Text, "LSTファイルを\"C:\\K+B\\taro\\\"に コピーしますか？\r\r"
                                   "(コピーしない場合は新規に作成します)");
}

TEST(FirstRunPlan, SeedYes_CopiesTheSeedAndWritesNothingNew) {
    Machine m;
    m.files = {"C:\\K+B\\qvtdock.lst"};
    const auto steps = StepsInOrder(PlanDataFolder(m.Probes("taro")), true);
    EXPECT_EQ(Describe(steps).back(), "copy C:\\K+B\\qvtdock.lst > C:\\K+B\\taro\\qvtdock.lst");
    for (const auto& s : steps)
        EXPECT_NE(s.Action, TStartAction::WriteNewFile);
}

TEST(FirstRunPlan, SeedNo_WritesANewFileAndCopiesNothing) {
    Machine m;
    m.files = {"C:\\K+B\\qvtdock.lst"};
    const auto steps = StepsInOrder(PlanDataFolder(m.Probes("taro")), false);
    EXPECT_EQ(Describe(steps).back(), "new C:\\K+B\\taro\\qvtdock.lst");
    for (const auto& s : steps)
        EXPECT_NE(s.Action, TStartAction::CopySeed);
    EXPECT_FALSE(EndsStartUp(steps));
}

TEST(FirstRunPlan, UnreadableUserName_TheDataFilesLiveInTheProgramFolder) {
    Machine m;
    m.folders = {kProgramFolder};
    m.files = {"C:\\K+B\\qvtdock.lst"};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes(""));
    EXPECT_EQ(plan.DataFolder, kProgramFolder);
    EXPECT_TRUE(plan.Steps.empty());
    EXPECT_FALSE(plan.Question);
    EXPECT_THAT(m.asked, ElementsAre("folder C:\\K+B\\", "file C:\\K+B\\qvtdock.lst"));
}

TEST(FirstRunPlan, UnreadableUserNameWithoutDataFile_AsksAboutTheProgramFolder) {
    Machine m;
    m.folders = {kProgramFolder};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes(""));
    ASSERT_TRUE(plan.Question);
    EXPECT_NE(plan.Question->Text.find("\"C:\\K+B\\\"に"), std::string::npos);
    EXPECT_THAT(Describe(StepsInOrder(plan, true)), ElementsAre("new C:\\K+B\\qvtdock.lst"));
}

TEST(FirstRunPlan, UserNameEndingIn5C_ProbesAndNamesTheFolderWhole) {
    Machine m;
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("表"));
    EXPECT_EQ(m.asked.front(), "folder C:\\K+B\\表");
    EXPECT_EQ(plan.DataFolder, "C:\\K+B\\表\\");
    EXPECT_EQ(plan.Steps[0].Text, "データー保存フォルダ\r\"C:\\K+B\\表\\\"\rを作成します");
    EXPECT_EQ(plan.Steps[1].Path, "C:\\K+B\\表\\");
    EXPECT_EQ(plan.Steps.back().Path, "C:\\K+B\\表\\qvtdock.lst");
}

TEST(FirstRunPlan, UserNameEndingIn5C_FolderThere_FileLookedForInsideIt) {
    Machine m;
    m.folders = {"C:\\K+B\\表"};
    m.files = {"C:\\K+B\\表\\qvtdock.lst"};
    const TDataFolderPlan plan = PlanDataFolder(m.Probes("表"));
    EXPECT_FALSE(plan.Question);
    EXPECT_EQ(m.asked.back(), "file C:\\K+B\\表\\qvtdock.lst");
}

TEST(FirstRunTexts, CrIsByte13AndTheQuestionMarkIsFullWidth) {
    const std::string text = CreateQuestionText("D\\");
    EXPECT_NE(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("\x81\x48"), std::string::npos); // ？ in code page 932
    EXPECT_EQ(std::string(kUnsupportedDataFileMessage),
              "qvtdock.lst は対応していない形式の為終了します");
}

// ---- The new data file and reloading --------------------------------------------------------

namespace {
std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

class LaunchListFile : public ::testing::Test {
protected:
    kbtest::TempDir dir;
    std::string path = dir.File("qvtdock.lst");

    // A list with two pages, read from its file.
    void SaveTwoPages(TLaunchList& list) {
        list.AddPage("二", 2, 0);
        list.SetFileName(path);
        list.SaveToFile();
    }
};
} // namespace

TEST_F(LaunchListFile, NewDataFile_OnePageOfTenEmptyButtonsExactly) {
    TLaunchList list;
    ClearPages(list);
    WriteNewDataFile(list, path);
    std::vector<std::string_view> expected = {
        "; ステータス",
        ";*STR",
        "\"K+Bandeo\",\"3.00\",\"K+Bandeo のランチャーデータ\",0,0,1",
        "**",
        "; ページリスト",
        ";*PAGE",
        "\"新規ページ\",10,0",
        "**",
        "; ファイルリスト",
        ";*FILE",
        "; [ 新規ページ ]",
        ";*0"};
    for (int i = 0; i < 10; ++i)
        expected.push_back(kEmptyItemLine);
    expected.push_back("**");
    std::string text;
    for (auto line : expected) {
        text.append(line);
        text.append("\r\n");
    }
    EXPECT_EQ(kbtest::ReadBytes(path), text);
}

TEST_F(LaunchListFile, NewDataFile_LeavesTheListEmpty) {
    TLaunchList list;
    ClearPages(list);
    WriteNewDataFile(list, path);
    EXPECT_EQ(list.Pages().Count(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(LaunchListFile, NewDataFileThatCannotBeWritten_RaisesAndLeavesTheListEmpty) {
    TLaunchList list;
    ClearPages(list);
    EXPECT_ANY_THROW(WriteNewDataFile(list, dir.File("missing") + "/x/qvtdock.lst"));
    EXPECT_EQ(list.Pages().Count(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(LaunchListFile, Reload_ReadsANewFile) {
    TLaunchList saved;
    SaveTwoPages(saved);
    TLaunchList list;
    list.SetFileName(path);
    EXPECT_TRUE(ReloadList(list));
    EXPECT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Count(), 3);
}

namespace {
// Loads the two-page file into a list, puts other bytes (or none) in its place and reloads.
struct Kept {
    bool reloaded;
    int pages, slots;
    std::string secondCaption;
};
Kept ReloadOver(const std::string& path, const std::string* bytes) {
    TLaunchList list;
    list.SetFileName(path);
    list.LoadFromFile();
    if (bytes)
        kbtest::WriteBytes(path, *bytes);
    else
        forms::RemoveFile(path);
    const bool reloaded = ReloadList(list);
    return {reloaded, list.Pages().Count(), list.Count(), list.Pages().Items(1)->Caption};
}
} // namespace

TEST_F(LaunchListFile, Reload_MissingFileKeepsTheList) {
    TLaunchList saved;
    SaveTwoPages(saved);
    const Kept k = ReloadOver(path, nullptr);
    EXPECT_FALSE(k.reloaded);
    EXPECT_EQ(k.pages, 2);
    EXPECT_EQ(k.slots, 3);
    EXPECT_EQ(k.secondCaption, "二");
}

TEST_F(LaunchListFile, Reload_EmptyFileKeepsTheList) {
    TLaunchList saved;
    SaveTwoPages(saved);
    const std::string empty;
    const Kept k = ReloadOver(path, &empty);
    EXPECT_FALSE(k.reloaded);
    EXPECT_EQ(k.slots, 3);
}

TEST_F(LaunchListFile, Reload_GarbageKeepsTheList) {
    TLaunchList saved;
    SaveTwoPages(saved);
    std::string garbage(300, '\x1F');
    garbage[0] = 0x30; // an older-form header whose sizes point outside the file
    const Kept k = ReloadOver(path, &garbage);
    EXPECT_FALSE(k.reloaded);
    EXPECT_EQ(k.slots, 3);
}

TEST_F(LaunchListFile, Reload_OlderFormThatRaisesKeepsTheList) {
    TLaunchList saved;
    SaveTwoPages(saved);
    // A header of 22 entries whose status section is one byte of an unknown value type.
    std::string older(88, '\0');
    older[0] = 1;   // section 0: one byte
    older[44] = 88; // at offset 88
    older += '\x7F';
    const Kept k = ReloadOver(path, &older);
    EXPECT_FALSE(k.reloaded);
    EXPECT_EQ(k.pages, 2);
    EXPECT_EQ(k.slots, 3);
    TLaunchList direct; // the plain load does raise on this file
    direct.SetFileName(path);
    EXPECT_THROW(direct.LoadFromFile(), forms::EStreamReadError);
}

TEST_F(LaunchListFile, Reload_FileNeedingTooManyPaddingSlotsKeepsTheList) {
    TLaunchList saved;
    SaveTwoPages(saved);
    const std::string huge = Lines({";*STR", "\"K+Bandeo\",\"3.00\",\"n\",0,0,1", "**", ";*PAGE",
                                    "\"big\",100002,0", "**", ";*FILE", "**"});
    const Kept k = ReloadOver(path, &huge);
    EXPECT_FALSE(k.reloaded);
    EXPECT_EQ(k.slots, 3);
}
