// The launcher program from outside, as the user meets it: a copy of qvtdock.exe in a temporary
// program folder, started by the cross-process driver, its boxes read and answered, its window
// closed, its exit code and files checked.
#include "qvtdock/DataFileText.h"
#include "qvtdock/LauncherProgramTest.h"
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "shared/FileUtils.h"
#include "shared/LaunchListTesting.h"
#include "support/ProcessDriver.h"

#include <gmock/gmock.h>

#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;
using ::testing::ElementsAre;

namespace {

constexpr int kWaitMs = 15000;

class ProgramTest : public LauncherProgramTest<> {
protected:
    ProgramTest() : LauncherProgramTest(false) {}

    std::string SeedFile() const { return dir.File("qvtdock.lst"); }
    void Prepare(const std::vector<int>& counts) {
        kbtest::MakeDir(UserFolder());
        WriteList(DataFile(), counts);
    }

    std::unique_ptr<ProcessDriver> Start() {
        kbtest::ProcessOptions o;
        o.program = Program();
        o.currentDir = dir.Path();
        return std::make_unique<ProcessDriver>(o);
    }

    // The next visible system box of the program (not one of before), read whole.
    static kbtest::MessageDialogView NextBox(ProcessDriver& p, std::vector<HWND>& before) {
        const HWND box = p.WaitForWindow(L"#32770", kWaitMs, true, before);
        if (!box)
            return {};
        before.push_back(box);
        kbtest::MessageDialogView view;
        kbtest::WaitUntil([&] {
            view = kbtest::ReadMessageDialog(box);
            return !view.buttonIds.empty();
        });
        return view;
    }
    static HWND LastBox(const std::vector<HWND>& boxes) { return boxes.back(); }

    // The program's windows are all hidden.
    static bool NothingVisible(const ProcessDriver& p) {
        for (HWND h : p.Windows())
            if (IsWindowVisible(h))
                return false;
        return true;
    }

    // Waits until the launcher runs its loop with its data (the file is there and the form's
    // window exists), then closes it through WM_CLOSE; its exit code.
    std::optional<DWORD> CloseWhenReady(ProcessDriver& p) {
        kbtest::WaitUntil([&] { return forms::FileExists(DataFile()); }, kWaitMs);
        const HWND main = p.WaitForWindow(L"TfmMain", kWaitMs);
        if (!main)
            return std::nullopt;
        ProcessDriver::PostClose(main);
        return p.WaitForExit(kWaitMs);
    }
};

} // namespace

// ---- First run ---------------------------------------------------------------------------------

TEST_F(ProgramTest, FirstRunWithoutSeed_TwoMessagesANewFileAndNoWindow) {
    auto p = Start();
    std::vector<HWND> boxes;
    const auto folderBox = NextBox(*p, boxes);
    EXPECT_TRUE(folderBox.system);
    EXPECT_EQ(folderBox.caption, "K+Bandeo2.00");
    EXPECT_EQ(folderBox.text, "データー保存フォルダ\r\"" + UserFolder() + "\\\"\rを作成します");
    EXPECT_THAT(folderBox.buttonIds, ElementsAre(IDOK));
    EXPECT_NE(folderBox.icon, nullptr); // the information box's
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));
    const auto newBox = NextBox(*p, boxes);
    EXPECT_EQ(newBox.caption, "K+Bandeo2.00");
    EXPECT_EQ(newBox.text, "qvtdock.lst を新規に作成します");
    EXPECT_NE(newBox.icon, nullptr);
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));

    ASSERT_TRUE(kbtest::WaitUntil([&] { return forms::FileExists(DataFile()); }, kWaitMs));
    ASSERT_TRUE(p->WaitForIdle(kWaitMs));
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), NewDataFileText());
    const HWND main = p->WaitForWindow(L"TfmMain", kWaitMs);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(NothingVisible(*p));
    ProcessDriver::PostClose(main);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), NewDataFileText());
}

TEST_F(ProgramTest, FirstRunWithSeedYes_TheSeedIsCopied) {
    WriteList(SeedFile(), {2, 1});
    auto p = Start();
    std::vector<HWND> boxes;
    NextBox(*p, boxes);
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));
    const auto question = NextBox(*p, boxes);
    EXPECT_EQ(question.caption, "コピーの確認");
    EXPECT_EQ(question.text, "LSTファイルを\"" + UserFolder() +
                                 "\\\"に コピーしますか？\r\r(コピーしない場合は新規に作成します)");
    EXPECT_THAT(question.buttonIds, ElementsAre(IDYES, IDNO));
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDYES));
    EXPECT_EQ(CloseWhenReady(*p), 0u);
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("1.1", "1.2", "2.1"));
}

TEST_F(ProgramTest, FirstRunWithSeedNo_ANewFileAndTheSeedLeftAlone) {
    WriteList(SeedFile(), {2, 1});
    const std::string seed = kbtest::ReadBytes(SeedFile());
    auto p = Start();
    std::vector<HWND> boxes;
    NextBox(*p, boxes);
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));
    NextBox(*p, boxes);
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDNO));
    EXPECT_EQ(CloseWhenReady(*p), 0u);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), NewDataFileText());
    EXPECT_EQ(kbtest::ReadBytes(SeedFile()), seed);
}

// ---- Early ends ---------------------------------------------------------------------------------

TEST_F(ProgramTest, FolderThereFileMissingNo_EndsWithCode0AndWritesNothing) {
    kbtest::MakeDir(UserFolder());
    auto p = Start();
    std::vector<HWND> boxes;
    const auto question = NextBox(*p, boxes);
    EXPECT_EQ(question.caption, "データーファイル作成の確認");
    EXPECT_EQ(question.text, CreateQuestionText(UserFolder() + "\\"));
    EXPECT_THAT(question.buttonIds, ElementsAre(IDYES, IDNO));
    EXPECT_TRUE(IsWindowVisible(LastBox(boxes)));
    for (HWND h : p->Windows(L"TfmMain"))
        EXPECT_FALSE(IsWindowVisible(h));
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDNO));
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_TRUE(kbtest::ListNames(UserFolder()).empty());
}

TEST_F(ProgramTest, UnsupportedFile_SaysSoAndLeavesItsBytes) {
    kbtest::MakeDir(UserFolder());
    const std::string garbage = "; ステータス\r\nnot the launcher's data\r\n";
    kbtest::WriteBytes(DataFile(), garbage);
    auto p = Start();
    std::vector<HWND> boxes;
    const auto box = NextBox(*p, boxes);
    EXPECT_EQ(box.caption, "K+Bandeo2.00");
    EXPECT_EQ(box.text, "qvtdock.lst は対応していない形式の為終了します");
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), garbage);
    EXPECT_THAT(kbtest::ListNames(UserFolder()), ElementsAre("qvtdock.lst"));
}

TEST_F(ProgramTest, SettingsWithABadColour_TheErrorOnceThenTheEndAndNothingSaved) {
    Prepare({1});
    const std::string ini = "[Color]\r\n3=nocolour\r\n";
    kbtest::WriteBytes(IniFile(), ini);
    const std::string data = kbtest::ReadBytes(DataFile());
    auto p = Start();
    std::vector<HWND> boxes;
    const auto box = NextBox(*p, boxes);
    EXPECT_EQ(box.caption, "K+Bandeo2.00");
    EXPECT_THAT(box.text, ::testing::HasSubstr("'nocolour' は整数ではありません"));
    ASSERT_TRUE(kbtest::AnswerDialog(LastBox(boxes), IDOK));
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(kbtest::ReadBytes(IniFile()), ini);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), data);
}

// ---- Data files
// ----------------------------------------------------------------------------------

TEST_F(ProgramTest, OlderFormFile_IsInTheTextFormAfterTheEnd) {
    using namespace kbtest;
    const std::string pages = FInt8(1) + FStr("old") + FInt8(2) + FInt8(0);
    const std::string slots = FInt8(2) + OlderSlot(1, "a", 1, 0) + OlderSlot(0, "b", 1, 0);
    MakeDir(UserFolder());
    WriteBytes(DataFile(), OlderFile(OlderStatus("K+Bandeo", "3.00"), pages, slots));
    auto p = Start();
    const HWND main = p->WaitForWindow(L"TfmMain", kWaitMs);
    ASSERT_NE(main, nullptr);
    ProcessDriver::PostClose(main);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(ReadBytes(DataFile()).substr(0, 12), "; ステータス");
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("a", "b"));
    EXPECT_TRUE(forms::FileExists(IniFile()));
}

TEST_F(ProgramTest, NormalRun_StartsHiddenAndEndsWithCode0OnClose) {
    Prepare({3, 2});
    auto p = Start();
    // Not WaitForIdle: under Wine the first idle can come while the desktop process is still
    // starting, before the form exists.
    const HWND main = p->WaitForWindow(L"TfmMain", kWaitMs);
    ASSERT_NE(main, nullptr);
    // The window is made before start-up titles it.
    EXPECT_TRUE(kbtest::WaitUntil([&] { return kbtest::WindowText(main) == "K+Bandeo2.00"; }))
        << kbtest::WindowText(main);
    EXPECT_TRUE(NothingVisible(*p));
    EXPECT_EQ(p->FirstWindow(L"#32770"), nullptr);
    ProcessDriver::PostClose(main);
    EXPECT_EQ(p->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(TitlesOf(DataFile()).size(), 5u);
}

// ---- One instance
// ----------------------------------------------------------------------------------

TEST_F(ProgramTest, SecondInstance_EndsAtOnceSilentlyWithCode0) {
    Prepare({1});
    auto first = Start();
    const HWND main = first->WaitForWindow(L"TfmMain", kWaitMs);
    ASSERT_NE(main, nullptr);
    const std::string data = kbtest::ReadBytes(DataFile());

    auto second = Start();
    EXPECT_EQ(second->WaitForExit(kWaitMs), 0u);
    EXPECT_TRUE(first->Running());
    EXPECT_TRUE(NothingVisible(*first));
    EXPECT_EQ(first->FirstWindow(L"#32770"), nullptr);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), data);
    EXPECT_FALSE(forms::FileExists(IniFile()));

    ProcessDriver::PostClose(main);
    EXPECT_EQ(first->WaitForExit(kWaitMs), 0u);
}

TEST_F(ProgramTest, MutexHeldElsewhere_EndsAtOnceWithoutTouchingAnything) {
    const HANDLE held = CreateMutexW(nullptr, TRUE, L"RavoApplicationK+Bandeo");
    ASSERT_NE(held, nullptr);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    auto p = Start();
    const auto code = p->WaitForExit(kWaitMs);
    CloseHandle(held);
    EXPECT_EQ(code, 0u);
    EXPECT_THAT(kbtest::ListNames(dir.Path()), ElementsAre("qvtdock.exe"));
}
