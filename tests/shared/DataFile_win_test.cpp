// The Windows side of the data file: file sharing and file names.
#include "shared/DataFile.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "shared/LaunchListTesting.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <windows.h>

using testing::ElementsAre;

namespace {
// Opens a file so that nobody else may read, write, rename or replace it.
class ExclusiveHandle {
public:
    explicit ExclusiveHandle(const std::string& path)
        : h_(CreateFileW(cp932::Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ExclusiveHandle() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    bool Ok() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};
} // namespace

TEST(DataFileWin, Save_TargetHeldOpenRaisesAndKeepsTheOldBytes) {
    kbtest::TempDir dir;
    TLaunchList list;
    list.SetFileName(dir.File("qvtdock.lst"));
    kbtest::WriteBytes(list.FileName(), "old bytes");
    {
        ExclusiveHandle hold(list.FileName());
        ASSERT_TRUE(hold.Ok());
        EXPECT_THROW(list.SaveToFile(), forms::EFileCreateError);
    }
    EXPECT_EQ(kbtest::ReadBytes(list.FileName()), "old bytes");
    EXPECT_THAT(kbtest::ListNames(dir.Path()), ElementsAre("qvtdock.lst"));
}

TEST(DataFileWin, Load_FileThatCannotBeOpenedRaisesTheOpenError) {
    kbtest::TempDir dir;
    TLaunchList list;
    list.SetFileName(dir.File("qvtdock.lst"));
    kbtest::WriteBytes(list.FileName(), "x");
    const auto before = kbtest::Snapshot(list);
    ExclusiveHandle hold(list.FileName());
    ASSERT_TRUE(hold.Ok());
    EXPECT_THROW(list.LoadFromFile(), forms::EFileOpenError);
    EXPECT_FALSE(list.Loaded());
    EXPECT_EQ(kbtest::Snapshot(list), before);
}

TEST(DataFileWin, JapaneseFileName) {
    kbtest::TempDir dir;
    TLaunchList list;
    list.SetFileName(dir.File("表示データ.lst"));
    list.Items(0, 0)->Title = "ソフト";
    list.SaveToFile();
    TLaunchList read;
    read.SetFileName(list.FileName());
    read.LoadFromFile();
    ASSERT_TRUE(read.Loaded());
    EXPECT_EQ(read.Items(0, 0)->Title, "ソフト");
}
