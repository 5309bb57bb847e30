// The host build has no shell: nothing has a display name, an association or an item, nothing is
// started, and links and special folders raise the OLE error "not implemented". Files are real.
#include "shared/LaunchShell.h"

#include "forms/base/Exceptions.h"

namespace {
constexpr int32_t kNotImplemented = static_cast<int32_t>(0x80004001u);

class HostShell : public TShell {
public:
    std::optional<std::string> DisplayName(std::string_view) override { return std::nullopt; }
    std::optional<std::string> DisplayNameOf(const TShellPidl&) override { return std::nullopt; }
    int DriveKind(char) override { return -1; }
    std::string ShellOpenCommand(std::string_view) override { return {}; }
    std::optional<std::string> AssociatedExe(std::string_view) override { return std::nullopt; }
    TShellPidlPtr ParseDisplayName(std::string_view) override { return nullptr; }
    TShellPidlPtr SpecialFolder(int) override { throw forms::EComError(kNotImplemented); }
    std::optional<std::string> PathOf(const TShellPidl&) override { return std::nullopt; }
    std::optional<TLoadedLink> LoadLink(std::string_view) override {
        throw forms::EComError(kNotImplemented);
    }
    void SaveLink(const TShellLink&, std::string_view) override {
        throw forms::EComError(kNotImplemented);
    }
    int32_t Execute(const TShellRun&) override { return 0; }
    int32_t Invoke(const TShellPidl&, const TShellInvoke&) override { return 0; }
    TShellIconPtr IconOf(const TShellPidl&) override { return nullptr; }
    TShellIconPtr FileIcon(std::string_view, int) override { return nullptr; }
    TShellIconPtr ProgramIcon(std::string_view) override { return nullptr; }
};
} // namespace

TShell& LocalShell() {
    static HostShell shell;
    return shell;
}
