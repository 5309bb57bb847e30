#pragma once
// Launch items and the shell: what a path becomes as a slot, the special folders a slot may name,
// what running or opening a slot asks of the shell, which icon a slot shows, and the shortcut
// written for a slot. Every shell request goes through TShell (LaunchShell.h).
#include "shared/LaunchData.h"
#include "shared/LaunchShell.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The special shell folders that a slot of kind 4 names: the value's name is stored in the slot's
// Path, so the names are part of the data file.
enum TRootFolder : uint8_t {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
    rfHistory,
    rfInternetCache,
    rfCookies,
};

struct TRootFolderEntry {
    TRootFolder Folder;
    const char* Name;
    int Csidl; // the shell's special-folder number
};
// Every folder, in value order.
extern const std::array<TRootFolderEntry, 26> kRootFolders;

// The shell verbs that a caller picks by index for items without a file-system path: 0 none (the
// item's default action), then "Edit", "Explore", "Find", "Open", "Print", "Properties".
extern const std::array<const char*, 7> kShellVerbs;
// The verb of the index; an index past the table is none.
std::string_view ShellVerb(uint8_t verb);

// Run results besides the shell's own: nothing was started.
constexpr int32_t kNothingRun = -1;

// The folder whose name equals name (ASCII letters in any case); none for any other name.
std::optional<TRootFolder> RootFolderFromName(std::string_view name);
std::string RootFolderName(TRootFolder folder);
// Raise forms::EComError when the system has no such folder. The path has a trailing backslash,
// or is empty for a folder without a file-system path (rfControlPanel).
TShellPidlPtr RootFolderPidl(TRootFolder folder, TShell& shell = LocalShell());
std::string RootFolderPath(TRootFolder folder, TShell& shell = LocalShell());

// Turning paths into slots; item is filled in place. UseCount and Comment are reset; LinkFile is
// set only for shortcuts and internet shortcuts.
// Rules in order: a drive root of a removable or CD-ROM drive, a folder (both kind 3), a program
// (.EXE .COM .SCR .ICO, kind 1), a control-panel applet (.CPL, kind 5), a shell link (.LNK .PIF,
// kind 6, ResolveShortcut), an internet shortcut (.URL, ReadUrlShortcut), a document with an
// associated program (kind 2); else the unregistered slot and false (so for an empty path).
bool ItemFromPath(std::string_view path, TLaunchDataItem& item, TShell& shell = LocalShell());
// Path is the link file, LinkFile its target; false when the link cannot be loaded or resolved, or
// its target cannot be read. Kind is left as the caller set it.
bool ResolveShortcut(std::string_view path, TLaunchDataItem& item, TShell& shell = LocalShell());
// Path is the URL, LinkFile the .url file; false, with item untouched, when the file is missing
// or holds no URL.
bool ReadUrlShortcut(std::string_view path, TLaunchDataItem& item, TShell& shell = LocalShell());
// A kind-4 slot titled with the folder's display name; always true.
bool ItemFromRootFolder(TRootFolder folder, TLaunchDataItem& item, TShell& shell = LocalShell());

// Running and opening. Results: kNothingRun, or the shell's: ShellExecute above 32 when started
// (else 0 to 32), ShellExecuteEx 1 or 0.
// An item whose shell object cannot be had (a vanished target, a kind-4 name of no folder) runs
// nothing. With a file-system path the verb is not used.
int32_t RunItem(const TLaunchDataItem& item, std::string_view extraParams, uint8_t verb,
                TShell& shell = LocalShell());
int32_t RunItemFile(const TLaunchDataItem& item, std::string_view fileName,
                    std::string_view extraParams, TShell& shell = LocalShell());
// The program associated with Path, given Path, a blank and Params; a URL slot (kind 7) goes to
// OpenUrl, since no program is associated with a URL.
int32_t RunItemByAssociation(const TLaunchDataItem& item, TShell& shell = LocalShell());
// A shortcut into the system's installer cache ("\Installer\{" in LinkFile, any case): its link
// file is run instead of its target.
bool IsInstallerShortcut(const TLaunchDataItem& item);
// Opens a URL with the program registered for its scheme (see SplitOpenCommand); a text with no
// URL in it, or a scheme without such a program, goes to the shell as it is, with params. Either
// way the URL is escaped first (EscapeUrl, UrlText.h), so that it stays one argument.
int32_t OpenUrl(std::string_view url, std::string_view params, TShell& shell = LocalShell());
// The default action on a file, shown normally.
int32_t ShellOpen(std::string_view fileName, std::string_view params, TShell& shell = LocalShell());
// An item with a file-system path opens with ShellOpen (params and verb unused); another one gets
// the verb through ShellExecuteEx.
int32_t OpenPidl(const TShellPidl& pidl, std::string_view params, uint8_t verb,
                 TShell& shell = LocalShell());
// Null for an empty path or one the shell cannot parse.
TShellPidlPtr PidlFromPath(std::string_view path, TShell& shell = LocalShell());
int32_t ShowItemProperties(const TLaunchDataItem& item, TShell& shell = LocalShell());

// A registered open command cut into the program and its parameters for a URL.
struct TOpenCommand {
    // Up to and including ".exe", with the closing quote when quoted.
    std::string Program;
    // The rest with %1, %L and %l replaced by the URL; without any of them, the rest and the URL.
    std::string Params;
};
// None when the command names no ".exe".
std::optional<TOpenCommand> SplitOpenCommand(std::string_view command, std::string_view url);

// Icons and names; every icon belongs to the caller. Where an icon cannot be had the shell's
// default icon (ShellDefaultIcon(0)) stands in.
TShellIconPtr ItemIcon(const TLaunchDataItem& item, TShell& shell = LocalShell());
// The program's "NULLICON" resource.
TShellIconPtr EmptySlotIcon(TShell& shell = LocalShell());
// The icon at index of SHELL32.DLL.
TShellIconPtr ShellDefaultIcon(int index, TShell& shell = LocalShell());
// The shell's icon of the item; the default icon for none.
TShellIconPtr IconOfPidl(const TShellPidl* pidl, TShell& shell = LocalShell());
TShellIconPtr IconFromFile(std::string_view fileName, int index, TShell& shell = LocalShell());
// "UnTitled" when the shell gives no name.
std::string DisplayNameOfPidl(const TShellPidl& pidl, TShell& shell = LocalShell());

// Writes a shell link for the slot into folderPath, or into the special folder when folderPath is
// empty, and tells whether the file exists afterwards; false for a folder without a file-system
// path. An existing link of that name is replaced; a failing write raises forms::EComError.
bool CreateItemShortcut(const TLaunchDataItem& item, TRootFolder folder,
                        std::string_view folderPath, TShell& shell = LocalShell());
// The link's file name for a title: \ / : * ? " < > |, control bytes, a lead byte without its
// trail byte and bytes that are no character become '_'; whole double-byte characters stay (表
// keeps its trail byte 5C). An empty title is "untitled", and a device name (CON, NUL, COM1 ...)
// gets a leading '_'. So the name never leaves its folder.
std::string ShortcutFileName(std::string_view title);
