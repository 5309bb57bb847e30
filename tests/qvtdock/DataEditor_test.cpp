#include "qvtdock/DataEditor.h"

#include <gtest/gtest.h>

namespace {
constexpr char kLauncher[] = "C:\\K+Bandeo\\qvtdock.exe";
}

TEST(DataEditorFile, JoinsTheSettingsFolderWithOneDelimiter) {
    TAppCfg cfg;
    cfg.DataEditorPath = "C:\\Tools\\表";
    EXPECT_EQ(DataEditorFile(cfg, kLauncher), "C:\\Tools\\表\\zvledit.exe");
    cfg.DataEditorPath = "C:\\Tools\\";
    EXPECT_EQ(DataEditorFile(cfg, kLauncher), "C:\\Tools\\zvledit.exe");
    // "ソ" ends in the byte of the delimiter: it is no delimiter.
    cfg.DataEditorPath = "C:\\ソ";
    EXPECT_EQ(DataEditorFile(cfg, kLauncher), "C:\\ソ\\zvledit.exe");
}
