#include "qvtdock/AboutText.h"

#include "forms/base/Paths.h"

namespace {
// The places of TVersionStrings.
constexpr size_t kLongPath = 0, kFolder = 1, kProduct = 2, kVersion = 3;
} // namespace

std::string AboutVersionText(const TVersionStrings& info) {
    return "Version " + info[kVersion];
}

std::vector<std::string> ProgramLines(const TVersionStrings& info) {
    return {"[" + info[kProduct] + " : " + info[kVersion] + "] " +
                forms::ExtractFileName(info[kLongPath]),
            "インストール先：" + info[kFolder]};
}

std::vector<std::string> AboutMemoLines(const TVersionStrings& self,
                                        const std::string& settingsFolder,
                                        const std::optional<TVersionStrings>& editor,
                                        const std::optional<TVersionStrings>& cfg) {
    std::vector<std::string> lines = ProgramLines(self);
    lines.push_back("設定保存先：" + settingsFolder);
    const auto add = [&lines](const std::optional<TVersionStrings>& info, const char* missing) {
        if (!info) {
            lines.emplace_back(missing);
            return;
        }
        for (std::string& line : ProgramLines(*info))
            lines.push_back(std::move(line));
    };
    add(editor, "[ZVLEDIT.EXE] インストールされていません");
    add(cfg, "[QVTCFG.EXE] インストールされていません");
    lines.emplace_back(40, '=');
    return lines;
}
