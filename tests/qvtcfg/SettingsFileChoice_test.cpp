// Which settings file an editor gets: the start form's check (empty, missing, another name,
// any letter case, relative names made full) and the switch modes' argument 3.
#include "qvtcfg/SettingsFileChoice.h"

#include "qvtcfg/FakeCfgEnvironment.h"

#include <gtest/gtest.h>

using cfgtest::FakeCfgEnvironment;

namespace {
struct SettingsFileChoice : ::testing::Test {
    FakeCfgEnvironment env;
};
} // namespace

// ---- the start form ----

TEST_F(SettingsFileChoice, StartForm_AnEmptyFieldIsRefusedWithoutLooking) {
    EXPECT_EQ(StartFormSettingsFile("", env), std::nullopt);
}

TEST_F(SettingsFileChoice, StartForm_AMissingFileIsRefused) {
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\qvtdock.ini", env), std::nullopt);
}

TEST_F(SettingsFileChoice, StartForm_AnExistingFileOfAnotherNameIsRefused) {
    env.files = {"C:\\x\\other.ini", "C:\\x\\qvtdock.ini.bak", "C:\\x\\qvtdock"};
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\other.ini", env), std::nullopt);
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\qvtdock.ini.bak", env), std::nullopt);
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\qvtdock", env), std::nullopt);
}

TEST_F(SettingsFileChoice, StartForm_QvtDockIniInAnyLetterCaseAndAnyFolderIsTaken) {
    env.files = {"C:\\x\\QvtDock.Ini", "D:\\\x97\x5C\x92\xE8\\QVTDOCK.INI"};
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\QvtDock.Ini", env), "C:\\x\\QvtDock.Ini");
    EXPECT_EQ(StartFormSettingsFile("D:\\\x97\x5C\x92\xE8\\QVTDOCK.INI", env),
              "D:\\\x97\x5C\x92\xE8\\QVTDOCK.INI");
}

TEST_F(SettingsFileChoice, StartForm_ARelativeNameIsCheckedAndHandedOnAsTheFullPath) {
    env.files = {"C:\\cur\\qvtdock.ini"};
    EXPECT_EQ(StartFormSettingsFile("qvtdock.ini", env), "C:\\cur\\qvtdock.ini");
    env.currentFolder = "C:\\elsewhere\\";
    EXPECT_EQ(StartFormSettingsFile("qvtdock.ini", env), std::nullopt);
}

TEST_F(SettingsFileChoice, StartForm_ANameThatCannotBeMadeFullIsRefused) {
    env.files = {""};
    EXPECT_EQ(StartFormSettingsFile("?qvtdock.ini", env), std::nullopt);
}

TEST_F(SettingsFileChoice, StartForm_AFolderPartAloneIsRefused) {
    env.files = {"C:\\x\\"};
    EXPECT_EQ(StartFormSettingsFile("C:\\x\\", env), std::nullopt);
}

// ---- the switch modes ----

TEST_F(SettingsFileChoice, SwitchMode_AnyNamedFileIsTakenWithoutLookingWhetherItExists) {
    EXPECT_EQ(SwitchModeSettingsFile("C:\\u\\qvtdock.ini", env), "C:\\u\\qvtdock.ini");
    EXPECT_EQ(SwitchModeSettingsFile("C:\\u\\qvtdock", env), "C:\\u\\qvtdock");
}

TEST_F(SettingsFileChoice, SwitchMode_ARelativeNameBecomesFull) {
    EXPECT_EQ(SwitchModeSettingsFile("u\\qvtdock.ini", env), "C:\\cur\\u\\qvtdock.ini");
}

TEST_F(SettingsFileChoice, SwitchMode_NothingToEditWithoutAFileName) {
    EXPECT_EQ(SwitchModeSettingsFile("", env), std::nullopt);
    EXPECT_EQ(SwitchModeSettingsFile("C:\\u\\", env), std::nullopt);
    EXPECT_EQ(SwitchModeSettingsFile("?x", env), std::nullopt);
}
