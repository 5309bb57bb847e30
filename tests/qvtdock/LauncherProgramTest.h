#pragma once
// Tests of the launcher as its own program: the built qvtdock.exe copied into a temporary
// program folder, so that its data folder (named after the Windows user) lies beside it there.
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

template <typename Base = ::testing::Test> class LauncherProgramTest : public Base {
protected:
    void SetUp() override {
        Base::SetUp();
        const std::string built =
            forms::ExtractFilePath(forms::ProgramPath()) + "..\\bin\\qvtdock.exe";
        ASSERT_TRUE(CopyFileW(cp932::Wide(built).c_str(), cp932::Wide(Program()).c_str(), FALSE))
            << built;
        user = GetLogonUserName();
        ASSERT_FALSE(user.empty());
    }

    std::string Program() const { return dir.File("qvtdock.exe"); }
    // The data folder (not made: a first start makes it).
    std::string UserFolder() const { return dir.File(user); }
    std::string DataFile() const { return UserFolder() + "\\qvtdock.lst"; }
    std::string IniFile() const { return UserFolder() + "\\qvtdock.ini"; }

    kbtest::TempDir dir;
    std::string user;
    std::unique_ptr<kbtest::ProcessDriver> process;
};
