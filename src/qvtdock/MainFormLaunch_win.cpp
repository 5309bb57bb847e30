// The main form's commands on the selected button: running it, its folder, its properties and
// its command list.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::LaunchButton(int32_t /*page*/, int32_t /*slot*/, uint8_t /*verb*/) {}

void TfmMain::mnBtnOpenClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnLinkOpenClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnPropClick(TComponent* /*sender*/) {}

void TfmMain::BuildCommandMenu() {
    mnLink->SetEnabled(false);
}

void TfmMain::OpenUrl(const std::string& /*url*/) {}
