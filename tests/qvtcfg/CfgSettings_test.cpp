// The settings editor's keys in qvtdock.ini: the bytes of a new file, other keys left alone,
// values read as the launcher reads them and values no control shows written back, the enable
// rules, the last launch button, the data editor's folder and the launcher's shortcut.
#include "qvtcfg/CfgSettings.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "shared/Settings.h"

#include "qvtcfg/CfgIniBytes.h"
#include "support/SaveFaults.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using forms::TSettingsFile;
using ::testing::HasSubstr;

namespace {

class CfgSettingsFile : public ::testing::Test {
protected:
    kbtest::TempDir dir;
    std::string ini = dir.File("qvtdock.ini");

    TAppCfg LoadFrom(const std::string& bytes) {
        kbtest::WriteBytes(ini, bytes);
        const TSettingsFile file(ini);
        return LoadCfgSettings(file);
    }
    void Save(const TAppCfg& s) {
        TSettingsFile file(ini);
        SaveCfgSettings(file, s);
    }
    TAppCfg LauncherReads() {
        TAppCfg cfg;
        LoadAppCfg(forms::ChangeFileExt(ini, ""), cfg);
        return cfg;
    }
};

// Every value of the editor away from its default.
TAppCfg Changed() {
    TAppCfg s = DefaultCfgSettings();
    s.LMLeft = s.LMRight = s.LMMos4 = s.LMMos5 = true;
    s.MouseShowPos = s.KeyShowPos = 2;
    s.InvalidClickDeskTop = s.EffectiveClickTaskBar = s.DropRunLockOff = s.RunHide = s.TabClickChg =
        false;
    s.NotFormMos = s.AutoLock = s.RectPopUp = true;
    s.Rect.fill(false);
    s.Revision = s.RevisionTaskBar = false;
    s.RevisionPoint = 5;
    s.KeyShow = "Ctrl+K";
    s.DataEditorPath = "C:\\z\\";
    s.URL = s.MAIL = s.Dlg = s.Open = false;
    s.URLExe = s.MAILExe = "x.exe";
    s.URLExeParam = s.MAILExeParam = "-p";
    s.Actions.fill(9);
    s.LauncherKeys.fill(65);
    return s;
}

} // namespace

// ---- the keys ----

TEST(CfgEditorKeys, TheLaunchersKeysOfItsSectionsInWritingOrderWithTheLaunchersTypes) {
    TAppCfg s;
    const std::vector<TCfgKey> keys = CfgEditorKeys(s);
    ASSERT_EQ(keys.size(), 55u);
    std::vector<std::string> order;
    for (const TCfgKey& k : keys)
        if (order.empty() || order.back() != k.Section)
            order.push_back(k.Section);
    EXPECT_THAT(order, ::testing::ElementsAre("Mouse", "Key", "Edit", "Connection", "Drop",
                                              "MouseBtnAction", "Key"));
    EXPECT_STREQ(keys[24].Key, "RevisionPoint");
    EXPECT_EQ(keys[24].Type, TCfgKeyType::Byte);
    EXPECT_STREQ(keys[25].Key, "Show");
    EXPECT_STREQ(keys[26].Key, "ShowPos");
    EXPECT_STREQ(keys[27].Key, "DataEditorPath");
    EXPECT_STREQ(keys.back().Key, "5");
    EXPECT_EQ(keys.back().Type, TCfgKeyType::Word);
    EXPECT_EQ(std::get<uint16_t*>(keys.back().Target), &s.LauncherKeys[5]);
}

TEST_F(CfgSettingsFile, Save_OfAMissingFilesValues_WritesTheExactBytes) {
    const TSettingsFile missing(dir.File("none.ini"));
    const TAppCfg s = LoadCfgSettings(missing);
    Save(s);
    EXPECT_EQ(kbtest::ReadBytes(ini), NewCfgIniBytes(s.DataEditorPath));
    EXPECT_FALSE(kbtest::Exists(dir.File("none.ini"))); // reading created nothing
    // The launcher's folder, as the launcher's own default.
    EXPECT_EQ(s.DataEditorPath, LauncherReads().DataEditorPath);
}

TEST_F(CfgSettingsFile, Save_LeavesEveryOtherLineByteForByte) {
    const std::string foreign = "; kept\r\n[Bounds]\r\nLeft=5\r\nTop = -3 \r\n"
                                "[Visible]\r\nBtnSize=48\nStyleFile=night.sti\r\n"
                                "[PopupHint]\r\nLoc=4\r\n[Color]\r\n1=clRed\r\n";
    LoadFrom(foreign + "[Mouse]\r\nOdd = x \r\n");
    Save(Changed());
    const std::string after = kbtest::ReadBytes(ini);
    EXPECT_EQ(after.rfind(foreign + "[Mouse]\r\nOdd = x \r\nLMLeft=1\r\n", 0), 0u) << after;
    // Written again unchanged, the file stays as it is.
    Save(LoadCfgSettings(TSettingsFile(ini)));
    EXPECT_EQ(kbtest::ReadBytes(ini), after);
    const TAppCfg launcher = LauncherReads();
    EXPECT_EQ(launcher.Left, 5);
    EXPECT_EQ(launcher.BtnSize, 48);
    EXPECT_EQ(launcher.Loc, 4);
    EXPECT_EQ(launcher.PartColors[1], forms::clRed);
}

TEST_F(CfgSettingsFile, Save_AFailedWriteLeavesTheFileAsItWas) {
    kbtest::WriteBytes(ini, "[Mouse]\r\nLMLeft=0\r\n");
    kbtest::ExpectEachFaultKeepsTheFile<forms::EIniWriteError>(ini, [&] { Save(Changed()); });
}

TEST_F(CfgSettingsFile, WhatItWritesTheLauncherReadsAsTheValuesGiven) {
    const TAppCfg s = Changed();
    Save(s);
    const TAppCfg l = LauncherReads();
    EXPECT_TRUE(l.LMLeft && l.LMRight && l.LMMos4 && l.LMMos5);
    EXPECT_FALSE(l.LMMiddle);
    EXPECT_EQ(l.MouseShowPos, 2);
    EXPECT_EQ(l.RevisionPoint, 5);
    EXPECT_EQ(l.KeyShow, "Ctrl+K");
    EXPECT_EQ(l.DataEditorPath, "C:\\z\\");
    EXPECT_EQ(l.URLExeParam, "-p");
    EXPECT_EQ(l.Actions, s.Actions);
    EXPECT_EQ(l.LauncherKeys, s.LauncherKeys);
    EXPECT_FALSE(l.Open);
}

// ---- values as the launcher reads them ----

TEST_F(CfgSettingsFile, Load_NoIntegerTextIsTheDefault_HexIsANumber) {
    const TAppCfg s = LoadFrom("[Mouse]\r\nLMLeft=abc\r\nShowPos=$2\r\nRevision=abc\r\n"
                               "[MouseBtnAction]\r\nBtn4=abc\r\nRight=$2\r\n[Key]\r\n0=abc\r\n");
    EXPECT_FALSE(s.LMLeft);
    EXPECT_EQ(s.MouseShowPos, 2);
    EXPECT_TRUE(s.Revision);
    EXPECT_EQ(s.Actions[3], 13);
    EXPECT_EQ(s.Actions[1], 2);
    EXPECT_EQ(s.LauncherKeys[0], 13);
    Save(s);
    const std::string after = kbtest::ReadBytes(ini);
    EXPECT_THAT(after, HasSubstr("LMLeft=0\r\nShowPos=2\r\n"));
    EXPECT_THAT(after, HasSubstr("Btn4=13\r\nRight=2\r\n"));
}

TEST_F(CfgSettingsFile, ActionsOutsideTheListSelectNothingAndAreWrittenBack) {
    const TAppCfg s = LoadFrom("[MouseBtnAction]\r\nBtn4=15\r\nBtn5=99\r\nLeft=-1\r\n"
                               "[Mouse]\r\nShowPos=3\r\n");
    EXPECT_EQ(ListIndexOf(s.Actions[3], kActionItemCount), -1);
    EXPECT_EQ(ListIndexOf(s.Actions[4], kActionItemCount), -1);
    EXPECT_EQ(ListIndexOf(s.Actions[0], kActionItemCount), -1);
    EXPECT_EQ(ListIndexOf(s.MouseShowPos, kShowPosItemCount), -1);
    EXPECT_EQ(ListIndexOf(14, kActionItemCount), 14);
    Save(s);
    const std::string after = kbtest::ReadBytes(ini);
    EXPECT_THAT(after, HasSubstr("Btn4=15\r\nBtn5=99\r\nLeft=-1\r\n"));
    EXPECT_THAT(after, HasSubstr("ShowPos=3\r\n"));
}

TEST_F(CfgSettingsFile, RevisionPointKeepsEightBitsAndTheLauncherKeysSixteen) {
    TAppCfg s = LoadFrom("[Mouse]\r\nRevisionPoint=9\r\n[Key]\r\n0=65549\r\n5=-1\r\n");
    EXPECT_EQ(s.RevisionPoint, 9);
    EXPECT_EQ(ListIndexOf(s.RevisionPoint, kRevisionPointCount), -1);
    EXPECT_EQ(s.LauncherKeys[0], 13);
    EXPECT_EQ(s.LauncherKeys[5], 65535);
    Save(s);
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("RevisionPoint=9\r\n"));
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("0=13\r\n"));
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("5=65535\r\n"));

    s = LoadFrom("[Mouse]\r\nRevisionPoint=264\r\n");
    EXPECT_EQ(s.RevisionPoint, 8); // what the launcher moves the pointer to
    EXPECT_EQ(ListIndexOf(s.RevisionPoint, kRevisionPointCount), 8);
}

TEST_F(CfgSettingsFile, TextsTheFileRulesWouldChangeReadBackAsWritten) {
    TAppCfg s = DefaultCfgSettings();
    s.URLExeParam = "\"%1\"";
    s.MAILExeParam = "-compose ";
    s.URLExe = "C:\\a b\\web.exe\r\nsecond";
    s.KeyShow = " Ctrl+K";
    Save(s);
    EXPECT_THAT(kbtest::ReadBytes(ini), HasSubstr("URLExeParam=\"\"%1\"\"\r\n"));
    const TAppCfg back = LoadCfgSettings(TSettingsFile(ini));
    EXPECT_EQ(back.URLExeParam, "\"%1\"");
    EXPECT_EQ(back.MAILExeParam, "-compose ");
    EXPECT_EQ(back.URLExe, "C:\\a b\\web.exe  second");
    EXPECT_EQ(back.KeyShow, " Ctrl+K");
    EXPECT_EQ(LauncherReads().URLExeParam, "\"%1\"");
    // Written again, nothing changes.
    const std::string bytes = kbtest::ReadBytes(ini);
    Save(back);
    EXPECT_EQ(kbtest::ReadBytes(ini), bytes);
}

// ---- rules between controls ----

TEST(CfgEnables, EachMasterEnablesItsControls) {
    TAppCfg s = DefaultCfgSettings();
    TCfgEnables e = CfgEnables(s);
    EXPECT_TRUE(e.TaskBar);
    EXPECT_TRUE(e.OutClose);
    EXPECT_FALSE(e.EdgeBoxes);
    EXPECT_TRUE(e.Revision);
    EXPECT_FALSE(e.UrlFields);
    EXPECT_FALSE(e.MailFields);
    s.InvalidClickDeskTop = s.RunHide = s.Revision = s.URL = false;
    s.RectPopUp = true;
    e = CfgEnables(s);
    EXPECT_FALSE(e.TaskBar);
    EXPECT_FALSE(e.OutClose);
    EXPECT_TRUE(e.EdgeBoxes);
    EXPECT_FALSE(e.Revision);
    EXPECT_TRUE(e.UrlFields);
    EXPECT_FALSE(e.MailFields);
}

TEST(AnyLaunchButton, FalseOnlyWhenNoneOfTheFiveIsChecked) {
    TAppCfg s = DefaultCfgSettings();
    EXPECT_FALSE(AnyLaunchButton(s));
    for (bool TAppCfg::*button : {&TAppCfg::LMLeft, &TAppCfg::LMRight, &TAppCfg::LMMiddle,
                                  &TAppCfg::LMMos4, &TAppCfg::LMMos5}) {
        TAppCfg one = s;
        one.*button = true;
        EXPECT_TRUE(AnyLaunchButton(one));
    }
}

TEST(EditorFolderText, AFolderEndingInABackslashCutByCharacters) {
    EXPECT_EQ(EditorFolderText("C:"), "C:\\");
    EXPECT_EQ(EditorFolderText("C:\\tools\\zvledit.exe"), "C:\\tools\\");
    EXPECT_EQ(EditorFolderText("C:\\tools\\"), "C:\\tools\\");
    EXPECT_EQ(EditorFolderText("D:\\予"), "D:\\");
    // ソ ends in the byte of a backslash: no delimiter.
    EXPECT_EQ(EditorFolderText("C:\\ソフト\\zvledit.exe"), "C:\\ソフト\\");
    EXPECT_EQ(EditorFolderText("C:\\ソ"), "C:\\");
    EXPECT_EQ(EditorFolderText("x"), "\\");
    EXPECT_EQ(EditorFolderText(""), "\\");
    // The text it gives is its own result: the field's change event stops there.
    for (const char* text : {"C:", "D:\\予", "C:\\ソフト\\zvledit.exe", "x"})
        EXPECT_EQ(EditorFolderText(EditorFolderText(text)), EditorFolderText(text)) << text;
}

// ---- the launcher's shortcut ----

TEST(LauncherShortcut, TheItemFromTheLaunchersVersionStrings) {
    const TVersionStrings info = {"C:\\Program Files\\K+Bandeo\\qvtdock.exe",
                                  "C:\\Program Files\\K+Bandeo\\", "K+Bandeo", "2.00", "(c)"};
    const TLaunchDataItem item = LauncherShortcutItem(info);
    EXPECT_EQ(item.Title, "K+Bandeo");
    EXPECT_EQ(item.Path, info[0]);
    EXPECT_EQ(item.IconFile, info[0]);
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_EQ(item.WorkDir, info[1]);
    EXPECT_EQ(item.Params, "");
    EXPECT_EQ(item.ShowCmd, 1);
    EXPECT_EQ(item.Comment, "K+Bandeo2.00");
    // Without a version block, the comment is empty.
    EXPECT_EQ(LauncherShortcutItem({"C:\\q.exe", "C:\\", "", "", ""}).Comment, "");
}

TEST(LauncherShortcut, TheFileKeepsThePlusAndTheListNamesTheCommonFolders) {
    EXPECT_EQ(LauncherShortcutPath("C:\\Start\\"), "C:\\Start\\K+Bandeo.lnk");
    EXPECT_EQ(LauncherShortcutPath("C:\\Start"), "C:\\Start\\K+Bandeo.lnk");
    EXPECT_EQ(ShortcutFolderItem(0, "スタートアップ"), "スタートアップ");
    EXPECT_EQ(ShortcutFolderItem(1, "スタートアップ"), "スタートアップ (All Users)");
    EXPECT_EQ(ShortcutFolderItem(2, "Desktop"), "Desktop");
    EXPECT_EQ(ShortcutFolderItem(3, "Desktop"), "Desktop (All Users)");
    EXPECT_EQ(kShortcutFolders[1], rfCommonStartup);
    EXPECT_EQ(kShortcutFolders[3], rfCommonDesktopDirectory);
    EXPECT_EQ(ShortcutCreatedMessage("Desktop"), "Desktop にショートカットを作成しました。");
    EXPECT_EQ(ShortcutDeletedMessage("C:\\x\\K+Bandeo.lnk"),
              "ショートカットを削除しました。\r\rC:\\x\\K+Bandeo.lnk");
}
