#pragma once
// The shell as the launch routines see it: display names, folder and association queries, item
// identifier lists, starting programs, shell links and icons. LocalShell() is the Windows shell;
// natively it is a stand-in that knows nothing and starts nothing. Texts are code page 932.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// An item identifier list (PIDL) that a shell made; only that shell looks inside.
class TShellPidl {
public:
    virtual ~TShellPidl() = default;
};
using TShellPidlPtr = std::unique_ptr<TShellPidl>;

// An icon that a shell made, owned by whoever holds it.
class TShellIcon {
public:
    virtual ~TShellIcon() = default;
};
using TShellIconPtr = std::unique_ptr<TShellIcon>;

// The fields of a shell link (.lnk, .pif).
struct TShellLink {
    std::string Path; // the target
    std::string Arguments;
    std::string WorkDir;
    int32_t ShowCmd = 1;
    std::string IconFile;
    int32_t IconIndex = 0;
    std::string Description;
};

// A loaded and resolved link, and whether its target path could be read (S_FALSE, a link without
// a path, counts as read).
struct TLoadedLink {
    TShellLink Link;
    bool PathRead = false;
};

// A request to ShellExecute.
struct TShellRun {
    std::string Verb; // empty: the item's default action
    std::string File;
    std::string Params;
    std::string Dir; // empty: none
    int32_t ShowCmd = 1;
};

// A request to ShellExecuteEx on an item identifier list (no file).
struct TShellInvoke {
    std::string Verb;
    std::string Params;
    std::string Dir;
    int32_t ShowCmd = 1;
};

class TShell {
public:
    virtual ~TShell() = default;

    // The shell's display name of a path or an item; none when the shell gives none.
    virtual std::optional<std::string> DisplayName(std::string_view path) = 0;
    virtual std::optional<std::string> DisplayNameOf(const TShellPidl& pidl) = 0;
    // GetDriveKind and GetShellOpenCommand of FileUtils.h.
    virtual int DriveKind(char letter) = 0;
    virtual std::string ShellOpenCommand(std::string_view url) = 0;
    // The program that the system associates with the file; none when there is none.
    virtual std::optional<std::string> AssociatedExe(std::string_view fileName) = 0;

    // The local file system, unless a stand-in overrides them; IsDirectory is FileUtils.h's.
    virtual bool IsDirectory(std::string_view path);
    virtual bool FileExists(std::string_view path);
    // The file's bytes; none when it does not exist or cannot be read.
    virtual std::optional<std::string> ReadFileText(std::string_view path);

    // The item that the desktop folder parses the path into; null when it cannot.
    virtual TShellPidlPtr ParseDisplayName(std::string_view path) = 0;
    // The special folder of the CSIDL number; raises forms::EComError when the system has none.
    virtual TShellPidlPtr SpecialFolder(int csidl) = 0;
    // What SHGetPathFromIDList gives for the item, as it gives it; none when it fails.
    virtual std::optional<std::string> PathOf(const TShellPidl& pidl) = 0;

    // Loads and resolves a link file; none when either fails. Raises forms::EComError when the
    // link object cannot be made.
    virtual std::optional<TLoadedLink> LoadLink(std::string_view fileName) = 0;
    // Writes a link file, replacing one of that name; raises forms::EComError when it cannot.
    virtual void SaveLink(const TShellLink& link, std::string_view fileName) = 0;

    // ShellExecute: above 32 when started, else the shell's error code 0 to 32.
    virtual int32_t Execute(const TShellRun& run) = 0;
    // ShellExecuteEx on the item: 1 when done, 0 when not.
    virtual int32_t Invoke(const TShellPidl& pidl, const TShellInvoke& request) = 0;

    // The shell's large icon of the item; null when it gives none.
    virtual TShellIconPtr IconOf(const TShellPidl& pidl) = 0;
    // The icon at index of a file (ExtractIcon); null when the file has none there.
    virtual TShellIconPtr FileIcon(std::string_view fileName, int index) = 0;
    // The running program's icon resource of that name, as a copy of its own; null when missing.
    virtual TShellIconPtr ProgramIcon(std::string_view name) = 0;
};

TShell& LocalShell();

#ifdef _WIN32
namespace forms {
class TIcon;
}
// Moves the Windows shell's icon into icon; a null icon, or one of another shell, empties it.
void TakeIcon(TShellIconPtr shellIcon, forms::TIcon& icon);
#endif
