// Files dropped onto the launcher's buttons: the button they were dropped on, else the selected
// button of the current page, takes them. An empty one is registered with the first file; a
// program or shortcut runs with them; a folder or special folder receives them (FileDrop.h
// decides how).
#include "qvtdock/MainForm.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"
#include "forms/win/MessageDialog.h"
#include "forms/win/Screen.h"
#include "qvtdock/AutoHideSuspension.h"
#include "qvtdock/Launching.h"
#include "qvtdock/PageView.h"
#include "qvtdock/ValueDialog.h"
#include "shared/FileUtils.h"
#include "shared/LaunchItems.h"
#include "shared/MouseButtons.h"
#include "shared/TitledMessage.h"

#include <windows.h>

#include <shellapi.h>

using forms::TMsgDlgBtn;
using forms::TMsgDlgType;

namespace {

// The file's short name, when it has one that code page 932 holds.
std::optional<std::string> ShortName(const std::wstring& name) {
    const DWORD size = GetShortPathNameW(name.c_str(), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring shortName(size, L'\0');
    const DWORD got = GetShortPathNameW(name.c_str(), shortName.data(), size);
    if (got == 0 || got >= size)
        return std::nullopt;
    shortName.resize(got);
    return cp932::NarrowExact(shortName);
}

// The dropped paths in drop order. A name that code page 932 cannot hold comes by its short
// name; a file without such a name is left out: by the name it would get, it could be neither
// run nor copied.
std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        const UINT got = DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(got);
        std::optional<std::string> path = cp932::NarrowExact(name);
        if (!path)
            path = ShortName(name);
        if (path && !path->empty())
            paths.push_back(std::move(*path));
    }
    return paths;
}

forms::TStringList StringList(const std::vector<std::string>& lines) {
    forms::TStringList list;
    for (const std::string& line : lines)
        list.Add(line);
    return list;
}

// At the pointer (TitledMessagePlace).
int AskAtPointer(const std::string& text, const char* title) {
    return ShowTitledMessage(text, title, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo},
                             TMsgDlgType::mtCustom, 0, 0);
}
void TellAtPointer(const std::string& text, const char* title) {
    ShowTitledMessage(text, title, {TMsgDlgBtn::mbOK}, TMsgDlgType::mtCustom, 0, 0);
}

} // namespace

void TfmMain::DropFilesMessage(MSG& msg, bool& handled) {
    const auto drop = reinterpret_cast<HDROP>(msg.wParam);
    handled = true;
    const auto release = forms::OnScopeExit([drop] { DragFinish(drop); });
    // A drop that arrives while one is handled (the handling pumps messages), or while a menu,
    // dialog or child program of ours is open, would act behind the user's back: it is released
    // unread.
    if (drop_.Running() || FBusy || state_.Suspensions() > 0 || !HandleAllocated() ||
        !IsWindowEnabled(Handle()))
        return;
    std::vector<std::string> files = DroppedPaths(drop);
    if (files.empty())
        return;
    // A drag from the shell moves no selection: the button under the drop point is selected as
    // a click would select it, without running it.
    if (const std::optional<int> cell = DropCell(msg); cell && *cell != BtnBar->BtnIndex()) {
        BtnBar->SetBtnIndex(*cell);
        UpdateTitleInfo();
    }
    const TDropKeys keys =
        DropKeysOf(IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT), IsKeyDown(VK_MENU));
    const int page = PageTab->TabIndex();
    const int slot = BtnBar->BtnIndex();
    if (!SelectedSlotOf(*FLaunchList, page, slot))
        return;

    drop_.Begin(std::move(files), keys);
    const auto cursor = forms::OnScopeExit([this] {
        forms::Screen.SetCursor(forms::crDefault);
        drop_.End();
    });
    forms::Screen.SetCursor(forms::crHourGlass);
    // The hourglass shows before the shell's work starts.
    forms::Application.ProcessMessages();
    const TAutoHideSuspension suspension(*this);
    // What ran meanwhile may have changed the pages.
    const std::optional<TSelectedSlot> target = SelectedSlotOf(*FLaunchList, page, slot);
    if (!target)
        return;

    if (!target->Item->Path.empty()) {
        const std::string title = target->Item->Title;
        const TItemKind kind = target->Item->Kind;
        const TDropOutcome outcome = DropOutcome(kind, DropOnItem(page, slot));
        if (outcome.CountUse) {
            if (const auto dropped = SelectedSlotOf(*FLaunchList, page, slot))
                CountUse(*dropped->Item);
        } else if (outcome.RunError) {
            TellAtPointer(NotRunnableText(title), kDropRunErrorTitle);
        }
    } else {
        RegisterDroppedPath(page, slot, drop_.Files().front());
    }

    ApplicationEvents1Activate(this);
    if (DropUnlocks(state_.Locked(), FCfg.DropRunLockOff))
        TitleBarLockBtnClick(this);
}

std::optional<int> TfmMain::DropCell(const MSG& msg) {
    POINT point{};
    // False: the point lies outside the client area.
    if (!DragQueryPoint(reinterpret_cast<HDROP>(msg.wParam), &point))
        return std::nullopt;
    // The pop-up hint is a window of its own, and may lie over the bar.
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return std::nullopt;
    ::ClientToScreen(msg.hwnd, &point);
    const forms::TPoint onScreen{point.x, point.y};
    // The bar shows through the base panel only; its cells beyond the base are out of sight.
    const forms::TPoint inBar = BtnBar->ScreenToClient(onScreen);
    if (!Base->ClientRect().Contains(Base->ScreenToClient(onScreen)) ||
        !BtnBar->ClientRect().Contains(inBar))
        return std::nullopt;
    const int cell = BtnBar->BtnIndexAt(inBar.X, inBar.Y);
    if (cell < 0 || cell >= PageButtonCount())
        return std::nullopt;
    return cell;
}

void TfmMain::RegisterDroppedPath(int page, int slot, const std::string& file) {
    const std::string path = GetLongPathNameStr(file);
    if (AskAtPointer(DropRegisterQuestion(path), kDropRegisterTitle) != forms::mrYes)
        return;
    TShell& shell = environment_->Shell();
    if (!SelectedSlotOf(*FLaunchList, page, slot))
        return;
    if (!FLaunchList->SetItemFromPath(page, slot, path, shell)) {
        TellAtPointer(DropRegisterErrorText(path), kDropRegisterErrorTitle);
        return;
    }
    icons_->RenewSlot(page, slot);
    ShowPageButtons();
}

bool TfmMain::DropOnItem(int page, int slot) {
    const TLaunchDataItem& item = *FLaunchList->Items(page, slot);
    TShell& shell = environment_->Shell();
    const TDropPlan plan = PlanDrop(item, drop_.Keys(), FCfg.Dlg, shell);
    drop_.SetFolder(plan.Folder);
    bool done = false;
    switch (plan.Step) {
    case TDropStep::Nothing:
        return false;
    case TDropStep::Run: {
        int32_t result = kNothingRun;
        try {
            result = FLaunchList->RunItem(page, slot, DropParamText(drop_.Files()), 0, shell);
        } catch (const forms::EComError&) {
            // A link that cannot be loaded runs nothing.
        }
        return ShellStarted(result);
    }
    case TDropStep::Choose:
        done = DropToFolder(item.Title, plan.Target);
        break;
    case TDropStep::FileOperation:
    case TDropStep::Shortcuts:
        done = DropIntoFolder(plan);
        break;
    case TDropStep::RecycleBin: {
        const TAutoHideSuspension suspension(*this, TSuspendFor::SystemDialog);
        done = ShellOperationDone(ShellDeleteFiles(Handle(), StringList(drop_.Files()), true));
        break;
    }
    case TDropStep::AskShortcuts:
        done = AskAtPointer(DropShortcutQuestion(item.Title), kDropShortcutTitle) == forms::mrYes &&
               CreateShortcuts(drop_.Files(), plan.Folder, "");
        break;
    }
    if (done && FCfg.Open)
        OpenDropTarget(plan);
    return done;
}

bool TfmMain::DropToFolder(const std::string& title, const std::string& target) {
    TDropPlan choose;
    choose.Step = TDropStep::Choose;
    choose.Folder = drop_.Folder();
    choose.Target = target;
    return DropIntoFolder(ChosenDropPlan(choose, ChooseDropAction(DropChoiceMessage(title))));
}

int TfmMain::ChooseDropAction(const std::string& message) {
    const std::vector<std::string> items(std::begin(kDropChoices), std::end(kDropChoices));
    int index = 0;
    if (!InputChoice(Left() + 16, Top() + 16, kDropChoiceCaption, message, items, index, 0))
        return -1;
    return index;
}

bool TfmMain::CreateShortcuts(const std::vector<std::string>& files, TRootFolder folder,
                              const std::string& target) {
    return CreateDropShortcuts(files, folder, target, environment_->Shell());
}

bool TfmMain::DropIntoFolder(const TDropPlan& plan) {
    switch (plan.Step) {
    case TDropStep::FileOperation: {
        // The shell's confirmations are system dialogs over the launcher.
        const TAutoHideSuspension suspension(*this, TSuspendFor::SystemDialog);
        return ShellOperationDone(ShellFileOperation(Handle(), StringList(drop_.Files()),
                                                     plan.Target, plan.Operation, true));
    }
    case TDropStep::Shortcuts:
        return CreateShortcuts(drop_.Files(), plan.Folder, plan.Target);
    default:
        return false;
    }
}

void TfmMain::OpenDropTarget(const TDropPlan& plan) {
    TShell& shell = environment_->Shell();
    switch (plan.Open) {
    case TDropOpen::Target:
        ShellOpen(plan.Target, "", shell);
        break;
    case TDropOpen::SpecialFolder:
        try {
            const TShellPidlPtr pidl = RootFolderPidl(plan.Folder, shell);
            OpenPidl(*pidl, "", 0, shell);
        } catch (const forms::EComError&) {
            // The folder went away after it took the files: nothing to open.
        }
        break;
    case TDropOpen::None:
        break;
    }
}
