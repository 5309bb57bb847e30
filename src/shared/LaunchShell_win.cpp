// The Windows shell through the W functions; every text crosses as code page 932. A path that
// code page 932 cannot hold is never handed back as a path. Every call that reaches the shell
// enters COM for the thread first: the link object needs it, and so may the shell extensions
// behind SHGetFileInfo and ShellExecute.
#include "shared/LaunchShell.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/gfx/Icon.h"
#include "forms/shell/ComInit.h"
#include "forms/shell/ComPtr.h"
#include "forms/shell/Pidl.h"
#include "shared/FileUtils.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <stdexcept>

namespace {
class WinPidl : public TShellPidl {
public:
    explicit WinPidl(forms::Pidl p) : pidl(std::move(p)) {}
    forms::Pidl pidl;
};

class WinIcon : public TShellIcon {
public:
    forms::TIcon icon;
};

PCIDLIST_ABSOLUTE Raw(const TShellPidl& pidl) {
    const auto* own = dynamic_cast<const WinPidl*>(&pidl);
    if (!own)
        throw std::invalid_argument("an item identifier list of another shell");
    return own->pidl.Get();
}

TShellIconPtr IconPtr(HICON h) {
    // ExtractIcon gives 1 for a file that is no icon source.
    if (reinterpret_cast<uintptr_t>(h) <= 1)
        return nullptr;
    auto icon = std::make_unique<WinIcon>();
    icon->icon.SetHandle(h);
    return icon;
}

// A path from the system, or empty when code page 932 cannot hold it.
std::string PathText(const wchar_t* text) {
    return cp932::NarrowExact(text).value_or(std::string());
}

// Optional texts become null pointers, as the shell expects for "none".
const wchar_t* OrNull(const std::wstring& s) {
    return s.empty() ? nullptr : s.c_str();
}

// Replaces path (MAX_PATH + 1 characters) with the path of the link's item identifier list, when
// it has one.
void PathFromIdList(IShellLinkW& link, wchar_t* path) {
    forms::Pidl pidl;
    if (FAILED(link.GetIDList(pidl.Put())) || !pidl)
        return;
    wchar_t fromList[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListW(pidl.Get(), fromList))
        std::wcscpy(path, fromList);
}

std::optional<std::string> DisplayNameOfInfo(const void* item, UINT flags) {
    forms::UseComOnThisThread();
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(static_cast<LPCWSTR>(item), 0, &info, sizeof info,
                        flags | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES) ||
        info.szDisplayName[0] == L'\0')
        return std::nullopt;
    return cp932::Narrow(info.szDisplayName);
}

class WinShell : public TShell {
public:
    std::optional<std::string> DisplayName(std::string_view path) override {
        const std::wstring w = cp932::Wide(path);
        return DisplayNameOfInfo(w.c_str(), 0);
    }

    std::optional<std::string> DisplayNameOf(const TShellPidl& pidl) override {
        return DisplayNameOfInfo(Raw(pidl), SHGFI_PIDL);
    }

    int DriveKind(char letter) override { return GetDriveKind(letter); }
    std::string ShellOpenCommand(std::string_view url) override { return GetShellOpenCommand(url); }
    std::optional<std::string> AssociatedExe(std::string_view fileName) override {
        return FindAssociatedExe(fileName);
    }

    TShellPidlPtr ParseDisplayName(std::string_view path) override {
        forms::UseComOnThisThread();
        forms::ComPtr<IShellFolder> desktop;
        if (FAILED(SHGetDesktopFolder(desktop.Put())))
            return nullptr;
        std::wstring w = cp932::Wide(path);
        PIDLIST_RELATIVE parsed = nullptr;
        if (FAILED(
                desktop->ParseDisplayName(nullptr, nullptr, w.data(), nullptr, &parsed, nullptr)) ||
            !parsed)
            return nullptr;
        // Parsed by the desktop folder, the list is absolute.
        return std::make_unique<WinPidl>(forms::Pidl(reinterpret_cast<PIDLIST_ABSOLUTE>(parsed)));
    }

    TShellPidlPtr SpecialFolder(int csidl) override {
        forms::Pidl pidl;
        forms::OleCheck(SHGetSpecialFolderLocation(nullptr, csidl, pidl.Put()));
        if (!pidl)
            throw forms::EComError(E_FAIL);
        return std::make_unique<WinPidl>(std::move(pidl));
    }

    std::optional<std::string> PathOf(const TShellPidl& pidl) override {
        wchar_t path[MAX_PATH + 1] = {};
        if (!SHGetPathFromIDListW(Raw(pidl), path))
            return std::nullopt;
        return cp932::NarrowExact(path);
    }

    std::optional<TLoadedLink> LoadLink(std::string_view fileName) override {
        forms::UseComOnThisThread();
        auto link = forms::ComPtr<IShellLinkW>::Create(CLSID_ShellLink);
        auto file = link.As<IPersistFile>();
        if (!file)
            throw forms::EComError(E_NOINTERFACE);
        if (FAILED(file->Load(cp932::Wide(fileName).c_str(), STGM_READ)) ||
            FAILED(link->Resolve(nullptr, SLR_ANY_MATCH)))
            return std::nullopt;

        TLoadedLink loaded;
        TShellLink& l = loaded.Link;
        wchar_t path[MAX_PATH + 1] = {};
        const HRESULT got = link->GetPath(path, MAX_PATH, nullptr, SLGP_UNCPRIORITY);
        // No file name holds '?': such a path went through an ANSI code page on its way (Wine
        // keeps a link's local path that way). The item identifier list keeps the real one.
        if (SUCCEEDED(got) && std::wcschr(path, L'?'))
            PathFromIdList(*link.Get(), path);
        l.Path = PathText(path);
        const bool unnamable = path[0] != L'\0' && l.Path.empty();
        loaded.PathRead = SUCCEEDED(got) && !unnamable;
        // Arguments and descriptions may be longer than a path.
        wchar_t text[INFOTIPSIZE + 1] = {};
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
            l.WorkDir = PathText(text);
        text[0] = L'\0';
        if (SUCCEEDED(link->GetArguments(text, INFOTIPSIZE)))
            l.Arguments = cp932::Narrow(text);
        int show = SW_SHOWNORMAL;
        if (SUCCEEDED(link->GetShowCmd(&show)))
            l.ShowCmd = show;
        text[0] = L'\0';
        int index = 0;
        if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &index))) {
            l.IconFile = PathText(text);
            l.IconIndex = index;
        }
        text[0] = L'\0';
        if (SUCCEEDED(link->GetDescription(text, INFOTIPSIZE)))
            l.Description = cp932::Narrow(text);
        return loaded;
    }

    void SaveLink(const TShellLink& l, std::string_view fileName) override {
        forms::UseComOnThisThread();
        auto link = forms::ComPtr<IShellLinkW>::Create(CLSID_ShellLink);
        auto file = link.As<IPersistFile>();
        if (!file)
            throw forms::EComError(E_NOINTERFACE);
        forms::OleCheck(link->SetPath(cp932::Wide(l.Path).c_str()));
        forms::OleCheck(link->SetArguments(cp932::Wide(l.Arguments).c_str()));
        forms::OleCheck(link->SetWorkingDirectory(cp932::Wide(l.WorkDir).c_str()));
        forms::OleCheck(link->SetShowCmd(l.ShowCmd));
        forms::OleCheck(link->SetIconLocation(cp932::Wide(l.IconFile).c_str(), l.IconIndex));
        forms::OleCheck(link->SetDescription(cp932::Wide(l.Description).c_str()));
        forms::OleCheck(file->Save(cp932::Wide(fileName).c_str(), FALSE));
    }

    int32_t Execute(const TShellRun& run) override {
        forms::UseComOnThisThread();
        const std::wstring verb = cp932::Wide(run.Verb), file = cp932::Wide(run.File),
                           params = cp932::Wide(run.Params), dir = cp932::Wide(run.Dir);
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
            nullptr, OrNull(verb), file.c_str(), OrNull(params), OrNull(dir), run.ShowCmd));
        // Success is any value above 32; keep it above 32 in 32 bits.
        return static_cast<int32_t>(std::min<INT_PTR>(result, INT_MAX));
    }

    int32_t Invoke(const TShellPidl& pidl, const TShellInvoke& request) override {
        forms::UseComOnThisThread();
        const std::wstring verb = cp932::Wide(request.Verb), params = cp932::Wide(request.Params),
                           dir = cp932::Wide(request.Dir);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        // The thread leaves COM when it ends, which may be right after the call: the shell must
        // be done with the request by then.
        info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOASYNC;
        info.lpVerb = OrNull(verb);
        info.lpParameters = OrNull(params);
        info.lpDirectory = OrNull(dir);
        info.nShow = request.ShowCmd;
        info.lpIDList = const_cast<ITEMIDLIST*>(Raw(pidl));
        return ShellExecuteExW(&info) ? 1 : 0;
    }

    TShellIconPtr IconOf(const TShellPidl& pidl) override {
        forms::UseComOnThisThread();
        SHFILEINFOW info{};
        if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(Raw(pidl)), 0, &info, sizeof info,
                            SHGFI_PIDL | SHGFI_ICON))
            return nullptr;
        return IconPtr(info.hIcon);
    }

    TShellIconPtr FileIcon(std::string_view fileName, int index) override {
        // Index -1 asks ExtractIcon for the number of icons, which is no icon.
        if (index == -1)
            return nullptr;
        return IconPtr(ExtractIconW(GetModuleHandleW(nullptr), cp932::Wide(fileName).c_str(),
                                    static_cast<UINT>(index)));
    }

    TShellIconPtr ProgramIcon(std::string_view name) override {
        // Loaded without LR_SHARED: the caller's own icon, which it may destroy.
        auto icon = std::make_unique<WinIcon>();
        if (!icon->icon.LoadFromResource(GetModuleHandleW(nullptr), name))
            return nullptr;
        return icon;
    }
};
} // namespace

TShell& LocalShell() {
    static WinShell shell;
    return shell;
}

void TakeIcon(TShellIconPtr shellIcon, forms::TIcon& icon) {
    auto* own = dynamic_cast<WinIcon*>(shellIcon.get());
    icon.SetHandle(own ? own->icon.ReleaseHandle() : nullptr);
}
