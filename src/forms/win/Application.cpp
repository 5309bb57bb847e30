#include "forms/win/Application.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/base/StrUtils.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/win/Form.h"
#include "forms/win/HintWindow.h"
#include "forms/win/Screen.h"
#include "forms/win/Timer.h"

#include <algorithm>

namespace forms {

// One translation unit for the three globals, so that they are built in this order and the
// application (which owns forms) goes first at exit.
TScreen Screen;
TMouse Mouse;
TApplication Application;

namespace {

constexpr UINT_PTR kHintShowTimer = TApplication::kFirstPrivateTimer;
constexpr UINT_PTR kHintHideTimer = TApplication::kFirstPrivateTimer + 1;
constexpr UINT_PTR kHintPollTimer = TApplication::kFirstPrivateTimer + 2;

// The key message that the pipeline is dispatching; its events have fired already.
struct Pipelined {
    HWND window = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
thread_local Pipelined pipelined;

// Marks m as the key message being dispatched until the returned guard goes.
auto PipelineScope(const MSG& m) {
    const Pipelined saved = pipelined;
    pipelined = {m.hwnd, m.message, m.wParam, m.lParam};
    return OnScopeExit([saved] { pipelined = saved; });
}

} // namespace

bool IsPipelinedKey(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return pipelined.window == window && pipelined.msg == msg && pipelined.wParam == wParam &&
           pipelined.lParam == lParam;
}

std::string ExceptionMessage(std::exception_ptr error) {
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
    }
    return "不明なエラーが発生しました";
}

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER)
        return DefWindowProcW(window, msg, wParam, lParam);
    try {
        if (wParam >= TApplication::kFirstPrivateTimer)
            Application.HintTimer(wParam);
        else
            DispatchTimerTick(wParam);
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    return 0;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    HideHint();
    hintWindow_.reset();
    DestroyComponents();
    if (utility_)
        DestroyWindow(utility_);
}

const std::string& TApplication::Title() const {
    if (title_.empty())
        title_ = ChangeFileExt(ExtractFileName(ProgramPath()), "");
    return title_;
}

TIcon& TApplication::Icon() {
    if (!icon_) {
        icon_ = std::make_unique<TIcon>();
        icon_->LoadFromResource(GetModuleHandleW(nullptr), "MAINICON");
    }
    return *icon_;
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data) {
    if (helpFile_.empty())
        return false;
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    return WinHelpW(owner, cp932::Wide(helpFile_).c_str(), command, data) != FALSE;
}

void TApplication::RegisterForm(TForm* form) {
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form)
        mainForm_ = nullptr;
    if (hintControl_ && hintControl_->ParentForm() == form) {
        HideHint();
        hintControl_ = nullptr;
    }
}

HWND TApplication::UtilityWindow() {
    if (!utility_) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = UtilityWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TApplicationTimers";
        RegisterClassExW(&wc);
        utility_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr);
    }
    return utility_;
}

void TApplication::Run() {
    MSG quit;
    if (!terminated_) {
        if (mainForm_ && showMainForm_)
            mainForm_->Show();
        while (!terminated_)
            HandleMessage();
    }
    // The quit request is spent: a later Run (or a later test) starts afresh.
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    terminated_ = false;
}

void TApplication::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    if (!ProcessMessage(msg) && !terminated_)
        WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        bool handled = false;
        if (OnMessage) {
            const TMessageEvent filter = OnMessage; // it may detach itself
            filter(msg, handled);
        }
        if (!handled) {
            TrackMouseControl(msg);
            HintMouseMessage(msg);
            if (!KeyPipeline(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    } catch (...) {
        HandleException(std::current_exception());
    }
    FreeDeviceContexts();
    return true;
}

namespace {

bool IsKeyMessage(UINT m) {
    return m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP ||
           m == WM_CHAR || m == WM_SYSCHAR;
}

// Fires a control's key event for the message; false when the key was consumed (set to 0).
bool FireKey(TWinControl* c, UINT msg, uint16_t& key) {
    if (msg == WM_CHAR)
        c->KeyPress(key);
    else if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
        c->KeyDown(key, KeyboardShiftState());
    else if (msg == WM_KEYUP || msg == WM_SYSKEYUP)
        c->KeyUp(key, KeyboardShiftState());
    return key != 0;
}

bool DialogCharToControls(TWinControl* parent, uint16_t ch) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->DialogChar(ch))
            return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && DialogCharToControls(w, ch))
            return true;
    }
    return false;
}

// Tab, arrows, Enter, Esc and mnemonics of a dialog form; true when the key was used up.
bool HandleDialogKey(TForm* form, TWinControl* focused, MSG& msg) {
    UINT code = 0;
    if (msg.hwnd && IsWindow(msg.hwnd))
        code = static_cast<UINT>(
            SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
    if (code & DLGC_WANTMESSAGE)
        return false;
    const TShiftState shift = KeyboardShiftState();
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
        case VK_TAB:
            if ((code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) || (shift & (ssCtrl | ssAlt)))
                return false;
            form->SelectNext(focused ? focused : form->ActiveControl(), !(shift & ssShift), true);
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))
                return false;
            form->SelectNext(focused ? focused : form->ActiveControl(),
                             msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN, true);
            return true;
        case VK_RETURN:
        case VK_ESCAPE: {
            if (code & DLGC_WANTALLKEYS)
                return false;
            const auto scope = PipelineScope(msg);
            return IsDialogMessageW(form->Handle(), &msg) != FALSE;
        }
        default:
            return false;
        }
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        if (msg.message == WM_CHAR && (code & DLGC_WANTCHARS))
            return false;
        if (DialogCharToControls(form, static_cast<uint16_t>(msg.wParam)))
            return true;
        const auto scope = PipelineScope(msg);
        return IsDialogMessageW(form->Handle(), &msg) != FALSE;
    }
    return false;
}

} // namespace

bool TApplication::KeyPipeline(MSG& msg) {
    if (!IsKeyMessage(msg.message) || !msg.hwnd)
        return false;
    auto* form = dynamic_cast<TForm*>(TControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form)
        return false;
    auto* focused = dynamic_cast<TWinControl*>(TControl::FromHandle(msg.hwnd));
    const bool isDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const MSG original = msg;
    uint16_t key = static_cast<uint16_t>(msg.wParam);
    bool consumed = false;
    if (msg.message != WM_SYSCHAR) {
        const std::weak_ptr<void> formLife = form->LifeToken();
        const std::weak_ptr<void> focusedLife =
            focused ? focused->LifeToken() : std::weak_ptr<void>();
        if (form->KeyPreview())
            consumed = !FireKey(form, msg.message, key);
        if (formLife.expired())
            return true;
        if (!consumed && focused && (focused != form || !form->KeyPreview()) &&
            !focusedLife.expired())
            consumed = !FireKey(focused, msg.message, key);
        if (formLife.expired() || (focused && focusedLife.expired()))
            return true;
    }
    if (consumed) {
        // The character of a consumed key still comes (a grid that takes Enter still sees it).
        if (isDown) {
            MSG copy = original;
            TranslateMessage(&copy);
        }
        return true;
    }
    msg.wParam = key;
    if (form->DialogKeys() && HandleDialogKey(form, focused, msg))
        return true;
    if (isDown)
        TranslateMessage(&msg);
    const auto scope = PipelineScope(msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::HandleException(std::exception_ptr error) {
    if (OnException) {
        const TExceptionEvent handler = OnException;
        try {
            handler(error);
        } catch (...) {
        }
        return;
    }
    if (showingError_)
        return; // one box at a time
    showingError_ = true;
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_ && mainForm_->HandleAllocated())
        owner = mainForm_->Handle();
    MessageBoxW(owner, cp932::Wide(ExceptionMessage(error)).c_str(), cp932::Wide(Title()).c_str(),
                MB_OK | MB_ICONERROR);
    showingError_ = false;
}

void TApplication::ActivateChanged(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (!active)
        HideHint();
    if (active && OnActivate)
        OnActivate(this);
    if (!active && OnDeactivate)
        OnDeactivate(this);
}

void TApplication::TrackMouseControl(const MSG& msg) {
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE)
        return;
    TControl* target = msg.message == WM_MOUSEMOVE ? TControl::FromHandle(msg.hwnd) : nullptr;
    if (target == mouseControl_)
        return;
    if (mouseControl_ && !mouseControlLife_.expired() && mouseControl_->MouseInClient())
        mouseControl_->Perform(WM_MOUSELEAVE);
    mouseControl_ = target;
    mouseControlLife_ = target ? target->LifeToken() : std::weak_ptr<void>();
}

// ---- ordinary hints ----

namespace {
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

void TApplication::SetShowHint(bool value) {
    showHint_ = value;
    if (!value)
        HideHint();
}

void TApplication::HintMouseMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        TControl* target = HintControlOf(TControl::FromHandle(msg.hwnd));
        if (target && ShortHint(target->Hint()).empty())
            target = nullptr;
        if (target == hintControl_ && !hintControlLife_.expired())
            return;
        const bool wasShown = hintShown_;
        HideHint();
        KillTimer(UtilityWindow(), kHintShowTimer);
        hintControl_ = target;
        hintControlLife_ = target ? target->LifeToken() : std::weak_ptr<void>();
        if (target && showHint_)
            SetTimer(UtilityWindow(), kHintShowTimer,
                     static_cast<UINT>(wasShown ? HintShortPause : HintPause), nullptr);
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
        KillTimer(UtilityWindow(), kHintShowTimer);
        HideHint();
        return;
    default:
        return;
    }
}

void TApplication::HintTimer(UINT_PTR id) {
    KillTimer(UtilityWindow(), id);
    if (id == kHintShowTimer)
        ActivateHint();
    else if (id == kHintHideTimer)
        HideHint();
    else if (id == kHintPollTimer) {
        if (hintControlLife_.expired() || !CursorOver(hintControl_)) {
            HideHint();
            hintControl_ = nullptr;
        } else {
            SetTimer(UtilityWindow(), kHintPollTimer, 100, nullptr);
        }
    }
}

void TApplication::ActivateHint() {
    if (!showHint_ || !hintControl_ || hintControlLife_.expired())
        return;
    if (!CursorOver(hintControl_)) {
        // The pointer left without a move of ours seeing it: forget the control, so that the
        // next move onto it starts the pause again.
        hintControl_ = nullptr;
        return;
    }
    std::string text = ShortHint(hintControl_->Hint());
    POINT cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = hintControl_;
    info.HintPos = {cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3};
    info.HintMaxWidth = Screen.Width();
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
    if (!canShow || text.empty())
        return;
    if (!hintWindow_)
        hintWindow_ = std::make_unique<THintWindow>(nullptr);
    TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, text);
    r = r.Offset(info.HintPos.X - r.Left, info.HintPos.Y - r.Top);
    const TRect work = Screen.WorkArea();
    if (r.Right > work.Right)
        r = r.Offset(work.Right - r.Right, 0);
    if (r.Left < work.Left)
        r = r.Offset(work.Left - r.Left, 0);
    if (r.Bottom > work.Bottom)
        r = r.Offset(0, cursor.y - r.Height() - r.Top);
    hintWindow_->ActivateHint(r, text);
    hintShown_ = true;
    SetTimer(UtilityWindow(), kHintHideTimer, static_cast<UINT>(HintHidePause), nullptr);
    SetTimer(UtilityWindow(), kHintPollTimer, 100, nullptr);
}

void TApplication::HideHint() {
    if (utility_) {
        KillTimer(utility_, kHintHideTimer);
        KillTimer(utility_, kHintPollTimer);
    }
    if (hintWindow_)
        hintWindow_->ReleaseHandle();
    hintShown_ = false;
}

// ---- screen and mouse ----

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkArea() const {
    RECT r{0, 0, Width(), Height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

int TScreen::PixelsPerInch() const {
    const WindowDC screen;
    return GetDeviceCaps(screen.Handle(), LOGPIXELSY);
}

TFont& TScreen::HintFont() {
    if (!hintFont_) {
        hintFont_ = std::make_unique<TFont>();
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0))
            hintFont_->SetHandle(CreateFontIndirectW(&m.lfStatusFont));
        hintFont_->SetColor(clInfoText);
    }
    return *hintFont_;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    HCURSOR h = CursorHandle(cursor == crDefault ? crArrow : cursor);
    if (h)
        ::SetCursor(h);
}

std::vector<std::string> TScreen::Fonts() const {
    std::vector<std::string> faces;
    const WindowDC screen;
    EnumFontsW(
        screen.Handle(), nullptr,
        [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lp) -> int {
            reinterpret_cast<std::vector<std::string>*>(lp)->push_back(
                cp932::Narrow(lf->lfFaceName));
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces));
    std::sort(faces.begin(), faces.end());
    faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
    return faces;
}

TPoint TMouse::CursorPos() const {
    POINT p{0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void TMouse::SetCursorPos(TPoint p) const {
    ::SetCursorPos(p.X, p.Y);
}

} // namespace forms
