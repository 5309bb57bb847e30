#pragma once
// Top-level windows. A form is created hidden; Show fires OnShow before the window appears; the
// close box and WM_CLOSE run Close; ShowModal pumps the application's one message loop until a
// modal result is set. The main form plays the application window: dialog owner, foreground
// target and icon. At the end of the session a form answers the system's question with its close
// query, and the session's end then ends the application as a close does (the query, already
// answered, is not asked twice).
#include "forms/win/WinControl.h"

#include <vector>

namespace forms {

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
              mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;
    // True while the form is being built (by CreateForm, MakeOwned or MakeScoped): from its
    // constructor until the components it owns have run Loaded(); OnCreate comes after. What
    // they are told during that time they may keep until Loaded().
    [[nodiscard]] bool Loading() const { return loading_; }

    // The frame; changed while the window exists, the window keeps its size and the client area
    // follows the new frame.
    [[nodiscard]] TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    [[nodiscard]] bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    // A tool window has no taskbar button.
    [[nodiscard]] bool ToolWindow() const { return toolWindow_; }
    void SetToolWindow(bool value);
    [[nodiscard]] TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    // Client size; the window grows by its frame.
    [[nodiscard]] int ClientWidth() const override;
    [[nodiscard]] int ClientHeight() const override;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void SetClientSize(int width, int height);

    [[nodiscard]] bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    // Enter, Esc, mnemonics, Tab and arrows work as in a dialog (on by default).
    [[nodiscard]] bool DialogKeys() const { return dialogKeys_; }
    void SetDialogKeys(bool value) { dialogKeys_ = value; }
    // The control whose Click runs on Enter and on Esc; either may change at run time.
    [[nodiscard]] TWinControl* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(TWinControl* control);
    [[nodiscard]] TWinControl* CancelButton() const { return cancelButton_; }
    void SetCancelButton(TWinControl* control);

    [[nodiscard]] bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    [[nodiscard]] uint8_t AlphaBlendValue() const { return alphaValue_; }
    void SetAlphaBlendValue(uint8_t value);

    void SetVisible(bool visible) override;
    // OnCloseQuery; then the main form ends the loop, a modal form gets mrCancel, another
    // form hides.
    void Close();
    // Modal with the main form as owner; our other windows are disabled meanwhile.
    int ShowModal();
    [[nodiscard]] int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    [[nodiscard]] bool Modal() const { return modal_; }
    [[nodiscard]] bool Active() const { return active_; }

    // The focused control of this form, kept while the form is inactive.
    [[nodiscard]] TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Focuses the next (or previous) tab stop after 'current', wrapping.
    void SelectNext(TWinControl* current, bool forward, bool tabStopsOnly);
    // Focuses control when it and all its parents are visible and enabled.
    static bool FocusIfShowing(TWinControl* control);

    TNotifyEvent OnCreate, OnShow, OnHide, OnActivate, OnDeactivate, OnDestroy, OnPaint;
    TCloseQueryEvent OnCloseQuery;

    // Called by the control that got the focus.
    void FocusChanged(TWinControl* control);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual bool CloseQuery();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ApplyFrameStyles();
    void ApplyLayered();
    void PlaceOnScreen();
    void HandleCommand(TMessage& m);
    void HandleActivate(TMessage& m);
    void HandleNextDlgCtl(TMessage& m);
    void HandleQueryEndSession(TMessage& m);
    void HandleEndSession(TMessage& m);
    void Watch(TComponent* c);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    bool stayOnTop_ = false;
    bool toolWindow_ = false;
    TPosition position_ = TPosition::poDesigned;
    bool keyPreview_ = false;
    bool dialogKeys_ = true;
    TWinControl* defaultButton_ = nullptr;
    TWinControl* cancelButton_ = nullptr;
    bool alphaBlend_ = false;
    uint8_t alphaValue_ = 255;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool active_ = false;
    bool placed_ = false;
    bool loading_ = true;
    bool sessionEndAgreed_ = false; // the close query said yes to the session's end
    TWinControl* activeControl_ = nullptr;
};

// Around a system dialog or box: our windows are disabled; afterwards they are enabled again
// and the main form comes to the foreground, on every path.
class ModalBracket {
public:
    ModalBracket();
    ~ModalBracket();
    ModalBracket(const ModalBracket&) = delete;
    ModalBracket& operator=(const ModalBracket&) = delete;

private:
    std::vector<HWND> disabled_;
};

// Disables the visible, enabled top-level windows of this thread except 'keep'; returns them.
std::vector<HWND> DisableThreadWindows(HWND keep);
void EnableWindows(const std::vector<HWND>& windows);

} // namespace forms
