// The launcher under Wine, measured from outside; each figure is the median of several runs
// beside a floor measured in the same run, on one line "<figure>: median <m> ms, floor <f> ms,
// <r>x" that a script can read:
//  - start-up to ready, from the start of the process to its first idle message loop
//    (WaitForInputIdle), hidden: a bare Win32 program (its floor), the demo data, 10,000 filled
//    and 10,000 empty slots; each run is closed with WM_CLOSE, which times the close;
//  - the hot key to the window visible and painted: on the demo (the floor of the page figures),
//    and on a launcher of 10,000 filled slots whose page was shown before; on that launcher, shown
//    by the hot key, a click on the tab of a page not shown before to that page painted; the
//    return from a data editor that changes nothing (from its end to the launcher painted again).
// A benchmark only: it reports, it asserts nothing.
//   launcher_bench BIN_FOLDER DEMO_TABLE [RUNS]
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/SettingsFile.h"
#include "shared/FileUtils.h"
#include "support/ProcessDriver.h"
#include "support/GuiTest.h"
#include "support/TempDir.h"
#include "support/WideArguments.h"
#include "tools/demo/DemoData.h"

#include <windows.h>

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
// No step waits for a time; a step whose condition never comes fails after this long.
constexpr int kGiveUpMs = 120000;
// Tabs clicked for the page figures (the first ones, which the strip always shows).
constexpr int kTabsClicked = 5;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[ms.size() / 2];
}

void Figure(const char* name, const std::vector<double>& ms, double floor) {
    const double m = Median(ms);
    std::printf("%s: median %.1f ms, floor %.1f ms, %.2fx\n", name, m, floor,
                floor > 0 ? m / floor : 0.0);
    std::fflush(stdout);
}

// Waits until the condition holds; false when it never came.
template <typename F> bool WaitFor(F condition) {
    const auto end = Clock::now() + std::chrono::milliseconds(kGiveUpMs);
    while (!condition()) {
        if (Clock::now() > end)
            return false;
        Sleep(1);
    }
    return true;
}

std::string Folder(const std::string& file) {
    return file.substr(0, file.find_last_of('\\'));
}

std::string OwnFolder() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return Folder(cp932::Narrow(self));
}

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
    [[nodiscard]] kbtest::ProcessOptions Launcher() const {
        kbtest::ProcessOptions options;
        options.program = dir.File("qvtdock.exe");
        options.currentDir = dir.Path();
        return options;
    }
};

// Pages of slots filled with the demo's programs, folders and documents (with their icon files),
// or all empty.
void WriteLargeData(const std::string& dataFolder, const std::string& table, bool filled) {
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
        for (int s = 0; s < kSlots && filled; ++s) {
            TLaunchDataItem& item = *large.List->Items(p, s);
            const TLaunchDataItem& sample = *samples[(p * kSlots + s) % samples.size()];
            item.Kind = sample.Kind;
            item.Title = sample.Title + " " + std::to_string(s + 1);
            item.Path = sample.Path;
            item.LinkFile = sample.LinkFile;
            item.Params = sample.Params;
            item.WorkDir = sample.WorkDir;
            item.IconFile = sample.IconFile;
            item.IconIndex = sample.IconIndex;
            item.Comment = sample.Comment;
            item.ShowCmd = sample.ShowCmd;
        }
    }
    demo::WriteDemoFolder(large, dataFolder);
}

struct Lifetime {
    double startMs = 0, closeMs = 0;
    bool windowAtIdle = false;
};

// One start to ready and its close (WM_CLOSE to the end of the process); none when the program
// did not come up or go.
std::optional<Lifetime> StartOnce(const kbtest::ProcessOptions& options,
                                  const std::wstring& windowClass) {
    const auto start = Clock::now();
    kbtest::ProcessDriver program(options);
    if (!program.WaitForIdle(kGiveUpMs)) {
        std::fprintf(stderr, "%s did not become ready\n", options.program.c_str());
        return std::nullopt;
    }
    Lifetime run;
    run.startMs = MsSince(start);
    run.windowAtIdle = program.FirstWindow(windowClass) != nullptr;
    const HWND window = program.WaitForWindow(windowClass, kGiveUpMs);
    const auto closing = Clock::now();
    if (!window || !kbtest::ProcessDriver::PostClose(window) || !program.WaitForExit(kGiveUpMs)) {
        std::fprintf(stderr, "%s did not close on WM_CLOSE\n", options.program.c_str());
        return std::nullopt;
    }
    run.closeMs = MsSince(closing);
    return run;
}

struct Lifetimes {
    std::vector<double> start, close;
};

struct Program {
    kbtest::ProcessOptions options;
    std::wstring windowClass;
};

// Runs of the programs taken in turn, so that a drift of the machine or of the wineserver during
// the bench weighs on each figure alike and its ratio to a floor measured beside it holds.
std::optional<std::vector<Lifetimes>> StartRuns(const std::vector<Program>& programs, int runs) {
    for (const Program& program : programs) // fills the system's caches
        if (!StartOnce(program.options, program.windowClass))
            return std::nullopt;
    std::vector<Lifetimes> times(programs.size());
    std::vector<bool> windowAtIdle(programs.size(), true);
    for (int i = 0; i < runs; ++i)
        for (size_t p = 0; p < programs.size(); ++p) {
            const std::optional<Lifetime> run =
                StartOnce(programs[p].options, programs[p].windowClass);
            if (!run)
                return std::nullopt;
            times[p].start.push_back(run->startMs);
            times[p].close.push_back(run->closeMs);
            windowAtIdle[p] = windowAtIdle[p] && run->windowAtIdle;
        }
    for (size_t p = 0; p < programs.size(); ++p)
        if (!windowAtIdle[p])
            std::printf("  (%s: the first idle came before its window existed)\n",
                        programs[p].options.program.c_str());
    return times;
}

// The demo's hot key, Ctrl+Alt+L.
void PressHotKey() {
    kbtest::PressKey('L', false, true, true);
}

// The launcher holds the hot key: registering it here fails.
bool HotKeyTaken() {
    constexpr int kProbeId = 0x7F00;
    if (RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT, 'L')) {
        UnregisterHotKey(nullptr, kProbeId);
        return false;
    }
    return true;
}

// The launcher with its window shown, the page figures' controls found.
class ShownLauncher {
public:
    explicit ShownLauncher(const ProgramFolder& folder) : program_(folder.Launcher()) {
        main_ = program_.WaitForWindow(L"TfmMain", kGiveUpMs);
        // Start-up registers the hot key among its last steps: a press before would be lost.
        if (!main_ || !WaitFor(HotKeyTaken))
            return;
        tabs_ = kbtest::FindChildWindow(main_, L"TKTabPanel");
        bar_ = kbtest::FindChildWindow(main_, L"TQvtGrpBtns");
        title_ = kbtest::FindChildWindow(main_, L"TScrlLabel");
        std::vector<std::pair<int, HWND>> buttons;
        for (HWND h = FindWindowExW(main_, nullptr, L"TMarkBtn", nullptr); h;
             h = FindWindowExW(main_, h, L"TMarkBtn", nullptr)) {
            RECT r{};
            GetWindowRect(h, &r);
            buttons.emplace_back(r.left, h);
        }
        std::sort(buttons.begin(), buttons.end());
        if (buttons.size() == 3)
            editorButton_ = buttons[1].second;
        ok_ = tabs_ && bar_ && title_ && editorButton_;
    }
    ShownLauncher(const ShownLauncher&) = delete;
    ShownLauncher& operator=(const ShownLauncher&) = delete;
    ~ShownLauncher() {
        if (main_ && kbtest::ProcessDriver::PostClose(main_))
            program_.WaitForExit(kGiveUpMs);
    }
    [[nodiscard]] bool Ok() const { return ok_; }

    // The hot key pressed once, and the window's change waited for.
    bool ToggleByHotKey(bool show) {
        PressHotKey();
        return WaitFor([&] { return (IsWindowVisible(main_) != FALSE) == show; });
    }
    // The window and its bar have nothing left to paint.
    [[nodiscard]] bool Painted() const {
        return IsWindowVisible(main_) && !GetUpdateRect(bar_, nullptr, FALSE) &&
               !GetUpdateRect(main_, nullptr, FALSE);
    }
    // The page is shown and painted: the title names it.
    bool WaitPagePainted(int page) {
        const std::string caption = "[ページ" + std::to_string(page + 1) + "]";
        return WaitFor(
            [&] { return kbtest::WindowText(title_).rfind(caption, 0) == 0 && Painted(); });
    }
    // The hot key, to the window shown and painted (hidden again after).
    std::optional<double> TimeHotKey() {
        const auto start = Clock::now();
        if (!ToggleByHotKey(true) || !WaitFor([&] { return Painted(); }))
            return std::nullopt;
        const double ms = MsSince(start);
        if (!ToggleByHotKey(false))
            return std::nullopt;
        return ms;
    }
    // A click in the middle of the page's tab.
    void ClickTab(int page) {
        const int width = TabWidth();
        RECT r{};
        GetClientRect(tabs_, &r);
        kbtest::ClickAt(tabs_, page * width + width / 2, r.bottom / 2);
    }
    void ClickEditorButton() { kbtest::ClickAt(editorButton_, 10, 10); }

private:
    // The tabs' width: caption width + 2 x margin (6) + 8, at least "MMMMM", in the form's font.
    int TabWidth() {
        HDC dc = GetDC(tabs_);
        HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                 L"ＭＳ Ｐゴシック");
        HGDIOBJ old = SelectObject(dc, font);
        SIZE caption{}, shortest{};
        GetTextExtentPoint32W(dc, L"ページ1", 4, &caption);
        GetTextExtentPoint32W(dc, L"MMMMM", 5, &shortest);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(tabs_, dc);
        return std::max(caption.cx + 2 * 6 + 8, shortest.cx);
    }

    kbtest::ProcessDriver program_;
    HWND main_ = nullptr, tabs_ = nullptr, bar_ = nullptr, title_ = nullptr;
    HWND editorButton_ = nullptr;
    bool ok_ = false;
};

struct PageTimes {
    std::vector<double> firstShow, shownBefore, reload;
};

// The hot key's runs on one launcher; none when it did not do as told.
std::optional<std::vector<double>> TimeHotKeys(ShownLauncher& launcher, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const std::optional<double> ms = launcher.TimeHotKey();
        if (!ms) {
            std::fprintf(stderr, "the hot key did not show and hide the launcher\n");
            return std::nullopt;
        }
        times.push_back(*ms);
    }
    return times;
}

// A click on the tab of page, on the window shown by the hot key, to that page painted; the
// window hidden again.
std::optional<double> HotKeyAndTab(ShownLauncher& launcher, int page) {
    if (!launcher.ToggleByHotKey(true) || !WaitFor([&] { return launcher.Painted(); }))
        return std::nullopt;
    const auto start = Clock::now();
    launcher.ClickTab(page);
    if (!launcher.WaitPagePainted(page))
        return std::nullopt;
    const double ms = MsSince(start);
    if (!launcher.ToggleByHotKey(false))
        return std::nullopt;
    return ms;
}

long long ReadCounterMark(const std::string& file) {
    return std::atoll(forms::ReadFileBytes(file).c_str());
}

// The page figures and the return from the data editor, on one launcher of the large data.
std::optional<PageTimes> MeasurePages(const ProgramFolder& folder, int runs) {
    const std::string editorFolder = OwnFolder() + "\\stub-editor";
    const std::string mark = editorFolder + "\\ended";
    {
        forms::TSettingsFile ini(folder.dataFolder + "\\qvtdock.ini");
        ini.WriteString("Edit", "DataEditorPath", editorFolder + "\\");
        // Back from the editor, the launcher shows itself: its return ends painted.
        ini.WriteBool("Mouse", "RunHide", false);
    }
    ShownLauncher launcher(folder);
    if (!launcher.Ok()) {
        std::fprintf(stderr, "the launcher showed no window with its controls and hot key\n");
        return std::nullopt;
    }
    PageTimes times;
    // Shown once: page 1 has its icons.
    if (!launcher.ToggleByHotKey(true) || !launcher.WaitPagePainted(0) ||
        !launcher.ToggleByHotKey(false)) {
        std::fprintf(stderr, "the hot key did not show and hide the launcher\n");
        return std::nullopt;
    }
    for (int page = 1; page <= kTabsClicked; ++page) {
        const std::optional<double> ms = HotKeyAndTab(launcher, page);
        if (!ms) {
            std::fprintf(stderr, "page %d did not show by its tab\n", page + 1);
            return std::nullopt;
        }
        times.firstShow.push_back(*ms);
    }
    const std::optional<std::vector<double>> shownBefore = TimeHotKeys(launcher, runs);
    if (!shownBefore)
        return std::nullopt;
    times.shownBefore = *shownBefore;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < std::max(1, runs - 2); ++i) {
        DeleteFileW(cp932::Wide(mark).c_str());
        if (!launcher.ToggleByHotKey(true)) {
            std::fprintf(stderr, "the hot key did not show the launcher\n");
            return std::nullopt;
        }
        launcher.ClickEditorButton();
        if (!WaitFor([&] { return forms::FileExists(mark); }) || !launcher.WaitPagePainted(0)) {
            std::fprintf(stderr, "the launcher did not come back from the data editor\n");
            return std::nullopt;
        }
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        times.reload.push_back(static_cast<double>(now.QuadPart - ReadCounterMark(mark)) * 1000.0 /
                               static_cast<double>(frequency.QuadPart));
        if (!launcher.ToggleByHotKey(false))
            return std::nullopt;
    }
    return times;
}
} // namespace

int main() {
    std::vector<std::string> args;
    for (const std::wstring& arg : kbtest::WideArguments())
        args.push_back(cp932::Narrow(arg));
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
        kbtest::ProcessOptions bare;
        bare.program = OwnFolder() + "\\bench_floor.exe";
        ProgramFolder demoFolder(args[0]), filledFolder(args[0]), emptyFolder(args[0]);
        demo::WriteDemoFolder(demo::ReadDemoTable(table, demoFolder.dataFolder),
                              demoFolder.dataFolder);
        WriteLargeData(filledFolder.dataFolder, table, true);
        WriteLargeData(emptyFolder.dataFolder, table, false);
        const std::optional<std::vector<Lifetimes>> starts =
            StartRuns({{bare, L"TBenchFloor"},
                       {demoFolder.Launcher(), L"TfmMain"},
                       {filledFolder.Launcher(), L"TfmMain"},
                       {emptyFolder.Launcher(), L"TfmMain"}},
                      runs);
        if (!starts)
            return 1;
        const Lifetimes &floor = (*starts)[0], &demoTimes = (*starts)[1];
        const Lifetimes &filled = (*starts)[2], &empty = (*starts)[3];
        const double demoStart = Median(demoTimes.start);
        Figure("start-up demo", demoTimes.start, Median(floor.start));
        Figure("start-up 10000 filled", filled.start, demoStart);
        Figure("start-up 10000 empty", empty.start, demoStart);
        std::optional<std::vector<double>> hotKeys;
        {
            ShownLauncher demoLauncher(demoFolder);
            if (demoLauncher.Ok())
                hotKeys = TimeHotKeys(demoLauncher, runs);
        }
        const std::optional<PageTimes> pages =
            hotKeys ? MeasurePages(filledFolder, runs) : std::nullopt;
        if (!pages)
            return 1;
        const double hotKey = Median(*hotKeys);
        Figure("reload 10000", pages->reload, demoStart);
        Figure("first show of a 100-slot page", pages->firstShow, hotKey);
        Figure("page shown before", pages->shownBefore, hotKey);
        Figure("close 10000", filled.close, Median(demoTimes.close));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher_bench: %s\n", e.what());
        return 1;
    }
}
