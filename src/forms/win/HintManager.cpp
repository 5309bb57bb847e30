#include "forms/win/HintManager.h"

#include "forms/base/StrUtils.h"
#include "forms/win/Application.h"
#include "forms/win/HintWindow.h"
#include "forms/win/Screen.h"

namespace forms {

namespace {

constexpr UINT_PTR kShowTimer = TApplication::kFirstPrivateTimer;
constexpr UINT_PTR kHideTimer = TApplication::kFirstPrivateTimer + 1;
constexpr UINT_PTR kPollTimer = TApplication::kFirstPrivateTimer + 2;

TControl* HintControlOf(TControl* c) {
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}

std::string ShortHint(const std::string& hint) {
    const size_t bar = FindChar(hint, '|');
    return bar == npos ? hint : hint.substr(0, bar);
}

bool CursorOver(TControl* c) {
    if (!c || !c->HandleAllocated())
        return false;
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    return under == c->Handle() || IsChild(c->Handle(), under);
}

} // namespace

THintManager::THintManager(TApplication& application) : application_(application) {}

THintManager::~THintManager() {
    Hide();
}

bool THintManager::OwnsTimer(UINT_PTR id) {
    return id == kShowTimer || id == kHideTimer || id == kPollTimer;
}

void THintManager::StartTimer(UINT_PTR id, int ms) {
    timerWindow_ = application_.UtilityWindow();
    SetTimer(timerWindow_, id, static_cast<UINT>(ms), nullptr);
}

void THintManager::StopTimer(UINT_PTR id) {
    if (timerWindow_)
        KillTimer(timerWindow_, id);
}

void THintManager::MouseMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        TControl* target = HintControlOf(TControl::FromHandle(msg.hwnd));
        // A control without a hint text waits too when the application's OnShowHint may give it
        // one; what is still empty then shows nothing.
        if (target && ShortHint(target->Hint()).empty() && !application_.OnShowHint)
            target = nullptr;
        if (target == control_ && !controlLife_.expired())
            return;
        const bool wasShown = shown_;
        Hide();
        StopTimer(kShowTimer);
        control_ = target;
        controlLife_ = target ? target->LifeToken() : std::weak_ptr<void>();
        if (target && application_.ShowHint())
            StartTimer(kShowTimer, wasShown ? application_.HintShortPause : application_.HintPause);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
        // A press ends the hint; it comes back only over another control.
        StopTimer(kShowTimer);
        Hide();
        return;
    default:
        return;
    }
}

void THintManager::Timer(UINT_PTR id) {
    StopTimer(id);
    if (id == kShowTimer)
        Activate();
    else if (id == kHideTimer)
        Hide();
    else if (id == kPollTimer) {
        if (controlLife_.expired() || !CursorOver(control_)) {
            Hide();
            control_ = nullptr;
        } else {
            StartTimer(kPollTimer, 100);
        }
    }
}

void THintManager::Activate() {
    if (!application_.ShowHint() || !control_ || controlLife_.expired())
        return;
    if (!CursorOver(control_)) {
        // The pointer left without a move of ours seeing it: forget the control, so that the
        // next move onto it starts the pause again.
        control_ = nullptr;
        return;
    }
    std::string text = ShortHint(control_->Hint());
    POINT cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = control_;
    info.HintPos = {cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3};
    info.HintMaxWidth = Screen.Width();
    bool canShow = true;
    if (application_.OnShowHint)
        application_.OnShowHint(text, canShow, info);
    if (!canShow || text.empty())
        return;
    if (!window_)
        window_ = MakeScoped<THintWindow>();
    TRect r = window_->CalcHintRect(info.HintMaxWidth, text);
    r = r.Offset(info.HintPos.X - r.Left, info.HintPos.Y - r.Top);
    const TRect work = Screen.WorkArea();
    if (r.Right > work.Right)
        r = r.Offset(work.Right - r.Right, 0);
    if (r.Left < work.Left)
        r = r.Offset(work.Left - r.Left, 0);
    if (r.Bottom > work.Bottom)
        r = r.Offset(0, cursor.y - r.Height() - r.Top);
    window_->ActivateHint(r, text);
    shown_ = true;
    StartTimer(kHideTimer, application_.HintHidePause);
    StartTimer(kPollTimer, 100);
}

void THintManager::Hide() {
    StopTimer(kHideTimer);
    StopTimer(kPollTimer);
    if (window_)
        window_->ReleaseHandle();
    shown_ = false;
}

void THintManager::FormDestroyed(TForm* form) {
    if (control_ && !controlLife_.expired() && control_->ParentForm() == form) {
        Hide();
        control_ = nullptr;
    }
}

} // namespace forms
