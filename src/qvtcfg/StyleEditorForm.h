#pragma once
// TfmStyle (window class "TfmStyle", caption "スタイルの設定"): the style editor. Three pages:
// the style file with a preview of the launcher and the display switches of the title bar and
// tabs; the display sizes, translucency, date format and part colours; the sub-window (the
// launcher's pop-up hint) with its font, colours and a sample. It reads qvtdock.ini when it opens
// (LoadIni), lists the style files beside the program (FillStyleList) and writes its keys only on
// OK (SaveIni); a colour confirmed in a colour dialog keeps the dialog's custom colours in the
// file at once. The rules on the values are StyleSettings.h's and StyleList.h's; the painting of
// the two previews is StylePreview.h's.
#include "forms/win/Bevel.h"
#include "forms/win/Button.h"
#include "forms/win/CheckBox.h"
#include "forms/win/ComboBox.h"
#include "forms/win/CommonDialogs.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "forms/win/ListBox.h"
#include "forms/win/PageControl.h"
#include "forms/win/PaintBox.h"
#include "forms/win/Panel.h"
#include "forms/win/Shape.h"
#include "forms/win/SpeedButton.h"
#include "forms/win/SpinEdit.h"
#include "qvtcfg/EditorBindings.h"
#include "qvtcfg/StyleList.h"
#include "qvtcfg/StylePreview.h"
#include "qvtcfg/StyleSettings.h"

#include <optional>
#include <string>
#include <vector>

class TfmStyle : public forms::TForm {
public:
    // settingsPath: the launcher's settings file (the base of ChangeFileExt(.., ".ini")), also
    // where the colour dialogs keep their custom colours.
    TfmStyle(forms::TComponent* owner, std::string settingsPath);

    // The components, as the form's design names them. The form's own members, which the design
    // does not name, end in '_'.
    forms::TButton* OkBtn = nullptr; // first in the tab order
    forms::TPageControl* PageControl1 = nullptr;
    forms::TSpeedButton* SBDef = nullptr;
    forms::TButton* BtnCancel = nullptr;
    forms::TColorDialog* ColorDialog1 = nullptr;

    // Page "スタイルファイル".
    forms::TTabSheet* TabStyle = nullptr;
    forms::TPanel* Paback = nullptr;
    forms::TPaintBox* PaintBox1 = nullptr;
    forms::TComboBox* StyleCBox = nullptr;
    forms::TSpeedButton* BtnReList = nullptr;
    forms::TListBox* Memo1 = nullptr;
    forms::TCheckBox* CheckBoxColor2 = nullptr;
    forms::TCheckBox* CheckBoxNotTitlescrl = nullptr;
    forms::TCheckBox* ChVisTitle = nullptr;
    forms::TCheckBox* CheckBoxDateTime2 = nullptr;
    forms::TCheckBox* CheckBoxVisPage = nullptr;
    forms::TCheckBox* ChVisTab = nullptr;
    forms::TCheckBox* CheckBoxPageCount = nullptr;
    forms::TCheckBox* CheckBoxCellCount = nullptr;
    forms::TCheckBox* CBtnPopupHint2 = nullptr;

    // Page "表示".
    forms::TTabSheet* TabStyleCfg = nullptr;
    forms::TBevel* Bevel1_ = nullptr;
    forms::TBevel* Bevel2_ = nullptr;
    forms::TBevel* Bevel3_ = nullptr;
    forms::TBevel* Bevel4_ = nullptr;
    forms::TLabel* ButtonGroupLabel_ = nullptr;
    forms::TLabel* Label2 = nullptr;
    forms::TSpinEdit* SpinIconSize = nullptr;
    forms::TLabel* Label3 = nullptr;
    forms::TSpinEdit* SpinBevel = nullptr;
    forms::TLabel* Label1 = nullptr;
    forms::TSpinEdit* SpinVis = nullptr;
    forms::TLabel* Label29 = nullptr;
    forms::TSpinEdit* SpinVVis = nullptr;
    forms::TCheckBox* CBtnTrans = nullptr;
    forms::TCheckBox* CIconStretch = nullptr;
    forms::TCheckBox* CBtnMarkStyle = nullptr;
    forms::TCheckBox* CheckDummyBtn = nullptr;
    forms::TCheckBox* CheckBoxColor = nullptr;
    forms::TListBox* CfgColorListBox = nullptr;
    forms::TCheckBox* CheckBoxAbv = nullptr;
    forms::TLabel* Label5 = nullptr;
    forms::TSpinEdit* SpinAbv = nullptr;
    forms::TCheckBox* CheckBoxDateTime = nullptr;
    forms::TLabel* DateTimefmtLabel = nullptr;
    forms::TComboBox* DateTimefmt = nullptr;
    forms::TLabel* Label4 = nullptr;
    forms::TSpinEdit* SpinTabH = nullptr;

    // Page "サブウィンドウ".
    forms::TTabSheet* TabHint = nullptr;
    forms::TBevel* Bevel5_ = nullptr;
    forms::TBevel* Bevel6_ = nullptr;
    forms::TCheckBox* CBtnPopupHint = nullptr;
    forms::TCheckBox* CheckHintHide = nullptr;
    forms::TPaintBox* PaintBox3 = nullptr;
    forms::TLabel* Label8 = nullptr;
    forms::TComboBox* FontBox = nullptr;
    forms::TShape* shpFont = nullptr;
    forms::TShape* ShpBack = nullptr;
    forms::TSpinEdit* HintFontSpin = nullptr;
    forms::TSpeedButton* BtnBold = nullptr;
    forms::TSpeedButton* BtnItar = nullptr;
    forms::TCheckBox* CheckBoxUseSubStyle = nullptr;
    forms::TCheckBox* CheckLockWidth = nullptr;
    forms::TLabel* Label27 = nullptr;
    forms::TSpinEdit* HintSpinMax = nullptr;
    forms::TLabel* Label23 = nullptr;
    forms::TSpinEdit* HintLineMax = nullptr;

    // [PopupHint] Loc as read, written back unchanged (no control shows it).
    int HintLoc = 0;
    // The requested top-left corner of the dialog.
    int PosLeft = 0, PosTop = 0;
    // One entry per usable style file, in the list's order; StyleCBox's items are their titles.
    std::vector<TStyleEntry> StyleEntries;
    // The selected style's entry; none until a style has been listed.
    std::optional<TStyleEntry> StyleEntry;
    // [Visible] StyleFile as read; FillStyleList selects the style that it names.
    std::string SavedStyleFile;
    // The glyph strips of the previewed style.
    TPreviewGlyphs Glyphs;
    // The part colours being edited, 1..15 (element 0 unused).
    TPartColors PartColors{};
    // [PopupHint] FontName as read.
    std::string HintFontName;
    // The selected style is of type 0, so the part colours may replace its colours.
    bool ColorChangeable = false;
    // The settings file the dialog edits and the colour dialogs' custom colours go to.
    std::string StyleIniPath;
    // Where the style files are looked for: the program's folder.
    std::string StyleFolder_;

    // Reads ChangeFileExt(settingsPath, ".ini") into the controls (StyleSettings.h's rules).
    void LoadIni(const std::string& settingsPath);
    // Writes the controls' keys to ChangeFileExt(settingsPath, ".ini").
    void SaveIni(const std::string& settingsPath);
    // The custom colours of a colour dialog from or to a section of the settings file.
    void LoadCustomColors(const std::string& section, forms::TStrings& list);
    void SaveCustomColors(const std::string& section, const forms::TStrings& list);

    // The style list.
    void ScanStyleFiles();
    void FillStyleList();
    void StyleCBoxChange(forms::TComponent* sender);
    void BtnReListClick(forms::TComponent* sender);
    void StyleCBoxDrawItem(forms::TWinControl* control, int index, const forms::TRect& rect,
                           forms::TOwnerDrawState state);
    void Memo1DrawItem(forms::TWinControl* control, int index, const forms::TRect& rect,
                       forms::TOwnerDrawState state);

    void FormCreate(forms::TComponent* sender);
    void FormShow(forms::TComponent* sender);
    void FormDestroy(forms::TComponent* sender);

    // "初期値に戻す": restores the active page.
    void SBDefClick(forms::TComponent* sender);
    void ResetStyleFilePage();
    void SBtnDef2Click(forms::TComponent* sender);
    void SBtnDef3Click(forms::TComponent* sender);

    void TabStyleShow(forms::TComponent* sender);
    void TabStyleCfgShow(forms::TComponent* sender);
    void TabHintShow(forms::TComponent* sender);

    // The mirrors of the style-file page set their masters.
    void CheckBoxColor2Click(forms::TComponent* sender);
    void CheckBoxDateTime2Click(forms::TComponent* sender);
    void CBtnPopupHint2Click(forms::TComponent* sender);
    // The display switches of the style-file page.
    void CheckBoxCellCountClick(forms::TComponent* sender);
    // The masters themselves do nothing when clicked.
    void CheckBoxColorClick(forms::TComponent* sender);
    void CheckBoxDateTimeClick(forms::TComponent* sender);
    void CBtnPopupHintClick(forms::TComponent* sender);

    void CfgColorListBoxDrawItem(forms::TWinControl* control, int index, const forms::TRect& rect,
                                 forms::TOwnerDrawState state);
    void CfgColorListBoxMouseMove(forms::TComponent* sender, forms::TShiftState shift, int x,
                                  int y);
    void CfgColorListBoxMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                                forms::TShiftState shift, int x, int y);
    void shpFontMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                        forms::TShiftState shift, int x, int y);

    void FontBoxChange(forms::TComponent* sender);
    void HintFontSpinChange(forms::TComponent* sender);
    void BtnBoldClick(forms::TComponent* sender);
    void BtnItarClick(forms::TComponent* sender);
    void CheckBoxUseSubStyleClick(forms::TComponent* sender);
    void DateTimefmtChange(forms::TComponent* sender);

    void PaintBox1Paint(forms::TComponent* sender);
    void PaintBox3Paint(forms::TComponent* sender);

    // What the controls show, as the settings they stand for (StyleFile and FontName as they
    // would be written).
    [[nodiscard]] TStyleSettings ShownSettings_() const;
    // What the previews are painted from.
    [[nodiscard]] TStylePreviewInput PreviewInput_() const;

private:
    void BuildDesign_();
    void BuildStylePage_();
    void BuildDisplayPage_();
    void BuildHintPage_();
    // The controls that show a setting as it is, with the pages that restore them; what no row
    // says is written beside the walks: the hint's position and font, the colours, the style.
    [[nodiscard]] TBindingTable<TStylePage> Bindings_(TStyleSettings& s) const;
    // Each mirror of the style-file page takes its master's state.
    void ShowMirrors_();
    [[nodiscard]] std::optional<std::string> SelectedFont_() const;
};
