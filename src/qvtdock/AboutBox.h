#pragma once
// TAboutBox (window class "TAboutBox"): "K+Bandeo のバージョン情報", the launcher's small modal
// About box. It shows the product name, version and notice from the launcher's version resource,
// the home page as a link, and a text panel with where the launcher and its settings are and the
// versions (or absence) of the data editor and the configuration program; one button copies the
// panel to the clipboard, and the panel's own menu offers the six editing commands.
#include "forms/win/Bevel.h"
#include "forms/win/Button.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "forms/win/Menus.h"
#include "forms/win/RichEdit.h"
#include "forms/win/SpeedButton.h"
#include "shared/VersionInfo.h"

#include <functional>
#include <memory>
#include <string>

namespace forms {
class TIcon;
}

using TOpenUrl = std::function<void(const std::string& url)>;

class TAboutBox : public forms::TForm {
public:
    // programPath: the launcher's file, whose version and icon the box shows; openUrl opens the
    // home page.
    TAboutBox(forms::TComponent* owner, std::string programPath, TOpenUrl openUrl);
    ~TAboutBox() override;

    // The components, as the form's design names them.
    forms::TLabel* LbProductName = nullptr;
    forms::TLabel* LbVersion = nullptr;
    forms::TLabel* LbUrl = nullptr;
    forms::TLabel* LbCopyright = nullptr;
    forms::TBevel* Bevel1 = nullptr;
    forms::TSpeedButton* SBtnClip = nullptr;
    forms::TButton* Button1 = nullptr;
    forms::TRichEdit* Memo = nullptr;
    forms::TPopupMenu* PopupMenu2 = nullptr;
    forms::TMenuItem* Undo1 = nullptr;
    forms::TMenuItem* N5 = nullptr;
    forms::TMenuItem* Cut1 = nullptr;
    forms::TMenuItem* Copy1 = nullptr;
    forms::TMenuItem* Paste1 = nullptr;
    forms::TMenuItem* Delete1 = nullptr;
    forms::TMenuItem* N6 = nullptr;
    forms::TMenuItem* SelectAll1 = nullptr;

    // The settings' path without extension (the data folder + "qvtdock"), and where the box was
    // asked to stand.
    std::string settingsBase_;
    int requestedLeft_ = 0, requestedTop_ = 0;

    // Fills the labels and the panel from the launcher's file and the settings.
    void FillInfo();
    // The gradient band on the left and the program's icon on it.
    void FormPaint(forms::TComponent* sender);
    // Esc closes the box.
    void FormKeyUp(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void LbUrlClick(forms::TComponent* sender);
    // The panel's whole text onto the clipboard.
    void SBtnClipClick(forms::TComponent* sender);
    // The editing items enabled as the panel can run them now.
    void PopupMenu2Popup(forms::TComponent* sender);

    // The launcher's version strings, as FillInfo read them.
    [[nodiscard]] const TVersionStrings& Info() const { return info_; }
    // The program's icon (empty when its file has none).
    [[nodiscard]] forms::TIcon& ProgramIcon() const { return *icon_; }

private:
    void BuildDesign();

    std::string programPath_;
    TOpenUrl openUrl_;
    std::unique_ptr<forms::TIcon> icon_;
    TVersionStrings info_;
};

// Shows the About box modally and returns when it is closed (always true): centred on the screen,
// or with its corner at (x, y) kept inside the work area.
bool ShowAboutBox(int x, int y, const std::string& settingsBase, bool centre,
                  const std::string& programPath, TOpenUrl openUrl);
