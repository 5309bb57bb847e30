#pragma once
// Running a launch button and opening what its commands open, apart from the window: the shell
// routine that each kind of slot takes, what a run result means (a launch to count, a lock to
// lift, a failure to report), the command lines of the configured browser and mailer, and the
// folder that a registered file lies in. Every request goes through TShell.
#include "shared/LaunchData.h"
#include "shared/LaunchShell.h"
#include "shared/Settings.h"

#include <cstdint>
#include <string>
#include <string_view>

// The failure messages of launching: the title, the text for a folder that cannot be opened, and
// the text for a registered slot that runs nothing (its title in double quotes).
constexpr char kRegistrationErrorTitle[] = "登録エラー";
constexpr char kTargetNotFoundText[] = "登録先が見つかりません。";
[[nodiscard]] std::string NotRunnableText(std::string_view title);

// The show command of the configured browser and mailer.
constexpr int32_t kShowWindow = 5; // SW_SHOW

// Opens a URL: with the program registered for its scheme when [Connection] URL is set or no
// browser is named (OpenUrl of LaunchItems.h), else with the configured browser. The URL is
// trimmed and escaped (EscapeUrl) first, so that it is one argument on any command line; an
// empty URL runs nothing (kNothingRun). The shell's result.
int32_t OpenUrlWith(const TAppCfg& cfg, std::string_view url, TShell& shell);
// The configured browser's request for a URL: "open" on URLExe in double quotes, with the URL
// (escaped) alone or after URLExeParam and one blank, shown.
[[nodiscard]] TShellRun BrowserRun(const TAppCfg& cfg, std::string_view url);
// Writes to an address: "mailto:" and the address through the shell when [Connection] MAIL is set
// or no mailer is named, else with the configured mailer. The shell's result.
int32_t OpenMailWith(const TAppCfg& cfg, std::string_view address, TShell& shell);
// The configured mailer's request: "open" on MAILExe in double quotes, with "mailto:" and the
// address, directly after MAILExeParam when there is one, shown.
[[nodiscard]] TShellRun MailerRun(const TAppCfg& cfg, std::string_view address);

// Runs the slot by its kind and gives the result as it came (kNothingRun: nothing was run).
// Programs, folders, special folders, applets and shortcuts go to RunItem; a shortcut without a
// target (a link to a virtual item) opens its link file itself. A document whose extension is
// exactly ".url" is read as an internet shortcut and its URL opened with OpenUrlWith; other
// documents run through the list (TLaunchList::RunItem). A URL slot opens with OpenUrlWith. An
// unregistered slot or an unknown kind runs nothing, and so does a special folder that the system
// lacks. A slot that does not exist raises forms::EListIndexError.
int32_t RunSlot(TLaunchList& list, int page, int slot, uint8_t verb, const TAppCfg& cfg,
                TShell& shell);

// One more use of the item, never past the counter's largest value.
void CountUse(TLaunchDataItem& item);

// What a run result means.
struct TLaunchVerdict {
    bool Counted = false; // something ran: the slot's use counter grows by one
    bool Unlock = false;  // the locked launcher unlocks (DropRunLockOff)
    bool Report = false;  // a registered slot ran nothing: the registration error is shown
};
// Every result but kNothingRun counts as a launch, shell errors too (the shell reports its own).
[[nodiscard]] TLaunchVerdict JudgeLaunch(TItemKind kind, int32_t result, bool locked,
                                         bool dropRunLockOff);
// Runs the slot (RunSlot), judges the result and counts the launch in the slot (the counter
// stops at its largest value).
TLaunchVerdict LaunchSlot(TLaunchList& list, int page, int slot, uint8_t verb, const TAppCfg& cfg,
                          bool locked, TShell& shell);

// The shell started something: ShellExecute's result above 32, or ShellExecuteEx's 1 (which
// ShellExecute never gives).
[[nodiscard]] bool ShellStarted(int32_t result);
// The folder that holds what the slot registers, with its trailing delimiter: the target's
// folder for a shortcut (unless it leads into the installer's cache), else Path's folder.
[[nodiscard]] std::string RegisteredFolder(const TLaunchDataItem& item);
// Opens that folder; false when the shell cannot name it (it is then never handed to the shell)
// or did not start anything.
bool OpenRegisteredFolder(const TLaunchDataItem& item, TShell& shell);
