#pragma once
// The launcher window's user states and what hides it. Locked: the window never hides by itself
// and its close button does nothing. Calling disabled: nothing shows it. Armed: auto-hide may act
// (a show arms it, a hide disarms it). Topmost: the window is to stay above all others. While a
// menu, dialog or child program of the launcher is open, auto-hide is suspended and the window
// leaves the topmost band, so that the dialog can come above it; suspensions nest and only the
// outermost one ends them. The tray icon shows what the last of the two toggles set.
#include <string_view>

enum class TTrayImage {
    Application,     // the program's own icon
    Locked,          // a padlock
    CallingDisabled, // calling is switched off
};

// The icon resource of the program that shows the image.
[[nodiscard]] std::string_view TrayImageResource(TTrayImage image);

// How the lock shows on the title bar and in the menu.
struct TLockSigns {
    bool DownLocked = false; // the lock button stays drawn pressed
    std::string_view Hint;   // the lock button's hint
    bool CloseNoUse = false; // the close button is drawn unusable and does nothing
    bool MenuChecked = false;
};
[[nodiscard]] TLockSigns LockSigns(bool locked);

// The settings that decide auto-hide.
struct TAutoHideRules {
    bool RunHide = false;      // hide when the launcher loses the focus
    bool NotFormMos = false;   // with RunHide: hide when the pointer leaves the window
    bool BtnPopupHint = false; // the pop-up hint is in use (the pointer may rest on it)
    bool VisTitle = false;     // the title label is shown
};

// Where the pointer is, at one look.
struct TPointerFacts {
    bool WindowVisible = false;
    bool InWindow = false;  // strictly inside the window's rectangle
    bool OnTaskbar = false; // strictly inside the taskbar
    bool OnHint = false;    // over the pop-up hint window
};

class TLauncherState {
public:
    [[nodiscard]] bool Locked() const { return locked_; }
    [[nodiscard]] bool CallingDisabled() const { return callingDisabled_; }
    [[nodiscard]] bool AutoHideArmed() const { return armed_; }
    [[nodiscard]] bool TopMost() const { return topMost_; }
    [[nodiscard]] TTrayImage TrayImage() const { return tray_; }
    // The pointer has been inside the window since the last show.
    [[nodiscard]] bool PointerEntered() const { return pointerEntered_; }
    // Suspensions open now.
    [[nodiscard]] int Suspensions() const { return suspensions_; }

    // Locks or unlocks; unlocking arms auto-hide, locking disarms it. The tray shows the lock, or
    // the program's icon once unlocked, whatever the calling state.
    void ToggleLock();
    // Disables or enables calling. The tray shows it, or the program's icon once enabled,
    // whatever the lock.
    void ToggleCallingDisabled();
    // Unlocks without the toggle, as the machine's suspend does: auto-hide stays as it is (the
    // window is hidden next), and the tray shows calling disabled when it is, else the program's
    // icon, never the lock.
    void UnlockForSuspend();

    // The window is being shown: auto-hide armed, the pointer not yet seen inside.
    void Shown();
    // The window was hidden: disarmed.
    void Hidden();
    void SetTopMost(bool on) { topMost_ = on; }
    // Auto-hide off, out of the topmost band.
    void Suspend();
    // Back into the topmost band; auto-hide armed unless locked.
    void Resume();
    // A suspension opens: true for the outermost, which suspends.
    [[nodiscard]] bool EnterSuspension() { return ++suspensions_ == 1; }
    // A suspension closes: true for the outermost, which resumes.
    [[nodiscard]] bool LeaveSuspension();

    // Focus loss: the title switches to the clock when the window stays anyway (locked, or
    // RunHide off) and the title is shown.
    [[nodiscard]] bool FocusLossShowsClock(const TAutoHideRules& rules) const;
    // Focus loss hides the window: armed, not locked, RunHide.
    [[nodiscard]] bool FocusLossHides(const TAutoHideRules& rules) const;
    // One look at the pointer: notes that it is inside the window, and tells whether the window
    // hides because the pointer left it. That needs NotFormMos and RunHide, an armed, unlocked,
    // visible window, and a pointer that came into the window since the show and is now outside
    // it, off the taskbar and (with the pop-up hint in use) off the hint. A window shown away
    // from the pointer therefore waits for the pointer to come in before it hides on leave.
    [[nodiscard]] bool PointerLeaveHides(const TPointerFacts& facts, const TAutoHideRules& rules);

private:
    bool locked_ = false;
    bool callingDisabled_ = false;
    bool armed_ = false;
    bool topMost_ = false;
    bool pointerEntered_ = false;
    int suspensions_ = 0;
    TTrayImage tray_ = TTrayImage::Application;
};
