// The host build has no Windows file system: its stand-in finds nothing, so paths come back as
// they were given.
#include "shared/FileUtils.h"

#include "forms/base/Files.h"

namespace {
class HostFileSystem : public TFileSystem {
public:
    std::vector<TFoundFile> Search(std::string_view) const override { return {}; }
    bool FolderExists(std::string_view path) const override { return forms::DirectoryExists(path); }
    bool CreateFolder(std::string_view) override { return false; }
};
} // namespace

TFileSystem& LocalFileSystem() {
    static HostFileSystem fs;
    return fs;
}
