#include "qvtdock/DataFolder.h"

#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"

std::string ProgramFolderOf(std::string_view programPath) {
    return forms::IncludeTrailingBackslash(forms::ExtractFilePath(programPath));
}

std::string UserFolderOf(std::string_view programFolder, std::string_view userName) {
    return std::string(programFolder) + std::string(userName);
}

std::string DataFolderOf(std::string_view programFolder, std::string_view userName) {
    // Appended, not "included": a name may end in a double-byte character whose second byte is
    // 5C (表), which is no backslash.
    if (userName.empty())
        return std::string(programFolder);
    return UserFolderOf(programFolder, userName) + "\\";
}

std::string CreateQuestionText(std::string_view dataFolder) {
    return "qvtdock.lst が\"" + std::string(dataFolder) +
           "\"に 見つかりません\rqvtdock.lst を新規に作成しますか？\r\r"
           "(新規に作成しない場合は終了します)";
}

std::string CopyQuestionText(std::string_view dataFolder) {
    return "LSTファイルを\"" + std::string(dataFolder) +
           "\"に コピーしますか？\r\r(コピーしない場合は新規に作成します)";
}

std::string FolderMessageText(std::string_view dataFolder) {
    return "データー保存フォルダ\r\"" + std::string(dataFolder) + "\"\rを作成します";
}

namespace {
TStartStep Message(std::string text) {
    return {TStartAction::Message, std::move(text), {}, {}};
}
TStartStep WriteNew(const std::string& folder) {
    return {TStartAction::WriteNewFile, {}, folder + kDataFileName, {}};
}
} // namespace

TDataFolderPlan PlanDataFolder(const TDataFolderProbes& probes) {
    TDataFolderPlan plan;
    const std::string folder = DataFolderOf(probes.ProgramFolder, probes.UserName);
    plan.DataFolder = folder;
    if (probes.FolderExists(UserFolderOf(probes.ProgramFolder, probes.UserName))) {
        if (!probes.FileExists(folder + kDataFileName)) {
            plan.Question = TQuestion{kCreateQuestionCaption, CreateQuestionText(folder)};
            plan.IfYes.push_back(WriteNew(folder));
            plan.IfNo.push_back({TStartAction::End, {}, {}, {}});
        }
        return plan;
    }
    plan.Steps.push_back(Message(FolderMessageText(folder)));
    plan.Steps.push_back({TStartAction::CreateFolder, {}, folder, {}});
    const std::string seed = probes.ProgramFolder + kDataFileName;
    if (probes.FileExists(seed)) {
        plan.Question = TQuestion{kCopyQuestionCaption, CopyQuestionText(folder)};
        plan.IfYes.push_back({TStartAction::CopySeed, {}, folder + kDataFileName, seed});
        plan.IfNo.push_back(WriteNew(folder));
    } else {
        plan.Steps.push_back(Message(kNewDataFileMessage));
        plan.Steps.push_back(WriteNew(folder));
    }
    return plan;
}

std::vector<TStartStep> StepsInOrder(const TDataFolderPlan& plan, bool yes) {
    std::vector<TStartStep> steps = plan.Steps;
    if (plan.Question) {
        const auto& answer = yes ? plan.IfYes : plan.IfNo;
        steps.insert(steps.end(), answer.begin(), answer.end());
    }
    return steps;
}

bool EndsStartUp(const std::vector<TStartStep>& steps) {
    for (const TStartStep& step : steps)
        if (step.Action == TStartAction::End)
            return true;
    return false;
}

void ClearPages(TLaunchList& list) {
    while (list.Pages().Count() > 0)
        list.DeletePage(list.Pages().Count() - 1);
}

void WriteNewDataFile(TLaunchList& list, std::string_view path) {
    const auto empty = forms::OnScopeExit([&] { ClearPages(list); });
    list.AddPage(kNewPageCaption, kNewDataFileButtons, 0);
    list.SetFileName(path);
    list.SaveToFile();
}

bool ReloadList(TLaunchList& list) {
    try {
        list.LoadFromFile();
    } catch (...) {
        // The load is transactional: whatever it raised, the list is as it was.
        return false;
    }
    return list.Loaded();
}
