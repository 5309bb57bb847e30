// The child programs (data editor, style and settings editors), help and the About box.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::mnRegDataClick(TComponent* /*sender*/) {}

void TfmMain::mnSkinClick(TComponent* /*sender*/) {}

void TfmMain::mnCfgClick(TComponent* /*sender*/) {}

void TfmMain::mnHelpClick(TComponent* /*sender*/) {}

void TfmMain::mnAboutClick(TComponent* /*sender*/) {}
