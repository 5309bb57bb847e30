#pragma once
// The bracket of every menu, dialog and child program of the launcher: while one lives, the
// launcher neither hides by itself nor stays above the dialog; when it goes, on every way out,
// errors included, the launcher is topmost again and (unless locked) auto-hide is armed again.
// Brackets nest: only the outermost suspends and resumes, so a dialog opened from a dialog does
// not re-arm auto-hide under the first. Around a system dialog or box (which does not disable our
// windows itself) it also holds a forms::ModalBracket for it.
#include "forms/win/Form.h"

#include <optional>

class TfmMain;

enum class TSuspendFor {
    OwnWindow,    // a menu, one of our forms or a child program
    SystemDialog, // a system dialog or box: our windows are disabled while it is open
};

class TAutoHideSuspension {
public:
    explicit TAutoHideSuspension(TfmMain& form, TSuspendFor what = TSuspendFor::OwnWindow);
    ~TAutoHideSuspension();
    TAutoHideSuspension(const TAutoHideSuspension&) = delete;
    TAutoHideSuspension& operator=(const TAutoHideSuspension&) = delete;

private:
    void Leave() noexcept;

    TfmMain& form_;
    std::optional<forms::ModalBracket> bracket_;
};
