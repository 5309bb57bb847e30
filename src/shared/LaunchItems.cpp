// Launch items and the shell: what a path becomes, what running a slot asks of the shell, which
// icon a slot shows. Every shell request goes through TShell, so the decisions are the same on
// the real shell and on a test's fake.
#include "shared/LaunchItems.h"

#include "forms/base/Codepage.h"
#include "forms/base/IntText.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "forms/base/Strings.h"
#include "shared/TextSearch.h"
#include "shared/UrlText.h"

const std::array<TRootFolderEntry, 26> kRootFolders = {{
    {rfDesktop, "rfDesktop", 0},
    {rfMyComputer, "rfMyComputer", 17},
    {rfNetwork, "rfNetwork", 18},
    {rfRecycleBin, "rfRecycleBin", 10},
    {rfAppData, "rfAppData", 26},
    {rfCommonDesktopDirectory, "rfCommonDesktopDirectory", 25},
    {rfCommonPrograms, "rfCommonPrograms", 23},
    {rfCommonStartMenu, "rfCommonStartMenu", 22},
    {rfCommonStartup, "rfCommonStartup", 24},
    {rfControlPanel, "rfControlPanel", 3},
    {rfDesktopDirectory, "rfDesktopDirectory", 16},
    {rfFavorites, "rfFavorites", 6},
    {rfFonts, "rfFonts", 20},
    {rfInternet, "rfInternet", 1},
    {rfPersonal, "rfPersonal", 5},
    {rfPrinters, "rfPrinters", 4},
    {rfPrintHood, "rfPrintHood", 27},
    {rfPrograms, "rfPrograms", 2},
    {rfRecent, "rfRecent", 8},
    {rfSendTo, "rfSendTo", 9},
    {rfStartMenu, "rfStartMenu", 11},
    {rfStartup, "rfStartup", 7},
    {rfTemplates, "rfTemplates", 21},
    {rfHistory, "rfHistory", 34},
    {rfInternetCache, "rfInternetCache", 32},
    {rfCookies, "rfCookies", 33},
}};

const std::array<const char*, 7> kShellVerbs = {"",     "Edit",  "Explore",   "Find",
                                                "Open", "Print", "Properties"};

namespace {
constexpr int kVerbProperties = 6;

// The title of a path: the shell's display name, else the last component (the path itself for a
// drive root).
std::string TitleOf(std::string_view path, TShell& shell) {
    if (auto name = shell.DisplayName(path))
        return *name;
    std::string name = forms::ExtractFileName(path);
    return name.empty() ? std::string(path) : name;
}

// params, followed by a blank and the extra parameters when there are any.
std::string JoinParams(std::string_view params, std::string_view extraParams) {
    std::string joined(params);
    if (!extraParams.empty())
        joined.append(" ").append(extraParams);
    return joined;
}

// The item's file-system path; none for a virtual item. Wine reports virtual folders by their
// parsing names ("::{20D04FE0-...}"), which are no file-system paths.
std::optional<std::string> FileSystemPath(const TShellPidl& pidl, TShell& shell) {
    std::optional<std::string> path = shell.PathOf(pidl);
    if (!path || path->empty() || forms::StartsText("::", *path))
        return std::nullopt;
    return path;
}

void SetPlainFields(TLaunchDataItem& item) {
    item.Params.clear();
    item.IconFile.clear();
    item.IconIndex = 0;
    item.ShowCmd = kShowNormal;
}

void SetFileItem(TLaunchDataItem& item, TItemKind kind, std::string_view path, bool workDir,
                 TShell& shell) {
    item.Kind = kind;
    item.Title = TitleOf(path, shell);
    item.Path = std::string(path);
    item.WorkDir = workDir ? forms::ExtractFilePath(path) : std::string();
    SetPlainFields(item);
}

void SetUnregistered(TLaunchDataItem& item) {
    item.Kind = ikUnregistered;
    item.Title = kUnregisteredTitle;
    item.Path.clear();
    item.WorkDir.clear();
    SetPlainFields(item);
}

// A path of at most three bytes that starts with a drive letter ("D:\", "D:", "D").
bool IsDriveLetterPath(std::string_view path) {
    if (path.empty() || path.size() > 3)
        return false;
    const char c = path[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsInstallerLink(const TLaunchDataItem& item, std::string_view marker) {
    return item.Kind == ikShortcut && forms::PosIC(marker, item.LinkFile) != forms::npos;
}

// The shell object of a slot. Running recognises installer links by "\Installer\{", the
// Properties sheet and the icon by "Installer\{".
enum class ObjectUse { Run, Other };
TShellPidlPtr ItemObject(const TLaunchDataItem& item, ObjectUse use, TShell& shell) {
    switch (item.Kind) {
    case ikSpecialFolder: {
        const std::optional<TRootFolder> folder = RootFolderFromName(item.Path);
        return folder ? RootFolderPidl(*folder, shell) : nullptr;
    }
    case ikShortcut: {
        const bool installer = use == ObjectUse::Run ? IsInstallerShortcut(item)
                                                     : IsInstallerLink(item, "Installer\\{");
        return PidlFromPath(installer ? item.Path : item.LinkFile, shell);
    }
    case ikUrl:
        return PidlFromPath(item.LinkFile, shell);
    default:
        return PidlFromPath(item.Path, shell);
    }
}

bool IsRunnableKind(TItemKind kind) {
    return kind != ikUnregistered && kind <= ikUrl;
}

// A byte that can end a double-byte character.
bool IsCp932TrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// A byte that stands for no character of the code page on its own.
bool IsStrayByte(unsigned char b) {
    return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

bool IsDeviceName(std::string_view name) {
    std::string base = forms::UpperCase(name.substr(0, forms::FindChar(name, '.')));
    base = forms::TrimRight(base);
    static constexpr std::string_view kDevices[] = {"CON", "PRN",    "AUX",
                                                    "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view d : kDevices)
        if (base == d)
            return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}
} // namespace

std::string_view ShellVerb(uint8_t verb) {
    return verb < kShellVerbs.size() ? kShellVerbs[verb] : "";
}

std::optional<TRootFolder> RootFolderFromName(std::string_view name) {
    for (const TRootFolderEntry& e : kRootFolders)
        if (forms::SameText(name, e.Name))
            return e.Folder;
    return std::nullopt;
}

std::string RootFolderName(TRootFolder folder) {
    return kRootFolders.at(folder).Name;
}

TShellPidlPtr RootFolderPidl(TRootFolder folder, TShell& shell) {
    return shell.SpecialFolder(kRootFolders.at(folder).Csidl);
}

std::string RootFolderPath(TRootFolder folder, TShell& shell) {
    const TShellPidlPtr pidl = RootFolderPidl(folder, shell);
    const std::optional<std::string> path = FileSystemPath(*pidl, shell);
    return path ? forms::IncludeTrailingBackslash(*path) : std::string();
}

bool ItemFromPath(std::string_view path, TLaunchDataItem& item, TShell& shell) {
    item.UseCount = 0;
    item.Comment.clear();
    if (path.empty()) {
        SetUnregistered(item);
        return false;
    }
    // A removable drive's root is not listed, so an empty floppy or CD-ROM drive classifies too.
    if ((IsDriveLetterPath(path) && shell.DriveKind(path[0]) != -1) || shell.IsDirectory(path)) {
        SetFileItem(item, ikFolder, path, false, shell);
        return true;
    }
    if (ExtInList(path, ".EXE.COM.SCR.ICO")) {
        SetFileItem(item, ikProgram, path, true, shell);
        return true;
    }
    if (ExtInList(path, ".CPL")) {
        SetFileItem(item, ikControlPanel, path, false, shell);
        return true;
    }
    if (ExtInList(path, ".LNK.PIF")) {
        item.Kind = ikShortcut;
        return ResolveShortcut(path, item, shell);
    }
    if (ExtInList(path, ".URL"))
        return ReadUrlShortcut(path, item, shell);
    if (shell.AssociatedExe(path)) {
        SetFileItem(item, ikDocument, path, true, shell);
        return true;
    }
    SetUnregistered(item);
    return false;
}

bool ResolveShortcut(std::string_view path, TLaunchDataItem& item, TShell& shell) {
    item.Path = std::string(path);
    const std::optional<TLoadedLink> loaded = shell.LoadLink(path);
    if (!loaded)
        return false;
    const TShellLink& link = loaded->Link;
    item.Title = TitleOf(path, shell);
    item.LinkFile = link.Path;
    item.WorkDir = link.WorkDir;
    item.Params = link.Arguments;
    item.ShowCmd = link.ShowCmd;
    item.IconFile = link.IconFile;
    item.IconIndex = link.IconIndex;
    item.Comment = link.Description;
    return loaded->PathRead;
}

bool ReadUrlShortcut(std::string_view path, TLaunchDataItem& item, TShell& shell) {
    const std::optional<std::string> text = shell.ReadFileText(path);
    if (!text)
        return false;
    forms::TStringList lines;
    lines.SetText(*text);
    const std::string url = lines.Values("URL");
    if (url.empty())
        return false;
    const std::string iconFile = lines.Values("IconFile");
    item.Path = url;
    if (!iconFile.empty()) {
        item.IconFile = iconFile;
        item.IconIndex = forms::StrToIntDef(forms::Trim(lines.Values("IconIndex")), 0);
    } else {
        item.IconFile = "URL.DLL";
        item.IconIndex = 0;
    }
    item.LinkFile = std::string(path);
    item.Title = TitleOf(path, shell);
    item.Kind = ikUrl;
    item.Params.clear();
    item.WorkDir.clear();
    item.ShowCmd = kShowNormal;
    return true;
}

bool ItemFromRootFolder(TRootFolder folder, TLaunchDataItem& item, TShell& shell) {
    const TShellPidlPtr pidl = RootFolderPidl(folder, shell);
    std::string title = DisplayNameOfPidl(*pidl, shell);
    item.UseCount = 0;
    item.Title = std::move(title);
    item.Kind = ikSpecialFolder;
    item.Path = RootFolderName(folder);
    item.Params.clear();
    item.WorkDir.clear();
    item.IconFile.clear();
    item.Comment.clear();
    item.ShowCmd = kShowNormal;
    item.IconIndex = 0;
    return true;
}

int32_t RunItem(const TLaunchDataItem& item, std::string_view extraParams, uint8_t verb,
                TShell& shell) {
    if (!IsRunnableKind(item.Kind))
        return kNothingRun;
    if (item.Kind == ikUrl)
        return RunItemByAssociation(item, shell);
    const TShellPidlPtr pidl = ItemObject(item, ObjectUse::Run, shell);
    if (!pidl)
        return kNothingRun;
    if (const std::optional<std::string> path = FileSystemPath(*pidl, shell))
        return RunItemFile(item, *path, extraParams, shell);
    return shell.Invoke(*pidl, {std::string(ShellVerb(verb)), JoinParams(item.Params, extraParams),
                                item.WorkDir, item.ShowCmd});
}

int32_t RunItemFile(const TLaunchDataItem& item, std::string_view fileName,
                    std::string_view extraParams, TShell& shell) {
    if (fileName.empty())
        return kNothingRun;
    return shell.Execute({"", std::string(fileName), JoinParams(item.Params, extraParams),
                          item.WorkDir, item.ShowCmd});
}

int32_t RunItemByAssociation(const TLaunchDataItem& item, TShell& shell) {
    if (item.Kind == ikUrl)
        return OpenUrl(item.Path, item.Params, shell);
    const std::optional<std::string> exe = shell.AssociatedExe(item.Path);
    if (!exe || exe->empty())
        return kNothingRun;
    return shell.Execute({"", *exe, item.Path + " " + item.Params, item.WorkDir, item.ShowCmd});
}

bool IsInstallerShortcut(const TLaunchDataItem& item) {
    return IsInstallerLink(item, "\\Installer\\{");
}

std::optional<TOpenCommand> SplitOpenCommand(std::string_view command, std::string_view url) {
    const size_t exe = forms::PosIC(".exe", command);
    if (exe == forms::npos)
        return std::nullopt;
    size_t end = exe + 4;
    const std::string lead = forms::TrimLeft(command);
    if (!lead.empty() && lead[0] == '"' && end < command.size() && command[end] == '"')
        ++end;
    TOpenCommand split;
    split.Program = forms::Trim(command.substr(0, end));
    const std::string rest = forms::Trim(command.substr(end));
    // One pass, so that a placeholder inside the URL itself stays as it is.
    bool placeholder = false;
    for (size_t i = 0; i < rest.size();) {
        if (rest[i] == '%' && i + 1 < rest.size() &&
            (rest[i + 1] == '1' || rest[i + 1] == 'L' || rest[i + 1] == 'l')) {
            split.Params.append(url);
            placeholder = true;
            i += 2;
            continue;
        }
        const size_t next = forms::NextChar(rest, i);
        split.Params.append(rest, i, next - i);
        i = next;
    }
    if (!placeholder)
        split.Params =
            split.Params.empty() ? std::string(url) : split.Params + " " + std::string(url);
    return split;
}

int32_t OpenUrl(std::string_view rawUrl, std::string_view params, TShell& shell) {
    // A blank or quote in the URL would end its argument on the handler's command line.
    const std::string url = EscapeUrl(rawUrl);
    int start = 0, length = 0;
    std::optional<TOpenCommand> command;
    if (FindUrl(url, start, length))
        command = SplitOpenCommand(shell.ShellOpenCommand(url), url);
    if (!command)
        return shell.Execute({"", url, std::string(params), "", kShowNormal});
    return shell.Execute({"", command->Program, command->Params, "", kShowNormal});
}

int32_t ShellOpen(std::string_view fileName, std::string_view params, TShell& shell) {
    return shell.Execute({"", std::string(fileName), std::string(params), "", kShowNormal});
}

int32_t OpenPidl(const TShellPidl& pidl, std::string_view params, uint8_t verb, TShell& shell) {
    if (const std::optional<std::string> path = FileSystemPath(pidl, shell))
        return ShellOpen(*path, "", shell);
    return shell.Invoke(pidl, {std::string(ShellVerb(verb)), std::string(params), "", kShowNormal});
}

TShellPidlPtr PidlFromPath(std::string_view path, TShell& shell) {
    return path.empty() ? nullptr : shell.ParseDisplayName(path);
}

int32_t ShowItemProperties(const TLaunchDataItem& item, TShell& shell) {
    if (!IsRunnableKind(item.Kind))
        return kNothingRun;
    const TShellPidlPtr pidl = ItemObject(item, ObjectUse::Other, shell);
    if (!pidl)
        return kNothingRun;
    return shell.Invoke(*pidl, {kShellVerbs[kVerbProperties], "", "", kShowNormal});
}

TShellIconPtr ItemIcon(const TLaunchDataItem& item, TShell& shell) {
    if (item.Kind == ikUnregistered)
        return EmptySlotIcon(shell);
    if (!item.IconFile.empty() || item.Kind == ikUrl)
        return IconFromFile(item.IconFile, item.IconIndex, shell);
    const TShellPidlPtr pidl = ItemObject(item, ObjectUse::Other, shell);
    return IconOfPidl(pidl.get(), shell);
}

TShellIconPtr EmptySlotIcon(TShell& shell) {
    return shell.ProgramIcon("NULLICON");
}

TShellIconPtr ShellDefaultIcon(int index, TShell& shell) {
    return shell.FileIcon("SHELL32.DLL", index);
}

TShellIconPtr IconOfPidl(const TShellPidl* pidl, TShell& shell) {
    TShellIconPtr icon = pidl ? shell.IconOf(*pidl) : nullptr;
    return icon ? std::move(icon) : ShellDefaultIcon(0, shell);
}

TShellIconPtr IconFromFile(std::string_view fileName, int index, TShell& shell) {
    TShellIconPtr icon = fileName.empty() ? nullptr : shell.FileIcon(fileName, index);
    return icon ? std::move(icon) : ShellDefaultIcon(0, shell);
}

std::string DisplayNameOfPidl(const TShellPidl& pidl, TShell& shell) {
    return shell.DisplayNameOf(pidl).value_or("UnTitled");
}

std::string ShortcutFileName(std::string_view title) {
    std::string name;
    for (size_t i = 0; i < title.size(); ++i) {
        const auto b = static_cast<unsigned char>(title[i]);
        if (cp932::IsLeadByte(b)) {
            if (i + 1 < title.size() &&
                IsCp932TrailByte(static_cast<unsigned char>(title[i + 1]))) {
                name.append(title, i, 2);
                ++i;
            } else {
                name += '_';
            }
            continue;
        }
        const bool reserved =
            b < 0x20 || b == 0x7F || IsStrayByte(b) ||
            std::string_view("\\/:*?\"<>|").find(static_cast<char>(b)) != std::string_view::npos;
        name += reserved ? '_' : static_cast<char>(b);
    }
    if (name.empty())
        name = "untitled";
    if (IsDeviceName(name))
        name.insert(0, "_");
    return name + ".lnk";
}

bool CreateItemShortcut(const TLaunchDataItem& item, TRootFolder folder,
                        std::string_view folderPath, TShell& shell) {
    const std::string dir = folderPath.empty() ? RootFolderPath(folder, shell)
                                               : forms::IncludeTrailingBackslash(folderPath);
    if (dir.empty())
        return false;
    TShellLink link;
    link.Path = item.Path;
    link.Arguments = item.Params;
    link.WorkDir = forms::ExcludeTrailingBackslash(item.WorkDir);
    link.ShowCmd = item.ShowCmd;
    link.IconFile = item.IconFile;
    link.IconIndex = item.IconIndex;
    link.Description = item.Comment;
    const std::string fileName = dir + ShortcutFileName(item.Title);
    shell.SaveLink(link, fileName);
    return shell.FileExists(fileName);
}

bool TLaunchList::SetItemFromPath(int page, int slot, std::string_view path, TShell& shell) {
    (void)Items(page, slot); // a slot that does not exist raises before the shell is asked
    auto item = std::make_unique<TLaunchDataItem>();
    if (!ItemFromPath(path, *item, shell))
        return false;
    PutItem(page, slot, std::move(item));
    return true;
}

int32_t TLaunchList::RunItem(int page, int slot, std::string_view extraParams, uint8_t verb,
                             TShell& shell) {
    const TLaunchDataItem& item = *Items(page, slot);
    if (forms::ExtractFileExt(item.Path) == ".url") {
        TLaunchDataItem shortcut;
        if (!ReadUrlShortcut(item.Path, shortcut, shell))
            return 0;
        return RunItemByAssociation(shortcut, shell);
    }
    return ::RunItem(item, extraParams, verb, shell);
}

void TLaunchList::ShowProperties(int page, int slot, TShell& shell) {
    ShowItemProperties(*Items(page, slot), shell);
}
