#pragma once
// Message boxes: the class library's own message dialog (a form with an icon, wrapped text and a
// centred row of buttons), the plain OK box, and the system box with a language.
#include "forms/win/Form.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace forms {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};

class TMsgDlgButtons {
public:
    TMsgDlgButtons() = default;
    TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
        for (TMsgDlgBtn b : buttons)
            bits_ |= Bit(b);
    }
    [[nodiscard]] bool Has(TMsgDlgBtn b) const { return (bits_ & Bit(b)) != 0; }
    [[nodiscard]] bool Empty() const { return bits_ == 0; }

private:
    static uint32_t Bit(TMsgDlgBtn b) { return 1u << static_cast<int>(b); }
    uint32_t bits_ = 0;
};

// The dialog, hidden, not yet placed: "警告", "エラー", "情報", "確認" or the application title
// as caption; the type's icon (none for custom); the text wrapped, '&' shown as it is, a lone CR
// breaking the line; the buttons in their fixed order, centred, with modal results 1 to 10. Enter
// clicks OK, else Yes, else Retry, else the first button; Esc clicks Cancel, else No, else OK;
// the close box gives 2.
Scoped<TForm> CreateMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows it modally with its top-left corner at (x, y), centred on the screen when both are
// negative, kept inside the work area; returns the modal result.
int ShowMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons, int x = -1,
                      int y = -1);

// An OK box captioned with the application title, our windows disabled meanwhile.
void ShowMessage(std::string_view text);
// The same with the information icon.
void ShowInformation(std::string_view text);
// MessageBoxExW: the system box with a language identifier; returns the button's code.
int SystemMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type,
                     WORD languageId);

} // namespace forms
