#pragma once
// The command list of a launch button ("コマンド(&C)") apart from the menu: the entries that a
// slot offers by its kind and special folder, the links that its comment holds, and what each
// command does. The shell's file operations (the recycle bin, the recent documents) are not
// behind TShell: a command that needs one says which, and the window carries it out.
#include "shared/LaunchData.h"
#include "shared/LaunchShell.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The command codes, kept in the entries' tags.
enum TCommandCode : int32_t {
    ccExplorer = 0,        // open the folder in Explorer
    ccEmptyRecycleBin = 1, // the shell asks first
    ccRecycleContents = 2, // move a folder's entries to the recycle bin; the shell asks first
    ccClearRecentDocs = 3,
    ccOpenDrive = 4,
};

// Which handler an entry's click runs.
enum class TCommandClick : uint8_t { None, Command, Url, Mail };

// One entry of the list; a separator has the caption "-" and no handler.
struct TCommandEntry {
    std::string Caption;
    std::string Hint; // the path, URL or address that the entry acts on
    int32_t Tag = 0;
    TCommandClick Click = TCommandClick::None;

    [[nodiscard]] bool IsSeparator() const { return Caption == "-"; }
    friend bool operator==(const TCommandEntry& a, const TCommandEntry& b) {
        return a.Caption == b.Caption && a.Hint == b.Hint && a.Tag == b.Tag && a.Click == b.Click;
    }
};

// A drive root ("C:\") and the shell's name for it.
struct TDriveName {
    std::string Root;
    std::string Name;
};
// The roots in their order, each with the shell's display name (the root itself when the shell
// gives none).
[[nodiscard]] std::vector<TDriveName> DriveNames(const std::vector<std::string>& roots,
                                                 TShell& shell);
// One "DRIVE: <name>" entry per drive, in order, that opens the root.
void AddDriveCommands(std::vector<TCommandEntry>& entries, const std::vector<TDriveName>& drives);

// The drives of the machine, asked for only when a list needs them.
using TDriveSource = std::function<std::vector<TDriveName>()>;
// The slot's entries: by kind (and by special folder for kind 4) the Explorer, recycle-bin,
// recent-documents and drive entries, then the links of the comment (AddCommentLinks). None for
// an unregistered slot.
[[nodiscard]] std::vector<TCommandEntry> CommandEntries(const TLaunchDataItem& item,
                                                        const TDriveSource& drives);
// Appends the comment's links: every URL ("URL: ", FindUrl) in order, then every mail address
// ("MAIL: ", FindMailAddress), after each two-character "\n" of the comment became a blank. A
// separator stands between two groups that both have entries (the entries before, the URLs, the
// addresses), and nowhere else.
void AddCommentLinks(std::vector<TCommandEntry>& entries, std::string_view comment);

// The special folder's name that a command acts on: the slot's Path for kind 4, else empty.
[[nodiscard]] std::string CommandRootName(const TLaunchDataItem& item);

// What the caller still has to do after CarryOutCommand.
enum class TCommandOperation : uint8_t {
    None,
    EmptyRecycleBin,       // EmptyRecycleBin with the shell's confirmation
    RecycleFolderContents, // the folder's entries into the recycle bin, with confirmation
    ClearRecentDocs,
};
struct TCommandOutcome {
    TCommandOperation Operation = TCommandOperation::None;
    std::string Folder; // RecycleFolderContents: the folder, which exists
};
// Carries out command code on path (or on the special folder of rootName): Explorer on the folder
// ("explorer.exe" with ExplorerParams; a special folder without a file-system path opens its item
// with "/e,"), a drive opened, or the operation left to the caller. The recycle command acts only
// on an existing folder. Failures are not reported: an unknown code or special folder, or one
// that the system lacks, does nothing.
TCommandOutcome CarryOutCommand(int32_t code, std::string_view path, std::string_view rootName,
                                TShell& shell);
// Explorer's parameters for a folder: "/e," and the folder in double quotes.
[[nodiscard]] std::string ExplorerParams(std::string_view folder);
