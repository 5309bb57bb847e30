// The two switch modes over a fake environment: the editor's corner (+16, saturated), centring,
// the file it gets, the refusal without a file, and the exit codes.
#include "qvtcfg/SwitchModes.h"

#include "qvtcfg/FakeCfgEnvironment.h"
#include "qvtcfg/SettingsFileChoice.h"

#include <gtest/gtest.h>

#include <climits>

using cfgtest::FakeCfgEnvironment;

namespace {

struct SwitchModes : ::testing::Test {
    FakeCfgEnvironment env;

    TCfgCommandLine Parsed(int x, int y, std::string path = "C:\\u\\qvtdock.ini") {
        TCfgCommandLine c;
        c.X = x;
        c.Y = y;
        c.NoPos = x == -1 || y == -1;
        c.SettingsPath = std::move(path);
        return c;
    }
};

} // namespace

TEST_F(SwitchModes, CfgOpensTheSettingsEditorSixteenPixelsIn) {
    EXPECT_EQ(RunCfgMode(env, Parsed(100, 200)), 0);
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].editor, "cfg");
    EXPECT_EQ(env.editors[0].x, 116);
    EXPECT_EQ(env.editors[0].y, 216);
    EXPECT_FALSE(env.editors[0].centre);
    EXPECT_EQ(env.editors[0].path, "C:\\u\\qvtdock.ini");
    EXPECT_TRUE(env.messages.empty());
}

TEST_F(SwitchModes, StyleOpensTheStyleEditor) {
    EXPECT_EQ(RunStyleMode(env, Parsed(-20, 5)), 0);
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].editor, "style");
    EXPECT_EQ(env.editors[0].x, -4);
    EXPECT_EQ(env.editors[0].y, 21);
}

TEST_F(SwitchModes, NoPositionCentres) {
    RunStyleMode(env, Parsed(-1, -1));
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_TRUE(env.editors[0].centre);
}

TEST_F(SwitchModes, TheOffsetIsHeldAtTheEndOfTheRange) {
    RunCfgMode(env, Parsed(INT_MAX, INT_MAX - 3));
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].x, INT_MAX);
    EXPECT_EQ(env.editors[0].y, INT_MAX);
}

TEST_F(SwitchModes, ExitCodeZeroAfterOkAndAfterCancel) {
    env.editorAnswer = true;
    EXPECT_EQ(RunCfgMode(env, Parsed(1, 1)), 0);
    env.editorAnswer = false;
    EXPECT_EQ(RunCfgMode(env, Parsed(1, 1)), 0);
}

TEST_F(SwitchModes, ARelativeSettingsPathReachesTheEditorFull) {
    RunCfgMode(env, Parsed(1, 1, "john\\qvtdock.ini"));
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].path, "C:\\cur\\john\\qvtdock.ini");
}

TEST_F(SwitchModes, WithoutASettingsFileTheRefusalShowsCentredAndNothingIsEdited) {
    for (const char* path : {"", "C:\\u\\"}) {
        env.messages.clear();
        EXPECT_EQ(RunCfgMode(env, Parsed(100, 200, path)), 0) << path;
        EXPECT_TRUE(env.editors.empty()) << path;
        ASSERT_EQ(env.messages.size(), 1u) << path;
        EXPECT_EQ(env.messages[0].message, "設定ファイルが見つかりません。");
        EXPECT_EQ(env.messages[0].title, "ファイルエラー");
        EXPECT_EQ(env.messages[0].x, -1);
        EXPECT_EQ(env.messages[0].y, -1);
    }
}

TEST_F(SwitchModes, AnErrorOutOfTheEditorIsShownAndEndsWithCodeOne) {
    env.editorFails = [] { throw forms::Exception("保存できません"); };
    EXPECT_EQ(RunStyleMode(env, Parsed(1, 1)), 1);
    ASSERT_EQ(env.errors.size(), 1u);
    EXPECT_EQ(env.errors[0], "保存できません");
    EXPECT_EQ(RunCfgMode(env, Parsed(1, 1)), 1);
    EXPECT_EQ(env.errors.size(), 2u);
}
