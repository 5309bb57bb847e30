#include "shared/Settings.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/IntText.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "shared/FileUtils.h"

namespace {

constexpr const char* kIniExt = ".ini";
constexpr int32_t kTabHeightMin = 24, kTabHeightMax = 40;

using K = TCfgKeyType;

} // namespace

void ReadCfgKey(const forms::TSettingsFile& ini, const TCfgKey& k) {
    const auto integer = [&] {
        return ini.ReadInteger(k.Section, k.Key, forms::StrToInt(k.Default));
    };
    switch (k.Type) {
    case K::Boolean:
        *std::get<bool*>(k.Target) = integer() != 0;
        break;
    case K::Integer:
        *std::get<int32_t*>(k.Target) = integer();
        break;
    case K::Byte:
        *std::get<uint8_t*>(k.Target) = static_cast<uint8_t>(integer());
        break;
    case K::Word:
        *std::get<uint16_t*>(k.Target) = static_cast<uint16_t>(integer());
        break;
    case K::String:
        *std::get<std::string*>(k.Target) = ini.ReadString(k.Section, k.Key, k.Default);
        break;
    case K::Color:
        *std::get<int32_t*>(k.Target) =
            forms::StringToColor(ini.ReadString(k.Section, k.Key, k.Default));
        break;
    case K::Obsolete:
        break;
    }
}

std::vector<TCfgKey> AppCfgKeys(TAppCfg& c) {
    return {
        {"Bounds", "Left", K::Integer, "0", &c.Left},
        {"Bounds", "Top", K::Integer, "0", &c.Top},
        {"Mouse", "LMLeft", K::Boolean, "0", &c.LMLeft},
        {"Mouse", "LMRight", K::Boolean, "0", &c.LMRight},
        {"Mouse", "LMMiddle", K::Boolean, "0", &c.LMMiddle},
        {"Mouse", "LMMos4", K::Boolean, "0", &c.LMMos4},
        {"Mouse", "LMMos5", K::Boolean, "0", &c.LMMos5},
        {"Mouse", "ShowPos", K::Integer, "1", &c.MouseShowPos},
        {"Mouse", "InvalidClickDeskTop", K::Boolean, "1", &c.InvalidClickDeskTop},
        {"Mouse", "EffectiveClickTaskBar", K::Boolean, "1", &c.EffectiveClickTaskBar},
        {"Mouse", "DropRunLockOff", K::Boolean, "1", &c.DropRunLockOff},
        {"Mouse", "NotFormMos", K::Boolean, "0", &c.NotFormMos},
        {"Mouse", "RunHide", K::Boolean, "1", &c.RunHide},
        {"Mouse", "TabClickChg", K::Boolean, "1", &c.TabClickChg},
        {"Mouse", "AutoLock", K::Boolean, "0", &c.AutoLock},
        {"Mouse", "RectPopUp", K::Boolean, "0", &c.RectPopUp},
        {"Mouse", "Rect0", K::Boolean, "1", &c.Rect[0]},
        {"Mouse", "Rect1", K::Boolean, "1", &c.Rect[1]},
        {"Mouse", "Rect2", K::Boolean, "1", &c.Rect[2]},
        {"Mouse", "Rect3", K::Boolean, "1", &c.Rect[3]},
        {"Mouse", "Rect4", K::Boolean, "1", &c.Rect[4]},
        {"Mouse", "Rect5", K::Boolean, "1", &c.Rect[5]},
        {"Mouse", "Rect6", K::Boolean, "1", &c.Rect[6]},
        {"Mouse", "Rect7", K::Boolean, "1", &c.Rect[7]},
        {"Mouse", "Revision", K::Boolean, "1", &c.Revision},
        {"Mouse", "RevisionTaskBar", K::Boolean, "1", &c.RevisionTaskBar},
        {"Mouse", "RevisionPoint", K::Byte, "0", &c.RevisionPoint},
        {"Visible", "AlphaBlend", K::Boolean, "1", &c.AlphaBlend},
        {"Visible", "AlphaBlendValue", K::Byte, "255", &c.AlphaBlendValue},
        {"Visible", "BtnSize", K::Integer, "40", &c.BtnSize},
        {"Visible", "FormSize", K::Integer, "10", &c.FormSize},
        {"Visible", "RowMax", K::Integer, "1", &c.RowMax},
        {"Visible", "BtnBevel", K::Integer, "1", &c.BtnBevel},
        {"Visible", "BtnTrans", K::Boolean, "0", &c.BtnTrans},
        {"Visible", "BtnMarkStyle", K::Boolean, "1", &c.BtnMarkStyle},
        {"Visible", "IconStretch", K::Boolean, "1", &c.IconStretch},
        {"Visible", "DummyBtn", K::Boolean, "1", &c.DummyBtn},
        {"Visible", "BtnPopupHint", K::Boolean, "1", &c.BtnPopupHint},
        {"Visible", "VisTitle", K::Boolean, "1", &c.VisTitle},
        {"Visible", "VisDateTime", K::Boolean, "0", &c.VisDateTime},
        {"Visible", "DateTimeFmt", K::String, "\"K+Bandeo :\" yyyy/mm/dd - hh:nn", &c.DateTimeFmt},
        {"Visible", "TitleScroll", K::Boolean, "0", &c.TitleScroll},
        {"Visible", "TitleInPage", K::Boolean, "1", &c.TitleInPage},
        {"Visible", "BtnCounter", K::Boolean, "1", &c.BtnCounter},
        {"Visible", "TabCounter", K::Boolean, "1", &c.TabCounter},
        {"Visible", "VisTab", K::Boolean, "1", &c.VisTab},
        {"Visible", "TabHeight", K::Integer, "24", &c.TabHeight},
        {"Visible", "StyleFile", K::String, "format.sti", &c.StyleFile},
        {"Edit", "DataEditorPath", K::String, LauncherFolderOf(forms::ProgramPath()),
         &c.DataEditorPath},
        {"Key", "Show", K::String, "", &c.KeyShow},
        {"Key", "ShowPos", K::Integer, "1", &c.KeyShowPos},
        {"PopupHint", "Locate", K::Obsolete, "", {}},
        {"PopupHint", "Loc", K::Integer, "0", &c.Loc},
        {"PopupHint", "X", K::Integer, "0", &c.X},
        {"PopupHint", "Y", K::Integer, "0", &c.Y},
        {"PopupHint", "MaxWidth", K::Integer, "240", &c.MaxWidth},
        {"PopupHint", "MaxLine", K::Integer, "0", &c.MaxLine},
        {"PopupHint", "IsIcon", K::Boolean, "1", &c.IsIcon},
        {"PopupHint", "FontName", K::String, "MS UI Gothic", &c.FontName},
        {"PopupHint", "FontBold", K::Boolean, "0", &c.FontBold},
        {"PopupHint", "FontItalic", K::Boolean, "0", &c.FontItalic},
        {"PopupHint", "FontSize", K::Integer, "9", &c.FontSize},
        {"PopupHint", "FontColor", K::Color, "clInfoText", &c.FontColor},
        {"PopupHint", "Color", K::Color, "clInfoBk", &c.HintColor},
        {"PopupHint", "HintHide", K::Boolean, "1", &c.HintHide},
        {"PopupHint", "LockWidth", K::Boolean, "0", &c.LockWidth},
        {"PopupHint", "UseStyle", K::Boolean, "1", &c.UseStyle},
        {"Connection", "URL", K::Boolean, "1", &c.URL},
        {"Connection", "MAIL", K::Boolean, "1", &c.MAIL},
        {"Connection", "URLExe", K::String, "", &c.URLExe},
        {"Connection", "MAILExe", K::String, "", &c.MAILExe},
        {"Connection", "URLExeParam", K::String, "", &c.URLExeParam},
        {"Connection", "MAILExeParam", K::String, "", &c.MAILExeParam},
        {"Drop", "Dlg", K::Boolean, "1", &c.Dlg},
        {"Drop", "Open", K::Boolean, "1", &c.Open},
        {"Color", "ColorCustom", K::Boolean, "0", &c.ColorCustom},
        {"Color", "1", K::Color, "clBlack", &c.PartColors[1]},
        {"Color", "2", K::Color, "$00EEFFFF", &c.PartColors[2]},
        {"Color", "3", K::Color, "$0099A8AC", &c.PartColors[3]},
        {"Color", "4", K::Color, "clYellow", &c.PartColors[4]},
        {"Color", "5", K::Color, "clBlue", &c.PartColors[5]},
        {"Color", "6", K::Color, "clLime", &c.PartColors[6]},
        {"Color", "7", K::Color, "$00CCE1E6", &c.PartColors[7]},
        {"Color", "8", K::Color, "clRed", &c.PartColors[8]},
        {"Color", "9", K::Color, "$00CCE1E6", &c.PartColors[9]},
        {"Color", "10", K::Color, "$00EEFFFF", &c.PartColors[10]},
        {"Color", "11", K::Color, "$0099A8AC", &c.PartColors[11]},
        {"Color", "12", K::Color, "$00CCE1E6", &c.PartColors[12]},
        {"Color", "13", K::Color, "$00EEFFFF", &c.PartColors[13]},
        {"Color", "14", K::Color, "$0099A8AC", &c.PartColors[14]},
        {"Color", "15", K::Color, "clBlack", &c.PartColors[15]},
        {"MouseBtnAction", "Left", K::Integer, "0", &c.Actions[0]},
        {"MouseBtnAction", "Right", K::Integer, "1", &c.Actions[1]},
        {"MouseBtnAction", "Middle", K::Integer, "2", &c.Actions[2]},
        {"MouseBtnAction", "Btn4", K::Integer, "13", &c.Actions[3]},
        {"MouseBtnAction", "Btn5", K::Integer, "14", &c.Actions[4]},
        {"MouseBtnAction", "UpScr", K::Integer, "11", &c.Actions[5]},
        {"MouseBtnAction", "DnScr", K::Integer, "12", &c.Actions[6]},
        {"MouseBtnAction", "MUpScr", K::Integer, "0", &c.Actions[7]},
        {"MouseBtnAction", "MDnScr", K::Integer, "0", &c.Actions[8]},
        {"MouseBtnAction", "LUpScr", K::Integer, "13", &c.Actions[9]},
        {"MouseBtnAction", "LDnScr", K::Integer, "14", &c.Actions[10]},
        {"MouseBtnAction", "RUpScr", K::Integer, "13", &c.Actions[11]},
        {"MouseBtnAction", "RDnScr", K::Integer, "14", &c.Actions[12]},
        {"Key", "0", K::Word, "13", &c.LauncherKeys[0]},
        {"Key", "1", K::Word, "27", &c.LauncherKeys[1]},
        {"Key", "2", K::Word, "221", &c.LauncherKeys[2]},
        {"Key", "3", K::Word, "219", &c.LauncherKeys[3]},
        {"Key", "4", K::Word, "33", &c.LauncherKeys[4]},
        {"Key", "5", K::Word, "34", &c.LauncherKeys[5]},
    };
}

std::string LauncherFolderOf(std::string_view programPath) {
    return forms::IncludeTrailingBackslash(forms::ExtractFilePath(GetLongPathNameStr(programPath)));
}

void LoadAppCfg(const std::string& basePath, TAppCfg& cfg) {
    forms::TSettingsFile ini(forms::ChangeFileExt(basePath, kIniExt));
    for (const TCfgKey& k : AppCfgKeys(cfg)) {
        if (k.Type != K::Obsolete) {
            ReadCfgKey(ini, k);
            continue;
        }
        // Removed only when present; a file we cannot write still loads.
        try {
            ini.DeleteKey(k.Section, k.Key);
        } catch (const forms::EIniWriteError&) {
        }
    }
    if (cfg.TabHeight < kTabHeightMin || cfg.TabHeight > kTabHeightMax)
        cfg.TabHeight = kTabHeightMin;
}

void SaveAppCfgGeometry(const std::string& basePath, const TAppCfg& cfg) {
    forms::TSettingsFile ini(forms::ChangeFileExt(basePath, kIniExt));
    ini.BeginUpdate();
    ini.WriteInteger("Bounds", "Left", cfg.Left);
    ini.WriteInteger("Bounds", "Top", cfg.Top);
    ini.WriteInteger("Visible", "BtnSize", cfg.BtnSize);
    ini.WriteInteger("Visible", "FormSize", cfg.FormSize);
    ini.WriteInteger("Visible", "RowMax", cfg.RowMax);
    ini.WriteBool("Visible", "IconStretch", cfg.IconStretch);
    ini.UpdateFile();
}
