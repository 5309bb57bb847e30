#include "qvtcfg/SettingsEditor.h"

#include "qvtcfg/EditorStandIn.h"

bool ShowCfgForm(int X, int Y, bool Centre, const std::string& SettingsPath) {
    return ShowEditorStandIn(kCfgFormCaption, kCfgFormClientWidth, kCfgFormClientHeight, X, Y,
                             Centre, SettingsPath);
}
