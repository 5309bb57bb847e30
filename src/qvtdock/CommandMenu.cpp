#include "qvtdock/CommandMenu.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "shared/LaunchItems.h"
#include "shared/TextSearch.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kSeparator[] = "-";

TCommandEntry Separator() {
    return {kSeparator, "", 0, TCommandClick::None};
}

TCommandEntry ExplorerEntry(const TLaunchDataItem& item) {
    return {"エクスプローラ", item.Path, ccExplorer, TCommandClick::Command};
}

TCommandEntry CommandEntry(const char* caption, std::string_view hint, TCommandCode code) {
    return {caption, std::string(hint), code, TCommandClick::Command};
}

void AddSpecialFolderEntries(std::vector<TCommandEntry>& entries, const TLaunchDataItem& item,
                             const TDriveSource& drives) {
    const std::optional<TRootFolder> folder = RootFolderFromName(item.Path);
    if (!folder)
        return;
    switch (*folder) {
    case rfMyComputer:
        AddDriveCommands(entries, drives ? drives() : std::vector<TDriveName>{});
        entries.push_back(Separator());
        entries.push_back(CommandEntry("ごみ箱を空にする", "", ccEmptyRecycleBin));
        entries.push_back(CommandEntry("最近使ったファイル一覧をクリア", "", ccClearRecentDocs));
        break;
    case rfRecycleBin:
        entries.push_back(CommandEntry("ごみ箱を空にする", "", ccEmptyRecycleBin));
        break;
    case rfRecent:
        entries.push_back(ExplorerEntry(item));
        entries.push_back(Separator());
        entries.push_back(CommandEntry("最近使ったファイル一覧をクリア", "", ccClearRecentDocs));
        break;
    case rfNetwork:
    case rfControlPanel:
    case rfInternet:
    case rfPrinters:
    case rfPrintHood:
    case rfHistory:
        break;
    default:
        entries.push_back(ExplorerEntry(item));
        break;
    }
}

// The comment with every two-character "\n" as one blank; a trail byte 5C of a double-byte
// character never starts one.
std::string CommentLine(std::string_view comment) {
    std::string line;
    line.reserve(comment.size());
    for (size_t i = 0; i < comment.size(); ++i) {
        const auto b = static_cast<unsigned char>(comment[i]);
        if (cp932::IsLeadByte(b) && i + 1 < comment.size()) {
            line += comment[i];
            line += comment[++i];
        } else if (comment[i] == '\\' && i + 1 < comment.size() && comment[i + 1] == 'n') {
            line += ' ';
            ++i;
        } else {
            line += comment[i];
        }
    }
    return line;
}

// Every match of find in text, in order; after each match the text goes on one character past
// its end. A whole character: stepping one byte would leave a trail byte to start the rest, which
// then reads as a letter of its own or swallows the next one.
std::vector<std::string> AllMatches(std::string text, bool (*find)(std::string_view, int&, int&)) {
    std::vector<std::string> found;
    int start = 0;
    int length = 0;
    while (find(text, start, length) && length > 0) {
        const size_t first = static_cast<size_t>(start - 1);
        const size_t end = first + static_cast<size_t>(length);
        found.push_back(forms::Trim(text.substr(first, end - first)));
        text.erase(0, end < text.size() ? forms::NextChar(text, end) : text.size());
    }
    return found;
}

} // namespace

std::vector<TDriveName> DriveNames(const std::vector<std::string>& roots, TShell& shell) {
    std::vector<TDriveName> drives;
    drives.reserve(roots.size());
    for (const std::string& root : roots)
        drives.push_back({root, shell.DisplayName(root).value_or(root)});
    return drives;
}

void AddDriveCommands(std::vector<TCommandEntry>& entries, const std::vector<TDriveName>& drives) {
    for (const TDriveName& drive : drives)
        entries.push_back(
            {"DRIVE: " + drive.Name, drive.Root, ccOpenDrive, TCommandClick::Command});
}

std::vector<TCommandEntry> CommandEntries(const TLaunchDataItem& item, const TDriveSource& drives) {
    std::vector<TCommandEntry> entries;
    switch (item.Kind) {
    case ikUnregistered:
        return entries;
    case ikFolder:
        entries.push_back(ExplorerEntry(item));
        entries.push_back(Separator());
        entries.push_back(CommandEntry("中のファイルをごみ箱に移す", item.Path, ccRecycleContents));
        break;
    case ikSpecialFolder:
        AddSpecialFolderEntries(entries, item, drives);
        break;
    case ikProgram:
    case ikDocument:
    case ikControlPanel:
    case ikShortcut:
    case ikUrl:
        entries.push_back(ExplorerEntry(item));
        break;
    }
    AddCommentLinks(entries, item.Comment);
    return entries;
}

void AddCommentLinks(std::vector<TCommandEntry>& entries, std::string_view comment) {
    if (comment.empty())
        return;
    const std::string line = CommentLine(comment);
    const std::vector<std::string> urls = AllMatches(line, &FindUrl);
    const std::vector<std::string> addresses = AllMatches(line, &FindMailAddress);
    if (!urls.empty()) {
        if (!entries.empty())
            entries.push_back(Separator());
        for (const std::string& url : urls)
            entries.push_back({"URL: " + url, url, ccExplorer, TCommandClick::Url});
    }
    if (!addresses.empty()) {
        if (!entries.empty())
            entries.push_back(Separator());
        for (const std::string& address : addresses)
            entries.push_back({"MAIL: " + address, address, ccExplorer, TCommandClick::Mail});
    }
}

std::string CommandRootName(const TLaunchDataItem& item) {
    return item.Kind == ikSpecialFolder ? item.Path : std::string();
}

std::string ExplorerParams(std::string_view folder) {
    return "/e,\"" + std::string(folder) + "\"";
}

TCommandOutcome CarryOutCommand(int32_t code, std::string_view path, std::string_view rootName,
                                TShell& shell) {
    TCommandOutcome outcome;
    switch (code) {
    case ccExplorer: {
        std::string folder;
        if (!rootName.empty()) {
            const std::optional<TRootFolder> root = RootFolderFromName(rootName);
            if (!root)
                return outcome;
            try {
                folder = RootFolderPath(*root, shell);
                if (folder.empty()) {
                    // A virtual folder: Explorer gets the item itself.
                    if (const TShellPidlPtr pidl = RootFolderPidl(*root, shell))
                        OpenPidl(*pidl, "/e,", 0, shell);
                    return outcome;
                }
            } catch (const forms::EComError&) {
                return outcome; // the system has no such folder
            }
        } else {
            folder = shell.IsDirectory(path) ? std::string(path) : forms::ExtractFilePath(path);
        }
        ShellOpen("explorer.exe", ExplorerParams(folder), shell);
        break;
    }
    case ccEmptyRecycleBin:
        outcome.Operation = TCommandOperation::EmptyRecycleBin;
        break;
    case ccRecycleContents:
        // Only a folder that is there: an empty or vanished path must never name a whole drive.
        if (!path.empty() && shell.IsDirectory(path)) {
            outcome.Operation = TCommandOperation::RecycleFolderContents;
            outcome.Folder = std::string(path);
        }
        break;
    case ccClearRecentDocs:
        outcome.Operation = TCommandOperation::ClearRecentDocs;
        break;
    case ccOpenDrive:
        if (!path.empty())
            ShellOpen(path, "", shell);
        break;
    default:
        break;
    }
    return outcome;
}
