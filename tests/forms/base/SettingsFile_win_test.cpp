#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/SettingsFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace forms;

// A file that another program holds open without sharing cannot be read: it reads as empty, and
// writing to it must not replace what could not be read.
TEST(SettingsFileWin, UnreadableFileReadsAsEmptyAndRefusesWrites) {
    kbtest::TempDir dir;
    const std::string path = dir.File("設定.ini");
    kbtest::WriteBytes(path, "[S]\r\nk=表\r\n");
    const HANDLE held = CreateFileW(cp932::Wide(path).c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        TSettingsFile ini(path);
        EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
        EXPECT_THROW(ini.WriteString("S", "other", "x"), EIniWriteError);
        ini.DeleteKey("S", "k"); // nothing to delete in what was read: no write, no error
    }
    CloseHandle(held);
    EXPECT_EQ(kbtest::ReadBytes(path), "[S]\r\nk=表\r\n");
    EXPECT_EQ(TSettingsFile(path).ReadString("S", "k", ""), "表");
}
