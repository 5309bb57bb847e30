// An internet shortcut (.url) read into a slot, and its URL opened through the scheme's handler,
// through the shell and through the browser of the settings: whatever the file holds, the URL
// reaches the program as one argument of its own, unchanged but for its escapes.
#include "FuzzTarget.h"

#include "forms/base/StrUtils.h"
#include "qvtcfg/ProgramArguments.h"
#include "qvtdock/Launching.h"
#include "shared/FileUtils.h"
#include "shared/LaunchItems.h"
#include "shared/UrlText.h"

namespace {

constexpr char kFile[] = "C:\\データ\\サイト.url";

// A shell that holds the one file, knows a handler for http and records what it is asked to run.
class UrlShell : public TShell {
public:
    std::string file;
    std::vector<TShellRun> runs;

    std::optional<std::string> ReadFileText(std::string_view path) override {
        return path == kFile ? std::optional(file) : std::nullopt;
    }
    std::string ShellOpenCommand(std::string_view url) override {
        return forms::SameText(ShellOpenCommandKey(url), "http\\shell\\open\\command")
                   ? "\"C:\\Program Files\\Web\\web.exe\" -osint -url \"%1\""
                   : "";
    }
    int32_t Execute(const TShellRun& run) override {
        runs.push_back(run);
        return 42;
    }
    std::optional<std::string> DisplayName(std::string_view) override { return std::nullopt; }
    std::optional<std::string> DisplayNameOf(const TShellPidl&) override { return std::nullopt; }
    int DriveKind(char) override { return -1; }
    std::optional<std::string> AssociatedExe(std::string_view) override { return std::nullopt; }
    bool IsDirectory(std::string_view) override { return false; }
    bool FileExists(std::string_view path) override { return path == kFile; }
    TShellPidlPtr ParseDisplayName(std::string_view) override { return nullptr; }
    TShellPidlPtr SpecialFolder(int) override { return nullptr; }
    std::optional<std::string> PathOf(const TShellPidl&) override { return std::nullopt; }
    std::optional<TLoadedLink> LoadLink(std::string_view) override { return std::nullopt; }
    void SaveLink(const TShellLink&, std::string_view) override {}
    int32_t Invoke(const TShellPidl&, const TShellInvoke&) override { return 0; }
    TShellIconPtr IconOf(const TShellPidl&) override { return nullptr; }
    TShellIconPtr FileIcon(std::string_view, int) override { return nullptr; }
    TShellIconPtr ProgramIcon(std::string_view) override { return nullptr; }
};

// The URL is the last argument of the run's parameters, or the file the shell opens.
void CheckOneArgument(const TShellRun& run, const std::string& url) {
    const std::vector<std::string> arguments = SplitArguments(run.Params);
    FUZZ_CHECK((!arguments.empty() && arguments.back() == url) ||
               (run.File == url && run.Params.empty()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UrlShell shell;
    shell.file = fuzz::Bytes(data, size);
    // The bytes as a registered open command too: the URL always reaches its parameters.
    if (const std::optional<TOpenCommand> command = SplitOpenCommand(shell.file, "http://h/"))
        FUZZ_CHECK(command->Params.find("http://h/") != std::string::npos);

    TLaunchDataItem item;
    if (!ReadUrlShortcut(kFile, item, shell))
        return 0;
    FUZZ_CHECK(item.Kind == ikUrl && !item.Path.empty() && item.LinkFile == kFile);

    TAppCfg cfg;
    cfg.URL = true; // the scheme's handler, or the shell
    OpenUrlWith(cfg, item.Path, shell);
    cfg.URL = false; // the browser of the settings
    cfg.URLExe = "C:\\Web\\web.exe";
    cfg.URLExeParam = "-new-tab";
    OpenUrlWith(cfg, item.Path, shell);
    const std::string url = EscapeUrl(forms::Trim(item.Path));
    for (const TShellRun& run : shell.runs)
        CheckOneArgument(run, url);
    return 0;
}
