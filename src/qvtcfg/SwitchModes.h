#pragma once
// The two switch modes: one editor, opened 16 pixels right of and below the launcher's corner
// (centred when no position came), then the end. An error that escapes the editor's loading or
// saving is shown in the error box and ends the program with exit code 1; otherwise the code is
// 0, after OK and after Cancel alike. Without a settings file to name (argument 3 missing, or a
// folder) nothing is edited: the refusal "設定ファイルが見つかりません。" shows centred, code 0.
#include "qvtcfg/CfgCommandLine.h"
#include "qvtcfg/CfgEnvironment.h"

// The program's exit codes: 0, or 1 after the error box of an error nobody handled.
constexpr int kExitOk = 0;
constexpr int kExitAfterError = 1;

int RunCfgMode(TCfgEnvironment& environment, const TCfgCommandLine& parsed);
int RunStyleMode(TCfgEnvironment& environment, const TCfgCommandLine& parsed);
