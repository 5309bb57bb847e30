// The main form's commands on the selected button and on the launcher's sizes, and the child
// programs, which the actions and the menu run.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::LaunchButton(int32_t /*page*/, int32_t /*slot*/, uint8_t /*verb*/) {}

void TfmMain::mnBtnSizeClick(TComponent* /*sender*/) {}

void TfmMain::nmFormSizeClick(TComponent* /*sender*/) {}

void TfmMain::mnCfgClick(TComponent* /*sender*/) {}

void TfmMain::mnSkinClick(TComponent* /*sender*/) {}

void TfmMain::mnRegDataClick(TComponent* /*sender*/) {}
