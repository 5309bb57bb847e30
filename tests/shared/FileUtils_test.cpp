#include "shared/FileUtils.h"

#include "FakeFileSystem.h"
#include "forms/base/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using testing::ElementsAre;

namespace {
// C:\Program Files\KB\qvtdock.exe, format.sti, Styles\{a.STI, Old.sti\b.sti}, .git\x.sti,
// 表\ソ.TXT, Hidden (hidden, holding only hidden.txt, hidden).
FakeFileSystem MakeTree() {
    FakeFileSystem fs;
    fs.AddFolder("C:\\Program Files");
    fs.AddFolder("C:\\Program Files\\KB");
    fs.AddFile("C:\\Program Files\\KB\\qvtdock.exe");
    fs.AddFile("C:\\Program Files\\KB\\format.sti");
    fs.AddFolder("C:\\Program Files\\KB\\Styles");
    fs.AddFile("C:\\Program Files\\KB\\Styles\\a.STI");
    fs.AddFolder("C:\\Program Files\\KB\\Styles\\Old.sti");
    fs.AddFile("C:\\Program Files\\KB\\Styles\\Old.sti\\b.sti");
    fs.AddFolder("C:\\Program Files\\KB\\.git");
    fs.AddFile("C:\\Program Files\\KB\\.git\\x.sti");
    fs.AddFolder("C:\\表");
    fs.AddFile("C:\\表\\ソ.TXT");
    fs.AddFolder("C:\\Hidden", true);
    fs.AddFile("C:\\Hidden\\hidden.txt", true);
    return fs;
}

std::vector<std::string> Lines(const forms::TStringList& list) {
    return list.Lines();
}
} // namespace

TEST(FileUtils, LongPathTakesTheStoredLetterCase) {
    const FakeFileSystem fs = MakeTree();
    EXPECT_EQ(GetLongPathNameStr("C:\\PROGRAM FILES\\kb\\QVTDOCK.EXE", fs),
              "C:\\Program Files\\KB\\qvtdock.exe");
    EXPECT_EQ(GetLongPathNameStr("C:\\表\\ソ.txt", fs), "C:\\表\\ソ.TXT");
}

TEST(FileUtils, LongPathOfADriveRootDropsTheBackslash) {
    const FakeFileSystem fs = MakeTree();
    EXPECT_EQ(GetLongPathNameStr("C:\\", fs), "C:");
}

TEST(FileUtils, LongPathOfABareDriveComesBackEvenWhenTheSearchFindsIt) {
    FakeFileSystem fs = MakeTree();
    fs.findsBareDrive = true;
    EXPECT_EQ(GetLongPathNameStr("C:", fs), "C:");
    EXPECT_EQ(GetLongPathNameStr("c:\\program files", fs), "c:\\Program Files");
}

TEST(FileUtils, LongPathOfAMissingPathComesBackUnchanged) {
    const FakeFileSystem fs = MakeTree();
    EXPECT_EQ(GetLongPathNameStr("C:\\program files\\nothing\\x.txt", fs),
              "C:\\program files\\nothing\\x.txt");
    EXPECT_EQ(GetLongPathNameStr("C:\\program files\\kb\\", fs), "C:\\program files\\kb");
    EXPECT_EQ(GetLongPathNameStr("", fs), "");
}

TEST(FileUtils, LongPathNeverSearchesForWildcards) {
    const FakeFileSystem fs = MakeTree();
    EXPECT_EQ(GetLongPathNameStr("C:\\Program Files\\KB\\*.exe", fs),
              "C:\\Program Files\\KB\\*.exe");
    EXPECT_TRUE(fs.searches.empty());
}

TEST(FileUtils, IsDirectoryNeedsAVisibleEntryInTheListing) {
    const FakeFileSystem fs = MakeTree();
    EXPECT_TRUE(IsDirectory("C:\\Program Files\\KB", fs));
    EXPECT_TRUE(IsDirectory("C:\\program files\\kb\\", fs));
    EXPECT_TRUE(IsDirectory("C:\\表", fs));
    EXPECT_TRUE(IsDirectory("C:\\", fs));
    EXPECT_FALSE(IsDirectory("C:\\Program Files\\KB\\qvtdock.exe", fs));
    EXPECT_FALSE(IsDirectory("C:\\Nothing", fs));
    EXPECT_FALSE(IsDirectory("C:\\Hidden", fs));
    EXPECT_FALSE(IsDirectory("", fs));
}

TEST(FileUtils, ForceDirsCreatesTheMissingParents) {
    FakeFileSystem fs = MakeTree();
    EXPECT_TRUE(ForceDirs("C:\\Program Files\\KB\\taro\\data\\", fs));
    EXPECT_TRUE(fs.FolderExists("C:\\Program Files\\KB\\taro"));
    EXPECT_TRUE(fs.FolderExists("C:\\Program Files\\KB\\taro\\data"));
    EXPECT_EQ(fs.creations, 2);
}

TEST(FileUtils, ForceDirsSplitsDoubleByteNamesWhole) {
    FakeFileSystem fs = MakeTree();
    EXPECT_TRUE(ForceDirs("C:\\表\\十\\ソ", fs));
    EXPECT_TRUE(fs.FolderExists("C:\\表\\十"));
    EXPECT_TRUE(fs.FolderExists("C:\\表\\十\\ソ"));
}

TEST(FileUtils, ForceDirsOfAnExistingFolderCreatesNothing) {
    FakeFileSystem fs = MakeTree();
    EXPECT_TRUE(ForceDirs("C:\\Program Files\\KB", fs));
    EXPECT_TRUE(ForceDirs("C:\\Hidden", fs));
    EXPECT_EQ(fs.creations, 0);
}

TEST(FileUtils, ForceDirsOfABareDriveIsTrueOnlyWhenTheDriveExists) {
    FakeFileSystem fs = MakeTree();
    EXPECT_TRUE(ForceDirs("C:", fs));
    EXPECT_TRUE(ForceDirs("C:\\", fs));
    EXPECT_FALSE(ForceDirs("Q:\\", fs));
    EXPECT_FALSE(ForceDirs("Q:\\data", fs));
    EXPECT_EQ(fs.creations, 0);
}

TEST(FileUtils, ForceDirsIsFalseWhenAFolderCannotBeMade) {
    FakeFileSystem fs = MakeTree();
    EXPECT_FALSE(ForceDirs("C:\\Program Files\\KB\\qvtdock.exe\\sub", fs));
    fs.refuse.insert("C:\\locked");
    EXPECT_FALSE(ForceDirs("C:\\locked\\sub", fs));
    EXPECT_FALSE(fs.Exists("C:\\locked\\sub"));
}

TEST(FileUtils, ForceDirsOfAnEmptyPathRaises) {
    FakeFileSystem fs = MakeTree();
    try {
        ForceDirs("", fs);
        ADD_FAILURE();
    } catch (const forms::Exception& e) {
        EXPECT_EQ(e.Message(), "ディレクトリを作成することができません");
    }
}

TEST(FileUtils, ListFilesWithoutRecursionAddsBareNames) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList list;
    ListFiles(list, "C:\\Program Files\\KB\\", false, "*.*", true, fs);
    EXPECT_THAT(Lines(list), ElementsAre("qvtdock.exe", "format.sti", "Styles"));
    list.Clear();
    ListFiles(list, "C:\\Program Files\\KB", false, "*.*", false, fs);
    EXPECT_THAT(Lines(list), ElementsAre("qvtdock.exe", "format.sti"));
}

TEST(FileUtils, ListFilesWithRecursionAddsFullPathsForFilesAndBareNamesForFolders) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList list;
    ListFiles(list, "C:\\Program Files\\KB", true, "*.*", true, fs);
    EXPECT_THAT(Lines(list), ElementsAre("C:\\Program Files\\KB\\qvtdock.exe",
                                         "C:\\Program Files\\KB\\format.sti", "Styles",
                                         "C:\\Program Files\\KB\\Styles\\a.STI", "Old.sti",
                                         "C:\\Program Files\\KB\\Styles\\Old.sti\\b.sti"));
}

TEST(FileUtils, ListFilesRecursesOnlyIntoFoldersThatMatchTheMask) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList list;
    ListFiles(list, "C:\\Program Files\\KB\\Styles", true, "*.STI", false, fs);
    EXPECT_THAT(Lines(list), ElementsAre("C:\\Program Files\\KB\\Styles\\a.STI",
                                         "C:\\Program Files\\KB\\Styles\\Old.sti\\b.sti"));
    list.Clear();
    ListFiles(list, "C:\\Program Files\\KB", true, "*.STI", false, fs);
    EXPECT_THAT(Lines(list), ElementsAre("C:\\Program Files\\KB\\format.sti"));
}

TEST(FileUtils, ListFilesOfAMissingFolderAddsNothing) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList list{"kept"};
    ListFiles(list, "C:\\Nothing", true, "*.*", true, fs);
    EXPECT_THAT(Lines(list), ElementsAre("kept"));
}

TEST(FileUtils, ExpandDropItemOfAFolderAddsFullPaths) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList names{"n"}, paths;
    const std::string base =
        ExpandDropItem(&names, &paths, "C:\\Program Files\\KB\\", false, "*.STI", false, fs);
    EXPECT_EQ(base, "C:\\Program Files\\");
    EXPECT_THAT(Lines(paths), ElementsAre("C:\\Program Files\\KB\\format.sti"));
    EXPECT_THAT(Lines(names), ElementsAre("n"));
}

TEST(FileUtils, ExpandDropItemOfAFolderWithRecursionKeepsListFilesEntries) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList paths;
    ExpandDropItem(nullptr, &paths, "C:\\Program Files\\KB\\Styles", true, "*.*", true, fs);
    EXPECT_THAT(Lines(paths), ElementsAre("C:\\Program Files\\KB\\Styles\\a.STI", "Old.sti",
                                          "C:\\Program Files\\KB\\Styles\\Old.sti\\b.sti"));
}

TEST(FileUtils, ExpandDropItemOfAFileAddsItsNameAndPath) {
    const FakeFileSystem fs = MakeTree();
    forms::TStringList names, paths;
    EXPECT_EQ(ExpandDropItem(&names, &paths, "C:\\表\\ソ.TXT", true, "*.*", true, fs), "C:\\表\\");
    EXPECT_THAT(Lines(names), ElementsAre("ソ.TXT"));
    EXPECT_THAT(Lines(paths), ElementsAre("C:\\表\\ソ.TXT"));
    EXPECT_EQ(ExpandDropItem(nullptr, nullptr, "C:\\x.txt", false, "*.*", false, fs), "C:\\");
}

TEST(FileUtils, ShellFileListConvertsEachPathAndEndsWithTwoNuls) {
    const forms::TStringList files{"C:\\表.txt", "", "C:\\b"};
    EXPECT_EQ(ShellFileList(files), std::u16string(u"C:\\\u8868.txt\0C:\\b\0\0", 15));
    EXPECT_EQ(ShellFileList(forms::TStringList{}), u"");
    EXPECT_EQ(ShellFileList(forms::TStringList{""}), u"");
}

TEST(FileUtils, ACancelledShellOperationIsAFailure) {
    EXPECT_EQ(ShellOperationResult(0, true), kShellCancelled);
    EXPECT_EQ(ShellOperationResult(1223, true), kShellCancelled);
    EXPECT_EQ(ShellOperationResult(0, false), 0);
    EXPECT_EQ(ShellOperationResult(2, false), 2);
}

TEST(FileUtils, AUserNameOutsideTheCodePageIsNoName) {
    EXPECT_EQ(LogonNameFromUtf16(u"taro"), "taro");
    EXPECT_EQ(LogonNameFromUtf16(u"\u5C71\u7530"), "山田");
    EXPECT_EQ(LogonNameFromUtf16(u"Jos\u00E9"), "");
}

TEST(FileUtils, DriveKindTellsFloppiesByTheirDisplayName) {
    EXPECT_EQ(DriveKindOf(kDriveRemovable, "3.5 インチ FD (A:)"), 0);
    EXPECT_EQ(DriveKindOf(kDriveRemovable, "fd drive"), 0);
    EXPECT_EQ(DriveKindOf(kDriveRemovable, "リムーバブル ディスク (E:)"), 1);
    EXPECT_EQ(DriveKindOf(kDriveRemovable, ""), 1);
    EXPECT_EQ(DriveKindOf(kDriveCdRom, "FD"), 2);
}

TEST(FileUtils, DriveKindOfEveryOtherTypeIsMinusOne) {
    for (const uint32_t type : {0u, 1u, 3u, 4u, 6u, 99u})
        EXPECT_EQ(DriveKindOf(type, "FD"), -1) << type;
}

TEST(FileUtils, OpenCommandKeyIsTheSchemeBeforeTheFirstColon) {
    EXPECT_EQ(ShellOpenCommandKey("http://example.com:80/"), "http\\shell\\open\\command");
    EXPECT_EQ(ShellOpenCommandKey("  mailto:x@y.z "), "mailto\\shell\\open\\command");
    EXPECT_EQ(ShellOpenCommandKey("www.example.com"), "www.example.com\\shell\\open\\command");
}

TEST(FileUtils, OpenCommandKeyOfAnEmptySchemeIsEmpty) {
    EXPECT_EQ(ShellOpenCommandKey(""), "");
    EXPECT_EQ(ShellOpenCommandKey("   "), "");
    EXPECT_EQ(ShellOpenCommandKey(":x"), "");
}
