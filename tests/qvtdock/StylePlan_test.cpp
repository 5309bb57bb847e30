// The style a load reads, its skins and colours, the user's own colours and the pop-up hint's
// values from the settings.
#include "qvtdock/StylePlan.h"

#include "qvtdock/HintPlacement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

const std::string kFolder = "C:\\prog\\";

// A style test that passes exactly the named files.
std::function<bool(const std::string&)> StylesAre(std::set<std::string> files) {
    return [files](const std::string& f) { return files.count(f) > 0; };
}

} // namespace

TEST(ChooseStyleFile, AStyleFile_IsReadAsAsked) {
    const TStyleChoice c =
        ChooseStyleFile(kFolder + "night.sti", kFolder, StylesAre({kFolder + "night.sti"}));
    EXPECT_EQ(c.FileName, kFolder + "night.sti");
    EXPECT_FALSE(c.FellBack);
    EXPECT_TRUE(c.Readable);
}

TEST(ChooseStyleFile, MissingEmptyOrFailingName_FallsBackToTheDefaultStyle) {
    const auto styles = StylesAre({kFolder + "format.sti"});
    for (const std::string& name : {kFolder + "nosuch.sti", kFolder, kFolder + "broken.sti"}) {
        const TStyleChoice c = ChooseStyleFile(name, kFolder, styles);
        EXPECT_EQ(c.FileName, kFolder + "format.sti") << name;
        EXPECT_TRUE(c.FellBack) << name;
        EXPECT_TRUE(c.Readable) << name;
    }
}

TEST(ChooseStyleFile, DefaultStyleMissingToo_NothingIsRead) {
    const TStyleChoice c = ChooseStyleFile(kFolder + "nosuch.sti", kFolder, StylesAre({}));
    EXPECT_EQ(c.FileName, kFolder + "format.sti");
    EXPECT_TRUE(c.FellBack);
    EXPECT_FALSE(c.Readable);
}

TEST(StyleGlyphItems, NinePartsInTheirReadingOrder) {
    TStiData d;
    d.LockBtn.GlyphIndex = 1;
    d.WizBtn.GlyphIndex = 2;
    d.CloseBtn.GlyphIndex = 3;
    d.BtnBar.GlyphIndex = 4;
    d.Tab.GlyphIndex = 5;
    d.TitleBar.GlyphIndex = 6;
    d.SubForm.GlyphH = 7;
    d.SubForm.GlyphV = 8;
    d.SubForm.Glyph = 9;
    d.Form.Glyph = 10;
    const std::array<int, kStyleGlyphCount> expected{1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(StyleGlyphItems(d), expected);
}

TEST(SkinSwitches, BuiltInStyle_NoSkinAndAPlainHint) {
    const TStiData d;
    for (int item : StyleGlyphItems(d))
        EXPECT_LT(item, 1);
    const TSkinSwitches s = SkinSwitches(d);
    EXPECT_FALSE(s.LockBtn || s.WizBtn || s.CloseBtn || s.BtnBar || s.Tab || s.TitleBar || s.Hint);
    EXPECT_EQ(s.HintStyle, hwsNormal);
}

TEST(SkinSwitches, ZeroAndNegativeNumbersOff_OneAndAbove_On) {
    TStiData d;
    d.LockBtn.GlyphIndex = 0;
    d.WizBtn.GlyphIndex = -1;
    d.CloseBtn.GlyphIndex = 1;
    d.BtnBar.GlyphIndex = 300; // never read: the skin is on with an empty strip
    d.Tab.GlyphIndex = 255;
    d.TitleBar.GlyphIndex = 0;
    const TSkinSwitches s = SkinSwitches(d);
    EXPECT_FALSE(s.LockBtn);
    EXPECT_FALSE(s.WizBtn);
    EXPECT_TRUE(s.CloseBtn);
    EXPECT_TRUE(s.BtnBar);
    EXPECT_TRUE(s.Tab);
    EXPECT_FALSE(s.TitleBar);
}

TEST(SkinSwitches, HintSkin_OnlyWithAllThreeNumbers) {
    TStiData d;
    d.SubForm.GlyphH = 7;
    d.SubForm.GlyphV = 8;
    d.SubForm.Glyph = 9;
    EXPECT_TRUE(SkinSwitches(d).Hint);
    EXPECT_EQ(SkinSwitches(d).HintStyle, hwsStyle);
    for (int32_t TSubFormColor::*missing :
         {&TSubFormColor::GlyphH, &TSubFormColor::GlyphV, &TSubFormColor::Glyph}) {
        TStiData one = d;
        one.SubForm.*missing = -1;
        EXPECT_FALSE(SkinSwitches(one).Hint);
        EXPECT_EQ(SkinSwitches(one).HintStyle, hwsNormal);
    }
}

TEST(StyleColors, EachTargetFromItsPart) {
    TStiData d;
    d.TitleBar.BaseColor = 1;
    d.TitleBar.TopLineColor = 2;
    d.TitleBar.BtmLineColor = 3;
    d.TitleFont.Color = 4;
    d.Tab.CounterColor = 5;
    d.TitleBar.CounterColor = 6;
    d.Form.Color = 7;
    d.BtnBar.MarkColor = 8;
    d.BtnBar.BaseColor = 9;
    d.BtnBar.TopLineColor = 10;
    d.BtnBar.BtmLineColor = 11;
    d.Tab.BaseColor = 12;
    d.Tab.TopLineColor = 13;
    d.Tab.BtmLineColor = 14;
    d.TabFont.Color = 15;
    d.TabFont.SelectColor = 16;
    const TLauncherColors c = StyleColors(d);
    const std::vector<TColor> got{c.TitleBar,   c.TitleTopLine, c.TitleBtmLine,   c.TitleText,
                                  c.TabCounter, c.Counters,     c.Form,           c.BarMark,
                                  c.BarBase,    c.BarTopLine,   c.BarBtmLine,     c.TabBase,
                                  c.TabTopLine, c.TabBtmLine,   c.TabNotSelected, c.TabSelected};
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], static_cast<TColor>(i + 1)) << i;
}

namespace {

TAppCfg NumberedColors(bool on) {
    TAppCfg cfg;
    cfg.ColorCustom = on;
    for (size_t i = 0; i < cfg.PartColors.size(); ++i)
        cfg.PartColors[i] = static_cast<TColor>(0x100 + i);
    return cfg;
}

} // namespace

TEST(CustomColors, Off_OrAStyleOfItsOwn_GiveNothing) {
    EXPECT_FALSE(CustomColors(NumberedColors(false), 0));
    EXPECT_FALSE(CustomColors(NumberedColors(false), 1));
    EXPECT_FALSE(CustomColors(NumberedColors(true), 1));
    EXPECT_FALSE(CustomColors(NumberedColors(true), 2));
    EXPECT_FALSE(CustomColors(NumberedColors(true), -1));
}

TEST(CustomColors, PlainStyle_TheFifteenColoursInTheirPlaces) {
    const std::optional<TLauncherColors> c = CustomColors(NumberedColors(true), 0);
    ASSERT_TRUE(c);
    const auto n = [](int i) { return static_cast<TColor>(0x100 + i); };
    EXPECT_EQ(c->TitleBar, n(1));
    EXPECT_EQ(c->TitleTopLine, n(2));
    EXPECT_EQ(c->TitleBtmLine, n(3));
    EXPECT_EQ(c->TitleText, n(4));
    EXPECT_EQ(c->TabCounter, n(5));
    EXPECT_EQ(c->Counters, n(6));
    EXPECT_EQ(c->Form, n(7));
    EXPECT_EQ(c->BarMark, n(8));
    EXPECT_EQ(c->TabSelected, n(8));
    EXPECT_EQ(c->BarBase, n(9));
    EXPECT_EQ(c->BarTopLine, n(10));
    EXPECT_EQ(c->BarBtmLine, n(11));
    EXPECT_EQ(c->TabBase, n(12));
    EXPECT_EQ(c->TabTopLine, n(13));
    EXPECT_EQ(c->TabBtmLine, n(14));
    EXPECT_EQ(c->TabNotSelected, n(15));
}

TEST(HintDrawStyle, KnownNumbers_AsTheyAre_OthersStretch) {
    EXPECT_EQ(HintDrawStyle(0), wdsNormal);
    EXPECT_EQ(HintDrawStyle(1), wdsStretch);
    EXPECT_EQ(HintDrawStyle(2), wdsTail);
    EXPECT_EQ(HintDrawStyle(3), wdsStretch);
    EXPECT_EQ(HintDrawStyle(255), wdsStretch);
}

TEST(HintValuesOf, FontSizeAndWidth_DefaultBelowOne_MaximumAbove) {
    TAppCfg cfg;
    const std::vector<std::pair<int, int>> sizes{{-5, 9},  {0, 9},   {1, 1},      {8, 8},
                                                 {48, 48}, {49, 48}, {100000, 48}};
    for (const auto& [in, out] : sizes) {
        cfg.FontSize = in;
        EXPECT_EQ(HintValuesOf(cfg).FontSize, out) << in;
    }
    const std::vector<std::pair<int, int>> widths{{-1, 240},    {0, 240},     {120, 120},
                                                  {2000, 2000}, {2001, 2000}, {INT32_MAX, 2000}};
    for (const auto& [in, out] : widths) {
        cfg.MaxWidth = in;
        EXPECT_EQ(HintValuesOf(cfg).MaxWidth, out) << in;
    }
}

// 10000 lines made every hint 120,020 pixels high.
TEST(HintValuesOf, LineLimitHeldToZeroToTen) {
    TAppCfg cfg;
    for (const auto& [in, out] : {std::pair{INT32_MIN, 0}, {0, 0}, {10, 10}, {10000, 10}}) {
        cfg.MaxLine = in;
        EXPECT_EQ(HintValuesOf(cfg).MaxLine, out) << in;
    }
}

TEST(HintValuesOf, Placement_EveryNumberAsItIs_AnUnknownOneAtTheBarsLeftEdge) {
    TAppCfg cfg;
    for (int loc = hlNone; loc <= hlLeft; ++loc) {
        cfg.Loc = loc;
        EXPECT_EQ(HintValuesOf(cfg).Locate, static_cast<THintLocate>(loc));
    }
    THintBar bar;
    bar.BtnSize = 40;
    bar.ColCount = 10;
    for (int loc : {-1, 9, 1000, INT32_MIN}) {
        cfg.Loc = loc;
        const THintLocate locate = HintValuesOf(cfg).Locate;
        EXPECT_NE(locate, hlNone) << loc; // not below the window
        EXPECT_EQ(CalcHintPos(locate, 12, 50, 30, bar), (forms::TPoint{0, 42})) << loc;
    }
}

TEST(HintValues, StoredBack_EveryStoredFieldInsideTheEditorsRanges) {
    TAppCfg cfg;
    cfg.UseStyle = true;
    cfg.HintColor = 0x00C0FFEE;
    cfg.LockWidth = true;
    cfg.IsIcon = true;
    cfg.MaxLine = 3;
    cfg.MaxWidth = 777;
    cfg.Loc = hlRbtm;
    cfg.X = -12;
    cfg.Y = 34;
    cfg.FontName = "ＭＳ ゴシック";
    cfg.FontBold = true;
    cfg.FontItalic = true;
    cfg.FontColor = 0x00123456;
    cfg.FontSize = 14;
    const THintValues v = HintValuesOf(cfg);
    EXPECT_TRUE(v.UseStyle && v.LockWidth && v.IsIcon && v.FontBold && v.FontItalic);
    EXPECT_EQ(v.MaxLine, 3);
    EXPECT_EQ(v.Locate, hlRbtm);

    TAppCfg back;
    StoreHintValues(v, back);
    EXPECT_EQ(back.HintColor, cfg.HintColor);
    EXPECT_EQ(back.MaxWidth, cfg.MaxWidth);
    EXPECT_EQ(back.X, cfg.X);
    EXPECT_EQ(back.Y, cfg.Y);
    EXPECT_EQ(back.FontName, cfg.FontName);
    EXPECT_EQ(back.FontColor, cfg.FontColor);
    EXPECT_EQ(back.FontSize, cfg.FontSize);
    // What the user cannot change while the launcher runs is not stored.
    EXPECT_FALSE(back.FontBold);
    EXPECT_EQ(back.Loc, 0);
}
