#pragma once
// The launch data: pages of launch slots, kept as one flat list of slots in which the slots of a
// page follow those of the pages before it, and its data file (qvtdock.lst): a sectioned,
// comma-separated text in code page 932, and an older binary form that is still read. Then the
// slots' side of the shell: classifying paths, links, special folders, running, icons.
#include "forms/base/ObjectList.h"
#include "shared/DataItem.h"
#include "shared/LaunchShell.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace forms {
class TStream;
}

// What a slot launches; the number is what the data file holds. Held in one byte, so a file may
// give any value from 0 to 255.
enum TItemKind : uint8_t {
    ikUnregistered = 0,
    ikProgram = 1,       // .EXE .COM .SCR .ICO
    ikDocument = 2,      // a file with an associated program
    ikFolder = 3,        // a folder or a drive root
    ikSpecialFolder = 4, // Path holds the special folder's name, e.g. rfControlPanel
    ikControlPanel = 5,  // .CPL
    ikShortcut = 6,      // Path: the .LNK or .PIF file, LinkFile: its target
    ikUrl = 7,           // Path: the URL, LinkFile: the .url file
};

// One launch slot (a button). A new object has every number 0 and every text empty; slots that
// the launcher makes start from NewEmptyItem.
class TLaunchDataItem : public TBaseDataItem {
public:
    TItemKind Kind = ikUnregistered;
    int32_t UseCount = 0;
    std::string Title;
    std::string Path;
    std::string LinkFile;
    std::string Params;
    std::string WorkDir;
    std::string IconFile; // empty: the shell's icon of the item
    int32_t ShowCmd = 0;  // SW_ value for the started program
    int32_t IconIndex = 0;
    std::string Comment;

    void WriteData(forms::TWriter& writer) const override;
    void ReadData(forms::TReader& reader) override;
};

constexpr char kUnregisteredTitle[] = "未登録";
constexpr int32_t kShowNormal = 1; // SW_SHOWNORMAL

// The empty slot: unregistered, titled kUnregisteredTitle, shown normally.
std::unique_ptr<TLaunchDataItem> NewEmptyItem();

// The data file's status record. ProductName and Version identify the format.
class TDataStatus : public TBaseDataItem {
public:
    std::string ProductName;
    std::string Version;
    std::string Notice;
    int32_t Value1 = 0;
    int32_t Value2 = 0;
    int32_t Value3 = 0;

    void WriteData(forms::TWriter& writer) const override;
    void ReadData(forms::TReader& reader) override;

    // One record in the older form; EStreamReadError when the stream holds none.
    void LoadFromStream(forms::TStream& stream);
    void SaveToStream(forms::TStream& stream) const;
    void SaveToFile(std::string_view fileName) const;
};

// One page (a tab) and the number of slots that belong to it.
class TPageItem : public TBaseDataItem {
public:
    std::string Caption;
    int32_t BtnCount = 0;
    int32_t Value = 0;

    void WriteData(forms::TWriter& writer) const override;
    void ReadData(forms::TReader& reader) override;
};

// The pages in tab order. The stream routines hold a count and then the records; a load either
// reads them all or raises and leaves the list as it was.
class TPageList : public forms::TObjectList<TPageItem> {
public:
    void LoadFromStream(forms::TStream& stream);
    void SaveToStream(forms::TStream& stream) const;
    void SaveToFile(std::string_view fileName) const;
};

// A flat, owning list of slots.
class TBaseLaunchList : public forms::TObjectList<TLaunchDataItem> {
public:
    // Stores item at index and frees the slot that stood there.
    void PutItem(int index, std::unique_ptr<TLaunchDataItem> item) {
        SetItems(index, std::move(item));
    }

    // Raises a general exception with msg, or "エラー" when msg is empty.
    [[noreturn]] virtual void Error(std::string_view msg) const;
    // Makes this list hold independent copies of source's slots, in order.
    virtual void Assign(const TBaseLaunchList& source);

    // As TPageList's stream routines, with slot records.
    void LoadFromStream(forms::TStream& stream);
    void SaveToStream(forms::TStream& stream) const;
    void SaveToFile(std::string_view fileName) const;
};

// The whole launch data: status, pages and the flat slot list. Page p owns the BtnCount
// consecutive slots that start at the sum of the BtnCount values of the pages before it.
// A page or slot number outside the list raises EListIndexError and changes nothing; a slot number
// counts only within its page.
class TLaunchList : public TBaseLaunchList {
public:
    // One page "新規ページ" with one empty slot; FileName is the program's path with ".lst".
    TLaunchList();
    ~TLaunchList() override;

    using TBaseLaunchList::Items;
    using TBaseLaunchList::PutItem;

    TDataStatus& Status() { return *status_; }
    const TDataStatus& Status() const { return *status_; }
    TPageList& Pages() { return pages_; }
    const TPageList& Pages() const { return pages_; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string_view name) { fileName_ = std::string(name); }
    // True when the last LoadFromFile read a file.
    bool Loaded() const { return loaded_; }

    // slot plus the slots of the pages before page (slot itself for page 0 or less). The slot
    // number is not checked: callers also ask for the index just after a page's last slot.
    [[nodiscard]] int ItemIndex(int page, int slot) const;
    [[nodiscard]] TLaunchDataItem* Items(int page, int slot) const;

    // Appends a page with count empty slots; returns the number of pages.
    int AddPage(std::string_view caption, int count, int value);
    // Inserts a page before page index with count empty slots where that page's slots began;
    // at or beyond the end it appends (with value 0).
    void InsertPage(int index, std::string_view caption, int count, int value);
    // Frees the page and its slots; raises "ページ数が超過しています" for a page that does not
    // exist.
    void DeletePage(int index);
    // Sets the page's BtnCount, at least 1, without adding or removing slots.
    TPageItem* SetPageBtnCount(int page, int count);

    // Inserts item after the page's last slot; returns the number of slots in all.
    int AppendItem(int page, std::unique_ptr<TLaunchDataItem> item);
    // slot may be the page's BtnCount (insert after its last slot).
    void InsertItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item);
    // Frees the slot; a page's only slot is emptied instead, so no page is left without one.
    void DeleteItem(int page, int slot);
    // The new item takes the slot's place and the old one is freed.
    void ReplaceItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item);
    void PutItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item);
    // Writes the empty slot's values into the existing slot object.
    void ClearItem(int page, int slot);

    // Classifies path into a new slot (ItemFromPath) and stores it at (page, slot) when that
    // succeeds; otherwise the slot stays as it was. The classifier's result.
    bool SetItemFromPath(int page, int slot, std::string_view path, TShell& shell = LocalShell());
    // Runs the slot. A path whose extension is exactly ".url" (lower case) is read as an internet
    // shortcut and its URL opened (0 when it cannot be read); every other slot goes to RunItem.
    int32_t RunItem(int page, int slot, std::string_view extraParams, uint8_t verb,
                    TShell& shell = LocalShell());
    // The shell's Properties sheet of the slot's item.
    void ShowProperties(int page, int slot, TShell& shell = LocalShell());

    // Reads FileName, the text form or else the older form. Loaded tells whether it was read;
    // when it was not, or when an error is raised, the whole model is as it was before.
    void LoadFromFile();
    // Writes the text form to FileName (a temporary file beside it, then replaced).
    void SaveToFile() const;

private:
    struct TLoadedModel;
    friend bool LoadListFromText(TLaunchList& list, std::string_view fileName);
    void TakeOver(TLoadedModel& model) noexcept;
    bool LoadOlderForm();
    TPageItem& Page(int page) const;
    int64_t FirstSlot(int page) const;

    std::unique_ptr<TDataStatus> status_;
    TPageList pages_;
    std::string fileName_;
    bool loaded_ = false;
};

// The text form.
void SaveListAsText(const TLaunchList& list, std::string_view fileName);
// True when the file held an acceptable status line and all three sections; the model is then
// replaced. False leaves it as it was, and so does a raised error.
bool LoadListFromText(TLaunchList& list, std::string_view fileName);

// Record lines. Texts are quoted with inner quotes doubled; CR, LF, byte 1A and NUL inside a text
// are written as blanks, so a record is always one line.
std::string ItemToLine(const TLaunchDataItem& item);
// An empty slot unless the line has 11 fields; EConversionError when Kind is not an integer.
std::unique_ptr<TLaunchDataItem> ItemFromLine(std::string_view line);
std::string StatusToLine(const TDataStatus& status);
std::unique_ptr<TDataStatus> StatusFromLine(std::string_view line);
std::string PageToLine(const TPageItem& page);
std::unique_ptr<TPageItem> PageFromLine(std::string_view line);
// The integer between the line's first and second comma, else 0.
int32_t UseCountOfLine(std::string_view line);
// The third field of the line: an item line's title.
std::string TitleOfLine(std::string_view line);

// Negative, 0 or positive, as a text order.
using TTextCompare = std::function<int(std::string_view, std::string_view)>;
// The user locale's order, letter case ignored (on Windows the system's comparison of the UTF-16
// texts; the host build stands in with ASCII letters without case, then the bytes).
int CompareLocaleText(std::string_view a, std::string_view b);

// Reorders the page's slots: mode 0 by title, 1 by use count, any other mode keeps the order.
// Every slot object of the page is replaced by a new one read back from its data line.
void SortPageItems(TLaunchList& list, int page, int mode, bool descending,
                   const TTextCompare& compare = CompareLocaleText);

// ---- Launch items and the shell ----

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
// URL in it, or a scheme without such a program, goes to the shell as it is, with params.
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
