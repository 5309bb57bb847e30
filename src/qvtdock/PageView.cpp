#include "qvtdock/PageView.h"

std::optional<TSelectedSlot> SelectedSlotOf(const TLaunchList& list, int page, int btnIndex) {
    if (btnIndex < 0 || btnIndex >= PageBtnCount(list, page))
        return std::nullopt;
    return TSelectedSlot{page, btnIndex, list.Items(page, btnIndex)};
}

int PageBtnCount(const TLaunchList& list, int page) {
    if (page < 0 || page >= list.Pages().Count())
        return 0;
    return list.Pages().Items(page)->BtnCount;
}
