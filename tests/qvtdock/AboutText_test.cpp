// What the About box's panel says.
#include "qvtdock/AboutText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {
TVersionStrings Launcher() {
    return {"C:\\K Bandeo\\qvtdock.exe", "C:\\K Bandeo\\", "K+Bandeo", "2.1.0.5", "(C) 2026"};
}
const std::string kLine(40, '=');
} // namespace

TEST(AboutText, Version_IsPrefixed) {
    EXPECT_EQ(AboutVersionText(Launcher()), "Version 2.1.0.5");
    EXPECT_EQ(AboutVersionText(TVersionStrings{}), "Version ");
}

TEST(AboutMemoLines, BothProgramsPresent_TwoLinesEach) {
    const TVersionStrings editor{"D:\\Ed\\zvledit.exe", "D:\\Ed\\", "ZvlEdit", "1.0", ""};
    const TVersionStrings cfg{"C:\\K Bandeo\\qvtcfg.exe", "C:\\K Bandeo\\", "K+Bandeo Config",
                              "2.1", ""};
    EXPECT_THAT(AboutMemoLines(Launcher(), "C:\\K Bandeo\\taro\\", editor, cfg),
                ElementsAre("[K+Bandeo : 2.1.0.5] qvtdock.exe", "インストール先：C:\\K Bandeo\\",
                            "設定保存先：C:\\K Bandeo\\taro\\", "[ZvlEdit : 1.0] zvledit.exe",
                            "インストール先：D:\\Ed\\", "[K+Bandeo Config : 2.1] qvtcfg.exe",
                            "インストール先：C:\\K Bandeo\\", kLine));
}

TEST(AboutMemoLines, MissingPrograms_OneLineEach) {
    EXPECT_THAT(AboutMemoLines(Launcher(), "C:\\K Bandeo\\taro\\", std::nullopt, std::nullopt),
                ElementsAre("[K+Bandeo : 2.1.0.5] qvtdock.exe", "インストール先：C:\\K Bandeo\\",
                            "設定保存先：C:\\K Bandeo\\taro\\",
                            "[ZVLEDIT.EXE] インストールされていません",
                            "[QVTCFG.EXE] インストールされていません", kLine));
}

TEST(AboutMemoLines, NoVersionResource_EmptyNameAndVersion) {
    TVersionStrings bare{"C:\\KB\\qvtdock.exe", "C:\\KB\\", "", "", ""};
    EXPECT_EQ(AboutMemoLines(bare, "C:\\KB\\", std::nullopt, std::nullopt).front(),
              "[ : ] qvtdock.exe");
}
