#pragma once
// TfmCfg (window class "TfmCfg", caption "K+Bandeoの環境設定"): the settings editor. Six pages:
// the general switches; the actions of the mouse buttons, of the wheel and the launcher's keys
// (three inner pages); the mouse buttons and the hot key that call the launcher and where it is
// shown; the screen edges and where the pointer goes; the drop switches; the browser and mail
// programs, the data editor's folder and the launcher's shortcut. It reads qvtdock.ini when it
// opens (LoadIni) and writes its keys only on OK (SaveIni); the shortcut buttons act at once. The
// rules on the values are CfgSettings.h's, the key capture KeyCapture.h's.
#include "forms/win/Bevel.h"
#include "forms/win/Button.h"
#include "forms/win/CheckBox.h"
#include "forms/win/ComboBox.h"
#include "forms/win/Edit.h"
#include "forms/win/Form.h"
#include "forms/win/GroupBox.h"
#include "forms/win/Label.h"
#include "forms/win/PageControl.h"
#include "forms/win/PaintBox.h"
#include "forms/win/SpeedButton.h"
#include "qvtcfg/CfgSettings.h"
#include "qvtcfg/EditorBindings.h"
#include "qvtcfg/EllipsisEdit.h"
#include "qvtcfg/KeyCapture.h"

#include <array>
#include <string>
#include <utility>

// The hot-key field: read-only, every key but Tab and Shift+Tab (which leave it) goes to its key
// events, and no character it types reaches the field or a mnemonic.
class THotKeyEdit : public forms::TEdit {
public:
    explicit THotKeyEdit(forms::TComponent* owner) : forms::TEdit(owner) {}
    UINT DlgCode() override;

protected:
    void WndProc(forms::TMessage& message) override;
};

// A launcher-key field: the keys it names are no dialog keys but Tab and Shift+Tab, which leave
// it; the control characters that named keys type (Enter, Esc, BkSp) never reach it.
class TKeyEdit : public forms::TEdit {
public:
    explicit TKeyEdit(forms::TComponent* owner) : forms::TEdit(owner) {}
    UINT DlgCode() override;

protected:
    void WndProc(forms::TMessage& message) override;
};

class TfmCfg : public forms::TForm {
public:
    explicit TfmCfg(forms::TComponent* owner);

    // The components, as the form's design names them; numbered ones in arrays (element 0 is
    // ComboBox1, CheckPop0, RadioRev0, Editkey1). The form's own members, which the design does
    // not name, end in '_'.
    forms::TButton* OkBtn = nullptr; // first in the tab order
    forms::TButton* BtnCancel = nullptr;
    forms::TPageControl* PageControl1 = nullptr;
    forms::TSpeedButton* SBDef = nullptr;

    // "全般"
    forms::TTabSheet* TabSheet1 = nullptr;
    forms::TCheckBox* CheckBoxDeskOnly = nullptr;
    forms::TCheckBox* CheckBoxTaskBar = nullptr;
    forms::TCheckBox* CheckBoxDropOut = nullptr;
    forms::TCheckBox* CheckBoxAutoTab = nullptr;
    forms::TCheckBox* CheckBoxHide = nullptr;
    forms::TCheckBox* CheckBoxOutClose = nullptr;
    forms::TCheckBox* CheckAutoLock = nullptr;

    // "操作" and its inner pages
    forms::TTabSheet* TabSheet2 = nullptr;
    forms::TPageControl* PageControl2 = nullptr;
    forms::TTabSheet* TabSheet4 = nullptr;
    forms::TTabSheet* TabSheet5 = nullptr;
    forms::TTabSheet* TabSheet6 = nullptr;
    std::array<forms::TComboBox*, kActionComboCount> ComboBox{};
    std::array<forms::TLabel*, kActionComboCount> ComboLabel_{};
    forms::TLabel* ClickNote_ = nullptr;
    forms::TLabel* WheelHeading_ = nullptr;
    forms::TLabel* WheelNote_ = nullptr;
    forms::TGroupBox* KeyFrame1_ = nullptr;
    forms::TGroupBox* KeyFrame2_ = nullptr;
    std::array<TKeyEdit*, kLaunchKeyCount> Editkey{};
    std::array<forms::TLabel*, kLaunchKeyCount> KeyLabel_{};

    // "ランチャー表示1"
    forms::TTabSheet* TabSheet3 = nullptr;
    forms::TGroupBox* MouseFrame_ = nullptr;
    forms::TCheckBox* CheckBoxL = nullptr;
    forms::TCheckBox* CheckBoxM = nullptr;
    forms::TCheckBox* CheckBoxR = nullptr;
    forms::TCheckBox* CheckBoxM4 = nullptr;
    forms::TCheckBox* CheckBoxM5 = nullptr;
    forms::TLabel* FmVisbleLabel_ = nullptr;
    forms::TComboBox* ChkBoxFmVisble = nullptr;
    forms::TGroupBox* HotKeyFrame_ = nullptr;
    THotKeyEdit* showHotKey = nullptr;
    forms::TLabel* KeyVisbleLabel_ = nullptr;
    forms::TComboBox* ChkBoxKeyVisble = nullptr;

    // "ランチャー表示2"
    forms::TTabSheet* TabSheet7 = nullptr;
    forms::TBevel* EdgeFrame_ = nullptr;
    forms::TBevel* RevisionFrame_ = nullptr;
    forms::TCheckBox* CheckRectPop = nullptr;
    forms::TPaintBox* DesktopBox = nullptr;
    std::array<forms::TCheckBox*, kEdgeCount> CheckPop{};
    forms::TCheckBox* CheckMouseRevision = nullptr;
    forms::TCheckBox* CheckMouseRevisionTaskBar = nullptr;
    forms::TLabel* LbRev = nullptr;
    std::array<forms::TRadioButton*, kRevisionPointCount> RadioRev{};

    // "ドロップ"
    forms::TTabSheet* TabSheet9 = nullptr;
    forms::TGroupBox* DropFrame_ = nullptr;
    forms::TCheckBox* CheckBoxDropDlg = nullptr;
    forms::TCheckBox* CheckBoxDropOpen = nullptr;
    std::array<forms::TLabel*, 3> DropNote_{};

    // "その他"
    forms::TTabSheet* TabSheet8 = nullptr;
    forms::TGroupBox* ConnectionFrame_ = nullptr;
    forms::TCheckBox* CheckBoxCntUrl = nullptr;
    forms::TLabel* UrlLabel_ = nullptr;
    TEllipsisEdit* EdUrl = nullptr;
    forms::TEdit* EdUrlParam = nullptr;
    forms::TCheckBox* CheckBoxCntMail = nullptr;
    forms::TLabel* MailLabel_ = nullptr;
    TEllipsisEdit* EdMail = nullptr;
    forms::TEdit* EdMailParam = nullptr;
    forms::TLabel* EditorPathLabel_ = nullptr;
    TEllipsisEdit* EdEditorPath = nullptr;
    forms::TGroupBox* ShortcutFrame_ = nullptr;
    forms::TComboBox* ComboBoxScm = nullptr;
    forms::TSpeedButton* SBtnScmC = nullptr;
    forms::TSpeedButton* SBtnScmD = nullptr;

    // The requested top-left corner of the dialog.
    int X = 0, Y = 0;
    // The key capture, with the pending code the hot-key and key fields share.
    TKeyCapture Capture_;
    // The values as read: written back for what no control shows (an action or a show position
    // outside its list, a RevisionPoint outside 0..8) unless the user chose otherwise.
    TAppCfg Loaded_;
    // Where the program's executable lies, as the system reports it, and in its long form, each
    // with a trailing backslash.
    std::string ProgramFolder_, LongProgramFolder_;

    // Reads ChangeFileExt(settingsPath, ".ini") into the controls.
    void LoadIni(const std::string& settingsPath);
    // Writes the controls' keys to ChangeFileExt(settingsPath, ".ini").
    void SaveIni(const std::string& settingsPath);
    // What the controls show, as the values they stand for.
    [[nodiscard]] TAppCfg ShownSettings_() const;
    // Shows values in the controls, each enable rule applied.
    void ShowSettings_(TAppCfg s);

    void FormCreate(forms::TComponent* sender);
    void FormShow(forms::TComponent* sender);
    // "初期値に戻す": the active page (the active inner page on "操作").
    void SBDefClick(forms::TComponent* sender);
    void SBtnDef1Click(forms::TComponent* sender);
    void SBtnDefMouseBtnClick(forms::TComponent* sender);

    void CheckBoxLClick(forms::TComponent* sender);
    void CheckBoxDeskOnlyClick(forms::TComponent* sender);
    void CheckBoxHideClick(forms::TComponent* sender);
    void CheckRectPopClick(forms::TComponent* sender);
    void CheckMouseRevisionClick(forms::TComponent* sender);
    void CheckBoxCntUrlClick(forms::TComponent* sender);
    void TabSheet2Show(forms::TComponent* sender);
    void TabSheet7Show(forms::TComponent* sender);
    void TabSheet8Show(forms::TComponent* sender);
    void DesktopBoxPaint(forms::TComponent* sender);

    void showHotKeyKeyDown(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void showHotKeyKeyUp(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void Editkey1KeyDown(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void Editkey1KeyUp(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void TabSheet6Show(forms::TComponent* sender);
    void TabSheet6Hide(forms::TComponent* sender);
    void EdEditorPathEllipsisClick(forms::TComponent* sender);
    void EdEditorPathChange(forms::TComponent* sender);
    void EdUrlEllipsisClick(forms::TComponent* sender);
    void SBtnScmCClick(forms::TComponent* sender);
    void SBtnScmDClick(forms::TComponent* sender);
    // The held modifiers' names ("Shift", "Ctrl", "Alt", then "Win" when withWin).
    [[nodiscard]] static std::string ShiftStateText(forms::TShiftState shift, bool withWin);

private:
    void BuildDesign_();
    void BuildGeneralPage_();
    void BuildActionPages_();
    void BuildLauncherPage1_();
    void BuildLauncherPage2_();
    void BuildDropPage_();
    void BuildOtherPage_();
    // The controls that show a value as it is, with the pages that restore them; what no row
    // says is written beside the walks: the five mouse buttons (checked ones first, so that the
    // last-button rule never sees none), the radio group and the key fields.
    [[nodiscard]] TBindingTable<TCfgPage> Bindings_(TAppCfg& s) const;
    [[nodiscard]] std::array<std::pair<forms::TCheckBox*, bool*>, 5>
    LaunchButtons_(TAppCfg& s) const;
    void ShowRevisionPoint_(int32_t point);
    void ShowLauncherKeys_(const std::array<uint16_t, kLaunchKeyCount>& codes);
    void ApplyEnables_();
    void ApplyConnectionRules_();
    // The restore of one page: the defaults shown on the page's controls, the rules applied.
    void RestorePage_(TCfgPage page);
    // The folder chosen in ComboBoxScm; none when nothing is selected.
    [[nodiscard]] const TRootFolder* ChosenShortcutFolder_() const;
    void ShowShortcutDone_(const std::string& text, std::string_view title);
};
