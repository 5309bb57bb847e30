#pragma once
// File, folder and shell routines shared by both programs: the file system behind TFileSystem,
// long path names, folder creation and listing, dropped items, the shell's file operations, drive
// kinds, file and URL associations, the recycle bin, the recent documents and the logged-on user.
// Paths are code-page-932 text in the Windows form: '\' and ':' delimit, a trail byte 5C inside a
// double-byte character does not.
#include "forms/base/Strings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One entry that a folder search finds.
struct TFoundFile {
    std::string Name; // the long name, in the letter case that the file system stores
    bool Directory = false;
    bool Hidden = false; // hidden or system
};

// The file system as the routines below see it: the real one, or a stand-in in tests.
class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // The entries that a search for pattern finds, in the system's order; the last component may
    // hold * and ? ("*.*" matches every name). A folder's listing holds "." and ".." too, except
    // at a drive root. Empty when nothing matches. Names that code page 932 cannot hold are left
    // out: they could never be passed back.
    virtual std::vector<TFoundFile> Search(std::string_view pattern) const = 0;
    virtual bool FolderExists(std::string_view path) const = 0;
    // Creates one folder in an existing parent.
    virtual bool CreateFolder(std::string_view path) = 0;
};

// The Win32 file system on Windows. Natively a stand-in that finds nothing and creates nothing,
// so that portable code may call the routines below (paths come back unchanged).
TFileSystem& LocalFileSystem();

// A search for path + "\*.*" finds an entry that is neither hidden nor system: true for every
// visible folder (its listing holds "." for itself) and a drive root with a visible entry.
bool IsDirectory(std::string_view path, const TFileSystem& fs = LocalFileSystem());

// path with every existing component in the long form and letter case that the file system
// stores; a part that is not found stays as written, with its trailing '\' dropped (so C:\ gives
// C:). A path whose folder part is the path itself (C:) and a name with wildcards come back
// unchanged. (Spelled with a suffix: GetLongPathName is a <windows.h> macro.)
std::string GetLongPathNameStr(std::string_view path, const TFileSystem& fs = LocalFileSystem());

// Creates dir and its missing parents; true when the folder exists afterwards. An empty dir
// raises forms::Exception "ディレクトリを作成することができません".
bool ForceDirs(std::string_view dir, TFileSystem& fs = LocalFileSystem());

// Appends the entries of folder that match mask: files by their bare name (by their full path
// when recursing), folders by their bare name when addFolders; folders whose names begin with '.'
// are skipped. Recursion enters the subfolders that match mask.
void ListFiles(forms::TStrings& list, std::string_view folder, bool recurse, std::string_view mask,
               bool addFolders, const TFileSystem& fs = LocalFileSystem());

// A dropped file or folder as paths. A folder (IsDirectory) adds the full paths of its listing
// (ListFiles; entries as ListFiles gives them when recursing) to paths; a file adds its name to
// names and itself to paths. Either list may be null. Returns the base folder with its trailing
// '\': the folder's parent, or the file's folder.
std::string ExpandDropItem(forms::TStrings* names, forms::TStrings* paths, std::string_view item,
                           bool recurse, std::string_view mask, bool addFolders,
                           const TFileSystem& fs = LocalFileSystem());

// Results of the shell file operations besides the shell's own (0 = success).
constexpr int kShellNothingToDo = -1;
constexpr int kShellCancelled = -2; // the user cancelled some or all of the operation
// Operation codes of ShellFileOperation.
constexpr uint16_t kShellMove = 1;
constexpr uint16_t kShellCopy = 2;

// The source list of a shell file operation: every non-empty path converted on its own and
// followed by a NUL, the list ended by a second NUL; empty when there is no path.
std::u16string ShellFileList(const forms::TStrings& files);
// The result to report for what the shell returned: a cancelled operation is never a success.
int ShellOperationResult(int shellResult, bool anyAborted);
// The user name as code page 932; empty when the code page cannot hold it.
std::string LogonNameFromUtf16(std::u16string_view name);

// Drive types as the system reports them.
constexpr uint32_t kDriveRemovable = 2;
constexpr uint32_t kDriveCdRom = 5;
// The kind of a drive from its type and the shell's display name of its root: 0 a floppy (a
// removable drive whose name holds "FD", letter case ignored), 1 another removable drive, 2 a
// CD-ROM drive, -1 every other drive.
int DriveKindOf(uint32_t driveType, std::string_view rootDisplayName);
// The key under HKEY_CLASSES_ROOT that holds the open command of the URL's scheme: the scheme (the
// URL, blanks trimmed, before its first ':'; all of it without one) + "\shell\open\command".
// Empty when the scheme is empty.
std::string ShellOpenCommandKey(std::string_view url);

#ifdef _WIN32
// The program that the system associates with the file (it must exist); none when there is none.
std::optional<std::string> FindAssociatedExe(std::string_view fileName);
// The associated program, or empty when there is none.
std::string GetAssociatedExe(std::string_view fileName);
bool HasAssociatedExe(std::string_view fileName);
// DriveKindOf for the drive letter.
int GetDriveKind(char letter);
// The registered open command of the URL's scheme (the default value of ShellOpenCommandKey);
// empty when the key cannot be opened. The key is only read, never created.
std::string GetShellOpenCommand(std::string_view url);

// The logical drive roots ("C:\"), in the order Windows reports them.
forms::TStringList GetDriveList();
// Empties the recycle bins of all drives; without confirm the shell asks nothing. The shell's
// HRESULT.
int32_t EmptyRecycleBin(bool confirm);
// Clears the shell's list of recent documents.
void ClearRecentDocs();
// The logged-on user's name (at most 255 characters); empty when it cannot be read or code page
// 932 cannot hold it.
std::string GetLogonUserName();
// Deletes the files through the shell into the recycle bin. kShellNothingToDo for an empty
// list, kShellCancelled when the user cancelled, else the shell's result. owner is the HWND of
// the shell's dialogs, or null.
int ShellDeleteFiles(void* owner, const forms::TStrings& files, bool confirm);
// Copies or moves (func) the files into dest through the shell; results as ShellDeleteFiles.
int ShellFileOperation(void* owner, const forms::TStrings& files, std::string_view dest,
                       uint16_t func, bool confirm);
#endif
