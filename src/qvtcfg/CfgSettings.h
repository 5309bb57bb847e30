#pragma once
// What the settings editor keeps in qvtdock.ini: the mouse, hot-key and pop-up keys of [Mouse]
// and [Key], the data editor's folder, the browser and mail programs, the drop switches, the
// actions of [MouseBtnAction] and the six launcher keys. The values are those of the launcher's
// own record (TAppCfg), read and narrowed as the launcher reads them; section, key, type and
// default of each come from the launcher's key table (AppCfgKeys). The editor's form shows such a
// record in its controls and reads one back from them; the rules below (lists, enables, page
// restores, the last launch button, the data editor's folder, the launcher's shortcut) are its
// rules on those values.
#include "shared/LaunchData.h"
#include "shared/LaunchItems.h"
#include "shared/Settings.h"
#include "shared/VersionInfo.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace forms {
class TSettingsFile;
}

// ---- the keys ----

// The editor's keys bound to the fields of s, in the order it writes them: [Mouse], [Key] Show
// and ShowPos, [Edit], [Connection], [Drop], [MouseBtnAction], [Key] 0..5.
[[nodiscard]] std::vector<TCfgKey> CfgEditorKeys(TAppCfg& s);
// Every key of the editor at the launcher's default (the data editor's folder: this program's
// folder in its long form).
[[nodiscard]] TAppCfg DefaultCfgSettings();
// Reads every key of the editor, each from the file or its default, as the launcher reads it:
// a Boolean or number that is no integer text is the default; RevisionPoint keeps its low 8 bits
// and the launcher keys their low 16. The record's other fields are left zero.
[[nodiscard]] TAppCfg LoadCfgSettings(const forms::TSettingsFile& ini);
// Writes every key of the editor in order: Booleans "1" or "0", numbers in decimal (the launcher
// keys unsigned), texts so that they read back as written. No other key is touched. The file is
// written once, at the end; a failed write raises forms::EIniWriteError and leaves it as it was.
void SaveCfgSettings(forms::TSettingsFile& ini, const TAppCfg& s);

// ---- lists ----

// The launcher's actions as the action lists name them; the item index is the action number.
// The launcher also carries out actions 15 and 16 (back and forward by a row), which the lists
// do not offer.
constexpr int kActionItemCount = 15;
extern const std::array<const char*, kActionItemCount> kActionItems;
constexpr int kActionComboCount = 13;
// The first lists are the mouse buttons' clicks, the others the wheel's.
constexpr int kClickActionCount = 5;
// Where the launcher is shown: 0 last position, 1 at the pointer, 2 screen centre.
constexpr int kShowPosItemCount = 3;
extern const std::array<const char*, kShowPosItemCount> kShowPosItems;
// The points the pointer may be moved to, RevisionPoint 0..8.
constexpr int kRevisionPointCount = 9;
// The screen edges and corners that show the launcher, Rect0..7.
constexpr int kEdgeCount = 8;
// The launcher's keys, [Key] 0..5.
constexpr int kLaunchKeyCount = 6;

// The item of a list of count items that a value selects: -1 (none) outside the list. While a
// list selects none, the value read stands, so that a value it does not offer is written back.
[[nodiscard]] int ListIndexOf(int32_t value, int count);

// ---- rules between controls ----

// Which controls a check box enables.
struct TCfgEnables {
    bool TaskBar = false;   // EffectiveClickTaskBar by InvalidClickDeskTop
    bool OutClose = false;  // NotFormMos by RunHide
    bool EdgeBoxes = false; // Rect0..7 by RectPopUp
    bool Revision = false;  // RevisionTaskBar and RevisionPoint by Revision
    bool UrlFields = false; // URLExe and URLExeParam while URL is off
    bool MailFields = false;
};
[[nodiscard]] TCfgEnables CfgEnables(const TAppCfg& s);

// At least one of the five mouse buttons calls the launcher: a click that unchecks the last one
// checks it again.
[[nodiscard]] bool AnyLaunchButton(const TAppCfg& s);

// The pages and inner pages that "初期値に戻す" restores one at a time, to the launcher's
// defaults, except that page "ランチャー表示1" leaves the middle button alone calling the
// launcher, and page "その他" sets the data editor's folder to the program's folder as the
// system reports it.
enum class TCfgPage { General, Click, Wheel, Keyboard, Launcher1, Launcher2, Drop, Other };

// The data editor's field holds a folder: text cut after its last '\' or ':' (whole characters;
// a trail byte 5C is no delimiter), with a backslash added when it does not end in one. An
// empty text gives "\".
[[nodiscard]] std::string EditorFolderText(std::string_view text);

// ---- the launcher's shortcut ----

constexpr char kLauncherTitle[] = "K+Bandeo";
constexpr char kLauncherFileName[] = "qvtdock.exe";
constexpr int kShortcutFolderCount = 4;
// The folders the shortcut may go to, in the list's order.
extern const std::array<TRootFolder, kShortcutFolderCount> kShortcutFolders;
// The list's text of a folder: its display name, with " (All Users)" for the common ones.
[[nodiscard]] std::string ShortcutFolderItem(int index, std::string_view displayName);
// The launcher's item for the shortcut, from GetFileVersionStrings of the launcher's path: the
// long path (also the icon, index 0), its folder, shown normally, product name and version as
// comment.
[[nodiscard]] TLaunchDataItem LauncherShortcutItem(const TVersionStrings& launcher);
// The shortcut's file in a folder.
[[nodiscard]] std::string LauncherShortcutPath(std::string_view folderPath);
// The confirmations.
[[nodiscard]] std::string ShortcutCreatedMessage(std::string_view folderItem);
[[nodiscard]] std::string ShortcutDeletedMessage(std::string_view path);
constexpr char kShortcutCreatedTitle[] = "ショートカット作成";
constexpr char kShortcutDeletedTitle[] = "ショートカット削除";
