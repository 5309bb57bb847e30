#pragma once
// Window-message timers on the application's hidden window: they tick in every message loop
// (ours, menus, boxes), on the GUI thread; a tick that comes while the timer's own handler runs
// is dropped.
#include "forms/base/Component.h"

#include <windows.h>

#include <functional>

namespace forms {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds between ticks; 0 stops the timer.
    [[nodiscard]] unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    std::function<void(TComponent* sender)> OnTimer;

    // One tick: fires OnTimer. Subclasses override to act on every tick.
    virtual void Timer();

private:
    friend void DispatchTimerTick(UINT_PTR id);
    void Update();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
    bool running_ = false;
    bool ticking_ = false;
};

// For the application's window: runs the tick of the timer with this id.
void DispatchTimerTick(UINT_PTR id);

} // namespace forms
