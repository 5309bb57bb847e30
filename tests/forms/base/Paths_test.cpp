#include "forms/base/Paths.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Paths, PartsOfTheLastComponentOnly) {
    EXPECT_EQ(ChangeFileExt("C:\\K+B\\john.smith\\qvtdock", ".ini"),
              "C:\\K+B\\john.smith\\qvtdock.ini");
    EXPECT_EQ(ChangeFileExt("C:\\a\\prog.exe", ".lst"), "C:\\a\\prog.lst");
    EXPECT_EQ(ExtractFileExt("C:\\x.y\\z"), "");
    EXPECT_EQ(ExtractFileExt("a.b.TXT"), ".TXT");
    EXPECT_EQ(ExtractFileName("C:\\x\\表"), "表");
    EXPECT_EQ(ExtractFilePath("C:\\x\\表"), "C:\\x\\");
    EXPECT_EQ(ExtractFilePath("表"), "");
    EXPECT_EQ(ExtractFileName("C:name"), "name");
}

TEST(Paths, FolderWithoutTrailingBackslashKeepsTheRoot) {
    EXPECT_EQ(ExtractFileDir("C:\\a\\b.txt"), "C:\\a");
    EXPECT_EQ(ExtractFileDir("C:\\b.txt"), "C:\\");
    EXPECT_EQ(ExtractFileDir("b.txt"), "");
}

TEST(Paths, TrailingBackslashIsACharacterNotATrailByte) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\x\\表"), "C:\\x\\表\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\x\\表"), "C:\\x\\表");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\x\\"), "C:\\x");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
}
