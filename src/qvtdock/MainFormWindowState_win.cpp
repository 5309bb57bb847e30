// The main form's window state: topmost, lock, auto-hide and activation.
#include "qvtdock/MainForm.h"

#include <windows.h>

using forms::TComponent;

void TfmMain::SetTopMost(bool on) {
    FTopMost = on;
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TfmMain::TitleBarLockBtnClick(TComponent* /*sender*/) {}

void TfmMain::LockBtnEnter(TComponent* /*sender*/) {}

void TfmMain::ApplicationEvents1Activate(TComponent* /*sender*/) {}

void TfmMain::ApplicationEvents1Deactivate(TComponent* /*sender*/) {}

void TfmMain::WMWindowPosChanged(forms::TMessage& /*message*/) {}
