#include "qvtcfg/StyleSettings.h"

#include "forms/base/CustomColors.h"
#include "forms/base/Exceptions.h"
#include "forms/base/IntText.h"
#include "forms/base/SettingsFile.h"
#include "forms/base/StrUtils.h"
#include "forms/base/Strings.h"
#include "shared/Settings.h"

#include <stdexcept>
#include <variant>
#include <vector>

const std::array<const char*, kPartColorCount> kPartColorNames = {
    "タイトルバー",
    "タイトルバー外枠上",
    "タイトルバー外枠下",
    "タイトル",
    "ページカウント",
    "ボタンカウント",
    "本体",
    "選択時",
    "ボタン本体",
    "ボタン外枠上",
    "ボタン外枠下",
    "タブ本体",
    "タブ外枠上",
    "タブ外枠下",
    "タブ文字",
};

const std::array<const char*, kDateTimePresetCount> kDateTimePresets = {
    "yyyy/mm/dd - hh:nn:ss",
    "yyyy/mm/dd - hh:nn AM/PM",
    "ggee\"年\"mm\"月\"dd\"日\"(ddd) AMPM hh:nn",
    "\"H\"e.mm.dd dddd [ tt ]",
    "\"現在の時刻：\"AM/PM hh:nn:ss \"(12時間形式)\"",
    "\"現在の時刻： \"hh:nn:ss \"(24時間形式)\"",
    "\"K+Bandeo: \"yyyy\"年\"mm\"月\"d\"日\"(ddd)",
    "\"K+Bandeo :\" yyyy/mm/dd - hh:nn",
    "[@MJ]mmmm[@dd](ddd) AMPM [@t] ",
    "[@MJ][@LU][@dd](dddd) [@t] ",
    "[@ME][@WE](ddd) dd-mmm-yy  h:n AM/PM",
};

namespace {

// How a key's text becomes its value: a Number with a range is held in it; TabHeight outside its
// range is reset to the minimum.
enum class TKind { Flag, Number, TabHeight, Text, Colour };

struct TStyleKey {
    const char* Section;
    const char* Key;
    TKind Kind;
    std::variant<bool*, int32_t*, std::string*> Target;
    std::optional<TSpinRange> Range;
};

// The editor's keys in the order they are written, bound to the fields of s.
std::vector<TStyleKey> StyleKeys(TStyleSettings& s) {
    using K = TKind;
    std::vector<TStyleKey> keys = {
        {"Visible", "AlphaBlendValue", K::Number, &s.AlphaBlendValue, kAlphaBlendRange},
        {"Visible", "AlphaBlend", K::Flag, &s.AlphaBlend, {}},
        {"Visible", "BtnSize", K::Number, &s.BtnSize, kBtnSizeRange},
        {"Visible", "FormSize", K::Number, &s.FormSize, kFormSizeRange},
        {"Visible", "RowMax", K::Number, &s.RowMax, kRowMaxRange},
        {"Visible", "BtnBevel", K::Number, &s.BtnBevel, kBtnBevelRange},
        {"Visible", "BtnTrans", K::Flag, &s.BtnTrans, {}},
        {"Visible", "BtnMarkStyle", K::Flag, &s.BtnMarkStyle, {}},
        {"Visible", "IconStretch", K::Flag, &s.IconStretch, {}},
        {"Visible", "DummyBtn", K::Flag, &s.DummyBtn, {}},
        {"Visible", "VisTitle", K::Flag, &s.VisTitle, {}},
        {"Visible", "VisDateTime", K::Flag, &s.VisDateTime, {}},
        {"Visible", "DateTimeFmt", K::Text, &s.DateTimeFmt, {}},
        {"Visible", "BtnPopupHint", K::Flag, &s.BtnPopupHint, {}},
        {"Visible", "TitleScroll", K::Flag, &s.TitleScroll, {}},
        {"Visible", "TitleInPage", K::Flag, &s.TitleInPage, {}},
        {"Visible", "BtnCounter", K::Flag, &s.BtnCounter, {}},
        {"Visible", "TabCounter", K::Flag, &s.TabCounter, {}},
        {"Visible", "VisTab", K::Flag, &s.VisTab, {}},
        {"Visible", "TabHeight", K::TabHeight, &s.TabHeight, kTabHeightRange},
        {"Visible", "StyleFile", K::Text, &s.StyleFile, {}},
        {"PopupHint", "Loc", K::Number, &s.Loc, {}},
        {"PopupHint", "MaxWidth", K::Number, &s.MaxWidth, kHintWidthRange},
        {"PopupHint", "MaxLine", K::Number, &s.MaxLine, kHintLineRange},
        {"PopupHint", "FontName", K::Text, &s.FontName, {}},
        {"PopupHint", "FontBold", K::Flag, &s.FontBold, {}},
        {"PopupHint", "FontItalic", K::Flag, &s.FontItalic, {}},
        {"PopupHint", "FontSize", K::Number, &s.FontSize, kHintFontSizeRange},
        {"PopupHint", "FontColor", K::Colour, &s.FontColor, {}},
        {"PopupHint", "Color", K::Colour, &s.HintColor, {}},
        {"PopupHint", "HintHide", K::Flag, &s.HintHide, {}},
        {"PopupHint", "LockWidth", K::Flag, &s.LockWidth, {}},
        {"PopupHint", "UseStyle", K::Flag, &s.UseStyle, {}},
        {"Color", "ColorCustom", K::Flag, &s.ColorCustom, {}},
    };
    static const char* const kPartKeys[kPartColorCount] = {
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"};
    for (int i = 1; i <= kPartColorCount; ++i)
        keys.push_back(
            {"Color", kPartKeys[i - 1], K::Colour, &s.PartColors[static_cast<size_t>(i)], {}});
    return keys;
}

// The launcher's default text of a key (as the file would hold it).
const std::string& LauncherDefault(std::string_view section, std::string_view key) {
    static TAppCfg unused;
    static const std::vector<TCfgKey> launcherKeys = AppCfgKeys(unused);
    for (const TCfgKey& k : launcherKeys)
        if (forms::SameText(k.Section, section) && forms::SameText(k.Key, key))
            return k.Default;
    throw std::logic_error("no launcher key " + std::string(section) + "." + std::string(key));
}

void SetFromText(const TStyleKey& k, std::string_view text) {
    switch (k.Kind) {
    case TKind::Flag:
        *std::get<bool*>(k.Target) = forms::StrToInt(text) != 0;
        break;
    case TKind::Number:
    case TKind::TabHeight:
        *std::get<int32_t*>(k.Target) = forms::StrToInt(text);
        break;
    case TKind::Text:
        *std::get<std::string*>(k.Target) = std::string(text);
        break;
    case TKind::Colour:
        *std::get<int32_t*>(k.Target) = forms::StringToColor(text);
        break;
    }
}

void Read(const forms::TSettingsFile& ini, const TStyleKey& k) {
    const std::string& fallback = LauncherDefault(k.Section, k.Key);
    switch (k.Kind) {
    case TKind::Flag:
        *std::get<bool*>(k.Target) = ini.ReadBool(k.Section, k.Key, forms::StrToInt(fallback) != 0);
        break;
    case TKind::Number: {
        const int32_t value = ini.ReadInteger(k.Section, k.Key, forms::StrToInt(fallback));
        *std::get<int32_t*>(k.Target) = k.Range ? k.Range->Clamp(value) : value;
        break;
    }
    case TKind::TabHeight: {
        const int32_t value = ini.ReadInteger(k.Section, k.Key, forms::StrToInt(fallback));
        *std::get<int32_t*>(k.Target) = k.Range->Clamp(value) == value ? value : k.Range->Min;
        break;
    }
    case TKind::Text:
    case TKind::Colour:
        SetFromText(k, ini.ReadString(k.Section, k.Key, fallback));
        break;
    }
}

void Write(forms::TSettingsFile& ini, const TStyleKey& k) {
    switch (k.Kind) {
    case TKind::Flag:
        ini.WriteBool(k.Section, k.Key, *std::get<bool*>(k.Target));
        break;
    case TKind::Number:
    case TKind::TabHeight: {
        const int32_t value = *std::get<int32_t*>(k.Target);
        ini.WriteInteger(k.Section, k.Key, k.Range ? k.Range->Clamp(value) : value);
        break;
    }
    case TKind::Text:
        ini.WriteString(k.Section, k.Key, *std::get<std::string*>(k.Target));
        break;
    case TKind::Colour:
        ini.WriteString(k.Section, k.Key, forms::ColorToString(*std::get<int32_t*>(k.Target)));
        break;
    }
}

} // namespace

TStyleSettings DefaultStyleSettings() {
    TStyleSettings s;
    for (const TStyleKey& k : StyleKeys(s))
        SetFromText(k, LauncherDefault(k.Section, k.Key));
    return s;
}

TStyleSettings LoadStyleSettings(forms::TSettingsFile& ini) {
    TStyleSettings s;
    bool locateDeleted = false;
    for (const TStyleKey& k : StyleKeys(s)) {
        if (!locateDeleted && std::string_view(k.Section) == "PopupHint") {
            // Obsolete; gone on every opening, as the launcher does on every load.
            try {
                ini.DeleteKey("PopupHint", "Locate");
            } catch (const forms::EIniWriteError&) {
            }
            locateDeleted = true;
        }
        Read(ini, k);
    }
    return s;
}

void SaveStyleSettings(forms::TSettingsFile& ini, TStyleSettings settings) {
    ini.BeginUpdate();
    for (const TStyleKey& k : StyleKeys(settings))
        Write(ini, k);
    ini.UpdateFile();
}

int HintFontIndex(const forms::TStrings& fonts, std::string_view hintFontName) {
    const int stored = fonts.IndexOf(hintFontName);
    return stored >= 0 ? stored : fonts.IndexOf(kDefaultHintFont);
}

int RestoredHintFontIndex(const forms::TStrings& fonts, std::string_view hintFontName) {
    const int standard = fonts.IndexOf(kDefaultHintFont);
    return standard >= 0 ? standard : fonts.IndexOf(hintFontName);
}

std::string ChosenHintFont(const std::optional<std::string>& selected,
                           const std::string& hintFontName) {
    return selected ? *selected : hintFontName;
}

std::vector<std::string> DateTimeFormatItems(const std::string& stored) {
    std::vector<std::string> items{stored};
    items.insert(items.end(), kDateTimePresets.begin(), kDateTimePresets.end());
    return items;
}

void LoadCustomColorSection(const forms::TSettingsFile& ini, std::string_view section,
                            forms::TStrings& list) {
    forms::TStringList raw;
    for (int i = 0; i < forms::kCustomColorCount; ++i) {
        const std::string name = forms::CustomColorName(i);
        raw.Add(name + "=" + ini.ReadString(section, name, "000000"));
    }
    forms::WriteCustomColors(forms::ReadCustomColors(raw), list);
}

void SaveCustomColorSection(forms::TSettingsFile& ini, std::string_view section,
                            const forms::TStrings& list) {
    const forms::TCustomColors colors = forms::ReadCustomColors(list);
    ini.BeginUpdate();
    for (int i = 0; i < forms::kCustomColorCount; ++i) {
        const std::string line = forms::CustomColorLine(i, colors[static_cast<size_t>(i)]);
        ini.WriteString(section, forms::CustomColorName(i), line.substr(line.find('=') + 1));
    }
    ini.UpdateFile();
}
