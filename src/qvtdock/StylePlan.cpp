#include "qvtdock/StylePlan.h"

#include <algorithm>

TStyleChoice ChooseStyleFile(const std::string& fileName, const std::string& programFolder,
                             const std::function<bool(const std::string&)>& isStyle) {
    TStyleChoice choice;
    choice.FileName = fileName;
    if (isStyle(fileName))
        return choice;
    choice.FellBack = true;
    choice.FileName = programFolder + kDefaultStyleFile;
    choice.Readable = isStyle(choice.FileName);
    return choice;
}

std::array<int, kStyleGlyphCount> StyleGlyphItems(const TStiData& data) {
    return {data.LockBtn.GlyphIndex, data.WizBtn.GlyphIndex, data.CloseBtn.GlyphIndex,
            data.BtnBar.GlyphIndex,  data.Tab.GlyphIndex,    data.TitleBar.GlyphIndex,
            data.SubForm.GlyphH,     data.SubForm.GlyphV,    data.SubForm.Glyph};
}

TSkinSwitches SkinSwitches(const TStiData& data) {
    TSkinSwitches s;
    s.LockBtn = data.LockBtn.GlyphIndex >= 1;
    s.WizBtn = data.WizBtn.GlyphIndex >= 1;
    s.CloseBtn = data.CloseBtn.GlyphIndex >= 1;
    s.BtnBar = data.BtnBar.GlyphIndex >= 1;
    s.Tab = data.Tab.GlyphIndex >= 1;
    s.TitleBar = data.TitleBar.GlyphIndex >= 1;
    s.Hint = data.SubForm.Glyph >= 1 && data.SubForm.GlyphH >= 1 && data.SubForm.GlyphV >= 1;
    s.HintStyle = s.Hint ? hwsStyle : hwsNormal;
    return s;
}

TLauncherColors StyleColors(const TStiData& data) {
    TLauncherColors c;
    c.TitleBar = data.TitleBar.BaseColor;
    c.TitleTopLine = data.TitleBar.TopLineColor;
    c.TitleBtmLine = data.TitleBar.BtmLineColor;
    c.TitleText = data.TitleFont.Color;
    c.TabCounter = data.Tab.CounterColor;
    c.Counters = data.TitleBar.CounterColor;
    c.Form = data.Form.Color;
    c.BarMark = data.BtnBar.MarkColor;
    c.BarBase = data.BtnBar.BaseColor;
    c.BarTopLine = data.BtnBar.TopLineColor;
    c.BarBtmLine = data.BtnBar.BtmLineColor;
    c.TabBase = data.Tab.BaseColor;
    c.TabTopLine = data.Tab.TopLineColor;
    c.TabBtmLine = data.Tab.BtmLineColor;
    c.TabSelected = data.TabFont.SelectColor;
    c.TabNotSelected = data.TabFont.Color;
    return c;
}

std::optional<TLauncherColors> CustomColors(const TAppCfg& cfg, int styleType) {
    if (!cfg.ColorCustom || styleType != 0)
        return std::nullopt;
    const auto& p = cfg.PartColors;
    TLauncherColors c;
    c.TitleBar = p[1];
    c.TitleTopLine = p[2];
    c.TitleBtmLine = p[3];
    c.TitleText = p[4];
    c.TabCounter = p[5];
    c.Counters = p[6];
    c.Form = p[7];
    c.BarMark = p[8];
    c.TabSelected = p[8];
    c.BarBase = p[9];
    c.BarTopLine = p[10];
    c.BarBtmLine = p[11];
    c.TabBase = p[12];
    c.TabTopLine = p[13];
    c.TabBtmLine = p[14];
    c.TabNotSelected = p[15];
    return c;
}

TWindowDrawStyle HintDrawStyle(uint8_t drawMode) {
    switch (drawMode) {
    case wdsNormal:
        return wdsNormal;
    case wdsTail:
        return wdsTail;
    default:
        return wdsStretch;
    }
}

namespace {

int Usable(int value, int fallback, int maximum) {
    return value < 1 ? fallback : std::min(value, maximum);
}

} // namespace

THintValues HintValuesOf(const TAppCfg& cfg) {
    THintValues v;
    v.UseStyle = cfg.UseStyle;
    v.BkColor = cfg.HintColor;
    v.LockWidth = cfg.LockWidth;
    v.IsIcon = cfg.IsIcon;
    v.MaxLine = std::clamp(cfg.MaxLine, 0, kMaxHintMaxLine);
    v.MaxWidth = Usable(cfg.MaxWidth, kDefaultHintMaxWidth, kMaxHintMaxWidth);
    v.Locate = static_cast<THintLocate>(cfg.Loc);
    v.XMargin = cfg.X;
    v.YMargin = cfg.Y;
    v.FontName = cfg.FontName;
    v.FontBold = cfg.FontBold;
    v.FontItalic = cfg.FontItalic;
    v.FontColor = cfg.FontColor;
    v.FontSize = Usable(cfg.FontSize, kDefaultHintFontSize, kMaxHintFontSize);
    return v;
}

void StoreHintValues(const THintValues& values, TAppCfg& cfg) {
    cfg.HintColor = values.BkColor;
    cfg.MaxWidth = values.MaxWidth;
    cfg.X = values.XMargin;
    cfg.Y = values.YMargin;
    cfg.FontName = values.FontName;
    cfg.FontColor = values.FontColor;
    cfg.FontSize = values.FontSize;
}
