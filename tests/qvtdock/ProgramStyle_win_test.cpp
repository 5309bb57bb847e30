// The launcher program's style from outside: a copy of qvtdock.exe in a temporary program folder
// whose "format.sti" is damaged says so once and runs on in the built-in look.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "shared/FileUtils.h"
#include "shared/StyleFiles.h"
#include "support/ProcessDriver.h"

#include <gmock/gmock.h>

using kbtest::ProcessDriver;
using namespace qvttest;

namespace {

constexpr int kWaitMs = 15000;

// The visible system boxes of the program.
std::vector<HWND> VisibleBoxes(const ProcessDriver& p) {
    std::vector<HWND> boxes;
    for (HWND h : p.Windows(L"#32770"))
        if (IsWindowVisible(h))
            boxes.push_back(h);
    return boxes;
}

} // namespace

TEST(ProgramStyle, DamagedStyleAtStartUp_OneBoxThenTheLauncherRunsAndCloses) {
    kbtest::TempDir dir;
    const std::string built = forms::ExtractFilePath(forms::ProgramPath()) + "..\\bin\\qvtdock.exe";
    ASSERT_TRUE(
        CopyFileW(cp932::Wide(built).c_str(), cp932::Wide(dir.File("qvtdock.exe")).c_str(), FALSE));
    const std::string user = GetLogonUserName();
    ASSERT_FALSE(user.empty());
    kbtest::MakeDir(dir.File(user));
    WriteList(dir.File(user) + "\\qvtdock.lst", {3});
    // Passes the style test; its title-bar strip runs past the end of the file.
    std::string style = kbtest::MakeStyleFile(
        {{0, kbtest::StyleText("[Glyph]\r\nTitleBar=1\r\n")}, {1, kbtest::TinyBmp()}});
    style.resize(style.size() - 10);
    kbtest::WriteBytes(dir.File("format.sti"), style);

    kbtest::ProcessOptions o;
    o.program = dir.File("qvtdock.exe");
    o.currentDir = dir.Path();
    ProcessDriver p(o);
    const HWND box = p.WaitForWindow(L"#32770", kWaitMs, true);
    ASSERT_NE(box, nullptr);
    kbtest::MessageDialogView view;
    kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(box);
        return !view.buttonIds.empty();
    });
    EXPECT_EQ(view.caption, "K+Bandeo2.00");
    EXPECT_THAT(view.text, ::testing::HasSubstr("ストリームからの読み込みエラー"));
    ASSERT_TRUE(kbtest::AnswerDialog(box, IDOK));
    ASSERT_TRUE(ProcessDriver::WaitWindowGone(box, kWaitMs, true));

    const HWND main = p.WaitForWindow(L"TfmMain", kWaitMs);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(p.WaitForIdle(kWaitMs));
    for (HWND h : VisibleBoxes(p))
        ADD_FAILURE() << kbtest::ReadMessageDialog(h).text;
    // Start-up went on to its end, which puts the window on top.
    EXPECT_TRUE(kbtest::WaitUntil(
        [&] { return (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, kWaitMs));
    ProcessDriver::PostClose(main);
    EXPECT_EQ(p.WaitForExit(kWaitMs), 0u);
}
