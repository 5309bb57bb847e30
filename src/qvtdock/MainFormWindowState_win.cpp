// The main form's window state: placement, foreground, topmost, lock, calling disabled and
// auto-hide.
#include "qvtdock/MainForm.h"

#include "forms/base/Method.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"
#include "forms/win/Screen.h"
#include "qvtdock/WindowPlacement.h"
#include "shared/Desktop.h"

#include <windows.h>

#include <cwchar>
#include <iterator>

using forms::TComponent;

namespace {
// The title label leaves this much of the title bar to the buttons and counters.
constexpr int kTitleBarReserve = 120;
} // namespace

void TfmMain::BuildWindowStateDesign() {
    OnShow = forms::Method(this, &TfmMain::FormShow);
    OnHide = forms::Method(this, &TfmMain::FormHide);
    OnActivate = forms::Method(this, &TfmMain::FormActivate);
}

// ---- Placement and foreground ------------------------------------------------------------------

void TfmMain::PlaceWindow(int mode, bool clamp) {
    TPlacementInput in;
    in.Mode = mode;
    in.Clamp = clamp;
    in.Window = BoundsRect();
    in.Pointer = forms::Mouse.CursorPos();
    in.PointerOnTaskbar = CursorOnTaskbar();
    in.Screen = {forms::Screen.Width(), forms::Screen.Height()};
    in.WorkArea = forms::Screen.WorkArea();
    in.Revision.Revision = FCfg.Revision;
    in.Revision.RevisionTaskBar = FCfg.RevisionTaskBar;
    in.Revision.RevisionPoint = FCfg.RevisionPoint;
    const TPlacement plan = PlanPlacement(in);
    if (plan.Pointer)
        forms::Mouse.SetCursorPos(*plan.Pointer);
    SetBounds(plan.Position.X, plan.Position.Y, Width(), Height());
}

void TfmMain::ForceForeground() {
    const HWND self = Handle();
    const HWND foreground = GetForegroundWindow();
    if (foreground != self) {
        // Windows lets a thread take the foreground only from inside the foreground thread's
        // input; joining it for the call is enough. The launcher is the application window.
        const DWORD ours = GetCurrentThreadId();
        const DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool join = theirs && theirs != ours && AttachThreadInput(ours, theirs, TRUE);
        const auto leave = forms::OnScopeExit([&] {
            if (join)
                AttachThreadInput(ours, theirs, FALSE);
        });
        SetForegroundWindow(self);
    }
    if (Base->Visible()) {
        SetActiveControl(BtnBar);
        FocusIfShowing(BtnBar);
    }
}

void TfmMain::SetVisible(bool visible) {
    const bool showing = visible && !Visible();
    forms::TForm::SetVisible(visible);
    if (showing && Visible())
        ForceForeground();
}

// ---- Topmost and the bracket -------------------------------------------------------------------

void TfmMain::ApplyTopMost() {
    SetWindowPos(Handle(), state_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TfmMain::SetTopMost(bool on) {
    state_.SetTopMost(on);
    ApplyTopMost();
}

void TfmMain::SuspendAutoHide() {
    state_.Suspend();
    ApplyTopMost();
}

void TfmMain::ResumeAutoHide() {
    state_.Resume();
    ApplyTopMost();
}

void TfmMain::WMWindowPosChanged(forms::TMessage& /*message*/) {
    // The restore itself changes the window's position; Windows may also refuse it, and the
    // notification of a refused restore must not ask again.
    const HWND self = ExistingHandle();
    if (!self || restoringTopMost_ || !state_.TopMost() ||
        (GetWindowLongW(self, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return;
    restoringTopMost_ = true;
    const auto done = forms::OnScopeExit([this] { restoringTopMost_ = false; });
    SetWindowPos(self, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

// ---- Lock and calling disabled -----------------------------------------------------------------

void TfmMain::ShowLockSigns() {
    const TLockSigns signs = LockSigns(state_.Locked());
    LockBtn->SetDownLocked(signs.DownLocked);
    CloseBtn->SetNoUse(signs.CloseNoUse);
    LockBtn->SetHint(signs.Hint);
    mnLock->SetChecked(signs.MenuChecked);
}

void TfmMain::ShowTrayImage(TTrayImage image) {
    TrayIcon1->Icon().LoadFromResource(GetModuleHandleW(nullptr), TrayImageResource(image),
                                       GetSystemMetrics(SM_CXSMICON));
}

void TfmMain::TitleBarLockBtnClick(TComponent* /*sender*/) {
    state_.ToggleLock();
    ShowLockSigns();
    ShowTrayImage(state_.TrayImage());
}

void TfmMain::mnLockClick(TComponent* sender) {
    TitleBarLockBtnClick(sender);
}

void TfmMain::LockBtnEnter(TComponent* sender) {
    if (FCfg.AutoLock)
        TitleBarLockBtnClick(sender);
    if (!Active())
        ForceForeground();
}

void TfmMain::mnNotuseClick(TComponent* /*sender*/) {
    state_.ToggleCallingDisabled();
    mnNotuse->SetChecked(state_.CallingDisabled());
    // The timer drives the mouse trigger, the screen edges and the pointer-leave auto-hide.
    LTimer->SetEnabled(!state_.CallingDisabled());
    FPowerCount = 0;
    ShowTrayImage(state_.TrayImage());
}

// ---- Show, hide and activation -----------------------------------------------------------------

void TfmMain::FormShow(TComponent* /*sender*/) {
    // The window is not visible yet: it appears where it belongs, and SetVisible takes the
    // foreground once it is there.
    PlaceWindow(FShownByHotKey ? FCfg.KeyShowPos : FCfg.MouseShowPos, true);
    FShownByHotKey = false;
    MakeShownPageIcons();
    state_.Shown();
    if (!state_.TopMost() && !FBusy)
        SetTopMost(true);
}

void TfmMain::FormHide(TComponent* /*sender*/) {
    state_.Hidden();
    // A button held on the window is released elsewhere, or not at all.
    input_.EndPresses();
    if (FCfg.BtnPopupHint && FHintSetter)
        FHintSetter->HideHint();
}

void TfmMain::ShowTitleParts() {
    LbTitle->SetVisible(FCfg.VisTitle);
    LbBtn->SetVisible(FCfg.BtnCounter);
    LbCount->SetVisible(FCfg.BtnCounter);
}

void TfmMain::ShowTitleTime() {
    if (!FCfg.VisTitle)
        return;
    LbTitle->SetShowTime(FCfg.VisDateTime);
    UpdateTitleInfo();
}

void TfmMain::ApplicationEvents1Activate(TComponent* /*sender*/) {
    // The launcher is the application window itself, so there is no other application window
    // to keep off the taskbar.
    SetActiveControl(BtnBar);
    ShowTitleParts();
    ShowTitleTime();
}

void TfmMain::FormActivate(TComponent* /*sender*/) {
    SetActiveControl(BtnBar);
    ShowTitleParts();
    const TRvHint* hint = FHintSetter ? FHintSetter->HintWindow() : nullptr;
    const bool hintShown = hint && hint->IsHintVisible();
    if (state_.TopMost() && FCfg.BtnPopupHint && !hintShown)
        ShowButtonHint();
    ShowTitleTime();
}

// ---- Auto-hide ---------------------------------------------------------------------------------

namespace {
TAutoHideRules RulesOf(const TAppCfg& cfg) {
    TAutoHideRules rules;
    rules.RunHide = cfg.RunHide;
    rules.NotFormMos = cfg.NotFormMos;
    rules.BtnPopupHint = cfg.BtnPopupHint;
    rules.VisTitle = cfg.VisTitle;
    return rules;
}
} // namespace

void TfmMain::ApplicationEvents1Deactivate(TComponent* /*sender*/) {
    const TAutoHideRules rules = RulesOf(FCfg);
    if (state_.FocusLossShowsClock(rules)) {
        LbTitle->SetShowTime(true);
        LbTitle->SetWidth(TitleBox->Width() - kTitleBarReserve);
        LbTitle->Repaint();
    }
    if (state_.FocusLossHides(rules))
        Hide();
}

bool TfmMain::PointerLeaveAutoHide() {
    TPointerFacts facts;
    facts.WindowVisible = Visible();
    if (facts.WindowVisible) {
        facts.InWindow = CursorInWindow(Handle());
        facts.OnTaskbar = CursorOnTaskbar();
        facts.OnHint = IsCursorOnHintWindow();
    }
    if (!state_.PointerLeaveHides(facts, RulesOf(FCfg)))
        return false;
    Hide();
    return true;
}

bool TfmMain::IsCursorOnHintWindow() const {
    POINT p{};
    if (!GetCursorPos(&p))
        return false;
    const HWND under = WindowFromPoint(p);
    wchar_t name[16] = {};
    if (!under || !GetClassNameW(under, name, static_cast<int>(std::size(name))))
        return false;
    return std::wcscmp(name, L"TRvHint") == 0;
}
