#include "qvtdock/AutoHideSuspension.h"

#include "forms/win/Application.h"
#include "qvtdock/MainForm.h"

TAutoHideSuspension::TAutoHideSuspension(TfmMain& form, TSuspendFor what) : form_(form) {
    const bool outermost = form_.state_.EnterSuspension();
    try {
        if (outermost)
            form_.SuspendAutoHide();
        if (what == TSuspendFor::SystemDialog)
            bracket_.emplace();
    } catch (...) {
        Leave();
        throw;
    }
}

TAutoHideSuspension::~TAutoHideSuspension() {
    Leave();
}

void TAutoHideSuspension::Leave() noexcept {
    // Our windows come back before the launcher goes back on top of them.
    bracket_.reset();
    if (!form_.state_.LeaveSuspension())
        return;
    try {
        form_.ResumeAutoHide();
    } catch (...) {
        forms::Application.HandleException(std::current_exception());
    }
}
