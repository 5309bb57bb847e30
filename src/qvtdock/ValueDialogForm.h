#pragma once
// TResIconBox (window class "TResIconBox"): the small always-on-top form behind InputNumber,
// InputText and InputChoice (ValueDialog.h). It holds all three input controls; each question
// shows one of them. A message line above the input, OK and Cancel below it, and "デフォルト" for
// numbers that have a default. Enter presses OK while OK is enabled; Esc and the close box cancel.
#include "forms/win/Button.h"
#include "forms/win/ComboBox.h"
#include "forms/win/Edit.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "forms/win/SpinEdit.h"

#include <string>

class TResIconBox : public forms::TForm {
public:
    explicit TResIconBox(forms::TComponent* owner);

    // The components, in the order they are made (which is also the tab order).
    forms::TLabel* LbMes = nullptr;
    forms::TSpinEdit* SpinIconSize = nullptr;
    forms::TButton* OKButton = nullptr;
    forms::TButton* BtnCansel = nullptr;
    forms::TEdit* EdMes = nullptr;         // hidden until a text is asked for
    forms::TButton* DefButton = nullptr;   // hidden until a number with a default is asked for
    forms::TComboBox* SComboBox = nullptr; // hidden until a choice is asked for

    // The screen point the form was asked to stand at, and the number "デフォルト" restores.
    int requestedLeft_ = 0;
    int requestedTop_ = 0;
    int defaultValue_ = 0;

    // Sets the requested point, the caption and the message; hides every input control and
    // "デフォルト", so that the caller shows the one it asks with.
    void Prepare(int x, int y, const std::string& caption, const std::string& message);
    // Shows one input control and gives it the focus when the form opens.
    void ShowInput(forms::TWinControl* input);

    // Places the form at the requested point, inside the work area.
    void FormShow(forms::TComponent* sender);
    // OK needs a text of at least one character.
    void EdMesChange(forms::TComponent* sender);
    // Puts the default number back into the spin edit; the form stays open.
    void DefButtonClick(forms::TComponent* sender);
};
