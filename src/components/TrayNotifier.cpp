#include "components/TrayNotifier.h"

#include "forms/base/StrUtils.h"

#include <algorithm>

ENotifyIconError::ENotifyIconError() : Exception("タスクトレイにアイコンを登録できません。") {}

int TTrayIdList::Add(forms::TComponent* icon) {
    if (Count() >= kMaxIcons)
        throw ENotifyIconError();
    const int id = entries_.empty() ? 1 : entries_.back().first + 1;
    entries_.emplace_back(id, icon);
    return id;
}

void TTrayIdList::Remove(int id) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [id](const auto& e) { return e.first == id; }),
                   entries_.end());
}

forms::TComponent* TTrayIdList::Find(int id) const {
    for (const auto& e : entries_)
        if (e.first == id)
            return e.second;
    return nullptr;
}

std::vector<forms::TComponent*> TTrayIdList::Icons() const {
    std::vector<forms::TComponent*> icons;
    for (const auto& e : entries_)
        icons.push_back(e.second);
    return icons;
}

std::string TrayTip(std::string_view tip) {
    return forms::CutAtBytes(tip, kTrayTipBytes);
}

uint32_t TrayFlags(std::string_view tip) {
    return tip.empty() ? kTrayFlagsNoTip : kTrayFlagsWithTip;
}

unsigned TrayClickWait(unsigned doubleClickMs) {
    return doubleClickMs + kTrayClickSlackMs;
}

TTrayRecord TTrayNotifier::Record() const {
    TTrayRecord r;
    r.Id = id_;
    r.Flags = TrayFlags(tip_);
    r.Window = window_;
    r.Icon = IconHandle ? IconHandle() : 0;
    r.Tip = tip_;
    return r;
}

bool TTrayNotifier::Call(TTrayOperation operation) {
    return shell_->Notify(operation, Record());
}

bool TTrayNotifier::Add() {
    if (!visible_)
        return true;
    window_ = Window ? Window() : 0;
    if (!Call(TTrayOperation::Add))
        return false;
    registered_ = true;
    return true;
}

void TTrayNotifier::SetTipHelp(std::string_view tip) {
    std::string cut = TrayTip(tip);
    if (cut == tip_)
        return;
    tip_ = std::move(cut);
    IconChanged();
}

void TTrayNotifier::SetVisible(bool value, bool loading) {
    if (value == visible_)
        return;
    visible_ = value && IconHandle && IconHandle() != 0;
    if (loading)
        return;
    if (visible_) {
        if (!Add())
            throw ENotifyIconError();
    } else if (registered_) {
        Remove();
    }
}

void TTrayNotifier::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (!value)
        pending_ = false;
}

void TTrayNotifier::IconChanged() {
    if (registered_ && !Call(TTrayOperation::Modify))
        throw ENotifyIconError();
}

void TTrayNotifier::Loaded() {
    if (!registered_)
        (void)Add();
}

void TTrayNotifier::TaskbarCreated() {
    if (!visible_)
        return;
    registered_ = false; // a new taskbar holds none of our icons
    if (Add())
        return;
    // Refused: perhaps the announcement found our icon still there.
    registered_ = Call(TTrayOperation::Modify);
}

void TTrayNotifier::Remove() {
    if (!registered_)
        return;
    (void)Call(TTrayOperation::Delete);
    registered_ = false;
}

TTrayReaction TTrayNotifier::Notification(uint32_t mouseMessage, const TTrayHandlers& has) {
    using A = TTrayAction;
    using B = TTrayButton;
    if (!enabled_)
        return {};
    switch (static_cast<TTrayMouse>(mouseMessage)) {
    case TTrayMouse::MouseMove:
        return {A::MouseMove};
    case TTrayMouse::LButtonDown:
        return has.LeftMenu && autoPopup_ ? TTrayReaction{A::LeftMenu}
                                          : TTrayReaction{A::MouseDown, B::Left};
    case TTrayMouse::LButtonUp:
        if (has.OnMouseUp)
            return {A::MouseUp, B::Left};
        if (has.OnClick && !pending_) {
            pending_ = true;
            return {A::StartClickWait};
        }
        // The second release of a double click, or nobody to tell.
        pending_ = false;
        return {};
    case TTrayMouse::LButtonDblClk:
        pending_ = true; // so that the release that follows ends the wait without a click
        return {A::DblClick};
    case TTrayMouse::RButtonDown:
        return has.RightMenu && autoPopup_ ? TTrayReaction{A::RightMenu}
                                           : TTrayReaction{A::MouseDown, B::Right};
    case TTrayMouse::RButtonUp:
        return {A::MouseUp, B::Right};
    case TTrayMouse::MButtonDown:
        return {A::MouseDown, B::Middle};
    case TTrayMouse::MButtonUp:
        return {A::MouseUp, B::Middle};
    default:
        return {};
    }
}

bool TTrayNotifier::ClickWaitEnded(bool hasOnClick) {
    const bool fire = hasOnClick && pending_;
    pending_ = false;
    return fire;
}
