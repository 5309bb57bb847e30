#pragma once
// The launch data model: pages of launch slots, kept as one flat list of slots in which the slots
// of a page follow those of the pages before it, with the data file's status record, and the sort
// of a page's slots. The data file's forms are in DataFile.h, what a slot launches in
// LaunchItems.h.
#include "forms/base/ObjectList.h"
#include "shared/DataItem.h"
#include "shared/LaunchShell.h"

#include <cstdint>
#include <functional>
#include <memory>
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
// The caption of a page that the model makes itself: a new model's page, and the one page that
// takes the slots of a data file that names no page.
constexpr char kNewPageCaption[] = "新規ページ";

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

// A page record with these values.
std::unique_ptr<TPageItem> NewPage(std::string_view caption, int32_t count, int32_t value);

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
    // One page kNewPageCaption with one empty slot and the status of the data file's format
    // (DataFile.h); FileName is the program's path with ".lst".
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

// Negative, 0 or positive, as a text order.
using TTextCompare = std::function<int(std::string_view, std::string_view)>;
// The user locale's order, letter case ignored (on Windows the system's comparison of the UTF-16
// texts; the host build stands in with ASCII letters without case, then the bytes).
int CompareLocaleText(std::string_view a, std::string_view b);

// Reorders the page's slots: mode 0 by title, 1 by use count, any other mode keeps the order.
// Every slot object of the page is replaced by a new one read back from its data line.
void SortPageItems(TLaunchList& list, int page, int mode, bool descending,
                   const TTextCompare& compare = CompareLocaleText);
