#include "forms/win/Application.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Form.h"
#include "forms/win/HintManager.h"
#include "forms/win/KeyPipeline.h"
#include "forms/win/Screen.h"
#include "forms/win/Thread.h"
#include "forms/win/Timer.h"

#include <algorithm>

namespace forms {

// One translation unit for the three globals, so that they are built in this order and the
// application (which owns forms) goes first at exit.
TScreen Screen;
TMouse Mouse;
TApplication Application;

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

LRESULT CALLBACK TApplication::UtilityWindowProc(HWND window, UINT msg, WPARAM wParam,
                                                 LPARAM lParam) {
    if (msg != WM_TIMER && msg != kThreadEndedMessage)
        return DefWindowProcW(window, msg, wParam, lParam);
    try {
        if (msg == kThreadEndedMessage)
            DispatchThreadEnd(lParam);
        else if (THintManager::OwnsTimer(wParam))
            Application.hints_->Timer(wParam);
        else
            DispatchTimerTick(wParam);
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    return 0;
}

TApplication::TApplication() : TComponent(nullptr), hints_(std::make_unique<THintManager>(*this)) {}

TApplication::~TApplication() {
    hints_.reset();
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
    // The ANSI call: its string data is narrow by definition, where the wide one's is not the
    // same everywhere (Wine reads it narrow).
    return WinHelpA(owner, helpFile_.c_str(), command, data) != FALSE;
}

void TApplication::RegisterForm(TForm* form) {
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form)
        mainForm_ = nullptr;
    hints_->FormDestroyed(form);
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
            hints_->MouseMessage(msg);
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
void TApplication::HandleException(std::exception_ptr error) noexcept {
    try {
        if (OnException) {
            const TExceptionEvent handler = OnException;
            handler(error);
            return;
        }
        if (showingError_)
            return; // one box at a time
        showingError_ = true;
        const auto done = OnScopeExit([this] { showingError_ = false; });
        HWND owner = GetActiveWindow();
        if (!owner && mainForm_ && mainForm_->HandleAllocated())
            owner = mainForm_->Handle();
        MessageBoxW(owner, cp932::Wide(ExceptionMessage(error)).c_str(),
                    cp932::Wide(Title()).c_str(), MB_OK | MB_ICONERROR);
    } catch (...) {
        // An error while reporting one has nowhere left to go: the boundary must hold.
    }
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

void TApplication::SetShowHint(bool value) {
    showHint_ = value;
    if (!value)
        HideHint();
}

void TApplication::HideHint() {
    hints_->Hide();
}

THintWindow* TApplication::HintWindow() const {
    return hints_->Window();
}

} // namespace forms
