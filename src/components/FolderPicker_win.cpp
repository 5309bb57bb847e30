#include "components/FolderPicker.h"

#include "forms/base/Codepage.h"
#include "forms/base/ScopeGuard.h"
#include "forms/shell/ComInit.h"
#include "forms/shell/ComPtr.h"
#include "forms/win/Application.h"
#include "forms/win/Form.h"

#include <shlobj.h>

#include <exception>

using namespace forms;

namespace {

// The window that owns the dialog and the shell's requests: the main form.
HWND OwnerWindow() {
    TForm* main = Application.MainForm();
    return main && main->HandleAllocated() ? main->Handle() : nullptr;
}

// The item names a folder, or something with subfolders.
bool IsFolderItem(PCIDLIST_ABSOLUTE item) {
    ComPtr<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    if (FAILED(
            SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(parent.Put()), &child)))
        return false;
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
    if (FAILED(parent->GetAttributesOf(1, &child, &attributes)))
        return false;
    return (attributes & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER)) != 0;
}

// The typed path's item when it names a folder, else the special folder csidl.
Pidl ChoiceItem(bool manual, const std::string& name, int csidl) {
    UseComOnThisThread();
    if (manual && !name.empty()) {
        ComPtr<IShellFolder> desktop;
        if (SUCCEEDED(SHGetDesktopFolder(desktop.Put()))) {
            std::wstring wide = cp932::Wide(name);
            Pidl item;
            if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr,
                                                    item.Put(), nullptr)) &&
                item && IsFolderItem(item.Get()))
                return item;
        }
    }
    Pidl special;
    if (FAILED(SHGetSpecialFolderLocation(OwnerWindow(), csidl, special.Put())))
        return Pidl();
    return special;
}

} // namespace

std::string ItemFileSystemPath(PCIDLIST_ABSOLUTE item) {
    wchar_t path[MAX_PATH] = {};
    if (!item || !SHGetPathFromIDListW(item, path))
        return {};
    return cp932::NarrowExact(path).value_or(std::string());
}

TSHBrowseForFolderEx::TSHBrowseForFolderEx(TComponent* owner) : TComponent(owner) {}

Pidl TSHBrowseForFolderEx::GetSelectPidl() const {
    return ChoiceItem(selectFolder_ == TSelectFolder::sfManual, selectFolderName_,
                      FolderCsidl(selectFolder_));
}

Pidl TSHBrowseForFolderEx::GetRootPidl() const {
    return ChoiceItem(rootFolder_ == TBrowseRootFolder::rfManual, rootFolderName_,
                      FolderCsidl(rootFolder_));
}

bool TSHBrowseForFolderEx::Execute() {
    selectedPath_.clear();
    selectedDisplayName_.clear();
    UseComOnThisThread();
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put())))
        return false;
    selectItem_ = GetSelectPidl();
    const auto forget = OnScopeExit([this] { selectItem_ = Pidl(); });
    const Pidl root = GetRootPidl();
    if (!root)
        return false;
    showPath_ = ShowsPath(options_);

    wchar_t displayName[MAX_PATH] = {};
    const std::wstring title = cp932::Wide(caption_);
    BROWSEINFOW info{};
    info.hwndOwner = OwnerWindow();
    info.pidlRoot = root.Get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BrowseFlags(options_);
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    Pidl chosen;
    {
        const ModalBracket bracket;
        chosen = Pidl(SHBrowseForFolderW(&info));
    }
    if (!chosen)
        return false;
    selectedDisplayName_ = cp932::Narrow(displayName);
    selectedPath_ = ItemFileSystemPath(chosen.Get());
    return true;
}

int CALLBACK TSHBrowseForFolderEx::BrowseCallback(HWND wnd, UINT msg, LPARAM lParam, LPARAM data) {
    auto* self = reinterpret_cast<TSHBrowseForFolderEx*>(data);
    if (!self)
        return 0;
    try {
        self->Callback(wnd, msg, lParam);
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    return 0;
}

void TSHBrowseForFolderEx::Callback(HWND wnd, UINT msg, LPARAM lParam) {
    std::string path, showText;
    TOKButtonState okState = TOKButtonState::obsDefault;
    if (msg == BFFM_SELCHANGED) {
        path = ItemFileSystemPath(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
        DoSelectionChanged(wnd, path, showText, okState);
    }
    Reply(wnd, BrowseReply(showPath_, path, showText, okState));
    if (msg == BFFM_INITIALIZED) {
        // After the status line is cleared: selecting sends a selection change of its own, whose
        // status must stand.
        if (selectItem_)
            SendMessageW(wnd, BFFM_SETSELECTIONW, FALSE,
                         reinterpret_cast<LPARAM>(selectItem_.Get()));
        Place(wnd);
    }
}

void TSHBrowseForFolderEx::Reply(HWND wnd, const TBrowseReply& reply) {
    const std::wstring status = cp932::Wide(reply.StatusText);
    SendMessageW(wnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(status.c_str()));
    if (reply.EnableOk)
        SendMessageW(wnd, BFFM_ENABLEOK, 0, *reply.EnableOk ? 1 : 0);
}

void TSHBrowseForFolderEx::Place(HWND dialog) const {
    switch (showStyle_) {
    case TShowStyle::ssCenterScreen: {
        RECT area{}, box{};
        std::optional<TRect> workArea;
        if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
            workArea = TRect{area.left, area.top, area.right, area.bottom};
        GetWindowRect(dialog, &box);
        if (const auto at =
                CenteredDialogPos(workArea, {box.right - box.left, box.bottom - box.top}))
            SetWindowPos(dialog, nullptr, at->X, at->Y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case TShowStyle::ssClient: {
        auto* form = dynamic_cast<TForm*>(Owner());
        if (!form || !form->HandleAllocated())
            break;
        POINT origin{0, 0};
        ClientToScreen(form->Handle(), &origin);
        SetWindowPos(dialog, nullptr, origin.x, origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case TShowStyle::ssNone:
        break;
    }
}

void TSHBrowseForFolderEx::DoSelectionChanged(HWND wnd, const std::string& path,
                                              std::string& showText,
                                              TOKButtonState& okButtonState) {
    if (OnSelectionChanged)
        OnSelectionChanged(this, wnd, path, showText, okButtonState);
}
