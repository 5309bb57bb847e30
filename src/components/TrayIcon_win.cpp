#include "components/TrayIcon.h"

#include "forms/base/Codepage.h"
#include "forms/win/Application.h"
#include "forms/win/Form.h"

#include <shellapi.h>

#include <algorithm>
#include <type_traits>

using namespace forms;

static_assert(static_cast<UINT>(TTrayMouse::MouseMove) == WM_MOUSEMOVE);
static_assert(static_cast<UINT>(TTrayMouse::LButtonDown) == WM_LBUTTONDOWN);
static_assert(static_cast<UINT>(TTrayMouse::LButtonUp) == WM_LBUTTONUP);
static_assert(static_cast<UINT>(TTrayMouse::LButtonDblClk) == WM_LBUTTONDBLCLK);
static_assert(static_cast<UINT>(TTrayMouse::RButtonDown) == WM_RBUTTONDOWN);
static_assert(static_cast<UINT>(TTrayMouse::RButtonUp) == WM_RBUTTONUP);
static_assert(static_cast<UINT>(TTrayMouse::RButtonDblClk) == WM_RBUTTONDBLCLK);
static_assert(static_cast<UINT>(TTrayMouse::MButtonDown) == WM_MBUTTONDOWN);
static_assert(static_cast<UINT>(TTrayMouse::MButtonUp) == WM_MBUTTONUP);
static_assert(kTrayCallbackMessage == WM_USER + 200);
static_assert(kTrayFlagsWithTip == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
static_assert(kTrayFlagsNoTip == (NIF_MESSAGE | NIF_ICON));

namespace {

struct WindowDestroy {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroy>;

// What the tray icons of the process share. Never destroyed: tray icons owned by the
// application's forms go during the program's exit, after any ordinary static object.
struct TrayUnit {
    TTrayIdList ids;
    TCallbackWindow* window = nullptr;
    // A hidden top-level window for the shell's announcement of its taskbar, which reaches
    // top-level windows only; it lives while any tray icon does.
    WindowHandle watch;
};
TrayUnit& Unit() {
    static TrayUnit* const unit = new TrayUnit;
    return *unit;
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

LRESULT CALLBACK WatchProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != 0 && msg == TaskbarCreatedMessage()) {
        try {
            AnnounceTaskbar();
        } catch (...) {
            Application.HandleException(std::current_exception());
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void OpenWatch() {
    if (Unit().watch)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WatchProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TTaskbarWatch";
    RegisterClassExW(&wc); // fails harmlessly once registered
    (void)TaskbarCreatedMessage();
    Unit().watch.reset(CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0,
                                       0, nullptr, nullptr, wc.hInstance, nullptr));
}

class TSystemTrayShell final : public TTrayShell {
public:
    bool Notify(TTrayOperation operation, const TTrayRecord& record) override {
        NOTIFYICONDATAW data{};
        data.cbSize = NOTIFYICONDATAW_V1_SIZE;
        data.hWnd = reinterpret_cast<HWND>(record.Window);
        data.uID = static_cast<UINT>(record.Id);
        data.uFlags = record.Flags;
        data.uCallbackMessage = record.CallbackMessage;
        data.hIcon = reinterpret_cast<HICON>(record.Icon);
        // The first version of the record holds 64 characters of tip with the terminator.
        const std::wstring tip = cp932::Wide(record.Tip);
        const size_t n = std::min<size_t>(tip.size(), 63);
        std::copy_n(tip.begin(), n, data.szTip);
        data.szTip[n] = L'\0';
        const DWORD message = operation == TTrayOperation::Add      ? NIM_ADD
                              : operation == TTrayOperation::Modify ? NIM_MODIFY
                                                                    : NIM_DELETE;
        return Shell_NotifyIconW(message, &data) != FALSE;
    }
};

TMouseButton MouseButtonOf(TTrayButton button) {
    switch (button) {
    case TTrayButton::Right:
        return TMouseButton::mbRight;
    case TTrayButton::Middle:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

TShiftState ShiftOf(TTrayButton button) {
    switch (button) {
    case TTrayButton::Right:
        return ssRight;
    case TTrayButton::Middle:
        return ssMiddle;
    default:
        return ssLeft;
    }
}

} // namespace

TTrayShell& SystemTrayShell() {
    // Never destroyed: icons of the application's forms delete themselves from the shell when the
    // application object goes, after function-local statics would be gone.
    static auto* shell = new TSystemTrayShell;
    return *shell;
}

void AnnounceTaskbar() {
    for (TComponent* c : Unit().ids.Icons())
        if (auto* icon = dynamic_cast<TTrayIcon*>(c))
            icon->notifier_.TaskbarCreated();
}

// ---- TCallbackWindow ----

TCallbackWindow::TCallbackWindow(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetBounds(0, 0, 0, 0);
}

TCallbackWindow::~TCallbackWindow() {
    if (Unit().window == this)
        Unit().window = nullptr;
}

void TCallbackWindow::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (!Parent()) {
        // A tray icon without a form: a hidden window of its own.
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW;
        params.WndParent = nullptr;
    }
}

void TCallbackWindow::WndProc(TMessage& message) {
    if (message.Msg == kTrayCallbackMessage) {
        WMTrayNotify(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCallbackWindow::WMTrayNotify(TMessage& message) {
    message.Result = 0;
    auto* icon = dynamic_cast<TTrayIcon*>(Unit().ids.Find(static_cast<int>(message.WParam)));
    if (!icon)
        return;
    current_ = icon;
    const TTrayReaction r =
        icon->notifier_.Notification(static_cast<uint32_t>(message.LParam), icon->Handlers());
    if (r.Action == TTrayAction::None)
        return;
    POINT p{};
    GetCursorPos(&p);
    switch (r.Action) {
    case TTrayAction::MouseMove:
        icon->MouseMove(0, p.x, p.y);
        break;
    case TTrayAction::MouseDown:
        icon->MouseDown(MouseButtonOf(r.Button), ShiftOf(r.Button), p.x, p.y);
        break;
    case TTrayAction::MouseUp:
        icon->MouseUp(MouseButtonOf(r.Button), ShiftOf(r.Button), p.x, p.y);
        break;
    case TTrayAction::LeftMenu:
        PopupStep(icon, icon->lbMenu_, p);
        break;
    case TTrayAction::RightMenu:
        PopupStep(icon, icon->rbMenu_, p);
        break;
    case TTrayAction::DblClick:
        icon->DblClick();
        break;
    case TTrayAction::StartClickWait:
        icon->StartClickWait();
        break;
    case TTrayAction::None:
        break;
    }
}

void TCallbackWindow::PopupStep(TTrayIcon* icon, TPopupMenu* menu, POINT at) {
    // Popup brings the menu's form forward first and lets the menu close on a click elsewhere.
    menu->SetPopupComponent(icon);
    menu->Popup(at.x, at.y);
}

void TCallbackWindow::SingleClickTimeout() {
    TTrayIcon* icon = current_;
    if (icon && icon->notifier_.ClickWaitEnded(static_cast<bool>(icon->OnClick)))
        icon->Click();
}

// ---- TSingleClick ----

TSingleClick::TSingleClick(unsigned waitMs)
    : TThread([waitMs](TThread& self) { self.Pause(waitMs); }) {}

// ---- TTrayIcon ----

TTrayIcon::TTrayIcon(TComponent* owner, TTrayShell& shell)
    : TComponent(owner), notifier_(shell, Unit().ids.Add(this)) {
    try {
        notifier_.IconHandle = [this] { return reinterpret_cast<uintptr_t>(CurrentIconHandle()); };
        notifier_.Window = [this] {
            return reinterpret_cast<uintptr_t>(CallbackWindow().Handle());
        };
        icon_->OnChange = [this] { notifier_.IconChanged(); };
        (void)CallbackWindow();
        OpenWatch();
    } catch (...) {
        Unit().ids.Remove(Id());
        if (Unit().ids.Count() == 0)
            Unit().watch.reset();
        throw;
    }
}

TTrayIcon::~TTrayIcon() {
    icon_->OnChange = nullptr;
    // Each wait is told to stop and waited for; the ends still posted find nobody.
    for (auto& wait : clickWaits_)
        wait->Terminate();
    clickWaits_.clear();
    if (Unit().window && Unit().window->current_ == this)
        Unit().window->current_ = nullptr;
    try {
        notifier_.Remove();
    } catch (...) {
        // A failed delete is not reported.
    }
    Unit().ids.Remove(Id());
    if (Unit().ids.Count() == 0)
        Unit().watch.reset();
}

TCallbackWindow* TTrayIcon::SharedWindow() {
    return Unit().window;
}

TCallbackWindow& TTrayIcon::CallbackWindow() {
    if (!Unit().window) {
        TComponent* owner = Owner() ? Owner() : &Application;
        auto* window = MakeOwned<TCallbackWindow>(owner);
        Unit().window = window;
        if (auto* parent = dynamic_cast<TWinControl*>(Owner()))
            window->SetParent(parent);
    }
    return *Unit().window;
}

bool TTrayIcon::OwnerLoading() const {
    const auto* form = dynamic_cast<const TForm*>(Owner());
    return !loaded_ && form && form->Loading();
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    loaded_ = true;
    notifier_.Loaded();
}

void TTrayIcon::SetAnimateIcons(TComponent* images) {
    animateIcons_ = images;
    if (images)
        images->FreeNotification(this);
}

void TTrayIcon::SetAnimateRate(int ms) {
    animateRate_ = std::max(ms, 100);
}

void TTrayIcon::SetIcon(const TIcon* icon) {
    if (icon == icon_.get())
        return;
    if (icon)
        icon_->Assign(*icon);
    else
        icon_->SetHandle(nullptr);
}

void TTrayIcon::SetLBPopupMenu(TPopupMenu* menu) {
    lbMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TTrayIcon::SetRBPopupMenu(TPopupMenu* menu) {
    rbMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TTrayIcon::SetVisible(bool value) {
    notifier_.SetVisible(value, OwnerLoading());
}

HICON TTrayIcon::CurrentIconHandle() const {
    if (!icon_->Empty())
        return icon_->Handle();
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && form->HandleAllocated()) {
        for (WPARAM kind : {ICON_BIG, ICON_SMALL})
            if (auto h = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, kind, 0)))
                return h;
    }
    return Application.Icon().Handle();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == lbMenu_)
        lbMenu_ = nullptr;
    if (component == rbMenu_)
        rbMenu_ = nullptr;
    if (component == animateIcons_)
        animateIcons_ = nullptr;
}

TTrayHandlers TTrayIcon::Handlers() const {
    TTrayHandlers has;
    has.OnClick = static_cast<bool>(OnClick);
    has.OnMouseUp = static_cast<bool>(OnMouseUp);
    has.LeftMenu = lbMenu_ != nullptr;
    has.RightMenu = rbMenu_ != nullptr;
    return has;
}

void TTrayIcon::StartClickWait() {
    auto wait = std::make_unique<TSingleClick>(TrayClickWait(GetDoubleClickTime()));
    TSingleClick* raw = wait.get();
    raw->OnTerminate = [this, raw](TThread*) { ClickWaitEnded(raw); };
    clickWaits_.push_back(std::move(wait));
    try {
        raw->Start();
    } catch (...) {
        clickWaits_.pop_back();
        (void)notifier_.ClickWaitEnded(false);
        throw;
    }
}

void TTrayIcon::ClickWaitEnded(TSingleClick* wait) {
    clickWaits_.erase(std::remove_if(clickWaits_.begin(), clickWaits_.end(),
                                     [wait](const auto& w) { return w.get() == wait; }),
                      clickWaits_.end());
    // Decided for the icon that got the last notification, as the shared window knows it.
    if (TCallbackWindow* window = Unit().window)
        window->SingleClickTimeout();
}

void TTrayIcon::Click() {
    if (OnClick)
        OnClick(this);
}

void TTrayIcon::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TTrayIcon::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TTrayIcon::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}
