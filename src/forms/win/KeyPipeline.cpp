#include "forms/win/KeyPipeline.h"

#include "forms/base/ScopeGuard.h"
#include "forms/win/Form.h"
#include "forms/win/WinControl.h"

namespace forms {

namespace {

// The key message that the pipeline is dispatching; its events have fired already.
struct Pipelined {
    HWND window = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
thread_local Pipelined pipelined;

// Marks m as the key message being dispatched until the returned guard goes.
auto PipelineScope(const MSG& m) {
    const Pipelined saved = pipelined;
    pipelined = {m.hwnd, m.message, m.wParam, m.lParam};
    return OnScopeExit([saved] { pipelined = saved; });
}

} // namespace

bool IsPipelinedKey(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return pipelined.window == window && pipelined.msg == msg && pipelined.wParam == wParam &&
           pipelined.lParam == lParam;
}

namespace {

// The control whose key events a key for window fires: the window's own control, or for a window
// that a system control made inside itself (the edit of a combo box) that control.
TWinControl* KeyControl(HWND window) {
    if (TControl* c = TControl::FromHandle(window))
        return dynamic_cast<TWinControl*>(c);
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        return nullptr;
    TControl* outer = TControl::FromHandle(GetParent(window));
    return outer && outer->IsSystemClass() ? dynamic_cast<TWinControl*>(outer) : nullptr;
}

bool IsKeyMessage(UINT m) {
    return m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP ||
           m == WM_CHAR || m == WM_SYSCHAR;
}

// Fires a control's key event for the message; false when the key was consumed (set to 0).
bool FireKey(TWinControl* c, UINT msg, uint16_t& key) {
    if (msg == WM_CHAR)
        c->KeyPress(key);
    else if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
        c->KeyDown(key, KeyboardShiftState());
    else if (msg == WM_KEYUP || msg == WM_SYSKEYUP)
        c->KeyUp(key, KeyboardShiftState());
    return key != 0;
}

bool DialogCharToControls(TWinControl* parent, uint16_t ch) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->DialogChar(ch))
            return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && DialogCharToControls(w, ch))
            return true;
    }
    return false;
}

// What the message's window asks to keep of the dialog keys (WM_GETDLGCODE with the message).
UINT DlgCodeFor(MSG& msg) {
    if (!msg.hwnd || !IsWindow(msg.hwnd))
        return 0;
    return static_cast<UINT>(
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
}

// Tab and Shift+Tab of a dialog form move the focus before any key event sees them, unless the
// control asks for Tab: a control that takes every other key (a key-capture field) can still be
// left by the keyboard. True when the key was used up.
bool TabToDialog(TForm* form, TWinControl* focused, MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB)
        return false;
    const TShiftState shift = KeyboardShiftState();
    if ((shift & (ssCtrl | ssAlt)) ||
        (DlgCodeFor(msg) & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
        return false;
    form->SelectNext(focused ? focused : form->ActiveControl(), !(shift & ssShift), true);
    return true;
}

// Arrows, Enter, Esc and mnemonics of a dialog form; true when the key was used up.
bool HandleDialogKey(TForm* form, TWinControl* focused, MSG& msg) {
    const UINT code = DlgCodeFor(msg);
    if (code & DLGC_WANTMESSAGE)
        return false;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))
                return false;
            form->SelectNext(focused ? focused : form->ActiveControl(),
                             msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN, true);
            return true;
        case VK_RETURN:
        case VK_ESCAPE: {
            if (code & DLGC_WANTALLKEYS)
                return false;
            const auto scope = PipelineScope(msg);
            return IsDialogMessageW(form->Handle(), &msg) != FALSE;
        }
        default:
            return false;
        }
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        if (msg.message == WM_CHAR && (code & DLGC_WANTCHARS))
            return false;
        if (DialogCharToControls(form, static_cast<uint16_t>(msg.wParam)))
            return true;
        const auto scope = PipelineScope(msg);
        return IsDialogMessageW(form->Handle(), &msg) != FALSE;
    }
    return false;
}

// The focused control and its containers, inside out, get a key down that nobody consumed. A
// window of a system control's own (the edit inside a combo box) starts at its control.
bool OfferDialogKey(HWND window, TWinControl* focused, uint16_t key) {
    for (HWND h = window; h && !focused; h = GetParent(h))
        focused = dynamic_cast<TWinControl*>(TControl::FromHandle(h));
    const TShiftState shift = KeyboardShiftState();
    for (TWinControl* c = focused; c; c = c->Parent()) {
        const std::weak_ptr<void> life = c->LifeToken();
        if (c->DialogKey(key, shift))
            return true;
        if (life.expired())
            return true; // the handler freed it: the key did something
    }
    return false;
}

} // namespace

bool KeyPipeline(MSG& msg) {
    if (!IsKeyMessage(msg.message) || !msg.hwnd)
        return false;
    auto* form = dynamic_cast<TForm*>(TControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form)
        return false;
    TWinControl* focused = KeyControl(msg.hwnd);
    const bool isDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (form->DialogKeys() && TabToDialog(form, focused, msg))
        return true;
    const MSG original = msg;
    uint16_t key = static_cast<uint16_t>(msg.wParam);
    bool consumed = false;
    if (msg.message != WM_SYSCHAR) {
        const std::weak_ptr<void> formLife = form->LifeToken();
        const std::weak_ptr<void> focusedLife =
            focused ? focused->LifeToken() : std::weak_ptr<void>();
        if (form->KeyPreview())
            consumed = !FireKey(form, msg.message, key);
        if (formLife.expired())
            return true;
        if (!consumed && focused && (focused != form || !form->KeyPreview()) &&
            !focusedLife.expired())
            consumed = !FireKey(focused, msg.message, key);
        if (formLife.expired() || (focused && focusedLife.expired()))
            return true;
    }
    if (consumed) {
        // The character of a consumed key still comes (a grid that takes Enter still sees it).
        if (isDown) {
            MSG copy = original;
            TranslateMessage(&copy);
        }
        return true;
    }
    msg.wParam = key;
    if (isDown && OfferDialogKey(msg.hwnd, focused, key))
        return true;
    if (form->DialogKeys() && HandleDialogKey(form, focused, msg))
        return true;
    if (isDown)
        TranslateMessage(&msg);
    const auto scope = PipelineScope(msg);
    DispatchMessageW(&msg);
    return true;
}

} // namespace forms
