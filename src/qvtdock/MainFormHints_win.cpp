// The selected button's pop-up hint and the hints of the launcher's own controls.
#include "qvtdock/MainForm.h"

void TfmMain::ApplicationEvents1ShowHint(std::string& /*hintText*/, bool& /*canShow*/,
                                         forms::THintInfo& /*info*/) {}

void TfmMain::ShowButtonHint() {}
