#pragma once
// The application object: the one message pump (Run, ShowModal and ProcessMessages share it),
// the exception boundary's error box, activation events, the main form, and the settings of the
// ordinary hints (HintManager.h shows them, KeyPipeline.h handles keys).
#include "forms/base/Component.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Icon.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace forms {

class TControl;
class TForm;
class THintManager;
class THintWindow;

struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;       // screen point of the hint's top-left corner
    int HintMaxWidth = 0; // width limit of the text
};

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
using TShowHintEvent = std::function<void(std::string& hintText, bool& canShow, THintInfo& info)>;
using TExceptionEvent = std::function<void(std::exception_ptr error)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    [[nodiscard]] const std::string& Title() const;
    void SetTitle(std::string_view title) { title_ = std::string(title); }
    // The program's icon ("MAINICON" when the program has one).
    TIcon& Icon();
    [[nodiscard]] const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string_view file) { helpFile_ = std::string(file); }
    // The help viewer's command on the help file, owned by the main form; data as WinHelpA takes
    // it (a macro or key in code page 932, say).
    bool HelpCommand(UINT command, ULONG_PTR data);

    // Makes a form owned by the application; the first one is the main form.
    template <typename T, typename... Args> T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        RegisterForm(form);
        form->AfterConstruction();
        return form;
    }
    [[nodiscard]] TForm* MainForm() const { return mainForm_; }
    [[nodiscard]] bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool value) { showMainForm_ = value; }

    // Shows the main form (unless told not to) and pumps until Terminate or the main form closes.
    void Run();
    // Ends Run (and modal loops) without asking any form.
    void Terminate();
    [[nodiscard]] bool Terminated() const { return terminated_; }
    // Handles every message waiting, then returns.
    void ProcessMessages();
    // Handles one message, or waits for one.
    void HandleMessage();
    // True while one of our windows is the active window of the system.
    [[nodiscard]] bool Active() const { return active_; }

    // Shows the error of an escaped exception in one box captioned Title (OnException instead,
    // when assigned); errors while the box is open are dropped. Never throws: window
    // procedures and callbacks end here.
    void HandleException(std::exception_ptr error) noexcept;

    [[nodiscard]] bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    int HintPause = 100;
    int HintShortPause = 10;
    int HintHidePause = 30000;
    void HideHint();
    // The window of the ordinary hints (nullptr before the first one showed).
    [[nodiscard]] THintWindow* HintWindow() const;

    TMessageEvent OnMessage;
    TNotifyEvent OnActivate, OnDeactivate;
    TShowHintEvent OnShowHint;
    TExceptionEvent OnException;

    // For forms: activation of the application changed (WM_ACTIVATEAPP).
    void ActivateChanged(bool active);
    // For forms: one of them is going.
    void FormDestroyed(TForm* form);
    // The hidden message-only window that timers and hints tick on and thread ends arrive at.
    HWND UtilityWindow();
    // Timer ids below this value belong to TTimer objects.
    static constexpr UINT_PTR kFirstPrivateTimer = 0x7FFF0000;

private:
    void RegisterForm(TForm* form);
    bool ProcessMessage(MSG& msg);
    void TrackMouseControl(const MSG& msg);
    static LRESULT CALLBACK UtilityWindowProc(HWND, UINT, WPARAM, LPARAM);

    mutable std::string title_;
    std::unique_ptr<TIcon> icon_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    bool active_ = false;
    bool showingError_ = false;
    HWND utility_ = nullptr;

    // The control the pointer entered last: a move onto another window means it was left, even
    // where the system's leave tracking is slow or missing.
    TControl* mouseControl_ = nullptr;
    std::weak_ptr<void> mouseControlLife_;

    bool showHint_ = true;
    std::unique_ptr<THintManager> hints_;
};

extern TApplication Application;

// The message of an exception as the user sees it.
std::string ExceptionMessage(std::exception_ptr error);

} // namespace forms
