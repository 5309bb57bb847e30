// An internet shortcut (.url) read into a slot, and its URL opened through the scheme's handler,
// through the shell and through the browser of the settings: whatever the file holds, the URL
// reaches the program as one argument of its own, unchanged but for its escapes.
#include "FuzzTarget.h"

#include "forms/base/StrUtils.h"
#include "qvtcfg/ProgramArguments.h"
#include "qvtdock/Launching.h"
#include "support/FakeShell.h"
#include "shared/FileUtils.h"
#include "shared/LaunchItems.h"
#include "shared/UrlText.h"

namespace {

constexpr char kFile[] = "C:\\データ\\サイト.url";

// The URL is the last argument of the run's parameters, or the file the shell opens.
void CheckOneArgument(const TShellRun& run, const std::string& url) {
    const std::vector<std::string> arguments = SplitArguments(run.Params);
    FUZZ_CHECK((!arguments.empty() && arguments.back() == url) ||
               (run.File == url && run.Params.empty()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kbtest::FakeShell shell;
    const std::string bytes = fuzz::Bytes(data, size);
    shell.files[kFile] = bytes;
    shell.SetOpenCommand("http", "\"C:\\Program Files\\Web\\web.exe\" -osint -url \"%1\"");
    // The bytes as a registered open command too: the URL always reaches its parameters.
    if (const std::optional<TOpenCommand> command = SplitOpenCommand(bytes, "http://h/"))
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
