#include "qvtcfg/EditorControls.h"

#include "forms/win/WinControl.h"
#include "qvtcfg/CfgSettings.h"

#include <windows.h>

using forms::Bounds;
using forms::MakeChild;

forms::TFont DialogFont(const char* name, int height, forms::TColor color) {
    forms::TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetColor(color);
    return font;
}

forms::TCheckBox* CheckBox(forms::TWinControl* parent, const forms::TRect& bounds,
                           const char* caption, bool checked, bool enabled,
                           forms::TNotifyEvent onClick) {
    auto* box = MakeChild<forms::TCheckBox>(parent, bounds);
    box->SetCaption(caption);
    box->SetChecked(checked);
    box->SetEnabled(enabled);
    box->OnClick = std::move(onClick);
    return box;
}

forms::TLabel* Label(forms::TWinControl* parent, int left, int top, const char* caption,
                     forms::TWinControl* focus) {
    auto* label = MakeChild<forms::TLabel>(parent, Bounds(left, top, 0, 0));
    label->SetCaption(caption);
    label->SetFocusControl(focus);
    return label;
}

void GiveHint(forms::TControl* control, std::string_view hint) {
    control->SetHint(hint);
    control->SetShowHint(true);
}

TControlAccess<bool> Bound(forms::TCheckBox* box) {
    return {[box] { return std::optional<bool>(box->Checked()); },
            [box](const bool& checked) { box->SetChecked(checked); }};
}

TControlAccess<bool> Bound(forms::TSpeedButton* toggle) {
    return {[toggle] { return std::optional<bool>(toggle->Down()); },
            [toggle](const bool& down) { toggle->SetDown(down); }};
}

TControlAccess<int32_t> Bound(forms::TSpinEdit* spin) {
    return {[spin] { return std::optional<int32_t>(spin->Value()); },
            [spin](const int32_t& value) { spin->SetValue(value); }};
}

TControlAccess<std::string> Bound(forms::TCustomEdit* edit) {
    return {[edit] { return std::optional<std::string>(edit->Text()); },
            [edit](const std::string& text) { edit->SetText(text); }};
}

TControlAccess<int32_t> BoundIndex(forms::TComboBox* list) {
    return {[list] {
                const int selected = list->ItemIndex();
                return selected >= 0 ? std::optional<int32_t>(selected) : std::nullopt;
            },
            [list](const int32_t& value) {
                list->SetItemIndex(ListIndexOf(value, list->Items().Count()));
            }};
}

TControlAccess<std::string> BoundText(forms::TComboBox* box) {
    return {[box] { return std::optional<std::string>(box->Text()); },
            [box](const std::string& text) { box->SetText(text); }};
}
