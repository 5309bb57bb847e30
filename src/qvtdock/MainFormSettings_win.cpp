// Settings and style applied to the main form, and the settings the window holds.
#include "qvtdock/MainForm.h"

#include "shared/VersionInfo.h"

namespace {
// Layered windows, and so translucency, came with Windows 2000.
constexpr int kFirstTranslucentWindows = 5;
} // namespace

void TfmMain::ApplySettings() {
    SetBounds(FCfg.Left, FCfg.Top, Width(), Height());

    SetAlphaBlendValue(FCfg.AlphaBlendValue);
    SetAlphaBlend(FCfg.AlphaBlend && GetNTMajorVersion() >= kFirstTranslucentWindows);
}

void TfmMain::LoadStyle(const std::string& /*fileName*/) {}

void TfmMain::ApplyCustomColors() {}

void TfmMain::StoreSettings() {
    FCfg.Left = Left();
    FCfg.Top = Top();
}
