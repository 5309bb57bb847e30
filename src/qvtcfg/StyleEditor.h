#pragma once
// The style editor's entry. The editor itself (TfmStyle) is not built yet: until it is, a
// stand-in with its caption and client size takes its place.
#include <string>

constexpr char kStyleFormCaption[] = "スタイルの設定";
constexpr int kStyleFormClientWidth = 420;
constexpr int kStyleFormClientHeight = 386;

// Edits the style settings modally: centred when Centre, else with its top-left corner at (X, Y)
// moved into the work area. True when the user closed it with OK.
bool ShowStyleForm(int X, int Y, bool Centre, const std::string& SettingsPath);
