#pragma once
// TSHBrowseForFolderEx: asks for a folder with the shell's folder browser. The tree's root and the
// folder selected at the start come from a few special folders or a typed path; the dialog is
// placed centred or at the owner form's client corner; every selection change may set the status
// line and the OK button through OnSelectionChanged. After a successful Execute, SelectedPath holds
// the folder's path (empty for a folder without one, or one that code page 932 cannot hold) and
// SelectedDisplayName the shell's name of it. The decisions live in FolderBrowseRules.h.
#include "components/FolderBrowseRules.h"
#include "forms/base/Component.h"
#include "forms/shell/Pidl.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

using TSHBrowseEvent =
    std::function<void(forms::TComponent* sender, HWND wnd, const std::string& path,
                       std::string& showText, TOKButtonState& okButtonState)>;

class TSHBrowseForFolderEx : public forms::TComponent {
public:
    explicit TSHBrowseForFolderEx(forms::TComponent* owner);

    // Shows the modal browser, owned by the main form; true when a folder was chosen.
    virtual bool Execute();

    // The item of the folder selected at the start, and of the tree's root: a manual choice's
    // path when it names a folder, else the choice's special folder (the desktop for a manual
    // one). Empty when the system has no such folder.
    [[nodiscard]] forms::Pidl GetSelectPidl() const;
    [[nodiscard]] forms::Pidl GetRootPidl() const;
    // The dialog's callback; data is the component.
    static int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM lParam, LPARAM data);

    [[nodiscard]] TShowStyle ShowStyle() const { return showStyle_; }
    void SetShowStyle(TShowStyle value) { showStyle_ = value; }
    [[nodiscard]] TSelectFolder SelectFolder() const { return selectFolder_; }
    void SetSelectFolder(TSelectFolder value) { selectFolder_ = value; }
    [[nodiscard]] const std::string& SelectFolderName() const { return selectFolderName_; }
    void SetSelectFolderName(std::string_view value) { selectFolderName_ = std::string(value); }
    [[nodiscard]] TBrowseRootFolder RootFolder() const { return rootFolder_; }
    void SetRootFolder(TBrowseRootFolder value) { rootFolder_ = value; }
    [[nodiscard]] const std::string& RootFolderName() const { return rootFolderName_; }
    void SetRootFolderName(std::string_view value) { rootFolderName_ = std::string(value); }
    // The text above the tree.
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view value) { caption_ = std::string(value); }
    [[nodiscard]] TSHBrowseOptions Options() const { return options_; }
    void SetOptions(TSHBrowseOptions value) { options_ = value; }
    [[nodiscard]] const std::string& SelectedPath() const { return selectedPath_; }
    [[nodiscard]] const std::string& SelectedDisplayName() const { return selectedDisplayName_; }

    TSHBrowseEvent OnSelectionChanged;

protected:
    // Fires OnSelectionChanged.
    virtual void DoSelectionChanged(HWND wnd, const std::string& path, std::string& showText,
                                    TOKButtonState& okButtonState);

private:
    void Callback(HWND wnd, UINT msg, LPARAM lParam);
    static void Reply(HWND wnd, const TBrowseReply& reply);
    void Place(HWND dialog) const;

    TShowStyle showStyle_ = TShowStyle::ssClient;
    // The item selected at the start, while Execute runs.
    forms::Pidl selectItem_;
    bool showPath_ = false;
    TSelectFolder selectFolder_ = TSelectFolder::sfDrives;
    std::string selectFolderName_;
    std::string selectedPath_;
    std::string rootFolderName_;
    TBrowseRootFolder rootFolder_ = TBrowseRootFolder::rfDesktop;
    std::string selectedDisplayName_;
    std::string caption_;
    TSHBrowseOptions options_{TSHBrowseOption::sboReturnOnlyFSDirs};
};

// The file-system path of a shell item; empty for an item without one and for a path that code
// page 932 cannot hold.
[[nodiscard]] std::string ItemFileSystemPath(PCIDLIST_ABSOLUTE item);
