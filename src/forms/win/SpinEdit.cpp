#include "forms/win/SpinEdit.h"

#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"
#include "forms/win/CommonControls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

namespace forms {

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
}

void TSpinEdit::SetMinValue(int value) {
    minValue_ = value;
    maxValue_ = std::max(maxValue_, value);
    PullIn();
}

void TSpinEdit::SetMaxValue(int value) {
    maxValue_ = value;
    minValue_ = std::min(minValue_, value);
    PullIn();
}

int TSpinEdit::Value() const {
    const std::optional<int32_t> typed = ParseIntText(Trim(Text()));
    return std::clamp(typed ? *typed : minValue_, minValue_, maxValue_);
}

void TSpinEdit::SetValue(int value) {
    SetText(IntToStr(std::clamp(value, minValue_, maxValue_)));
}

void TSpinEdit::SetIncrement(int value) {
    increment_ = std::max(value, 1);
}

void TSpinEdit::PullIn() {
    const std::string plain = IntToStr(Value());
    if (Text() != plain)
        SetText(plain);
}

void TSpinEdit::Step(int direction) {
    const int64_t next =
        static_cast<int64_t>(Value()) + static_cast<int64_t>(direction) * increment_;
    SetValue(static_cast<int>(std::clamp<int64_t>(next, minValue_, maxValue_)));
}

void TSpinEdit::DoExit() {
    PullIn();
    TCustomEdit::DoExit();
}

void TSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (ReadOnly() || (key != VK_UP && key != VK_DOWN))
        return;
    Step(key == VK_UP ? 1 : -1);
    key = 0;
}

void TSpinEdit::KeyPress(uint16_t& key) {
    TCustomEdit::KeyPress(key);
    const bool allowed = key < 0x20 || (key >= '0' && key <= '9') || key == '-' || key == '+';
    if (!allowed)
        key = 0;
}

void TSpinEdit::CreateHandle() {
    EnsureCommonControls();
    TCustomEdit::CreateHandle();
    HWND h = ExistingHandle();
    if (!h)
        return;
    upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, h,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!upDown_)
        return; // an edit without arrows still takes typed values and the keys
    // The arrows never move on their own: each press is a step of ours (UDN_DELTAPOS refused), so
    // they never reach an end of their range.
    SendMessageW(upDown_, UDM_SETRANGE32, 0, 2);
    SendMessageW(upDown_, UDM_SETPOS32, 0, 1);
    UpdateMargins();
}

void TSpinEdit::UpdateMargins() {
    HWND h = ExistingHandle();
    if (!h || !upDown_)
        return;
    RECT client;
    GetClientRect(h, &client);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    SetWindowPos(upDown_, nullptr, client.right - width, 0, width, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(h, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

void TSpinEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        if (header->hwndFrom != upDown_ || !upDown_)
            break;
        if (header->code == UDN_DELTAPOS) {
            const int delta = reinterpret_cast<const NMUPDOWN*>(m.LParam)->iDelta;
            if (CanFocus() && !Focused())
                SetFocus();
            if (delta != 0 && !ReadOnly())
                Step(delta > 0 ? 1 : -1);
            m.Result = 1;
        }
        return;
    }
    case WM_VSCROLL:
        if (upDown_ && reinterpret_cast<HWND>(m.LParam) == upDown_) {
            m.Result = 0;
            return;
        }
        break;
    case WM_DESTROY:
        upDown_ = nullptr; // goes with the edit's window
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(m);
}

} // namespace forms
