#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Files, WriteFileReplacing_ReadOnlyTargetIsNeverReplaced) {
    kbtest::TempDir dir;
    const std::string target = dir.File("locked.txt");
    kbtest::WriteBytes(target, "old");
    kbtest::SetReadOnly(target, true);
    EXPECT_THROW(WriteFileReplacing(target, "new"), EFileCreateError);
    EXPECT_EQ(kbtest::ReadBytes(target), "old");
    kbtest::SetReadOnly(target, false);
    WriteFileReplacing(target, "new");
    EXPECT_EQ(kbtest::ReadBytes(target), "new");
}
