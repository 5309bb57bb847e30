#include "qvtcfg/StyleEditor.h"

#include "qvtcfg/EditorStandIn.h"

bool ShowStyleForm(int X, int Y, bool Centre, const std::string& SettingsPath) {
    return ShowEditorStandIn(kStyleFormCaption, kStyleFormClientWidth, kStyleFormClientHeight, X, Y,
                             Centre, SettingsPath);
}
