#pragma once
// The launch tests' program kb_marker (tests/programs): a copy of it put where a test wants a
// program, and what it reported of how it was started. Windows only.
#include "support/TempDir.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kbtest {

// What kb_marker reported: the command line after the program's name, the working folder, and
// the arguments as the system splits them.
struct MarkerReport {
    std::string args;
    std::string folder;
    std::vector<std::string> argv;
};

// kb_marker beside the test program.
inline std::string MarkerProgram() {
    return forms::ExtractFilePath(forms::ProgramPath()) + "kb_marker.exe";
}

// A copy of kb_marker in the folder, which is made when missing.
inline std::string CopyMarker(const std::string& folder) {
    if (!forms::DirectoryExists(folder))
        MakeDir(folder);
    const std::string copy = folder + "\\kb_marker.exe";
    EXPECT_TRUE(CopyFileW(cp932::Wide(MarkerProgram()).c_str(), cp932::Wide(copy).c_str(), FALSE));
    return copy;
}

// Points kb_marker at a report file in the test's folder (through this process's environment,
// which the programs it starts inherit); Wait gives its report.
class Marker {
public:
    explicit Marker(const TempDir& dir) : report_(dir.File("report.txt")) {
        SetEnvironmentVariableW(L"KB_MARKER", cp932::Wide(report_).c_str());
    }
    ~Marker() { SetEnvironmentVariableW(L"KB_MARKER", nullptr); }
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

    // The report file, for a program started with an environment of its own.
    [[nodiscard]] const std::string& ReportFile() const { return report_; }

    // The report, once the program has written it; none after a generous wait. The report is
    // taken away, so the next start writes a new one.
    std::optional<MarkerReport> Wait() const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string text;
        for (;;) {
            // The file may be there but not yet openable: the program's rename (or a second
            // run's) can still hold it.
            if (Exists(report_)) {
                try {
                    text = ReadBytes(report_);
                    break;
                } catch (const std::runtime_error&) {
                }
            }
            if (std::chrono::steady_clock::now() > end)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        std::vector<std::string> lines = forms::Split(text, '\n');
        if (!lines.empty() && lines.back().empty())
            lines.pop_back(); // the last line's own end
        MarkerReport report;
        report.args = lines.size() > 0 ? lines[0] : "";
        report.folder = lines.size() > 1 ? lines[1] : "";
        if (lines.size() > 2)
            report.argv.assign(lines.begin() + 2, lines.end());
        forms::RemoveFile(report_);
        return report;
    }
    [[nodiscard]] bool Ran() const { return Exists(report_); }

private:
    std::string report_;
};

} // namespace kbtest
