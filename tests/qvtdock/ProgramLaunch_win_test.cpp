// The launcher program runs its buttons from outside: a copy of qvtdock.exe started by the
// cross-process driver gets clicks on a button whose program is kb_marker, starts it each time,
// and its data file keeps the count when the launcher closes or the session ends.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/SettingsFile.h"
#include "qvtdock/LauncherProgramTest.h"
#include "shared/FileUtils.h"
#include "support/Marker.h"
#include "support/ProcessDriver.h"

#include <gtest/gtest.h>

#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;

namespace {

constexpr int kWaitMs = 15000;

class ProgramLaunchTest : public LauncherProgramTest<> {
protected:
    ProgramLaunchTest() : LauncherProgramTest(true, Ending::kill) {}

    // One page whose first slot runs program; the left button runs the selected button.
    HWND StartWithProgram(const std::string& program) {
        TLaunchList list;
        ClearPages(list);
        list.AddPage("P1", 3, 0);
        TLaunchDataItem& item = *list.Items(0, 0);
        item.Kind = ikProgram;
        item.Title = "印";
        item.Path = program;
        list.SetFileName(DataFile());
        list.SaveToFile();
        kbtest::WriteBytes(UserFolder() + "\\qvtdock.ini",
                           Lines({"[MouseBtnAction]", "Left=2", "[Mouse]", "RunHide=0"}));
        return StartLauncher();
    }
    int SavedCount() {
        TLaunchList saved;
        saved.SetFileName(DataFile());
        saved.LoadFromFile();
        EXPECT_TRUE(saved.Loaded());
        return saved.Loaded() ? saved.Items(0, 0)->UseCount : -1;
    }
};

} // namespace

TEST_F(ProgramLaunchTest, ThreeClicksOnAButton_StartItsProgramThreeTimes_TheCountIsSaved) {
    kbtest::Marker marker(dir);
    const std::string program = kbtest::CopyMarker(dir.File("印"));
    const HWND main = StartWithProgram(program);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(process->WaitForIdle(kWaitMs));
    ShowWindow(main, SW_SHOW);
    const HWND bar = kbtest::FindChildWindow(main, L"TQvtGrpBtns");
    ASSERT_NE(bar, nullptr);
    for (int i = 0; i < 3; ++i) {
        kbtest::PostClick(bar, 8, 8);
        const auto report = marker.Wait();
        ASSERT_TRUE(report) << i;
        EXPECT_EQ(report->argv, std::vector<std::string>{});
    }
    ASSERT_TRUE(ProcessDriver::PostClose(main));
    EXPECT_EQ(process->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(SavedCount(), 3);
}

TEST_F(ProgramLaunchTest, SessionEnd_CountAndGeometrySavedOnceTheAnswerYesAndTheEnd) {
    kbtest::Marker marker(dir);
    const HWND main = StartWithProgram(kbtest::CopyMarker(dir.File("印")));
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(process->WaitForIdle(kWaitMs));
    ShowWindow(main, SW_SHOW);
    kbtest::PostClick(kbtest::FindChildWindow(main, L"TQvtGrpBtns"), 8, 8);
    ASSERT_TRUE(marker.Wait());
    RECT window{};
    GetWindowRect(main, &window);

    EXPECT_TRUE(ProcessDriver::QueryEndSession(main, kWaitMs));
    EXPECT_EQ(SavedCount(), 1);
    const forms::TSettingsFile ini(IniFile());
    EXPECT_EQ(ini.ReadInteger("Bounds", "Left", -1), window.left);
    EXPECT_EQ(ini.ReadInteger("Bounds", "Top", -1), window.top);
    for (const char* key : {"BtnSize", "FormSize", "RowMax", "IconStretch"})
        EXPECT_NE(ini.ReadString("Visible", key, ""), "") << key;

    // The end itself saves nothing more: a file changed after the answer stays as it is.
    kbtest::WriteBytes(DataFile(), "after the answer\r\n");
    ProcessDriver::EndSession(main, true, kWaitMs);
    EXPECT_EQ(process->WaitForExit(kWaitMs), 0u);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), "after the answer\r\n");
}
