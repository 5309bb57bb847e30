#pragma once
// The settings editor's entry: TfmCfg (SettingsEditorForm.h) shown modally over the caller.
#include <string>

constexpr char kCfgFormCaption[] = "K+Bandeoの環境設定";
constexpr int kCfgFormClientWidth = 416;
constexpr int kCfgFormClientHeight = 370;

// Edits the settings of ChangeFileExt(SettingsPath, ".ini") modally: centred when Centre, else with
// its top-left corner at (X, Y) moved into the work area. True when the user closed it with OK,
// and then the keys have been written; Cancel, Esc and the close box write nothing. An error of
// writing the file passes on; the dialog is released on every path.
bool ShowCfgForm(int X, int Y, bool Centre, const std::string& SettingsPath);
