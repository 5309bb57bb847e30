#pragma once
// What OK in the settings editor writes into a new settings file when nothing was changed: every
// key at its default, in the order written; the [Key] section gets the launcher keys after its
// show position, and the data editor's folder is the one given.
#include <string>

inline std::string NewCfgIniBytes(const std::string& editorFolder) {
    return "[Mouse]\r\n"
           "LMLeft=0\r\nLMRight=0\r\nLMMiddle=0\r\nLMMos4=0\r\nLMMos5=0\r\n"
           "ShowPos=1\r\n"
           "InvalidClickDeskTop=1\r\nEffectiveClickTaskBar=1\r\nDropRunLockOff=1\r\n"
           "NotFormMos=0\r\nRunHide=1\r\nTabClickChg=1\r\nAutoLock=0\r\nRectPopUp=0\r\n"
           "Rect0=1\r\nRect1=1\r\nRect2=1\r\nRect3=1\r\nRect4=1\r\nRect5=1\r\nRect6=1\r\n"
           "Rect7=1\r\n"
           "Revision=1\r\nRevisionTaskBar=1\r\nRevisionPoint=0\r\n"
           "[Key]\r\n"
           "Show=\r\nShowPos=1\r\n"
           "0=13\r\n1=27\r\n2=221\r\n3=219\r\n4=33\r\n5=34\r\n"
           "[Edit]\r\n"
           "DataEditorPath=" +
           editorFolder +
           "\r\n"
           "[Connection]\r\n"
           "URL=1\r\nMAIL=1\r\nURLExe=\r\nMAILExe=\r\nURLExeParam=\r\nMAILExeParam=\r\n"
           "[Drop]\r\n"
           "Dlg=1\r\nOpen=1\r\n"
           "[MouseBtnAction]\r\n"
           "Left=0\r\nRight=1\r\nMiddle=2\r\nBtn4=13\r\nBtn5=14\r\nUpScr=11\r\nDnScr=12\r\n"
           "MUpScr=0\r\nMDnScr=0\r\nLUpScr=13\r\nLDnScr=14\r\nRUpScr=13\r\nRDnScr=14\r\n";
}
