#include "qvtdock/ProgramStart.h"

#include "forms/base/Codepage.h"
#include "forms/shell/ComInit.h"
#include "forms/win/Application.h"
#include "qvtdock/DataFolder.h"
#include "qvtdock/MainForm.h"

#include <windows.h>

bool IsAlreadyRunning(std::string_view name) {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, cp932::Wide(name).c_str());
    const DWORD error = GetLastError();
    if (mutex && error != ERROR_ALREADY_EXISTS)
        return false; // held by the process until it ends
    if (mutex)
        CloseHandle(mutex);
    return true;
}

int RunLauncher() {
    if (IsAlreadyRunning(kInstanceMutexName))
        return 0;
    forms::UseComOnThisThread();
    forms::Application.SetTitle(kApplicationTitle);
    forms::Application.SetHelpFile("");
    forms::Application.SetShowMainForm(false);
    TfmMain* form = forms::Application.CreateForm<TfmMain>();
    forms::Application.Run();
    // The form goes while the process is whole: its destruction releases what it registered.
    if (form == forms::Application.MainForm())
        forms::Application.RemoveComponent(form).reset();
    return 0;
}
