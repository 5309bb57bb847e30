// The host build's side of the launch data: the comparer's stand-in and a replacement that fails.
#include "shared/LaunchData.h"

#include "forms/base/Exceptions.h"
#include "shared/LaunchListTesting.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <sys/stat.h>

using testing::ElementsAre;

TEST(LocaleCompare, StandInIgnoresTheCaseOfAsciiLettersThenComparesBytes) {
    EXPECT_LT(CompareLocaleText("a", "B"), 0);
    EXPECT_LT(CompareLocaleText("A", "a"), 0);
    EXPECT_EQ(CompareLocaleText("表", "表"), 0);
    EXPECT_NE(CompareLocaleText("ａ", "Ａ"), 0); // no locale natively: full-width letters differ
}

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
