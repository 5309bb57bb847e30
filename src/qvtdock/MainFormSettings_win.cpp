// Settings and style applied to the main form, and the settings the window holds.
#include "qvtdock/MainForm.h"

void TfmMain::ApplySettings() {}

void TfmMain::LoadStyle(const std::string& /*fileName*/) {}

void TfmMain::ApplyCustomColors() {}

void TfmMain::StoreSettings() {}
