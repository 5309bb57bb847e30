// The launcher program from outside with kb_marker installed as its configuration program: the
// command line the child gets, the launcher out of sight while the child runs, the settings taken
// up when it ends, and a missing child reported once with the menu usable afterwards.
#include "qvtdock/MainFormTesting.h"

#include "components/TrayNotifier.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtdock/LauncherProgramTest.h"
#include "shared/FileUtils.h"
#include "support/Marker.h"
#include "support/ProcessDriver.h"
#include "support/WinTesting.h"

#include <gmock/gmock.h>

#include <memory>

using kbtest::ProcessDriver;
using namespace qvttest;
using ::testing::HasSubstr;

namespace {

constexpr int kWaitMs = 15000;
constexpr char kCfgItem[] = "環境設定(&S)...";

class ProgramChildrenTest : public LauncherProgramTest<WinTest> {
protected:
    void TearDown() override {
        if (process)
            kbtest::WriteBytes(dir.File("go"), ""); // lets a held child end
        LauncherProgramTest::TearDown();
    }

    void InstallCfg() {
        ASSERT_TRUE(CopyFileW(cp932::Wide(kbtest::MarkerProgram()).c_str(),
                              cp932::Wide(dir.File("qvtcfg.exe")).c_str(), FALSE));
    }

    // Starts the launcher (one page, buttons of 32 pixels, 10 to a row) with these variables
    // added to its environment, and waits for its window.
    void Start(std::vector<std::pair<std::string, std::optional<std::string>>> variables = {}) {
        WriteData({10}, Lines({"[Visible]", "BtnSize=32", "FormSize=10"}));
        main = StartLauncher(std::move(variables));
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return ClientWidth() == 320; }, kWaitMs));
    }
    int ClientWidth() const {
        RECT r{};
        GetClientRect(main, &r);
        return r.right;
    }

    bool AnyVisible() const {
        for (HWND h : process->Windows())
            if (IsWindowVisible(h))
                return true;
        return false;
    }

    kbtest::Marker marker{dir};
    HWND main = nullptr;
};

} // namespace

TEST_F(ProgramChildrenTest, SettingsEditor_LauncherOutOfSightMeanwhile_NewSizeTakenUp) {
    InstallCfg();
    Start({{"KB_MARKER_HOLD", dir.File("go")}, {"KB_MARKER_INI", "Visible|BtnSize|60"}});
    TrayMenu(main, kCfgItem);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/CFG \"-1:-1\" \"" + IniFile() + "\"");
    // The child holds: nothing of the launcher shows.
    EXPECT_FALSE(AnyVisible());
    kbtest::WriteBytes(dir.File("go"), "");
    EXPECT_TRUE(kbtest::PumpUntil([&] { return ClientWidth() == 600; }, kWaitMs));
    // The launcher answers again: its menu opens with the item enabled.
    EXPECT_TRUE(Enabled(TrayMenu(main, ""), kCfgItem));
}

TEST_F(ProgramChildrenTest, SettingsEditorMissing_OneMessageThenTheMenuWorks) {
    Start();
    TrayMenu(main, kCfgItem);
    const HWND box = process->WaitForWindow(L"TMessageForm", kWaitMs, true, {});
    ASSERT_NE(box, nullptr);
    kbtest::MessageDialogView view;
    kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(box);
        return !view.buttons.empty();
    });
    EXPECT_EQ(view.caption, "エラー");
    EXPECT_THAT(view.text, HasSubstr("QVTCFG.EXEが見つからない為、処理を中止します。"));
    ASSERT_TRUE(kbtest::AnswerDialog(box, "OK"));
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(box, kWaitMs));
    EXPECT_TRUE(Enabled(TrayMenu(main, ""), kCfgItem));
    // By the time its menu has come and gone, a second message would be there.
    for (HWND h : process->Windows(L"TMessageForm"))
        EXPECT_FALSE(IsWindowVisible(h));
}
