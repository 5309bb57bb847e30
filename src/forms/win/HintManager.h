#pragma once
// The ordinary hints of the application: one hint window, shown HintPause after the pointer came
// to rest over a control with a hint (HintShortPause while one is shown), hidden after
// HintHidePause, on a press, a key or the wheel, and when the pointer leaves the control.
#include "forms/base/Component.h"

#include <windows.h>

#include <memory>

namespace forms {

class TApplication;
class TControl;
class TForm;
class THintWindow;

class THintManager {
public:
    explicit THintManager(TApplication& application);
    ~THintManager();
    THintManager(const THintManager&) = delete;
    THintManager& operator=(const THintManager&) = delete;

    // A message of the pump, before it is dispatched.
    void MouseMessage(const MSG& msg);
    // A timer of the manager's ticked on the application's utility window.
    void Timer(UINT_PTR id);
    [[nodiscard]] static bool OwnsTimer(UINT_PTR id);
    void Hide();
    // The form is going: a hint of one of its controls goes with it.
    void FormDestroyed(TForm* form);
    [[nodiscard]] THintWindow* Window() const { return window_.get(); }

private:
    void Activate();
    void StartTimer(UINT_PTR id, int ms);
    void StopTimer(UINT_PTR id);

    TApplication& application_;
    Scoped<THintWindow> window_;
    TControl* control_ = nullptr;
    std::weak_ptr<void> controlLife_;
    bool shown_ = false;
    // The window the timers run on, once one was started.
    HWND timerWindow_ = nullptr;
};

} // namespace forms
