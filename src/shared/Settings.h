#pragma once
// The launcher's settings: the record TAppCfg, the key table of qvtdock.ini, and the launcher's
// two routines on that file.
#include "forms/base/Color.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace forms {
class TSettingsFile;
}

using forms::TColor;

// Every launcher setting. A plain value, copied by assignment; its fields bear the names of
// their keys in qvtdock.ini (see AppCfgKeys for section, key and default of each).
struct TAppCfg {
    int32_t Left = 0, Top = 0;
    bool LMLeft = false, LMRight = false, LMMiddle = false, LMMos4 = false, LMMos5 = false;
    int32_t MouseShowPos = 0, KeyShowPos = 0;
    bool InvalidClickDeskTop = false, EffectiveClickTaskBar = false, DropRunLockOff = false,
         NotFormMos = false, RunHide = false, TabClickChg = false, AutoLock = false,
         AlphaBlend = false;
    uint8_t AlphaBlendValue = 0;
    int32_t BtnSize = 0, FormSize = 0, RowMax = 0, BtnBevel = 0;
    bool BtnTrans = false, BtnMarkStyle = false, IconStretch = false, BtnPopupHint = false,
         DummyBtn = false, TitleScroll = false, TitleInPage = false, BtnCounter = false,
         TabCounter = false, VisTab = false;
    int32_t TabHeight = 0;
    bool VisTitle = false, VisDateTime = false;
    std::string DateTimeFmt, StyleFile, DataEditorPath, KeyShow;
    bool URL = false, MAIL = false;
    std::string URLExe, MAILExe, URLExeParam, MAILExeParam;
    bool Dlg = false, Open = false, RectPopUp = false;
    // Screen-edge zones: 0 left, 1 top, 2 right, 3 bottom, 4 top-left, 5 top-right,
    // 6 bottom-left, 7 bottom-right.
    std::array<bool, 8> Rect{};
    bool Revision = false, RevisionTaskBar = false;
    uint8_t RevisionPoint = 0;
    bool UseStyle = false, LockWidth = false;
    int32_t Loc = 0;
    bool IsIcon = false;
    int32_t X = 0, Y = 0, MaxLine = 0, MaxWidth = 0, FontSize = 0;
    std::string FontName;
    bool FontBold = false, FontItalic = false;
    TColor FontColor = 0, HintColor = 0;
    bool HintHide = false;
    // Actions of [MouseBtnAction]: Left, Right, Middle, Btn4, Btn5, UpScr, DnScr, MUpScr, MDnScr,
    // LUpScr, LDnScr, RUpScr, RDnScr.
    std::array<int32_t, 13> Actions{};
    // Part colours numbered 1..15 as their keys in [Color]; element 0 is unused.
    std::array<TColor, 16> PartColors{};
    bool ColorCustom = false;
    // Virtual-key codes of [Key] 0..5: run, close, menu, lock, previous page, next page.
    std::array<uint16_t, 6> LauncherKeys{};
};

// How a key's value is read: Byte and Word keep the low 8 or 16 bits of the integer read; an
// obsolete key is deleted from the file on every load.
enum class TCfgKeyType { Boolean, Integer, Byte, Word, String, Color, Obsolete };

using TCfgTarget = std::variant<std::monostate, bool*, int32_t*, uint8_t*, uint16_t*, std::string*>;

struct TCfgKey {
    const char* Section;
    const char* Key;
    TCfgKeyType Type;
    std::string Default; // as the file would hold it
    TCfgTarget Target;   // the field of the record given to AppCfgKeys
};

// Every key of qvtdock.ini in reading order, bound to the fields of cfg. The configuration
// program's editors take key names, types and defaults from here too.
std::vector<TCfgKey> AppCfgKeys(TAppCfg& cfg);
// Reads one key into its field as the launcher reads it (a colour that is no colour raises).
void ReadCfgKey(const forms::TSettingsFile& ini, const TCfgKey& k);

// Reads ChangeFileExt(basePath, ".ini") into every field of cfg, each from its key or its
// default (a missing file gives every default), deletes the obsolete [PopupHint] Locate when
// present, and resets a TabHeight outside 24..40 to 24. Reading never fails on a Boolean or
// integer; a failed delete of the obsolete key is ignored.
// A colour that is neither a colour name nor an integer text raises forms::EConversionError and
// leaves cfg half-loaded: the fields before that key in the table are loaded (from the file or
// their defaults, with TabHeight not yet reset), that field and all later ones keep what they
// held before the call. Callers must not use such a record as loaded settings.
void LoadAppCfg(const std::string& basePath, TAppCfg& cfg);

// Writes [Bounds] Left, Top and [Visible] BtnSize, FormSize, RowMax, IconStretch of cfg, in this
// order, changing only their lines, in one write. A failed write raises forms::EIniWriteError with
// the file name and leaves the file as it was.
void SaveAppCfgGeometry(const std::string& basePath, const TAppCfg& cfg);

// The folder of the launcher's file (programPath) in its long form, with a trailing backslash:
// the default of [Edit] DataEditorPath.
[[nodiscard]] std::string LauncherFolderOf(std::string_view programPath);
