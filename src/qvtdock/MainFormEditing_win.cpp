// The context menu's composition and the editing commands of "ボタン(&B)": pages, buttons,
// registrations and the launcher's sizes.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::PopupMenu1Popup(TComponent* /*sender*/) {}

void TfmMain::mnNewPageClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnAddClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnDelClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnClsClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnsortClick(TComponent* /*sender*/) {}

void TfmMain::mnRegSpfolderClick(TComponent* /*sender*/) {}

void TfmMain::mnRegFolderClick(TComponent* /*sender*/) {}

void TfmMain::mnBtnSizeClick(TComponent* /*sender*/) {}

void TfmMain::nmFormSizeClick(TComponent* /*sender*/) {}

void TfmMain::nmFormVSizeClick(TComponent* /*sender*/) {}

void TfmMain::mnIconStretchClick(TComponent* /*sender*/) {}
