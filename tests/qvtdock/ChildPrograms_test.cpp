// The child programs' command lines, their start errors, the help file and the busy bracket.
#include "qvtdock/ChildPrograms.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {
TChildLineInputs Inputs() {
    TChildLineInputs in;
    in.ProgramFolder = "C:\\KB\\";
    in.SettingsBase = "C:\\KB\\taro\\qvtdock";
    in.DataEditorFile = "C:\\Editor\\zvledit.exe";
    in.DataFile = "C:\\KB\\taro\\qvtdock.lst";
    in.Visible = true;
    in.Left = 100;
    in.Top = 200;
    return in;
}
} // namespace

TEST(ChildCommandLine, SettingsEditor_VisibleLauncher_PassesItsCornerAndTheIni) {
    EXPECT_EQ(ChildCommandLine(TChildProgram::SettingsEditor, Inputs()),
              "\"C:\\KB\\qvtcfg.exe\" /CFG \"100:200\" \"C:\\KB\\taro\\qvtdock.ini\"");
}

TEST(ChildCommandLine, StyleEditor_HiddenLauncher_PassesNoPosition) {
    TChildLineInputs in = Inputs();
    in.Visible = false;
    EXPECT_EQ(ChildCommandLine(TChildProgram::StyleEditor, in),
              "\"C:\\KB\\qvtcfg.exe\" /STYLE \"-1:-1\" \"C:\\KB\\taro\\qvtdock.ini\"");
}

TEST(ChildCommandLine, NegativeCorner_IsPassedAsItIs) {
    TChildLineInputs in = Inputs();
    in.Left = -300;
    in.Top = -1;
    EXPECT_EQ(ChildCommandLine(TChildProgram::SettingsEditor, in),
              "\"C:\\KB\\qvtcfg.exe\" /CFG \"-300:-1\" \"C:\\KB\\taro\\qvtdock.ini\"");
}

TEST(ChildCommandLine, DataEditor_OpensTheDataFileQuoted) {
    EXPECT_EQ(ChildCommandLine(TChildProgram::DataEditor, Inputs()),
              "\"C:\\Editor\\zvledit.exe\" /FAS \"C:\\KB\\taro\\qvtdock.lst\"");
}

TEST(ChildCommandLine, FoldersWithBlanksAndDoubleByteNames_StayWholeInQuotes) {
    TChildLineInputs in;
    in.ProgramFolder = "C:\\K Bandeo\\表\\";
    in.SettingsBase = "C:\\K Bandeo\\表\\ソ 太郎\\qvtdock";
    in.DataEditorFile = "C:\\Program Files\\ソフト\\zvledit.exe";
    in.DataFile = "C:\\K Bandeo\\表\\ソ 太郎\\qvtdock.lst";
    EXPECT_EQ(ChildCommandLine(TChildProgram::SettingsEditor, in),
              "\"C:\\K Bandeo\\表\\qvtcfg.exe\" /CFG \"-1:-1\" "
              "\"C:\\K Bandeo\\表\\ソ 太郎\\qvtdock.ini\"");
    EXPECT_EQ(ChildCommandLine(TChildProgram::DataEditor, in),
              "\"C:\\Program Files\\ソフト\\zvledit.exe\" /FAS "
              "\"C:\\K Bandeo\\表\\ソ 太郎\\qvtdock.lst\"");
}

TEST(ChildStartError, EachProgram_HasItsTitleAndText) {
    EXPECT_EQ(ChildStartError(TChildProgram::SettingsEditor).Title, "環境設定 呼び出しエラー");
    EXPECT_EQ(ChildStartError(TChildProgram::StyleEditor).Title, "スタイルの設定 呼び出しエラー");
    EXPECT_EQ(ChildStartError(TChildProgram::DataEditor).Title, "登録データー編集 呼び出しエラー");
    EXPECT_EQ(ChildStartError(TChildProgram::SettingsEditor).Text,
              "QVTCFG.EXEが見つからない為、処理を中止します。");
    EXPECT_EQ(ChildStartError(TChildProgram::StyleEditor).Text,
              ChildStartError(TChildProgram::SettingsEditor).Text);
    EXPECT_EQ(ChildStartError(TChildProgram::DataEditor).Text,
              "XQMEDIT.EXEが見つからない為、処理を中止します。");
}

TEST(HelpFile, ProgramPath_GetsTheUpperCaseHelpExtension) {
    EXPECT_EQ(HelpFileOf("C:\\KB\\qvtdock.exe"), "C:\\KB\\QVTDOCK.HLP");
    EXPECT_EQ(HelpFileOf("C:\\K.B\\qvtdock"), "C:\\K.B\\QVTDOCK.HLP");
}

// ---- the bracket ----

namespace {
struct Recorder {
    std::vector<std::string> log;
    std::vector<TBracketStep> Steps(int failingEnter = -1, int failingLeave = -1) {
        std::vector<TBracketStep> steps;
        for (int i = 0; i < 3; ++i) {
            const std::string n = std::to_string(i);
            steps.push_back({[this, n, i, failingEnter] {
                                 log.push_back("enter " + n);
                                 if (i == failingEnter)
                                     throw std::runtime_error("enter " + n);
                             },
                             [this, n, i, failingLeave] {
                                 log.push_back("leave " + n);
                                 if (i == failingLeave)
                                     throw std::runtime_error("leave " + n);
                             }});
        }
        return steps;
    }
    std::function<void()> Body(bool fail = false) {
        return [this, fail] {
            log.push_back("body");
            if (fail)
                throw std::runtime_error("body");
        };
    }
};

std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(RunBracketed, Success_EntersInOrderAndLeavesInReverse) {
    Recorder r;
    RunBracketed(r.Steps(), r.Body());
    EXPECT_THAT(r.log, ElementsAre("enter 0", "enter 1", "enter 2", "body", "leave 2", "leave 1",
                                   "leave 0"));
}

TEST(RunBracketed, FailingBody_EveryStepIsGivenBackAndTheErrorRaisedOnce) {
    Recorder r;
    EXPECT_EQ(ErrorOf([&] { RunBracketed(r.Steps(), r.Body(true)); }), "body");
    EXPECT_THAT(r.log, ElementsAre("enter 0", "enter 1", "enter 2", "body", "leave 2", "leave 1",
                                   "leave 0"));
}

TEST(RunBracketed, FailingEnter_SkipsTheRestAndGivesBackWhatWasTaken) {
    for (int failing = 0; failing < 3; ++failing) {
        Recorder r;
        EXPECT_EQ(ErrorOf([&] { RunBracketed(r.Steps(failing), r.Body()); }),
                  "enter " + std::to_string(failing));
        std::vector<std::string> expected;
        for (int i = 0; i <= failing; ++i)
            expected.push_back("enter " + std::to_string(i));
        for (int i = failing; i >= 0; --i)
            expected.push_back("leave " + std::to_string(i));
        EXPECT_EQ(r.log, expected) << "failing enter " << failing;
    }
}

TEST(RunBracketed, FailingLeave_TheOthersStillRunAndItsErrorIsRaised) {
    for (int failing = 0; failing < 3; ++failing) {
        Recorder r;
        EXPECT_EQ(ErrorOf([&] { RunBracketed(r.Steps(-1, failing), r.Body()); }),
                  "leave " + std::to_string(failing));
        EXPECT_THAT(r.log, ElementsAre("enter 0", "enter 1", "enter 2", "body", "leave 2",
                                       "leave 1", "leave 0"));
    }
}

TEST(RunBracketed, BodyAndLeaveFail_TheBodysErrorIsTheOneRaised) {
    Recorder r;
    EXPECT_EQ(ErrorOf([&] { RunBracketed(r.Steps(-1, 1), r.Body(true)); }), "body");
    EXPECT_EQ(r.log.size(), 7u);
}

TEST(RunBracketed, MissingHalves_AreSkipped) {
    std::vector<std::string> log;
    RunBracketed(
        {{nullptr, [&] { log.push_back("leave"); }}, {[&] { log.push_back("enter"); }, nullptr}},
        nullptr);
    EXPECT_THAT(log, ElementsAre("enter", "leave"));
}
