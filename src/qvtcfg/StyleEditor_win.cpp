#include "qvtcfg/StyleEditor.h"

#include "qvtcfg/Placement.h"
#include "qvtcfg/StyleEditorForm.h"

bool ShowStyleForm(int X, int Y, bool Centre, const std::string& SettingsPath) {
    // Freed on every path out, also when reading the settings fails before it is shown.
    auto form = forms::MakeScoped<TfmStyle>(SettingsPath);
    form->ColorChangeable = false;
    form->PosLeft = X;
    form->PosTop = Y;
    form->StyleEntries.clear();
    form->LoadIni(SettingsPath);
    form->FillStyleList();
    PlaceEditorForm(*form, form->PosLeft, form->PosTop, Centre);
    if (form->ShowModal() != forms::mrOk)
        return false;
    form->SaveIni(SettingsPath);
    return true;
}
