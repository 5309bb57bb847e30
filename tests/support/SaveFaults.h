#pragma once
// The faults a save meets, for tests that take a save through all of them: the file read-only,
// its folder read-only, the disk full. The last two come from the file-system interface's test
// fault, since a test running as root writes into any folder and no test fills a disk.
#include "forms/base/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kbtest {

enum class SaveFault { ReadOnlyFile, ReadOnlyFolder, DiskFull };
inline constexpr SaveFault kSaveFaults[] = {SaveFault::ReadOnlyFile, SaveFault::ReadOnlyFolder,
                                            SaveFault::DiskFull};

inline const char* Name(SaveFault fault) {
    return fault == SaveFault::ReadOnlyFile     ? "read-only file"
           : fault == SaveFault::ReadOnlyFolder ? "read-only folder"
                                                : "disk full";
}

// Makes saves of file fail: a read-only file every one, the others the nth write from now.
inline void Inflict(SaveFault fault, const std::string& file, int nth = 1) {
    if (fault == SaveFault::ReadOnlyFile)
        SetReadOnly(file, true);
    else
        forms::ArmWriteFault(fault == SaveFault::DiskFull ? forms::TWriteFault::DiskFull
                                                          : forms::TWriteFault::ReadOnlyFolder,
                             nth);
}

inline void Clear(SaveFault fault, const std::string& file) {
    if (fault == SaveFault::ReadOnlyFile)
        SetReadOnly(file, false);
    forms::ArmWriteFault(forms::TWriteFault::DiskFull, 0);
}

// Under each fault save raises Error and leaves file byte-identical; once the fault is cleared a
// save gets through. A disk that fills at the save's second write must not meet it: a save of
// many keys writes them in one go, never half of them.
template <typename Error>
void ExpectEachFaultKeepsTheFile(const std::string& file, const std::function<void()>& save) {
    const std::string before = ReadBytes(file);
    for (const SaveFault fault : kSaveFaults) {
        SCOPED_TRACE(Name(fault));
        Inflict(fault, file);
        EXPECT_THROW(save(), Error);
        Clear(fault, file);
        EXPECT_EQ(ReadBytes(file), before);
    }
    Inflict(SaveFault::DiskFull, file, 2);
    EXPECT_NO_THROW(save()) << "a second write, which a full disk leaves half-done";
    Clear(SaveFault::DiskFull, file);
    EXPECT_NE(ReadBytes(file), before);
}

} // namespace kbtest
