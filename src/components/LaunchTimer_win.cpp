#include "components/LaunchTimer.h"

#include "forms/win/Application.h"
#include "forms/win/Form.h"
#include "shared/Desktop.h"

#include <windows.h>

using namespace forms;

namespace {
std::optional<TPoint> CursorPos() {
    POINT p{};
    if (!GetCursorPos(&p))
        return std::nullopt;
    return TPoint{p.x, p.y};
}

HWND MainWindow() {
    TForm* main = Application.MainForm();
    return main && main->HandleAllocated() ? main->Handle() : nullptr;
}
} // namespace

TRavoTimer::TRavoTimer(TComponent* owner) : TTimer(owner) {
    SetInterval(100);
}

bool TRavoTimer::InCursor() {
    const HWND main = MainWindow();
    std::optional<TPoint> cursor;
    TWindowProbes probes;
    probes.MainWindowRect = [main]() -> std::optional<TRect> {
        RECT r{};
        if (!main || !GetWindowRect(main, &r))
            return std::nullopt;
        return TRect{r.left, r.top, r.right, r.bottom};
    };
    probes.CursorPos = [&cursor] { return cursor = CursorPos(); };
    probes.UnderPointerIsMainWindow = [main, &cursor] {
        const HWND under = WindowFromPoint({cursor->X, cursor->Y});
        return under && (under == main || GetParent(under) == main || IsChild(main, under));
    };
    return trigger_.InCursor(probes);
}

bool TRavoTimer::Agree() {
    return trigger_.Agree({CursorOnDesktop, CursorOnTaskbar});
}

void TRavoTimer::Timer() {
    const TTickEvents events =
        trigger_.Tick({GetMouseButtons, [] { return IsKeyDown(VK_XBUTTON1); },
                       [] { return IsKeyDown(VK_XBUTTON2); }});
    // A handler may free the timer: nothing of it is touched after that.
    const std::weak_ptr<void> life = LifeToken();
    if (events.Mouse4BtnClick) {
        Mouse4BtnClick();
        if (life.expired())
            return;
    }
    if (events.Mouse5BtnClick) {
        Mouse5BtnClick();
        if (life.expired())
            return;
    }
    if (events.Timer)
        TTimer::Timer();
}

void TRavoTimer::Mouse4BtnClick() {
    if (OnMouse4BtnClick)
        OnMouse4BtnClick(this);
}

void TRavoTimer::Mouse5BtnClick() {
    if (OnMouse5BtnClick)
        OnMouse5BtnClick(this);
}
