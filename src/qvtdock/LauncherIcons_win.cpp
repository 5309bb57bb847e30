#include "qvtdock/LauncherIcons.h"

#include "forms/base/Exceptions.h"
#include "forms/win/Application.h"
#include "qvtdock/PageView.h"
#include "qvtdock/SlotIcons.h"
#include "shared/LaunchItems.h"
#include "shared/LaunchShell.h"

#include <algorithm>
#include <string>

namespace {
class TMadeIcon : public TEditIcon {
public:
    explicit TMadeIcon(std::unique_ptr<forms::TIcon> icon) : Icon(std::move(icon)) {}
    std::unique_ptr<forms::TIcon> Icon;
};

std::unique_ptr<forms::TIcon> Take(TEditIconPtr icon) {
    return icon ? std::move(static_cast<TMadeIcon&>(*icon).Icon) : nullptr;
}

// An icon with what it was made from: a reload keeps the icons of the slots it left alone.
class TSourcedIcon : public forms::TIcon {
public:
    explicit TSourcedIcon(std::string source) : Source(std::move(source)) {}
    const std::string Source;
};

// What an item's icon is made from.
std::string IconSource(const TLaunchDataItem& item) {
    std::string source(1, static_cast<char>(item.Kind));
    for (const std::string* part : {&item.Path, &item.LinkFile, &item.IconFile})
        source.append(*part).push_back('\0');
    return source + std::to_string(item.IconIndex);
}
} // namespace

TLauncherIcons::TLauncherIcons(TIconList& icons, const TLaunchList& list,
                               std::function<TShell&()> shell)
    : icons_(icons), list_(list), shell_(std::move(shell)) {}

// The list's entries may share the empty slots' icon: they go first.
TLauncherIcons::~TLauncherIcons() {
    icons_.Clear();
}

void TLauncherIcons::Rebuild() {
    std::vector<std::unique_ptr<forms::TIcon>> old = std::move(icons_.Storage());
    auto& entries = icons_.Storage();
    entries.clear();
    entries.resize(static_cast<size_t>(list_.Count()));
    pages_.Reset(list_.Count());
    // A slot that still shows what its icon was made from keeps it.
    for (size_t i = 0; i < std::min(old.size(), entries.size()); ++i) {
        const auto* icon = dynamic_cast<const TSourcedIcon*>(old[i].get());
        if (icon && icon->Source == IconSource(*list_.Items(static_cast<int>(i)))) {
            entries[i] = std::move(old[i]);
            pages_.Set(static_cast<int>(i), true);
        }
    }
}

void TLauncherIcons::ShowPage(int page) {
    // An icon list out of step with the slots raises before anything is made in a wrong place.
    if (icons_.Count() != list_.Count())
        throw forms::EListIndexError(icons_.Count());
    const TPageIcons::TWork work = pages_.Show(list_, page);
    auto& entries = icons_.Storage();
    for (const int i : work.Release)
        entries[static_cast<size_t>(i)].reset();
    for (const int i : work.Make)
        entries[static_cast<size_t>(i)] = NewIcon(*list_.Items(i));
}

forms::TIcon* TLauncherIcons::SlotIcon(int page, int slot) {
    if (slot < 0 || slot >= PageBtnCount(list_, page))
        return nullptr;
    const int index = list_.ItemIndex(page, slot);
    if (!icons_.Items(index)) {
        icons_.SetItems(index, NewIcon(*list_.Items(index)));
        pages_.MadeOne(index);
    }
    return icons_.Items(index);
}

void TLauncherIcons::RenewSlot(int page, int slot) {
    if (slot < 0 || slot >= PageBtnCount(list_, page))
        return;
    Replace(list_.ItemIndex(page, slot),
            PageHasIcons(page) ? MakeIcon(*list_.Items(page, slot)) : nullptr);
}

bool TLauncherIcons::PageHasIcons(int page) const {
    return pages_.PageMade(list_, page);
}

TEditIconPtr TLauncherIcons::MakeEmptyIcon() {
    return MakeIcon(*NewEmptyItem());
}

TEditIconPtr TLauncherIcons::MakeIcon(const TLaunchDataItem& item) {
    return std::make_unique<TMadeIcon>(NewIcon(item));
}

void TLauncherIcons::Insert(int index, TEditIconPtr icon) {
    std::unique_ptr<forms::TIcon> made = Take(std::move(icon));
    const bool has = made != nullptr;
    icons_.Insert(index, std::move(made));
    pages_.Insert(index, has);
}

void TLauncherIcons::Replace(int index, TEditIconPtr icon) {
    std::unique_ptr<forms::TIcon> made = Take(std::move(icon));
    const bool has = made != nullptr;
    icons_.SetItems(index, std::move(made));
    pages_.Set(index, has);
}

void TLauncherIcons::Delete(int index) {
    icons_.Delete(index);
    pages_.Delete(index);
}

std::unique_ptr<forms::TIcon> TLauncherIcons::NewIcon(const TLaunchDataItem& item) {
    auto icon = std::make_unique<TSourcedIcon>(IconSource(item));
    if (item.Kind == ikUnregistered) {
        icon->ShareHandle(EmptyIcon().Handle());
        return icon;
    }
    TSlotIcon made = ::SlotIcon(item, shell_());
    if (made.UseMainIcon)
        icon->Assign(forms::Application.Icon());
    else
        TakeIcon(std::move(made.Icon), *icon);
    return icon;
}

const forms::TIcon& TLauncherIcons::EmptyIcon() {
    if (!emptyLoaded_) {
        TSlotIcon made = ::SlotIcon(*NewEmptyItem(), shell_());
        if (made.UseMainIcon)
            emptyIcon_.Assign(forms::Application.Icon());
        else
            TakeIcon(std::move(made.Icon), emptyIcon_);
        emptyLoaded_ = true;
    }
    return emptyIcon_;
}
