#include "qvtdock/LauncherEnvironment.h"

#include "components/FolderPicker.h"
#include "components/TrayIcon.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/win/MessageDialog.h"
#include "shared/FileUtils.h"
#include "shared/LaunchShell.h"
#include "shared/SystemMessageBox.h"

#include <windows.h>

TLauncherEnvironment::~TLauncherEnvironment() = default;

std::string TLauncherEnvironment::ProgramPath() {
    return forms::ProgramPath();
}

std::string TLauncherEnvironment::UserName() {
    return GetLogonUserName();
}

bool TLauncherEnvironment::FolderExists(const std::string& folder) {
    return IsDirectory(folder);
}

bool TLauncherEnvironment::FileExists(const std::string& file) {
    return forms::FileExists(file);
}

void TLauncherEnvironment::MakeFolders(const std::string& folder) {
    ForceDirs(folder);
}

void TLauncherEnvironment::CopyFileOver(const std::string& source, const std::string& target) {
    CopyFileW(cp932::Wide(source).c_str(), cp932::Wide(target).c_str(), FALSE);
}

bool TLauncherEnvironment::Ask(const std::string& caption, const std::string& text) {
    constexpr int kQuestion = 2, kYesNo = 4;
    return ShowMessageBoxEx(text, caption, kQuestion, kYesNo, kForegroundOwner) == IDYES;
}

void TLauncherEnvironment::Tell(const std::string& text) {
    forms::ShowInformation(text);
}

TShell& TLauncherEnvironment::Shell() {
    return LocalShell();
}

std::optional<std::string> TLauncherEnvironment::PickFolder(TSHBrowseForFolderEx& picker) {
    if (!picker.Execute())
        return std::nullopt;
    return picker.SelectedPath();
}

TTrayShell& TLauncherEnvironment::TrayShell() {
    return SystemTrayShell();
}
