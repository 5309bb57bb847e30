// The launch data model: the pages, the flat slot list and their editing, and the page sort.
#include "shared/LaunchData.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/Paths.h"
#include "shared/DataFile.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kNotice[] = "K+Bandeo のランチャーデータ";

TLaunchDataItem EmptySlotValues() {
    TLaunchDataItem item;
    item.Title = kUnregisteredTitle;
    item.ShowCmd = kShowNormal;
    return item;
}

} // namespace

std::unique_ptr<TPageItem> NewPage(std::string_view caption, int32_t count, int32_t value) {
    auto page = std::make_unique<TPageItem>();
    page->Caption = std::string(caption);
    page->BtnCount = count;
    page->Value = value;
    return page;
}

std::unique_ptr<TLaunchDataItem> NewEmptyItem() {
    return std::make_unique<TLaunchDataItem>(EmptySlotValues());
}

void TBaseLaunchList::Error(std::string_view msg) const {
    throw forms::Exception(msg.empty() ? std::string("エラー") : std::string(msg));
}

// A plain copy of each slot: going through the older form's stream would turn non-ASCII texts
// into UTF-8 and back, which does not give every code-page-932 byte sequence back.
void TBaseLaunchList::Assign(const TBaseLaunchList& source) {
    std::vector<std::unique_ptr<TLaunchDataItem>> copies;
    copies.reserve(source.Storage().size());
    for (const auto& item : source.Storage())
        copies.push_back(std::make_unique<TLaunchDataItem>(*item));
    Storage().swap(copies);
}

// ---- The model ----------------------------------------------------------------------------------

TLaunchList::TLaunchList()
    : status_(std::make_unique<TDataStatus>()),
      fileName_(forms::ChangeFileExt(forms::ProgramPath(), ".lst")) {
    status_->ProductName = kDataFileProduct;
    status_->Version = kDataFileVersion;
    status_->Notice = kNotice;
    status_->Value3 = 1;
    AddPage(kNewPageCaption, 1, 0);
}

TLaunchList::~TLaunchList() = default;

TPageItem& TLaunchList::Page(int page) const {
    return *pages_.Items(page);
}

int64_t TLaunchList::FirstSlot(int page) const {
    if (page > pages_.Count())
        throw forms::EListIndexError(page);
    int64_t index = 0;
    for (int p = 0; p < page; ++p)
        index += pages_.Items(p)->BtnCount;
    return index;
}

int TLaunchList::ItemIndex(int page, int slot) const {
    return static_cast<int>(FirstSlot(page) + slot);
}

namespace {
void CheckSlot(int slot, int64_t last) {
    if (slot < 0 || slot > last)
        throw forms::EListIndexError(slot);
}

// A flat index that the list can take; a page count out of step with the list raises here,
// before anything changes.
int FlatIndex(const TBaseLaunchList& list, int64_t index, bool insert) {
    if (index < 0 || index > list.Count() - (insert ? 0 : 1))
        throw forms::EListIndexError(index);
    return static_cast<int>(index);
}
} // namespace

TLaunchDataItem* TLaunchList::Items(int page, int slot) const {
    CheckSlot(slot, int64_t{Page(page).BtnCount} - 1);
    return Items(FlatIndex(*this, FirstSlot(page) + slot, false));
}

int TLaunchList::AddPage(std::string_view caption, int count, int value) {
    std::vector<std::unique_ptr<TLaunchDataItem>> slots;
    for (int i = 0; i < count; ++i)
        slots.push_back(NewEmptyItem());
    auto page = NewPage(caption, count, value);
    Storage().reserve(Storage().size() + slots.size());
    pages_.Add(std::move(page));
    for (auto& slot : slots)
        Storage().push_back(std::move(slot));
    return pages_.Count();
}

void TLaunchList::InsertPage(int index, std::string_view caption, int count, int value) {
    if (index < 0)
        throw forms::EListIndexError(index);
    if (index >= pages_.Count()) {
        AddPage(caption, count, 0);
        return;
    }
    const int at = FlatIndex(*this, FirstSlot(index), true);
    std::vector<std::unique_ptr<TLaunchDataItem>> slots;
    for (int i = 0; i < count; ++i)
        slots.push_back(NewEmptyItem());
    auto page = NewPage(caption, count, value);
    Storage().reserve(Storage().size() + slots.size());
    pages_.Insert(index, std::move(page));
    Storage().insert(Storage().begin() + at, std::make_move_iterator(slots.begin()),
                     std::make_move_iterator(slots.end()));
}

void TLaunchList::DeletePage(int index) {
    if (index < 0 || index >= pages_.Count())
        Error("ページ数が超過しています");
    const int64_t count = std::max<int64_t>(Page(index).BtnCount, 0);
    const int first = FlatIndex(*this, FirstSlot(index), true);
    FlatIndex(*this, first + count, true); // the page's slots all lie in the list
    Storage().erase(Storage().begin() + first, Storage().begin() + first + count);
    pages_.Delete(index);
}

TPageItem* TLaunchList::SetPageBtnCount(int page, int count) {
    TPageItem& item = Page(page);
    item.BtnCount = count > 0 ? count : 1;
    return &item;
}

int TLaunchList::AppendItem(int page, std::unique_ptr<TLaunchDataItem> item) {
    TPageItem& p = Page(page);
    Insert(FlatIndex(*this, FirstSlot(page) + p.BtnCount, true), std::move(item));
    ++p.BtnCount;
    return Count();
}

void TLaunchList::InsertItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item) {
    TPageItem& p = Page(page);
    CheckSlot(slot, p.BtnCount);
    Insert(FlatIndex(*this, FirstSlot(page) + slot, true), std::move(item));
    ++p.BtnCount;
}

void TLaunchList::DeleteItem(int page, int slot) {
    TPageItem& p = Page(page);
    CheckSlot(slot, int64_t{p.BtnCount} - 1);
    const int index = FlatIndex(*this, FirstSlot(page) + slot, false);
    if (p.BtnCount == 1) {
        *Items(index) = EmptySlotValues();
        return;
    }
    Delete(index);
    SetPageBtnCount(page, p.BtnCount - 1);
}

void TLaunchList::ReplaceItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item) {
    PutItem(page, slot, std::move(item));
}

void TLaunchList::PutItem(int page, int slot, std::unique_ptr<TLaunchDataItem> item) {
    CheckSlot(slot, int64_t{Page(page).BtnCount} - 1);
    PutItem(FlatIndex(*this, FirstSlot(page) + slot, false), std::move(item));
}

void TLaunchList::ClearItem(int page, int slot) {
    *Items(page, slot) = EmptySlotValues();
}

// ---- Page sort ----------------------------------------------------------------------------------

// Each key carries its slot's number, and the slots come back by that number: the keys' own
// text cannot give the line back once a use count has more than five digits or a sign.
void SortPageItems(TLaunchList& list, int page, int mode, bool descending,
                   const TTextCompare& compare) {
    const int count = list.Pages().Items(page)->BtnCount;
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        lines.push_back(ItemToLine(*list.Items(page, i)));

    std::vector<int> order(lines.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    if (mode == 0 || mode == 1) {
        std::vector<std::string> keys;
        keys.reserve(lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            keys.push_back(mode == 0 ? TitleOfLine(lines[i]) + " " +
                                           forms::IntToStrPad(static_cast<int64_t>(i), 5)
                                     : forms::IntToStrPad(UseCountOfLine(lines[i]), 5) + lines[i]);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return compare(keys[a], keys[b]) < 0; });
        if (descending)
            std::reverse(order.begin(), order.end());
    }

    std::vector<std::unique_ptr<TLaunchDataItem>> items;
    items.reserve(order.size());
    for (int i : order)
        items.push_back(ItemFromLine(lines[static_cast<size_t>(i)]));
    for (int j = 0; j < count; ++j)
        list.PutItem(page, j, std::move(items[static_cast<size_t>(j)]));
}
