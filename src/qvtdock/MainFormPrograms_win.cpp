// The child programs (data editor, style and settings editors), help and the About box.
#include "qvtdock/MainForm.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Method.h"
#include "forms/win/Application.h"
#include "forms/win/MessageDialog.h"
#include "qvtdock/AboutBox.h"
#include "qvtdock/DataEditor.h"
#include "qvtdock/DataFolder.h"
#include "shared/FileUtils.h"
#include "shared/TitledMessage.h"

#include <windows.h>

using forms::Application;
using forms::TComponent;

namespace {
// Where the launcher's messages and boxes stand: its corner plus this.
constexpr int kDialogOffset = 16;
// WinHelp's command that runs a macro, and the macro that shows the contents.
constexpr UINT kHelpCommand = 0x0102;
constexpr char kContentsMacro[] = "CONTENTS()";

// Starts the command line and waits for the program to end; false when it cannot be started.
bool StartAndWait(const std::string& commandLine) {
    std::wstring line = cp932::Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                        nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Each error once, in order; none stands in for another.
void ReportEach(std::initializer_list<std::exception_ptr> errors) {
    for (const std::exception_ptr& error : errors)
        if (error)
            Application.HandleException(error);
}
} // namespace

std::vector<TBracketStep> TfmMain::BusySteps(std::optional<TAutoHideSuspension>& suspension) {
    return {
        {[this, &suspension] { suspension.emplace(*this); }, [&suspension] { suspension.reset(); }},
        {[this] { FBusy = true; }, [this] { FBusy = false; }},
        {[this] {
             detachedFilter_ = std::move(ApplicationEvents1->OnMessage);
             ApplicationEvents1->OnMessage = nullptr;
         },
         [this] { ApplicationEvents1->OnMessage = std::move(detachedFilter_); }},
    };
}

bool TfmMain::RunHelperProgram(TChildProgram kind, std::exception_ptr& trayError) {
    TChildLineInputs in;
    in.ProgramFolder = programFolder_;
    in.SettingsBase = FDataFolder + kSettingsBaseName;
    in.DataEditorFile = DataEditorFile(FCfg, environment_->ProgramPath());
    in.DataFile = FLaunchList->FileName();
    in.Visible = Visible();
    in.Left = Left();
    in.Top = Top();
    if (in.Visible)
        Hide();
    const std::string commandLine = ChildCommandLine(kind, in);
    bool started = false;
    const auto showTray = [this, &trayError] {
        try {
            TrayIcon1->SetVisible(true);
        } catch (...) {
            trayError = std::current_exception();
        }
    };
    RunBracketed({{[this] { TrayIcon1->SetVisible(false); }, showTray}}, [&] {
        started = StartAndWait(commandLine);
        if (!started) {
            const TChildStartError error = ChildStartError(kind);
            ShowTitledMessage(error.Text, error.Title, {forms::TMsgDlgBtn::mbOK},
                              forms::TMsgDlgType::mtError, Left() + kDialogOffset,
                              Top() + kDialogOffset);
        }
    });
    return started;
}

void TfmMain::TakeUpSettings(bool withStyle) {
    if (const std::exception_ptr error = ReloadSettings())
        std::rethrow_exception(error);
    ApplySettingsAndStyle(withStyle);
}

void TfmMain::RenewButtonHint() {
    // Only once the launcher is no longer busy: a busy launcher shows no pop-up hint.
    if (FCfg.BtnPopupHint && FHintSetter) {
        FHintSetter->HideHint();
        ShowButtonHint();
    }
}

void TfmMain::RunConfigProgram(TChildProgram kind) {
    const bool style = kind == TChildProgram::StyleEditor;
    std::optional<TAutoHideSuspension> suspension;
    std::exception_ptr error, trayError;
    try {
        RunBracketed(BusySteps(suspension), [&] {
            // The editor starts from the window as it is now.
            StoreSettings();
            SaveAppCfgGeometry(FDataFolder + kSettingsBaseName, FCfg);
            if (RunHelperProgram(kind, trayError))
                TakeUpSettings(style);
            if (Visible() && FCfg.RunHide)
                PlaceWindow(0, true);
        });
    } catch (...) {
        error = std::current_exception();
    }
    if (style && Visible()) {
        // A new style takes its window shape on the next show.
        Hide();
        Show();
    }
    if (!FCfg.RunHide)
        Show();
    RenewButtonHint();
    ReportEach({error, trayError});
}

void TfmMain::mnCfgClick(TComponent* /*sender*/) {
    RunConfigProgram(TChildProgram::SettingsEditor);
}

void TfmMain::mnSkinClick(TComponent* /*sender*/) {
    RunConfigProgram(TChildProgram::StyleEditor);
}

void TfmMain::mnRegDataClick(TComponent* /*sender*/) {
    // A second press while the editor runs finds the button disabled.
    if (WizBtn->NoUse())
        return;
    if (Visible())
        Hide();
    std::optional<TAutoHideSuspension> suspension;
    std::vector<TBracketStep> steps = BusySteps(suspension);
    steps.push_back({[this] {
                         WizBtn->SetNoUse(true);
                         mnRegData->SetEnabled(false);
                     },
                     [this] {
                         WizBtn->SetNoUse(false);
                         mnRegData->SetEnabled(true);
                     }});
    std::exception_ptr error, trayError;
    try {
        RunBracketed(steps, [this, &trayError] {
            // The editor opens the window's place and the data as they are now, use counts
            // included.
            StoreSettings();
            SaveAppCfgGeometry(FDataFolder + kSettingsBaseName, FCfg);
            FLaunchList->SaveToFile();
            if (RunHelperProgram(TChildProgram::DataEditor, trayError))
                ReloadLaunchData();
        });
    } catch (...) {
        error = std::current_exception();
    }
    if (!FCfg.RunHide)
        Show();
    ReportEach({error, trayError});
}

void TfmMain::mnHelpClick(TComponent* /*sender*/) {
    if (!forms::FileExists(HelpFileOf(environment_->ProgramPath())))
        return;
    Application.HelpCommand(kHelpCommand, reinterpret_cast<ULONG_PTR>(kContentsMacro));
}

void TfmMain::mnAboutClick(TComponent* /*sender*/) {
    std::optional<TAutoHideSuspension> suspension;
    try {
        RunBracketed(BusySteps(suspension), [this] {
            ShowAboutBox(Left() + kDialogOffset, Top() + kDialogOffset,
                         FDataFolder + kSettingsBaseName, !Visible(), environment_->ProgramPath(),
                         forms::Method(this, &TfmMain::OpenUrl));
            PlaceWindow(0, true);
        });
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    RenewButtonHint();
}
