#include "qvtdock/SlotEdits.h"

#include <array>

TEditIcon::~TEditIcon() = default;
TSlotIconList::~TSlotIconList() = default;

bool TSlotEdits::ValidSlot(int page, int slot) const {
    return page >= 0 && page < list_.Pages().Count() && slot >= 0 &&
           slot < list_.Pages().Items(page)->BtnCount;
}

TEditIconPtr TSlotEdits::EmptyIconFor(int page) {
    return icons_.PageHasIcons(page) ? icons_.MakeEmptyIcon() : nullptr;
}

bool TSlotEdits::NewPage(int page, const std::string& name) {
    // A new page has not been shown: its icons come when it is.
    std::vector<TEditIconPtr> made(kNewPageSlots);
    // InsertPage raises for a negative index: without a current tab the page is appended.
    const bool before = page >= 0 && page < list_.Pages().Count() - 1;
    if (before) {
        list_.InsertPage(page, name, kNewPageSlots, 0);
        for (int i = 0; i < kNewPageSlots; ++i)
            icons_.Insert(list_.ItemIndex(page, i), std::move(made[i]));
    } else {
        list_.AddPage(name, kNewPageSlots, 0);
        for (int i = 0; i < kNewPageSlots; ++i)
            icons_.Insert(icons_.Count(), std::move(made[i]));
    }
    return before;
}

void TSlotEdits::AddSlots(int page, std::optional<int> slot, int count) {
    if (page < 0 || page >= list_.Pages().Count() || count <= 0)
        return;
    const int btnCount = list_.Pages().Items(page)->BtnCount;
    if (slot && (*slot < 0 || *slot > btnCount))
        return;
    std::vector<std::unique_ptr<TLaunchDataItem>> items;
    std::vector<TEditIconPtr> made;
    for (int i = 0; i < count; ++i) {
        items.push_back(NewEmptyItem());
        made.push_back(EmptyIconFor(page));
    }
    for (int i = 0; i < count; ++i) {
        if (!slot) {
            list_.AppendItem(page, std::move(items[i]));
            // The new slot is the page's last.
            const int last = list_.Pages().Items(page)->BtnCount - 1;
            icons_.Insert(list_.ItemIndex(page, last), std::move(made[i]));
        } else {
            list_.InsertItem(page, *slot + i, std::move(items[i]));
            icons_.Insert(list_.ItemIndex(page, *slot + i), std::move(made[i]));
        }
    }
}

void TSlotEdits::DeleteSlot(int page, int slot) {
    if (!ValidSlot(page, slot))
        return;
    const bool onlySlot = list_.Pages().Items(page)->BtnCount == 1;
    TEditIconPtr empty = onlySlot ? EmptyIconFor(page) : nullptr;
    const int index = list_.ItemIndex(page, slot);
    list_.DeleteItem(page, slot);
    if (onlySlot)
        icons_.Replace(index, std::move(empty));
    else
        icons_.Delete(index);
}

void TSlotEdits::ClearSlot(int page, int slot) {
    if (!ValidSlot(page, slot))
        return;
    TEditIconPtr empty = EmptyIconFor(page);
    list_.ClearItem(page, slot);
    icons_.Replace(list_.ItemIndex(page, slot), std::move(empty));
}

void TSlotEdits::SortPage(int page, int mode, bool descending, const TTextCompare& compare) {
    if (page < 0 || page >= list_.Pages().Count())
        return;
    SortPageItems(list_, page, mode, descending, compare);
    // The sort made new slot objects: read them again. All icons are made before any is put in.
    const int count = list_.Pages().Items(page)->BtnCount;
    const bool withIcons = icons_.PageHasIcons(page);
    std::vector<TEditIconPtr> made(static_cast<size_t>(count));
    for (int s = 0; s < count && withIcons; ++s)
        made[static_cast<size_t>(s)] = icons_.MakeIcon(*list_.Items(page, s));
    for (int s = 0; s < count; ++s)
        icons_.Replace(list_.ItemIndex(page, s), std::move(made[s]));
}

void TSlotEdits::ReplaceSlot(int page, int slot, std::unique_ptr<TLaunchDataItem> item) {
    if (!item || !ValidSlot(page, slot))
        return;
    TEditIconPtr icon = icons_.PageHasIcons(page) ? icons_.MakeIcon(*item) : nullptr;
    list_.ReplaceItem(page, slot, std::move(item));
    icons_.Replace(list_.ItemIndex(page, slot), std::move(icon));
}

std::string ProposedPageName(int pageCount) {
    return "ページ" + std::to_string(int64_t{pageCount} + 1);
}

std::string DeleteQuestion(const std::string& pageCaption, const std::string& title) {
    return "[" + pageCaption + "]ページの選択しているボタン\r[ " + title + " ]を削除しますか？";
}

std::string ClearQuestion(const std::string& pageCaption, const std::string& title) {
    return "[" + pageCaption + "]ページの選択しているボタン\r[ " + title +
           " ]の登録情報を削除しますか？";
}

const std::vector<std::string>& SortOrderChoices() {
    static const std::vector<std::string> choices = {
        "タイトル [昇順] A -> Z",
        "タイトル [降順] Z -> A",
        "使用回数 [昇順] 0 -> 9",
        "使用回数 [降順] 9 -> 0",
    };
    return choices;
}

std::optional<TSortOrder> SortOrderOf(int choice) {
    if (choice < 0 || choice >= static_cast<int>(SortOrderChoices().size()))
        return std::nullopt;
    return TSortOrder{choice / 2, choice % 2 == 1};
}

const TSizeQuestion& SizeQuestion(TSizeSetting setting) {
    static const std::array<TSizeQuestion, 3> questions = {{
        {"ボタンサイズの変更", "24～72の間で指定 (標準 40) ", 24, 72, 40},
        {"ボタン横表示数の変更", "10～50の間で指定 (標準 10) ", 10, 50, 10},
        {"ボタン列数の変更", "1～10の間で指定 (標準 1) ", 1, 10, 1},
    }};
    return questions[static_cast<size_t>(setting)];
}

std::vector<std::string>
SpecialFolderChoices(const std::function<std::string(TRootFolder)>& displayName) {
    std::vector<std::string> names;
    for (const TRootFolderEntry& entry : kRootFolders) {
        std::string name;
        try {
            name = displayName(entry.Folder);
        } catch (const std::exception&) {
            name = entry.Name;
        }
        if (entry.Folder >= rfCommonDesktopDirectory && entry.Folder <= rfCommonStartup)
            name += " (All Users)";
        names.push_back(std::move(name));
    }
    return names;
}

std::unique_ptr<TLaunchDataItem> SpecialFolderItem(int choice, TShell& shell) {
    if (choice < 0 || choice >= static_cast<int>(kRootFolders.size()))
        return nullptr;
    auto item = NewEmptyItem();
    try {
        if (!ItemFromRootFolder(kRootFolders[static_cast<size_t>(choice)].Folder, *item, shell))
            return nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
    return item;
}
