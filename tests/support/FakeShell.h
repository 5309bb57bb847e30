#pragma once
// A shell that knows only what a test tells it and records every request, so that the launch
// decisions can be checked without starting anything. Item identifier lists are names: a path
// that the desktop can parse gives the list named as the test chose; icons name their source
// ("item:<list>", "file:<file>,<index>", "program:<name>").
#include "forms/base/Exceptions.h"
#include "forms/base/StrUtils.h"
#include "shared/FileUtils.h"
#include "shared/LaunchShell.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kbtest {

class FakePidl : public TShellPidl {
public:
    explicit FakePidl(std::string n) : name(std::move(n)) {}
    std::string name;
};

class FakeIcon : public TShellIcon {
public:
    explicit FakeIcon(std::string s) : source(std::move(s)) {}
    std::string source;
};

// The source of an icon of the fake, "<none>" for null.
inline std::string IconSource(const TShellIconPtr& icon) {
    const auto* fake = dynamic_cast<const FakeIcon*>(icon.get());
    return fake ? fake->source : "<none>";
}

inline std::string PidlName(const TShellPidl* pidl) {
    const auto* fake = dynamic_cast<const FakePidl*>(pidl);
    return fake ? fake->name : "<none>";
}

constexpr int32_t kFakeNoFolder = static_cast<int32_t>(0x80070057u); // E_INVALIDARG

class FakeShell : public TShell {
public:
    FakeShell() { fileIcons["SHELL32.DLL"] = {0, 3}; }

    // A file-system item: parses to a list of its own name, whose path is itself.
    void AddItem(const std::string& path, const std::string& displayName = "") {
        parseable[path] = path;
        pidlPaths[path] = path;
        if (!displayName.empty())
            displayNames[path] = displayName;
    }
    // A special folder with its list name and, when given, its file-system path.
    void AddSpecialFolder(int csidl, const std::string& name, const std::string& path = "") {
        specialFolders[csidl] = name;
        if (!path.empty())
            pidlPaths[name] = path;
    }
    void SetOpenCommand(const std::string& scheme, const std::string& command) {
        openCommands[ShellOpenCommandKey(scheme + ":")] = command;
    }

    // What the shell knows.
    std::map<std::string, std::string> displayNames;   // path -> display name
    std::map<std::string, std::string> itemNames;      // list name -> display name
    std::set<std::string> folders;                     // IsDirectory
    std::map<char, int> driveKinds;                    // missing: -1
    std::map<std::string, std::string> associations;   // file -> program
    std::map<std::string, std::string> openCommands;   // ShellOpenCommandKey -> command
    std::map<std::string, std::string> files;          // path -> bytes
    std::map<std::string, std::string> parseable;      // path -> list name
    std::map<int, std::string> specialFolders;         // CSIDL -> list name; missing: raises
    std::map<std::string, std::string> pidlPaths;      // list name -> SHGetPathFromIDList
    std::map<std::string, TLoadedLink> links;          // link file -> what loading gives
    std::set<std::string> itemIcons;                   // list names that have an icon
    std::map<std::string, std::set<int>> fileIcons;    // file (upper case) -> icon indexes
    std::set<std::string> programIcons = {"NULLICON"}; // resources of the program
    bool linkObjectFails = false;
    bool saveFails = false;
    int32_t executeResult = 42;
    int32_t invokeResult = 1;

    // What was asked.
    std::vector<TShellRun> runs;
    std::vector<std::pair<std::string, TShellInvoke>> invokes;
    std::vector<std::pair<std::string, TShellLink>> savedLinks;
    std::vector<char> driveQueries;
    std::vector<std::string> iconFileQueries;
    int queries = 0; // every call

    std::optional<std::string> DisplayName(std::string_view path) override {
        return Find(displayNames, std::string(path));
    }
    std::optional<std::string> DisplayNameOf(const TShellPidl& pidl) override {
        return Find(itemNames, PidlName(&pidl));
    }
    bool IsDirectory(std::string_view path) override {
        ++queries;
        return folders.count(std::string(path)) > 0;
    }
    int DriveKind(char letter) override {
        ++queries;
        driveQueries.push_back(letter);
        const auto it = driveKinds.find(letter);
        return it == driveKinds.end() ? -1 : it->second;
    }
    std::string ShellOpenCommand(std::string_view url) override {
        return Find(openCommands, ShellOpenCommandKey(url)).value_or("");
    }
    std::optional<std::string> AssociatedExe(std::string_view fileName) override {
        return Find(associations, std::string(fileName));
    }
    bool FileExists(std::string_view path) override {
        ++queries;
        return files.count(std::string(path)) > 0;
    }
    std::optional<std::string> ReadFileText(std::string_view path) override {
        return Find(files, std::string(path));
    }
    TShellPidlPtr ParseDisplayName(std::string_view path) override {
        const auto name = Find(parseable, std::string(path));
        return name ? std::make_unique<FakePidl>(*name) : nullptr;
    }
    TShellPidlPtr SpecialFolder(int csidl) override {
        ++queries;
        const auto it = specialFolders.find(csidl);
        if (it == specialFolders.end())
            throw forms::EComError(kFakeNoFolder);
        return std::make_unique<FakePidl>(it->second);
    }
    std::optional<std::string> PathOf(const TShellPidl& pidl) override {
        return Find(pidlPaths, PidlName(&pidl));
    }
    std::optional<TLoadedLink> LoadLink(std::string_view fileName) override {
        ++queries;
        if (linkObjectFails)
            throw forms::EComError(static_cast<int32_t>(0x80040154u)); // class not registered
        const auto it = links.find(std::string(fileName));
        if (it == links.end())
            return std::nullopt;
        return it->second;
    }
    void SaveLink(const TShellLink& link, std::string_view fileName) override {
        ++queries;
        if (saveFails)
            throw forms::EComError(static_cast<int32_t>(0x80070005u)); // access denied
        savedLinks.emplace_back(std::string(fileName), link);
        files[std::string(fileName)] = "link";
    }
    int32_t Execute(const TShellRun& run) override {
        ++queries;
        runs.push_back(run);
        return executeResult;
    }
    int32_t Invoke(const TShellPidl& pidl, const TShellInvoke& request) override {
        ++queries;
        invokes.emplace_back(PidlName(&pidl), request);
        return invokeResult;
    }
    TShellIconPtr IconOf(const TShellPidl& pidl) override {
        ++queries;
        const std::string name = PidlName(&pidl);
        return itemIcons.count(name) ? std::make_unique<FakeIcon>("item:" + name) : nullptr;
    }
    TShellIconPtr FileIcon(std::string_view fileName, int index) override {
        ++queries;
        iconFileQueries.emplace_back(fileName);
        const auto it = fileIcons.find(forms::UpperCase(fileName));
        if (it == fileIcons.end() || !it->second.count(index))
            return nullptr;
        return std::make_unique<FakeIcon>("file:" + std::string(fileName) + "," +
                                          std::to_string(index));
    }
    TShellIconPtr ProgramIcon(std::string_view name) override {
        ++queries;
        return programIcons.count(std::string(name))
                   ? std::make_unique<FakeIcon>("program:" + std::string(name))
                   : nullptr;
    }

private:
    template <class K>
    std::optional<std::string> Find(const std::map<K, std::string>& map, const K& key) {
        ++queries;
        const auto it = map.find(key);
        if (it == map.end())
            return std::nullopt;
        return it->second;
    }
};

} // namespace kbtest
