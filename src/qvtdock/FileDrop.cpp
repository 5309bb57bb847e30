#include "qvtdock/FileDrop.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

TDropKeys DropKeysOf(bool ctrl, bool shift, bool alt) {
    TDropKeys keys;
    if (ctrl)
        keys.Code = kDropCopy;
    if (shift)
        keys.Code = kDropMove;
    if (alt)
        keys.Code = kDropShortcuts;
    keys.Chosen = ctrl || shift || alt;
    return keys;
}

namespace {

// Files into a receiving folder: the held key's operation, else the choice or a copy.
TDropPlan FolderPlan(TDropKeys keys, bool askChoice, std::string target, TRootFolder folder,
                     TDropOpen open) {
    TDropPlan plan;
    plan.Target = std::move(target);
    plan.Folder = folder;
    plan.Open = open;
    if (keys.Chosen && keys.Code == kDropShortcuts) {
        plan.Step = TDropStep::Shortcuts;
    } else if (keys.Chosen) {
        plan.Step = TDropStep::FileOperation;
        plan.Operation = keys.Code;
    } else if (askChoice) {
        plan.Step = TDropStep::Choose;
    } else {
        plan.Step = TDropStep::FileOperation;
        plan.Operation = kDropCopy;
    }
    return plan;
}

TDropPlan SpecialFolderPlan(const std::string& name, TDropKeys keys, bool askChoice,
                            TShell& shell) {
    const std::optional<TRootFolder> found = RootFolderFromName(name);
    if (!found)
        return {};
    // Files dropped onto the desktop go where every user sees them.
    const TRootFolder folder = *found == rfDesktop ? rfCommonDesktopDirectory : *found;
    switch (folder) {
    case rfRecycleBin: {
        TDropPlan plan;
        plan.Step = TDropStep::RecycleBin;
        plan.Folder = folder;
        plan.Open = TDropOpen::SpecialFolder;
        return plan;
    }
    case rfCommonDesktopDirectory:
    case rfAppData:
    case rfDesktopDirectory:
    case rfFonts:
    case rfPersonal:
    case rfTemplates: {
        std::string target;
        try {
            target = RootFolderPath(folder, shell);
        } catch (const forms::EComError&) {
            return {};
        }
        if (target.empty())
            return {};
        return FolderPlan(keys, askChoice, std::move(target), folder, TDropOpen::SpecialFolder);
    }
    case rfCommonPrograms:
    case rfCommonStartMenu:
    case rfCommonStartup:
    case rfFavorites:
    case rfPrograms:
    case rfRecent:
    case rfSendTo:
    case rfStartMenu:
    case rfStartup: {
        // Asked about only when the folder is there to take the links.
        try {
            if (RootFolderPath(folder, shell).empty())
                return {};
        } catch (const forms::EComError&) {
            return {};
        }
        TDropPlan plan;
        plan.Step = TDropStep::AskShortcuts;
        plan.Folder = folder;
        plan.Open = TDropOpen::SpecialFolder;
        return plan;
    }
    default:
        // Virtual folders, and the history and caches, take no files.
        return {};
    }
}

} // namespace

TDropPlan PlanDrop(const TLaunchDataItem& item, TDropKeys keys, bool askChoice, TShell& shell) {
    switch (item.Kind) {
    case ikProgram:
    case ikShortcut: {
        TDropPlan plan;
        plan.Step = TDropStep::Run;
        return plan;
    }
    case ikFolder:
        return FolderPlan(keys, askChoice, item.Path, rfCommonDesktopDirectory, TDropOpen::Target);
    case ikSpecialFolder:
        return SpecialFolderPlan(item.Path, keys, askChoice, shell);
    default:
        return {};
    }
}

TDropPlan ChosenDropPlan(const TDropPlan& choose, int index) {
    TDropPlan plan = choose;
    switch (index) {
    case 0:
        plan.Step = TDropStep::FileOperation;
        plan.Operation = kDropCopy;
        break;
    case 1:
        plan.Step = TDropStep::FileOperation;
        plan.Operation = kDropMove;
        break;
    case 2:
        plan.Step = TDropStep::Shortcuts;
        break;
    default:
        plan = TDropPlan{};
        break;
    }
    return plan;
}

std::string DropParamText(const std::vector<std::string>& files) {
    std::string text;
    for (const std::string& file : files) {
        // A program's argument splitter reads backslashes before a closing quote as escapes; a
        // trail byte 5C of a double-byte character is no backslash (HasTrailingBackslash).
        size_t trailing = 0;
        std::string_view rest = file;
        while (forms::HasTrailingBackslash(rest)) {
            ++trailing;
            rest.remove_suffix(1);
        }
        text += " \"";
        text += file;
        text.append(trailing, '\\');
        text += '"';
    }
    return text;
}

bool ShellOperationDone(int result) {
    return result == 0;
}

TDropOutcome DropOutcome(TItemKind kind, bool done) {
    TDropOutcome outcome;
    outcome.CountUse = done;
    outcome.RunError = !done && (kind == ikProgram || kind == ikDocument ||
                                 kind == ikControlPanel || kind == ikShortcut);
    return outcome;
}

bool DropUnlocks(bool locked, bool dropRunLockOff) {
    return locked && dropRunLockOff;
}

TLaunchDataItem DropShortcutItem(std::string_view path, TShell& shell) {
    TLaunchDataItem item;
    const std::optional<std::string> name = shell.DisplayName(path);
    item.Title = name && !name->empty()
                     ? *name
                     : forms::ExtractFileName(forms::ExcludeTrailingBackslash(path));
    item.Path = std::string(path);
    item.WorkDir = shell.IsDirectory(path) ? std::string() : forms::ExtractFilePath(path);
    item.ShowCmd = kShowNormal;
    return item;
}

std::optional<std::string> FreeLinkTitle(std::string_view title, std::string_view folder,
                                         TShell& shell) {
    for (int number = 1; number <= kMaxLinkNumber; ++number) {
        std::string candidate(title);
        if (number > 1)
            candidate += " (" + std::to_string(number) + ")";
        const std::string file = std::string(folder) + ShortcutFileName(candidate);
        if (!shell.FileExists(file) && !shell.IsDirectory(file))
            return candidate;
    }
    return std::nullopt;
}

bool CreateDropShortcuts(const std::vector<std::string>& files, TRootFolder folder,
                         std::string_view target, TShell& shell) {
    if (files.empty())
        return false;
    const std::string dir =
        target.empty() ? RootFolderPath(folder, shell) : forms::IncludeTrailingBackslash(target);
    if (dir.empty())
        return false;
    bool all = true;
    for (const std::string& file : files) {
        TLaunchDataItem item = DropShortcutItem(file, shell);
        const std::optional<std::string> title = FreeLinkTitle(item.Title, dir, shell);
        if (!title) {
            all = false;
            continue;
        }
        item.Title = *title;
        if (!CreateItemShortcut(item, folder, dir, shell))
            all = false;
    }
    return all;
}

std::string DropRegisterQuestion(std::string_view path) {
    return forms::Quoted(path) + " を\r\r登録しますか？";
}

std::string DropRegisterErrorText(std::string_view path) {
    return forms::Quoted(path) + " は登録できません。";
}

std::string DropShortcutQuestion(std::string_view title) {
    return "[ " + std::string(title) + " ] にショートカットを作成しますか？";
}

std::string DropChoiceMessage(std::string_view title) {
    return "[ " + std::string(title) + " ] に";
}
