#pragma once
// An in-memory file system with Windows rules: names match in any letter case and keep the case
// they were made with, "*.*" matches everything, listings hold "." and ".." except at a root, a
// drive root cannot be searched itself.
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "shared/FileUtils.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

class FakeFileSystem : public TFileSystem {
public:
    explicit FakeFileSystem(std::vector<std::string> drives = {"C:"})
        : drives_(std::move(drives)) {}

    void AddFolder(const std::string& path, bool hidden = false) { Add(path, true, hidden); }
    void AddFile(const std::string& path, bool hidden = false) { Add(path, false, hidden); }
    // Folders that CreateFolder refuses.
    std::set<std::string> refuse;
    // Makes a search for a bare drive ("C:") find the drive's current folder, as some systems do.
    bool findsBareDrive = false;
    int creations = 0;
    mutable std::vector<std::string> searches;

    std::vector<TFoundFile> Search(std::string_view pattern) const override {
        searches.emplace_back(pattern);
        const std::string p(pattern);
        if (findsBareDrive && IsDrive(p))
            return {{"CurrentFolder", true, false}};
        const size_t cut = forms::LastDelimiter("\\", p);
        if (cut == forms::npos)
            return {};
        const std::string folder = p.substr(0, cut), mask = p.substr(cut + 1);
        if (mask.empty() || !FolderExists(folder))
            return {};
        std::vector<TFoundFile> found;
        if (!IsDrive(folder)) {
            const bool hidden = Find(folder)->hidden;
            for (const char* dots : {".", ".."})
                if (Matches(mask, dots))
                    found.push_back({dots, true, hidden});
        }
        for (const Entry& e : entries_)
            if (forms::SameText(ParentOf(e.path), folder) &&
                Matches(mask, forms::ExtractFileName(e.path)))
                found.push_back({forms::ExtractFileName(e.path), e.folder, e.hidden});
        return found;
    }

    bool FolderExists(std::string_view path) const override {
        const std::string p(path);
        if (IsDrive(p))
            return true;
        const Entry* e = Find(p);
        return e && e->folder;
    }

    bool CreateFolder(std::string_view path) override {
        const std::string p(path);
        if (refuse.count(p) || Find(p) || !FolderExists(ParentOf(p)))
            return false;
        ++creations;
        AddFolder(p);
        return true;
    }

    bool Exists(const std::string& path) const { return Find(path) != nullptr; }

private:
    struct Entry {
        std::string path;
        bool folder, hidden;
    };

    void Add(const std::string& path, bool folder, bool hidden) {
        entries_.push_back({path, folder, hidden});
    }
    static std::string ParentOf(const std::string& path) {
        return forms::ExcludeTrailingBackslash(forms::ExtractFilePath(path));
    }
    const Entry* Find(const std::string& path) const {
        for (const Entry& e : entries_)
            if (forms::SameText(e.path, path))
                return &e;
        return nullptr;
    }
    bool IsDrive(const std::string& path) const {
        return std::any_of(drives_.begin(), drives_.end(),
                           [&](const std::string& d) { return forms::SameText(d, path); });
    }
    // '*' any run of characters, '?' one character, letters in any case.
    static bool Matches(std::string_view mask, std::string_view name) {
        if (mask == "*.*")
            return true;
        if (mask.empty())
            return name.empty();
        if (mask[0] == '*')
            for (size_t i = 0;; i = forms::NextChar(name, i)) {
                if (Matches(mask.substr(1), name.substr(i)))
                    return true;
                if (i >= name.size())
                    return false;
            }
        if (name.empty())
            return false;
        const size_t m = forms::CharLength(mask, 0), n = forms::CharLength(name, 0);
        if (mask[0] != '?' && !forms::SameText(mask.substr(0, m), name.substr(0, n)))
            return false;
        return Matches(mask.substr(mask[0] == '?' ? 1 : m), name.substr(n));
    }

    std::vector<std::string> drives_;
    std::vector<Entry> entries_;
};
