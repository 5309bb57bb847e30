#include "qvtdock/ContextMenu.h"

#include "shared/LaunchData.h"

namespace {
// Visibility by context: V always, - never, P with a path, K with a kind, L with a kind that has
// a folder to open (not a folder or special folder itself).
constexpr char kTable[kTopMenuItems][7] = {
    "V-V-VV", // mnPage
    "----VV", // Np
    "-V--V-", // mnBtnTitle
    "-V--V-", // mnNon1
    "-P--PP", // mnBtnOpen
    "-L--LL", // mnBtnLinkOpen
    "-P--PP", // mnBtnProp
    "KKK-KK", // N2
    "KKK-KK", // mnLink
    "VPV-PP", // mnNon2
    "VVV-VV", // mnBtn
    "V---VV", // mnNon3
    "V--VVV", // mnLock
    "V--VVV", // mnNotuse
    "VVVVVV", // mnNon4
    "VVVVVV", // mnRegData
    "V--VVV", // mnSkin
    "V--VVV", // mnCfg
    "V--VVV", // mnHelp
    "V--VVV", // mnAbout
    "VVVVVV", // mnNon5
    "V--VVV", // mnClose
    "VVVVV-", // mnExit
};
} // namespace

TMenuPlan PlanMenu(const TMenuFacts& facts) {
    TMenuPlan plan;
    const int context = facts.Context <= mcHintWindow ? int{facts.Context} : int{mcForm};
    // No selected button reads as an unregistered one.
    const uint8_t kind = facts.HasSlot ? facts.Kind : uint8_t{ikUnregistered};
    const bool hasPath = facts.HasSlot && !facts.PathEmpty;
    for (int i = 0; i < kTopMenuItems; ++i) {
        bool visible = false;
        switch (kTable[i][context]) {
        case 'V':
            visible = true;
            break;
        case 'P':
            visible = hasPath;
            break;
        case 'K':
            visible = kind != ikUnregistered;
            break;
        case 'L':
            visible = kind != ikUnregistered && kind != ikFolder && kind != ikSpecialFolder;
            break;
        default:
            break;
        }
        plan.Items[i].Visible = visible;
    }
    // A menu without a selected button has no title to show.
    if (!facts.HasSlot) {
        plan.Items[miBtnTitle].Visible = false;
        plan.Items[miNon1].Visible = false;
    }
    plan.SetTitle = facts.HasSlot && plan.Items[miBtnTitle].Visible;
    plan.BuildCommands = context != mcOutside && kind != ikUnregistered;

    const bool manyButtons = facts.SlotCount > 1;
    plan.Items[miBtnCls].Enabled = facts.HasSlot && kind != ikUnregistered;
    plan.Items[miRegSpfolder].Enabled = facts.HasSlot && kind == ikUnregistered;
    plan.Items[miRegFolder].Enabled = plan.Items[miRegSpfolder].Enabled;
    plan.Items[miBtnDel].Enabled = facts.HasSlot && manyButtons;
    plan.Items[miBtnsort].Enabled = manyButtons;

    // Every opening, from the hint window too: nothing that starts a program or ends the
    // launcher while one runs, and no quitting while locked.
    plan.Items[miRegData].Enabled = facts.EditorPresent && !facts.Busy;
    plan.Items[miSkin].Enabled = !facts.Busy;
    plan.Items[miCfg].Enabled = !facts.Busy;
    plan.Items[miAbout].Enabled = !facts.Busy;
    plan.Items[miExit].Enabled = !facts.Busy;
    plan.Items[miClose].Enabled = !facts.Busy && !facts.Locked;

    plan.Items[miLock].Checked = facts.Locked;
    plan.Items[miNotuse].Checked = facts.CallingDisabled;
    plan.Items[miIconStretch].Checked = facts.IconStretch;
    return plan;
}

TMenuContextResult MenuContextOf(const TMenuRequest& request) {
    TMenuContextResult result;
    result.Context = request.Context;
    if (request.PointerOnHintWindow)
        result.Context = mcHintWindow;
    if (!request.PointerStrictlyInWindow &&
        !(request.PointerOnHintWindow && request.BtnPopupHint)) {
        result.Context = request.KeyMenu ? mcKeyboard : mcOutside;
        result.ClearKeyMenu = true;
    }
    if (request.FromTrayIcon)
        result.Context = mcOutside;
    return result;
}
