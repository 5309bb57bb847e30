#pragma once
// The context menu's composition apart from the window: which of its 23 items and of the 16 of
// "ボタン(&B)" show, which can be chosen and which carry a check, from where the menu was asked
// for and what the selected button is; and the rule that turns the place of the request into the
// menu's context.
#include "qvtdock/InputState.h"

#include <array>
#include <cstdint>

// The menu's items: the top level in its order, then the items of "ボタン(&B)".
enum TMenuItemId : uint8_t {
    miPage,
    miNp,
    miBtnTitle,
    miNon1,
    miBtnOpen,
    miBtnLinkOpen,
    miBtnProp,
    miN2,
    miLink,
    miNon2,
    miBtn,
    miNon3,
    miLock,
    miNotuse,
    miNon4,
    miRegData,
    miSkin,
    miCfg,
    miHelp,
    miAbout,
    miNon5,
    miClose,
    miExit,
    // "ボタン(&B)"
    miNewPage,
    miBtnAdd,
    miBtnDel,
    miBtnCls,
    miBtnsort,
    miN5,
    miRegSpfolder,
    miRegFolder,
    miN4,
    miSave,
    miN3,
    miBtnSize,
    miFormSize,
    miFormVSize,
    miN1,
    miIconStretch,
};
constexpr int kTopMenuItems = 23;
constexpr int kMenuItems = 39;

// What the menu depends on at its opening.
struct TMenuFacts {
    uint8_t Context = mcForm; // a TMenuContext
    // A button of the current page is selected. Without one the menu shows an unregistered
    // button without a title.
    bool HasSlot = false;
    uint8_t Kind = 0; // the selected button's kind (TItemKind)
    bool PathEmpty = true;
    int SlotCount = 0; // the current page's buttons
    bool Busy = false; // a child program or the About box runs
    bool Locked = false;
    bool CallingDisabled = false;
    bool IconStretch = true;
    bool EditorPresent = false; // the data editor's program exists
};

struct TMenuItemState {
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
};

struct TMenuPlan {
    std::array<TMenuItemState, kMenuItems> Items{};
    // The title item shows the selected button's title.
    bool SetTitle = false;
    // "コマンド(&C)" is built for the selected button.
    bool BuildCommands = false;

    [[nodiscard]] const TMenuItemState& operator[](TMenuItemId id) const { return Items[id]; }
};

[[nodiscard]] TMenuPlan PlanMenu(const TMenuFacts& facts);

// Where the menu was asked for, as the window saw it.
struct TMenuRequest {
    uint8_t Context = mcForm; // what the press or key set
    bool PointerStrictlyInWindow = false;
    bool PointerOnHintWindow = false;
    bool BtnPopupHint = false; // the setting
    bool KeyMenu = false;      // the menu key opened the menu
    bool FromTrayIcon = false;
};

struct TMenuContextResult {
    uint8_t Context = mcForm;
    bool ClearKeyMenu = false;
};

// The hint window makes the context 5; a pointer not strictly inside the window (on its border
// too) makes it the keyboard's when the menu key opened the menu, else outside, and clears the
// key flag, except on the hint window while the button hint is on; the tray icon is outside.
[[nodiscard]] TMenuContextResult MenuContextOf(const TMenuRequest& request);
