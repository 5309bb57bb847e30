#pragma once
// The configuration program from its entry to its end. Argument 1, upper-cased, chooses: "/CFG"
// the settings editor and "/STYLE" the style editor, each alone with the position and the
// settings file of arguments 2 and 3 (SwitchModes.h); anything else the start form, which runs
// until it is closed. The exit code is 0, or 1 after the error box when an error escaped an
// editor in a switch mode.
#include "qvtcfg/CfgEnvironment.h"

// The application's title (the taskbar's text and the error box's caption).
constexpr char kCfgApplicationTitle[] = "K+Bandeo Config";

// The program over the given environment; returns the exit code.
int RunConfigProgram(TCfgEnvironment& environment);
