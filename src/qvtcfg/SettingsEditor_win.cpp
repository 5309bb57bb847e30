#include "qvtcfg/SettingsEditor.h"

#include "qvtcfg/Placement.h"
#include "qvtcfg/SettingsEditorForm.h"

bool ShowCfgForm(int X, int Y, bool Centre, const std::string& SettingsPath) {
    // Freed on every path out, also when reading or writing the settings fails.
    auto form = forms::MakeScoped<TfmCfg>();
    form->X = X;
    form->Y = Y;
    form->LoadIni(SettingsPath);
    PlaceEditorForm(*form, form->X, form->Y, Centre);
    if (form->ShowModal() != forms::mrOk)
        return false;
    form->SaveIni(SettingsPath);
    return true;
}
