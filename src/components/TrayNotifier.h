#pragma once
// The rules of a notification-area icon, apart from the system: the process-wide ids, the record
// the shell gets (flags, tip, callback message), when the icon is added, changed and deleted,
// what each mouse notification asks for, and the pending click that tells a single click from a
// double click. TTrayIcon (TrayIcon.h) keeps one TTrayNotifier and does what it decides, with the
// real shell behind TTrayShell.
#include "forms/base/Component.h"
#include "forms/base/Exceptions.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// "タスクトレイにアイコンを登録できません。": no id left, or the shell refused an add or a change.
class ENotifyIconError : public forms::Exception {
public:
    ENotifyIconError();
};

// The message the shell sends the callback window (WM_USER + 200): wParam the icon's id, lParam
// the mouse message.
constexpr uint32_t kTrayCallbackMessage = 0x0400 + 200;
// Record flags: message, icon and tip; without a tip only message and icon.
constexpr uint32_t kTrayFlagsWithTip = 7;
constexpr uint32_t kTrayFlagsNoTip = 3;
// The tip's bytes (code page 932) that the record carries at most.
constexpr size_t kTrayTipBytes = 62;
// The single-click wait lasts the double-click time and this much more.
constexpr unsigned kTrayClickSlackMs = 50;

// The mouse messages the shell reports (the window messages' numbers).
enum class TTrayMouse : uint32_t {
    MouseMove = 0x0200,
    LButtonDown = 0x0201,
    LButtonUp = 0x0202,
    LButtonDblClk = 0x0203,
    RButtonDown = 0x0204,
    RButtonUp = 0x0205,
    RButtonDblClk = 0x0206,
    MButtonDown = 0x0207,
    MButtonUp = 0x0208,
};

// The living tray icons of a process by id. A new icon gets the last entry's id + 1 (1 for the
// first), so an id freed at the end is given again and one freed before is not.
class TTrayIdList {
public:
    static constexpr int kMaxIcons = 100;
    // The new icon's id; ENotifyIconError when kMaxIcons are alive.
    int Add(forms::TComponent* icon);
    void Remove(int id);
    // The icon with this id, or nullptr.
    [[nodiscard]] forms::TComponent* Find(int id) const;
    [[nodiscard]] int Count() const { return static_cast<int>(entries_.size()); }
    // Every living icon, oldest first.
    [[nodiscard]] std::vector<forms::TComponent*> Icons() const;

private:
    std::vector<std::pair<int, forms::TComponent*>> entries_;
};

// The tip as the record carries it: at most 62 bytes, never half a double-byte character.
[[nodiscard]] std::string TrayTip(std::string_view tip);
// 7 with a tip, 3 without.
[[nodiscard]] uint32_t TrayFlags(std::string_view tip);
// How long a single click waits for a second one.
[[nodiscard]] unsigned TrayClickWait(unsigned doubleClickMs);

enum class TTrayOperation { Add, Modify, Delete };

// What one call of the shell carries. Window and Icon are the system's handles, opaque here.
struct TTrayRecord {
    int Id = 0;
    uint32_t Flags = kTrayFlagsWithTip;
    uint32_t CallbackMessage = kTrayCallbackMessage;
    uintptr_t Window = 0;
    uintptr_t Icon = 0;
    std::string Tip;
};

// The notification area.
class TTrayShell {
public:
    virtual ~TTrayShell() = default;
    // One call; false when the shell refused it.
    virtual bool Notify(TTrayOperation operation, const TTrayRecord& record) = 0;
};

// What a mouse notification asks the tray icon to do.
enum class TTrayAction {
    None,
    MouseMove,      // OnMouseMove
    MouseDown,      // OnMouseDown with Button
    MouseUp,        // OnMouseUp with Button
    LeftMenu,       // open the left button's menu
    RightMenu,      // open the right button's menu
    DblClick,       // OnDblClick
    StartClickWait, // start the single-click wait; OnClick may follow when it ends
};
enum class TTrayButton { Left, Right, Middle };
struct TTrayReaction {
    TTrayAction Action = TTrayAction::None;
    TTrayButton Button = TTrayButton::Left; // of MouseDown and MouseUp; Left for the others
    bool operator==(const TTrayReaction& o) const {
        return Action == o.Action && Button == o.Button;
    }
};
// What the tray icon has assigned; it decides how a notification is handled.
struct TTrayHandlers {
    bool OnClick = false;
    bool OnMouseUp = false;
    bool LeftMenu = false;
    bool RightMenu = false;
};

class TTrayNotifier {
public:
    TTrayNotifier(TTrayShell& shell, int id) : shell_(&shell), id_(id) {}

    [[nodiscard]] int Id() const { return id_; }
    // The icon the shell shows (0: none at all), asked for at each call.
    std::function<uintptr_t()> IconHandle;
    // The window the shell notifies, asked for when the icon is added.
    std::function<uintptr_t()> Window;

    [[nodiscard]] const std::string& TipHelp() const { return tip_; }
    // Keeps TrayTip(tip); a changed tip is stored and shown by a registered icon (a refused
    // change raises ENotifyIconError).
    void SetTipHelp(std::string_view tip);
    [[nodiscard]] bool Visible() const { return visible_; }
    // Stays False without any icon. While the owner loads the value is only kept (Loaded adds
    // the icon); otherwise True adds the icon (a refusal raises ENotifyIconError, Visible stays
    // True and the next taskbar brings it) and False deletes a registered one.
    void SetVisible(bool value, bool loading);
    [[nodiscard]] bool Enabled() const { return enabled_; }
    // While False every notification is ignored; False also forgets a pending click.
    void SetEnabled(bool value);
    [[nodiscard]] bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // The icon is in the notification area.
    [[nodiscard]] bool Registered() const { return registered_; }
    // A left click waits to learn whether it was a single one.
    [[nodiscard]] bool ClickPending() const { return pending_; }

    // The image changed: a registered icon shows the new one (a refusal raises).
    void IconChanged();
    // The owner is built: a visible icon is added. The notification area may not exist yet
    // (the program starts with the session), so a refusal waits for the taskbar's
    // announcement instead of raising.
    void Loaded();
    // The shell announced its taskbar (it started or restarted, and holds no icon of ours): a
    // visible icon is added again; a refusal waits for the next announcement.
    void TaskbarCreated();
    // The icon goes: a registered one is deleted.
    void Remove();

    // One mouse notification (the window message's number): what to do. Unknown messages do
    // nothing.
    TTrayReaction Notification(uint32_t mouseMessage, const TTrayHandlers& has);
    // The single-click wait ended: true when OnClick fires now (one is assigned and the click
    // is still pending). The pending click is forgotten in any case.
    bool ClickWaitEnded(bool hasOnClick);

    // The record the next call carries.
    [[nodiscard]] TTrayRecord Record() const;

private:
    bool Call(TTrayOperation operation);
    bool Add();

    TTrayShell* shell_;
    int id_;
    std::string tip_ = "TipHelp";
    bool visible_ = false;
    bool enabled_ = true;
    bool autoPopup_ = true;
    bool registered_ = false;
    bool pending_ = false;
    uintptr_t window_ = 0; // the callback window given at the last add
};
