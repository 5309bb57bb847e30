#include "forms/win/Form.h"

#include "forms/base/CallbackGuard.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"

#include <algorithm>

namespace forms {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    PlacedBySystem(BoundsRect(), false); // created hidden
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    Application.FormDestroyed(this);
}

void TForm::AfterConstruction() {
    for (int i = 0; i < ComponentCount(); ++i)
        Components(i)->Loaded();
    Loaded();
    loading_ = false;
    DoCreate();
}

void TForm::BeforeDestruction() {
    if (OnDestroy)
        OnDestroy(this);
    Application.FormDestroyed(this);
    TWinControl::BeforeDestruction();
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    ApplyFrameStyles();
}

void TForm::SetStayOnTop(bool value) {
    if (value == stayOnTop_)
        return;
    stayOnTop_ = value;
    if (HandleAllocated())
        SetWindowPos(Handle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetToolWindow(bool value) {
    if (value == toolWindow_)
        return;
    toolWindow_ = value;
    ApplyFrameStyles();
}

namespace {
// The style bits that the border style and the tool-window setting decide.
constexpr DWORD kFrameStyles = WS_POPUP | WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_SYSMENU |
                               WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
// WS_EX_WINDOWEDGE is the system's to set again for the frames that have it.
constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
} // namespace

void TForm::ApplyFrameStyles() {
    if (!HandleAllocated())
        return;
    TCreateParams p;
    CreateParams(p);
    const HWND h = Handle();
    const DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
    SetWindowLongW(h, GWL_STYLE,
                   static_cast<LONG>((style & ~kFrameStyles) | (p.Style & kFrameStyles)));
    const DWORD ex = static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE));
    SetWindowLongW(h, GWL_EXSTYLE,
                   static_cast<LONG>((ex & ~kFrameExStyles) | (p.ExStyle & kFrameExStyles)));
    // The window keeps its size, so the client area becomes what it would have been with this
    // frame from the start.
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Realign();
}

void TForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN;
    p.ExStyle = WS_EX_CONTROLPARENT;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
        p.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        p.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        break;
    case TFormBorderStyle::bsSizeable:
        p.Style |= WS_OVERLAPPEDWINDOW;
        break;
    case TFormBorderStyle::bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        p.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        p.Style |= WS_CAPTION | WS_SYSMENU;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (stayOnTop_)
        p.ExStyle |= WS_EX_TOPMOST;
    if (toolWindow_)
        p.ExStyle |= WS_EX_TOOLWINDOW;
    if (alphaBlend_)
        p.ExStyle |= WS_EX_LAYERED;
    if (!Enabled())
        p.Style |= WS_DISABLED;
    p.WndParent = nullptr;
    TForm* main = Application.MainForm();
    if (main && main != this && main->HandleAllocated())
        p.WndParent = main->Handle();
    if (position_ == TPosition::poDefault) {
        p.X = CW_USEDEFAULT;
        p.Y = CW_USEDEFAULT;
    }
}

void TForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (position_ == TPosition::poDefault)
        UpdateBoundsFromWindow();
    if (this == Application.MainForm() && !Application.Icon().Empty()) {
        SendMessageW(Handle(), WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(Application.Icon().Handle()));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(Application.Icon().Handle()));
    }
    ApplyLayered();
}

namespace {
RECT FrameOf(DWORD style, DWORD exStyle) {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return r;
}
} // namespace

int TForm::ClientWidth() const {
    if (HWND h = ExistingHandle()) {
        RECT r;
        GetClientRect(h, &r);
        return r.right;
    }
    TCreateParams p;
    const_cast<TForm*>(this)->CreateParams(p);
    const RECT f = FrameOf(p.Style, p.ExStyle);
    return Width() - (f.right - f.left);
}

int TForm::ClientHeight() const {
    if (HWND h = ExistingHandle()) {
        RECT r;
        GetClientRect(h, &r);
        return r.bottom;
    }
    TCreateParams p;
    const_cast<TForm*>(this)->CreateParams(p);
    const RECT f = FrameOf(p.Style, p.ExStyle);
    return Height() - (f.bottom - f.top);
}

void TForm::SetClientSize(int width, int height) {
    DWORD style, exStyle;
    if (HandleAllocated()) {
        style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
        exStyle = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE));
    } else {
        TCreateParams p;
        CreateParams(p);
        style = p.Style;
        exStyle = p.ExStyle;
    }
    const RECT f = FrameOf(style, exStyle);
    SetBounds(Left(), Top(), width + (f.right - f.left), height + (f.bottom - f.top));
}

void TForm::SetClientWidth(int width) {
    SetClientSize(width, ClientHeight());
}

void TForm::SetClientHeight(int height) {
    SetClientSize(ClientWidth(), height);
}

void TForm::SetDefaultButton(TWinControl* control) {
    Watch(control);
    defaultButton_ = control;
}

void TForm::SetCancelButton(TWinControl* control) {
    Watch(control);
    cancelButton_ = control;
}

void TForm::Watch(TComponent* c) {
    if (c)
        c->FreeNotification(this);
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == defaultButton_)
        defaultButton_ = nullptr;
    if (component == cancelButton_)
        cancelButton_ = nullptr;
    if (component == activeControl_)
        activeControl_ = nullptr;
}

void TForm::SetAlphaBlend(bool value) {
    if (value == alphaBlend_)
        return;
    alphaBlend_ = value;
    ApplyLayered();
}

void TForm::SetAlphaBlendValue(uint8_t value) {
    if (value == alphaValue_)
        return;
    alphaValue_ = value;
    ApplyLayered();
}

void TForm::ApplyLayered() {
    if (!HandleAllocated())
        return;
    const HWND h = Handle();
    const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
    if (alphaBlend_) {
        SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredWindowAttributes(h, 0, alphaValue_, LWA_ALPHA);
    } else if (ex & WS_EX_LAYERED) {
        SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void TForm::PlaceOnScreen() {
    if (placed_)
        return;
    placed_ = true;
    if (position_ == TPosition::poScreenCenter)
        SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    if (visible) {
        HandleNeeded();
        PlaceOnScreen();
        DoShow(); // before the window appears
        PlacedBySystem(BoundsRect(), true);
        ShowWindow(Handle(), SW_SHOW);
        ShowingChanged();
        if (!activeControl_) {
            std::vector<TWinControl*> list;
            TabList(list, true);
            if (!list.empty())
                activeControl_ = list.front();
        }
        if (activeControl_ && activeControl_->CanFocus() && GetActiveWindow() == Handle())
            ::SetFocus(activeControl_->Handle());
    } else {
        PlacedBySystem(BoundsRect(), false);
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
        ShowingChanged();
        DoHide();
    }
}

void TForm::Close() {
    if (!CloseQuery())
        return;
    if (modal_)
        modalResult_ = mrCancel;
    else if (this == Application.MainForm())
        Application.Terminate();
    else
        Hide();
}

std::vector<HWND> DisableThreadWindows(HWND keep) {
    struct Enumeration {
        HWND keep;
        std::vector<HWND> list;
        CallbackGuard guard;
    } e{keep, {}, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto& e = *reinterpret_cast<Enumeration*>(lp);
            return e.guard.Run(FALSE, [&] {
                if (h != e.keep && IsWindowVisible(h) && IsWindowEnabled(h))
                    e.list.push_back(h);
                return TRUE;
            });
        },
        reinterpret_cast<LPARAM>(&e));
    e.guard.Rethrow(); // before any window was disabled
    for (HWND h : e.list)
        EnableWindow(h, FALSE);
    return std::move(e.list);
}

void EnableWindows(const std::vector<HWND>& windows) {
    for (HWND h : windows)
        if (IsWindow(h))
            EnableWindow(h, TRUE);
}

int TForm::ShowModal() {
    if (Visible() || modal_)
        throw Exception("表示中のフォームはモーダルにできません");
    HandleNeeded();
    TForm* main = Application.MainForm();
    if (main && main != this)
        SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main->Handle()));
    HWND previous = GetActiveWindow();
    const std::vector<HWND> disabled = DisableThreadWindows(Handle());
    auto finish = [this, &disabled] {
        EnableWindows(disabled); // before hiding, so activation stays with us
        modal_ = false;
        if (Visible())
            Hide();
    };
    // On the way out through an error, the error of closing must not replace it.
    auto guard = OnScopeExit([&finish] {
        try {
            finish();
        } catch (...) {
            Application.HandleException(std::current_exception());
        }
    });
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    SetForegroundWindow(Handle());
    while (modalResult_ == mrNone) {
        Application.HandleMessage();
        if (Application.Terminated() && modalResult_ == mrNone)
            modalResult_ = mrCancel;
    }
    const int result = modalResult_;
    guard.Dismiss();
    finish(); // an error of OnHide reaches the caller
    if (previous && IsWindow(previous) && IsWindowVisible(previous))
        SetForegroundWindow(previous);
    return result;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_)
        return;
    Watch(control);
    activeControl_ = control;
    if (control && HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus() &&
        !control->Focused())
        ::SetFocus(control->Handle());
}

void TForm::FocusChanged(TWinControl* control) {
    Watch(control);
    activeControl_ = control;
}

void TForm::SelectNext(TWinControl* current, bool forward, bool tabStopsOnly) {
    std::vector<TWinControl*> list;
    TabList(list, tabStopsOnly);
    if (list.empty())
        return;
    auto it = std::find(list.begin(), list.end(), current);
    size_t next;
    if (it == list.end())
        next = forward ? 0 : list.size() - 1;
    else {
        const size_t i = static_cast<size_t>(it - list.begin());
        next = forward ? (i + 1) % list.size() : (i + list.size() - 1) % list.size();
    }
    list[next]->SetFocus();
}

bool TForm::FocusIfShowing(TWinControl* control) {
    if (!control || !control->CanFocus())
        return false;
    control->SetFocus();
    return true;
}

void TForm::Paint() {
    if (OnPaint)
        OnPaint(this);
}

void TForm::HandleCommand(TMessage& m) {
    const WORD id = LOWORD(m.WParam);
    if (id == IDCANCEL && cancelButton_ && cancelButton_->Enabled()) {
        cancelButton_->Click();
        return;
    }
    // Enter names the default button by its id (DM_GETDEFID); the system finds only direct
    // children by id, so one on a panel or in a group arrives here without its window.
    const bool defaultId = defaultButton_ && defaultButton_->HandleAllocated() &&
                           id == GetDlgCtrlID(defaultButton_->Handle());
    if ((id == IDOK || defaultId) && defaultButton_ && defaultButton_->Enabled()) {
        defaultButton_->Click();
        return;
    }
    DefaultHandler(m);
}

void TForm::HandleActivate(TMessage& m) {
    const bool activating = LOWORD(m.WParam) != WA_INACTIVE;
    active_ = activating;
    const std::weak_ptr<void> life = LifeToken();
    if (activating) {
        if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated() &&
            !HIWORD(m.WParam))
            ::SetFocus(activeControl_->Handle());
        else
            DefaultHandler(m);
        if (life.expired())
            return;
        if (OnActivate)
            OnActivate(this);
    } else {
        DefaultHandler(m);
        if (OnDeactivate)
            OnDeactivate(this);
    }
    m.Result = 0;
}

void TForm::HandleNextDlgCtl(TMessage& m) {
    if (LOWORD(m.LParam)) {
        if (auto* c = dynamic_cast<TWinControl*>(FromHandle(reinterpret_cast<HWND>(m.WParam))))
            FocusIfShowing(c);
    } else {
        TWinControl* current = dynamic_cast<TWinControl*>(FromHandle(GetFocus()));
        SelectNext(current ? current : activeControl_, m.WParam == 0, true);
    }
    m.Result = 0;
}

void TForm::HandleQueryEndSession(TMessage& m) {
    sessionEndAgreed_ = CloseQuery();
    m.Result = sessionEndAgreed_ ? TRUE : FALSE;
}

void TForm::HandleEndSession(TMessage& m) {
    m.Result = 0;
    if (!m.WParam) {
        // Someone refused: the session goes on, and a later end asks again.
        sessionEndAgreed_ = false;
        return;
    }
    // An end nobody asked about (a forced one) still gets the close's query, once; the session
    // ends whatever it says.
    if (!sessionEndAgreed_)
        (void)CloseQuery();
    Application.Terminate();
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case WM_QUERYENDSESSION:
        HandleQueryEndSession(m);
        return;
    case WM_ENDSESSION:
        HandleEndSession(m);
        return;
    case WM_ACTIVATE:
        HandleActivate(m);
        return;
    case WM_ACTIVATEAPP:
        Application.ActivateChanged(m.WParam != 0);
        DefaultHandler(m);
        return;
    case WM_COMMAND:
        if (!m.LParam) {
            HandleCommand(m);
            return;
        }
        break;
    case DM_GETDEFID:
        m.Result = 0;
        if (defaultButton_ && defaultButton_->IsSystemClass() && defaultButton_->HandleAllocated())
            m.Result = MAKELRESULT(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
        return;
    case DM_SETDEFID:
        m.Result = TRUE;
        return;
    case WM_NEXTDLGCTL:
        HandleNextDlgCtl(m);
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(m);
        UpdateBoundsFromWindow();
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

ModalBracket::ModalBracket() : disabled_(DisableThreadWindows(nullptr)) {}

ModalBracket::~ModalBracket() {
    EnableWindows(disabled_);
    if (TForm* main = Application.MainForm(); main && main->HandleAllocated() && main->Visible())
        SetForegroundWindow(main->Handle());
}

} // namespace forms
