#pragma once
// The style editor's entry: TfmStyle (StyleEditorForm.h) shown modally over the caller.
#include <string>

constexpr char kStyleFormCaption[] = "スタイルの設定";
constexpr int kStyleFormClientWidth = 420;
constexpr int kStyleFormClientHeight = 386;

// Edits the style settings of ChangeFileExt(SettingsPath, ".ini") modally: centred when Centre,
// else with its top-left corner at (X, Y) moved into the work area. True when the user closed it
// with OK, and then the keys have been written. Errors of reading the file (a colour that is no
// colour) or of writing it pass on; the dialog is released on every path.
bool ShowStyleForm(int X, int Y, bool Centre, const std::string& SettingsPath);
