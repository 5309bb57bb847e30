// The main form's start-up, reload and close.
#include "qvtdock/MainForm.h"

#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/gfx/Icon.h"
#include "forms/win/Application.h"
#include "qvtdock/ClosingSaves.h"
#include "qvtdock/DataFolder.h"
#include "shared/LaunchShell.h"

#include <windows.h>

#include <shellapi.h>

using forms::Application;
using forms::TComponent;

void TfmMain::FormCreate(TComponent* /*sender*/) {
    try {
        StartUp();
    } catch (...) {
        // An error that escapes start-up (a settings file with a bad colour, a data file that
        // cannot be written) is shown once and ends the program.
        Application.HandleException(std::current_exception());
        EndStartUp();
    }
}

void TfmMain::EndStartUp() {
    dataLoaded_ = false;
    settingsLoaded_ = false;
    Application.Terminate();
}

void TfmMain::StartUp() {
    const std::string programPath = environment_->ProgramPath();
    programFolder_ = ProgramFolderOf(programPath);
    Application.SetHelpFile(forms::ChangeFileExt(programPath, ".hlp"));
    FPowerCount = 0;
    Application.SetShowMainForm(false);
    Application.HintHidePause = 30000;
    Application.HintPause = 100;
    Application.HintShortPause = 10;

    TrayIcon1->SetTipHelp(Application.Title());
    SetCaption(Application.Title());

    FHintSetter = forms::MakeOwned<THintSetter>(this);
    hold_ = THoldState();
    input_.Reset();
    FFirstVisibleBtn = 0;
    FBusy = false;

    FTitleBarStyle = std::make_unique<TTitleBarStyle>();
    FLaunchList = std::make_unique<TLaunchList>();
    ClearPages(*FLaunchList);

    if (!PrepareDataFolder()) {
        EndStartUp();
        return;
    }

    FLaunchList->SetFileName(FDataFolder + kDataFileName);
    if (!ReloadList(*FLaunchList)) {
        environment_->Tell(kUnsupportedDataFileMessage);
        EndStartUp();
        return;
    }
    dataLoaded_ = true;
    FLaunchList->Status().Value3 = 1;

    FIconList = std::make_unique<TIconList>();
    icons_ = std::make_unique<TLauncherIcons>(
        *FIconList, *FLaunchList, [this]() -> TShell& { return environment_->Shell(); });
    BuildIconList();
    FillPageTabs();
    BuildPageMenu();
    DragAcceptFiles(BtnBar->Handle(), TRUE);

    LoadAppCfg(FDataFolder + kSettingsBaseName, FCfg);
    settingsLoaded_ = true;
    ApplySettings();
    try {
        LoadStyle(LongProgramFolder() + FCfg.StyleFile);
    } catch (...) {
        // A damaged style costs its look, not the launcher: shown once, then the built-in look.
        Application.HandleException(std::current_exception());
        UseBuiltInStyle();
    }
    ApplyCustomColors();
    ShowPageButtons();
    ArrangeLayout();
    ArrangeTitleBar();

    TrayIcon1->SetEnabled(true);
    LTimer->SetEnabled(true);
    SetTopMost(true);
}

bool TfmMain::PrepareDataFolder() {
    TDataFolderProbes probes;
    probes.ProgramFolder = programFolder_;
    probes.UserName = environment_->UserName();
    probes.FolderExists = [this](const std::string& f) { return environment_->FolderExists(f); };
    probes.FileExists = [this](const std::string& f) { return environment_->FileExists(f); };
    const TDataFolderPlan plan = PlanDataFolder(probes);
    FDataFolder = plan.DataFolder;

    const auto run = [this](const std::vector<TStartStep>& steps) {
        for (const TStartStep& step : steps) {
            switch (step.Action) {
            case TStartAction::Message:
                environment_->Tell(step.Text);
                break;
            case TStartAction::CreateFolder:
                environment_->MakeFolders(step.Path);
                break;
            case TStartAction::CopySeed:
                environment_->CopyFileOver(step.Source, step.Path);
                break;
            case TStartAction::WriteNewFile:
                WriteNewDataFile(*FLaunchList, step.Path);
                break;
            case TStartAction::End:
                return false;
            }
        }
        return true;
    };
    if (!run(plan.Steps))
        return false;
    if (!plan.Question)
        return true;
    const bool yes = environment_->Ask(plan.Question->Caption, plan.Question->Text);
    return run(yes ? plan.IfYes : plan.IfNo);
}

void TfmMain::FillPageTabs() {
    PageTab->Tabs().Clear();
    forms::TStringList captions;
    for (int p = 0; p < FLaunchList->Pages().Count(); ++p)
        captions.Add(FLaunchList->Pages().Items(p)->Caption);
    try {
        PageTab->SetTabs(captions);
    } catch (...) {
        PageTab->SetTabIndex(0);
        throw;
    }
    PageTab->SetTabIndex(0);
}

void TfmMain::ReloadLaunchData() {
    // The load replaces the data only when it read the whole file, so a file that the data
    // editor left unreadable costs nothing of what the launcher holds.
    if (ReloadList(*FLaunchList)) {
        FLaunchList->Status().Value3 = 1;
        BuildIconList();
        FillPageTabs();
        BuildPageMenu();
    } else {
        environment_->Tell(kReloadFailedMessage);
    }
    const std::exception_ptr settingsError = ReloadSettings();
    ApplySettingsAndStyle();
    if (settingsError)
        std::rethrow_exception(settingsError);
}

void TfmMain::BuildIconList() {
    // One entry per slot, none with its icon: each page's come when it is shown, so that start-up
    // and reload cost the same for any size of data.
    icons_->Rebuild();
}

void TfmMain::FormCloseQuery(TComponent* /*sender*/, bool& canClose) {
    std::vector<std::function<void()>> steps;
    for (const TCloseAction action : CloseActions(Visible(), settingsLoaded_, dataLoaded_)) {
        switch (action) {
        case TCloseAction::HideForm:
            steps.emplace_back([this] { Hide(); });
            break;
        case TCloseAction::StoreSettings:
            steps.emplace_back([this] { StoreSettings(); });
            break;
        case TCloseAction::SaveGeometry:
            steps.emplace_back(
                [this] { SaveAppCfgGeometry(FDataFolder + kSettingsBaseName, FCfg); });
            break;
        case TCloseAction::SaveDataFile:
            steps.emplace_back([this] { FLaunchList->SaveToFile(); });
            break;
        }
    }
    RunEachReporting(steps, [](std::exception_ptr e) { Application.HandleException(e); });
    canClose = true;
}

void TfmMain::FormDestroy(TComponent* /*sender*/) {
    UnregisterShowHotKey();
    if (BtnBar->HandleAllocated())
        DragAcceptFiles(BtnBar->Handle(), FALSE);
    LTimer->SetEnabled(false);
    TrayIcon1->SetEnabled(false);
    BtnBar->ShowIcons(nullptr, 0, 0);
    icons_.reset();
    FLaunchList.reset();
    FIconList.reset();
    FTitleBarStyle.reset();
}

void TfmMain::mnCloseClick(TComponent* /*sender*/) {
    Close();
}

void TfmMain::mnSaveClick(TComponent* /*sender*/) {
    FLaunchList->SaveToFile();
}
