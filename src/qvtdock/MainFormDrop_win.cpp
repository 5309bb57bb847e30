// Files dropped onto the launcher's buttons.
#include "qvtdock/MainForm.h"

void TfmMain::DropFilesMessage(MSG& /*msg*/, bool& /*handled*/) {}
