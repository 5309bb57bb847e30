#include "qvtdock/SlotIcons.h"

#include "shared/LaunchItems.h"

TSlotIcon SlotIcon(const TLaunchDataItem& item, TShell& shell) {
    TSlotIcon result;
    try {
        result.Icon = ItemIcon(item, shell);
    } catch (const std::exception&) {
        try {
            result.Icon = ShellDefaultIcon(0, shell);
        } catch (const std::exception&) {
            // No icon at all: the slot stays blank rather than the list unbuilt.
        }
    }
    if (!result.Icon && item.Kind == ikUnregistered)
        result.UseMainIcon = true;
    return result;
}
