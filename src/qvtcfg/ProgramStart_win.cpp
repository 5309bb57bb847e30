#include "qvtcfg/ProgramStart.h"

#include "forms/shell/ComInit.h"
#include "forms/win/Application.h"
#include "qvtcfg/CfgCommandLine.h"
#include "qvtcfg/StartForm.h"
#include "qvtcfg/SwitchModes.h"

int RunConfigProgram(TCfgEnvironment& environment) {
    forms::UseComOnThisThread(); // the open dialog browses with the shell
    forms::Application.SetTitle(kCfgApplicationTitle);
    const TProgramArguments arguments(environment.CommandLine(), environment.ProgramPaths());
    switch (ModeOf(arguments.ParamStr(1))) {
    case TCfgMode::Cfg:
        return RunCfgMode(environment, ParseCommandLine(arguments));
    case TCfgMode::Style:
        return RunStyleMode(environment, ParseCommandLine(arguments));
    case TCfgMode::StartForm:
        break;
    }
    TCfgMain* form = forms::Application.CreateForm<TCfgMain>(environment);
    forms::Application.Run();
    // The form goes while the process is whole.
    if (form == forms::Application.MainForm())
        forms::Application.RemoveComponent(form).reset();
    return kExitOk;
}
