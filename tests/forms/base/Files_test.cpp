#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"

#include "support/SaveFaults.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using namespace forms;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(Files, WriteFileReplacing_AFailedWriteKeepsTheOldFileLeavesNothingAndTheNextOneWrites) {
    for (const kbtest::SaveFault fault : kbtest::kSaveFaults) {
        SCOPED_TRACE(kbtest::Name(fault));
        kbtest::TempDir dir;
        const std::string target = dir.File("locked.txt");
        kbtest::WriteBytes(target, "old");
        kbtest::Inflict(fault, target);
        try {
            WriteFileReplacing(target, "new bytes");
            ADD_FAILURE() << "no error";
        } catch (const EFileCreateError& e) {
            EXPECT_THAT(e.Message(), HasSubstr(target));
        }
        kbtest::Clear(fault, target);
        EXPECT_EQ(kbtest::ReadBytes(target), "old");
        EXPECT_THAT(kbtest::ListNames(dir.Path()), ElementsAre("locked.txt"));
        WriteFileReplacing(target, "new bytes");
        EXPECT_EQ(kbtest::ReadBytes(target), "new bytes");
    }
}
