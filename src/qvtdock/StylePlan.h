#pragma once
// How the launcher wears a style and its settings' look, apart from the window: which style file
// a load reads, which glyph items it reads into which skins, which skins go on, the colours of
// the style or of the user's own [Color] table, and the pop-up hint's values from the settings.
// TfmMain (MainForm.h) applies these.
#include "components/HintLayout.h"
#include "shared/Settings.h"
#include "shared/StyleFile.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

// The style beside the program that stands in for one that is missing or no style file.
inline constexpr const char* kDefaultStyleFile = "format.sti";

struct TStyleChoice {
    std::string FileName;  // the file the load reads
    bool FellBack = false; // the asked file failed the style test: StyleFile becomes the default
    bool Readable = true;  // the file read is a style file; otherwise the built-in defaults
};

// The file a load of fileName reads. isStyle is the style test and says false for a missing file;
// programFolder ends with a backslash.
[[nodiscard]] TStyleChoice ChooseStyleFile(const std::string& fileName,
                                           const std::string& programFolder,
                                           const std::function<bool(const std::string&)>& isStyle);

// The nine skins a style fills, in the order their glyph items are read.
enum TStyleGlyph {
    sgLockBtn,
    sgWizBtn,
    sgCloseBtn,
    sgBtnBar,
    sgTab,
    sgTitleBar,
    sgHintEdges, // the pop-up hint's top and bottom edges
    sgHintSides, // its left and right edges
    sgHintBody,
    kStyleGlyphCount
};

// The glyph item numbers of the nine skins, in TStyleGlyph order; numbers outside 1..255 are
// read as nothing and leave their skin empty.
[[nodiscard]] std::array<int, kStyleGlyphCount> StyleGlyphItems(const TStiData& data);

// Which skins a style switches on: a part with a glyph number of 1 or more. The pop-up hint needs
// all three of its numbers, and draws plain otherwise.
struct TSkinSwitches {
    bool LockBtn = false, WizBtn = false, CloseBtn = false;
    bool BtnBar = false, Tab = false, TitleBar = false, Hint = false;
    THintWindowStyle HintStyle = hwsNormal;
};
[[nodiscard]] TSkinSwitches SkinSwitches(const TStiData& data);

// The colours that both a style and the user's [Color] table give.
struct TLauncherColors {
    TColor TitleBar = 0, TitleTopLine = 0, TitleBtmLine = 0; // the title bar
    TColor TitleText = 0;                                    // the title label's font
    TColor TabCounter = 0;                                   // the counters on the tabs
    TColor Counters = 0;                                     // the title bar's two counters
    TColor Form = 0;                                         // the window and the button area
    TColor BarMark = 0;                                      // the bar's selection mark
    TColor BarBase = 0, BarTopLine = 0, BarBtmLine = 0;      // the bar's buttons
    TColor TabBase = 0, TabTopLine = 0, TabBtmLine = 0;      // the tabs
    TColor TabSelected = 0, TabNotSelected = 0;              // the tabs' captions
};

[[nodiscard]] TLauncherColors StyleColors(const TStiData& data);

// The user's own colours, [Color] 1..15: only when ColorCustom is on and the style is a plain one
// (type 0); styles of their own look keep it.
[[nodiscard]] std::optional<TLauncherColors> CustomColors(const TAppCfg& cfg, int styleType);

// A style's hint layout number as the setter's draw style; an unknown number stretches, as a style
// without the key does.
[[nodiscard]] TWindowDrawStyle HintDrawStyle(uint8_t drawMode);

// The pop-up hint's values that the settings give. The font size and the widest hint outside the
// editors' ranges are used as the default below 1 and the maximum above it, and the line limit is
// held to the editor's 0..10 (the hint is sized for that many lines); a placement number outside
// the known ones places the hint below the window.
constexpr int kDefaultHintFontSize = 9, kMaxHintFontSize = 48;
constexpr int kDefaultHintMaxWidth = 240, kMaxHintMaxWidth = 2000;
constexpr int kMaxHintMaxLine = 10;
constexpr int kHintMargin = 10;

struct THintValues {
    bool UseStyle = true;
    TColor BkColor = 0;
    bool LockWidth = false, IsIcon = false;
    int MaxLine = 0;
    int MaxWidth = kDefaultHintMaxWidth;
    THintLocate Locate = hlNone;
    int XMargin = 0, YMargin = 0;
    std::string FontName;
    bool FontBold = false, FontItalic = false;
    TColor FontColor = 0;
    int FontSize = kDefaultHintFontSize;
};

[[nodiscard]] THintValues HintValuesOf(const TAppCfg& cfg);
// The values the user can change while the launcher runs, back into the record.
void StoreHintValues(const THintValues& values, TAppCfg& cfg);
