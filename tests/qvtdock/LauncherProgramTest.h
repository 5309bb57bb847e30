#pragma once
// Tests of the launcher as its own program: the built qvtdock.exe copied into a temporary
// program folder, so that its data folder (named after the Windows user) lies beside it there.
#include "components/TrayNotifier.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "qvtdock/MainFormTesting.h"
#include "shared/FileUtils.h"
#include "support/GuiTest.h"
#include "support/ProcessDriver.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// How long the tray's menu may take to open or close.
constexpr int kTrayWaitMs = 15000;
// How long the launcher may take to start or to end.
constexpr int kLauncherWaitMs = 15000;

template <typename Base = ::testing::Test> class LauncherProgramTest : public Base {
protected:
    // How a started launcher goes at the end of the test: closed as the user closes it, which it
    // must end with exit code 0, or killed.
    enum class Ending { close, kill };
    // Without userFolder the data folder is left to the first start.
    explicit LauncherProgramTest(bool userFolder = true, Ending ending = Ending::close)
        : userFolder_(userFolder), ending_(ending) {}

    void SetUp() override {
        Base::SetUp();
        const std::string built =
            forms::ExtractFilePath(forms::ProgramPath()) + "..\\bin\\qvtdock.exe";
        ASSERT_TRUE(CopyFileW(cp932::Wide(built).c_str(), cp932::Wide(Program()).c_str(), FALSE))
            << built;
        user = GetLogonUserName();
        ASSERT_FALSE(user.empty());
        if (userFolder_)
            kbtest::MakeDir(UserFolder());
    }
    void TearDown() override {
        if (process && ending_ == Ending::kill) {
            if (process->Running())
                process->Kill();
        } else if (process) {
            if (const HWND main = process->FirstWindow(L"TfmMain"))
                kbtest::ProcessDriver::PostClose(main);
            EXPECT_EQ(process->WaitForExit(kLauncherWaitMs), 0u);
        }
        Base::TearDown();
    }

    // A data file of pages with these slot counts (see WriteList) and this settings file.
    void WriteData(const std::vector<int>& counts, const std::string& ini) {
        qvttest::WriteList(DataFile(), counts);
        kbtest::WriteBytes(IniFile(), ini);
    }
    // Starts the launcher in its program folder, with these changes to its environment, and
    // waits for its main window; nullptr when none came.
    HWND
    StartLauncher(std::vector<std::pair<std::string, std::optional<std::string>>> variables = {}) {
        kbtest::ProcessOptions o;
        o.program = Program();
        o.currentDir = dir.Path();
        o.environment = std::move(variables);
        process = std::make_unique<kbtest::ProcessDriver>(o);
        return process->WaitForWindow(L"TfmMain", kLauncherWaitMs);
    }
    // Start-up has laid out the title bar, which it does last: the close button stands 24 pixels
    // from the right edge of the client area.
    static bool TitleBarLaidOut(HWND main) {
        RECT client{};
        GetClientRect(main, &client);
        for (HWND h = GetWindow(main, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (kbtest::ClassNameOf(h) != L"TMarkBtn")
                continue;
            RECT r = kbtest::ScreenRectOf(h);
            MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
            if (r.left == client.right - 24)
                return true;
        }
        return false;
    }

    std::string Program() const { return dir.File("qvtdock.exe"); }
    // The data folder (not made: a first start makes it).
    std::string UserFolder() const { return dir.File(user); }
    std::string DataFile() const { return UserFolder() + "\\qvtdock.lst"; }
    std::string IniFile() const { return UserFolder() + "\\qvtdock.ini"; }

    // The tray icon's notification to the launcher's window, as the shell sends it.
    static void TrayNotify(HWND main, UINT mouseMessage) {
        const HWND callback = kbtest::FindChildWindow(main, L"TCallbackWindow");
        ASSERT_NE(callback, nullptr);
        PostMessageW(callback, kTrayCallbackMessage, 1, mouseMessage);
    }
    // Opens the tray icon's menu and chooses the entry with this text; returns the entries it
    // read. With an empty text, closes the menu without a choice.
    std::vector<kbtest::MenuItemView> TrayMenu(HWND main, const std::string& choose) {
        TrayNotify(main, WM_RBUTTONDOWN);
        const HWND menu = process->WaitForWindow(L"#32768", kTrayWaitMs, true, {});
        if (!menu) {
            ADD_FAILURE() << "no tray menu";
            return {};
        }
        const std::vector<kbtest::MenuItemView> items = kbtest::ReadMenu(menu);
        const int index = choose.empty() ? -1 : kbtest::MenuEntryIndex(items, choose);
        if (!choose.empty() && index < 0)
            ADD_FAILURE() << "no entry " << choose;
        kbtest::DriveMenu(menu, index);
        EXPECT_TRUE(kbtest::ProcessDriver::WaitWindowGone(menu, kTrayWaitMs, true));
        return items;
    }
    static bool Enabled(const std::vector<kbtest::MenuItemView>& items, const std::string& text) {
        return (EntryState(items, text) & MFS_DISABLED) == 0;
    }
    static bool Checked(const std::vector<kbtest::MenuItemView>& items, const std::string& text) {
        return (EntryState(items, text) & MFS_CHECKED) != 0;
    }

    kbtest::TempDir dir;
    std::string user;
    std::unique_ptr<kbtest::ProcessDriver> process;

private:
    bool userFolder_;
    Ending ending_;

    // The entry's MFS_ state; a missing entry fails the test and reads as disabled.
    static UINT EntryState(const std::vector<kbtest::MenuItemView>& items,
                           const std::string& text) {
        for (const kbtest::MenuItemView& item : items)
            if (item.text == cp932::Wide(text))
                return item.state;
        ADD_FAILURE() << "no entry " << text;
        return MFS_DISABLED;
    }
};
