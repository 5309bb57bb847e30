#pragma once
// The icon of each launch slot, as the launcher's icon list holds them: one per slot, in the flat
// slot order. A slot whose icon cannot be had never stops the list from being built.
#include "shared/LaunchData.h"
#include "shared/LaunchShell.h"

// One slot's icon, or the program's main icon in its place.
struct TSlotIcon {
    TShellIconPtr Icon; // null: no icon (or the main icon, when UseMainIcon)
    bool UseMainIcon = false;
};

// The slot's icon (ItemIcon). An item the shell cannot make an icon of (a special folder the
// system lacks raises) gets the shell's default icon; an empty slot whose program has no
// "NULLICON" shows the program's main icon.
[[nodiscard]] TSlotIcon SlotIcon(const TLaunchDataItem& item, TShell& shell);
