#include "qvtdock/Launching.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"
#include "shared/LaunchItems.h"
#include "shared/UrlText.h"

#include <limits>

using forms::Quoted;

namespace {
// The slot by its kind; EComError passes through.
int32_t RunByKind(TLaunchList& list, int page, int slot, uint8_t verb, const TAppCfg& cfg,
                  TShell& shell) {
    const TLaunchDataItem& item = *list.Items(page, slot);
    switch (item.Kind) {
    case ikProgram:
    case ikFolder:
    case ikSpecialFolder:
    case ikControlPanel:
        return RunItem(item, "", verb, shell);
    case ikShortcut:
        // A link to My Computer and the like has no target path; the shell runs the link itself.
        if (item.LinkFile.empty())
            return item.Path.empty() ? kNothingRun : ShellOpen(item.Path, "", shell);
        return RunItem(item, "", verb, shell);
    case ikDocument: {
        if (forms::ExtractFileExt(item.Path) != ".url")
            return list.RunItem(page, slot, "", verb, shell);
        TLaunchDataItem shortcut;
        if (!ReadUrlShortcut(item.Path, shortcut, shell))
            return kNothingRun;
        return OpenUrlWith(cfg, shortcut.Path, shell);
    }
    case ikUrl:
        return OpenUrlWith(cfg, item.Path, shell);
    case ikUnregistered:
        break;
    }
    return kNothingRun;
}
} // namespace

std::string NotRunnableText(std::string_view title) {
    return Quoted(title) + " は実行できません。";
}

int32_t OpenUrlWith(const TAppCfg& cfg, std::string_view url, TShell& shell) {
    const std::string safe = EscapeUrl(forms::Trim(url));
    if (safe.empty())
        return kNothingRun;
    if (cfg.URL || cfg.URLExe.empty())
        return OpenUrl(safe, "", shell);
    return shell.Execute(BrowserRun(cfg, safe));
}

TShellRun BrowserRun(const TAppCfg& cfg, std::string_view url) {
    std::string params = EscapeUrl(url);
    if (!cfg.URLExeParam.empty())
        params = cfg.URLExeParam + " " + params;
    return {"open", Quoted(cfg.URLExe), params, "", kShowWindow};
}

int32_t OpenMailWith(const TAppCfg& cfg, std::string_view address, TShell& shell) {
    if (cfg.MAIL || cfg.MAILExe.empty())
        return ShellOpen("mailto:" + std::string(address), "", shell);
    return shell.Execute(MailerRun(cfg, address));
}

TShellRun MailerRun(const TAppCfg& cfg, std::string_view address) {
    return {"open", Quoted(cfg.MAILExe), cfg.MAILExeParam + "mailto:" + std::string(address), "",
            kShowWindow};
}

int32_t RunSlot(TLaunchList& list, int page, int slot, uint8_t verb, const TAppCfg& cfg,
                TShell& shell) {
    (void)list.Items(page, slot); // a slot that does not exist raises here, not as "nothing run"
    try {
        return RunByKind(list, page, slot, verb, cfg, shell);
    } catch (const forms::EComError&) {
        // The system has no such special folder: there is nothing to run.
        return kNothingRun;
    }
}

TLaunchVerdict JudgeLaunch(TItemKind kind, int32_t result, bool locked, bool dropRunLockOff) {
    TLaunchVerdict verdict;
    verdict.Counted = result != kNothingRun;
    verdict.Unlock = verdict.Counted && locked && dropRunLockOff;
    verdict.Report = !verdict.Counted && kind != ikUnregistered;
    return verdict;
}

TLaunchVerdict LaunchSlot(TLaunchList& list, int page, int slot, uint8_t verb, const TAppCfg& cfg,
                          bool locked, TShell& shell) {
    const int32_t result = RunSlot(list, page, slot, verb, cfg, shell);
    TLaunchDataItem& item = *list.Items(page, slot);
    const TLaunchVerdict verdict = JudgeLaunch(item.Kind, result, locked, cfg.DropRunLockOff);
    if (verdict.Counted)
        CountUse(item);
    return verdict;
}

void CountUse(TLaunchDataItem& item) {
    if (item.UseCount < std::numeric_limits<int32_t>::max())
        ++item.UseCount;
}

bool ShellStarted(int32_t result) {
    return result > 32 || result == 1;
}

std::string RegisteredFolder(const TLaunchDataItem& item) {
    const bool linkTarget = item.Kind == ikShortcut && !IsInstallerShortcut(item);
    return forms::ExtractFilePath(linkTarget ? item.LinkFile : item.Path);
}

bool OpenRegisteredFolder(const TLaunchDataItem& item, TShell& shell) {
    const TShellPidlPtr folder = PidlFromPath(RegisteredFolder(item), shell);
    if (!folder)
        return false;
    return ShellStarted(OpenPidl(*folder, "", 0, shell));
}
