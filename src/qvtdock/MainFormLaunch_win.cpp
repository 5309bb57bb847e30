// The main form's commands on the selected button: running it, its folder, its properties and
// its command list.
#include "forms/base/Exceptions.h"
#include "forms/base/Method.h"
#include "forms/win/MessageDialog.h"
#include "qvtdock/AutoHideSuspension.h"
#include "qvtdock/CommandMenu.h"
#include "qvtdock/Launching.h"
#include "qvtdock/MainForm.h"
#include "qvtdock/MenuItems.h"
#include "qvtdock/PageView.h"
#include "shared/FileUtils.h"
#include "shared/TitledMessage.h"

using forms::TComponent;

namespace {

// The launcher's own failure messages: no sound, no icon, OK alone, at the pointer.
void ShowRegistrationError(std::string_view text) {
    ShowTitledMessage(text, kRegistrationErrorTitle, {forms::TMsgDlgBtn::mbOK},
                      forms::TMsgDlgType::mtCustom, 0, 0);
}

const forms::TMenuItem* ClickedEntry(TComponent* sender) {
    return dynamic_cast<const forms::TMenuItem*>(sender);
}

std::vector<std::string> ListOf(const forms::TStrings& strings) {
    std::vector<std::string> list;
    for (int i = 0; i < strings.Count(); ++i)
        list.push_back(strings.Strings(i));
    return list;
}

} // namespace

void TfmMain::LaunchButton(int32_t page, int32_t slot, uint8_t verb) {
    const std::optional<TSelectedSlot> target = SelectedSlotOf(*FLaunchList, page, slot);
    if (!target)
        return;
    const TLaunchVerdict verdict =
        LaunchSlot(*FLaunchList, page, slot, verb, FCfg, state_.Locked(), environment_->Shell());
    if (verdict.Unlock)
        TitleBarLockBtnClick(this);
    if (verdict.Report) {
        const TAutoHideSuspension suspension(*this);
        ShowRegistrationError(NotRunnableText(target->Item->Title));
    }
}

int32_t TfmMain::OpenUrl(const std::string& url) {
    return OpenUrlWith(FCfg, url, environment_->Shell());
}

void TfmMain::mnBtnOpenClick(TComponent* /*sender*/) {
    if (const std::optional<TSelectedSlot> slot = SelectedSlot())
        LaunchButton(slot->Page, slot->Slot, 0);
}

void TfmMain::mnBtnLinkOpenClick(TComponent* /*sender*/) {
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot)
        return;
    if (!OpenRegisteredFolder(*slot->Item, environment_->Shell()))
        ShowRegistrationError(kTargetNotFoundText);
}

void TfmMain::mnBtnPropClick(TComponent* /*sender*/) {
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot)
        return;
    try {
        FLaunchList->ShowProperties(slot->Page, slot->Slot, environment_->Shell());
    } catch (const forms::EComError&) {
        // A special folder that this system lacks has no sheet to show.
    }
}

void TfmMain::BuildCommandMenu() {
    ClearMenuItems(*mnLink);
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    if (!slot || slot->Item->Kind == ikUnregistered) {
        mnLink->SetEnabled(false);
        return;
    }
    TShell& shell = environment_->Shell();
    const TDriveSource drives = [&shell] { return DriveNames(ListOf(GetDriveList()), shell); };
    for (const TCommandEntry& entry : CommandEntries(*slot->Item, drives)) {
        std::function<void(TComponent*)> onClick;
        switch (entry.Click) {
        case TCommandClick::Command:
            onClick = forms::Method(this, &TfmMain::CommandMenuClick);
            break;
        case TCommandClick::Url:
            onClick = forms::Method(this, &TfmMain::UrlMenuClick);
            break;
        case TCommandClick::Mail:
            onClick = forms::Method(this, &TfmMain::MailMenuClick);
            break;
        case TCommandClick::None:
            break;
        }
        AddMenuItem(*mnLink, entry.Caption, entry.Hint, false, entry.Tag, std::move(onClick));
    }
    mnLink->SetEnabled(mnLink->Count() > 0);
}

void TfmMain::CommandMenuClick(TComponent* sender) {
    const forms::TMenuItem* entry = ClickedEntry(sender);
    if (!entry)
        return;
    const std::optional<TSelectedSlot> slot = SelectedSlot();
    const std::string rootName = slot ? CommandRootName(*slot->Item) : std::string();
    RunCommand(static_cast<int32_t>(entry->Tag()), entry->Hint(), rootName);
}

void TfmMain::UrlMenuClick(TComponent* sender) {
    if (const forms::TMenuItem* entry = ClickedEntry(sender))
        OpenUrl(entry->Hint());
}

void TfmMain::MailMenuClick(TComponent* sender) {
    if (const forms::TMenuItem* entry = ClickedEntry(sender))
        OpenMailWith(FCfg, entry->Hint(), environment_->Shell());
}

void TfmMain::RunCommand(int32_t code, const std::string& path, const std::string& rootName) {
    const TCommandOutcome outcome = CarryOutCommand(code, path, rootName, environment_->Shell());
    switch (outcome.Operation) {
    case TCommandOperation::None:
        break;
    case TCommandOperation::EmptyRecycleBin: {
        const TAutoHideSuspension suspension(*this, TSuspendFor::SystemDialog);
        EmptyRecycleBin(true);
        break;
    }
    case TCommandOperation::RecycleFolderContents: {
        forms::TStringList entries;
        ExpandDropItem(nullptr, &entries, outcome.Folder, false, "*.*", true);
        const TAutoHideSuspension suspension(*this, TSuspendFor::SystemDialog);
        ShellDeleteFiles(Handle(), entries, true);
        break;
    }
    case TCommandOperation::ClearRecentDocs:
        ClearRecentDocs();
        break;
    }
}
