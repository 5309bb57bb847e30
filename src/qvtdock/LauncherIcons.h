#pragma once
// The launcher's slot icons (Windows only): its icon list, one entry per slot in the flat slot
// order, in which an entry has its icon only while its page holds icons (PageIcons.h decides
// which). A page's icons are made when it is shown, one slot's when something asks for it; empty
// slots all show one icon, loaded once. The editing commands change the list through this too
// (SlotEdits.h), so it never parts from the slots.
#include "forms/gfx/Icon.h"
#include "qvtdock/PageIcons.h"
#include "qvtdock/SlotEdits.h"
#include "shared/IconList.h"
#include "shared/LaunchData.h"

#include <functional>
#include <memory>

class TShell;

class TLauncherIcons : public TSlotIconList {
public:
    // The lists must outlive this; shell gives the shell that makes the icons.
    TLauncherIcons(TIconList& icons, const TLaunchList& list, std::function<TShell&()> shell);
    ~TLauncherIcons() override;

    // One entry per slot of the list: the data was loaded anew. Only an entry whose slot is made
    // from what its icon was made from keeps it; the others wait for their page to be shown.
    void Rebuild();
    // The page's icons made, and those of the pages shown longest ago given back while more
    // than the bound are held.
    void ShowPage(int page);
    // The slot's icon, made now when its entry has none; null for a slot that is not there.
    forms::TIcon* SlotIcon(int page, int slot);
    // The slot changed: its icon made anew on a page that holds icons, else left to be made.
    void RenewSlot(int page, int slot);
    // Slots holding their icon.
    [[nodiscard]] int MadeCount() const { return pages_.MadeCount(); }

    // The edits' view of the list.
    [[nodiscard]] int Count() const override { return icons_.Count(); }
    [[nodiscard]] bool PageHasIcons(int page) const override;
    TEditIconPtr MakeEmptyIcon() override;
    TEditIconPtr MakeIcon(const TLaunchDataItem& item) override;
    void Insert(int index, TEditIconPtr icon) override;
    void Replace(int index, TEditIconPtr icon) override;
    void Delete(int index) override;

private:
    // A new icon for the slot's item: the shared one of empty slots, or one of its own.
    std::unique_ptr<forms::TIcon> NewIcon(const TLaunchDataItem& item);
    // The empty slots' icon, loaded at its first use: "NULLICON", or the program's icon.
    const forms::TIcon& EmptyIcon();

    TIconList& icons_;
    const TLaunchList& list_;
    std::function<TShell&()> shell_;
    TPageIcons pages_;
    forms::TIcon emptyIcon_;
    bool emptyLoaded_ = false;
};
