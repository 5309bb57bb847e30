// The routines on the real file system and shell, in folders the tests make.
#include "shared/FileUtils.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <cstdint>

using kbtest::TempDir;
using testing::ElementsAre;

namespace {
void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryW(cp932::Wide(path).c_str(), nullptr)) << path;
}

std::vector<std::string> Sorted(const forms::TStringList& list) {
    std::vector<std::string> lines = list.Lines();
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Wine's recycle bin is the XDG trash; the test harness points it into the build folder.
bool RecycleBinIsPrivate() {
    wchar_t value[1024];
    const DWORD n = GetEnvironmentVariableW(L"XDG_DATA_HOME", value, 1024);
    return n > 0 && n < 1024 && std::wstring(value, n).find(L"wine-xdg") != std::wstring::npos;
}

// The long form of the test folder itself (the temporary folder's path may be written in any
// case); what the tests make inside it keeps their own spelling.
std::string LongRoot(const TempDir& dir) {
    return GetLongPathNameStr(dir.Path());
}
} // namespace

TEST(FileUtilsWin, LongPathTakesTheStoredLetterCase) {
    TempDir dir;
    MakeFolder(dir.File("MixedCase"));
    kbtest::WriteBytes(dir.File("MixedCase\\表ソ Data.Txt"), "x");
    std::string upper = dir.File("MIXEDCASE\\表ソ DATA.TXT");
    EXPECT_EQ(GetLongPathNameStr(upper), LongRoot(dir) + "\\MixedCase\\表ソ Data.Txt");
}

TEST(FileUtilsWin, LongPathOfADriveRootAndABareDrive) {
    EXPECT_EQ(GetLongPathNameStr("C:\\"), "C:");
    EXPECT_EQ(GetLongPathNameStr("C:"), "C:");
}

TEST(FileUtilsWin, LongPathOfAMissingPathComesBackUnchanged) {
    TempDir dir;
    const std::string missing = dir.File("nothing\\x.txt");
    EXPECT_EQ(GetLongPathNameStr(missing), missing);
}

TEST(FileUtilsWin, IsDirectoryTellsFoldersFromFiles) {
    TempDir dir;
    kbtest::WriteBytes(dir.File("f.txt"), "x");
    EXPECT_TRUE(IsDirectory(dir.Path()));
    EXPECT_TRUE(IsDirectory(dir.Path() + "\\"));
    EXPECT_FALSE(IsDirectory(dir.File("f.txt")));
    EXPECT_FALSE(IsDirectory(dir.File("none")));
}

TEST(FileUtilsWin, ForceDirsCreatesEveryMissingLevel) {
    TempDir dir;
    const std::string deep = dir.File("表\\十\\data");
    EXPECT_TRUE(ForceDirs(deep + "\\"));
    EXPECT_TRUE(forms::DirectoryExists(deep));
    EXPECT_TRUE(ForceDirs(deep));
}

TEST(FileUtilsWin, ForceDirsBelowAFileIsFalse) {
    TempDir dir;
    kbtest::WriteBytes(dir.File("f.txt"), "x");
    EXPECT_FALSE(ForceDirs(dir.File("f.txt\\sub")));
    EXPECT_FALSE(forms::DirectoryExists(dir.File("f.txt\\sub")));
}

TEST(FileUtilsWin, ListFilesAndExpandDropItemOnARealFolder) {
    TempDir dir;
    kbtest::WriteBytes(dir.File("a.sti"), "x");
    kbtest::WriteBytes(dir.File("B.STI"), "x");
    kbtest::WriteBytes(dir.File("c.txt"), "x");
    MakeFolder(dir.File("sub"));
    kbtest::WriteBytes(dir.File("sub\\d.txt"), "x");

    forms::TStringList list;
    ListFiles(list, dir.Path(), false, "*.*", true, LocalFileSystem());
    EXPECT_THAT(Sorted(list), ElementsAre("B.STI", "a.sti", "c.txt", "sub"));
    list.Clear();
    ListFiles(list, dir.Path(), true, "*.*", false, LocalFileSystem());
    EXPECT_THAT(Sorted(list), ElementsAre(dir.File("B.STI"), dir.File("a.sti"), dir.File("c.txt"),
                                          dir.File("sub\\d.txt")));

    forms::TStringList paths;
    const std::string base = ExpandDropItem(nullptr, &paths, dir.Path(), false, "*.STI", false);
    EXPECT_EQ(base, forms::ExtractFilePath(dir.Path()));
    EXPECT_THAT(Sorted(paths), ElementsAre(dir.File("B.STI"), dir.File("a.sti")));
}

TEST(FileUtilsWin, DriveListHoldsRootsWithABackslash) {
    const forms::TStringList drives = GetDriveList();
    EXPECT_NE(drives.IndexOf("C:\\"), -1);
    for (const std::string& d : drives.Lines())
        EXPECT_TRUE(d.size() == 3 && d[1] == ':' && d[2] == '\\') << d;
}

TEST(FileUtilsWin, LogonUserNameIsTheSystemsOwn) {
    wchar_t name[256];
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(name, &size));
    EXPECT_EQ(GetLogonUserName(), cp932::Narrow(std::wstring_view(name, size - 1)));
    EXPECT_FALSE(GetLogonUserName().empty());
}

TEST(FileUtilsWin, ShellCopiesAndMovesListsWithJapaneseNames) {
    TempDir dir;
    MakeFolder(dir.File("src"));
    MakeFolder(dir.File("copy"));
    MakeFolder(dir.File("move"));
    kbtest::WriteBytes(dir.File("src\\表示.txt"), "1");
    kbtest::WriteBytes(dir.File("src\\b.txt"), "2");
    const forms::TStringList files{dir.File("src\\表示.txt"), dir.File("src\\b.txt")};

    EXPECT_EQ(ShellFileOperation(nullptr, files, dir.File("copy"), kShellCopy, false), 0);
    EXPECT_EQ(kbtest::ReadBytes(dir.File("copy\\表示.txt")), "1");
    EXPECT_EQ(kbtest::ReadBytes(dir.File("copy\\b.txt")), "2");
    EXPECT_TRUE(kbtest::Exists(dir.File("src\\表示.txt")));

    // Wine cancels a move of several files into one folder, so the move takes one.
    const forms::TStringList one{dir.File("src\\表示.txt")};
    EXPECT_EQ(ShellFileOperation(nullptr, one, dir.File("move"), kShellMove, false), 0);
    EXPECT_EQ(kbtest::ReadBytes(dir.File("move\\表示.txt")), "1");
    EXPECT_FALSE(kbtest::Exists(dir.File("src\\表示.txt")));
}

TEST(FileUtilsWin, AShellOperationTheUserCancelsIsAFailure) {
    TempDir dir;
    MakeFolder(dir.File("dest"));
    kbtest::WriteBytes(dir.File("a.txt"), "new");
    kbtest::WriteBytes(dir.File("dest\\a.txt"), "old");
    // The shell asks before it replaces a file; a watcher answers its dialog with Cancel.
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        const DWORD process = GetCurrentProcessId();
        while (!done) {
            HWND box = nullptr;
            while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(box, &owner);
                if (owner == process && IsWindowVisible(box))
                    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            }
            Sleep(20);
        }
    });
    const int result = ShellFileOperation(nullptr, forms::TStringList{dir.File("a.txt")},
                                          dir.File("dest"), kShellCopy, true);
    done = true;
    watcher.join();
    EXPECT_EQ(result, kShellCancelled);
    EXPECT_EQ(kbtest::ReadBytes(dir.File("dest\\a.txt")), "old");
}

TEST(FileUtilsWin, ShellOperationsOnAnEmptyListDoNothing) {
    TempDir dir;
    EXPECT_EQ(ShellDeleteFiles(nullptr, forms::TStringList{}, false), kShellNothingToDo);
    EXPECT_EQ(ShellDeleteFiles(nullptr, forms::TStringList{""}, false), kShellNothingToDo);
    EXPECT_EQ(ShellFileOperation(nullptr, forms::TStringList{}, dir.Path(), kShellCopy, false),
              kShellNothingToDo);
}

TEST(FileUtilsWin, ShellDeleteMovesFilesIntoTheRecycleBin) {
    if (!RecycleBinIsPrivate())
        GTEST_SKIP() << "the recycle bin is not the test harness's own";
    TempDir dir;
    kbtest::WriteBytes(dir.File("ソ.txt"), "1");
    kbtest::WriteBytes(dir.File("b.txt"), "2");
    const forms::TStringList files{dir.File("ソ.txt"), dir.File("b.txt")};
    EXPECT_EQ(ShellDeleteFiles(nullptr, files, false), 0);
    EXPECT_FALSE(kbtest::Exists(dir.File("ソ.txt")));
    EXPECT_FALSE(kbtest::Exists(dir.File("b.txt")));
    EXPECT_EQ(EmptyRecycleBin(false), S_OK);
}

TEST(FileUtilsWin, ClearRecentDocsForgetsTheRecentList) {
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD order = 0;
    RegSetValueExW(h, L"MRUListEx", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&order),
                   sizeof order);
    RegCloseKey(h);
    ClearRecentDocs();
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &h), ERROR_FILE_NOT_FOUND);
}
