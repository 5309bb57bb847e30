// The context menu's composition: which items show where, which can be chosen while a program
// runs, while locked and without the data editor, and the context of a request.
#include "qvtdock/ContextMenu.h"

#include "shared/LaunchData.h"

#include <gtest/gtest.h>

#include <set>

namespace {
constexpr uint8_t kContexts[] = {mcForm,    mcButtonBar, mcPageTab,
                                 mcOutside, mcKeyboard,  mcHintWindow};
constexpr uint8_t kKinds[] = {ikUnregistered, ikProgram, ikFolder, ikSpecialFolder, ikUrl};

TMenuFacts Facts(uint8_t context, uint8_t kind, bool withPath = true) {
    TMenuFacts f;
    f.Context = context;
    f.HasSlot = true;
    f.Kind = kind;
    f.PathEmpty = !withPath;
    f.SlotCount = 5;
    f.EditorPresent = true;
    return f;
}

std::set<int> VisibleTop(const TMenuPlan& plan) {
    std::set<int> shown;
    for (int i = 0; i < kTopMenuItems; ++i)
        if (plan.Items[i].Visible)
            shown.insert(i);
    return shown;
}
} // namespace

// ---- Visibility ---------------------------------------------------------------------------------

TEST(MenuPlan, RegisteredProgramOnTheBar_TitleOpenFolderPropertiesCommandsButtonsEditorQuit) {
    const TMenuPlan plan = PlanMenu(Facts(mcButtonBar, ikProgram));
    EXPECT_EQ(VisibleTop(plan),
              (std::set<int>{miBtnTitle, miNon1, miBtnOpen, miBtnLinkOpen, miBtnProp, miN2, miLink,
                             miNon2, miBtn, miNon4, miRegData, miNon5, miExit}));
    EXPECT_TRUE(plan.SetTitle);
    EXPECT_TRUE(plan.BuildCommands);
}

TEST(MenuPlan, UnregisteredOnTheBar_TitleAndButtonsOnly) {
    const TMenuPlan plan = PlanMenu(Facts(mcButtonBar, ikUnregistered, false));
    EXPECT_EQ(VisibleTop(plan),
              (std::set<int>{miBtnTitle, miNon1, miBtn, miNon4, miRegData, miNon5, miExit}));
    EXPECT_TRUE(plan.SetTitle);
    EXPECT_FALSE(plan.BuildCommands);
    EXPECT_FALSE(plan[miBtnCls].Enabled);
    EXPECT_TRUE(plan[miRegSpfolder].Enabled);
    EXPECT_TRUE(plan[miRegFolder].Enabled);
}

TEST(MenuPlan, OutsideAndTray_OnlyTheLauncherItems) {
    for (const uint8_t kind : kKinds) {
        const TMenuPlan plan = PlanMenu(Facts(mcOutside, kind));
        std::set<int> expected;
        for (int i = miLock; i <= miExit; ++i)
            expected.insert(i);
        EXPECT_EQ(VisibleTop(plan), expected) << int(kind);
        EXPECT_FALSE(plan.BuildCommands);
        EXPECT_FALSE(plan.SetTitle);
    }
}

TEST(MenuPlan, Keyboard_EverythingForAProgramWithAPath) {
    const TMenuPlan plan = PlanMenu(Facts(mcKeyboard, ikProgram));
    EXPECT_EQ(VisibleTop(plan).size(), size_t{kTopMenuItems});
}

TEST(MenuPlan, HintWindow_NoTitleAndNoHideItem) {
    const TMenuPlan plan = PlanMenu(Facts(mcHintWindow, ikProgram));
    EXPECT_FALSE(plan[miBtnTitle].Visible);
    EXPECT_FALSE(plan[miNon1].Visible);
    EXPECT_FALSE(plan[miExit].Visible);
    EXPECT_TRUE(plan[miBtnOpen].Visible);
    EXPECT_TRUE(plan[miClose].Visible);
    EXPECT_FALSE(plan.SetTitle);
    EXPECT_TRUE(plan.BuildCommands);
}

TEST(MenuPlan, FormAndPageTab_PageListWithoutButtonItems) {
    for (const uint8_t context : {mcForm, mcPageTab}) {
        const TMenuPlan plan = PlanMenu(Facts(context, ikProgram));
        EXPECT_TRUE(plan[miPage].Visible);
        EXPECT_FALSE(plan[miBtnTitle].Visible);
        EXPECT_FALSE(plan[miBtnOpen].Visible);
        EXPECT_TRUE(plan[miLink].Visible);
        EXPECT_EQ(plan[miSkin].Visible, context == mcForm);
        EXPECT_EQ(plan[miNon3].Visible, context == mcForm);
    }
}

TEST(MenuPlan, FolderKinds_HaveNoFolderOfTheirOwnToOpen) {
    for (const uint8_t context : {mcButtonBar, mcKeyboard, mcHintWindow}) {
        EXPECT_FALSE(PlanMenu(Facts(context, ikFolder))[miBtnLinkOpen].Visible);
        EXPECT_FALSE(PlanMenu(Facts(context, ikSpecialFolder))[miBtnLinkOpen].Visible);
        EXPECT_TRUE(PlanMenu(Facts(context, ikUrl))[miBtnLinkOpen].Visible);
        EXPECT_TRUE(PlanMenu(Facts(context, ikFolder))[miLink].Visible);
    }
}

TEST(MenuPlan, EmptyPath_HidesOpenAndPropertiesButNotCommands) {
    const TMenuPlan plan = PlanMenu(Facts(mcKeyboard, ikProgram, false));
    EXPECT_FALSE(plan[miBtnOpen].Visible);
    EXPECT_FALSE(plan[miBtnProp].Visible);
    EXPECT_FALSE(plan[miNon2].Visible);
    EXPECT_TRUE(plan[miLink].Visible);
}

TEST(MenuPlan, EveryCase_ButtonSubmenuAndEditorItemsAlwaysShow) {
    for (const uint8_t context : kContexts)
        for (const uint8_t kind : kKinds)
            for (const bool path : {false, true})
                for (const bool slot : {false, true}) {
                    TMenuFacts f = Facts(context, kind, path);
                    f.HasSlot = slot;
                    const TMenuPlan plan = PlanMenu(f);
                    for (int i = kTopMenuItems; i < kMenuItems; ++i)
                        EXPECT_TRUE(plan.Items[i].Visible) << i;
                    EXPECT_TRUE(plan[miSave].Visible);
                    EXPECT_TRUE(plan[miRegData].Visible);
                    EXPECT_TRUE(plan[miNon4].Visible);
                    EXPECT_EQ(plan[miBtn].Visible, context != mcOutside);
                    EXPECT_EQ(plan.BuildCommands,
                              slot && kind != ikUnregistered && context != mcOutside);
                    EXPECT_EQ(plan[miLink].Visible, plan[miN2].Visible);
                }
}

// ---- No selected button
// ---------------------------------------------------------------------------

TEST(MenuPlan, NoSelectedSlot_ShownAsUnregisteredWithoutTitle) {
    for (const uint8_t context : kContexts) {
        TMenuFacts f = Facts(context, ikProgram);
        f.HasSlot = false;
        const TMenuPlan plan = PlanMenu(f);
        EXPECT_FALSE(plan[miBtnTitle].Visible);
        EXPECT_FALSE(plan[miNon1].Visible);
        EXPECT_FALSE(plan[miBtnOpen].Visible);
        EXPECT_FALSE(plan[miLink].Visible);
        EXPECT_FALSE(plan.SetTitle);
        EXPECT_FALSE(plan.BuildCommands);
        EXPECT_FALSE(plan[miBtnDel].Enabled);
        EXPECT_FALSE(plan[miBtnCls].Enabled);
        EXPECT_FALSE(plan[miRegSpfolder].Enabled);
        EXPECT_FALSE(plan[miRegFolder].Enabled);
        EXPECT_TRUE(plan[miBtnAdd].Enabled);
        EXPECT_TRUE(plan[miNewPage].Enabled);
        EXPECT_TRUE(plan[miBtnsort].Enabled);
    }
}

// ---- Enabled and checked
// --------------------------------------------------------------------------

TEST(MenuPlan, OneButtonOnThePage_NoDeleteNoSort) {
    TMenuFacts f = Facts(mcButtonBar, ikProgram);
    f.SlotCount = 1;
    EXPECT_FALSE(PlanMenu(f)[miBtnDel].Enabled);
    EXPECT_FALSE(PlanMenu(f)[miBtnsort].Enabled);
    f.SlotCount = 2;
    EXPECT_TRUE(PlanMenu(f)[miBtnDel].Enabled);
    EXPECT_TRUE(PlanMenu(f)[miBtnsort].Enabled);
}

TEST(MenuPlan, RegisteredSlot_ClearsButRegistersNothing) {
    const TMenuPlan plan = PlanMenu(Facts(mcButtonBar, ikFolder));
    EXPECT_TRUE(plan[miBtnCls].Enabled);
    EXPECT_FALSE(plan[miRegSpfolder].Enabled);
    EXPECT_FALSE(plan[miRegFolder].Enabled);
}

TEST(MenuPlan, Busy_NoProgramsNoHideNoQuitInAnyContext) {
    for (const uint8_t context : kContexts) {
        TMenuFacts f = Facts(context, ikProgram);
        f.Busy = true;
        const TMenuPlan plan = PlanMenu(f);
        for (const TMenuItemId id : {miRegData, miSkin, miCfg, miAbout, miExit, miClose})
            EXPECT_FALSE(plan[id].Enabled) << int(context) << " " << int(id);
        EXPECT_TRUE(plan[miHelp].Enabled);
        EXPECT_TRUE(plan[miLock].Enabled);
    }
}

TEST(MenuPlan, Locked_QuitDisabledAndLockCheckedAlsoFromTheHintWindow) {
    for (const uint8_t context : kContexts) {
        TMenuFacts f = Facts(context, ikProgram);
        f.Locked = true;
        const TMenuPlan plan = PlanMenu(f);
        EXPECT_FALSE(plan[miClose].Enabled) << int(context);
        EXPECT_TRUE(plan[miLock].Checked);
        EXPECT_TRUE(plan[miExit].Enabled);
        EXPECT_TRUE(plan[miSkin].Enabled);
    }
    EXPECT_TRUE(PlanMenu(Facts(mcForm, ikProgram))[miClose].Enabled);
    EXPECT_FALSE(PlanMenu(Facts(mcForm, ikProgram))[miLock].Checked);
}

TEST(MenuPlan, NoDataEditor_EditItemDisabledEverywhere) {
    for (const uint8_t context : kContexts) {
        TMenuFacts f = Facts(context, ikProgram);
        f.EditorPresent = false;
        EXPECT_FALSE(PlanMenu(f)[miRegData].Enabled);
        EXPECT_TRUE(PlanMenu(f)[miRegData].Visible);
        EXPECT_TRUE(PlanMenu(Facts(context, ikProgram))[miRegData].Enabled);
    }
}

TEST(MenuPlan, Checks_FollowCallingDisabledAndIconFitting) {
    TMenuFacts f = Facts(mcForm, ikProgram);
    f.CallingDisabled = true;
    f.IconStretch = false;
    const TMenuPlan plan = PlanMenu(f);
    EXPECT_TRUE(plan[miNotuse].Checked);
    EXPECT_FALSE(plan[miIconStretch].Checked);
    EXPECT_TRUE(PlanMenu(Facts(mcForm, ikProgram))[miIconStretch].Checked);
}

TEST(MenuPlan, ContextOutOfRange_TakenAsTheForm) {
    TMenuFacts f = Facts(200, ikProgram);
    EXPECT_EQ(VisibleTop(PlanMenu(f)), VisibleTop(PlanMenu(Facts(mcForm, ikProgram))));
}

// ---- The context of a request
// ---------------------------------------------------------------------

TEST(MenuContext, PointerInside_KeepsThePlaceOfThePress) {
    TMenuRequest r;
    r.Context = mcPageTab;
    r.PointerStrictlyInWindow = true;
    r.KeyMenu = true;
    const TMenuContextResult c = MenuContextOf(r);
    EXPECT_EQ(c.Context, mcPageTab);
    EXPECT_FALSE(c.ClearKeyMenu);
}

TEST(MenuContext, PointerOutsideOrOnTheBorder_OutsideOrKeyboardAndTheFlagCleared) {
    TMenuRequest r;
    r.Context = mcButtonBar;
    r.PointerStrictlyInWindow = false;
    EXPECT_EQ(MenuContextOf(r).Context, mcOutside);
    EXPECT_TRUE(MenuContextOf(r).ClearKeyMenu);
    r.KeyMenu = true;
    EXPECT_EQ(MenuContextOf(r).Context, mcKeyboard);
    EXPECT_TRUE(MenuContextOf(r).ClearKeyMenu);
}

TEST(MenuContext, HintWindow_ItsOwnWhileTheButtonHintIsOn) {
    TMenuRequest r;
    r.Context = mcForm;
    r.PointerOnHintWindow = true;
    r.BtnPopupHint = true;
    EXPECT_EQ(MenuContextOf(r).Context, mcHintWindow);
    EXPECT_FALSE(MenuContextOf(r).ClearKeyMenu);
    r.BtnPopupHint = false;
    EXPECT_EQ(MenuContextOf(r).Context, mcOutside);
    r.KeyMenu = true;
    EXPECT_EQ(MenuContextOf(r).Context, mcKeyboard);
}

TEST(MenuContext, TrayIcon_AlwaysOutside) {
    TMenuRequest r;
    r.Context = mcButtonBar;
    r.PointerStrictlyInWindow = true;
    r.FromTrayIcon = true;
    EXPECT_EQ(MenuContextOf(r).Context, mcOutside);
    r.PointerOnHintWindow = true;
    r.BtnPopupHint = true;
    EXPECT_EQ(MenuContextOf(r).Context, mcOutside);
}
