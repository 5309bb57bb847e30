#include "qvtdock/PageIcons.h"

#include "forms/base/Exceptions.h"
#include "qvtdock/PageView.h"

#include <algorithm>

size_t TPageIcons::Index(int index) const {
    if (index < 0 || index >= Count())
        throw forms::EListIndexError(index);
    return static_cast<size_t>(index);
}

void TPageIcons::Reset(int slotCount) {
    stamps_.assign(static_cast<size_t>(std::max(0, slotCount)), 0);
    made_ = 0;
}

bool TPageIcons::PageMade(const TLaunchList& list, int page) const {
    const int count = PageBtnCount(list, page);
    if (count == 0)
        return false;
    const int first = list.ItemIndex(page, 0);
    for (int i = first; i < first + count; ++i)
        if (!Made(i))
            return false;
    return true;
}

TPageIcons::TWork TPageIcons::Show(const TLaunchList& list, int page) {
    if (list.Count() != Count())
        throw forms::EListIndexError(list.Count());
    TWork work;
    const int count = PageBtnCount(list, page);
    if (count == 0)
        return work;
    ++clock_;
    const int first = list.ItemIndex(page, 0);
    for (int i = first; i < first + count; ++i) {
        uint64_t& stamp = stamps_[static_cast<size_t>(i)];
        if (stamp == 0) {
            work.Make.push_back(i);
            ++made_;
        }
        stamp = clock_;
    }
    Trim(list, page, work.Release);
    return work;
}

void TPageIcons::Trim(const TLaunchList& list, int shownPage, std::vector<int>& released) {
    if (made_ <= maxSlots_)
        return;
    struct Held {
        uint64_t Shown;
        int First, Count;
    };
    std::vector<Held> pages;
    int first = 0;
    for (int p = 0; p < list.Pages().Count(); ++p) {
        const int count = list.Pages().Items(p)->BtnCount;
        uint64_t shown = 0;
        for (int i = first; i < first + count; ++i)
            shown = std::max(shown, stamps_[static_cast<size_t>(i)]);
        if (p != shownPage && shown != 0)
            pages.push_back({shown, first, count});
        first += count;
    }
    std::sort(pages.begin(), pages.end(),
              [](const Held& a, const Held& b) { return a.Shown < b.Shown; });
    for (const Held& held : pages) {
        if (made_ <= maxSlots_)
            break;
        for (int i = held.First; i < held.First + held.Count; ++i)
            if (stamps_[static_cast<size_t>(i)] != 0) {
                stamps_[static_cast<size_t>(i)] = 0;
                --made_;
                released.push_back(i);
            }
    }
}

void TPageIcons::MadeOne(int index) {
    uint64_t& stamp = stamps_[Index(index)];
    if (stamp == 0)
        ++made_;
    stamp = ++clock_;
}

void TPageIcons::Insert(int index, bool made) {
    if (index < 0 || index > Count())
        throw forms::EListIndexError(index);
    stamps_.insert(stamps_.begin() + index, made ? ++clock_ : 0);
    made_ += made ? 1 : 0;
}

void TPageIcons::Delete(int index) {
    const size_t i = Index(index);
    made_ -= stamps_[i] != 0 ? 1 : 0;
    stamps_.erase(stamps_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TPageIcons::Set(int index, bool made) {
    if (made)
        MadeOne(index);
    else if (uint64_t& stamp = stamps_[Index(index)]; stamp != 0) {
        stamp = 0;
        --made_;
    }
}
