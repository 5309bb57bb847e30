#pragma once
// The page the launcher shows and the button selected on it. The grid's selection is only an
// index: it may name no button (the grid's "nothing selected", an empty cell of the last row) or
// be left over from a page with more buttons. Every command that acts on "the selected button"
// asks here first, and so never asks the list for a slot that is not there.
#include "shared/LaunchData.h"

#include <optional>

struct TSelectedSlot {
    int Page = 0;
    int Slot = 0;
    TLaunchDataItem* Item = nullptr;
};

// The slot at btnIndex of the page, or none when the page does not exist or btnIndex is
// negative or at or beyond the page's button count. The bounds are checked before the list is
// asked; a list whose pages and slots are out of step still raises forms::EListIndexError.
[[nodiscard]] std::optional<TSelectedSlot> SelectedSlotOf(const TLaunchList& list, int page,
                                                          int btnIndex);

// The page's button count; 0 for a page that does not exist.
[[nodiscard]] int PageBtnCount(const TLaunchList& list, int page);
