#pragma once
// What the style editor keeps in qvtdock.ini: the look keys of [Visible], the sub-window keys of
// [PopupHint], the part colours of [Color], and the custom colours of its three colour dialogs.
// Key names and defaults are the launcher's (AppCfgKeys); the editor adds the ranges of its spin
// edits, which it holds on reading and on writing, so a hand-edited value out of range is
// written back inside it. The editor's form shows a TStyleSettings in its controls and reads one
// back from them; the font choice below is its rule on those values.
#include "forms/base/Color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {
class TSettingsFile;
class TStrings;
} // namespace forms

using forms::TColor;

// The keys the editor reads and writes, as values. Part colours are numbered 1..15 as their keys
// in [Color]; element 0 is unused.
struct TStyleSettings {
    // [Visible]
    int32_t AlphaBlendValue = 0;
    bool AlphaBlend = false;
    int32_t BtnSize = 0, FormSize = 0, RowMax = 0, BtnBevel = 0;
    bool BtnTrans = false, BtnMarkStyle = false, IconStretch = false, DummyBtn = false,
         VisTitle = false, VisDateTime = false;
    std::string DateTimeFmt;
    bool BtnPopupHint = false, TitleScroll = false, TitleInPage = false, BtnCounter = false,
         TabCounter = false, VisTab = false;
    int32_t TabHeight = 0;
    std::string StyleFile;
    // [PopupHint]
    int32_t Loc = 0, MaxWidth = 0, MaxLine = 0;
    std::string FontName;
    bool FontBold = false, FontItalic = false;
    int32_t FontSize = 0;
    TColor FontColor = 0, HintColor = 0;
    bool HintHide = false, LockWidth = false, UseStyle = false;
    // [Color]
    bool ColorCustom = false;
    std::array<TColor, 16> PartColors{};
};

// The range of a spin edit.
struct TSpinRange {
    int32_t Min, Max;
    [[nodiscard]] int32_t Clamp(int32_t value) const {
        return value < Min ? Min : value > Max ? Max : value;
    }
};
constexpr TSpinRange kAlphaBlendRange{0, 255};
constexpr TSpinRange kBtnSizeRange{24, 72};
constexpr TSpinRange kFormSizeRange{10, 50};
constexpr TSpinRange kRowMaxRange{1, 10};
constexpr TSpinRange kBtnBevelRange{0, 2};
// A tab height outside it is not held but reset to its minimum, as the launcher does.
constexpr TSpinRange kTabHeightRange{24, 40};
constexpr TSpinRange kHintWidthRange{120, 2000};
constexpr TSpinRange kHintLineRange{0, 10};
constexpr TSpinRange kHintFontSizeRange{8, 48};

constexpr int kPartColorCount = 15;
// The part colour list's texts; item i is part colour i + 1.
extern const std::array<const char*, kPartColorCount> kPartColorNames;

constexpr int kDateTimePresetCount = 11;
// The date/time formats offered, in order. Element 7 is the launcher's default.
extern const std::array<const char*, kDateTimePresetCount> kDateTimePresets;
constexpr int kDefaultDateTimePreset = 7;

// The hint font offered when the stored one is not installed.
constexpr char kDefaultHintFont[] = "MS UI Gothic";

// The sections of the colour dialogs' custom colours: part colours, hint text, hint background.
constexpr char kPartsColorsSection[] = "PartsColors";
constexpr char kHintFontColorsSection[] = "PopupHintFontColors";
constexpr char kHintBackColorsSection[] = "PopupHintBackColors";

// Every key at the launcher's default.
[[nodiscard]] TStyleSettings DefaultStyleSettings();

// Reads the keys in the file's order ([Visible], [PopupHint], [Color]), each from the file or its
// default, with the spin ranges held and TabHeight outside its range reset to 24. Between
// [Visible] and [PopupHint] it deletes the obsolete [PopupHint] Locate (a file that refuses the
// write still reads). A colour that is neither a colour name nor an integer raises
// forms::EConversionError.
[[nodiscard]] TStyleSettings LoadStyleSettings(forms::TSettingsFile& ini);
// Writes the keys in order: Booleans "1" or "0", integers in decimal (spin values held in their
// ranges first), colours by name or "$" and eight hex digits, texts so that they read back as
// written. Never [PopupHint] X, Y or IsIcon. The file is written once, at the end; a failed write
// raises forms::EIniWriteError and leaves it as it was.
void SaveStyleSettings(forms::TSettingsFile& ini, TStyleSettings settings);

// The pages whose "初期値に戻す" each restores its own settings: the style file with its display
// switches (and the three switches of other pages that it repeats), the display, the sub-window.
// The translucency switch (AlphaBlend) keeps its state, and the hint font follows its own rule
// (see RestoredHintFontIndex).
enum class TStylePage { StyleFile, Display, Hint };

// The font list item shown for the stored hint font: the first item equal to it (letter case
// ignored), else kDefaultHintFont, else none (-1).
[[nodiscard]] int HintFontIndex(const forms::TStrings& fonts, std::string_view hintFontName);
// After a restore: kDefaultHintFont, else the stored font, else none (-1).
[[nodiscard]] int RestoredHintFontIndex(const forms::TStrings& fonts,
                                        std::string_view hintFontName);
// The font name to write and to draw with: the selected item, or the stored name without one.
[[nodiscard]] std::string ChosenHintFont(const std::optional<std::string>& selected,
                                         const std::string& hintFontName);

// The date/time box's list after reading: the stored format first, then every preset (so a
// stored preset is listed twice).
[[nodiscard]] std::vector<std::string> DateTimeFormatItems(const std::string& stored);

// A colour dialog's custom colours from a section: the sixteen lines "ColorA=BBGGRR" ..
// "ColorP=BBGGRR" in order, a missing or malformed value as "000000".
void LoadCustomColorSection(const forms::TSettingsFile& ini, std::string_view section,
                            forms::TStrings& list);
// Writes the sixteen keys of the list to the section, each as six upper-case hex digits (a
// missing or malformed line as "000000"), in one write; a failed write raises
// forms::EIniWriteError and leaves the file as it was.
void SaveCustomColorSection(forms::TSettingsFile& ini, std::string_view section,
                            const forms::TStrings& list);
