#include "qvtdock/LauncherState.h"

std::string_view TrayImageResource(TTrayImage image) {
    switch (image) {
    case TTrayImage::Locked:
        return "ZLOCK";
    case TTrayImage::CallingDisabled:
        return "ZNONE";
    case TTrayImage::Application:
        break;
    }
    return "MAINICON";
}

TLockSigns LockSigns(bool locked) {
    TLockSigns signs;
    signs.DownLocked = locked;
    signs.Hint = locked ? "ロック状態" : "ロック解除";
    signs.CloseNoUse = locked;
    signs.MenuChecked = locked;
    return signs;
}

void TLauncherState::ToggleLock() {
    locked_ = !locked_;
    armed_ = !locked_;
    tray_ = locked_ ? TTrayImage::Locked : TTrayImage::Application;
}

void TLauncherState::ToggleCallingDisabled() {
    callingDisabled_ = !callingDisabled_;
    tray_ = callingDisabled_ ? TTrayImage::CallingDisabled : TTrayImage::Application;
}

void TLauncherState::UnlockForSuspend() {
    locked_ = false;
    tray_ = callingDisabled_ ? TTrayImage::CallingDisabled : TTrayImage::Application;
}

void TLauncherState::Shown() {
    armed_ = true;
    pointerEntered_ = false;
}

void TLauncherState::Hidden() {
    armed_ = false;
    pointerEntered_ = false;
}

void TLauncherState::Suspend() {
    armed_ = false;
    topMost_ = false;
}

void TLauncherState::Resume() {
    topMost_ = true;
    armed_ = !locked_;
}

bool TLauncherState::LeaveSuspension() {
    if (suspensions_ == 0)
        return false;
    return --suspensions_ == 0;
}

bool TLauncherState::FocusLossShowsClock(const TAutoHideRules& rules) const {
    return (!rules.RunHide || locked_) && rules.VisTitle;
}

bool TLauncherState::FocusLossHides(const TAutoHideRules& rules) const {
    return armed_ && !locked_ && rules.RunHide;
}

bool TLauncherState::PointerLeaveHides(const TPointerFacts& facts, const TAutoHideRules& rules) {
    if (facts.WindowVisible && facts.InWindow)
        pointerEntered_ = true;
    return !locked_ && armed_ && facts.WindowVisible && pointerEntered_ && !facts.OnTaskbar &&
           rules.NotFormMos && rules.RunHide && !facts.InWindow &&
           !(rules.BtnPopupHint && facts.OnHint);
}
