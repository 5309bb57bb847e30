#include "forms/win/Timer.h"

#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"

#include <map>

namespace forms {

namespace {
// Never destroyed: timers of the application's forms go when the application object does, after
// the function-local statics of this file would be gone.
std::map<UINT_PTR, TTimer*>& Timers() {
    static auto* timers = new std::map<UINT_PTR, TTimer*>;
    return *timers;
}
UINT_PTR nextId = 1;
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(nextId++) {
    Timers()[id_] = this;
    Update();
}

TTimer::~TTimer() {
    if (running_)
        KillTimer(Application.UtilityWindow(), id_);
    Timers().erase(id_);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    Update();
}

void TTimer::Update() {
    HWND window = Application.UtilityWindow();
    if (running_)
        KillTimer(window, id_);
    running_ = enabled_ && interval_ > 0 && SetTimer(window, id_, interval_, nullptr) != 0;
}

void TTimer::Timer() {
    if (OnTimer)
        OnTimer(this);
}

void DispatchTimerTick(UINT_PTR id) {
    auto it = Timers().find(id);
    if (it == Timers().end())
        return;
    TTimer* timer = it->second;
    if (timer->ticking_ || !timer->running_)
        return;
    const std::weak_ptr<void> life = timer->LifeToken();
    timer->ticking_ = true;
    const auto reset = OnScopeExit([timer, life] {
        if (!life.expired()) // the handler may have freed its timer
            timer->ticking_ = false;
    });
    timer->Timer();
}

} // namespace forms
