#include "shared/FileUtils.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

namespace {
bool HasWildcard(std::string_view name) {
    return forms::FindChar(name, '*') != forms::npos || forms::FindChar(name, '?') != forms::npos;
}
} // namespace

bool IsDirectory(std::string_view path, const TFileSystem& fs) {
    if (path.empty())
        return false;
    for (const TFoundFile& entry : fs.Search(forms::ExcludeTrailingBackslash(path) + "\\*.*"))
        if (!entry.Hidden)
            return true;
    return false;
}

std::string GetLongPathNameStr(std::string_view path, const TFileSystem& fs) {
    if (!HasWildcard(forms::ExtractFileName(path))) {
        const std::vector<TFoundFile> found = fs.Search(path);
        if (!found.empty()) {
            const std::string dir = forms::ExtractFileDir(path);
            // A bare drive (C:) is its own folder part: searching on would never end.
            if (dir == path)
                return std::string(path);
            if (dir.empty())
                return found.front().Name;
            return GetLongPathNameStr(dir, fs) + "\\" + found.front().Name;
        }
    }
    return forms::ExcludeTrailingBackslash(path);
}

bool ForceDirs(std::string_view dir, TFileSystem& fs) {
    if (dir.empty())
        throw forms::Exception("ディレクトリを作成することができません");
    const std::string folder = forms::ExcludeTrailingBackslash(dir);
    const std::string parent = forms::ExtractFileDir(folder);
    if (folder.size() < 3 || parent == folder)
        return fs.FolderExists(folder);
    if (IsDirectory(folder, fs))
        return true;
    if (!parent.empty() && !ForceDirs(parent, fs))
        return false;
    // The result of the creation is not enough: another process may have made the folder.
    fs.CreateFolder(folder);
    return fs.FolderExists(folder);
}

void ListFiles(forms::TStrings& list, std::string_view folder, bool recurse, std::string_view mask,
               bool addFolders, const TFileSystem& fs) {
    const std::string base = forms::ExcludeTrailingBackslash(folder);
    for (const TFoundFile& entry : fs.Search(base + "\\" + std::string(mask))) {
        if (entry.Directory) {
            if (entry.Name.empty() || entry.Name[0] == '.')
                continue;
            if (addFolders)
                list.Add(entry.Name);
            if (recurse)
                ListFiles(list, base + "\\" + entry.Name, recurse, mask, addFolders, fs);
        } else {
            list.Add(recurse ? base + "\\" + entry.Name : entry.Name);
        }
    }
}

std::string ExpandDropItem(forms::TStrings* names, forms::TStrings* paths, std::string_view item,
                           bool recurse, std::string_view mask, bool addFolders,
                           const TFileSystem& fs) {
    if (IsDirectory(item, fs)) {
        const std::string folder = forms::ExcludeTrailingBackslash(item);
        const size_t slash = forms::LastDelimiter("\\", folder);
        forms::TStringList entries;
        ListFiles(entries, folder, recurse, mask, addFolders, fs);
        if (paths)
            for (const std::string& entry : entries.Lines())
                paths->Add(recurse ? entry : folder + "\\" + entry);
        return slash == forms::npos ? std::string() : folder.substr(0, slash + 1);
    }
    if (names)
        names->Add(forms::ExtractFileName(item));
    if (paths)
        paths->Add(item);
    return forms::ExtractFilePath(item);
}

int DriveKindOf(uint32_t driveType, std::string_view rootDisplayName) {
    if (driveType == kDriveRemovable)
        return forms::PosIC("FD", rootDisplayName) != forms::npos ? 0 : 1;
    return driveType == kDriveCdRom ? 2 : -1;
}

std::string ShellOpenCommandKey(std::string_view url) {
    const std::string trimmed = forms::Trim(url);
    const std::string scheme = trimmed.substr(0, forms::FindChar(trimmed, ':'));
    return scheme.empty() ? std::string() : scheme + "\\shell\\open\\command";
}

std::u16string ShellFileList(const forms::TStrings& files) {
    std::u16string list;
    for (int i = 0; i < files.Count(); ++i) {
        const std::string file = files.Strings(i);
        // An empty entry would end the list early.
        if (file.empty())
            continue;
        list += cp932::ToUtf16(file);
        list += u'\0';
    }
    if (!list.empty())
        list += u'\0';
    return list;
}

int ShellOperationResult(int shellResult, bool anyAborted) {
    return anyAborted ? kShellCancelled : shellResult;
}

std::string LogonNameFromUtf16(std::u16string_view name) {
    bool lossy = false;
    std::string text = cp932::FromUtf16(name, &lossy);
    return lossy ? std::string() : text;
}
