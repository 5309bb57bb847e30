// The single-instance mark: a named mutex that the first instance keeps.
#include "qvtdock/ProgramStart.h"

#include "forms/base/Codepage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
// A name of this call's own, so the marks of one test never meet another's, nor those of an
// earlier repetition (the first test's mark stays until the process ends).
std::string UniqueName(const char* what) {
    static int calls = 0;
    return std::string("KBTest-") + what + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++calls);
}
} // namespace

TEST(IsAlreadyRunning, FirstCallMarksSecondCallSeesTheMark) {
    const std::string name = UniqueName("twice");
    EXPECT_FALSE(IsAlreadyRunning(name));
    EXPECT_TRUE(IsAlreadyRunning(name));
    // The first call's handle stays open: the mark is still there.
    const HANDLE probe = OpenMutexW(SYNCHRONIZE, FALSE, cp932::Wide(name).c_str());
    EXPECT_TRUE(probe);
    if (probe)
        CloseHandle(probe);
}

TEST(IsAlreadyRunning, AMutexHeldElsewhereCounts) {
    const std::string name = UniqueName("held");
    const HANDLE held = CreateMutexW(nullptr, TRUE, cp932::Wide(name).c_str());
    ASSERT_TRUE(held);
    EXPECT_TRUE(IsAlreadyRunning(name));
    CloseHandle(held);
}

TEST(IsAlreadyRunning, ANameTheSystemRefusesCountsAsRunning) {
    // A backslash outside a namespace prefix makes no mutex.
    EXPECT_TRUE(IsAlreadyRunning("no\\such\\namespace"));
}
