// The main form's input: the application's message filter, the title-bar commands and hints.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::mnExitClick(TComponent* /*sender*/) {}

void TfmMain::mnRegDataClick(TComponent* /*sender*/) {}

void TfmMain::ApplicationEvents1Message(MSG& /*msg*/, bool& /*handled*/) {}

void TfmMain::ApplicationEvents1ShowHint(std::string& /*hintText*/, bool& /*canShow*/,
                                         forms::THintInfo& /*info*/) {}

void TfmMain::ShowButtonHint() {}
