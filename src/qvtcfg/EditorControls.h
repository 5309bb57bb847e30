#pragma once
// The editors' controls in their design state, each in one line of the form's build.
#include "forms/win/CheckBox.h"
#include "forms/win/ComboBox.h"
#include "forms/win/Edit.h"
#include "forms/win/Label.h"
#include "forms/win/SpeedButton.h"
#include "forms/win/SpinEdit.h"
#include "qvtcfg/EditorBindings.h"

#include <string_view>

forms::TFont DialogFont(const char* name, int height, forms::TColor color);

// A check box in its design state; its click handler is bound after the state is set, so that
// building the form runs no handler.
forms::TCheckBox* CheckBox(forms::TWinControl* parent, const forms::TRect& bounds,
                           const char* caption, bool checked, bool enabled = true,
                           forms::TNotifyEvent onClick = nullptr);

// A label at (left, top) sized to its caption, whose mnemonic focuses focus.
forms::TLabel* Label(forms::TWinControl* parent, int left, int top, const char* caption,
                     forms::TWinControl* focus = nullptr);

// A tooltip that shows.
void GiveHint(forms::TControl* control, std::string_view hint);

// The binding tables' access to the editors' controls: a check box's state, a toggle's being
// down, a spin edit's value, an edit's text.
TControlAccess<bool> Bound(forms::TCheckBox* box);
TControlAccess<bool> Bound(forms::TSpeedButton* toggle);
TControlAccess<int32_t> Bound(forms::TSpinEdit* spin);
TControlAccess<std::string> Bound(forms::TCustomEdit* edit);
// A list's selected item: a value outside the list selects none, and none shows no value.
TControlAccess<int32_t> BoundIndex(forms::TComboBox* list);
// The text of a combo box with an edit field.
TControlAccess<std::string> BoundText(forms::TComboBox* box);
