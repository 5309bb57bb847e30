#include "qvtcfg/EditorControls.h"

#include "forms/win/WinControl.h"

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
