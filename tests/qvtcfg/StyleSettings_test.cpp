// The style editor's keys in qvtdock.ini: the bytes of a new file, the held ranges, the obsolete
// key, the date formats read back by the launcher, the font choice and the colour dialogs' custom
// colours.
#include "qvtcfg/StyleSettings.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "forms/base/Strings.h"
#include "shared/Settings.h"

#include "qvtcfg/StyleIniBytes.h"
#include "support/SaveFaults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using forms::TSettingsFile;
using forms::TStringList;

namespace {

class StyleSettingsFile : public ::testing::Test {
protected:
    kbtest::TempDir dir;
    std::string ini = dir.File("qvtdock.ini");

    TStyleSettings LoadFrom(const std::string& bytes) {
        kbtest::WriteBytes(ini, bytes);
        TSettingsFile file(ini);
        return LoadStyleSettings(file);
    }
    void Save(const TStyleSettings& s) {
        TSettingsFile file(ini);
        SaveStyleSettings(file, s);
    }
    TAppCfg LauncherReads() {
        TAppCfg cfg;
        LoadAppCfg(forms::ChangeFileExt(ini, ""), cfg);
        return cfg;
    }
};

} // namespace

// ---- reading and writing ----

TEST_F(StyleSettingsFile, Save_OfAMissingFilesValues_WritesEveryKeyInTableOrder) {
    TSettingsFile missing(dir.File("none.ini"));
    Save(LoadStyleSettings(missing));
    EXPECT_EQ(kbtest::ReadBytes(ini), kNewStyleIniBytes);
    EXPECT_FALSE(kbtest::Exists(dir.File("none.ini"))); // reading created nothing
}

TEST_F(StyleSettingsFile, Load_OfItsOwnFile_GivesTheDefaultsBack) {
    const TStyleSettings d = DefaultStyleSettings();
    const TStyleSettings s = LoadFrom(kNewStyleIniBytes);
    EXPECT_EQ(s.BtnSize, 40);
    EXPECT_EQ(s.FontColor, forms::clInfoText);
    EXPECT_EQ(s.PartColors[2], 0x00EEFFFF);
    EXPECT_EQ(s.PartColors[15], forms::clBlack);
    EXPECT_EQ(s.DateTimeFmt, d.DateTimeFmt);
    EXPECT_EQ(s.StyleFile, "format.sti");
    EXPECT_EQ(s.PartColors, d.PartColors);
}

TEST_F(StyleSettingsFile, Load_HoldsEverySpinValueInItsRange) {
    const TStyleSettings s =
        LoadFrom("[Visible]\r\nAlphaBlendValue=300\r\nBtnSize=100\r\n"
                 "FormSize=5\r\nRowMax=11\r\nBtnBevel=-1\r\n"
                 "[PopupHint]\r\nMaxWidth=50\r\nMaxLine=20\r\nFontSize=60\r\n");
    EXPECT_EQ(s.AlphaBlendValue, 255); // the launcher would narrow it to 44
    EXPECT_EQ(s.BtnSize, 72);
    EXPECT_EQ(s.FormSize, 10);
    EXPECT_EQ(s.RowMax, 10);
    EXPECT_EQ(s.BtnBevel, 0);
    EXPECT_EQ(s.MaxWidth, 120);
    EXPECT_EQ(s.MaxLine, 10);
    EXPECT_EQ(s.FontSize, 48);
    EXPECT_EQ(LoadFrom("[Visible]\r\nAlphaBlendValue=-1\r\n").AlphaBlendValue, 0);
}

TEST_F(StyleSettingsFile, Load_TabHeightOutsideItsRangeIsReset) {
    EXPECT_EQ(LoadFrom("[Visible]\r\nTabHeight=50\r\n").TabHeight, 24);
    EXPECT_EQ(LoadFrom("[Visible]\r\nTabHeight=20\r\n").TabHeight, 24);
    EXPECT_EQ(LoadFrom("[Visible]\r\nTabHeight=40\r\n").TabHeight, 40);
    EXPECT_EQ(LoadFrom("[Visible]\r\nTabHeight=31\r\n").TabHeight, 31);
}

TEST_F(StyleSettingsFile, Load_ANonIntegerNumberOrSwitchGivesItsDefault) {
    const TStyleSettings s =
        LoadFrom("[Visible]\r\nAlphaBlend=yes\r\nBtnSize=48px\r\nVisTab=0x0\r\n"
                 "[PopupHint]\r\nLoc=$3\r\n[Color]\r\nColorCustom=\r\n");
    EXPECT_TRUE(s.AlphaBlend);
    EXPECT_EQ(s.BtnSize, 40);
    EXPECT_FALSE(s.VisTab);
    EXPECT_EQ(s.Loc, 3);
    EXPECT_FALSE(s.ColorCustom);
}

TEST_F(StyleSettingsFile, Save_HoldsSpinValuesInTheirRanges) {
    TStyleSettings s = DefaultStyleSettings();
    s.BtnSize = 100;
    s.AlphaBlendValue = 256;
    s.MaxWidth = 5000;
    s.TabHeight = 10;
    s.Loc = 12; // no range: written as it is
    Save(s);
    const TStyleSettings back = LoadFrom(kbtest::ReadBytes(ini));
    EXPECT_EQ(back.BtnSize, 72);
    EXPECT_EQ(back.AlphaBlendValue, 255);
    EXPECT_EQ(back.MaxWidth, 2000);
    EXPECT_EQ(back.TabHeight, 24);
    EXPECT_EQ(back.Loc, 12);
}

TEST_F(StyleSettingsFile, Load_DeletesTheObsoleteLocateAndNothingElse) {
    const std::string before = "[PopupHint]\r\nX=5\r\nLocate=3\r\nLoc=2\r\n[Other]\r\nA=1\r\n";
    const TStyleSettings s = LoadFrom(before);
    EXPECT_EQ(s.Loc, 2);
    EXPECT_EQ(kbtest::ReadBytes(ini), "[PopupHint]\r\nX=5\r\nLoc=2\r\n[Other]\r\nA=1\r\n");

    const std::string without = "[Visible]\r\nBtnSize=30\r\n";
    (void)LoadFrom(without);
    EXPECT_EQ(kbtest::ReadBytes(ini), without);
}

TEST_F(StyleSettingsFile, Load_AColourThatIsNoNumberRaisesAfterLocateIsGone) {
    kbtest::WriteBytes(ini, "[PopupHint]\r\nLocate=1\r\n[Color]\r\n3=zzz\r\n");
    TSettingsFile file(ini);
    try {
        (void)LoadStyleSettings(file);
        FAIL() << "no error";
    } catch (const forms::EConversionError& e) {
        EXPECT_STREQ(e.what(), "'zzz' は整数ではありません");
    }
    EXPECT_EQ(kbtest::ReadBytes(ini), "[PopupHint]\r\n[Color]\r\n3=zzz\r\n");
}

TEST_F(StyleSettingsFile, Load_ColoursByNameInAnyCaseOrNumber) {
    const TStyleSettings s =
        LoadFrom("[PopupHint]\r\nFontColor=clinfotext\r\nColor=$00FF0000\r\n[Color]\r\n7=255\r\n");
    EXPECT_EQ(s.FontColor, forms::clInfoText);
    EXPECT_EQ(s.HintColor, forms::clBlue);
    EXPECT_EQ(s.PartColors[7], forms::clRed);
}

TEST_F(StyleSettingsFile, Save_NeverTouchesTheHintOffsetsOrItsIconSwitch) {
    kbtest::WriteBytes(ini, "[PopupHint]\r\nX=5\r\nY=-6\r\nIsIcon=0\r\n");
    Save(DefaultStyleSettings());
    const std::string bytes = kbtest::ReadBytes(ini);
    EXPECT_EQ(bytes.rfind("[PopupHint]\r\nX=5\r\nY=-6\r\nIsIcon=0\r\nLoc=0\r\n", 0), 0u) << bytes;
    const TAppCfg cfg = LauncherReads();
    EXPECT_EQ(cfg.X, 5);
    EXPECT_EQ(cfg.Y, -6);
    EXPECT_FALSE(cfg.IsIcon);
}

TEST_F(StyleSettingsFile, Save_WhatTheLauncherReadsBackIsWhatWasShown) {
    TStyleSettings s = DefaultStyleSettings();
    s.AlphaBlend = false;
    s.AlphaBlendValue = 128;
    s.FontName = "ＭＳ ゴシック";
    s.FontColor = 0x123456;
    s.HintColor = forms::clWindow;
    s.PartColors[8] = 0x00ABCDEF;
    s.ColorCustom = true;
    s.StyleFile = "night.sti";
    Save(s);
    const TAppCfg cfg = LauncherReads();
    EXPECT_FALSE(cfg.AlphaBlend);
    EXPECT_EQ(cfg.AlphaBlendValue, 128);
    EXPECT_EQ(cfg.FontName, "ＭＳ ゴシック");
    EXPECT_EQ(cfg.FontColor, 0x123456);
    EXPECT_EQ(cfg.HintColor, forms::clWindow);
    EXPECT_EQ(cfg.PartColors[8], 0x00ABCDEF);
    EXPECT_TRUE(cfg.ColorCustom);
    EXPECT_EQ(cfg.StyleFile, "night.sti");
    EXPECT_NE(kbtest::ReadBytes(ini).find("FontColor=$00123456\r\n"), std::string::npos);
}

// ---- date and time formats ----

TEST(DateTimePresets, TheEighthIsTheLaunchersDefault) {
    EXPECT_EQ(kDateTimePresets[kDefaultDateTimePreset], DefaultStyleSettings().DateTimeFmt);
    EXPECT_EQ(std::string(kDateTimePresets[kDefaultDateTimePreset]),
              "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
}

TEST(DateTimePresets, TheTwoThatEndInABlankKeepIt) {
    EXPECT_EQ(std::string(kDateTimePresets[8]).back(), ' ');
    EXPECT_EQ(std::string(kDateTimePresets[9]).back(), ' ');
    EXPECT_NE(std::string(kDateTimePresets[10]).find("yy  h:n"), std::string::npos);
}

TEST(DateTimePresets, AStoredPresetIsListedTwiceFirstAtTheTop) {
    const std::vector<std::string> items = DateTimeFormatItems(kDateTimePresets[2]);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], kDateTimePresets[2]);
    EXPECT_EQ(items[3], kDateTimePresets[2]);
    EXPECT_EQ(items[11], kDateTimePresets[10]);
}

TEST_F(StyleSettingsFile, QuotedAndBlankEndedPresetsReadBackAsWrittenInBothPrograms) {
    for (const int preset : {4, 5, 8, 9}) { // the lists' 5, 6, 9 and 10
        TStyleSettings s = DefaultStyleSettings();
        s.DateTimeFmt = kDateTimePresets[static_cast<size_t>(preset)];
        Save(s);
        EXPECT_EQ(LauncherReads().DateTimeFmt, s.DateTimeFmt) << preset;
        TSettingsFile file(ini);
        EXPECT_EQ(LoadStyleSettings(file).DateTimeFmt, s.DateTimeFmt) << preset;
    }
}

// ---- the hint font ----

TEST(HintFont, TheStoredFontIsFoundInAnyLetterCase) {
    const TStringList fonts{"@MS UI Gothic", "Arial", "MS UI Gothic", "Tahoma"};
    EXPECT_EQ(HintFontIndex(fonts, "tahoma"), 3);
    EXPECT_EQ(HintFontIndex(fonts, "@ms ui gothic"), 0);
}

TEST(HintFont, AMissingStoredFontFallsBackToTheStandardOneOrNone) {
    EXPECT_EQ(HintFontIndex(TStringList{"Arial", "ms ui gothic"}, "Gone"), 1);
    EXPECT_EQ(HintFontIndex(TStringList{"Arial"}, "Gone"), -1);
    EXPECT_EQ(HintFontIndex(TStringList{}, ""), -1);
}

TEST(HintFont, ARestorePrefersTheStandardFontOverTheStoredOne) {
    EXPECT_EQ(RestoredHintFontIndex(TStringList{"Arial", "MS UI Gothic"}, "Arial"), 1);
    EXPECT_EQ(RestoredHintFontIndex(TStringList{"Arial", "Tahoma"}, "tahoma"), 1);
    EXPECT_EQ(RestoredHintFontIndex(TStringList{"Arial"}, "Tahoma"), -1);
}

TEST(HintFont, WithoutASelectionTheStoredNameIsKept) {
    EXPECT_EQ(ChosenHintFont(std::nullopt, "Gone Font"), "Gone Font");
    EXPECT_EQ(ChosenHintFont(std::string("Arial"), "Gone Font"), "Arial");
}

// ---- custom colours ----

TEST_F(StyleSettingsFile, SavesThatFailLeaveTheFileAsItWas) {
    kbtest::WriteBytes(ini, "[Visible]\r\nBtnSize=30\r\n");
    kbtest::ExpectEachFaultKeepsTheFile<forms::EIniWriteError>(
        ini, [&] { Save(DefaultStyleSettings()); });
    const TStringList colours{"ColorA=123456"};
    kbtest::ExpectEachFaultKeepsTheFile<forms::EIniWriteError>(ini, [&] {
        TSettingsFile file(ini);
        SaveCustomColorSection(file, kPartsColorsSection, colours);
    });
}

TEST_F(StyleSettingsFile, CustomColours_AreSixteenLinesMissingAndMalformedAsBlack) {
    kbtest::WriteBytes(ini, "[PartsColors]\r\nColorA=zz\r\nColorB=00ff80\r\nColorC=1234567\r\n"
                            "ColorP=ABCDEF\r\n[PopupHintFontColors]\r\nColorA=111111\r\n");
    TStringList list{"old line"};
    LoadCustomColorSection(TSettingsFile(ini), kPartsColorsSection, list);
    ASSERT_EQ(list.Count(), 16);
    EXPECT_EQ(list.Strings(0), "ColorA=000000");
    EXPECT_EQ(list.Strings(1), "ColorB=00FF80");
    EXPECT_EQ(list.Strings(2), "ColorC=000000");
    EXPECT_EQ(list.Strings(3), "ColorD=000000");
    EXPECT_EQ(list.Strings(15), "ColorP=ABCDEF");
}

TEST_F(StyleSettingsFile, CustomColours_AreWrittenAsSixUpperCaseDigitsMalformedAsBlack) {
    kbtest::WriteBytes(ini, "[Visible]\r\nBtnSize=30\r\n");
    const TStringList list{"ColorA=zz", "ColorB=0000ff", "ColorP=123456"};
    {
        TSettingsFile file(ini);
        SaveCustomColorSection(file, kHintBackColorsSection, list);
    }
    const std::string bytes = kbtest::ReadBytes(ini);
    EXPECT_EQ(bytes.rfind("[Visible]\r\nBtnSize=30\r\n[PopupHintBackColors]\r\nColorA=000000\r\n"
                          "ColorB=0000FF\r\nColorC=000000\r\n",
                          0),
              0u)
        << bytes;
    TStringList back;
    LoadCustomColorSection(TSettingsFile(ini), kHintBackColorsSection, back);
    EXPECT_EQ(back.Strings(1), "ColorB=0000FF");
    EXPECT_EQ(back.Strings(15), "ColorP=123456");
    EXPECT_EQ(back.Count(), 16);
}

TEST(PartColorNames, FifteenTextsOfTheList) {
    EXPECT_STREQ(kPartColorNames[0], "タイトルバー");
    EXPECT_STREQ(kPartColorNames[6], "本体");
    EXPECT_STREQ(kPartColorNames[14], "タブ文字");
}
