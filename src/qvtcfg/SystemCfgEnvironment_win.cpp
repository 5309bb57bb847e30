#include "qvtcfg/SystemCfgEnvironment.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/win/Application.h"
#include "forms/win/MessageDialog.h"
#include "qvtcfg/SettingsEditor.h"
#include "qvtcfg/StyleEditor.h"
#include "shared/TitledMessage.h"

#include <windows.h>

#include <optional>

namespace {

// A path the system gave, as code page 932 text; none when the code page cannot hold it (a
// changed name would be another file).
std::optional<std::string> ExactPath(const std::wstring& path) {
    bool lossy = false;
    std::string text = cp932::FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), path.size()), &lossy);
    if (lossy || path.empty())
        return std::nullopt;
    return text;
}

// Asks a path function that reports the size it needs when the buffer is too small (and 0 when
// it fails).
template <typename F> std::wstring AskPath(F ask) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = ask(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.assign(n + 1, L'\0');
    }
    return {};
}

} // namespace

std::string TSystemCfgEnvironment::CommandLine() {
    return forms::CommandLine();
}

std::vector<std::string> TSystemCfgEnvironment::ProgramPaths() {
    std::vector<std::string> paths;
    // GetModuleFileNameW cuts a long path instead of asking for room: room for any path.
    std::wstring module(32768, L'\0');
    module.resize(GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size())));
    if (auto path = ExactPath(module))
        paths.push_back(*path);
    const std::wstring longForm =
        AskPath([&module](wchar_t* b, DWORD n) { return GetLongPathNameW(module.c_str(), b, n); });
    if (auto path = ExactPath(longForm); path && (paths.empty() || *path != paths.front()))
        paths.push_back(*path);
    return paths;
}

std::string TSystemCfgEnvironment::FullPath(const std::string& path) {
    const std::wstring wide = cp932::Wide(path);
    const std::wstring full = AskPath(
        [&wide](wchar_t* b, DWORD n) { return GetFullPathNameW(wide.c_str(), n, b, nullptr); });
    return ExactPath(full).value_or("");
}

bool TSystemCfgEnvironment::FileExists(const std::string& path) {
    return forms::FileExists(path);
}

bool TSystemCfgEnvironment::ShowCfgForm(int x, int y, bool centre,
                                        const std::string& settingsPath) {
    return ::ShowCfgForm(x, y, centre, settingsPath);
}

bool TSystemCfgEnvironment::ShowStyleForm(int x, int y, bool centre,
                                          const std::string& settingsPath) {
    return ::ShowStyleForm(x, y, centre, settingsPath);
}

void TSystemCfgEnvironment::TellError(std::string_view message, std::string_view title, int x,
                                      int y) {
    ShowTitledMessage(message, title, {forms::TMsgDlgBtn::mbOK}, forms::TMsgDlgType::mtError, x, y);
}

void TSystemCfgEnvironment::ShowError(std::exception_ptr error) {
    forms::Application.HandleException(error);
}
