#include "components/FolderBrowseRules.h"

#include "shared/LaunchItems.h"

#include <array>

namespace {

// The special folder of each choice, in the order of the choices; the manual choice falls back
// to the desktop.
constexpr std::array<TRootFolder, 11> kChoiceFolders = {
    rfDesktop, rfDesktop, rfMyComputer, rfDesktopDirectory, rfFavorites, rfPrograms,
    rfRecent,  rfSendTo,  rfStartMenu,  rfStartup,          rfTemplates,
};

int CsidlOfChoice(int choice) {
    if (choice < 0 || choice >= static_cast<int>(kChoiceFolders.size()))
        choice = 0;
    return kRootFolders.at(kChoiceFolders[static_cast<size_t>(choice)]).Csidl;
}

// The shell's browse flags.
constexpr uint32_t kDontGoBelowDomain = 2, kReturnFSAncestors = 8, kReturnOnlyFSDirs = 1,
                   kStatusText = 4;

} // namespace

int FolderCsidl(TSelectFolder folder) {
    return CsidlOfChoice(static_cast<int>(folder));
}

int FolderCsidl(TBrowseRootFolder folder) {
    return CsidlOfChoice(static_cast<int>(folder));
}

uint32_t BrowseFlags(TSHBrowseOptions options) {
    uint32_t flags = 0;
    if (options.Has(TSHBrowseOption::sboDontGoBelowDomain))
        flags |= kDontGoBelowDomain;
    if (options.Has(TSHBrowseOption::sboReturnFSAncestors))
        flags |= kReturnFSAncestors;
    if (options.Has(TSHBrowseOption::sboReturnOnlyFSDirs))
        flags |= kReturnOnlyFSDirs;
    if (options.Has(TSHBrowseOption::sboStatusTextAndShowPath) ||
        options.Has(TSHBrowseOption::sboStatusText))
        flags |= kStatusText;
    return flags;
}

bool ShowsPath(TSHBrowseOptions options) {
    return options.Has(TSHBrowseOption::sboStatusTextAndShowPath);
}

std::optional<forms::TPoint> CenteredDialogPos(std::optional<forms::TRect> workArea,
                                               forms::TSize dialog) {
    if (!workArea)
        return std::nullopt;
    return forms::TPoint{(workArea->Width() - dialog.Width) / 2,
                         (workArea->Height() - dialog.Height) / 3};
}

TBrowseReply BrowseReply(bool showPath, const std::string& path, const std::string& showText,
                         TOKButtonState okState) {
    TBrowseReply reply;
    reply.StatusText = showPath ? path : showText;
    if (okState == TOKButtonState::obsEnabled)
        reply.EnableOk = true;
    else if (okState == TOKButtonState::obsDisabled)
        reply.EnableOk = false;
    return reply;
}
