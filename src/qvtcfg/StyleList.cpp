#include "qvtcfg/StyleList.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "forms/base/Strings.h"
#include "shared/StyleFile.h"

#include <algorithm>
#include <array>

namespace {
const std::array<const char*, 3> kStyleTypeNames = {"TYPE-0 色変更可", "TYPE-1 ",
                                                    "TYPE-2 [非矩形]"};
constexpr char kStyleMask[] = "*.STI";
} // namespace

TStyleEntry MakeStyleEntry(const TStiData& style, const std::string& path) {
    const TStiAbout& a = style.About;
    return {a.Title, path, a.Author, a.Note, a.FileName, a.Version, std::to_string(a.Type)};
}

int StyleTypeOf(const TStyleEntry& entry) {
    return forms::StrToIntDef(entry.Type, 0);
}

bool StyleColorsChangeable(const TStyleEntry& entry) {
    return StyleTypeOf(entry) == 0;
}

std::string StyleTypeName(int type) {
    if (type >= 0 && type < static_cast<int>(kStyleTypeNames.size()))
        return kStyleTypeNames[static_cast<size_t>(type)];
    return "TYPE-" + std::to_string(type);
}

std::vector<std::string> StyleDescription(const TStyleEntry& entry) {
    return {
        "[ファイル名]：" + entry.FileName,
        "[著　作　者]：" + entry.Author,
        "[ コメント ]：" + entry.Note,
        "[タ　イ　プ]：" + StyleTypeName(StyleTypeOf(entry)),
    };
}

bool StyleEntryBefore(const TStyleEntry& a, const TStyleEntry& b) {
    if (const int byTitle = forms::CompareText(a.Title, b.Title); byTitle != 0)
        return byTitle < 0;
    return forms::CompareText(a.Path, b.Path) < 0;
}

std::vector<TStyleEntry> ScanStyleEntries(const std::vector<std::string>& paths,
                                          const TStyleLoader& load) {
    std::vector<TStyleEntry> entries;
    // From the last to the first, as the folder listing was walked ever since.
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        TStiData style;
        try {
            if (load(*path, style))
                entries.push_back(MakeStyleEntry(style, *path));
        } catch (const forms::Exception&) {
            // Locked, truncated, or a colour that is no colour: one damaged file must not keep
            // the user from the others, so it is left out as a file that is no style.
        }
    }
    std::stable_sort(entries.begin(), entries.end(), StyleEntryBefore);
    return entries;
}

std::vector<std::string> StyleFilePaths(std::string_view folder, const TFileSystem& fs) {
    forms::TStringList paths;
    ExpandDropItem(nullptr, &paths, folder, false, kStyleMask, false, fs);
    return paths.Lines();
}

std::string ConfigProgramFolder() {
    return forms::IncludeTrailingBackslash(
        forms::ExtractFilePath(GetLongPathNameStr(forms::ProgramPath())));
}

int StoredStyleIndex(const std::vector<TStyleEntry>& entries, std::string_view styleFile) {
    if (entries.empty())
        return -1;
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const TStyleEntry& e) {
        return forms::SameText(e.FileName, styleFile);
    });
    return match == entries.end() ? 0 : static_cast<int>(match - entries.begin());
}

std::string StyleFileToWrite(const TStyleEntry* selected, const std::string& storedStyleFile) {
    return selected ? selected->FileName : storedStyleFile;
}
