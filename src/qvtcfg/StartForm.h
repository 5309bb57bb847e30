#pragma once
// TCfgMain (window class "TCfgMain"): the start form of the configuration program when it is
// started without a switch. The user names the launcher's settings file qvtdock.ini (typed, or
// picked with the field's button), chooses the settings or the style editor and presses "設定";
// the editor opens modally 16 pixels right of and below the form's corner, and the form stays
// for another round until "終了" or its close box ends the program. A field that names no
// existing qvtdock.ini is refused with "設定ファイルが見つかりません。". The machine (full
// paths, files, the editors, the messages) comes in through the TCfgEnvironment.
#include "forms/win/Bevel.h"
#include "forms/win/Button.h"
#include "forms/win/CheckBox.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "qvtcfg/CfgEnvironment.h"
#include "qvtcfg/EllipsisEdit.h"

class TCfgMain : public forms::TForm {
public:
    TCfgMain(forms::TComponent* owner, TCfgEnvironment& environment);

    // The components, as the form's design names them, in tab order where they take the focus.
    forms::TLabel* Label2 = nullptr;
    TEllipsisEdit* IniEdit = nullptr;
    forms::TBevel* Bevel1 = nullptr;
    forms::TRadioButton* Radio1 = nullptr;
    forms::TRadioButton* Radio2 = nullptr;
    forms::TButton* BtnCfg = nullptr;
    forms::TButton* BtnClose = nullptr;
    forms::TLabel* Label1 = nullptr;

    // The editor "設定" opens: 0 the settings editor, 1 the style editor (the Tag of the radio
    // button clicked last).
    int Mode = 0;

    // Centres the form on the primary screen.
    void FormCreate(forms::TComponent* sender);
    // Either radio button: Mode := its Tag.
    void Radio2Click(forms::TComponent* sender);
    // Opens the chosen editor on the field's file, or refuses the field.
    void BtnCfgClick(forms::TComponent* sender);
    void BtnCloseClick(forms::TComponent* sender);
    // Picks the settings file with the open dialog, starting in the program's folder.
    void IniEditEllipsisClick(forms::TComponent* sender);

private:
    void BuildDesign_();

    TCfgEnvironment& environment_;
};
