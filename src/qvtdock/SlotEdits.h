#pragma once
// The editing commands of "ボタン(&B)" on the launcher's data: the slot list and, beside it, the
// icon list, one entry per slot in the same flat order. Every edit makes what it needs (names,
// icons) before it changes either list, and then changes both in steps that cannot fail, so the
// two never part, also when making something raises. Icons are made only for pages that hold
// theirs; on other pages an edit leaves the entries without icon, to be made when the page is
// shown. The icon list is abstract here: the launcher keeps TIcon objects, tests keep names.
#include "shared/LaunchData.h"
#include "shared/LaunchItems.h"

#include <functional>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// An icon made for a slot, opaque to the edits.
class TEditIcon {
public:
    virtual ~TEditIcon();
};
using TEditIconPtr = std::unique_ptr<TEditIcon>;

// The icon list beside the slots, and the maker of its icons.
class TSlotIconList {
public:
    virtual ~TSlotIconList();
    [[nodiscard]] virtual int Count() const = 0;
    // The page's slots have their icons, so that slots edited there get theirs at once.
    [[nodiscard]] virtual bool PageHasIcons(int page) const = 0;
    // An empty slot's icon.
    virtual TEditIconPtr MakeEmptyIcon() = 0;
    // The slot's icon; one that cannot be made is the shell's default icon.
    virtual TEditIconPtr MakeIcon(const TLaunchDataItem& item) = 0;
    // 0 <= index <= Count; these do not fail for such an index. A null icon leaves the entry
    // without one.
    virtual void Insert(int index, TEditIconPtr icon) = 0;
    virtual void Replace(int index, TEditIconPtr icon) = 0;
    virtual void Delete(int index) = 0;
};

class TSlotEdits {
public:
    // Both lists must outlive the edits.
    TSlotEdits(TLaunchList& list, TSlotIconList& icons) : list_(list), icons_(icons) {}

    // The slots every new page gets.
    static constexpr int kNewPageSlots = 10;

    // A new page named name with its empty slots: before page, or appended when page is the last
    // page (or names no page, as with no current tab). True when it was inserted before page.
    bool NewPage(int page, const std::string& name);
    // count empty slots at slot, slot + 1 ... of the page, or appended at its end when slot is
    // none. Nothing for a page that does not exist or a slot beyond the page's end.
    void AddSlots(int page, std::optional<int> slot, int count);
    // Deletes the slot and its icon; the page's only slot is emptied instead, and its icon
    // becomes the empty slot's.
    void DeleteSlot(int page, int slot);
    // The slot unregistered, with the empty slot's icon.
    void ClearSlot(int page, int slot);
    // The page's slots by title (0) or use count (1), and each slot's icon made anew.
    void SortPage(int page, int mode, bool descending,
                  const TTextCompare& compare = CompareLocaleText);
    // The slot replaced by item, with item's icon.
    void ReplaceSlot(int page, int slot, std::unique_ptr<TLaunchDataItem> item);

private:
    [[nodiscard]] bool ValidSlot(int page, int slot) const;
    // The page's icon of an empty slot, or none for a page without its icons.
    TEditIconPtr EmptyIconFor(int page);

    TLaunchList& list_;
    TSlotIconList& icons_;
};

// The questions and choices of the editing commands.
// "ページ" and the page count + 1.
[[nodiscard]] std::string ProposedPageName(int pageCount);
[[nodiscard]] std::string DeleteQuestion(const std::string& pageCaption, const std::string& title);
[[nodiscard]] std::string ClearQuestion(const std::string& pageCaption, const std::string& title);

// The sort orders offered, in order: title up, title down, use count up, use count down.
[[nodiscard]] const std::vector<std::string>& SortOrderChoices();
struct TSortOrder {
    int Mode = 0; // 0 title, 1 use count
    bool Descending = false;
};
// None for an index outside the choices.
[[nodiscard]] std::optional<TSortOrder> SortOrderOf(int choice);

// The size settings and what their dialogs offer.
enum class TSizeSetting { BtnSize, FormSize, RowMax };
struct TSizeQuestion {
    const char* Caption;
    const char* Message;
    int Min;
    int Max;
    int Default;
};
[[nodiscard]] const TSizeQuestion& SizeQuestion(TSizeSetting setting);

// The special folders offered for registration, in value order: each one's display name (one
// whose name cannot be had, as a folder the system lacks, is listed under its name in the data
// file), the all-users folders followed by " (All Users)".
[[nodiscard]] std::vector<std::string>
SpecialFolderChoices(const std::function<std::string(TRootFolder)>& displayName);
// The slot registering the folder of choice; none for a choice outside the list or a folder that
// cannot be classified (the system lacks it).
[[nodiscard]] std::unique_ptr<TLaunchDataItem> SpecialFolderItem(int choice, TShell& shell);
