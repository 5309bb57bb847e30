// The launcher under Wine, measured from outside:
//  - start-up to ready: from the start of its process to its first idle message loop
//    (WaitForInputIdle), hidden, with its data, icons and settings loaded, for the demo data and
//    for a data file of 10,000 slots; each run is closed with WM_CLOSE, as a person would close it;
//  - trigger to window visible: the demo's hot key pressed (real input) until the launcher's
//    window is visible, on one running launcher, hidden again by the hot key between runs.
// Medians of several runs. A benchmark only: it reports, it asserts nothing.
//   launcher_bench BIN_FOLDER DEMO_TABLE [RUNS]   (RUNS for the demo, two fewer for 10,000 slots,
//                                                  three times as many for the hot key)
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"
#include "support/GuiTest.h"
#include "support/TempDir.h"
#include "tools/demo/DemoData.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {
constexpr int kPages = 100;
constexpr int kSlots = 100;

struct Run {
    double ms = 0;
    bool windowAtIdle = false;
};

// A program folder with the launcher and the styles, and its data folder for this user.
struct ProgramFolder {
    kbtest::TempDir dir;
    std::string dataFolder; // without a trailing backslash

    explicit ProgramFolder(const std::string& bin) {
        for (const char* name : {"qvtdock.exe", "format.sti", "night.sti", "plain.sti"})
            CopyFileW(cp932::Wide(bin + "\\" + name).c_str(), cp932::Wide(dir.File(name)).c_str(),
                      FALSE);
        const std::string user = GetLogonUserName();
        dataFolder = user.empty() ? dir.Path() : dir.File(user);
        CreateDirectoryW(cp932::Wide(dataFolder).c_str(), nullptr);
    }
};

// Pages of programs, folders and documents that exist under Wine, with their icons to load.
void WriteLargeData(const std::string& dataFolder, const std::string& table) {
    const demo::TDemoData demoData = demo::ReadDemoTable(table, dataFolder);
    std::vector<const TLaunchDataItem*> samples;
    for (int i = 0; i < demoData.List->Count(); ++i)
        if (demoData.List->Items(i)->Kind != ikUnregistered)
            samples.push_back(demoData.List->Items(i));
    demo::TDemoData large;
    large.List = std::make_unique<TLaunchList>();
    large.List->DeletePage(0);
    large.Links = demoData.Links;
    for (int p = 0; p < kPages; ++p) {
        large.List->AddPage("ページ" + std::to_string(p + 1), kSlots, 0);
        for (int s = 0; s < kSlots; ++s) {
            TLaunchDataItem& item = *large.List->Items(p, s);
            const TLaunchDataItem& sample = *samples[(p * kSlots + s) % samples.size()];
            item.Kind = sample.Kind;
            item.Title = sample.Title + " " + std::to_string(s + 1);
            item.Path = sample.Path;
            item.LinkFile = sample.LinkFile;
            item.WorkDir = sample.WorkDir;
            item.Comment = sample.Comment;
            item.ShowCmd = sample.ShowCmd;
        }
    }
    demo::WriteDemoFolder(large, dataFolder);
}

// One start to ready and its close; none when the launcher did not come up.
std::optional<Run> StartOnce(const ProgramFolder& folder) {
    kbtest::ProcessOptions options;
    options.program = folder.dir.File("qvtdock.exe");
    options.currentDir = folder.dir.Path();
    const auto start = std::chrono::steady_clock::now();
    kbtest::ProcessDriver launcher(options);
    if (!launcher.WaitForIdle(300000)) {
        std::fprintf(stderr, "the launcher did not become ready (exit code %lu)\n",
                     launcher.Running() ? 0ul
                                        : static_cast<unsigned long>(*launcher.WaitForExit()));
        return std::nullopt;
    }
    Run run;
    run.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.windowAtIdle = launcher.FirstWindow(L"TfmMain") != nullptr;
    const HWND mainWindow = launcher.WaitForWindow(L"TfmMain", 30000);
    if (!mainWindow || !kbtest::ProcessDriver::PostClose(mainWindow) ||
        !launcher.WaitForExit(120000)) {
        std::fprintf(stderr, "the launcher did not close on WM_CLOSE\n");
        return std::nullopt;
    }
    return run;
}

// Presses the demo's hot key, Ctrl+Alt+L.
void PressHotKey() {
    kbtest::PressKey('L', false, true, true);
}

// Waits until the window is visible (or hidden); false when the time is up.
bool WaitVisible(HWND window, bool visible, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while ((IsWindowVisible(window) != FALSE) != visible) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        Sleep(1);
    }
    return true;
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.1f ms  (min %.1f, max %.1f, %d runs)\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), static_cast<int>(ms.size()));
    std::fflush(stdout);
}

// The hot key to a visible window, on one launcher of the demo data.
bool MeasureHotKey(const ProgramFolder& folder, int runs) {
    kbtest::ProcessOptions options;
    options.program = folder.dir.File("qvtdock.exe");
    options.currentDir = folder.dir.Path();
    kbtest::ProcessDriver launcher(options);
    const HWND mainWindow = launcher.WaitForWindow(L"TfmMain", 300000);
    if (!mainWindow) {
        std::fprintf(stderr, "the launcher showed no main window\n");
        return false;
    }
    // Start-up registers the hot key before its last steps: the first show says it is ready.
    bool ready = false;
    for (int i = 0; i < 120 && !ready; ++i) {
        PressHotKey();
        ready = WaitVisible(mainWindow, true, 1000);
    }
    if (!ready) {
        std::fprintf(stderr, "the launcher's window did not come up on its hot key\n");
        return false;
    }
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        PressHotKey();
        if (!WaitVisible(mainWindow, false, 10000)) {
            std::fprintf(stderr, "the hot key did not hide the launcher\n");
            return false;
        }
        const auto start = std::chrono::steady_clock::now();
        PressHotKey();
        if (!WaitVisible(mainWindow, true, 10000)) {
            std::fprintf(stderr, "the hot key did not show the launcher\n");
            return false;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    Report("hot key to window visible", ms);
    kbtest::ProcessDriver::PostClose(mainWindow);
    launcher.WaitForExit(120000);
    return true;
}

bool Measure(const char* what, const ProgramFolder& folder, int runs, bool warmUp) {
    if (warmUp && !StartOnce(folder)) // fills the system's caches
        return false;
    std::vector<double> ms;
    bool windowAtIdle = true;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> run = StartOnce(folder);
        if (!run)
            return false;
        ms.push_back(run->ms);
        windowAtIdle = windowAtIdle && run->windowAtIdle;
    }
    Report(what, ms);
    if (!windowAtIdle)
        std::printf(
            "  (the first idle came before the main window existed: the time is too short)\n");
    return true;
}
} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(cp932::Narrow(argv[i]));
    LocalFree(argv);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: launcher_bench BIN_FOLDER DEMO_TABLE [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 2 ? std::max(1, std::atoi(args[2].c_str())) : 7;
    try {
        if (!forms::FileExists(args[0] + "\\qvtdock.exe")) {
            std::fprintf(stderr, "no launcher in %s\n", args[0].c_str());
            return 1;
        }
        const std::string table = forms::ReadFileBytes(args[1]);
        std::printf("launcher start-up to ready (hidden; data, icons and settings loaded), "
                    "process start to first idle:\n");
        ProgramFolder demoFolder(args[0]);
        demo::WriteDemoFolder(demo::ReadDemoTable(table, demoFolder.dataFolder),
                              demoFolder.dataFolder);
        if (!Measure("demo data (4 pages)", demoFolder, runs, true))
            return 1;
        ProgramFolder largeFolder(args[0]);
        WriteLargeData(largeFolder.dataFolder, table);
        // Its icons come from the same few files as the demo's, whose caches are warm now.
        if (!Measure("100 pages x 100 slots", largeFolder, std::max(1, runs - 2), false))
            return 1;
        std::printf("trigger to window visible (demo data, hot key Ctrl+Alt+L):\n");
        if (!MeasureHotKey(demoFolder, runs * 3))
            return 1;
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher_bench: %s\n", e.what());
        return 1;
    }
}
