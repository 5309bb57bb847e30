// What shows the main form: the trigger timer, the tray icon, the hot key and power events.
#include "qvtdock/MainForm.h"

using forms::TComponent;

void TfmMain::UnregisterShowHotKey() {}

void TfmMain::TrayIcon1Click(TComponent* /*sender*/) {}

void TfmMain::LTimerTimer(TComponent* /*sender*/) {}

void TfmMain::WMPowerBroadcast(forms::TMessage& /*message*/) {}

void TfmMain::WMHotKey(forms::TMessage& /*message*/) {}
