#include "shared/Settings.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"

#include "support/SaveFaults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace forms;

namespace {

// The defaults of the key table, written out field by field.
TAppCfg Defaults() {
    TAppCfg c;
    c.Left = 0;
    c.Top = 0;
    c.LMLeft = c.LMRight = c.LMMiddle = c.LMMos4 = c.LMMos5 = false;
    c.MouseShowPos = 1;
    c.KeyShowPos = 1;
    c.InvalidClickDeskTop = c.EffectiveClickTaskBar = c.DropRunLockOff = true;
    c.NotFormMos = false;
    c.RunHide = c.TabClickChg = true;
    c.AutoLock = false;
    c.AlphaBlend = true;
    c.AlphaBlendValue = 255;
    c.BtnSize = 40;
    c.FormSize = 10;
    c.RowMax = 1;
    c.BtnBevel = 1;
    c.BtnTrans = false;
    c.BtnMarkStyle = c.IconStretch = c.BtnPopupHint = c.DummyBtn = true;
    c.TitleScroll = false;
    c.TitleInPage = c.BtnCounter = c.TabCounter = c.VisTab = true;
    c.TabHeight = 24;
    c.VisTitle = true;
    c.VisDateTime = false;
    c.DateTimeFmt = "\"K+Bandeo :\" yyyy/mm/dd - hh:nn";
    c.StyleFile = "format.sti";
    c.DataEditorPath = ""; // checked on its own
    c.KeyShow = "";
    c.URL = c.MAIL = true;
    c.URLExe = c.MAILExe = c.URLExeParam = c.MAILExeParam = "";
    c.Dlg = c.Open = true;
    c.RectPopUp = false;
    c.Rect = {true, true, true, true, true, true, true, true};
    c.Revision = c.RevisionTaskBar = true;
    c.RevisionPoint = 0;
    c.UseStyle = true;
    c.LockWidth = false;
    c.Loc = 0;
    c.IsIcon = true;
    c.X = c.Y = 0;
    c.MaxLine = 0;
    c.MaxWidth = 240;
    c.FontSize = 9;
    c.FontName = "MS UI Gothic";
    c.FontBold = c.FontItalic = false;
    c.FontColor = clInfoText;
    c.HintColor = clInfoBk;
    c.HintHide = true;
    c.Actions = {0, 1, 2, 13, 14, 11, 12, 0, 0, 13, 14, 13, 14};
    c.PartColors = {0,          clBlack,    0x00EEFFFF, 0x0099A8AC, clYellow,   clBlue,
                    clLime,     0x00CCE1E6, clRed,      0x00CCE1E6, 0x00EEFFFF, 0x0099A8AC,
                    0x00CCE1E6, 0x00EEFFFF, 0x0099A8AC, clBlack};
    c.ColorCustom = false;
    c.LauncherKeys = {13, 27, 221, 219, 33, 34};
    return c;
}

// A file with every key away from its default.
const char* const kEveryKey = R"([Bounds]
Left=-12
Top=345
[Mouse]
LMLeft=1
LMRight=1
LMMiddle=1
LMMos4=1
LMMos5=1
ShowPos=2
InvalidClickDeskTop=0
EffectiveClickTaskBar=0
DropRunLockOff=0
NotFormMos=1
RunHide=0
TabClickChg=0
AutoLock=1
RectPopUp=1
Rect0=0
Rect1=1
Rect2=1
Rect3=0
Rect4=1
Rect5=0
Rect6=0
Rect7=1
Revision=0
RevisionTaskBar=0
RevisionPoint=7
[Visible]
AlphaBlend=0
AlphaBlendValue=200
BtnSize=48
FormSize=12
RowMax=3
BtnBevel=2
BtnTrans=1
BtnMarkStyle=0
IconStretch=0
DummyBtn=0
BtnPopupHint=0
VisTitle=0
VisDateTime=1
DateTimeFmt=yyyy年m月d日 (dddd)
TitleScroll=1
TitleInPage=0
BtnCounter=0
TabCounter=0
VisTab=0
TabHeight=30
StyleFile=和風.sti
[Edit]
DataEditorPath=C:\表\ソフト\
[Key]
Show=Ctrl+Alt+Z
ShowPos=0
0=112
1=113
2=114
3=115
4=116
5=117
[PopupHint]
Loc=5
X=-3
Y=7
MaxWidth=600
MaxLine=4
IsIcon=0
FontName=ＭＳ ゴシック
FontBold=1
FontItalic=1
FontSize=12
FontColor=clRed
Color=$00112233
HintHide=0
LockWidth=1
UseStyle=0
[Connection]
URL=0
MAIL=0
URLExe=C:\Program Files\表\browser.exe
MAILExe=mail.exe
URLExeParam=-new
MAILExeParam=/m
[Drop]
Dlg=0
Open=0
[Color]
ColorCustom=1
1=$00000001
2=$00000002
3=$00000003
4=$00000004
5=$00000005
6=$00000006
7=$00000007
8=$00000008
9=$00000009
10=$0000000A
11=$0000000B
12=$0000000C
13=$0000000D
14=$0000000E
15=$0000000F
[MouseBtnAction]
Left=101
Right=102
Middle=103
Btn4=104
Btn5=105
UpScr=106
DnScr=107
MUpScr=108
MDnScr=109
LUpScr=110
LDnScr=111
RUpScr=112
RDnScr=113
)";

TAppCfg EveryKeyValues() {
    TAppCfg c;
    c.Left = -12;
    c.Top = 345;
    c.LMLeft = c.LMRight = c.LMMiddle = c.LMMos4 = c.LMMos5 = true;
    c.MouseShowPos = 2;
    c.InvalidClickDeskTop = c.EffectiveClickTaskBar = c.DropRunLockOff = false;
    c.NotFormMos = true;
    c.RunHide = c.TabClickChg = false;
    c.AutoLock = c.RectPopUp = true;
    c.Rect = {false, true, true, false, true, false, false, true};
    c.Revision = c.RevisionTaskBar = false;
    c.RevisionPoint = 7;
    c.AlphaBlend = false;
    c.AlphaBlendValue = 200;
    c.BtnSize = 48;
    c.FormSize = 12;
    c.RowMax = 3;
    c.BtnBevel = 2;
    c.BtnTrans = true;
    c.BtnMarkStyle = c.IconStretch = c.DummyBtn = c.BtnPopupHint = c.VisTitle = false;
    c.VisDateTime = true;
    c.DateTimeFmt = "yyyy年m月d日 (dddd)";
    c.TitleScroll = true;
    c.TitleInPage = c.BtnCounter = c.TabCounter = c.VisTab = false;
    c.TabHeight = 30;
    c.StyleFile = "和風.sti";
    c.DataEditorPath = "C:\\表\\ソフト\\";
    c.KeyShow = "Ctrl+Alt+Z";
    c.KeyShowPos = 0;
    c.LauncherKeys = {112, 113, 114, 115, 116, 117};
    c.Loc = 5;
    c.X = -3;
    c.Y = 7;
    c.MaxWidth = 600;
    c.MaxLine = 4;
    c.IsIcon = false;
    c.FontName = "ＭＳ ゴシック";
    c.FontBold = c.FontItalic = true;
    c.FontSize = 12;
    c.FontColor = clRed;
    c.HintColor = 0x00112233;
    c.HintHide = false;
    c.LockWidth = true;
    c.UseStyle = false;
    c.URL = c.MAIL = false;
    c.URLExe = "C:\\Program Files\\表\\browser.exe";
    c.MAILExe = "mail.exe";
    c.URLExeParam = "-new";
    c.MAILExeParam = "/m";
    c.Dlg = c.Open = false;
    c.ColorCustom = true;
    c.PartColors = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    c.Actions = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113};
    return c;
}

#define EXPECT_FIELDS(f) EXPECT_EQ(actual.f, expected.f) << #f
void ExpectSameCfg(const TAppCfg& actual, const TAppCfg& expected) {
    EXPECT_FIELDS(Left);
    EXPECT_FIELDS(Top);
    EXPECT_FIELDS(LMLeft);
    EXPECT_FIELDS(LMRight);
    EXPECT_FIELDS(LMMiddle);
    EXPECT_FIELDS(LMMos4);
    EXPECT_FIELDS(LMMos5);
    EXPECT_FIELDS(MouseShowPos);
    EXPECT_FIELDS(KeyShowPos);
    EXPECT_FIELDS(InvalidClickDeskTop);
    EXPECT_FIELDS(EffectiveClickTaskBar);
    EXPECT_FIELDS(DropRunLockOff);
    EXPECT_FIELDS(NotFormMos);
    EXPECT_FIELDS(RunHide);
    EXPECT_FIELDS(TabClickChg);
    EXPECT_FIELDS(AutoLock);
    EXPECT_FIELDS(AlphaBlend);
    EXPECT_FIELDS(AlphaBlendValue);
    EXPECT_FIELDS(BtnSize);
    EXPECT_FIELDS(FormSize);
    EXPECT_FIELDS(RowMax);
    EXPECT_FIELDS(BtnBevel);
    EXPECT_FIELDS(BtnTrans);
    EXPECT_FIELDS(BtnMarkStyle);
    EXPECT_FIELDS(IconStretch);
    EXPECT_FIELDS(BtnPopupHint);
    EXPECT_FIELDS(DummyBtn);
    EXPECT_FIELDS(TitleScroll);
    EXPECT_FIELDS(TitleInPage);
    EXPECT_FIELDS(BtnCounter);
    EXPECT_FIELDS(TabCounter);
    EXPECT_FIELDS(VisTab);
    EXPECT_FIELDS(TabHeight);
    EXPECT_FIELDS(VisTitle);
    EXPECT_FIELDS(VisDateTime);
    EXPECT_FIELDS(DateTimeFmt);
    EXPECT_FIELDS(StyleFile);
    EXPECT_FIELDS(KeyShow);
    EXPECT_FIELDS(URL);
    EXPECT_FIELDS(MAIL);
    EXPECT_FIELDS(URLExe);
    EXPECT_FIELDS(MAILExe);
    EXPECT_FIELDS(URLExeParam);
    EXPECT_FIELDS(MAILExeParam);
    EXPECT_FIELDS(Dlg);
    EXPECT_FIELDS(Open);
    EXPECT_FIELDS(RectPopUp);
    EXPECT_FIELDS(Rect);
    EXPECT_FIELDS(Revision);
    EXPECT_FIELDS(RevisionTaskBar);
    EXPECT_FIELDS(RevisionPoint);
    EXPECT_FIELDS(UseStyle);
    EXPECT_FIELDS(LockWidth);
    EXPECT_FIELDS(Loc);
    EXPECT_FIELDS(IsIcon);
    EXPECT_FIELDS(X);
    EXPECT_FIELDS(Y);
    EXPECT_FIELDS(MaxLine);
    EXPECT_FIELDS(MaxWidth);
    EXPECT_FIELDS(FontSize);
    EXPECT_FIELDS(FontName);
    EXPECT_FIELDS(FontBold);
    EXPECT_FIELDS(FontItalic);
    EXPECT_FIELDS(FontColor);
    EXPECT_FIELDS(HintColor);
    EXPECT_FIELDS(HintHide);
    EXPECT_FIELDS(Actions);
    EXPECT_FIELDS(PartColors);
    EXPECT_FIELDS(ColorCustom);
    EXPECT_FIELDS(LauncherKeys);
}
#undef EXPECT_FIELDS

// The launcher's folder with a trailing backslash, found without the code under test.
std::string ExpectedLauncherFolder() {
#ifdef _WIN32
    const std::string exe = ProgramPath();
    return exe.substr(0, exe.rfind('\\') + 1);
#else
    return "\\"; // host paths have no backslash folder part
#endif
}

class AppCfgTest : public ::testing::Test {
protected:
    void Given(std::string_view bytes) { kbtest::WriteBytes(ini, bytes); }
    std::string OnDisk() const { return kbtest::ReadBytes(ini); }
    TAppCfg Loaded() {
        TAppCfg cfg;
        LoadAppCfg(base, cfg);
        return cfg;
    }
    void Age() const {
        std::filesystem::last_write_time(ini, std::filesystem::file_time_type::clock::now() -
                                                  std::chrono::hours(24 * 400));
    }
    std::filesystem::file_time_type Stamp() const { return std::filesystem::last_write_time(ini); }

    kbtest::TempDir dir;
    std::string base = dir.File("qvtdock");
    std::string ini = dir.File("qvtdock.ini");
};

} // namespace

// --- reading

TEST_F(AppCfgTest, Load_MissingFile_GivesEveryDefault) {
    const TAppCfg cfg = Loaded();
    ExpectSameCfg(cfg, Defaults());
    EXPECT_EQ(cfg.DataEditorPath, ExpectedLauncherFolder());
    EXPECT_FALSE(kbtest::Exists(ini));
}

TEST_F(AppCfgTest, Load_EmptyFile_GivesEveryDefault) {
    Given("");
    const TAppCfg cfg = Loaded();
    ExpectSameCfg(cfg, Defaults());
    EXPECT_EQ(cfg.DataEditorPath, ExpectedLauncherFolder());
}

TEST_F(AppCfgTest, Load_EveryKeyReachesItsOwnField) {
    Given(kEveryKey);
    const TAppCfg cfg = Loaded();
    ExpectSameCfg(cfg, EveryKeyValues());
    EXPECT_EQ(cfg.DataEditorPath, "C:\\表\\ソフト\\");
}

TEST_F(AppCfgTest, Load_OverwritesEveryFieldOfALoadedRecord) {
    Given(kEveryKey);
    TAppCfg cfg;
    LoadAppCfg(base, cfg);
    kbtest::WriteBytes(ini, "");
    LoadAppCfg(base, cfg);
    ExpectSameCfg(cfg, Defaults());
    EXPECT_EQ(cfg.DataEditorPath, ExpectedLauncherFolder());
}

TEST_F(AppCfgTest, Load_TabHeightOutside24To40BecomesTwentyFour) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, int>>{
             {"41", 24}, {"23", 24}, {"40", 40}, {"24", 24}, {"-30", 24}, {"$20", 32}}) {
        Given("[Visible]\r\nTabHeight=" + text + "\r\n");
        EXPECT_EQ(Loaded().TabHeight, expected) << text;
    }
}

TEST_F(AppCfgTest, Load_ByteAndWordKeysKeepTheLowBits) {
    Given("[Visible]\r\nAlphaBlendValue=256\r\n[Mouse]\r\nRevisionPoint=264\r\n"
          "[Key]\r\n0=65549\r\n1=-1\r\n");
    TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.AlphaBlendValue, 0);
    EXPECT_EQ(cfg.RevisionPoint, 8);
    EXPECT_EQ(cfg.LauncherKeys[0], 13);
    EXPECT_EQ(cfg.LauncherKeys[1], 65535);
    Given("[Visible]\r\nAlphaBlendValue=-1\r\n");
    EXPECT_EQ(Loaded().AlphaBlendValue, 255);
}

TEST_F(AppCfgTest, Load_OtherNumbersReachTheRecordUnlimited) {
    Given("[Visible]\r\nBtnSize=1000\r\nRowMax=-4\r\n[Mouse]\r\nShowPos=99\r\n");
    const TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.BtnSize, 1000);
    EXPECT_EQ(cfg.RowMax, -4);
    EXPECT_EQ(cfg.MouseShowPos, 99);
}

TEST_F(AppCfgTest, Load_BooleansAreIntegersOtherThanZeroElseTheDefault) {
    Given("[Mouse]\r\nLMLeft=2\r\nLMRight=$1\r\nLMMiddle=yes\r\nRunHide=0x0\r\n"
          "InvalidClickDeskTop=true\r\nAutoLock=-1\r\n");
    const TAppCfg cfg = Loaded();
    EXPECT_TRUE(cfg.LMLeft);
    EXPECT_TRUE(cfg.LMRight);
    EXPECT_FALSE(cfg.LMMiddle);           // not an integer: default false
    EXPECT_FALSE(cfg.RunHide);            // 0 in hexadecimal
    EXPECT_TRUE(cfg.InvalidClickDeskTop); // not an integer: default true
    EXPECT_TRUE(cfg.AutoLock);
}

TEST_F(AppCfgTest, Load_IntegersInEveryIntegerTextForm) {
    for (const char* text : {"48", "$30", "0x30", "0X30", "+48", " 48 ", "\"48\""}) {
        Given(std::string("[Visible]\r\nBtnSize=") + text + "\r\n");
        EXPECT_EQ(Loaded().BtnSize, 48) << text;
    }
    for (const char* text : {"48px", "", "4 8", "2147483648", "$"}) {
        Given(std::string("[Visible]\r\nBtnSize=") + text + "\r\n");
        EXPECT_EQ(Loaded().BtnSize, 40) << text;
    }
    Given("[Bounds]\r\nLeft=-$10\r\nTop=-2147483648\r\n");
    EXPECT_EQ(Loaded().Left, -16);
    EXPECT_EQ(Loaded().Top, INT32_MIN);
}

TEST_F(AppCfgTest, Load_PresentEmptyStringIsEmptyNotTheDefault) {
    Given("[Visible]\r\nStyleFile=\r\n[Edit]\r\nDataEditorPath=\r\n");
    const TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.StyleFile, "");
    EXPECT_EQ(cfg.DataEditorPath, "");
}

TEST_F(AppCfgTest, Load_QuotedDateFormatKeepsItsInnerQuotes) {
    Given("[Visible]\r\nDateTimeFmt=\"\"K+Bandeo :\" yyyy/mm/dd - hh:nn\"\r\n");
    EXPECT_EQ(Loaded().DateTimeFmt, "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
    Given("[Visible]\r\nDateTimeFmt=\"K+Bandeo :\" yyyy/mm/dd - hh:nn\r\n");
    EXPECT_EQ(Loaded().DateTimeFmt, "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
}

TEST_F(AppCfgTest, Load_SectionAndKeyNamesInAnyCaseFirstOneWins) {
    Given("[visible]\r\nbtnsize=30\r\nBTNSIZE=50\r\n[VISIBLE]\r\nFormSize=20\r\n");
    const TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.BtnSize, 30);
    EXPECT_EQ(cfg.FormSize, 10); // in the second [Visible], which is not read
}

TEST_F(AppCfgTest, Load_ColoursByNameInAnyCaseOrByInteger) {
    Given("[PopupHint]\r\nFontColor=clinfotext\r\nColor=$00FF0000\r\n"
          "[Color]\r\n1=CLWHITE\r\n2=255\r\n3=0x00FF00\r\n4=clNone\r\n5=$FF00000F\r\n");
    const TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.FontColor, clInfoText);
    EXPECT_EQ(cfg.HintColor, clBlue);
    EXPECT_EQ(cfg.PartColors[1], clWhite);
    EXPECT_EQ(cfg.PartColors[2], clRed);
    EXPECT_EQ(cfg.PartColors[3], clLime);
    EXPECT_EQ(cfg.PartColors[4], clNone);
    EXPECT_EQ(cfg.PartColors[5], clBtnFace);
}

TEST_F(AppCfgTest, Load_BadColourRaisesTheConversionError) {
    Given("[PopupHint]\r\nColor=blue\r\n");
    try {
        Loaded();
        FAIL() << "no error";
    } catch (const EConversionError& e) {
        EXPECT_EQ(e.Message(), "'blue' は整数ではありません");
    }
    Given("[Color]\r\n7=\r\n"); // present but empty is no colour either
    EXPECT_THROW(Loaded(), EConversionError);
}

TEST_F(AppCfgTest, Load_BadColourLeavesEarlierFieldsNewAndLaterFieldsOld) {
    Given(kEveryKey);
    TAppCfg cfg;
    LoadAppCfg(base, cfg); // every field away from its default
    Given("[Visible]\r\nTabHeight=41\r\nBtnSize=64\r\n[PopupHint]\r\nFontColor=clRed\r\n"
          "Color=blue\r\n");
    EXPECT_THROW(LoadAppCfg(base, cfg), EConversionError);
    EXPECT_EQ(cfg.BtnSize, 64);
    EXPECT_EQ(cfg.TabHeight, 41); // not yet reset: the load stopped first
    EXPECT_EQ(cfg.Left, 0);       // earlier keys missing from the file took their defaults
    EXPECT_EQ(cfg.FontColor, clRed);
    const TAppCfg old = EveryKeyValues();
    EXPECT_EQ(cfg.HintColor, old.HintColor);
    EXPECT_EQ(cfg.HintHide, old.HintHide);
    EXPECT_EQ(cfg.URLExe, old.URLExe);
    EXPECT_EQ(cfg.PartColors, old.PartColors);
    EXPECT_EQ(cfg.Actions, old.Actions);
    EXPECT_EQ(cfg.LauncherKeys, old.LauncherKeys);
}

TEST_F(AppCfgTest, Load_BasePathInAFolderWhoseNameEndsInByte5C) {
    const std::string folder = dir.File("表");
    kbtest::MakeDir(folder);
    const std::string sep = dir.File("").substr(dir.Path().size());
    kbtest::WriteBytes(folder + sep + "qvtdock.ini", "[Visible]\r\nBtnSize=56\r\n");
    TAppCfg cfg;
    LoadAppCfg(folder + sep + "qvtdock", cfg);
    EXPECT_EQ(cfg.BtnSize, 56);
    cfg.Left = 9;
    SaveAppCfgGeometry(folder + sep + "qvtdock", cfg);
    EXPECT_EQ(kbtest::ReadBytes(folder + sep + "qvtdock.ini"),
              "[Visible]\r\nBtnSize=56\r\nFormSize=10\r\nRowMax=1\r\nIconStretch=1\r\n"
              "[Bounds]\r\nLeft=9\r\nTop=0\r\n");
}

// --- the obsolete [PopupHint] Locate

TEST_F(AppCfgTest, Load_DeletesObsoleteLocateKeepingEveryOtherLine) {
    Given("[PopupHint]\r\nLoc=3\r\n; Locate=1\r\nLOCATE=2\r\nX=4\r\n");
    EXPECT_EQ(Loaded().Loc, 3);
    EXPECT_EQ(OnDisk(), "[PopupHint]\r\nLoc=3\r\n; Locate=1\r\nX=4\r\n");
}

TEST_F(AppCfgTest, Load_DeletesLocateAlsoWhenItIsTheSectionsOnlyKey) {
    Given("[PopupHint]\nLocate=2\n[Drop]\nDlg=0\n");
    EXPECT_FALSE(Loaded().Dlg);
    EXPECT_EQ(OnDisk(), "[PopupHint]\n[Drop]\nDlg=0\n");
}

TEST_F(AppCfgTest, Load_FileWithoutLocateIsNotRewritten) {
    Given(kEveryKey);
    Age();
    const auto stamp = Stamp();
    Loaded();
    EXPECT_EQ(Stamp(), stamp);
    EXPECT_EQ(OnDisk(), kEveryKey);
}

TEST_F(AppCfgTest, Load_ReadOnlyFileWithLocateStillLoadsAndStaysAsItWas) {
    const std::string text = "[PopupHint]\r\nLocate=1\r\nLoc=4\r\n";
    Given(text);
    kbtest::SetReadOnly(ini, true);
    const TAppCfg cfg = Loaded();
    EXPECT_EQ(cfg.Loc, 4);
    EXPECT_EQ(cfg.FontColor, clInfoText); // the keys after the failed delete are read too
    EXPECT_EQ(OnDisk(), text);
    kbtest::SetReadOnly(ini, false);
}

// --- writing the geometry

TEST_F(AppCfgTest, SaveGeometry_ChangesOnlyTheSixLinesInPlace) {
    const std::string before = "[Bounds]\r\nLeft=1\r\nTop=2\r\n"
                               "[Visible]\r\nAlphaBlend=0\r\nBtnSize=40\r\nFormSize=10\r\n"
                               "; rows\r\nRowMax=1\r\nIconStretch=1\r\nVisTab=0\n"
                               "[PopupHint]\r\nFontName=ＭＳ ゴシック\r\n";
    Given(before);
    TAppCfg cfg = Loaded();
    cfg.Left = -100;
    cfg.Top = 748;
    cfg.BtnSize = 72;
    cfg.FormSize = 50;
    cfg.RowMax = 10;
    cfg.IconStretch = false;
    SaveAppCfgGeometry(base, cfg);
    EXPECT_EQ(OnDisk(), "[Bounds]\r\nLeft=-100\r\nTop=748\r\n"
                        "[Visible]\r\nAlphaBlend=0\r\nBtnSize=72\r\nFormSize=50\r\n"
                        "; rows\r\nRowMax=10\r\nIconStretch=0\r\nVisTab=0\n"
                        "[PopupHint]\r\nFontName=ＭＳ ゴシック\r\n");
    const TAppCfg back = Loaded();
    EXPECT_EQ(back.Left, -100);
    EXPECT_EQ(back.IconStretch, false);
}

TEST_F(AppCfgTest, SaveGeometry_MissingFileGetsTheSixKeysInOrder) {
    TAppCfg cfg = Loaded();
    SaveAppCfgGeometry(base, cfg);
    EXPECT_EQ(OnDisk(), "[Bounds]\r\nLeft=0\r\nTop=0\r\n"
                        "[Visible]\r\nBtnSize=40\r\nFormSize=10\r\nRowMax=1\r\nIconStretch=1\r\n");
}

TEST_F(AppCfgTest, SaveGeometry_FailureRaisesWithTheFileName) {
    const std::string missing = dir.File("gone") + base.substr(dir.Path().size());
    TAppCfg cfg = Loaded();
    try {
        SaveAppCfgGeometry(missing, cfg);
        FAIL() << "no error";
    } catch (const EIniWriteError& e) {
        EXPECT_NE(e.Message().find(ChangeFileExt(missing, ".ini")), std::string::npos)
            << e.Message();
    }
}

TEST_F(AppCfgTest, SaveGeometry_AFailedWriteLeavesTheFileAsItWas) {
    Given("[Bounds]\r\nLeft=1\r\n");
    TAppCfg cfg;
    cfg.Left = 5;
    kbtest::ExpectEachFaultKeepsTheFile<EIniWriteError>(ini,
                                                        [&] { SaveAppCfgGeometry(base, cfg); });
}

// --- the key table

TEST(AppCfgKeys, TableNamesEveryFieldOnceInReadingOrder) {
    TAppCfg cfg;
    const auto keys = AppCfgKeys(cfg);
    ASSERT_EQ(keys.size(), 110u); // 109 keys and the obsolete one
    EXPECT_STREQ(keys.front().Key, "Left");
    EXPECT_STREQ(keys.back().Key, "5");
    std::vector<TCfgTarget> seen;
    for (const auto& k : keys) {
        if (k.Type == TCfgKeyType::Obsolete)
            continue;
        for (const auto& s : seen)
            EXPECT_NE(s, k.Target) << k.Section << " " << k.Key;
        seen.push_back(k.Target);
    }
}
