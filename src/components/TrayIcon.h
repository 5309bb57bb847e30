#pragma once
// TTrayIcon: one icon in the taskbar's notification area, kept current with its image and tip,
// whose mouse notifications become events: a left click is told from a double click by waiting
// out the double-click time (TSingleClick), and a press can open a pop-up menu. The shell
// notifies one hidden window, TCallbackWindow, shared by every tray icon of the process. The
// rules live in TrayNotifier.h; this is their Win32 side.
#include "components/TrayNotifier.h"
#include "forms/gfx/Icon.h"
#include "forms/win/Menus.h"
#include "forms/win/Thread.h"
#include "forms/win/WinControl.h"

#include <memory>
#include <vector>

class TTrayIcon;

// The hidden window that receives the shell's notifications of every tray icon (the message
// kTrayCallbackMessage, wParam the icon's id, lParam the mouse message) and turns them into the
// icon's events. A child of the form that owns the first tray icon.
class TCallbackWindow : public forms::TWinControl {
public:
    explicit TCallbackWindow(forms::TComponent* owner);
    ~TCallbackWindow() override;

    // The tray icon that got the last notification (nullptr: none, or it is gone).
    [[nodiscard]] TTrayIcon* CurrentIcon() const { return current_; }
    // A single-click wait ended: the current tray icon's OnClick, when its click still waits.
    void SingleClickTimeout();

protected:
    void CreateParams(forms::TCreateParams& params) override;
    void WndProc(forms::TMessage& message) override;

private:
    friend class TTrayIcon;
    void WMTrayNotify(forms::TMessage& message);
    // Opens the icon's menu at the pointer; the menu's handlers find the icon in
    // PopupComponent().
    void PopupStep(TTrayIcon* icon, forms::TPopupMenu* menu, POINT at);

    TTrayIcon* current_ = nullptr;
};

// The wait of one left click: sleeps for waitMs and ends; its end (on the GUI thread) decides
// whether the click was a single one.
class TSingleClick : public forms::TThread {
public:
    explicit TSingleClick(unsigned waitMs);
};

// The notification area of the system (Shell_NotifyIconW).
TTrayShell& SystemTrayShell();

class TTrayIcon : public forms::TComponent {
public:
    // Takes the next id (ENotifyIconError when 100 tray icons live) and makes the shared
    // callback window if there is none yet. The shell is the system's unless a test gives
    // another, which must outlive the icon.
    explicit TTrayIcon(forms::TComponent* owner, TTrayShell& shell = SystemTrayShell());
    // Deletes a registered icon, stops and waits for the click waits, and gives the id back.
    ~TTrayIcon() override;
    // The owner is built: a visible icon is added; when the notification area refuses (it may
    // not exist yet while the session starts), the icon comes with the taskbar.
    void Loaded() override;

    // Kept for forms that name one; nothing animates the icon.
    [[nodiscard]] forms::TComponent* AnimateIcons() const { return animateIcons_; }
    void SetAnimateIcons(forms::TComponent* images);
    [[nodiscard]] int AnimateRate() const { return animateRate_; }
    // At least 100 ms.
    void SetAnimateRate(int ms);
    // Presses open the menus.
    [[nodiscard]] bool AutoPopup() const { return notifier_.AutoPopup(); }
    void SetAutoPopup(bool value) { notifier_.SetAutoPopup(value); }
    // While False every notification is ignored; False also cancels a waiting click.
    [[nodiscard]] bool Enabled() const { return notifier_.Enabled(); }
    void SetEnabled(bool value) { notifier_.SetEnabled(value); }
    // The image shown. Changing it (SetHandle, Assign, LoadFromResource) changes a registered
    // icon; when empty, the owner form's icon or else the application's is shown.
    forms::TIcon& Icon() { return *icon_; }
    // A copy of icon's image; nullptr empties the icon; the icon itself changes nothing.
    void SetIcon(const forms::TIcon* icon);
    [[nodiscard]] forms::TPopupMenu* LBPopupMenu() const { return lbMenu_; }
    void SetLBPopupMenu(forms::TPopupMenu* menu);
    [[nodiscard]] forms::TPopupMenu* RBPopupMenu() const { return rbMenu_; }
    void SetRBPopupMenu(forms::TPopupMenu* menu);
    // At most 62 bytes, cut before a double-byte character that would not fit. "TipHelp" until
    // set; a form that makes a tray icon sets it (to "" for none).
    [[nodiscard]] const std::string& TipHelp() const { return notifier_.TipHelp(); }
    void SetTipHelp(std::string_view tip) { notifier_.SetTipHelp(tip); }
    // Wanted in the notification area. Stays False without any icon; while the owner form is
    // being built, the icon waits for Loaded. A refused add or change raises ENotifyIconError.
    [[nodiscard]] bool Visible() const { return notifier_.Visible(); }
    void SetVisible(bool value);

    forms::TNotifyEvent OnClick, OnDblClick;
    forms::TMouseMoveEvent OnMouseMove;
    forms::TMouseEvent OnMouseDown, OnMouseUp;

    // The id the shell knows the icon by.
    [[nodiscard]] int Id() const { return notifier_.Id(); }
    // The icon is in the notification area now.
    [[nodiscard]] bool Registered() const { return notifier_.Registered(); }
    // A left click waits to learn whether it was a single one.
    [[nodiscard]] bool ClickPending() const { return notifier_.ClickPending(); }
    // A click wait runs, or its end has not been handled yet.
    [[nodiscard]] bool ClickWaiting() const { return !clickWaits_.empty(); }
    // What the shell is shown: Icon, else the owner form's window icon, else the application's
    // (nullptr: none).
    [[nodiscard]] HICON CurrentIconHandle() const;
    // The window the shell notifies: nullptr before the first tray icon, and after the form it
    // lay on went (the next icon that needs one makes a new one).
    [[nodiscard]] static TCallbackWindow* SharedWindow();

protected:
    void Notification(forms::TComponent* component, forms::TOperation operation) override;
    // Event dispatch; the handlers may free the icon.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y);
    virtual void MouseMove(forms::TShiftState shift, int x, int y);
    virtual void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y);

private:
    friend class TCallbackWindow;
    friend void AnnounceTaskbar();
    [[nodiscard]] bool OwnerLoading() const;
    // The shared window, made on this icon's owner if there is none.
    TCallbackWindow& CallbackWindow();
    [[nodiscard]] TTrayHandlers Handlers() const;
    void StartClickWait();
    void ClickWaitEnded(TSingleClick* wait);

    TTrayNotifier notifier_;
    forms::TComponent* animateIcons_ = nullptr;
    int animateRate_ = 500;
    std::unique_ptr<forms::TIcon> icon_ = std::make_unique<forms::TIcon>();
    forms::TPopupMenu* lbMenu_ = nullptr;
    forms::TPopupMenu* rbMenu_ = nullptr;
    bool loaded_ = false;
    std::vector<std::unique_ptr<TSingleClick>> clickWaits_;
};

// The shell announced its taskbar (the registered message "TaskbarCreated", which top-level
// windows get when the shell starts or restarts): every visible tray icon is added again.
void AnnounceTaskbar();
