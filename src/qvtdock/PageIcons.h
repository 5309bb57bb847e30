#pragma once
// Which slots of the launcher hold their icon: a mirror of the icon list, index for index with the
// slot list, that decides which icons are made and which are given back. Icons are made when a
// page is shown (or for one slot that is asked for), never for the whole data; and when more than
// a bound are held, the pages shown least recently give theirs back first, whole, so that a large
// data file costs the same few icons as a small one. The shown page never gives its icons back,
// so a page larger than the bound holds them all while it is shown.
#include "shared/LaunchData.h"

#include <cstdint>
#include <vector>

class TPageIcons {
public:
    // Slots with their icon at most, whatever the size of the data: far below the 10,000 window,
    // menu and icon objects that Windows allows a process by default.
    static constexpr int kMaxSlots = 2000;

    explicit TPageIcons(int maxSlots = kMaxSlots) : maxSlots_(maxSlots) {}

    // slotCount slots, none with its icon: the data was loaded anew.
    void Reset(int slotCount);
    [[nodiscard]] int Count() const { return static_cast<int>(stamps_.size()); }
    [[nodiscard]] bool Made(int index) const { return stamps_.at(Index(index)) != 0; }
    [[nodiscard]] int MadeCount() const { return made_; }
    // Every slot of the page has its icon; a page without slots has none.
    [[nodiscard]] bool PageMade(const TLaunchList& list, int page) const;

    // What showing a page takes, as flat slot indexes: the icons to give back first, then those
    // to make.
    struct TWork {
        std::vector<int> Release;
        std::vector<int> Make;
    };
    // The page is shown now: its slots without icon get theirs, and while more than the bound are
    // held the other pages give theirs back, the one shown longest ago first. The mirror counts
    // the work as done. The list must have as many slots as the mirror.
    TWork Show(const TLaunchList& list, int page);
    // One slot's icon, made on its own, counts as shown now.
    void MadeOne(int index);

    // The slot list's edits: a slot inserted at a flat index (with its icon or without), deleted,
    // or given or stripped of its icon.
    void Insert(int index, bool made);
    void Delete(int index);
    void Set(int index, bool made);

private:
    [[nodiscard]] size_t Index(int index) const;
    // Gives back, page by page from the one shown longest ago, until the bound is kept.
    void Trim(const TLaunchList& list, int shownPage, std::vector<int>& released);

    int maxSlots_;
    int made_ = 0;
    uint64_t clock_ = 0;
    // Per slot: when it was last shown with its icon; 0 without one.
    std::vector<uint64_t> stamps_;
};
