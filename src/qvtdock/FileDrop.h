#pragma once
// Files dropped onto a launcher button, decided apart from the window: which operation the held
// keys choose, what a drop onto a registered slot does (the plan), the parameters that a program
// gets, the shortcuts written for dropped files, what follows a drop, and the texts the launcher
// shows. The shell's file operations (copy, move, recycle) are not behind TShell: the plan names
// them and the launcher runs them.
#include "shared/LaunchData.h"
#include "shared/LaunchItems.h"
#include "shared/LaunchShell.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The operation the held keys choose. Codes 1 and 2 are the shell's move and copy (kShellMove,
// kShellCopy of FileUtils.h).
constexpr uint16_t kDropNoKey = 0;
constexpr uint16_t kDropMove = 1;
constexpr uint16_t kDropCopy = 2;
constexpr uint16_t kDropShortcuts = 4;

struct TDropKeys {
    uint16_t Code = kDropNoKey;
    bool Chosen = false; // any of the three keys was held
};
// Ctrl copies, Shift moves, Alt makes shortcuts; tested in that order, a later key wins (Ctrl
// with Shift moves, Ctrl or Shift with Alt makes shortcuts).
[[nodiscard]] TDropKeys DropKeysOf(bool ctrl, bool shift, bool alt);

// What a drop onto a registered slot does.
enum class TDropStep {
    Nothing,       // not carried out, and nothing to say
    Run,           // the slot runs with the dropped files as parameters
    FileOperation, // the shell copies or moves the files (Operation) into Target
    Shortcuts,     // shortcuts to the files in Target (or, without one, in Folder)
    Choose,        // the user chooses copy, move or shortcuts into Target
    RecycleBin,    // the shell moves the files into the recycle bin
    AskShortcuts,  // a question, then shortcuts to the files in Folder
};

// What opens after a drop that was carried out, when the settings ask for it.
enum class TDropOpen {
    None,
    Target,       // the receiving folder by its path
    SpecialFolder // Folder by its identifier list
};

struct TDropPlan {
    TDropStep Step = TDropStep::Nothing;
    uint16_t Operation = kDropNoKey; // FileOperation: kDropMove or kDropCopy
    // The special folder of a kind-4 slot (the all-users desktop for the desktop), and of a
    // folder slot the all-users desktop, which a drop with a target never writes into.
    TRootFolder Folder = rfCommonDesktopDirectory;
    std::string Target; // the receiving folder's path; empty for none
    TDropOpen Open = TDropOpen::None;
};

// The plan of a drop onto a registered slot: a program or shortcut runs; a folder, or a special
// folder with a file-system path, takes the files as the keys say (without a key: the choice
// when askChoice, else a copy); the recycle bin takes them; the folders of programs, the start
// menu, start-up, favourites, recent documents and send-to get shortcuts after a question (keys
// ignored); everything else does nothing. A special folder the system lacks, or one without a
// file-system path where one is needed, does nothing.
[[nodiscard]] TDropPlan PlanDrop(const TLaunchDataItem& item, TDropKeys keys, bool askChoice,
                                 TShell& shell);

// The plan of the user's choice for a Choose plan: 0 copies, 1 moves, 2 makes shortcuts, into the
// same target; any other index (-1: cancelled) does nothing.
[[nodiscard]] TDropPlan ChosenDropPlan(const TDropPlan& choose, int index);

// The parameters of a program that runs with dropped files: for each file a blank and the path
// in double quotes, so the text begins with a blank. Backslashes that end a path are doubled,
// so that the program's argument is the path itself ("C:\" arrives as C:\, not as C:").
[[nodiscard]] std::string DropParamText(const std::vector<std::string>& files);

// The shell's file operations succeed with 0 only; cancelled and failed ones give other values.
[[nodiscard]] bool ShellOperationDone(int result);

// What follows a drop onto a registered slot: one more use when it was carried out; the run
// error for a program, document, applet or shortcut that was not.
struct TDropOutcome {
    bool CountUse = false;
    bool RunError = false;
};
[[nodiscard]] TDropOutcome DropOutcome(TItemKind kind, bool done);
// A handled drop unlocks a locked launcher when the settings say so.
[[nodiscard]] bool DropUnlocks(bool locked, bool dropRunLockOff);

// Shortcuts for dropped files. The item of one dropped path: titled with the shell's display name
// (the file name when the shell gives none), shown normally, working in the file's folder (none
// for a folder).
[[nodiscard]] TLaunchDataItem DropShortcutItem(std::string_view path, TShell& shell);
// The most numbered titles tried for one link before it is given up.
constexpr int kMaxLinkNumber = 999;
// The title whose link file (ShortcutFileName) is free in folder (ending in a backslash): the
// title itself, else the title with " (2)", " (3)" ... up to kMaxLinkNumber; none when all are
// taken. A folder of that name takes the name too.
[[nodiscard]] std::optional<std::string> FreeLinkTitle(std::string_view title,
                                                       std::string_view folder, TShell& shell);
// Writes a shortcut for every file into target, or into the special folder without one; a link
// never replaces an existing file. True only when the list holds files and every link was
// written. A failing write raises forms::EComError.
bool CreateDropShortcuts(const std::vector<std::string>& files, TRootFolder folder,
                         std::string_view target, TShell& shell);

// The drop being handled. It runs to its end before another is taken: its handling pumps
// messages, which may bring the next drop. Its files in drop order, the keys held at the drop and
// the special folder that receives the files.
class TDropSession {
public:
    [[nodiscard]] bool Running() const { return running_; }
    // The all-users desktop receives the files until the drop's plan names another folder.
    void Begin(std::vector<std::string> files, TDropKeys keys) {
        running_ = true;
        files_ = std::move(files);
        keys_ = keys;
        folder_ = rfCommonDesktopDirectory;
    }
    // The files are let go; the next drop may come.
    void End() {
        running_ = false;
        files_.clear();
    }
    [[nodiscard]] const std::vector<std::string>& Files() const { return files_; }
    [[nodiscard]] TDropKeys Keys() const { return keys_; }
    [[nodiscard]] TRootFolder Folder() const { return folder_; }
    void SetFolder(TRootFolder folder) { folder_ = folder; }

private:
    bool running_ = false;
    std::vector<std::string> files_;
    TDropKeys keys_;
    TRootFolder folder_ = rfCommonDesktopDirectory;
};

// The texts of a drop. A run that did not start shows NotRunnableText (Launching.h).
constexpr char kDropRunErrorTitle[] = "実行エラー";
constexpr char kDropRegisterTitle[] = "登録の確認";
constexpr char kDropRegisterErrorTitle[] = "登録エラー";
constexpr char kDropShortcutTitle[] = "ショートカット作成";
constexpr char kDropChoiceCaption[] = "ファイルドロップ処理の選択";
// The choices in their order: copy, move, shortcuts.
constexpr const char* kDropChoices[] = {"ファイルをコピー", "ファイルを移動",
                                        "ファイルのショートカットを作成"};
[[nodiscard]] std::string DropRegisterQuestion(std::string_view path);
[[nodiscard]] std::string DropRegisterErrorText(std::string_view path);
[[nodiscard]] std::string DropShortcutQuestion(std::string_view title);
[[nodiscard]] std::string DropChoiceMessage(std::string_view title);
