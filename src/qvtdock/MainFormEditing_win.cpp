// The context menu's composition and the editing commands of "ボタン(&B)": pages, buttons,
// registrations and the launcher's sizes.
#include "qvtdock/MainForm.h"

#include "forms/win/Application.h"
#include "forms/win/MessageDialog.h"
#include "forms/win/Screen.h"
#include "qvtdock/AutoHideSuspension.h"
#include "qvtdock/ContextMenu.h"
#include "qvtdock/DataEditor.h"
#include "qvtdock/ValueDialog.h"
#include "shared/Desktop.h"
#include "shared/LaunchItems.h"
#include "shared/TitledMessage.h"

#include <array>
#include <exception>

using forms::TComponent;

namespace {
// Dialogs and questions open this far inside the window's top-left corner.
constexpr int kDialogOffset = 16;

int AskYesNo(const std::string& text, std::string_view title, int x, int y) {
    return ShowTitledMessage(text, title, {forms::TMsgDlgBtn::mbYes, forms::TMsgDlgBtn::mbNo},
                             forms::TMsgDlgType::mtCustom, x, y);
}
} // namespace

// ---- The menu
// ------------------------------------------------------------------------------------

void TfmMain::PopupMenu1Popup(TComponent* /*sender*/) {
    // The tray icon opens the menu as its popup component; the window's own openings leave it
    // unset, so it is taken back here for the next opening.
    const bool fromTray = dynamic_cast<TTrayIcon*>(PopupMenu1->PopupComponent()) != nullptr;
    PopupMenu1->SetPopupComponent(nullptr);

    TMenuRequest request;
    request.Context = input_.MenuContext();
    request.PointerStrictlyInWindow = StrictlyInside(BoundsRect(), forms::Mouse.CursorPos());
    request.PointerOnHintWindow = IsCursorOnHintWindow();
    request.BtnPopupHint = FCfg.BtnPopupHint;
    request.KeyMenu = input_.KeyMenu();
    request.FromTrayIcon = fromTray;
    const TMenuContextResult context = MenuContextOf(request);
    input_.SetMenuContext(context.Context);
    if (context.ClearKeyMenu)
        input_.SetKeyMenu(false);

    const std::optional<TSelectedSlot> slot = SelectedSlot();
    TMenuFacts facts;
    facts.Context = context.Context;
    facts.HasSlot = slot.has_value();
    if (slot) {
        facts.Kind = slot->Item->Kind;
        facts.PathEmpty = slot->Item->Path.empty();
    }
    facts.SlotCount = PageBtnCount(*FLaunchList, PageTab->TabIndex());
    facts.Busy = FBusy;
    facts.Locked = state_.Locked();
    facts.CallingDisabled = state_.CallingDisabled();
    facts.IconStretch = BtnBar->Stretch();
    facts.EditorPresent =
        environment_->FileExists(DataEditorFile(FCfg, environment_->ProgramPath()));
    const TMenuPlan plan = PlanMenu(facts);

    const std::array<forms::TMenuItem*, kMenuItems> items = {
        mnPage,      Np,       mnBtnTitle,    mnNon1,    mnBtnOpen, mnBtnLinkOpen,
        mnBtnProp,   N2,       mnLink,        mnNon2,    mnBtn,     mnNon3,
        mnLock,      mnNotuse, mnNon4,        mnRegData, mnSkin,    mnCfg,
        mnHelp,      mnAbout,  mnNon5,        mnClose,   mnExit,    mnNewPage,
        mnBtnAdd,    mnBtnDel, mnBtnCls,      mnBtnsort, N5,        mnRegSpfolder,
        mnRegFolder, N4,       mnSave,        N3,        mnBtnSize, nmFormSize,
        nmFormVSize, N1,       mnIconStretch,
    };
    for (int i = 0; i < kMenuItems; ++i) {
        forms::TMenuItem& item = *items[static_cast<size_t>(i)];
        const TMenuItemState& state = plan.Items[static_cast<size_t>(i)];
        item.SetVisible(state.Visible);
        // The command list decides for itself whether it can be opened.
        if (i != miLink)
            item.SetEnabled(state.Enabled);
        if (!item.IsSeparator())
            item.SetChecked(state.Checked);
    }
    if (plan.SetTitle)
        mnBtnTitle->SetCaption(slot->Item->Title);
    if (plan.BuildCommands)
        BuildCommandMenu();
}

// ---- Pages and buttons
// ---------------------------------------------------------------------------

void TfmMain::mnNewPageClick(TComponent* /*sender*/) {
    const TAutoHideSuspension suspension(*this);
    const int p = PageTab->TabIndex();
    std::string name = ProposedPageName(FLaunchList->Pages().Count());
    if (!InputText(Left() + kDialogOffset, Top() + kDialogOffset, "新規ページ追加",
                   "ページ名を入力して下さい。", name))
        return;
    const bool inserted = TSlotEdits(*FLaunchList, *icons_).NewPage(p, name);
    if (inserted)
        PageTab->Tabs().Insert(p, name);
    else
        PageTab->Tabs().Add(name);
    PageTab->Rebuild();
    // The tab index keeps its number: an inserted page is shown, an appended one is not.
    if (p >= 0 && p < PageTab->Tabs().Count())
        PageTab->SetTabIndex(p);
    BuildPageMenu();
    ShowPageButtons();
    UpdateTitleInfo();
}

void TfmMain::mnBtnAddClick(TComponent* /*sender*/) {
    const TAutoHideSuspension suspension(*this);
    const int p = PageTab->TabIndex();
    const int s = BtnBar->BtnIndex();
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    int count = 1;
    if (!InputNumber(Left() + kDialogOffset, Top() + kDialogOffset, 1, 10, "ボタンの追加",
                     "1～10個の間で指定 ", count, 1))
        return;
    // Without a selected button (an empty cell, a page without buttons) they go to the end.
    TSlotEdits(*FLaunchList, *icons_)
        .AddSlots(p, slot ? std::optional<int>(slot->Slot) : std::nullopt, count);
    ShowPageButtons();
    BtnBar->SetBtnIndex(s);
    UpdateTitleInfo();
}

void TfmMain::mnBtnDelClick(TComponent* /*sender*/) {
    const TAutoHideSuspension suspension(*this);
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot || PageBtnCount(*FLaunchList, slot->Page) <= 1)
        return;
    const std::string question =
        DeleteQuestion(FLaunchList->Pages().Items(slot->Page)->Caption, slot->Item->Title);
    if (AskYesNo(question, "ボタンの削除", Left() + kDialogOffset, Top() + kDialogOffset) !=
        forms::mrYes)
        return;
    TSlotEdits(*FLaunchList, *icons_).DeleteSlot(slot->Page, slot->Slot);
    ShowPageButtons();
    BtnBar->SetBtnIndex(0);
    UpdateTitleInfo();
}

void TfmMain::mnBtnClsClick(TComponent* /*sender*/) {
    const TAutoHideSuspension suspension(*this);
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot)
        return;
    const std::string caption = slot->Page < PageTab->Tabs().Count()
                                    ? PageTab->Tabs().Strings(slot->Page)
                                    : FLaunchList->Pages().Items(slot->Page)->Caption;
    if (AskYesNo(ClearQuestion(caption, slot->Item->Title), "登録情報のクリア",
                 Left() + kDialogOffset, Top() + kDialogOffset) != forms::mrYes)
        return;
    TSlotEdits(*FLaunchList, *icons_).ClearSlot(slot->Page, slot->Slot);
    ShowPageButtons();
}

int TfmMain::ChooseSortOrder() {
    const TAutoHideSuspension suspension(*this);
    int index = 0;
    if (!InputChoice(Left() + kDialogOffset, Top() + kDialogOffset, "ボタン並べ替え方法の選択",
                     "並べ替えの基準を選択して下さい", SortOrderChoices(), index, 0))
        return -1;
    return index;
}

void TfmMain::mnBtnsortClick(TComponent* /*sender*/) {
    const int p = PageTab->TabIndex();
    const std::optional<TSortOrder> order = SortOrderOf(ChooseSortOrder());
    if (!order)
        return;
    TSlotEdits(*FLaunchList, *icons_).SortPage(p, order->Mode, order->Descending);
    ShowPageButtons();
    BtnBar->SetBtnIndex(0);
    UpdateTitleInfo();
}

// ---- Registrations
// -------------------------------------------------------------------------------

int TfmMain::ChooseSpecialFolder() {
    const TAutoHideSuspension suspension(*this);
    TShell& shell = environment_->Shell();
    // Each name is asked for on its own: a folder the system lacks raises for itself alone.
    const std::vector<std::string> names = SpecialFolderChoices([&shell](TRootFolder folder) {
        return DisplayNameOfPidl(*RootFolderPidl(folder, shell), shell);
    });
    int index = 0;
    if (!InputChoice(Left() + kDialogOffset, Top() + kDialogOffset, "登録する特殊フォルダの選択",
                     "", names, index, 0))
        return -1;
    return index;
}

void TfmMain::mnRegSpfolderClick(TComponent* /*sender*/) {
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot)
        return;
    const int choice = ChooseSpecialFolder();
    if (choice < 0)
        return;
    // A folder that cannot be classified leaves the slot as it was, without a word.
    std::unique_ptr<TLaunchDataItem> item = SpecialFolderItem(choice, environment_->Shell());
    if (!item)
        return;
    TSlotEdits(*FLaunchList, *icons_).ReplaceSlot(slot->Page, slot->Slot, std::move(item));
    ShowPageButtons();
    UpdateTitleInfo();
}

void TfmMain::mnRegFolderClick(TComponent* /*sender*/) {
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot)
        return;
    const TAutoHideSuspension suspension(*this, TSuspendFor::SystemDialog);
    const std::optional<std::string> path = environment_->PickFolder(*SHBrowseForFolderEx1);
    if (!path)
        return;
    TShell& shell = environment_->Shell();
    auto item = NewEmptyItem();
    try {
        if (!ItemFromPath(*path, *item, shell))
            return;
    } catch (const std::exception&) {
        return;
    }
    TSlotEdits(*FLaunchList, *icons_).ReplaceSlot(slot->Page, slot->Slot, std::move(item));
    ShowPageButtons();
    UpdateTitleInfo();
}

// ---- Sizes
// ---------------------------------------------------------------------------------------

void TfmMain::EditSizeSetting(TSizeSetting setting) {
    const TAutoHideSuspension suspension(*this);
    const TSizeQuestion& question = SizeQuestion(setting);
    std::exception_ptr styleError;
    int value = setting == TSizeSetting::BtnSize    ? BtnBar->BtnSize()
                : setting == TSizeSetting::FormSize ? FCfg.FormSize
                                                    : FCfg.RowMax;
    if (InputNumber(Left() + kDialogOffset, Top() + kDialogOffset, question.Min, question.Max,
                    question.Caption, question.Message, value, question.Default)) {
        switch (setting) {
        case TSizeSetting::BtnSize:
            BtnBar->SetBtnSize(value);
            FCfg.BtnSize = value;
            break;
        case TSizeSetting::FormSize:
            FCfg.FormSize = value;
            break;
        case TSizeSetting::RowMax:
            FCfg.RowMax = value;
            break;
        }
        try {
            ReloadStyleAndPage(true, true);
        } catch (...) {
            styleError = std::current_exception();
        }
        // The new button size shows whole only on a window shown anew.
        if (setting == TSizeSetting::BtnSize && Visible()) {
            Hide();
            Show();
        }
    }
    if (FCfg.BtnPopupHint && FHintSetter) {
        FHintSetter->HideHint();
        ShowButtonHint();
    }
    if (styleError)
        std::rethrow_exception(styleError);
}

void TfmMain::mnBtnSizeClick(TComponent* /*sender*/) {
    EditSizeSetting(TSizeSetting::BtnSize);
}

void TfmMain::nmFormSizeClick(TComponent* /*sender*/) {
    EditSizeSetting(TSizeSetting::FormSize);
}

void TfmMain::nmFormVSizeClick(TComponent* /*sender*/) {
    EditSizeSetting(TSizeSetting::RowMax);
}

void TfmMain::mnIconStretchClick(TComponent* /*sender*/) {
    // The item has checked or unchecked itself.
    FCfg.IconStretch = mnIconStretch->Checked();
    BtnBar->SetStretch(FCfg.IconStretch);
    ReloadStyleAndPage(true, false);
}
