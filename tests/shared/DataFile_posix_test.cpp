// The host build's side of the data file: a replacement that fails.
#include "shared/DataFile.h"

#include "forms/base/Exceptions.h"
#include "shared/LaunchListTesting.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <sys/stat.h>

using testing::ElementsAre;

TEST(DataFilePosix, Save_ReplacementThatFailsLeavesNoTemporaryFile) {
    kbtest::TempDir dir;
    TLaunchList list;
    // A folder that is not empty cannot be replaced by a file.
    list.SetFileName(dir.File("qvtdock.lst"));
    ASSERT_EQ(::mkdir(list.FileName().c_str(), 0755), 0);
    kbtest::WriteBytes(list.FileName() + "/inside", "x");
    EXPECT_THROW(list.SaveToFile(), forms::EFileCreateError);
    EXPECT_THAT(kbtest::ListNames(dir.Path()), ElementsAre("qvtdock.lst"));
    EXPECT_EQ(kbtest::ReadBytes(list.FileName() + "/inside"), "x");
}
