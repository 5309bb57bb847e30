#include "qvtcfg/CfgSettings.h"

#include "forms/base/IntText.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"

#include <algorithm>

const std::array<const char*, kActionItemCount> kActionItems = {
    "指定なし",           "メニューを表示",     "登録ファイルを実行", "ランチャーのロック切替え",
    "登録データー編集",   "ボタンサイズの変更", "表示ボタン数を変更", "設定を表示",
    "スタイルの変更",     "ランチャーを閉じる", "K+Bandeoを終了",     "ページ内を左へ移動",
    "ページ内を右へ移動", "前のページに移動",   "次のページに移動",
};

const std::array<const char*, kShowPosItemCount> kShowPosItems = {
    "前回の表示位置",
    "マウスポインタの位置",
    "画面中央",
};

const std::array<TRootFolder, kShortcutFolderCount> kShortcutFolders = {
    rfStartup, rfCommonStartup, rfDesktopDirectory, rfCommonDesktopDirectory};

namespace {

using K = TCfgKeyType;

bool Owned(std::string_view section) {
    for (std::string_view owned : {"Mouse", "Key", "Edit", "Connection", "Drop", "MouseBtnAction"})
        if (section == owned)
            return true;
    return false;
}

bool Is(const TCfgKey& k, std::string_view section, std::string_view key) {
    return section == k.Section && key == k.Key;
}

void Write(forms::TSettingsFile& ini, const TCfgKey& k) {
    switch (k.Type) {
    case K::Boolean:
        ini.WriteBool(k.Section, k.Key, *std::get<bool*>(k.Target));
        break;
    case K::Integer:
        ini.WriteInteger(k.Section, k.Key, *std::get<int32_t*>(k.Target));
        break;
    case K::Byte:
        ini.WriteInteger(k.Section, k.Key, *std::get<uint8_t*>(k.Target));
        break;
    case K::Word:
        ini.WriteInteger(k.Section, k.Key, *std::get<uint16_t*>(k.Target));
        break;
    case K::String:
        ini.WriteString(k.Section, k.Key, *std::get<std::string*>(k.Target));
        break;
    case K::Color:
    case K::Obsolete:
        break;
    }
}

} // namespace

std::vector<TCfgKey> CfgEditorKeys(TAppCfg& s) {
    std::vector<TCfgKey> keys;
    for (TCfgKey& k : AppCfgKeys(s))
        if (Owned(k.Section) && k.Type != K::Obsolete)
            keys.push_back(std::move(k));
    // The launcher reads the data editor's folder before the hot key; the editor writes the
    // hot key and its show position first, so that a new file keeps [Key] before [Edit].
    const auto edit = std::find_if(
        keys.begin(), keys.end(), [](const TCfgKey& k) { return Is(k, "Edit", "DataEditorPath"); });
    const auto showPos = std::find_if(keys.begin(), keys.end(),
                                      [](const TCfgKey& k) { return Is(k, "Key", "ShowPos"); });
    if (edit != keys.end() && showPos != keys.end() && edit < showPos)
        std::rotate(edit, edit + 1, showPos + 1);
    return keys;
}

TAppCfg DefaultCfgSettings() {
    const forms::TSettingsFile none{""};
    return LoadCfgSettings(none);
}

TAppCfg LoadCfgSettings(const forms::TSettingsFile& ini) {
    TAppCfg s;
    for (const TCfgKey& k : CfgEditorKeys(s))
        ReadCfgKey(ini, k);
    return s;
}

void SaveCfgSettings(forms::TSettingsFile& ini, const TAppCfg& s) {
    TAppCfg copy = s;
    ini.BeginUpdate();
    for (const TCfgKey& k : CfgEditorKeys(copy))
        Write(ini, k);
    ini.UpdateFile();
}

int ListIndexOf(int32_t value, int count) {
    return value >= 0 && value < count ? value : -1;
}

TCfgEnables CfgEnables(const TAppCfg& s) {
    TCfgEnables e;
    e.TaskBar = s.InvalidClickDeskTop;
    e.OutClose = s.RunHide;
    e.EdgeBoxes = s.RectPopUp;
    e.Revision = s.Revision;
    e.UrlFields = !s.URL;
    e.MailFields = !s.MAIL;
    return e;
}

bool AnyLaunchButton(const TAppCfg& s) {
    return s.LMLeft || s.LMRight || s.LMMiddle || s.LMMos4 || s.LMMos5;
}

std::string EditorFolderText(std::string_view text) {
    return forms::IncludeTrailingBackslash(forms::ExtractFilePath(text));
}

std::string ShortcutFolderItem(int index, std::string_view displayName) {
    std::string item(displayName);
    if (index == 1 || index == 3)
        item += " (All Users)";
    return item;
}

TLaunchDataItem LauncherShortcutItem(const TVersionStrings& launcher) {
    TLaunchDataItem item;
    item.Kind = ikProgram;
    item.Title = kLauncherTitle;
    item.Path = launcher[0];
    item.WorkDir = forms::IncludeTrailingBackslash(launcher[1]);
    item.ShowCmd = kShowNormal;
    item.IconFile = launcher[0];
    item.IconIndex = 0;
    item.Comment = launcher[2] + launcher[3];
    return item;
}

std::string LauncherShortcutPath(std::string_view folderPath) {
    return forms::IncludeTrailingBackslash(folderPath) + ShortcutFileName(kLauncherTitle);
}

std::string ShortcutCreatedMessage(std::string_view folderItem) {
    return std::string(folderItem) + " にショートカットを作成しました。";
}

std::string ShortcutDeletedMessage(std::string_view path) {
    return "ショートカットを削除しました。\r\r" + std::string(path);
}
