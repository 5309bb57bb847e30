#pragma once
// A fresh folder per test, removed with everything in it afterwards. Paths are code-page-932 text
// in the platform's own form.
#include <string>
#include <string_view>
#include <vector>

namespace kbtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of name inside the folder.
    std::string File(std::string_view name) const;

private:
    std::string path_;
};

// Raw file access for tests, independent of the code under test.
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Creates one folder (its parent must exist).
void MakeDir(const std::string& path);
// The names of the files and folders in a folder, sorted.
std::vector<std::string> ListNames(const std::string& dir);
// Makes a file read-only (true) or writable again.
void SetReadOnly(const std::string& path, bool readOnly);

} // namespace kbtest
