// What shows the main form: the trigger timer, the tray icon, the hot key and power events.
#include "qvtdock/MainForm.h"

#include "forms/win/Application.h"
#include "forms/win/Screen.h"
#include "qvtdock/PowerState.h"
#include "qvtdock/ScreenEdge.h"
#include "qvtdock/TriggerTick.h"
#include "shared/Desktop.h"
#include "shared/HotKeyText.h"
#include "shared/MouseButtons.h"

#include <windows.h>

using forms::TComponent;

// ---- The trigger timer -------------------------------------------------------------------------

void TfmMain::LTimerTimer(TComponent* /*sender*/) {
    TTickProbes probes;
    probes.Busy = [this] { return FBusy; };
    probes.AutoHide = [this] { return PointerLeaveAutoHide(); };
    probes.Visible = [this] { return Visible(); };
    // The application's own flag alone stays set when the focus went nowhere (no window in
    // front), and then the buttons would wait for handlers that never get them.
    probes.Active = [] {
        DWORD process = 0;
        const HWND front = GetForegroundWindow();
        return forms::Application.Active() && front && GetWindowThreadProcessId(front, &process) &&
               process == GetCurrentProcessId();
    };
    probes.PointerInWindow = [this] { return CursorInWindow(Handle()); };
    probes.HintVisible = [this] {
        const TRvHint* hint = FHintSetter ? FHintSetter->HintWindow() : nullptr;
        return hint && hint->IsHintVisible();
    };
    probes.EdgePopup = [this] { return CheckScreenEdgePopup(); };
    probes.CombinationHeld = [this] { return LTimer->LaunchMouseBtnDowned(); };
    probes.OnDesktop = CursorOnDesktop;
    probes.OnTaskbar = CursorOnTaskbar;

    TTickSettings settings;
    settings.HintHide = FCfg.HintHide;
    settings.BtnPopupHint = FCfg.BtnPopupHint;
    settings.InvalidClickDeskTop = LTimer->InvalidClickDeskTop();
    settings.EffectiveClickTaskBar = LTimer->EffectiveClickTaskBar();

    const TTickResult result = RunTriggerTick(hold_, probes, settings);

    if (result.HideHint && FHintSetter)
        FHintSetter->HideHint();
    switch (result.Launch) {
    case TTickLaunch::Show:
        Show();
        break;
    case TTickLaunch::Foreground:
        ForceForeground();
        break;
    case TTickLaunch::None:
        break;
    }
}

bool TfmMain::CheckScreenEdgePopup() {
    // A window dragged to the edge, or a selection pulled there, must not call the launcher.
    if (!FCfg.RectPopUp || forms::Mouse.IsDragging() || !IsKeyUp(VK_LBUTTON) ||
        !IsKeyUp(VK_RBUTTON) || !IsKeyUp(VK_MBUTTON))
        return false;
    const forms::TPoint pointer = forms::Mouse.CursorPos();
    if (ScreenZoneAt(pointer, forms::Screen.Width(), forms::Screen.Height(), FCfg.Rect) < 0)
        return false;
    Show();
    return true;
}

// ---- The hot key and the tray icon -------------------------------------------------------------

void TfmMain::RegisterShowHotKey(const std::string& text) {
    const THotKey hotKey = ReadHotKeyText(text, SystemKeyNames());
    const HWND window = Handle();
    UnregisterHotKey(window, kShowHotKeyId);
    RegisterHotKey(window, kShowHotKeyId, hotKey.Modifiers, hotKey.Key);
}

void TfmMain::UnregisterShowHotKey() {
    // At destruction the window may be gone already, and with it the hot key.
    if (const HWND window = ExistingHandle())
        UnregisterHotKey(window, kShowHotKeyId);
}

void TfmMain::WMHotKey(forms::TMessage& message) {
    message.Result = 0;
    if (message.WParam != static_cast<WPARAM>(kShowHotKeyId) || FBusy || state_.CallingDisabled())
        return;
    // Also a locked window hides: the hot key is the user's own word.
    if (Visible()) {
        Hide();
    } else {
        FShownByHotKey = true;
        Show();
    }
}

void TfmMain::TrayIcon1Click(TComponent* /*sender*/) {
    if (state_.CallingDisabled() || FBusy)
        return;
    SetVisible(!Visible());
}

// ---- Power events ------------------------------------------------------------------------------

void TfmMain::WMPowerBroadcast(forms::TMessage& message) {
    message.Result = 0;
    const TPowerSteps steps = PowerEvent(FPowerCount, static_cast<uint32_t>(message.WParam));
    if (steps.Suspend) {
        SetTopMost(false);
        if (state_.Locked()) {
            state_.UnlockForSuspend();
            ShowLockSigns();
            ShowTrayImage(state_.TrayImage());
            Hide();
        }
        if (Visible())
            Hide();
        if (const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr))
            SetForegroundWindow(taskbar);
    }
    if (steps.HideIfVisible && Visible())
        Hide();
}
