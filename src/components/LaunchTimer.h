#pragma once
// The mouse-trigger timer: on every tick it polls the mouse buttons, tells its owner whether
// exactly the launch combination is held (LaunchMouseBtnDowned), turns releases of the extra
// buttons into click events, and offers the desktop and taskbar policy of the trigger (Agree)
// and a pointer-over-main-window test (InCursor). An extra button's hold swallows OnTimer from
// its second tick on. The rules live in LaunchTrigger.h.
#include "components/LaunchTrigger.h"
#include "forms/win/Timer.h"

#include <functional>

class TRavoTimer : public forms::TTimer {
public:
    // Enabled, ticking every 100 ms, launch combination [lmMiddle], counting only on the desktop
    // and the taskbar.
    explicit TRavoTimer(forms::TComponent* owner);

    // Reads the pointer now: strictly inside the application's main window (false without one).
    // Also sets InCursorRgn.
    [[nodiscard]] bool InCursor();
    // Inside, and the window under the pointer was the main window or one of its descendants,
    // when InCursor was last read.
    [[nodiscard]] bool InCursorRgn() const { return trigger_.InCursorRgn; }
    [[nodiscard]] TLaunchMouseBtns LaunchMouseBtns() const { return trigger_.LaunchMouseBtns; }
    void SetLaunchMouseBtns(TLaunchMouseBtns value) { trigger_.LaunchMouseBtns = value; }
    // At the last tick exactly the LaunchMouseBtns were held (no more, no fewer).
    [[nodiscard]] bool LaunchMouseBtnDowned() const { return trigger_.LaunchMouseBtnDowned; }
    [[nodiscard]] bool InvalidClickDeskTop() const { return trigger_.InvalidClickDeskTop; }
    void SetInvalidClickDeskTop(bool value) { trigger_.InvalidClickDeskTop = value; }
    [[nodiscard]] bool EffectiveClickTaskBar() const { return trigger_.EffectiveClickTaskBar; }
    void SetEffectiveClickTaskBar(bool value) { trigger_.EffectiveClickTaskBar = value; }
    // A combination counts where the pointer is now; the desktop and taskbar are asked only
    // when the answer depends on them.
    [[nodiscard]] bool Agree();

    // The first or second extra button was released (reported on the tick after the release,
    // before that tick's OnTimer).
    std::function<void(forms::TComponent*sender)> OnMouse4BtnClick, OnMouse5BtnClick;

    void Timer() override;

protected:
    virtual void Mouse4BtnClick();
    virtual void Mouse5BtnClick();

private:
    TLaunchTrigger trigger_;
};

// The launcher's trigger timer.
class TRavoLaunchTimer : public TRavoTimer {
public:
    explicit TRavoLaunchTimer(forms::TComponent* owner) : TRavoTimer(owner) {}
};
