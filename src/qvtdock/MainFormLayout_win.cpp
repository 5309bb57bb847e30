// The main form's layout, title bar and page view.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::ArrangeLayout() {}

void TfmMain::ArrangeTitleBar() {}

void TfmMain::ShowPageButtons() {}

void TfmMain::BuildPageMenu() {}

void TfmMain::TitleBoxPaint(TComponent* /*sender*/) {}

void TfmMain::BasePaint(TComponent* /*sender*/) {}

void TfmMain::UpdateTitleInfo() {}
