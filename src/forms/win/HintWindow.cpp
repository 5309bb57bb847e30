#include "forms/win/HintWindow.h"

#include "forms/win/Screen.h"

namespace forms {

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    PlacedBySystem(BoundsRect(), false);
    SetColor(clInfoBk);
    SetParentFont(false);
    Font().Assign(Screen.HintFont());
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TRect r = Rect(0, 0, maxWidth, 0);
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    c.DrawTextIn(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& r, const std::string& hint) {
    SetCaption(hint);
    HandleNeeded();
    PlacedBySystem(r, true);
    SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void THintWindow::ReleaseHandle() {
    PlacedBySystem(BoundsRect(), false);
    DestroyHandle();
}

bool THintWindow::IsHintVisible() const {
    const HWND h = ExistingHandle();
    return h && IsWindowVisible(h);
}

void THintWindow::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NCHITTEST:
        m.Result = HTCLIENT;
        return;
    case WM_MOUSEACTIVATE:
        m.Result = MA_NOACTIVATE;
        return;
    default:
        TCustomControl::WndProc(m);
        return;
    }
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += 2;
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().DrawTextIn(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace forms
