#pragma once
// Where the launcher keeps its files, and what a first run does about them. The data folder is a
// folder named after the logged-on user beside the program; when it or its data file is missing,
// start-up shows messages, asks, creates the folder, copies a data file that ships beside the
// program or writes a new one, or ends. These decisions are made here over probes, apart from the
// system: the plan lists the steps in the order they happen and holds every text the user reads.
// TfmMain (MainForm.h) carries the plan out.
#include "shared/LaunchData.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr char kDataFileName[] = "qvtdock.lst";
// The settings file's path without its extension, below the data folder (qvtdock.ini).
constexpr char kSettingsBaseName[] = "qvtdock";
// The mutex that marks a running launcher, and the application's title.
constexpr char kInstanceMutexName[] = "RavoApplicationK+Bandeo";
constexpr char kApplicationTitle[] = "K+Bandeo2.00";
// A new data file: one page of this many empty buttons.
constexpr int kNewDataFileButtons = 10;

// The texts of start-up, as the user reads them (CR alone breaks a line).
constexpr char kCreateQuestionCaption[] = "データーファイル作成の確認";
constexpr char kCopyQuestionCaption[] = "コピーの確認";
constexpr char kNewDataFileMessage[] = "qvtdock.lst を新規に作成します";
constexpr char kUnsupportedDataFileMessage[] = "qvtdock.lst は対応していない形式の為終了します";
// A later reload that could not read the file keeps what the launcher holds.
constexpr char kReloadFailedMessage[] =
    "qvtdock.lst を読み込めませんでした。\r登録データーは読み込み前のままです";

// The folder of the program file, with one trailing backslash.
[[nodiscard]] std::string ProgramFolderOf(std::string_view programPath);
// The folder named after the user below the program folder, as it is probed (no trailing
// backslash added; for an empty name it is the program folder itself).
[[nodiscard]] std::string UserFolderOf(std::string_view programFolder, std::string_view userName);
// The data folder, with a trailing backslash: the user's folder, or the program folder itself
// when the user name could not be read (empty).
[[nodiscard]] std::string DataFolderOf(std::string_view programFolder, std::string_view userName);

// The question texts and the folder message, for the data folder they name.
[[nodiscard]] std::string CreateQuestionText(std::string_view dataFolder);
[[nodiscard]] std::string CopyQuestionText(std::string_view dataFolder);
[[nodiscard]] std::string FolderMessageText(std::string_view dataFolder);

// What start-up asks of the machine before it decides; each probe is asked only when the
// decision depends on it.
struct TDataFolderProbes {
    std::string ProgramFolder; // with its trailing backslash
    std::string UserName;      // empty when it cannot be read
    // IsDirectory: the folder exists and shows an entry.
    std::function<bool(const std::string& folder)> FolderExists;
    std::function<bool(const std::string& file)> FileExists;
};

enum class TStartAction {
    Message,      // a plain message: Text
    CreateFolder, // the folder Path and its missing parents; failure is not reported
    CopySeed,     // Source over Path; failure is not reported
    WriteNewFile, // a new data file at Path
    End,          // start-up ends: the program ends without saving
};

struct TStartStep {
    TStartAction Action = TStartAction::Message;
    std::string Text;
    std::string Path;
    std::string Source;
};

struct TQuestion {
    std::string Caption;
    std::string Text;
};

// The first-run plan: Steps happen first; then, when there is a Question, the steps of the
// answer. Afterwards (unless a step ended start-up) the data file in DataFolder is loaded.
struct TDataFolderPlan {
    std::string DataFolder;
    std::vector<TStartStep> Steps;
    std::optional<TQuestion> Question;
    std::vector<TStartStep> IfYes, IfNo;
};

[[nodiscard]] TDataFolderPlan PlanDataFolder(const TDataFolderProbes& probes);
// Every step of the plan in the order it happens, for one answer (unused without a question).
[[nodiscard]] std::vector<TStartStep> StepsInOrder(const TDataFolderPlan& plan, bool yes);
// True when the steps end start-up.
[[nodiscard]] bool EndsStartUp(const std::vector<TStartStep>& steps);

// Writes the data file of a first run to path through list, which must hold no page: one page
// kNewPageCaption of kNewDataFileButtons empty slots with the list's status; afterwards the list
// holds no page again, also when the save raises.
void WriteNewDataFile(TLaunchList& list, std::string_view path);
// Removes every page and slot.
void ClearPages(TLaunchList& list);
// Reads the list's file again. True when it was read; otherwise (a missing, unreadable or
// unsupported file, or a read that raised) the list is exactly as it was.
bool ReloadList(TLaunchList& list);
