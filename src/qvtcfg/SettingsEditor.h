#pragma once
// The settings editor's entry. The editor itself (TfmCfg) is not built yet: until it is, a
// stand-in with its caption and client size takes its place.
#include <string>

constexpr char kCfgFormCaption[] = "K+Bandeoの環境設定";
constexpr int kCfgFormClientWidth = 416;
constexpr int kCfgFormClientHeight = 370;

// Edits the settings file modally: centred when Centre, else with its top-left corner at (X, Y)
// moved into the work area. True when the user closed it with OK.
bool ShowCfgForm(int X, int Y, bool Centre, const std::string& SettingsPath);
