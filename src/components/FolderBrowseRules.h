#pragma once
// What the folder picker decides apart from the shell: the special folders it can start from,
// the browse flags of its options, where a centred dialog goes, and what the dialog's callback
// answers after a selection change (status line and OK button).
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

// The folder selected when the dialog opens. sfManual names a typed path.
enum class TSelectFolder {
    sfDesktop,
    sfManual,
    sfDrives,
    sfDesktopDir,
    sfFavorites,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates,
};
// The root of the dialog's tree, with the same values as TSelectFolder.
enum class TBrowseRootFolder {
    rfDesktop,
    rfManual,
    rfDrives,
    rfDesktopDir,
    rfFavorites,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
};
// Where the dialog goes: where the shell puts it, centred on the work area, or at the owner
// form's client corner.
enum class TShowStyle { ssNone, ssCenterScreen, ssClient };
enum class TSHBrowseOption {
    sboDontGoBelowDomain,
    sboReturnFSAncestors,
    sboReturnOnlyFSDirs,
    sboStatusTextAndShowPath, // a status line that always shows the selected path
    sboStatusText,
};
// What a selection change does to the OK button: nothing, enable it, or disable it.
enum class TOKButtonState { obsDefault, obsEnabled, obsDisabled };

// A set of options.
class TSHBrowseOptions {
public:
    TSHBrowseOptions() = default;
    TSHBrowseOptions(std::initializer_list<TSHBrowseOption> options) {
        for (TSHBrowseOption o : options)
            Include(o);
    }
    [[nodiscard]] bool Has(TSHBrowseOption o) const { return (bits_ & Bit(o)) != 0; }
    void Include(TSHBrowseOption o) { bits_ |= Bit(o); }
    void Exclude(TSHBrowseOption o) { bits_ &= ~Bit(o); }
    friend bool operator==(TSHBrowseOptions a, TSHBrowseOptions b) { return a.bits_ == b.bits_; }
    friend bool operator!=(TSHBrowseOptions a, TSHBrowseOptions b) { return !(a == b); }

private:
    static uint32_t Bit(TSHBrowseOption o) { return 1u << static_cast<int>(o); }
    uint32_t bits_ = 0;
};

// The shell's special-folder number of a choice; a manual choice gives the desktop's, its fallback.
[[nodiscard]] int FolderCsidl(TSelectFolder folder);
[[nodiscard]] int FolderCsidl(TBrowseRootFolder folder);

// The browse flags of the options (the two status options share BIF_STATUSTEXT).
[[nodiscard]] uint32_t BrowseFlags(TSHBrowseOptions options);
// The status line shows the selected path whatever the selection event says.
[[nodiscard]] bool ShowsPath(TSHBrowseOptions options);

// The screen position of a dialog of the given size centred across the work area and a third of
// the free height down (measured from the screen's corner, as the work area's size gives it);
// none when the work area is unknown.
[[nodiscard]] std::optional<forms::TPoint> CenteredDialogPos(std::optional<forms::TRect> workArea,
                                                             forms::TSize dialog);

// What the callback sends after a message: the status text, and whether to enable the OK button
// (none leaves it).
struct TBrowseReply {
    std::string StatusText;
    std::optional<bool> EnableOk;
};
// The reply for a message: path is the selected folder's path (only a selection change has one),
// showText and okState what the selection event left in them (empty and obsDefault when it did
// not run).
[[nodiscard]] TBrowseReply BrowseReply(bool showPath, const std::string& path,
                                       const std::string& showText, TOKButtonState okState);
