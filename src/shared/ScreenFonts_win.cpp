#include "shared/ScreenFonts.h"

#include "forms/win/Form.h"
#include "forms/win/Screen.h"

forms::TStringList GetScreenFontNames() {
    forms::TStringList names;
    for (const std::string& face : forms::Screen.Fonts())
        names.Add(face);
    return names;
}

bool FocusIfShowing(forms::TWinControl* control) {
    return control && forms::TForm::FocusIfShowing(control);
}
